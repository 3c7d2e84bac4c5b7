// The checks of a set's file: its lines as the game reads them, then the set
// read from it, each finding placed on its line.

#include "model/gamesetcheck.h"

#include "model/checkshared.h"
#include "model/gamesetfile.h"
#include "util/linereader.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

using namespace CheckShared;

namespace {

qsizetype LengthWithoutTrailingSpaces(const QString& text) {
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == QLatin1Char(' '))
        --length;
    return length;
}

class LineChecker {
public:
    QList<Finding> findings;
    // A question line over its field, by line: its finding's index and its
    // length, told in other words once the line is known to hold a path.
    struct LongLine {
        qsizetype finding;
        qsizetype length;
    };
    QHash<int, LongLine> longQuestionLines;

    void checkLine(int number, const QString& line) {
        const LinePlace place = PlaceOfLine(number);
        m_square = place.square;
        switch (place.role) {
        case LineRole::Name:
            m_part = CheckPart::Name;
            checkEncoding(number, line);
            checkWidth(number, QStringLiteral("the category name"), line, CategoryNameWidth);
            break;
        case LineRole::Question:
            m_part = CheckPart::Question;
            checkEncoding(number, line);
            if (LengthWithoutTrailingSpaces(line) > QuestionWidth)
                longQuestionLines.insert(number,
                                         {findings.size(), LengthWithoutTrailingSpaces(line)});
            checkWidth(number, QStringLiteral("the question line"), line, QuestionWidth);
            break;
        case LineRole::Answers:
            m_part = CheckPart::Answer;
            checkEncoding(number, line);
            checkAnswers(number, line);
            break;
        case LineRole::DailyDouble:
            m_part = CheckPart::DailyDouble;
            checkEncoding(number, line);
            break;
        case LineRole::Type:
            // A sound question's text follows its "S" on this line.
            m_part = line.startsWith(QLatin1Char('S')) ? CheckPart::Question : CheckPart::Font;
            checkEncoding(number, line);
            checkType(number, place, line);
            break;
        }
    }

private:
    void add(int line, const QString& message, Severity severity = Severity::Error) {
        Finding finding = Make(m_square, m_part, severity, message);
        finding.line = line;
        findings << finding;
    }

