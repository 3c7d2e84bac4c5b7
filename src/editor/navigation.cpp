// Board navigation: the selection, the category name box and the markers.

#include "editor/frmEditor.h"

#include "util/textrules.h"

#include <QSignalBlocker>

namespace {
const QString GuardMessage =
    QStringLiteral("Click Done or Cancel in the Multiple Choice Box First!");
}

bool frmEditor::MultipleChoiceGuard() {
    if (!IsShown(m_ui.fraMultipleAnswers))
        return false;
    ShowOkMessage(GuardMessage);
    return true;
}

void frmEditor::lblCategory_Click(int index) {
    if (MultipleChoiceGuard())
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
    CurrentQuestion = 1;
    CurrentCategory = static_cast<qint16>(index + 1);
    ShowCategoryName(index + 1);
    DisPlayQuestion();
}

void frmEditor::btnQuestion_Click(int index) {
    if (MultipleChoiceGuard())
        return;
    m_document.endTyping();
    CurrentQuestion = static_cast<qint16>(index + 1);
    DisPlayQuestion();
}

void frmEditor::picFinalQuestion_Click() {
    if (MultipleChoiceGuard())
        return;
    for (QPushButton* button : btnQuestion)
        button->hide();
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    HideArrows();
    for (ClickableLabel* caption : lblCategory)
        caption->setEnabled(true);
    m_document.endTyping();
    CurrentQuestion = 1;
    CurrentCategory = Square::FinalCategory;
    DisPlayQuestion();
}

void frmEditor::btnNext_Click() {
    if (MultipleChoiceGuard())
        return;
    m_document.endTyping();
    if (CurrentCategory == Square::FinalCategory) {
        CurrentCategory = 1;
        CurrentQuestion = 1;
    } else if (CurrentQuestion == 5) {
        ++CurrentCategory;
        CurrentQuestion = 1;
    } else {
        ++CurrentQuestion;
    }
    for (ClickableLabel* caption : lblCategory)
        caption->setEnabled(true);
    if (CurrentCategory == Square::FinalCategory) {
        m_ui.txtCategoryName->setText(FinalQuestionCaption);
        m_ui.txtCategoryName->setReadOnly(true);
    } else {
        lblCategory[CurrentCategory - 1]->setEnabled(false);
        ShowCategoryName(CurrentCategory);
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
    if (CurrentCategory < 1 || CurrentCategory > 6)
        return;
    // The caption follows through the document's change signal.
    m_document.setCategoryName(CurrentCategory, m_ui.txtCategoryName->text());
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
        m_ui.txtCategoryName->setText(DefaultCategoryName(CurrentCategory));
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
