#include "model/gamesetcheck.h"

#include "model/gamesetfile.h"
#include "model/mediafolders.h"
#include "model/mediakind.h"
#include "util/linereader.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

QString Quoted(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    if (shown.size() > 60)
        shown = shown.left(57) + QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

qsizetype LengthWithoutTrailingSpaces(const QString& text) {
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == QLatin1Char(' '))
        --length;
    return length;
}

// The kind of media the game plays for a question goes by the type letter,
// not by the file name's ending.
using Kind = MediaKind;

Kind KindOf(const QuestionRecord& record) {
    return KindOfTypeLetter(record.QuestionType);
}

QString KindWord(Kind kind) {
    return kind == Kind::Picture ? QStringLiteral("picture")
           : kind == Kind::Video ? QStringLiteral("video")
                                 : QStringLiteral("sound");
}

QString SquareWords(Square square) {
    if (square.isFinal())
        return QStringLiteral("the final question");
    return QStringLiteral("category %1 question %2").arg(square.category).arg(square.question);
}

// The 31 squares in board order, the final question last.
const std::array<Square, 31>& AllSquares() {
    static const std::array<Square, 31> squares = [] {
        std::array<Square, 31> list{};
        for (int index = 0; index < 30; ++index)
            list[static_cast<size_t>(index)] = {index / 5 + 1, index % 5 + 1};
        list[30] = Square::finalQuestion();
        return list;
    }();
    return squares;
}

Finding Make(std::optional<Square> square, CheckPart part, Severity severity,
             const QString& message) {
    Finding finding;
    finding.square = square;
    finding.part = part;
    finding.severity = severity;
    finding.message = message;
    return finding;
}

// One finding per character outside the code page, each named once.
void CheckCharacters(QList<Finding>& findings, Square square, CheckPart part, const QString& text) {
    QStringList named;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (character.unicode() < 0x80 || IsWindows1252(character))
            continue;
        QString shown(character);
        if (character.isHighSurrogate() && index + 1 < text.size() &&
            text.at(index + 1).isLowSurrogate())
            shown += text.at(++index);
        if (named.contains(shown))
            continue;
        named << shown;
        findings << Make(
            square, part, Severity::Error,
            QStringLiteral("%1 cannot be stored in a game set; it would be saved as ?").arg(shown));
    }
}

// ".bmp or .jpg"
QString TypesOf(Kind kind) {
    QStringList endings = FileEndings(kind);
    const QString last = endings.takeLast();
    return endings.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

bool IsTypeOf(Kind kind, const QString& path) {
    return MediaKindOfFileName(path) == kind;
}

bool IsJpegFileName(const QString& path) {
    return path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

QString Megabytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1);
}

void CheckMedia(QList<Finding>& findings, Square square, Kind kind, const QString& path,
                const CheckProbes& probes) {
    const QString word = KindWord(kind);
    if (path.isEmpty()) {
        findings << Make(square, CheckPart::Media, Severity::Error,
                         QStringLiteral("%1 question without a %1 file").arg(word));
        return;
    }
    auto add = [&](Severity severity, const QString& problem) {
        findings << Make(square, CheckPart::Media, severity,
                         QStringLiteral("%1 file %2 %3").arg(word, Quoted(path), problem));
    };
    const bool windows = IsWindowsPath(path);
    if (probes.locateMedia && !windows && QDir::isAbsolutePath(path))
        add(Severity::Error,
            QStringLiteral("is a path of this computer, which the game's computer cannot open: "
                           "pair its folder with the game's in Media Folders, or pack the set "
                           "for the game"));
    const bool playable = IsTypeOf(kind, path);
    if (!playable)
        add(Severity::Error, QStringLiteral("is not a type the game plays: a %1 file ends in %2")
                                 .arg(word, TypesOf(kind)));

    const QString found = probes.locateMedia ? probes.locateMedia(path)
                          : FileExists(path) ? path
                                             : QString();
    if (found.isEmpty()) {
        add(Severity::Error, probes.locateMedia && windows
                                 ? QStringLiteral("does not exist here, through the media "
                                                  "folders or beside the set")
                                 : QStringLiteral("does not exist"));
        return;
    }
    // A file of the wrong type is reported as such; its size and content are no matter then.
    if (!playable)
        return;
    const QString key = KindWord(kind) + QLatin1Char(':') + found;
    MediaFileNote note;
    if (probes.mediaFileNotes && probes.mediaFileNotes->contains(key)) {
        note = probes.mediaFileNotes->value(key);
    } else {
        note.bytes = kind == Kind::Picture ? QFileInfo(found).size() : 0;
        if (kind != Kind::Picture)
            note.problem = MediaContentProblem(found);
        else if (probes.pictureProblem)
            note.problem = probes.pictureProblem(found);
        if (probes.mediaFileNotes)
            probes.mediaFileNotes->insert(key, note);
    }
    const bool jpeg = IsJpegFileName(path);
    const qint64 largest = jpeg ? LargestJpegBytes : LargestBitmapBytes;
    if (kind == Kind::Picture && note.bytes > largest)
        add(Severity::Warning,
            QStringLiteral("is %1 MB: the game's computer takes a second or more to show a %2 "
                           "over %3 MB; make the picture smaller")
                .arg(Megabytes(note.bytes),
                     jpeg ? QStringLiteral("JPEG picture") : QStringLiteral("bitmap"),
                     Megabytes(largest)));
    if (!note.problem.isEmpty())
        add(Severity::Error, note.problem);
}