    void checkEncoding(int number, const QString& line) {
        QStringList undefined;
        bool nonAscii = false;
        for (const QChar character : line) {
            nonAscii = nonAscii || character.unicode() >= 0x80;
            if (IsUndefinedWindows1252(character))
                undefined << QStringLiteral("0x") +
                                 QString::number(character.unicode(), 16).toUpper();
        }
        if (!undefined.isEmpty()) {
            undefined.removeDuplicates();
            add(number,
                QStringLiteral("byte %1 has no character in Windows-1252")
                    .arg(undefined.join(QStringLiteral(", "))),
                Severity::Warning);
        }
        // Only a line with bytes of 0x80 and above can be UTF-8 read as Windows-1252.
        if (nonAscii) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString asUtf8 = utf8(EncodeWindows1252(line));
            if (!utf8.hasError())
                add(number, QStringLiteral("looks like UTF-8: the game reads %1 where %2 was "
                                           "meant; save the file as Windows-1252")
                                .arg(Quoted(line), Quoted(asUtf8)));
        }
        if (line.contains(QLatin1Char('\n')))
            add(number,
                QStringLiteral("line feed inside the text: the game keeps it, other "
                               "programs see a line break there"),
                Severity::Warning);
    }

    void checkWidth(int number, const QString& what, const QString& text, int width) {
        const qsizetype length = LengthWithoutTrailingSpaces(text);
        if (length > width)
            add(number, QStringLiteral("%1 is %2 characters long; only the first %3 are read")
                            .arg(what)
                            .arg(length)
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
            checkWidth(number, QStringLiteral("the answer"), TrimSpaces(line), AnswerWidth);
            return;
        }
        // No field of a shorter line can be too wide.
        if (line.size() <= AnswerWidth)
            return;
        const QStringList fields = line.split(QLatin1Char('^'));
        for (qsizetype index = 0; index < qMin<qsizetype>(fields.size(), 5); ++index) {
            m_part = index == 0 ? CheckPart::Answer : CheckPart::Choice;
            if (LengthWithoutTrailingSpaces(fields.at(index)) > AnswerWidth)
                checkWidth(number, QStringLiteral("answer %1").arg(index + 1), fields.at(index),
                           300);
        }
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
                    QStringLiteral("colour %1 reads as white (16777215)").arg(Quoted(field(1))));
            return;
        }
        if (hashes >= 2 && !field(1).isEmpty() && GetFontNameField(line).isEmpty())
            add(number, QStringLiteral("font name %1 reads as Courier New").arg(Quoted(field(1))));
        if (hashes >= 3 && !field(2).isEmpty() &&
            QString::number(GetFontSizeField(line)) != TrimSpaces(field(2)))
            add(number, QStringLiteral("font size %1 reads as %2")
                            .arg(Quoted(field(2)))
                            .arg(GetFontSizeField(line)));
        const char* flagNames[] = {"bold", "italic"};
        for (int flag = 0; flag < 2; ++flag) {
            const QString text = field(3 + flag);
            if (hashes >= 4 + flag && !text.isEmpty() &&
                (text.size() < 2 || !ToBoolean(text).has_value()))
                add(number, QStringLiteral("%1 flag %2 reads as True")
                                .arg(QLatin1String(flagNames[flag]), Quoted(text)));
        }
        if (hashes >= 6 && !field(5).isEmpty() && field(5).size() < 2)
            add(number,
                QStringLiteral("colour %1 reads as white (16777215)").arg(Quoted(field(5))));
        else if (hashes >= 6 && field(5).size() >= 2 && !IsNumeric(field(5)))
            add(number, QStringLiteral("colour %1 is not a number").arg(Quoted(field(5))));
    }

    void checkType(int number, const LinePlace& place, const QString& line) {
        const QString letter = line.left(1);
        const bool blank = letter == QLatin1String(" ");
        m_part = CheckPart::Question;
        // Only categories 1, 2, 4 and 5 read a leading space as a text question.
        if (blank && !BlankTypeIsText(place.square.category)) {
            add(number, QStringLiteral("type line starts with a space: the game does not read "
                                       "it as a text question here"));
            return;
        }
        const bool text = letter.isEmpty() || letter == QLatin1String("T") || blank;
        if (text) {
            // A board repeats a few looks; a type line found clean once is clean again.
            if (m_cleanTypeLines.contains(line))
                return;
            m_part = CheckPart::Font;
            const qsizetype before = findings.size();
            checkTextType(number, line);
            if (findings.size() == before)
                m_cleanTypeLines.insert(line);
        } else if (letter == QLatin1String("S")) {
            checkWidth(number, QStringLiteral("the sound question's text"), line.mid(1),
                       QuestionWidth);
        } else if (letter != QLatin1String("P") && letter != QLatin1String("V")) {
            add(number, QStringLiteral("unknown question type %1").arg(Quoted(letter)));
        }
    }

    QSet<QString> m_cleanTypeLines;
    std::optional<Square> m_square;
    CheckPart m_part = CheckPart::File;
};

// The file as the reader of the set is given it: the first 129 lines, each
// cut to LineKeep bytes except the answers lines. The set keeps a Daily
// Double mark or a font field as long as its line is, so a file of long lines
// would otherwise hold a hundred megabytes; the answers are stored cut to
// their widths anyway, and wherever their "^" are. The line checks see every
// line whole (up to the line reader's limit), so what a cut changes is only
// what the set-level checks see of lines far longer than any field.
class CutLines : public QIODevice {
public:
    static constexpr qsizetype LineKeep = 4096;

    explicit CutLines(QIODevice& source) : m_source(source) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        qint64 written = 0;
        while (written == 0 && m_line <= GameSetLineCount) {
            const QByteArray chunk = m_source.read(qMin<qint64>(maxSize, 64 * 1024));
            if (chunk.isEmpty())
                break;
            for (const char byte : chunk) {
                if (m_line > GameSetLineCount)
                    break;
                const bool lineEnd = byte == '\r' || (byte == '\n' && m_afterCarriageReturn);
                if (lineEnd || m_kept < LineKeep || m_keepWhole)
                    data[written++] = byte;
                if (!lineEnd)
                    ++m_kept;
                m_afterCarriageReturn = byte == '\r';
                if (byte == '\r')
                    startLine(m_line + 1);
            }
        }
        return written;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void startLine(int number) {
        m_line = number;
        m_kept = 0;
        m_keepWhole = number <= GameSetLineCount && PlaceOfLine(number).role == LineRole::Answers;
    }

