#include "model/gameset.h"

#include <algorithm>

bool QuestionRecord::hasChoices() const {
    return std::any_of(Answers.begin() + 1, Answers.end(),
                       [](const FixedText<300>& choice) { return !choice.isBlank(); });
}

bool QuestionRecord::operator==(const QuestionRecord& other) const {
    return QuestionType == other.QuestionType && DailyDouble == other.DailyDouble &&
           QuestionText == other.QuestionText && FontName == other.FontName &&
           FontSize == other.FontSize && FontBold == other.FontBold &&
           FontItalic == other.FontItalic && FontColor == other.FontColor &&
           Answers == other.Answers && MediaPath == other.MediaPath;
}

bool GameSet::operator==(const GameSet& other) const {
    return Categories == other.Categories && CategoryNames == other.CategoryNames &&
           Final == other.Final;
}

namespace {

void ResetRecord(QuestionRecord& record) {
    record.QuestionText.clear();
    for (auto& answer : record.Answers)
        answer.clear();
    record.DailyDouble.clear();
    record.QuestionType.clear();
    record.MediaPath.clear();
    record.FontName = DefaultFontName;
    record.FontSize = DefaultFontSize;
    record.FontBold = true;
    record.FontItalic = true;
    record.FontColor = DefaultFontColor;
}

} // namespace

void ResetGameSet(GameSet& game) {
    for (auto& name : game.CategoryNames)
        name.clear();
    for (auto& category : game.Categories) {
        for (QuestionRecord& record : category)
            ResetRecord(record);
    }
    // The final question's type survives a reset on purpose: it is only
    // replaced when a file is read or a type button is pressed.
    const QString finalType = game.Final.QuestionType;
    ResetRecord(game.Final);
    game.Final.QuestionType = finalType;
}
