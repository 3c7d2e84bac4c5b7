// Question text and answer editing, and fitting the preview text to its box.

#include "editor/questionpanel.h"
#include "preview/previewfit.h"

#include "model/mediakind.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QSignalBlocker>

void QuestionPanel::FitQuestionPreview() {
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

void QuestionPanel::txtEnterQuestion_Change() {
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

void QuestionPanel::txtEnterQuestion_LostFocus() {
    m_document.endTyping();
    const QuestionRecord& record = CurrentRecord();
    if (TrimSpaces(record.FontName).isEmpty() || TrimSpaces(record.FontColor).isEmpty())
        m_document.fillDefaultLook(CurrentSquare());
}

void QuestionPanel::txtAnswer_Change() {
    m_document.setAnswer(CurrentSquare(), m_ui.txtAnswer->text());
}

void QuestionPanel::txtAnswer_LostFocus() {
    m_document.endTyping();
    const QString text = m_ui.txtAnswer->text();
    if (!TrimSpaces(text).isEmpty())
        // A CR LF never reaches the box: what is typed keeps to one line.
        m_ui.txtAnswer->setText(TrimSpaces(text));
    else
        m_ui.txtAnswer->setText(QString());
}

void QuestionPanel::btnText_Click() {
    if (m_guard.refuses())
        return;
    // The question becomes an empty text question as one step, and the panel
    // shows it as showing the square does.
    m_document.setKind(CurrentSquare(), MediaKind::None);
    DisPlayQuestion();
    // Ready for the text; the focus must not fall to whatever control
    // follows a hidden one (the spelling language, whose letters switch it).
    m_ui.txtEnterQuestion->setFocus();
}

void QuestionPanel::chkFilenameAnswer_Click() {
    if (m_ui.chkFilenameAnswer->checkState() != Qt::Checked)
        return;
    const QuestionRecord& record = CurrentRecord();
    const MediaKind kind = KindOfTypeLetter(record.QuestionType);
    if (kind == MediaKind::None)
        return;
    const QString source =
        (kind == MediaKind::Sound ? record.MediaPath : record.QuestionText).trimmed();
    // The same answer a newly attached file gives, whichever separator the
    // path uses; one step of Undo of its own, not merged with typing.
    const QString answer = MediaFileAnswer(source);
    m_document.endTyping();
    m_document.setAnswer(CurrentSquare(), answer);
    m_document.endTyping();
    const QSignalBlocker quiet(m_ui.txtAnswer);
    m_ui.txtAnswer->setText(answer);
}

void QuestionPanel::chkDailyDouble_Click() {
    m_document.setDailyDouble(CurrentSquare(), m_ui.chkDailyDouble->checkState() == Qt::Checked);
}

void QuestionPanel::ShowDailyDoubleMark() {
    // Showing stores nothing: the box's handler would write the mark back.
    if (IsFinalQuestion())
        return;
    const bool marked = CurrentRecord().isDailyDouble();
    const QSignalBlocker blocker(m_ui.chkDailyDouble);
    m_ui.chkDailyDouble->setChecked(marked);
}
