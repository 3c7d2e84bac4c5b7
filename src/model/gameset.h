#pragma once

#include "model/fixedtext.h"

#include <QString>
#include <array>

// One board question. Field names follow the game-set file's vocabulary.
struct QuestionRecord {
    QString QuestionType;        // "T", "P", "S", "V"; only the first character counts, "" = "T"
    QString DailyDouble;         // "Y" marks a Daily Double; "N" or "" not
    FixedText<256> QuestionText; // text, or the picture/video path for "P"/"V"
    QString FontName;
    QString FontSize;     // decimal text, e.g. "28"
    bool FontBold = true; // 16-bit boolean in the file: -1 true, 0 false
    bool FontItalic = true;
    QString FontColor;                     // decimal text of a 0x00BBGGRR colour
    std::array<FixedText<300>, 5> Answers; // 0: the answer, 1..4: choices A..D
    FixedText<256> MediaPath;              // sound file of an "S" question

    bool operator==(const QuestionRecord& other) const;
    bool operator!=(const QuestionRecord& other) const { return !(*this == other); }
};

// The one game set: six categories of five questions, their names, and the
// final question, which has its own variables and no Daily Double.
struct GameSet {
    std::array<std::array<QuestionRecord, 5>, 6>
        Categories; // Category1..Category6, questions 1..5 at 0..4
    std::array<FixedText<32>, 6> CategoryNames;

    QString FinalQuestionType; // compared as a whole string by the writer; not reset
    FixedText<256> FinalQuestionText;
    QString FinalFontName;
    qint16 FinalFontSize = 28;
    bool FinalFontBold = true;
    bool FinalFontItalic = true;
    QString FinalFontColor;
    std::array<FixedText<300>, 5> FinalAnswers;
    FixedText<256> FinalMediaPath;

    // category 1..6, question 1..5
    QuestionRecord& question(int category, int question) {
        return Categories.at(category - 1).at(question - 1);
    }
    const QuestionRecord& question(int category, int question) const {
        return Categories.at(category - 1).at(question - 1);
    }

    bool operator==(const GameSet& other) const;
    bool operator!=(const GameSet& other) const { return !(*this == other); }
};

inline const QString DefaultFontName = QStringLiteral("Courier New");
inline const QString DefaultFontSize = QStringLiteral("28");
inline const QString DefaultFontColor = QStringLiteral("16777215"); // white

// Every field back to its default; FinalQuestionType keeps its value.
void ResetGameSet(GameSet& game);

// The module-level state shared by the editor's commands.
struct EditorState {
    GameSet game;
    QString CurrentFilePath; // starting folder of the game-set dialogs; "" = default folder
    QString CurrentFileName; // full path of the open game-set file; "" = untitled
    bool EditCurrentGame = false;
    QString AppTitle = QStringLiteral("Quizmora Editor"); // caption prefix
    QString LastMediaFolder;
    QString LastVideoFolder;
    bool DataChanged = false;
    QString LastGameSetFolder; // never assigned; the exit prompt's starting folder
};
