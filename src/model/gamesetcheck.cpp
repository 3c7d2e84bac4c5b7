// The checks of a set in memory, each square and across the board, and the
// words a finding is told in.

#include "model/gamesetcheck.h"

#include "model/checkshared.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <array>

using namespace CheckShared;

QString CheckShared::Quoted(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    if (shown.size() > 60)
        shown = shown.left(57) + QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

Kind CheckShared::KindOf(const QuestionRecord& record) {
    return KindOfTypeLetter(record.QuestionType);
}

QString CheckShared::KindWord(Kind kind) {
    return kind == Kind::Picture ? QStringLiteral("picture")
           : kind == Kind::Video ? QStringLiteral("video")
                                 : QStringLiteral("sound");
}

Finding CheckShared::Make(std::optional<Square> square, CheckPart part, Severity severity,
                          const QString& message) {
    Finding finding;
    finding.square = square;
    finding.part = part;
    finding.severity = severity;
    finding.message = message;
    return finding;
}

namespace {

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
