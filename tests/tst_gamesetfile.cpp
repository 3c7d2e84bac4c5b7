#include "testdata.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <map>

namespace {

const QString DefaultTypeLine = QStringLiteral("T#Courier New#28#True#True#16777215#");

// The lines of a freshly reset game set.
QStringList ResetLines(const QString& finalTypeLine) {
    QStringList lines;
    for (int category = 0; category < 6; ++category) {
        lines << QString();
        for (int question = 0; question < 5; ++question)
            lines << QString() << QStringLiteral("^^^^") << QStringLiteral("N") << DefaultTypeLine;
    }
    return lines << QString() << QStringLiteral("^^^^") << finalTypeLine;
}

// The example set (fonts, colours, a Daily Double, multiple choice) with a
// picture, a sound and a final question of `finalType`.
GameSet SampleGame(const QString& finalType) {
    GameSet game;
    OpenFile(game, QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt"));
    game.question(3, 1).QuestionType = "P";
    game.question(3, 1).QuestionText.set("C:\\Trivia Sets\\eiffel.jpg");
    QuestionRecord& sound = game.question(6, 4);
    sound.QuestionType = "S";
    sound.MediaPath.set("C:\\Trivia Sets\\anthem.wav");
    game.Final.QuestionType = finalType;
    if (finalType == "T")
        game.Final.FontName = "Times New Roman";
    if (finalType == "S")
        game.Final.MediaPath.set("C:\\Trivia Sets\\final.wav");
    return game;
}

} // namespace

class TestGameSetFile : public QObject {
    Q_OBJECT

private slots:
    // IsNumeric, LeadingNumber and ToBoolean of the same texts.
    void numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("boolean"); // -1 none, 0 false, 1 true
        AddRow("spaces around", " 28 ", true, 28.0, 1);
        AddRow("signed decimal", "-28.5", true, -28.5, 1);
        AddRow("zero", "0", true, 0.0, 0);
        AddRow("exponent", "1E3", true, 1000.0, 1);
        AddRow("leading point", ".5", true, 0.5, 1);
        AddRow("signed D exponent", "+1D-2", true, 0.01, 1);
        AddRow("hex", "&H1F", true, 31.0, 1);
        AddRow("short hex is 16-bit", "&HFFFF", true, -1.0, 1);
        AddRow("octal", "&O17", true, 15.0, 1);
        AddRow("words", "True", false, 0.0, 1);
        AddRow("lower-case word", "false", false, 0.0, 0);
        AddRow("empty", "", false, 0.0, -1);
        AddRow("digits then letters", "12px", false, 12.0, -1);
        AddRow("point alone", ".", false, 0.0, -1);
        AddRow("dangling exponent", "7e", false, 7.0, -1);
        AddRow("second point stops", "1.2.3", false, 1.2, -1);
        AddRow("spaces inside", " 1 2 3", false, 123.0, -1);
        AddRow("hex without digits", "&H", false, 0.0, -1);
        AddRow("bad hex", "&HG", false, 0.0, -1);
        AddRow("other script digits", QStringLiteral("\u0663\u0664"), false, 0.0, -1);
        AddRow("tab and line feed", "\t4\n2", false, 42.0, -1);
        AddRow("huge", QString(400, QLatin1Char('9')), true, qInf(), 1);
        AddRow("spaces only", "   ", false, 0.0, -1);
        AddRow("spaces then sign", "  +5", true, 5.0, 1);
        AddRow("bare ampersand is octal", "&17", true, 15.0, 1);
        AddRow("letter before digits", "x12", false, 0.0, -1);
        AddRow("tiny", "1E-400", true, 0.0, 0);
    }
    void numbers() {
        QFETCH(QString, text);
        QTEST(IsNumeric(text), "numeric");
        QTEST(LeadingNumber(text), "value");
        const std::optional<bool> converted = ToBoolean(text);
        QTEST(converted ? int(*converted) : -1, "boolean");
    }

