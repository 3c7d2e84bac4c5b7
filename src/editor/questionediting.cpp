// Question text and answer editing, and fitting the preview text.

#include "editor/frmEditor.h"
#include "editor/previewfit.h"

#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QFontMetrics>

namespace {

bool FitsAt(QFont font, int pointSize, const QString& text, const QSize& box) {
    font.setPointSize(pointSize);
    const QFontMetrics metrics(font);
    // The measuring label is one unit narrower than the preview and grows
    // wider only when a single word does not fit on a line.
    const int wrapWidth = box.width() - 1;
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), Qt::TextWordWrap, text);
    return needed.height() < box.height() && needed.width() < box.width();
}

} // namespace

int PreviewFontSize(const QFont& font, const QString& text, const QSize& box) {
    // Larger sizes never fit where smaller ones do not, so a binary search
    // finds the largest fitting size from 80 down to 6; below that, 5.
    if (FitsAt(font, PreviewLargestSize, text, box))
        return PreviewLargestSize;
    int low = PreviewSmallestSize - 1; // treated as fitting: the fallback size
    int high = PreviewLargestSize;     // known not to fit
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        if (FitsAt(font, middle, text, box))
            low = middle;
        else
            high = middle;
    }
    return low;
}

int PreviewFontSizeLinear(const QFont& font, const QString& text, const QSize& box) {
    for (int size = PreviewLargestSize; size >= PreviewSmallestSize; --size) {
        if (FitsAt(font, size, text, box))
            return size;
    }
    return PreviewSmallestSize - 1;
}

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
    const QString text = TrimSpaces(m_ui.txtEnterQuestion->text());
    QuestionRecord* record = CurrentBoardRecord();
    if (text.isEmpty()) {
        m_ui.lblDisPlayQuestion->setText(QString());
        // The final question's text stays: it may hold a picture or video path
        // while the box is emptied for showing it.
        if (record)
            record->QuestionText.clear();
        return;
    }
    m_ui.lblDisPlayQuestion->setText(text);
    FitQuestionPreview();
    if (record) {
        if (record->QuestionText.trimmed() != text) {
            record->QuestionText.set(text);
            m_state.DataChanged = true;
        }
    } else if (IsFinalQuestion()) {
        if (m_state.game.FinalQuestionText.trimmed() != text) {
            m_state.game.FinalQuestionText.set(text);
            m_state.DataChanged = true;
        }
    }
}

void frmEditor::txtEnterQuestion_LostFocus() {
    if (QuestionRecord* record = CurrentBoardRecord()) {
        if (TrimSpaces(record->FontName).isEmpty()) {
            record->FontName = DefaultFontName;
            record->FontSize = DefaultFontSize;
            record->FontBold = true;
            record->FontItalic = true;
        }
        if (TrimSpaces(record->FontColor).isEmpty())
            record->FontColor = DefaultFontColor;
    } else if (IsFinalQuestion()) {
        GameSet& game = m_state.game;
        if (TrimSpaces(game.FinalFontName).isEmpty()) {
            game.FinalFontName = DefaultFontName;
            game.FinalFontSize = 28;
            game.FinalFontBold = true;
            game.FinalFontItalic = true;
        }
        if (TrimSpaces(game.FinalFontColor).isEmpty())
            game.FinalFontColor = DefaultFontColor;
    }
}

void frmEditor::txtAnswer_Change() {
    const QString text = TrimSpaces(m_ui.txtAnswer->text());
    FixedText<300>* answer = nullptr;
    if (QuestionRecord* record = CurrentBoardRecord())
        answer = &record->Answers[0];
    else if (IsFinalQuestion())
        answer = &m_state.game.FinalAnswers[0];
    if (answer && answer->trimmed() != text) {
        answer->set(text);
        m_state.DataChanged = true;
    }
}

void frmEditor::txtAnswer_LostFocus() {
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
    m_ui.txtEnterQuestion->setText(QString());
    m_ui.txtEnterQuestion->show();
    m_ui.lblDisPlayQuestion->setText(QString());
    m_ui.lblDisPlayQuestion->show();
    m_ui.txtAnswer->setText(QString());
    m_ui.lblQuestionPrompt->show();
    m_ui.btnFont->show();
    m_ui.btnFontColor->show();
    m_ui.btnDefault->show();
    m_ui.fraSoundButtons->hide();
    MediaPlayer2->stop();
    MediaPlayer1->stop();
    m_ui.btnCopy->show();
    m_ui.lblCopyFont->show();
    for (QLabel* choice : lblAnswerChoices)
        choice->hide();

    if (QuestionRecord* record = CurrentBoardRecord()) {
        record->QuestionType = QStringLiteral("T");
        record->QuestionText.clear();
        for (FixedText<300>& answer : record->Answers)
            answer.clear();
        record->DailyDouble = QStringLiteral("N");
        record->MediaPath.clear();
    }
}

void frmEditor::chkFilenameAnswer_Click() {
    if (m_ui.chkFilenameAnswer->checkState() != Qt::Checked)
        return;
    QString type;
    QString source;
    if (const QuestionRecord* record = CurrentBoardRecord()) {
        type = record->QuestionType;
        if (type == QLatin1String("P") || type == QLatin1String("V"))
            source = record->QuestionText.trimmed();
        else if (type == QLatin1String("S"))
            source = record->MediaPath.trimmed();
    } else if (IsFinalQuestion()) {
        const GameSet& game = m_state.game;
        type = game.FinalQuestionType;
        if (type == QLatin1String("P") || type == QLatin1String("V"))
            source = game.FinalQuestionText.trimmed();
        else if (type == QLatin1String("S"))
            source = game.FinalMediaPath.trimmed();
    }
    if (type != QLatin1String("P") && type != QLatin1String("V") && type != QLatin1String("S"))
        return;
    m_ui.txtAnswer->setText(StripExtension(GetFileName(source)));
}

void frmEditor::chkSpellChecker_Click() {
    // The box is kept for the familiar layout; there is no spell checker.
}
