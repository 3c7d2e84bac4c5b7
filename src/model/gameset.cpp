#include "model/gameset.h"

#include <algorithm>

bool QuestionRecord::hasChoices() const {
    return std::any_of(Answers.begin() + 1, Answers.end(),
                       [](const FixedText<AnswerWidth>& choice) { return !choice.isBlank(); });
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
    // The next board starts with a text final question: a kind left over
    // from the last board would save typed text as a sound without a file.
    ResetRecord(game.Final);
    game.Final.QuestionType = QStringLiteral("T");
}

namespace {

template <int Width> void KeepFieldOnOneLine(FixedText<Width>& field) {
    const QString text = field.padded(); // a leading blank is kept
    const QString oneLine = OneLineText(text);
    if (oneLine != text)
        field.set(oneLine);
}

} // namespace

void KeepOnOneLine(QuestionRecord& record) {
    KeepFieldOnOneLine(record.QuestionText);
    for (auto& answer : record.Answers)
        KeepFieldOnOneLine(answer);
    KeepFieldOnOneLine(record.MediaPath);
}

void KeepOnOneLine(GameSet& game) {
    for (auto& name : game.CategoryNames)
        KeepFieldOnOneLine(name);
    for (auto& category : game.Categories) {
        for (QuestionRecord& record : category)
            KeepOnOneLine(record);
    }
    KeepOnOneLine(game.Final);
}