    void nearestInt16_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("result"); // 99999: does not fit
        AddRow("half down to even", 28.5, 28);
        AddRow("half up to even", 29.5, 30);
        AddRow("negative half", -0.5, 0);
        AddRow("top", 32767.4, 32767);
        AddRow("rounds over the top", 32767.5, 99999);
        AddRow("bottom", -32768.0, -32768);
        AddRow("under the bottom", -32768.6, 99999);
        AddRow("infinite", qInf(), 99999);
    }
    void nearestInt16() {
        QFETCH(double, value);
        const std::optional<qint16> rounded = NearestInt16(value);
        QTEST(rounded ? int(*rounded) : 99999, "result");
    }

    void typeLineFields_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("color");
        const QString W = QStringLiteral("16777215"); // white, the default colour
        AddRow("full", DefaultTypeLine, "Courier New", 28, true, true, W);
        AddRow("colour only", "T#255#", "", 28, true, true, "255");
        AddRow("font only", "T#Arial#36#True#False#", "Arial", 36, true, false, W);
        AddRow("neither", "T", "", 28, true, true, W);
        AddRow("one-character fields", "T#A#9#1#0#0#", "", 28, true, true, W);
        AddRow("numeric name is the colour", "T#123#20#False#False#255#", "", 20, false, false,
               "123");
        AddRow("half size to even", "T#Arial#28.5#abc#False#", "Arial", 28, true, false, W);
        AddRow("size overflow", "T#Arial#99999#False#True#65280#", "Arial", 28, false, true,
               "65280");
        AddRow("size without a number", "T#Arial#ab#True#True#", "Arial", 0, true, true, W);
        AddRow("missing closing hash", "T#Arial", "", 28, true, true, W);
        AddRow("colour not checked", "T#Arial#28#True#True#red#", "Arial", 28, true, true, "red");
        AddRow("hash in font name shifts", "T#Ar#ial#28#True#True#255#", "Ar", 0, true, true,
               "True");
        AddRow("spaces inside kept", "T# Arial #28#True#True#", " Arial ", 28, true, true, W);
    }
    void typeLineFields() {
        QFETCH(QString, line);
        QTEST(GetFontNameField(line), "name");
        QTEST(int(GetFontSizeField(line)), "size");
        QTEST(GetFontBoldField(line), "bold");
        QTEST(GetFontItalicField(line), "italic");
        QTEST(GetFontColorField(line), "color");
    }

    void resetSetSaves_data() {
        QTest::addColumn<QString>("finalType");
        QTest::addColumn<QString>("finalTypeLine");
        AddRow("final type T", "T", DefaultTypeLine);
        AddRow("final type never set", "", "");
        AddRow("final type picture", "P", "P");
        AddRow("final type sound", "S", "S");
        AddRow("final type blank", " ", "");
        AddRow("final type two letters", "TX", "TX");
    }
    void resetSetSaves() {
        QFETCH(QString, finalType);
        QFETCH(QString, finalTypeLine);
        GameSet game;
        game.Final.QuestionType = finalType;
        ResetGameSet(game);
        QCOMPARE(game.Final.QuestionType, finalType); // the reset keeps it
        const QByteArray bytes = WriteGameSet(game);
        QCOMPARE(bytes, FileBytes(ResetLines(finalTypeLine)));
        // Empty Daily Double flags are stored back as "N".
        QCOMPARE(game.question(6, 5).DailyDouble, QStringLiteral("N"));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("finalType");
        for (const char* type : {"T", "S", "P"})
            AddRow(type, type);
    }
    // Read back, a saved set is the set; saved again, it is the same file.
    void roundTrip() {
        QFETCH(QString, finalType);
        GameSet game = SampleGame(finalType);
        const QByteArray first = WriteGameSet(game);
        GameSet read = ReadGameSet(first);
        QCOMPARE(read, game);
        QCOMPARE(WriteGameSet(read), first);
    }

    // One field of question 4.2 and the line it is saved as (the reading of
    // such lines is typeLineFields' business).
    void savedLine_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("written");
        const QString font = QStringLiteral("T#Courier New#");
        AddRow("black colour", "color", "0", font + "28#True#True#0#");
        AddRow("no colour", "color", "", font + "28#True#True#");
        AddRow("blank colour", "color", " ", font + "28#True#True#");
        AddRow("size untrimmed", "size", " 9", font + " 9#True#True#16777215#");
        AddRow("no font name", "name", "", "T#16777215#");
        AddRow("blank font name", "name", "   ", "T#16777215#");
        AddRow("font name untrimmed", "name", " Arial ", "T# Arial #28#True#True#16777215#");
        AddRow("bold off", "bold", "", font + "28#False#True#16777215#");
        AddRow("italic off", "italic", "", font + "28#True#False#16777215#");
        AddRow("blanks around text", "text", "  Capital?  ", "Capital?");
        AddRow("blanks around answer", "answer", "  Paris ", "Paris^^^^");
    }
    void savedLine() {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        GameSet game = ResetGame();
        QuestionRecord& record = game.question(4, 2);
        const std::map<QString, QString*> fonts = {
            {"color", &record.FontColor}, {"size", &record.FontSize}, {"name", &record.FontName}};
        if (field == "text")
            record.QuestionText.set(stored);
        else if (field == "answer")
            record.Answers[0].set(stored);
        else if (field == "bold" || field == "italic")
            (field == "bold" ? record.FontBold : record.FontItalic) = false;
        else
            *fonts.at(field) = stored;
        const int line = field == "text" ? 68 : field == "answer" ? 69 : 71;
        QTEST(SavedLines(game).at(line), "written");
    }

    void answersLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("answers");
        AddRow("no caret is trimmed", "  Paris  ", QStringList{"Paris", "", "", "", ""});
        AddRow("fields not trimmed", " a ^ b ", QStringList{" a", " b", "", "", ""});
        AddRow("caret in an answer shifts", "a^b^^^^", QStringList{"a", "b", "", "", ""});
        AddRow("old short form", "a^b", QStringList{"a", "b", "", "", ""});
        AddRow("extra fields dropped", "a^b^c^d^e^f", QStringList{"a", "b", "c", "d", "e"});
        AddRow("five answers", "P^R^P^O^B", QStringList{"P", "R", "P", "O", "B"});
    }
    void answersLine() {
        QFETCH(QString, line);
        QFETCH(QStringList, answers);
        QStringList lines = ResetLines(DefaultTypeLine);
        lines[2] = line;   // category 1, question 1
        lines[127] = line; // the final question
        const GameSet game = ReadGameSet(FileBytes(lines));
        // Leading blanks stay in the field; trailing ones are padding.
        for (int index = 0; index < 5; ++index) {
            QCOMPARE(RTrimSpaces(game.question(1, 1).Answers[index].padded()), answers.at(index));
            QCOMPARE(RTrimSpaces(game.Final.Answers[index].padded()), answers.at(index));
        }
    }

    // The type line of question 1 of a category and of the final question,
    // both with "line one" as the line before.
    void questionTypes_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("typeLine");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        AddRow("sound", 1, "SName it", "S", "Name it");
        AddRow("sound, blanks kept", 1, "S  two  ", "S", "  two");
        AddRow("picture", 1, "P", "P", "line one");
        AddRow("only first letter counts", 1, "Video", "V", "line one");
        AddRow("lower case is another type", 1, "t#Arial#36#", "t", "line one");
        // A blank letter is text in categories 1, 2, 4 and 5 only, never in the final.
        for (int category = 1; category <= 6; ++category) {
            AddRow(qPrintable(QStringLiteral("blank in category %1").arg(category)), category,
                   " #Arial#36#False#False#", category % 3 ? "T" : " ", "line one");
        }
    }
    void questionTypes() {
        QFETCH(int, category);
        QFETCH(QString, typeLine);
        QFETCH(QString, type);
        QFETCH(QString, text);
        QStringList lines = ResetLines(typeLine);
        const int base = 1 + 21 * (category - 1); // question 1, 0-based index
        lines[base] = lines[126] = "line one";
        lines[base + 3] = typeLine;
        const GameSet game = ReadGameSet(FileBytes(lines));
        const QString media = type == "S" ? "line one" : "";
        const QString font = type == "T" ? "Arial" : DefaultFontName;
        const QuestionRecord& record = game.question(category, 1);
        QCOMPARE(record.QuestionType, type);
        QCOMPARE(RTrimSpaces(record.QuestionText.padded()), text);
        QCOMPARE(record.MediaPath.trimmed(), media);
        QCOMPARE(record.FontName, font);
        QCOMPARE(game.Final.QuestionType, typeLine.left(1));
        QCOMPARE(RTrimSpaces(game.Final.QuestionText.padded()), text);
        QCOMPARE(game.Final.MediaPath.trimmed(), media);
        QCOMPARE(game.Final.FontName, DefaultFontName);
    }

    void shortFiles_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name1");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("media");
        AddRow("empty file", QStringList(), "", "", "T", DefaultFontName, "");
        AddRow("three lines", QStringList{"Name", "Q1", "ans"}, "Name", "Q1", "T", DefaultFontName,
               "");
        AddRow("text question", QStringList{"Name", "Q1", "a", "Y", "T#Arial#"}, "Name", "Q1", "T",
               "Arial", "");
        AddRow("sound question", QStringList{"Name", "tune.wav", "a", "Y", "SName it"}, "Name",
               "Name it", "S", DefaultFontName, "tune.wav");
    }
    void shortFiles() {
        QFETCH(QStringList, lines);
        QFETCH(QString, text);
        QFETCH(QString, type);
        QFETCH(QString, font);
        QFETCH(QString, media);
        const GameSet game = ReadGameSet(FileBytes(lines));
        QTEST(game.CategoryNames[0].trimmed(), "name1");
        QVERIFY(game.CategoryNames[5].isBlank());
        // Questions past the end repeat the last question and type line read.
        for (const auto& [category, question] : {std::pair{1, 2}, {3, 4}, {6, 5}}) {
            const QuestionRecord& record = game.question(category, question);
            QCOMPARE(record.QuestionText.trimmed(), text);
            QCOMPARE(record.QuestionType, type);
            QCOMPARE(record.FontName, font);
            QCOMPARE(record.MediaPath.trimmed(), media);
            QCOMPARE(record.DailyDouble, QString()); // keeps its reset value
            for (const auto& answer : record.Answers)
                QVERIFY(answer.isBlank());
        }
        QCOMPARE(game.Final.QuestionType, type);
        QCOMPARE(game.Final.QuestionText.trimmed(), text);
        QCOMPARE(game.Final.MediaPath.trimmed(), media);
        QCOMPARE(game.Final.FontName, font);
    }

    void linesAfterTheLastAreIgnored() {
        const QByteArray bytes = FileBytes(SavedLines(SampleGame("T")));
        const GameSet plain = ReadGameSet(bytes);
        QCOMPARE(ReadGameSet(bytes + "junk^x^y^z^w^v\r\nSmore\r\n"), plain);
        QCOMPARE(ReadGameSet(bytes.chopped(2)), plain); // an unterminated last line
    }

    // One line of a reset file replaced: the field it is read into, and the
    // line written back from what was read.
    void lineReadAndWritten_data() {
        QTest::addColumn<int>("index"); // 0-based line
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QString high;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            high += DecodeWindows1252(QByteArray(1, static_cast<char>(byte)));
        AddRow("name cut to 32", 0, QString(40, 'n'), QString(32, 'n'), QString(32, 'n'));
        AddRow("text cut to 256", 1, QString(300, 'q'), QString(256, 'q'), QString(256, 'q'));
        AddRow("answer cut to 300", 2, QString(310, 'a'), QString(300, 'a'),
               QString(300, 'a') + "^^^^");
        AddRow("line feed in a text", 1, "line\nfeed", "line\nfeed", "line\nfeed");
        AddRow("every high byte", 2, high + "^^^^", high, high + "^^^^");
        AddRow("lower-case mark", 3, "y", "y", "y");
        AddRow("mark kept untrimmed", 3, " Y ", " Y ", "Y");
        AddRow("empty mark saved as N", 3, "", "", "N");
        AddRow("blank mark is not empty", 3, " ", " ", "");
    }
    void lineReadAndWritten() {
        QFETCH(int, index);
        QFETCH(QString, line);
        QStringList lines = ResetLines(DefaultTypeLine);
        lines[index] = line;
        GameSet game = ReadGameSet(FileBytes(lines));
        const QuestionRecord& record = game.question(1, 1);
        const QString fields[] = {game.CategoryNames[0].trimmed(), record.QuestionText.trimmed(),
                                  record.Answers[0].trimmed(), record.DailyDouble};
        QTEST(fields[index], "value");
        QVERIFY(game.question(1, 2).QuestionText.isBlank()); // nothing shifted
        QTEST(SavedLines(game).at(index), "written");
    }

    void saveStoresTrimmedValuesBack() {
        GameSet game = ResetGame();
        game.CategoryNames[0].set("  Rivers");
        game.question(1, 1).Answers[2].set("   Nile");
        WriteGameSet(game);
        QVERIFY(game.CategoryNames[0].padded().startsWith("Rivers"));
        QVERIFY(game.question(1, 1).Answers[2].padded().startsWith("Nile"));
    }

    // A save into a missing folder creates nothing; only regular files are
    // read, so a device that never ends cannot hang the reader.
    void fileErrors() {
        QTemporaryDir dir;
        GameSet game = ResetGame();
        QCOMPARE(OpenFile(game, dir.path()).number, ErrorNumber::PathFileAccess);
        QCOMPARE(OpenFile(game, "/dev/zero").number, ErrorNumber::PathFileAccess);
        QCOMPARE(SaveFile(game, dir.filePath("nowhere/set.txt")).number, ErrorNumber::PathNotFound);
        QVERIFY(!QFileInfo::exists(dir.filePath("nowhere")));
        QCOMPARE(SaveAccessErrorText().split("\r\n").mid(0, 3),
                 (QStringList{"Unable to save to the specified directory.",
                              "You may not have permission to write to this file/directory.",
                              "Contact your system administrator or save in \"My Documents\"."}));
    }
};

QTEST_GUILESS_MAIN(TestGameSetFile)
#include "tst_gamesetfile.moc"