    QIODevice& m_source;
    int m_line = 1;
    qsizetype m_kept = 0;
    bool m_keepWhole = false;
    bool m_afterCarriageReturn = false;
};

// The line holding a part of a square; a sound question keeps its text on
// the type line and its file on the question line.
int LineOf(const GameSet& game, Square square, CheckPart part) {
    if (part == CheckPart::Name)
        return CategoryNameLine(square.category);
    const int first = QuestionGroupLine(square);
    const int typeLine = first + (square.isFinal() ? 2 : 3);
    switch (part) {
    case CheckPart::Question:
        return KindOf(game.record(square)) == Kind::Sound ? typeLine : first;
    case CheckPart::Answer:
    case CheckPart::Choice:
        return first + 1;
    case CheckPart::DailyDouble:
        return square.isFinal() ? first : first + 2;
    case CheckPart::Font:
        return typeLine;
    case CheckPart::Media:
    case CheckPart::Name:
    case CheckPart::File:
        break;
    }
    return first;
}

// The last line a square's group (or a name) needs to be present in the file.
int LastLineOf(Square square, CheckPart part) {
    if (part == CheckPart::Name)
        return CategoryNameLine(square.category);
    return QuestionGroupLine(square) + (square.isFinal() ? 2 : 3);
}

} // namespace

QList<Finding> CheckGameSetFile(QIODevice& device, const CheckProbes& probes) {
    LineChecker checker;
    qint64 lineCount = 0;
    {
        // One line at a time: memory stays bounded by the reader's longest line.
        LineReader reader(device);
        QString line;
        while (reader.readLine(line)) {
            if (++lineCount <= GameSetLineCount)
                checker.checkLine(static_cast<int>(lineCount), line);
        }
    }

    QList<Finding> findings;
    if (lineCount < GameSetLineCount)
        findings << Make(std::nullopt, CheckPart::File, Severity::Error,
                         QStringLiteral("the file has %1 lines, not 129: the game repeats the "
                                        "last question read for the missing ones")
                             .arg(lineCount));
    else if (lineCount > GameSetLineCount)
        findings << Make(std::nullopt, CheckPart::File, Severity::Error,
                         QStringLiteral("the file has %1 lines, not 129: the game ignores the "
                                        "lines after line 129")
                             .arg(lineCount));
    const qsizetype firstLineFinding = findings.size();
    findings << checker.findings;

    if (!device.seek(0))
        return findings;
    GameSet game;
    CutLines cut(device);
    ReadGameSet(game, cut);
    // The question line of a media question holds its file's path. What the
    // cut path would bring (not found, no ending) follows from the cut alone.
    QList<Square> cutPaths;
    for (auto line = checker.longQuestionLines.cbegin(); line != checker.longQuestionLines.cend();
         ++line) {
        const Square square = PlaceOfLine(line.key()).square;
        const Kind kind = KindOf(game.record(square));
        if (kind == Kind::None || LastLineOf(square, CheckPart::Question) > lineCount)
            continue;
        cutPaths << square;
        Finding& finding = findings[firstLineFinding + line->finding];
        finding.part = CheckPart::Media;
        finding.message = QStringLiteral("the %1 file's path is %2 characters long; the field "
                                         "holds %3, and the game looks for the file by those "
                                         "%3 alone")
                              .arg(KindWord(kind))
                              .arg(line->length)
                              .arg(QuestionWidth);
    }
    for (Finding finding : CheckGameSet(game, probes)) {
        if (finding.square) {
            // A square the file does not reach holds what the reader repeated.
            if (LastLineOf(*finding.square, finding.part) > lineCount)
                continue;
            if (finding.part == CheckPart::Media && cutPaths.contains(*finding.square))
                continue;
            finding.line = LineOf(game, *finding.square, finding.part);
        }
        findings << finding;
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
}

FileError CheckGameSetFile(const QString& path, const CheckProbes& probes,
                           QList<Finding>& findings) {
    QFile file(path);
    const FileError opened = OpenForReading(file);
    if (!opened.failed())
        findings = CheckGameSetFile(file, probes);
    return opened;
}
