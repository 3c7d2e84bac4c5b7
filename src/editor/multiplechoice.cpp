// The "Multiple Answers" box: four choices A to D and the right letter.

#include "editor/frmEditor.h"
#include "preview/previewfit.h"

#include "util/textrules.h"

namespace {

QFont EmptyChoiceFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(20);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace

void frmEditor::btnMultipleChoice_Click() {
    if (m_guard.refuses())
        return;
    m_ui.fraMultipleAnswers->show();
    m_ui.fraMultipleAnswers->raise();
    m_ui.lblAnswer->hide();
    m_ui.txtAnswer->hide();

    const auto& answers = CurrentRecord().Answers;
    for (int k = 1; k <= 4; ++k) {
        QLineEdit* edit = txtEditAnswer[k - 1];
        const QString choice = answers[k].trimmed();
        if (!choice.isEmpty()) {
            edit->setText(choice);
        } else {
            edit->setText(QString());
            edit->setFont(EmptyChoiceFont());
        }
    }

    // An answer stored as a bare letter picks that letter; otherwise the
    // letter the question display matched stays.
    static const QStringList letters{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                     QStringLiteral("D")};
    const qsizetype letter = letters.indexOf(answers[0].trimmed());
    if (letter >= 0)
        m_ui.cboABCD->setCurrentIndex(static_cast<int>(letter));

    for (QLabel* choice : lblAnswerChoices)
        choice->show();
    txtEditAnswer[0]->setFocus();
}

void frmEditor::SaveMultipleChoiceAnswers() {
    std::array<QString, 4> choices;
    for (int k = 1; k <= 4; ++k) {
        choices[k - 1] = TrimSpaces(txtEditAnswer[k - 1]->text());
        lblAnswerChoices[k - 1]->setText(choices[k - 1]);
    }
    m_document.setChoices(CurrentSquare(), choices, m_ui.cboABCD->currentIndex());
    for (QLineEdit* edit : txtEditAnswer)
        edit->setText(QString());
}

// After the box closes: the preview's height and the choice labels follow
// the choices shown, then the question is fitted to the new height.
void frmEditor::LayOutAnswerChoices() {
    Ui::frmEditor& ui = m_ui;
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

void frmEditor::btnDone_Click() {
    SaveMultipleChoiceAnswers();
    btnCancel_Click();
}

void frmEditor::btnCancel_Click() {
    m_ui.fraMultipleAnswers->hide();
    LayOutAnswerChoices();
    // The keyboard goes back to the button that opened the box.
    m_ui.btnMultipleChoice->setFocus();
}

void frmEditor::btnSingleChoice_Click() {
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
