// Question text and answer editing, and fitting the preview text.

#include "editor/frmEditor.h"
#include "editor/previewfit.h"

#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

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
    // A larger size never fits where a smaller one does not, so the answer is
    // the boundary between fitting and not fitting sizes. Measuring a wrapped
    // text is the expensive part; guess the boundary from the area the text
    // covers at size 80, then gallop from the guess and bisect.
    const auto fits = [&](int size) { return FitsAt(font, size, text, box); };

    QFont largest = font;
    largest.setPointSize(PreviewLargestSize);
    const QFontMetricsF metrics(largest);
    const double area = metrics.horizontalAdvance(text) * metrics.lineSpacing();
    int guess = PreviewLargestSize;
    if (area > 0) {
        // Wrapping wastes roughly a tenth of each line.
        const double estimate =
            0.9 * PreviewLargestSize * std::sqrt((box.width() - 1.0) * box.height() / area);
        guess = static_cast<int>(std::clamp(std::floor(estimate), double(PreviewSmallestSize),
                                            double(PreviewLargestSize)));
    }

    int fitting;    // a size known to fit (PreviewSmallestSize - 1 always "fits")
    int notFitting; // a size known not to fit (PreviewLargestSize + 1 never "fits")
    if (fits(guess)) {
        fitting = guess;
        notFitting = PreviewLargestSize + 1;
        for (int step = 1; fitting < PreviewLargestSize; step *= 2) {
            const int size = std::min(guess + step, PreviewLargestSize);
            if (!fits(size)) {
                notFitting = size;
                break;
            }
            fitting = size;
        }
    } else {
        notFitting = guess;
        fitting = PreviewSmallestSize - 1;
        for (int step = 1; notFitting > PreviewSmallestSize; step *= 2) {
            const int size = std::max(guess - step, PreviewSmallestSize);
            if (fits(size)) {
                fitting = size;
                break;
            }
            notFitting = size;
        }
    }
    while (notFitting - fitting > 1) {
        const int middle = (fitting + notFitting) / 2;
        if (fits(middle))
            fitting = middle;
        else
            notFitting = middle;
    }
    return fitting;
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
    const QuestionRecord* record = CurrentBoardRecord();
    if (!record && !IsFinalQuestion())
        return;
    const GameSet& game = m_state.game;
    const QString type = record ? record->QuestionType : game.FinalQuestionType;
    QString source;
    if (type == QLatin1String("P") || type == QLatin1String("V"))
        source = record ? record->QuestionText.trimmed() : game.FinalQuestionText.trimmed();
    else if (type == QLatin1String("S"))
        source = record ? record->MediaPath.trimmed() : game.FinalMediaPath.trimmed();
    else
        return;
    m_ui.txtAnswer->setText(StripExtension(GetFileName(source)));
}

void frmEditor::chkSpellChecker_Click() {
    // The box is kept for the familiar layout; there is no spell checker.
}
