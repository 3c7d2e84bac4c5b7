#include "print/listing.h"

#include "util/pathhelpers.h"
#include "util/textrules.h"

namespace {

const QString OneSpace = QStringLiteral(" ");
const QString ChoiceIndent = QStringLiteral("          "); // ten spaces

QString QuestionPrefix(int dollars) {
    return dollars != 0 ? QStringLiteral("$%1 - Q:").arg(dollars) : QStringLiteral("Q:");
}

QString AnswerPrefix(int dollars) {
    return dollars != 0 ? QStringLiteral("$%1 - A: ").arg(dollars) : QStringLiteral("A: ");
}

QString DailyDoubleMark(const QuestionRecord& record) {
    return record.isDailyDouble() ? QStringLiteral("*") : OneSpace;
}

// The multiple-choice answers A to D that are not blank, each on its own line.
void AppendChoices(QStringList& lines, const std::array<FixedText<AnswerWidth>, 5>& answers) {
    for (size_t n = 1; n < answers.size(); ++n) {
        if (!answers[n].isBlank())
            lines << ChoiceIndent + answers[n].padded();
    }
}

bool PrintsQuestions(PrintMode mode) {
    return mode == PrintMode::All || mode == PrintMode::Questions;
}

bool PrintsAnswers(PrintMode mode) {
    return mode == PrintMode::All || mode == PrintMode::Answers;
}

} // namespace

DollarValues DollarValuesFor(int multiplier) {
    DollarValues values{};
    for (size_t row = 0; row < values.size(); ++row)
        values[row] = multiplier * static_cast<int>(row + 1);
    return values;
}

QString ListingTitle(const QString& currentFileName) {
    if (TrimSpaces(currentFileName).isEmpty())
        return QStringLiteral("Untitled");
    // The open file's name is a Windows path in game sets made on Windows and
    // a "/" path on other systems: both separators end a folder.
    QString path = currentFileName;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return StripExtension(GetFileName(path));
}

QStringList BuildListing(const GameSet& game, PrintMode mode, const DollarValues& dollars,
                         const QString& title) {
    // Stored fields print at their full width, trailing spaces included.
    QStringList lines;
    lines << title << OneSpace;
    for (size_t k = 0; k < game.Categories.size(); ++k) {
        lines << game.CategoryNames[k].padded();
        for (size_t r = 0; r < game.Categories[k].size(); ++r) {
            const QuestionRecord& record = game.Categories[k][r];
            if (PrintsQuestions(mode)) {
                lines << QuestionPrefix(dollars[r]) + DailyDoubleMark(record) +
                             record.QuestionText.padded();
            }
            if (PrintsAnswers(mode)) {
                lines << AnswerPrefix(dollars[r]) + record.Answers[0].padded();
                AppendChoices(lines, record.Answers);
            }
        }
        lines << OneSpace;
    }
    lines << QStringLiteral("FINAL QUESTION");
    if (PrintsQuestions(mode))
        lines << QStringLiteral("Q: ") + game.Final.QuestionText.padded();
    if (PrintsAnswers(mode)) {
        lines << QStringLiteral("A: ") + game.Final.Answers[0].padded();
        AppendChoices(lines, game.Final.Answers);
    }
    return lines;
}
