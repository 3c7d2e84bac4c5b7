// Board navigation: the selection, the category name box and the markers.

#include "editor/frmEditor.h"

#include "util/textrules.h"

#include <QSignalBlocker>

void frmEditor::lblCategory_Click(int index) {
    if (m_guard.refuses())
        return;
    for (QPushButton* button : btnQuestion)
        button->show();
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    m_ui.btnVideo->setVisible(true);
    for (ClickableLabel* caption : lblCategory)
        caption->setEnabled(true);
    lblCategory[index]->setEnabled(false);
    HideArrows();
    m_ui.txtCategoryName->setReadOnly(false);
    m_document.endTyping();
    m_selection.select({index + 1, 1});
    ShowCategoryName(index + 1);
    DisPlayQuestion();
}

void frmEditor::btnQuestion_Click(int index) {
    if (m_guard.refuses())
        return;
    m_document.endTyping();
    m_selection.select({m_selection.category(), index + 1});
    DisPlayQuestion();
}

void frmEditor::picFinalQuestion_Click() {
    if (m_guard.refuses())
        return;
    for (QPushButton* button : btnQuestion)
        button->hide();
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    HideArrows();
    for (ClickableLabel* caption : lblCategory)
        caption->setEnabled(true);
    m_document.endTyping();
    m_selection.select(Square::finalQuestion());
    DisPlayQuestion();
}

void frmEditor::btnNext_Click() {
    if (m_guard.refuses())
        return;
    m_document.endTyping();
    Square next = m_selection.current();
    if (next.isFinal())
        next = {1, 1};
    else if (next.question == 5)
        next = {next.category + 1, 1};
    else
        ++next.question;
    m_selection.select(next);
    for (ClickableLabel* caption : lblCategory)
        caption->setEnabled(true);
    if (m_selection.isFinal()) {
        m_ui.txtCategoryName->setText(FinalQuestionCaption);
        m_ui.txtCategoryName->setReadOnly(true);
    } else {
        lblCategory[m_selection.category() - 1]->setEnabled(false);
        ShowCategoryName(m_selection.category());
        m_ui.txtCategoryName->setReadOnly(false);
    }
    DisPlayQuestion();
    if (IsShown(m_ui.txtEnterQuestion))
        m_ui.txtEnterQuestion->setFocus();
}

void frmEditor::ShowCategoryName(int category) {
    QString name = m_document.game().CategoryNames[category - 1].trimmed();
    // A category visited without a name takes its default one, as the game
    // would show it; a write of its own, not an echo of the box.
    if (name.isEmpty()) {
        name = DefaultCategoryName(category);
        m_document.setCategoryName(category, name);
    }
    const QSignalBlocker quiet(m_ui.txtCategoryName);
    m_ui.txtCategoryName->setText(name);
}

void frmEditor::txtCategoryName_Change() {
    if (m_selection.isFinal())
        return;
    // The caption follows through the document's change signal.
    m_document.setCategoryName(m_selection.category(), m_ui.txtCategoryName->text());
}

void frmEditor::txtCategoryName_Click() {
    m_ui.txtCategoryName->selectAll();
}

void frmEditor::txtCategoryName_GotFocus() {
    m_ui.txtCategoryName->selectAll();
}

void frmEditor::txtCategoryName_LostFocus() {
    m_document.endTyping();
    if (m_ui.txtCategoryName->text().isEmpty())
        m_ui.txtCategoryName->setText(DefaultCategoryName(m_selection.category()));
}

void frmEditor::HideArrows() {
    for (QLabel* arrow : lblCArrow)
        arrow->hide();
    for (QLabel* arrow : lblQArrow)
        arrow->hide();
}

void frmEditor::ResetBoardDisplay() {
    m_ui.lblDisPlayQuestion->setText(QString());
    m_ui.txtEnterQuestion->setText(QString());
    m_ui.txtAnswer->setText(QString());
    m_ui.chkDailyDouble->setChecked(false);
    m_ui.lblAnswer->setText(QStringLiteral("Answer:"));
    m_ui.picQuestionPicture->hide();
    m_ui.txtEnterQuestion->show();
    m_ui.lblQuestionPrompt->show();
    m_ui.lblDisPlayQuestion->show();
    ClearDailyDoubleMap();
    for (int index = 0; index < 6; ++index)
        lblCategory[index]->setText(DefaultCategoryName(index + 1));
}

void frmEditor::ShowWholeBoard() {
    const GameSet& game = m_document.game();
    // All six captions clickable again, the first one greyed as selected.
    for (int index = 0; index < 6; ++index) {
        lblCategory[index]->setText(game.CategoryNames[index].trimmed());
        lblCategory[index]->setEnabled(index != 0);
    }
    m_selection.select({1, 1});
    // Category 1 is selected: its name box is editable even when the final
    // question was shown before.
    m_ui.txtCategoryName->setReadOnly(false);
    {
        // The name box shows category 1 without storing it back.
        const QSignalBlocker quiet(m_ui.txtCategoryName);
        m_ui.txtCategoryName->setText(game.CategoryNames[0].trimmed());
    }
    DisPlayQuestion();
    for (QPushButton* button : btnQuestion)
        button->show();
    m_ui.btnVideo->setVisible(true);
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
}
