#include "model/gamesetfile.h"
#include "tool/commands.h"
#include "util/linereader.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QFile>
#include <QStringDecoder>
#include <map>

namespace {

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    if (shown.size() > 60)
        shown = shown.left(57) + QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

class Checker {
public:
    std::multimap<int, QString> findings;

    void add(int line, const QString& message) { findings.emplace(line, message); }

    void checkEncoding(int number, const QString& line) {
        QStringList undefined;
        for (const QChar character : line) {
            if (IsUndefinedWindows1252(character))
                undefined << QStringLiteral("0x") +
                                 QString::number(character.unicode(), 16).toUpper();
        }
        if (!undefined.isEmpty()) {
            undefined.removeDuplicates();
            add(number, QStringLiteral("byte %1 has no character in Windows-1252")
                            .arg(undefined.join(QStringLiteral(", "))));
        }

        const QByteArray bytes = EncodeWindows1252(line);
        bool nonAscii = false;
        for (const char byte : bytes)
            nonAscii = nonAscii || static_cast<unsigned char>(byte) >= 0x80;
        if (nonAscii) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString asUtf8 = utf8(bytes);
            if (!utf8.hasError())
                add(number, QStringLiteral("looks like UTF-8: the game reads %1 where %2 was "
                                           "meant; save the file as Windows-1252")
                                .arg(quoted(line), quoted(asUtf8)));
        }
        if (line.contains(QLatin1Char('\n')))
            add(number, QStringLiteral("line feed inside the text: the game keeps it, other "
                                       "programs see a line break there"));
    }

    void checkWidth(int number, const QString& what, const QString& text, int width) {
        if (RTrimSpaces(text).size() > width)
            add(number, QStringLiteral("%1 is %2 characters long; only the first %3 are read")
                            .arg(what)
                            .arg(RTrimSpaces(text).size())
                            .arg(width));
    }

    void checkAnswers(int number, const QString& line) {
        const qsizetype carets = line.count(QLatin1Char('^'));
        if (carets > 4)
            add(number, QStringLiteral("%1 \"^\" in the answers line (4 expected): a \"^\" "
                                       "inside an answer moves the answers after it and the "
                                       "text after the fifth answer is lost")
                            .arg(carets));
        if (carets == 0) {
            checkWidth(number, QStringLiteral("the answer"), TrimSpaces(line), 300);
            return;
        }
        const QStringList fields = line.split(QLatin1Char('^'));
        for (qsizetype index = 0; index < qMin<qsizetype>(fields.size(), 5); ++index)
            checkWidth(number, QStringLiteral("answer %1").arg(index + 1), fields.at(index), 300);
    }

    void checkDailyDouble(int number, const QString& line) {
        const QString mark = line.toUpper();
        if (mark != QLatin1String("Y") && mark != QLatin1String("N") && !line.isEmpty())
            add(number, QStringLiteral("Daily Double mark %1 is neither \"Y\" nor \"N\": the "
                                       "game does not treat it as a Daily Double")
                            .arg(quoted(line)));
    }

    void checkTextType(int number, const QString& workingLine) {
        const QString line = TrimSpaces(workingLine);
        const qsizetype hashes = line.count(QLatin1Char('#'));
        if (hashes > 6) {
            add(number, QStringLiteral("%1 \"#\" in the type line (at most 6 expected): a \"#\" "
                                       "in the font name moves the font fields")
                            .arg(hashes));
            return;
        }
        const QStringList fields = line.split(QLatin1Char('#'));
        auto field = [&](int index) {
            return index < fields.size() - 1 ? fields.at(index) : QString();
        };
        const bool colourOnly = hashes == 2 && IsNumeric(field(1));
        if (colourOnly) {
            if (field(1).size() < 2)
                add(number,
                    QStringLiteral("colour %1 reads as white (16777215)").arg(quoted(field(1))));
            return;
        }
        if (hashes >= 2 && !field(1).isEmpty() && GetFontNameField(line).isEmpty())
            add(number, QStringLiteral("font name %1 reads as Courier New").arg(quoted(field(1))));
        if (hashes >= 3 && !field(2).isEmpty() &&
            QString::number(GetFontSizeField(line)) != TrimSpaces(field(2)))
            add(number, QStringLiteral("font size %1 reads as %2")
                            .arg(quoted(field(2)))
                            .arg(GetFontSizeField(line)));
        const char* flagNames[] = {"bold", "italic"};
        for (int flag = 0; flag < 2; ++flag) {
            const QString text = field(3 + flag);
            if (hashes >= 4 + flag && !text.isEmpty() &&
                (text.size() < 2 || !ToBoolean(text).has_value()))
                add(number, QStringLiteral("%1 flag %2 reads as True")
                                .arg(QLatin1String(flagNames[flag]), quoted(text)));
        }
        if (hashes >= 6 && !field(5).isEmpty() && field(5).size() < 2)
            add(number,
                QStringLiteral("colour %1 reads as white (16777215)").arg(quoted(field(5))));
        else if (hashes >= 6 && field(5).size() >= 2 && !IsNumeric(field(5)))
            add(number, QStringLiteral("colour %1 is not a number").arg(quoted(field(5))));
    }

