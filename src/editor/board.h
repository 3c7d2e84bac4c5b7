#pragma once

#include "model/gameset.h"
#include "ui_board.h"

#include <QWidget>
#include <array>

class BoardSelection;
class ClickableLabel;
class CommandGuard;
class GameSetDocument;
class QLabel;
class QLineEdit;
class QPushButton;

// The board: the six category captions and the final question's, the five
// question buttons, the arrows by the selected square, the category name box
// and Next. It moves the shared selection; what a square shows is drawn by
// whoever follows the selection.
//
// Its controls lie over the window's drawing at their own places, among the
// question panel's: the board covers the whole drawing but takes the mouse
// only over its own controls.
class Board : public QWidget {
    Q_OBJECT

public:
    struct Controls {
        std::array<ClickableLabel*, 6> lblCategory;
        ClickableLabel* picFinalQuestion;
        std::array<QPushButton*, 5> btnQuestion;
        std::array<QLabel*, 7> lblCArrow; // lblC1Arrow .. lblC7Arrow
        std::array<QLabel*, 5> lblQArrow; // lblQ1Arrow .. lblQ5Arrow
        QLineEdit* txtCategoryName;
        QPushButton* btnNext;
    };
    Board(GameSetDocument& document, BoardSelection& selection, const CommandGuard& guard,
          QWidget* parent);
    const Controls& controls() const { return m_controls; }

    void lblCategory_Click(int index);
    void btnQuestion_Click(int index);
    void picFinalQuestion_Click();
    void btnNext_Click();
    void txtCategoryName_Change();
    void txtCategoryName_Click();
    void txtCategoryName_GotFocus();
    void txtCategoryName_LostFocus();

    // The category's name in the name box, storing its default name when it has none.
    void ShowCategoryName(int category);
    // Selects a square as the author left it, storing nothing: undo and
    // redo, and the places the spelling check shows.
    void SelectSquare(Square square);
    // The board after the whole set was replaced: captions, category 1
    // question 1 selected and shown.
    void ShowWholeBoard();
    // Every caption back to its default, as after a new set.
    void ShowDefaultCaptions();
    // The question buttons, hidden while the final question is chosen.
    void SetQuestionButtonsVisible(bool visible);

    // The default caption of category c (1..6).
    static QString DefaultCategoryName(int category);
    // What the name box shows, locked, for the final question.
    static inline const QString FinalQuestionCaption = QStringLiteral("FINAL QUESTION");

signals:
    // A category or the final question was chosen: the question panel's
    // commands the final question's video may have hidden come back.
    void questionCommandsRestored(bool withVideo);
    // Next moved on: the cursor goes to the new square's question.
    void movedOn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The arrows and, for the final question, the locked name box.
    void followSelection();
    // A caption follows its name; an undone name shows its square.
    void followName(Square square);
    // The category's caption greyed as chosen and its name in the box, quietly.
    void showCategory(int category);

    GameSetDocument& m_document;
    BoardSelection& m_selection;
    const CommandGuard& m_guard;
    Ui::Board m_ui;
    Controls m_controls;
};