// ---- the lines of a file, as the game reads them

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

QList<Finding> CheckCategoryName(const GameSet& game, int category) {
    QList<Finding> findings;
    const Square square{category, 1};
    const QString name = game.CategoryNames.at(static_cast<size_t>(category - 1)).trimmed();
    if (name.isEmpty())
        findings << Make(square, CheckPart::Name, Severity::Warning,
                         QStringLiteral("the category has no name"));
    CheckCharacters(findings, square, CheckPart::Name, name);
    return findings;
}

QList<Finding> CheckSquare(const GameSet& game, Square square, const CheckProbes& probes) {
    QList<Finding> findings;
    const QuestionRecord& record = game.record(square);
    const Kind kind = KindOf(record);
    const QString text = record.QuestionText.trimmed();
    const QString answer = record.Answers[0].trimmed();

    bool withChoices = false;
    bool answerIsAChoice = false;
    for (int k = 1; k <= 4; ++k) {
        const QString choice = record.Answers[static_cast<size_t>(k)].trimmed();
        withChoices = withChoices || !choice.isEmpty();
        answerIsAChoice = answerIsAChoice || (!choice.isEmpty() && choice == answer);
    }

    if (kind == Kind::None && text.isEmpty())
        findings << Make(square, CheckPart::Question, Severity::Error,
                         QStringLiteral("the question is empty"));
    // The sound question's text shows in the preview while the clip plays.
    if ((kind == Kind::None || kind == Kind::Sound) && !text.isEmpty() && probes.questionFits &&
        !probes.questionFits(record, withChoices))
        findings << Make(square, CheckPart::Question, Severity::Error,
                         QStringLiteral("the question does not fit the preview even at 6 points"));
    CheckCharacters(findings, square, CheckPart::Question, text);

    // A mark typed in another program ("y", "X") looks meant, but only "Y" counts.
    const QString mark = TrimSpaces(record.DailyDouble);
    if (!square.isFinal() && !record.isDailyDouble() && !mark.isEmpty() &&
        record.DailyDouble != QLatin1String("N"))
        findings << Make(square, CheckPart::DailyDouble, Severity::Warning,
                         QStringLiteral("Daily Double mark %1 is not \"Y\": the game does not "
                                        "treat this square as a Daily Double")
                             .arg(Quoted(record.DailyDouble)));

    if (withChoices && !answerIsAChoice)
        findings << Make(square, CheckPart::Choice, Severity::Error,
                         QStringLiteral("the right letter points at an empty choice: the answer "
                                        "matches none of the choices"));
    else if (!withChoices && answer.isEmpty())
        findings << Make(square, CheckPart::Answer, Severity::Error,
                         QStringLiteral("the question has no answer"));
    CheckCharacters(findings, square, CheckPart::Answer, answer);
    for (int k = 1; k <= 4; ++k)
        CheckCharacters(findings, square, CheckPart::Choice,
                        record.Answers[static_cast<size_t>(k)].trimmed());

    if (kind == Kind::Sound)
        CheckMedia(findings, square, kind, record.MediaPath.trimmed(), probes);
    else if (kind != Kind::None)
        CheckMedia(findings, square, kind, text, probes);
    CheckCharacters(findings, square, CheckPart::Media, record.MediaPath.trimmed());
    CheckCharacters(findings, square, CheckPart::Font, record.FontName);
    return findings;
}

