// Question text and answer editing, and fitting the preview text to its box.

#include "editor/frmEditor.h"
#include "editor/previewfit.h"

#include "model/mediakind.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QSignalBlocker>

void frmEditor::FitQuestionPreview() {
    QLabel* preview = m_ui.lblDisPlayQuestion;
    QLabel* measure = m_ui.lblQuestionAutoResize;
    QFont font = measure->font();
    font.setFamily(preview->font().family());
    font.setBold(preview->font().bold());
    font.setItalic(preview->font().italic());
    measure->setText(preview->text());

    const int size = PreviewFontSize(font, measure->text(), preview->size());
    font.setPointSize(size);
    measure->setFont(font);

    QFont shown = preview->font();
    shown.setPointSize(size);
    preview->setFont(shown);
    preview->setText(measure->text());
}

void frmEditor::txtEnterQuestion_Change() {
    // A picture or video question keeps its file in the question text while
    // the hidden box is emptied: that emptying is not the author's typing.
    const MediaKind kind = KindOfQuestion(CurrentRecord());
    if (kind == MediaKind::Picture || kind == MediaKind::Video)
        return;
    const QString text = TrimSpaces(m_ui.txtEnterQuestion->text());
    m_ui.lblDisPlayQuestion->setText(text);
    if (!text.isEmpty())
        FitQuestionPreview();
    m_document.setQuestionText(CurrentSquare(), text);
}

void frmEditor::txtEnterQuestion_LostFocus() {
    m_document.endTyping();
    const QuestionRecord& record = CurrentRecord();
    if (TrimSpaces(record.FontName).isEmpty() || TrimSpaces(record.FontColor).isEmpty())
        m_document.fillDefaultLook(CurrentSquare());
}

void frmEditor::txtAnswer_Change() {
    m_document.setAnswer(CurrentSquare(), m_ui.txtAnswer->text());
}

void frmEditor::txtAnswer_LostFocus() {
    m_document.endTyping();
    const QString text = m_ui.txtAnswer->text();
    if (!TrimSpaces(text).isEmpty())
        m_ui.txtAnswer->setText(TrimSpaces(RemoveLineBreak(text)));
    else
        m_ui.txtAnswer->setText(QString());
}

void frmEditor::btnText_Click() {
    if (MultipleChoiceGuard())
        return;
    m_ui.chkFilenameAnswer->hide();
    m_ui.lblFilenameAnswer->hide();
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    SetVideoControlsVisible(false);
    m_ui.picQuestionPicture->hide();
    m_ui.lblPath->hide();
    m_ui.txtPath->hide();
    {
        // The boxes are emptied along with the question, in one step below.
        const QSignalBlocker quietQuestion(m_ui.txtEnterQuestion);
        const QSignalBlocker quietAnswer(m_ui.txtAnswer);
        m_ui.txtEnterQuestion->setText(QString());
        m_ui.txtAnswer->setText(QString());
    }
    m_ui.txtEnterQuestion->show();
    m_ui.lblDisPlayQuestion->setText(QString());
    m_ui.lblDisPlayQuestion->show();
    m_ui.lblQuestionPrompt->show();
    m_ui.btnFont->show();
    m_ui.btnFontColor->show();
    m_ui.btnDefault->show();
    m_ui.fraSoundButtons->hide();
    MediaPlayer2->stop();
    MediaPlayer1->stop();
    // The final question's font is its own: nothing to copy it to.
    m_ui.btnCopy->setVisible(!IsFinalQuestion());
    m_ui.lblCopyFont->setVisible(!IsFinalQuestion());
    for (QLabel* choice : lblAnswerChoices)
        choice->hide();

    // The emptied boxes above belong to the old kind; the question becomes
    // a text question as one step.
    m_document.setKind(CurrentSquare(), MediaKind::None);
    // Ready for the text; the focus must not fall to whatever control
    // follows a hidden one (the spelling language, whose letters switch it).
    m_ui.txtEnterQuestion->setFocus();
}

void frmEditor::chkFilenameAnswer_Click() {
    if (m_ui.chkFilenameAnswer->checkState() != Qt::Checked)
        return;
    const QuestionRecord& record = CurrentRecord();
    QString source;
    if (record.QuestionType == QLatin1String("P") || record.QuestionType == QLatin1String("V"))
        source = record.QuestionText.trimmed();
    else if (record.QuestionType == QLatin1String("S"))
        source = record.MediaPath.trimmed();
    else
        return;
    // The same answer a newly attached file gives, whichever separator the
    // path uses.
    m_ui.txtAnswer->setText(MediaFileAnswer(source));
}
