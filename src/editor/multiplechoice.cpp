// The multiple-choice commands of the question panel: the box opened over
// the preview, the preview laid out for the choices, back to one answer.

#include "editor/questionpanel.h"
#include "preview/previewfit.h"

#include "util/textrules.h"

void QuestionPanel::btnMultipleChoice_Click() {
    if (m_guard.refuses())
        return;
    m_ui.lblAnswer->hide();
    m_ui.txtAnswer->hide();
    for (QLabel* choice : lblAnswerChoices)
        choice->show();
    m_ui.fraMultipleAnswers->open(CurrentRecord());
}

// After the box closes: the preview's height and the choice labels follow
// the choices shown, then the question is fitted to the new height.
void QuestionPanel::LayOutAnswerChoices() {
    Ui::QuestionPanel& ui = m_ui;
    bool allEmpty = true;
    for (const QLabel* choice : lblAnswerChoices) {
        if (!TrimSpaces(choice->text()).isEmpty())
            allEmpty = false;
    }
    QLabel* preview = ui.lblDisPlayQuestion;
    if (allEmpty) {
        preview->resize(preview->width(), PreviewFullHeight);
        for (QLabel* choice : lblAnswerChoices)
            choice->hide();
        ui.chkFilenameAnswer->show();
        ui.lblFilenameAnswer->show();
    } else {
        ui.chkFilenameAnswer->setChecked(false);
        ui.chkFilenameAnswer->hide();
        ui.lblFilenameAnswer->hide();
        preview->resize(preview->width(), PreviewShortHeight);
        for (QLabel* choice : lblAnswerChoices) {
            if (TrimSpaces(choice->text()).isEmpty())
                choice->hide();
        }
    }
    FitQuestionPreview();
    // The choice boxes' warnings go with the box.
    ShowTextWarnings();
}

void QuestionPanel::btnSingleChoice_Click() {
    if (m_guard.refuses())
        return;
    m_ui.chkFilenameAnswer->show();
    m_ui.lblFilenameAnswer->show();
    m_ui.lblAnswer->show();
    m_ui.txtAnswer->show();
    for (QLabel* choice : lblAnswerChoices) {
        choice->hide();
        choice->setText(QString());
    }
    m_ui.lblDisPlayQuestion->resize(m_ui.lblDisPlayQuestion->width(), PreviewFullHeight);
    FitQuestionPreview();

    // The answer stays, so the formerly right choice becomes the single answer.
    m_document.clearChoices(CurrentSquare());
}
