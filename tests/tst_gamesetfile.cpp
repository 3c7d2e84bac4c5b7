#include "model/gamesetfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString DefaultTypeLine = QStringLiteral("T#Courier New#28#True#True#16777215#");

QByteArray fileOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QStringList linesOf(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

GameSet readBytes(QByteArray bytes) {
    GameSet game;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadGameSet(game, buffer);
    return game;
}

// The lines of a freshly reset game set.
QStringList resetLines(const QString& finalTypeLine) {
    QStringList lines;
    for (int category = 0; category < 6; ++category) {
        lines << QString();
        for (int question = 0; question < 5; ++question)
            lines << QString() << QStringLiteral("^^^^") << QStringLiteral("N") << DefaultTypeLine;
    }
    lines << QString() << QStringLiteral("^^^^") << finalTypeLine;
    return lines;
}

// A game set using every kind of question and field.
GameSet sampleGame(const QString& finalType) {
    GameSet game;
    ResetGameSet(game);
    for (int category = 1; category <= 6; ++category) {
        game.CategoryNames[category - 1].set(QStringLiteral("Category %1").arg(category));
        for (int question = 1; question <= 5; ++question) {
            QuestionRecord& record = game.question(category, question);
            record.QuestionText.set(QStringLiteral("Question %1.%2").arg(category).arg(question));
            record.Answers[0].set(QStringLiteral("Answer %1.%2").arg(category).arg(question));
        }
    }
    QuestionRecord& styled = game.question(1, 2);
    styled.FontName = "Arial";
    styled.FontSize = "36";
    styled.FontBold = false;
    styled.FontItalic = true;
    styled.FontColor = "255";
    styled.DailyDouble = "Y";

    QuestionRecord& choice = game.question(2, 3);
    for (int index = 1; index <= 4; ++index)
        choice.Answers[index].set(QStringLiteral("Choice %1").arg(index));

    QuestionRecord& picture = game.question(3, 1);
    picture.QuestionType = "P";
    picture.QuestionText.set("C:\\Trivia Sets\\eiffel.jpg");

    QuestionRecord& video = game.question(4, 5);
    video.QuestionType = "V";
    video.QuestionText.set("C:\\Trivia Sets\\launch.mpg");

    QuestionRecord& sound = game.question(6, 4);
    sound.QuestionType = "S";
    sound.MediaPath.set("C:\\Trivia Sets\\anthem.wav");
    sound.QuestionText.set("Name this anthem");

    game.FinalQuestionType = finalType;
    game.FinalFontName = "Times New Roman";
    game.FinalFontSize = 40;
    game.FinalFontBold = false;
    game.FinalFontItalic = false;
    game.FinalFontColor = "65280";
    game.FinalAnswers[0].set("Final answer");
    if (finalType == "S") {
        game.FinalMediaPath.set("C:\\Trivia Sets\\final.wav");
        game.FinalQuestionText.set("Final sound");
    } else {
        game.FinalQuestionText.set("Final question");
    }
    return game;
}

// Fails every write after the first `limit` bytes.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) {}

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        if (m_written + length > m_limit)
            return -1;
        m_written += length;
        return length;
    }