QList<Finding> CheckAcrossBoard(const GameSet& game) {
    QList<Finding> findings;
    // The same question twice, however it is capitalised or spaced. A board
    // has 31 questions: comparing each with those before it is cheaper than
    // folding the case of every text.
    std::array<QString, 31> asked;
    for (size_t index = 0; index < AllSquares().size(); ++index) {
        const Square square = AllSquares()[index];
        const QuestionRecord& record = game.record(square);
        const Kind kind = KindOf(record);
        if (kind != Kind::None && kind != Kind::Sound)
            continue;
        asked[index] = record.QuestionText.trimmed().simplified();
        for (size_t earlier = 0; earlier < index && !asked[index].isEmpty(); ++earlier) {
            if (asked[earlier].size() == asked[index].size() &&
                asked[earlier].compare(asked[index], Qt::CaseInsensitive) == 0) {
                findings << Make(square, CheckPart::Question, Severity::Warning,
                                 QStringLiteral("the same question as %1")
                                     .arg(SquareWords(AllSquares()[earlier])));
                break;
            }
        }
    }

    int marked = 0;
    Square lastMarked;
    for (const Square square : AllSquares()) {
        if (!square.isFinal() && game.record(square).isDailyDouble()) {
            ++marked;
            lastMarked = square;
        }
    }
    // Save adds two Daily Doubles to a board without any, but leaves a lone one alone.
    if (marked == 1)
        findings << Make(lastMarked, CheckPart::DailyDouble, Severity::Warning,
                         QStringLiteral("the only Daily Double on the board; a board has at "
                                        "least two, but Save adds them only to a board without "
                                        "any"));
    else if (marked > 6)
        findings << Make(
            std::nullopt, CheckPart::DailyDouble, Severity::Warning,
            QStringLiteral("%1 Daily Doubles on the board: at most six are expected").arg(marked));
    return findings;
}

QList<Finding> CheckGameSet(const GameSet& game, const CheckProbes& probes) {
    QList<Finding> findings;
    for (int category = 1; category <= 6; ++category)
        findings << CheckCategoryName(game, category);
    for (const Square square : AllSquares())
        findings << CheckSquare(game, square, probes);
    findings << CheckAcrossBoard(game);
    return findings;
}

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

QString PlaceOfFinding(const Finding& finding) {
    if (!finding.square)
        return finding.part == CheckPart::File ? QStringLiteral("the file")
                                               : QStringLiteral("the board");
    if (finding.part == CheckPart::Name)
        return QStringLiteral("category %1 name").arg(finding.square->category);
    return SquareWords(*finding.square);
}

QString PartName(CheckPart part) {
    switch (part) {
    case CheckPart::File:
        break;
    case CheckPart::Name:
        return QStringLiteral("name");
    case CheckPart::Question:
        return QStringLiteral("question");
    case CheckPart::Answer:
        return QStringLiteral("answer");
    case CheckPart::Choice:
        return QStringLiteral("choice");
    case CheckPart::Media:
        return QStringLiteral("media");
    case CheckPart::Font:
        return QStringLiteral("font");
    case CheckPart::DailyDouble:
        return QStringLiteral("daily-double");
    }
    return QStringLiteral("file");
}

QString SeverityName(Severity severity) {
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString MediaContentProblem(const QString& path) {
    struct Format {
        const char* ending;
        const char* name;
        bool (*matches)(const QByteArray& head);
    };
    static const auto riff = [](const QByteArray& head, const char* form) {
        return head.startsWith("RIFF") && head.mid(8, 4) == form;
    };
    static const auto asf = [](const QByteArray& head) {
        // The ASF header object's GUID, shared by WMA and WMV.
        return head.startsWith(QByteArray::fromHex("3026B2758E66CF11A6D900AA0062CE6C"));
    };
    static const auto quickTime = [](const QByteArray& head) {
        static const QList<QByteArray> atoms{"ftyp", "moov", "mdat", "wide",
                                             "free", "skip", "pnot"};
        return atoms.contains(head.mid(4, 4));
    };
    static const auto mpeg = [](const QByteArray& head) {
        return head.startsWith(QByteArray("\0\0\1\xBA", 4)) ||
               head.startsWith(QByteArray("\0\0\1\xB3", 4));
    };
    static const Format formats[] = {
        {".wav", "a WAV", [](const QByteArray& head) { return riff(head, "WAVE"); }},
        {".avi", "an AVI", [](const QByteArray& head) { return riff(head, "AVI "); }},
        {".mp3", "an MP3",
         [](const QByteArray& head) {
             // An ID3 tag, or straight away an MPEG audio frame's sync bits.
             return head.startsWith("ID3") ||
                    (head.size() >= 2 && static_cast<unsigned char>(head.at(0)) == 0xFF &&
                     (static_cast<unsigned char>(head.at(1)) & 0xE0) == 0xE0);
         }},
        {".wma", "a Windows Media", asf},
        {".wmv", "a Windows Media", asf},
        {".mov", "a QuickTime", quickTime},
        {".mp4", "an MP4", quickTime},
        {".mpg", "an MPEG", mpeg},
        {".mpeg", "an MPEG", mpeg},
    };
    const QString lower = path.toLower();
    const Format* format = nullptr;
    for (const Format& candidate : formats) {
        if (lower.endsWith(QLatin1String(candidate.ending)))
            format = &candidate;
    }
    if (!format)
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be opened");
    const QByteArray head = file.read(16);
    if (head.isEmpty())
        return QStringLiteral("is empty");
    if (!format->matches(head))
        return QStringLiteral("does not look like %1 file").arg(QLatin1String(format->name));
    return QString();
}
