#pragma once

#include "model/gameset.h"
#include "spell/wordsplitter.h"

#include <QList>
#include <QString>

#include <optional>

class GameSetDocument;
class SpellChecker;

// One text of the board a spelling check reads.
struct SpellField {
    enum class Part { Name, Question, Answer, Choice };
    Square square; // a name's square is its category's first question
    Part part = Part::Question;
    int choice = 0; // 1..4 (A..D) for a choice

    // How many characters the game-set file keeps of this text.
    int width() const;
};

// An unknown word found on the board.
struct Misspelling {
    SpellField field;
    QString text; // the field's whole text
    TextSpan span;
    QString word;
};

// Walks every unknown word of the board in board order: each category's
// name, then its questions with their answers and choices, then the final
// question. Picture and video questions keep a file in their text, which is
// not read. Changes are made through the document, each one undoable step.
class SpellWalker {
public:
    SpellWalker(GameSetDocument& document, SpellChecker& checker);

    // The unknown word where the walk stands, or the next one; nullopt at
    // the end of the board. Words the checker has come to know meanwhile
    // (ignored, added) are passed over.
    std::optional<Misspelling> next();
    // Goes on after the current word, leaving it as it is.
    void skip();
    // Replaces the current word. False, changing nothing, when the text
    // would no longer fit its field.
    bool change(const QString& replacement);
    // Replaces the current word wherever it stands on the board, as one
    // step. False, changing nothing, when a text would no longer fit.
    bool changeAll(const QString& replacement);

    // The fields read, in order.
    static QList<SpellField> Fields(const GameSet& game);
    static QString Text(const GameSet& game, const SpellField& field);

private:
    bool replace(const QString& replacement, bool everywhere);

    GameSetDocument& m_document;
    SpellChecker& m_checker;
    QList<SpellField> m_fields;
    int m_field = 0;
    int m_position = 0; // where in the field's text the walk goes on
    std::optional<Misspelling> m_current;
    // The unknown words of the field the walk stands in, kept while its
    // text stays as it was.
    QString m_checkedText;
    QList<TextSpan> m_unknown;
};