private:
    qint64 m_limit;
    qint64 m_written = 0;
};

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestGameSetFile : public QObject {
    Q_OBJECT

private slots:
    void isNumeric_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("integer") << "255" << true;
        QTest::newRow("spaces around") << " 28 " << true;
        QTest::newRow("signed decimal") << "-28.5" << true;
        QTest::newRow("exponent") << "1E3" << true;
        QTest::newRow("leading point") << ".5" << true;
        QTest::newRow("hex") << "&H1F" << true;
        QTest::newRow("octal") << "&O17" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("word") << "Arial" << false;
        QTest::newRow("digits then letters") << "12ab" << false;
        QTest::newRow("point alone") << "." << false;
        QTest::newRow("exponent without digits") << "1e" << false;
        QTest::newRow("space inside") << "1 2" << false;
        QTest::newRow("bad hex") << "&HG" << false;
        QTest::newRow("other script digits") << QStringLiteral("\u0663\u0664") << false;
        QTest::newRow("tab is no space") << "\t5" << false;
        QTest::newRow("line feed at the end") << "3\n" << false;
    }
    void isNumeric() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumeric(text), numeric);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal") << "28.5" << 28.5;
        QTest::newRow("spaces inside") << " 1 2 3" << 123.0;
        QTest::newRow("none") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("digits then text") << "12px" << 12.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "7e" << 7.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("short hex is 16-bit") << "&HFFFF" << -1.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("tab and line feed skipped") << "\t4\n2" << 42.0;
        QTest::newRow("huge") << QString(400, QLatin1Char('9')) << qInf();
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void nearestInt16_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("result");
        QTest::newRow("half down to even") << 28.5 << true << 28;
        QTest::newRow("half up to even") << 29.5 << true << 30;
        QTest::newRow("negative half") << -0.5 << true << 0;
        QTest::newRow("below half") << 28.49 << true << 28;
        QTest::newRow("top") << 32767.4 << true << 32767;
        QTest::newRow("rounds over the top") << 32767.5 << false << 0;
        QTest::newRow("bottom") << -32768.0 << true << -32768;
        QTest::newRow("under the bottom") << -32768.6 << false << 0;
        QTest::newRow("far too big") << 99999.0 << false << 0;
        QTest::newRow("infinite") << qInf() << false << 0;
    }
    void nearestInt16() {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, result);
        const std::optional<qint16> rounded = NearestInt16(value);
        QCOMPARE(rounded.has_value(), fits);
        if (fits)
            QCOMPARE(int(*rounded), result);
    }

    void toBoolean_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1 none, 0 false, 1 true
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("lower false") << "false" << 0;
        QTest::newRow("upper TRUE") << "TRUE" << 1;
        QTest::newRow("minus one") << "-1" << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("fraction") << "0.5" << 1;
        QTest::newRow("word") << "abc" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("yes") << "Yes" << -1;
    }
    void toBoolean() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<bool> value = ToBoolean(text);
        QCOMPARE(value.has_value(), expected >= 0);
        if (value)
            QCOMPARE(int(*value), expected);
    }

    void typeLineFields_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("color");
        QTest::newRow("full") << DefaultTypeLine << "Courier New" << 28 << true << true
                              << "16777215";
        QTest::newRow("colour only") << "T#255#"
                                     << "" << 28 << true << true << "255";
        QTest::newRow("font only") << "T#Arial#36#True#False#"
                                   << "Arial" << 36 << true << false << "16777215";
        QTest::newRow("neither") << "T"
                                 << "" << 28 << true << true << "16777215";
        QTest::newRow("empty") << ""
                               << "" << 28 << true << true << "16777215";
        QTest::newRow("one-character fields") << "T#A#9#1#0#0#"
                                              << "" << 28 << true << true << "16777215";
        QTest::newRow("numeric font name is the colour") << "T#123#20#False#False#255#"
                                                         << "" << 20 << false << false << "123";
        QTest::newRow("half size to even") << "T#Arial#28.5#abc#False#"
                                           << "Arial" << 28 << true << false << "16777215";
        QTest::newRow("half size up to even") << "T#Arial#29.5#-1#False#"
                                              << "Arial" << 30 << true << false << "16777215";
        QTest::newRow("size overflow") << "T#Arial#99999#False#True#65280#"
                                       << "Arial" << 28 << false << true << "65280";
        QTest::newRow("size without a number") << "T#Arial#ab#True#True#"
                                               << "Arial" << 0 << true << true << "16777215";
        QTest::newRow("missing closing hash") << "T#Arial"
                                              << "" << 28 << true << true << "16777215";
        QTest::newRow("colour field not checked") << "T#Arial#28#True#True#red#"
                                                  << "Arial" << 28 << true << true << "red";
        QTest::newRow("hash in font name shifts") << "T#Ar#ial#28#True#True#255#"
                                                  << "Ar" << 0 << true << true << "True";
        QTest::newRow("spaces inside fields kept") << "T# Arial #28#True#True#"
                                                   << " Arial " << 28 << true << true << "16777215";
    }
    void typeLineFields() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, color);
        QCOMPARE(GetFontNameField(line), name);
        QCOMPARE(int(GetFontSizeField(line)), size);
        QCOMPARE(GetFontBoldField(line), bold);
        QCOMPARE(GetFontItalicField(line), italic);
        QCOMPARE(GetFontColorField(line), color);
    }

    void textTypeLine_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("line");
        QTest::newRow("font and colour") << "Courier New"
                                         << "28" << true << true << "16777215" << DefaultTypeLine;
        QTest::newRow("font only") << "Arial"
                                   << "36" << true << false << ""
                                   << "T#Arial#36#True#False#";
        QTest::newRow("colour only") << ""
                                     << "28" << true << true << "255"
                                     << "T#255#";
        QTest::newRow("blank name is no name") << "   "
                                               << "28" << false << false << "255"
                                               << "T#255#";
        QTest::newRow("neither") << ""
                                 << "28" << true << true << " "
                                 << "T";
        QTest::newRow("name and size untrimmed") << " Arial "
                                                 << " 9" << false << false << "0"
                                                 << "T# Arial # 9#False#False#0#";
    }
    void textTypeLine() {
        QFETCH(QString, name);
        QFETCH(QString, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, color);
        QFETCH(QString, line);
        QCOMPARE(TextTypeLine(name, size, bold, italic, color), line);
    }

    void resetSetSaves_data() {
        QTest::addColumn<QString>("finalType");
        QTest::addColumn<QString>("finalTypeLine");
        QTest::newRow("final type T") << "T" << DefaultTypeLine;
        QTest::newRow("final type never set") << ""
                                              << "";
        QTest::newRow("final type picture") << "P"
                                            << "P";
        QTest::newRow("final type sound") << "S"
                                          << "S";
        QTest::newRow("final type blank") << " "
                                          << "";
        QTest::newRow("final type two letters") << "TX"
                                                << "TX";
    }
    void resetSetSaves() {
        QFETCH(QString, finalType);
        QFETCH(QString, finalTypeLine);
        GameSet game;
        game.FinalQuestionType = finalType;
        ResetGameSet(game);
        QCOMPARE(game.FinalQuestionType, finalType); // the reset keeps it
        const QByteArray bytes = WriteGameSet(game);
        QCOMPARE(linesOf(bytes), resetLines(finalTypeLine));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 129);
        // Empty Daily Double flags are stored back as "N".
        QCOMPARE(game.question(6, 5).DailyDouble, QStringLiteral("N"));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("finalType");
        QTest::newRow("final text") << "T";
        QTest::newRow("final sound") << "S";
        QTest::newRow("final picture") << "P";
        QTest::newRow("final video") << "V";
    }
    void roundTrip() {
        QFETCH(QString, finalType);
        GameSet game = sampleGame(finalType);
        const QByteArray first = WriteGameSet(game);
        GameSet read = readBytes(first);

        // Everything the sample stores survives; the writer filled in the "N" flags
        // and the reader the "T" types.
        QCOMPARE(read.question(1, 2).FontName, QStringLiteral("Arial"));
        QCOMPARE(read.question(1, 2).FontSize, QStringLiteral("36"));
        QCOMPARE(read.question(1, 2).FontBold, false);
        QCOMPARE(read.question(1, 2).FontColor, QStringLiteral("255"));
        QCOMPARE(read.question(1, 2).DailyDouble, QStringLiteral("Y"));
        QCOMPARE(read.question(2, 3).Answers[4].trimmed(), QStringLiteral("Choice 4"));
        QCOMPARE(read.question(3, 1).QuestionType, QStringLiteral("P"));
        QCOMPARE(read.question(3, 1).QuestionText.trimmed(),
                 QStringLiteral("C:\\Trivia Sets\\eiffel.jpg"));
        QCOMPARE(read.question(6, 4).MediaPath.trimmed(),
                 QStringLiteral("C:\\Trivia Sets\\anthem.wav"));
        QCOMPARE(read.question(6, 4).QuestionText.trimmed(), QStringLiteral("Name this anthem"));
        QCOMPARE(read.FinalQuestionType, finalType);
        for (int category = 1; category <= 6; ++category) {
            for (int question = 1; question <= 5; ++question) {
                QuestionRecord expected = game.question(category, question);
                if (expected.QuestionType.isEmpty())
                    expected.QuestionType = "T";
                QCOMPARE(read.question(category, question), expected);
            }
        }
        QCOMPARE(read.CategoryNames, game.CategoryNames);
        QCOMPARE(read.FinalAnswers, game.FinalAnswers);
        if (finalType == "T") {
            QCOMPARE(read.FinalFontName, QStringLiteral("Times New Roman"));
            QCOMPARE(int(read.FinalFontSize), 40);
            QCOMPARE(read.FinalFontColor, QStringLiteral("65280"));
            QCOMPARE(read.FinalFontItalic, false);
        } else {
            QCOMPARE(read.FinalFontName, DefaultFontName); // not written for other types
        }

        // Saving what was read gives the same bytes again.
        QCOMPARE(WriteGameSet(read), first);
    }

    void readBackExceptions_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("black colour") << "color"
                                      << "0"
                                      << "16777215";
        QTest::newRow("one-character colour") << "color"
                                              << "7"
                                              << "16777215";
        QTest::newRow("two-character colour") << "color"
                                              << "10"
                                              << "10";
        QTest::newRow("one-digit size") << "size"
                                        << "9"
                                        << "28";
        QTest::newRow("decimal size down") << "size"
                                           << "28.5"
                                           << "28";
        QTest::newRow("decimal size up") << "size"
                                         << "30.7"
                                         << "31";
        QTest::newRow("size overflow") << "size"
                                       << "99999"
                                       << "28";
        QTest::newRow("numeric font name") << "name"
                                           << "123"
                                           << "Courier New";
        QTest::newRow("one-character font name") << "name"
                                                 << "X"
                                                 << "Courier New";
        QTest::newRow("blanks around text") << "text"
                                            << "  Capital?  "
                                            << "Capital?";
        QTest::newRow("blanks around answer") << "answer"
                                              << "  Paris "
                                              << "Paris";
    }
    void readBackExceptions() {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        QFETCH(QString, readBack);
        GameSet game;
        ResetGameSet(game);
        QuestionRecord& record = game.question(4, 2);
        if (field == "color")
            record.FontColor = stored;
        else if (field == "size")
            record.FontSize = stored;
        else if (field == "name")
            record.FontName = stored;
        else if (field == "text")
            record.QuestionText.set(stored);
        else
            record.Answers[0].set(stored);

        const QuestionRecord read = readBytes(WriteGameSet(game)).question(4, 2);
        const QString value = field == "color"  ? read.FontColor
                              : field == "size" ? read.FontSize
                              : field == "name" ? read.FontName
                              : field == "text" ? read.QuestionText.trimmed()
                                                : read.Answers[0].trimmed();
        QCOMPARE(value, readBack);
    }

    void answersLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("plain") << "Paris^^^^" << QStringList{"Paris", "", "", "", ""};
        QTest::newRow("no caret is trimmed") << "  Paris  " << QStringList{"Paris", "", "", "", ""};
        QTest::newRow("fields not trimmed") << " a ^ b " << QStringList{" a", " b", "", "", ""};
        QTest::newRow("caret in an answer shifts")
            << "a^b^^^^" << QStringList{"a", "b", "", "", ""};
        QTest::newRow("old short form") << "a^b" << QStringList{"a", "b", "", "", ""};
        QTest::newRow("extra fields dropped")
            << "a^b^c^d^e^f" << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("all empty") << "^^^^" << QStringList{"", "", "", "", ""};
        QTest::newRow("multiple choice") << "Paris^Rome^Paris^Oslo^Bern"
                                         << QStringList{"Paris", "Rome", "Paris", "Oslo", "Bern"};
    }
    void answersLine() {
        QFETCH(QString, line);
        QFETCH(QStringList, answers);
        QStringList lines = resetLines(DefaultTypeLine);
        lines[2] = line;   // category 1, question 1
        lines[127] = line; // the final question
        const GameSet game = readBytes(fileOf(lines));
        // Leading blanks stay in the field; trailing ones are padding.
        for (int index = 0; index < 5; ++index) {
            QCOMPARE(RTrimSpaces(game.question(1, 1).Answers[index].padded()), answers.at(index));
            QCOMPARE(RTrimSpaces(game.FinalAnswers[index].padded()), answers.at(index));
        }
    }

    void caretInAnswerIsWrittenAsIs() {
        GameSet game;
        ResetGameSet(game);
        game.question(1, 1).Answers[0].set("a^b");
        const QByteArray bytes = WriteGameSet(game);
        QCOMPARE(linesOf(bytes).at(2), QStringLiteral("a^b^^^^"));
        const GameSet read = readBytes(bytes);
        QCOMPARE(read.question(1, 1).Answers[0].trimmed(), QStringLiteral("a"));
        QCOMPARE(read.question(1, 1).Answers[1].trimmed(), QStringLiteral("b"));
    }

    void blankTypeLetter_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("fontName");
        QTest::newRow("category 1") << 1 << "T"
                                    << "Arial";
        QTest::newRow("category 2") << 2 << "T"
                                    << "Arial";
        QTest::newRow("category 3") << 3 << " "
                                    << "Courier New";
        QTest::newRow("category 4") << 4 << "T"
                                    << "Arial";
        QTest::newRow("category 5") << 5 << "T"
                                    << "Arial";
        QTest::newRow("category 6") << 6 << " "
                                    << "Courier New";
    }
    void blankTypeLetter() {
        QFETCH(int, category);
        QFETCH(QString, type);
        QFETCH(QString, fontName);
        QStringList lines = resetLines(" T");
        const int base = 1 + 21 * (category - 1) + 4 * 2; // question 3, 0-based index
        lines[base] = "question";
        lines[base + 3] = " #Arial#36#False#False#";
        const GameSet game = readBytes(fileOf(lines));
        const QuestionRecord& record = game.question(category, 3);
        QCOMPARE(record.QuestionType, type);
        QCOMPARE(record.FontName, fontName);
        QCOMPARE(record.QuestionText.trimmed(), QStringLiteral("question"));
        QCOMPARE(game.FinalQuestionType, QStringLiteral(" ")); // the final has no blank rule
    }

    void questionTypes_data() {
        QTest::addColumn<QString>("typeLine");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("media");
        QTest::newRow("sound") << "SName it"
                               << "S"
                               << "Name it"
                               << "line one";
        QTest::newRow("sound, blanks kept") << "S  two  "
                                            << "S"
                                            << "  two"
                                            << "line one";
        QTest::newRow("picture") << "P"
                                 << "P"
                                 << "line one"
                                 << "";
        QTest::newRow("only first letter counts") << "Video"
                                                  << "V"
                                                  << "line one"
                                                  << "";
        QTest::newRow("lower case is another type") << "t#Arial#36#True#True#"
                                                    << "t"
                                                    << "line one"
                                                    << "";
    }
    void questionTypes() {
        QFETCH(QString, typeLine);
        QFETCH(QString, type);
        QFETCH(QString, text);
        QFETCH(QString, media);
        QStringList lines = resetLines(typeLine);
        lines[1] = "line one";
        lines[4] = typeLine;
        lines[126] = "line one";
        const GameSet game = readBytes(fileOf(lines));
        for (const auto& [readType, readText, readMedia, fontName] :
             {std::tuple{game.question(1, 1).QuestionType, game.question(1, 1).QuestionText,
                         game.question(1, 1).MediaPath, game.question(1, 1).FontName},
              std::tuple{game.FinalQuestionType, game.FinalQuestionText, game.FinalMediaPath,
                         game.FinalFontName}}) {
            QCOMPARE(readType, type);
            QCOMPARE(RTrimSpaces(readText.padded()), text);
            QCOMPARE(readMedia.trimmed(), media);
            QCOMPARE(fontName, DefaultFontName);
        }
    }

    void shortFiles_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name1");
        QTest::addColumn<QString>("repeatedText");
        QTest::addColumn<QString>("repeatedType");
        QTest::addColumn<QString>("repeatedFont");
        QTest::addColumn<QString>("repeatedMedia");
        QTest::newRow("empty file") << QStringList() << ""
                                    << ""
                                    << "T" << DefaultFontName << "";
        QTest::newRow("three lines") << QStringList{"Name", "Q1", "ans"} << "Name"
                                     << "Q1"
                                     << "T" << DefaultFontName << "";
        QTest::newRow("one text question")
            << QStringList{"Name", "Q1", "ans^^^^", "Y", "T#Arial#36#True#False#"} << "Name"
            << "Q1"
            << "T"
            << "Arial"
            << "";
        QTest::newRow("one sound question")
            << QStringList{"Name", "tune.wav", "ans^^^^", "Y", "SName it"} << "Name"
            << "Name it"
            << "S" << DefaultFontName << "tune.wav";
    }
    void shortFiles() {
        QFETCH(QStringList, lines);
        QFETCH(QString, name1);
        QFETCH(QString, repeatedText);
        QFETCH(QString, repeatedType);
        QFETCH(QString, repeatedFont);
        QFETCH(QString, repeatedMedia);
        const GameSet game = readBytes(fileOf(lines));
        QCOMPARE(game.CategoryNames[0].trimmed(), name1);
        for (int category = 2; category <= 6; ++category)
            QVERIFY(game.CategoryNames[category - 1].isBlank());
        for (const auto& [category, question] : {std::pair{1, 2}, {3, 4}, {6, 5}}) {
            const QuestionRecord& record = game.question(category, question);
            QCOMPARE(record.QuestionText.trimmed(), repeatedText);
            QCOMPARE(record.QuestionType, repeatedType);
            QCOMPARE(record.FontName, repeatedFont);
            QCOMPARE(record.MediaPath.trimmed(), repeatedMedia);
            QCOMPARE(record.DailyDouble, QString()); // keeps its reset value
            for (const auto& answer : record.Answers)
                QVERIFY(answer.isBlank());
        }
        QCOMPARE(game.FinalQuestionType, repeatedType);
        if (repeatedType == "S") {
            QCOMPARE(game.FinalMediaPath.trimmed(), repeatedMedia);
            QCOMPARE(game.FinalQuestionText.trimmed(), repeatedText);
        } else {
            QCOMPARE(game.FinalQuestionText.trimmed(), repeatedText);
            QCOMPARE(game.FinalFontName, repeatedFont);
        }
    }

    void linesAfterTheLastAreIgnored() {
        GameSet game = sampleGame("T");
        const QByteArray bytes = WriteGameSet(game);
        const GameSet plain = readBytes(bytes);
        QCOMPARE(readBytes(bytes + "junk^x^y^z^w^v\r\nSmore\r\n"), plain);
        // An unterminated last line is the same line.
        QCOMPARE(readBytes(bytes.chopped(2)), plain);
    }

    void lineBreaks_data() {
        QTest::addColumn<QByteArray>("separator");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void lineBreaks() {
        QFETCH(QByteArray, separator);
        QStringList lines = resetLines(DefaultTypeLine);
        lines[0] = "Two\nlines";
        lines[1] = "line\nfeed";
        QByteArray bytes = lines.join(QString::fromLatin1(separator)).toLatin1();
        GameSet game = readBytes(bytes);
        QCOMPARE(game.CategoryNames[0].trimmed(), QStringLiteral("Two\nlines"));
        QCOMPARE(game.question(1, 1).QuestionText.trimmed(), QStringLiteral("line\nfeed"));
        QCOMPARE(game.question(1, 2).QuestionText.trimmed(), QString());
        // Written as is: the line feed stays inside the line.
        QCOMPARE(linesOf(WriteGameSet(game)).mid(0, 2), (QStringList{"Two\nlines", "line\nfeed"}));
    }

    void highBytesRoundTrip() {
        QByteArray text;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            text.append(static_cast<char>(byte));
        QByteArray bytes = fileOf(resetLines(DefaultTypeLine));
        // Put the bytes in an answers line, where up to 300 characters are kept.
        bytes.replace("^^^^", text + "^^^^");
        const GameSet game = readBytes(bytes);
        QCOMPARE(game.question(1, 1).Answers[0].padded().size(), 300);
        GameSet copy = game;
        QCOMPARE(WriteGameSet(copy), bytes);
    }

    void fieldsAreCut() {
        QStringList lines = resetLines(DefaultTypeLine);
        lines[0] = QString(40, 'n');
        lines[1] = QString(300, 'q');
        lines[2] = QString(310, 'a');
        const GameSet game = readBytes(fileOf(lines));
        QCOMPARE(game.CategoryNames[0].trimmed(), QString(32, 'n'));
        QCOMPARE(game.question(1, 1).QuestionText.trimmed(), QString(256, 'q'));
        QCOMPARE(game.question(1, 1).Answers[0].trimmed(), QString(300, 'a'));
    }

    void dailyDoubleKeptAsRead() {
        QStringList lines = resetLines(DefaultTypeLine);
        lines[3] = "y";
        lines[7] = " Y ";
        lines[11] = "";
        GameSet game = readBytes(fileOf(lines));
        QCOMPARE(game.question(1, 1).DailyDouble, QStringLiteral("y"));
        QCOMPARE(game.question(1, 2).DailyDouble, QStringLiteral(" Y "));
        QCOMPARE(game.question(1, 3).DailyDouble, QString());
        const QStringList written = linesOf(WriteGameSet(game));
        QCOMPARE(written.at(3), QStringLiteral("y"));
        QCOMPARE(written.at(7), QStringLiteral("Y"));
        QCOMPARE(written.at(11), QStringLiteral("N"));
        QCOMPARE(game.question(1, 3).DailyDouble, QStringLiteral("N"));
    }

    void saveStoresTrimmedValuesBack() {
        GameSet game;
        ResetGameSet(game);
        game.CategoryNames[0].set("  Rivers");
        game.question(1, 1).QuestionText.set("  Longest river?");
        game.question(1, 1).Answers[2].set("   Nile");
        WriteGameSet(game);
        QCOMPARE(game.CategoryNames[0].padded().left(6), QStringLiteral("Rivers"));
        QCOMPARE(game.question(1, 1).QuestionText.padded().left(7), QStringLiteral("Longest"));
        QCOMPARE(game.question(1, 1).Answers[2].padded().left(4), QStringLiteral("Nile"));
    }

    void openFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        GameSet source = sampleGame("T");
        const QString path = dir.filePath("set.txt");
        QCOMPARE(SaveFile(source, path).number, ErrorNumber::None);
        QCOMPARE(contentsOf(path), WriteGameSet(source));

        GameSet game;
        QVERIFY(!OpenFile(game, path).failed());
        QCOMPARE(game.question(1, 2).FontName, QStringLiteral("Arial"));

        const FileError missing = OpenFile(game, dir.filePath("missing.txt"));
        QCOMPARE(missing.number, ErrorNumber::FileNotFound);
        QCOMPARE(missing.description, QStringLiteral("File not found"));
        GameSet reset;
        reset.FinalQuestionType = game.FinalQuestionType;
        ResetGameSet(reset);
        QCOMPARE(game, reset); // left with an empty game set

        const FileError folder = OpenFile(game, dir.path());
        QCOMPARE(folder.number, ErrorNumber::PathFileAccess);
        QCOMPARE(folder.description, QStringLiteral("Path/File access error"));
    }

    void failedSaveKeepsWhatWasThere() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        GameSet game = sampleGame("T");

        // The target is a folder: it stays a folder with its contents.
        QVERIFY(QDir(dir.path()).mkdir("folder.txt"));
        const QString inner = dir.filePath("folder.txt/keep.txt");
        QFile keep(inner);
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("keep me");
        keep.close();
        FileError error = SaveFile(game, dir.filePath("folder.txt"));
        QCOMPARE(error.number, ErrorNumber::PathFileAccess);
        QCOMPARE(error.description, QStringLiteral("Path/File access error"));
        QVERIFY(QFileInfo(dir.filePath("folder.txt")).isDir());
        QCOMPARE(contentsOf(inner), QByteArray("keep me"));

        // The parent path is a file: the file is untouched.
        error = SaveFile(game, inner + "/set.txt");
        QCOMPARE(error.number, ErrorNumber::PathFileAccess);
        QCOMPARE(contentsOf(inner), QByteArray("keep me"));

        // The folder does not exist.
        error = SaveFile(game, dir.filePath("nowhere/set.txt"));
        QCOMPARE(error.number, ErrorNumber::FileNotFound);
        QVERIFY(!QFileInfo::exists(dir.filePath("nowhere")));
    }

    void saveOverSizeLimitKeepsOldFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("set.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents\r\n");
        old.close();

        // Files may not grow past 512 bytes while saving; a game set is larger.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 512;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        GameSet game = sampleGame("T");
        const FileError error = SaveFile(game, path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(error.number, ErrorNumber::DiskFull);
        QCOMPARE(error.description, QStringLiteral("Disk full"));
        QCOMPARE(contentsOf(path), QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"set.txt"});
    }

    void writeToFailingDevice() {
        GameSet game = sampleGame("T");
        FailingDevice device(100);
        QVERIFY(device.open(QIODevice::WriteOnly));
        QCOMPARE(WriteGameSet(game, device).number, ErrorNumber::PathFileAccess);
        FailingDevice roomy(1 << 20);
        QVERIFY(roomy.open(QIODevice::WriteOnly));
        QVERIFY(!WriteGameSet(game, roomy).failed());
    }

    void errorReports_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("trailing");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("colon form with file name")
            << int(ReportStyle::Colon) << QStringList{"Filename: C:\\a.txt"}
            << QStringList{"An untrapped error has occurred. Please make a ",
                           "note of the following information: ",
                           "Error Number: 53",
                           "Description: File not found",
                           "Location: frmEditor",
                           "Procedure: OpenFile",
                           "Filename: C:\\a.txt"};
        QTest::newRow("period form")
            << int(ReportStyle::Period) << QStringList{}
            << QStringList{"An untrapped error has occurred. Please make a ",
                           "note of the following information.",
                           "",
                           "Error Number: 53",
                           "Description: File not found",
                           "Location: frmEditor",
                           "Procedure: OpenFile"};
    }
    void errorReports() {
        QFETCH(int, style);
        QFETCH(QStringList, trailing);
        QFETCH(QStringList, lines);
        const FileError error{ErrorNumber::FileNotFound, QStringLiteral("File not found")};
        QCOMPARE(ErrorReportText(static_cast<ReportStyle>(style), error, "frmEditor",
                                 "Procedure: OpenFile", trailing),
                 lines.join("\r\n"));
    }

    void saveAccessText() {
        const QStringList lines = SaveAccessErrorText().split("\r\n");
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QStringLiteral("Unable to save to the specified directory."));
        QCOMPARE(lines.at(1),
                 QStringLiteral("You may not have permission to write to this file/directory."));
        QCOMPARE(lines.at(2),
                 QStringLiteral("Contact your system administrator or save in \"My Documents\"."));
    }

    void hostileInputStaysBounded() {
        // One huge line without a break, then binary noise: reading finishes and
        // keeps only what the fields hold.
        QByteArray bytes(8 * 1024 * 1024, 'x');
        for (int index = 0; index < 4096; ++index)
            bytes.append(static_cast<char>(index * 37));
        const GameSet game = readBytes(bytes);
        QCOMPARE(game.CategoryNames[0].trimmed(), QString(32, 'x'));
        QVERIFY(game.question(1, 1).QuestionText.trimmed().size() <= 256);
    }
};

QTEST_GUILESS_MAIN(TestGameSetFile)
#include "tst_gamesetfile.moc"
