#pragma once

#include "spell/spellwalker.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Services;
class SpellChecker;

// "Check Spelling": one unknown word of the board at a time, with its
// place, its text and suggestions, and Change, Change All, Ignore, Ignore
// All, Add and Close. `showPlace` puts the editor on the word's square so
// the author sees it in context.
class SpellCheckDialog : public QDialog {
    Q_OBJECT

public:
    SpellCheckDialog(std::unique_ptr<SpellWalker> walker, SpellChecker& checker, Services& services,
                     std::function<void(const Misspelling&)> showPlace, QWidget* parent = nullptr);
    ~SpellCheckDialog() override;

    // Finds the first unknown word; false when there is none.
    bool start();

    // "Category 2, Question 3: Answer", "Final Question: Choice B", ...
    static QString PlaceText(const SpellField& field);

private:
    void showCurrent();
    void advance();
    void change(bool everywhere);
    void ignoreAll();
    void add();

    std::unique_ptr<SpellWalker> m_walker;
    SpellChecker& m_checker;
    Services& m_services;
    std::function<void(const Misspelling&)> m_showPlace;
    std::optional<Misspelling> m_current;

    QLabel* m_place;
    QLabel* m_context;
    QLineEdit* m_changeTo;
    QListWidget* m_suggestions;
};
