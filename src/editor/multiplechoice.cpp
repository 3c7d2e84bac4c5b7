// The "Multiple Answers" box: four choices A to D and the right letter.

#include "editor/frmEditor.h"

#include "util/textrules.h"

namespace {

using AnswerSlots = std::array<FixedText<300>, 5>;

// The answer and the four choices of the selected question, the final
// question's own when it is selected; nullptr for no valid selection.
AnswerSlots* CurrentAnswerSlots(frmEditor& editor) {
    if (QuestionRecord* record = editor.CurrentBoardRecord())
        return &record->Answers;
    if (editor.IsFinalQuestion())
        return &editor.m_state.game.FinalAnswers;
    return nullptr;
}

QFont EmptyChoiceFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(20);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace

void frmEditor::btnMultipleChoice_Click() {
    if (MultipleChoiceGuard())
        return;
    m_ui.fraMultipleAnswers->show();
    m_ui.fraMultipleAnswers->raise();
    m_ui.lblAnswer->hide();
    m_ui.txtAnswer->hide();

    const AnswerSlots* answerSlots = CurrentAnswerSlots(*this);
    for (int k = 1; k <= 4; ++k) {
        QLineEdit* edit = txtEditAnswer[k - 1];
        const QString choice = answerSlots ? (*answerSlots)[k].trimmed() : QString();
        if (!choice.isEmpty()) {
            edit->setText(choice);
        } else {
            edit->setText(QString());
            edit->setFont(EmptyChoiceFont());
        }
    }

    // An answer stored as a bare letter picks that letter; otherwise the
    // letter the question display matched stays.
    if (answerSlots) {
        const QString answer = (*answerSlots)[0].trimmed();
        static const QStringList letters{QStringLiteral("A"), QStringLiteral("B"),
                                         QStringLiteral("C"), QStringLiteral("D")};
        const qsizetype letter = letters.indexOf(answer);
        if (letter >= 0)
            m_ui.cboABCD->setCurrentIndex(static_cast<int>(letter));
    }

    for (QLabel* choice : lblAnswerChoices)
        choice->show();
    txtEditAnswer[0]->setFocus();
}

void frmEditor::SaveMultipleChoiceAnswers() {
    if (AnswerSlots* answerSlots = CurrentAnswerSlots(*this)) {
        for (int k = 1; k <= 4; ++k) {
            const QString choice = TrimSpaces(txtEditAnswer[k - 1]->text());
            (*answerSlots)[k].set(choice);
            lblAnswerChoices[k - 1]->setText(choice);
        }
        const int letter = m_ui.cboABCD->currentIndex();
        if (letter >= 0 && letter <= 3)
            (*answerSlots)[0] = (*answerSlots)[letter + 1];
    }
    for (QLineEdit* edit : txtEditAnswer)
        edit->setText(QString());
}

namespace {

// After the box closes: the preview's height and the choice labels follow
// the choices shown, then the question is fitted to the new height.
void LayOutAnswerChoices(frmEditor& editor) {
    Ui::frmEditor& ui = editor.m_ui;
    bool allEmpty = true;
    for (const QLabel* choice : editor.lblAnswerChoices) {
        if (!TrimSpaces(choice->text()).isEmpty())
            allEmpty = false;
    }
    QLabel* preview = ui.lblDisPlayQuestion;
    if (allEmpty) {
        preview->resize(preview->width(), frmEditor::PreviewFullHeight);
        for (QLabel* choice : editor.lblAnswerChoices)
            choice->hide();
        ui.chkFilenameAnswer->show();
        ui.lblFilenameAnswer->show();
    } else {
        ui.chkFilenameAnswer->setChecked(false);
        ui.chkFilenameAnswer->hide();
        ui.lblFilenameAnswer->hide();
        preview->resize(preview->width(), frmEditor::PreviewShortHeight);
        for (QLabel* choice : editor.lblAnswerChoices) {
            if (TrimSpaces(choice->text()).isEmpty())
                choice->hide();
        }
    }
    editor.FitQuestionPreview();
}

} // namespace

void frmEditor::btnDone_Click() {
    const GameSet before = m_state.game;
    SaveMultipleChoiceAnswers();
    // Stored choices are saved with the set: Exit and New must ask about them.
    if (m_state.game != before)
        m_state.DataChanged = true;
    m_ui.fraMultipleAnswers->hide();
    LayOutAnswerChoices(*this);
}

void frmEditor::btnCancel_Click() {
    m_ui.fraMultipleAnswers->hide();
    LayOutAnswerChoices(*this);
}

void frmEditor::btnSingleChoice_Click() {
    if (MultipleChoiceGuard())
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
    if (AnswerSlots* answerSlots = CurrentAnswerSlots(*this)) {
        bool removed = false;
        for (int k = 1; k <= 4; ++k) {
            if (!(*answerSlots)[k].isBlank())
                removed = true;
            (*answerSlots)[k].clear();
        }
        // Dropped choices change what is saved: Exit and New must ask.
        if (removed)
            m_state.DataChanged = true;
    }
}
