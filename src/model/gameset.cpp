#include "model/gameset.h"

bool QuestionRecord::operator==(const QuestionRecord& other) const {
    return QuestionType == other.QuestionType && DailyDouble == other.DailyDouble &&
           QuestionText == other.QuestionText && FontName == other.FontName &&
           FontSize == other.FontSize && FontBold == other.FontBold &&
           FontItalic == other.FontItalic && FontColor == other.FontColor &&
           Answers == other.Answers && MediaPath == other.MediaPath;
}

bool GameSet::operator==(const GameSet& other) const {
    return Categories == other.Categories && CategoryNames == other.CategoryNames &&
           FinalQuestionType == other.FinalQuestionType &&
           FinalQuestionText == other.FinalQuestionText && FinalFontName == other.FinalFontName &&
           FinalFontSize == other.FinalFontSize && FinalFontBold == other.FinalFontBold &&
           FinalFontItalic == other.FinalFontItalic && FinalFontColor == other.FinalFontColor &&
           FinalAnswers == other.FinalAnswers && FinalMediaPath == other.FinalMediaPath;
}

void ResetGameSet(GameSet& game) {
    for (auto& name : game.CategoryNames)
        name.clear();

    for (auto& category : game.Categories) {
        for (QuestionRecord& record : category) {
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
    }

    // The final question's type survives a reset on purpose: it is only
    // replaced when a file is read or a type button is pressed.
    game.FinalQuestionText.clear();
    game.FinalMediaPath.clear();
    for (auto& answer : game.FinalAnswers)
        answer.clear();
    game.FinalFontName = DefaultFontName;
    game.FinalFontSize = 28;
    game.FinalFontBold = true;
    game.FinalFontItalic = true;
    game.FinalFontColor = DefaultFontColor;
}
