#pragma once

#include "model/gameset.h"

#include <QList>
#include <QString>
#include <QStringList>

// What saving would change in the author's text: a character Windows-1252
// has no byte for is written as "?", and a "^" inside an answer splits it
// into answer choices when the file is read back.
struct TextLoss {
    Square square;          // for a name, the category's first square
    bool inName = false;    // the category's name rather than a question
    QStringList characters; // distinct characters written as "?", in text order
    bool caretInAnswer = false;
};

// Every name and square that would not come back as typed, in board order.
QList<TextLoss> FindTextLoss(const GameSet& game);

// The distinct characters of `text` a game set cannot store, in text order.
QStringList UnstorableCharacters(QStringView text);

// "Ω cannot be stored in a game set; it would be saved as ?" ("" for none).
QString UnstorableCharactersText(const QStringList& characters);
// The warning for an answer holding "^".
QString CaretInAnswerText();

// "Category 2 name", "Category 2, question 3", "Final question".
QString SquareLabel(Square square, bool name = false);
// One line naming the square and what would change in it.
QString DescribeTextLoss(const TextLoss& loss);
