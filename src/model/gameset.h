#pragma once

#include "model/fixedtext.h"

#include <QString>
#include <array>

// The widths of the file's fields, in characters: what the game reads of them.
constexpr int QuestionWidth = 256; // a question's text, or its picture, video or sound path
constexpr int AnswerWidth = 300;   // the answer and each choice
constexpr int CategoryNameWidth = 32;

// One board question. Field names follow the game-set file's vocabulary.
struct QuestionRecord {
    QString QuestionType; // "T", "P", "S", "V"; only the first character counts, "" = "T"
    QString DailyDouble;  // "Y" marks a Daily Double; "N" or "" not
    FixedText<QuestionWidth> QuestionText; // text, or the picture/video path for "P"/"V"
    QString FontName;
    QString FontSize;     // decimal text, e.g. "28"
    bool FontBold = true; // 16-bit boolean in the file: -1 true, 0 false
    bool FontItalic = true;
    QString FontColor;                             // decimal text of a 0x00BBGGRR colour
    std::array<FixedText<AnswerWidth>, 5> Answers; // 0: the answer, 1..4: choices A..D
    FixedText<QuestionWidth> MediaPath;            // sound file of an "S" question

    // Whether any of the choices A to D has text.
    bool hasChoices() const;
    // Only the exact capital "Y" makes a Daily Double: the game reads "y" as
    // an ordinary square, so the map, the box, the listing, Save and the
    // check agree.
    bool isDailyDouble() const { return DailyDouble == QLatin1String("Y"); }

    bool operator==(const QuestionRecord& other) const;
    bool operator!=(const QuestionRecord& other) const { return !(*this == other); }
};

// A square of the board: category 1..6 with question 1..5, or the final
// question, which is a square of its own (category 7).
struct Square {
    int category = 1;
    int question = 1;

    static constexpr int FinalCategory = 7;
    static Square finalQuestion() { return {FinalCategory, 1}; }
    bool isFinal() const { return category == FinalCategory; }
    bool operator==(const Square& other) const {
        return category == other.category && (isFinal() || question == other.question);
    }
    bool operator!=(const Square& other) const { return !(*this == other); }
};

// The one game set: six categories of five questions, their names, and the
// final question. The final question's record never carries a Daily Double;
// the file format's own rules for it live in the reader and writer.
struct GameSet {
    std::array<std::array<QuestionRecord, 5>, 6>
        Categories; // Category1..Category6, questions 1..5 at 0..4
    std::array<FixedText<CategoryNameWidth>, 6> CategoryNames;
    QuestionRecord Final;

    // category 1..6 with question 1..5, or category 7 for the final question
    QuestionRecord& question(int category, int question) {
        return category == Square::FinalCategory ? Final
                                                 : Categories.at(category - 1).at(question - 1);
    }
    const QuestionRecord& question(int category, int question) const {
        return category == Square::FinalCategory ? Final
                                                 : Categories.at(category - 1).at(question - 1);
    }
    QuestionRecord& record(Square square) { return question(square.category, square.question); }
    const QuestionRecord& record(Square square) const {
        return question(square.category, square.question);
    }

    bool operator==(const GameSet& other) const;
    bool operator!=(const GameSet& other) const { return !(*this == other); }
};

inline const QString DefaultFontName = QStringLiteral("Courier New");
inline const QString DefaultFontSize = QStringLiteral("28");
inline const QString DefaultFontColor = QStringLiteral("16777215"); // white

// The texts of a record (question, answers, choices, sound path) on one line
// each: what arrives from outside the window's boxes passes here.
void KeepOnOneLine(QuestionRecord& record);
// The same for every record and name of the set.
void KeepOnOneLine(GameSet& game);

// Every field back to its default; the final question becomes a text question.
void ResetGameSet(GameSet& game);