    void checkType(int number, const LinePlace& place, const QString& line) {
        const QString letter = line.left(1);
        const bool blank = letter == QLatin1String(" ");
        // Only categories 1, 2, 4 and 5 read a leading space as a text question.
        const bool blankIsText = BlankTypeIsText(place.square.category);
        if (blank && !blankIsText) {
            add(number, QStringLiteral("type line starts with a space: the game does not read "
                                       "it as a text question here"));
            return;
        }
        const bool text = letter.isEmpty() || letter == QLatin1String("T") || blank;
        if (text)
            checkTextType(number, line);
        else if (letter == QLatin1String("S"))
            checkWidth(number, QStringLiteral("the sound question's text"), line.mid(1), 256);
        else if (letter != QLatin1String("P") && letter != QLatin1String("V"))
            add(number, QStringLiteral("unknown question type %1").arg(quoted(letter)));
    }

    void checkMedia(int number, const QString& type, const QString& path) {
        const QString kind = type == QLatin1String("P")   ? QStringLiteral("picture")
                             : type == QLatin1String("V") ? QStringLiteral("video")
                                                          : QStringLiteral("sound");
        if (path.isEmpty())
            add(number, QStringLiteral("%1 question without a %1 file").arg(kind));
        else if (!FileExists(path))
            add(number, QStringLiteral("%1 file %2 does not exist").arg(kind, quoted(path)));
    }
};

} // namespace

int runCheck(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1) {
        err << "Usage: quizmora-tool check FILE\n";
        return 1;
    }
    const QString path = args.at(0);
    QFile file(path);
    const FileError opened = OpenForReading(file);
    if (opened.failed())
        return ReportFailure(err, "read", path, opened);

    // The lines the game reads, and how many lines the file has in all.
    QStringList lines;
    qint64 lineCount = 0;
    {
        LineReader reader(file);
        QString line;
        while (reader.readLine(line)) {
            if (lineCount < GameSetLineCount)
                lines << line;
            ++lineCount;
        }
    }

    Checker checker;
    if (lineCount < GameSetLineCount)
        checker.add(0, QStringLiteral("the file has %1 lines, not 129: the game repeats the "
                                      "last question read for the missing ones")
                           .arg(lineCount));
    else if (lineCount > GameSetLineCount)
        checker.add(0, QStringLiteral("the file has %1 lines, not 129: the game ignores the "
                                      "lines after line 129")
                           .arg(lineCount));

    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        const QString& line = lines.at(index);
        const LinePlace place = PlaceOfLine(number);
        checker.checkEncoding(number, line);
        switch (place.role) {
        case LineRole::Name:
            checker.checkWidth(number, QStringLiteral("the category name"), line, 32);
            break;
        case LineRole::Question:
            checker.checkWidth(number, QStringLiteral("the question line"), line, 256);
            break;
        case LineRole::Answers:
            checker.checkAnswers(number, line);
            break;
        case LineRole::DailyDouble:
            checker.checkDailyDouble(number, line);
            break;
        case LineRole::Type:
            checker.checkType(number, place, line);
            break;
        }
    }

    // Media paths as the game reads them; only for questions present in the file.
    file.seek(0);
    GameSet game;
    ReadGameSet(game, file);
    for (int category = 1; category <= 7; ++category) {
        for (int question = 1; question <= (category == Square::FinalCategory ? 1 : 5);
             ++question) {
            const int questionLine = QuestionGroupLine({category, question});
            const int groupLines = category == Square::FinalCategory ? 3 : 4;
            if (questionLine + groupLines - 1 > lines.size())
                continue;
            const QuestionRecord& record = game.question(category, question);
            if (record.QuestionType == QLatin1String("S"))
                checker.checkMedia(questionLine, record.QuestionType, record.MediaPath.trimmed());
            else if (record.QuestionType == QLatin1String("P") ||
                     record.QuestionType == QLatin1String("V"))
                checker.checkMedia(questionLine, record.QuestionType,
                                   record.QuestionText.trimmed());
        }
    }

    for (const auto& [number, message] : checker.findings) {
        if (number > 0)
            out << "line " << number << ": ";
        out << message << '\n';
    }
    return checker.findings.empty() ? 0 : CheckFindingsStatus;
}
