#pragma once

#include "model/gameset.h"

#include <QObject>
#include <array>
#include <functional>

class BoardSelection;
class CommandGuard;
class GameSetDocument;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QWidget;
class Services;
class SpellChecker;
class SpellUnderliner;
struct Misspelling;

// Spelling: the checker behind "Enable Spell Checker" that underlines
// unknown words as they are typed, its language chooser, and Check Spelling
// over the whole board, with their remembered settings.
class SpellingPart : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QCheckBox* chkSpellChecker = nullptr;
        // The language chooser is made on `board`, over the top right of `chooserPlace`.
        QWidget* board = nullptr;
        QWidget* chooserPlace = nullptr;
        QMenu* editMenu = nullptr; // Check Spelling goes at its end
        // The boxes whose words are checked as typed.
        QLineEdit* txtCategoryName = nullptr;
        QLineEdit* txtEnterQuestion = nullptr;
        QLineEdit* txtAnswer = nullptr;
        std::array<QLineEdit*, 4> txtEditAnswer{};
    };

    // `window` parents the Check Spelling dialog. `showSquare` selects a
    // square and shows it afresh from the set.
    SpellingPart(QWidget& window, GameSetDocument& document, Services& services,
                 const BoardSelection& selection, const CommandGuard& guard,
                 const Controls& controls, std::function<void(Square)> showSquare);

    void chkSpellChecker_Click();
    void cboSpellLanguage_Click();
    void mnuEditCheckSpelling_Click();
    // Shows the square of a word the spelling check found, the word selected.
    void ShowSpellingPlace(const Misspelling& word);

    SpellChecker& checker() const { return *m_spellChecker; }
    SpellUnderliner& underliner() const { return *m_spellUnderliner; }

private:
    QWidget& m_window;
    GameSetDocument& m_document;
    Services& m_services;
    const BoardSelection& m_selection;
    const CommandGuard& m_guard;
    Controls m_controls;
    std::function<void(Square)> m_showSquare;
    SpellChecker* m_spellChecker = nullptr; // children of this part
    SpellUnderliner* m_spellUnderliner = nullptr;
    QComboBox* cboSpellLanguage = nullptr;
    QAction* mnuEditCheckSpelling = nullptr;
};
