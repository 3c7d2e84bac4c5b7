// The question panel: rebuilt from the model for the current selection.

#include "editor/colours.h"
#include "editor/frmEditor.h"
#include "editor/questionkind.h"

#include "util/textrules.h"

namespace {

// The fields the panel shows, trimmed, for a board or the final question.
struct ShownRecord {
    QString questionText;
    QString mediaPath;
    std::array<QString, 5> answers;
    QString fontName;
    bool fontBold = true;
    bool fontItalic = true;
    QString fontColor;
};

ShownRecord ReadShownRecord(const GameSet& game, const QuestionRecord* record) {
    ShownRecord shown;
    if (record) {
        shown.questionText = record->QuestionText.trimmed();
        shown.mediaPath = record->MediaPath.trimmed();
        for (int k = 0; k < 5; ++k)
            shown.answers[k] = record->Answers[k].trimmed();
        shown.fontName = TrimSpaces(record->FontName);
        shown.fontBold = record->FontBold;
        shown.fontItalic = record->FontItalic;
        shown.fontColor = TrimSpaces(record->FontColor);
    } else {
        shown.questionText = game.FinalQuestionText.trimmed();
        shown.mediaPath = game.FinalMediaPath.trimmed();
        for (int k = 0; k < 5; ++k)
            shown.answers[k] = game.FinalAnswers[k].trimmed();
        shown.fontName = TrimSpaces(game.FinalFontName);
        shown.fontBold = game.FinalFontBold;
        shown.fontItalic = game.FinalFontItalic;
        shown.fontColor = TrimSpaces(game.FinalFontColor);
    }
    return shown;
}

} // namespace

QuestionKind KindOfQuestion(const QString& questionText, const QString& mediaPath) {
    const QString text = TrimSpaces(questionText).toLower();
    const QString media = TrimSpaces(mediaPath).toLower();
    const QString last4 = text.right(4);
    if (media.right(4) == QLatin1String(".wav") || media.right(4) == QLatin1String(".mp3") ||
        media.right(4) == QLatin1String(".wma"))
        return QuestionKind::Sound;
    if (last4 == QLatin1String(".avi") || last4 == QLatin1String(".mpg") ||
        last4 == QLatin1String(".mov") || last4 == QLatin1String(".wmv") ||
        last4 == QLatin1String(".mp4") || text.right(5) == QLatin1String(".mpeg"))
        return QuestionKind::Video;
    if (last4 == QLatin1String(".bmp") || last4 == QLatin1String(".jpg"))
        return QuestionKind::Picture;
    return QuestionKind::Text;
}

void frmEditor::DisPlayQuestion() {
    m_ui.fraSoundButtons->hide();
    MediaPlayer1->stop();
    MediaPlayer2->stop();
    m_ui.chkDailyDouble->show();
    HideArrows();
    for (QLabel* choice : lblAnswerChoices) {
        choice->hide();
        choice->setText(QString());
    }

    const QuestionRecord* record = CurrentBoardRecord();
    const ShownRecord shown = ReadShownRecord(m_state.game, record);
    switch (KindOfQuestion(shown.questionText, shown.mediaPath)) {
    case QuestionKind::Sound:
        ShowSoundQuestion();
        break;
    case QuestionKind::Video:
        ShowVideoQuestion();
        break;
    case QuestionKind::Picture:
        ShowPictureQuestion();
        break;
    case QuestionKind::Text:
        ShowTextQuestion();
        break;
    }

    bool choicesEmpty = true;
    for (const QLabel* choice : lblAnswerChoices) {
        if (!TrimSpaces(choice->text()).isEmpty())
            choicesEmpty = false;
    }
    m_ui.lblDisPlayQuestion->resize(m_ui.lblDisPlayQuestion->width(),
                                    choicesEmpty ? PreviewFullHeight : PreviewShortHeight);
    FitQuestionPreview();

    m_ui.btnPicture->setVisible(true);
    m_ui.btnSound->setVisible(true);
    if (CurrentCategory >= 1 && CurrentCategory <= 6) {
        if (CurrentQuestion >= 1 && CurrentQuestion <= 5)
            lblQArrow[CurrentQuestion - 1]->show();
        m_ui.lblDailyDoublePadding->show();
    } else {
        m_ui.lblDailyDoublePadding->hide();
        // Whatever its kind, the final question's name box is locked under a
        // final-question caption; "Next" has already written its own capitals.
        if (!m_ui.txtCategoryName->isReadOnly()) {
            m_ui.txtCategoryName->setText(QStringLiteral("Final Question"));
            m_ui.txtCategoryName->setReadOnly(true);
        }
    }
}

bool frmEditor::ShowAnswerChoices() {
    const QuestionRecord* record = CurrentBoardRecord();
    const ShownRecord shown = ReadShownRecord(m_state.game, record);
    bool choiceExists = false;
    for (int k = 1; k <= 4; ++k) {
        if (shown.answers[k].isEmpty())
            continue;
        choiceExists = true;
        lblAnswerChoices[k - 1]->setText(shown.answers[k]);
        for (QLabel* choice : lblAnswerChoices)
            choice->show();
    }
    for (int k = 1; k <= 4; ++k) {
        if (shown.answers[0] == shown.answers[k]) {
            m_ui.cboABCD->setCurrentIndex(k - 1);
            break;
        }
    }
    return choiceExists;
}

void frmEditor::ShowTextQuestion() {
    const bool final = IsFinalQuestion();
    QuestionRecord* record = CurrentBoardRecord();
    const ShownRecord shown = ReadShownRecord(m_state.game, record);

    lblCArrow[final ? 6 : CurrentCategory - 1]->show();

    for (QLabel* choice : lblAnswerChoices) {
        QFont font = choice->font();
        font.setFamily(shown.fontName.isEmpty() ? QStringLiteral("Comic Sans MS") : shown.fontName);
        choice->setFont(font);
    }
    if (!shown.fontName.isEmpty()) {
        QFont font = m_ui.lblDisPlayQuestion->font();
        font.setFamily(shown.fontName);
        font.setBold(shown.fontBold);
        font.setItalic(shown.fontItalic);
        m_ui.lblDisPlayQuestion->setFont(font);
    }
    if (!shown.fontColor.isEmpty()) {
        if (const std::optional<QColor> colour = ColorFromText(shown.fontColor)) {
            QPalette colours = m_ui.lblDisPlayQuestion->palette();
            colours.setColor(QPalette::WindowText, *colour);
            m_ui.lblDisPlayQuestion->setPalette(colours);
        }
    }

    m_ui.txtEnterQuestion->setText(shown.questionText);
    m_ui.lblDisPlayQuestion->setText(shown.questionText);
    m_ui.txtAnswer->setText(shown.answers[0]);

    m_ui.lblDisPlayQuestion->show();
    m_ui.txtEnterQuestion->show();
    m_ui.lblQuestionPrompt->show();
    m_ui.lblPath->hide();
    m_ui.txtPath->hide();
    m_ui.picQuestionPicture->hide();
    SetVideoControlsVisible(false);
    m_ui.btnFont->show();
    m_ui.btnFontColor->show();
    m_ui.btnDefault->show();
    m_ui.btnCopy->setVisible(!final);
    m_ui.lblCopyFont->setVisible(!final);
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
    m_ui.chkFilenameAnswer->hide();
    m_ui.lblFilenameAnswer->hide();

    const bool choiceExists = ShowAnswerChoices();
    const bool answerBoxShown = !(final && choiceExists);
    m_ui.lblAnswer->setVisible(answerBoxShown);
    m_ui.txtAnswer->setVisible(answerBoxShown);

    if (final) {
        // The name box is captioned and locked by DisPlayQuestion.
        m_ui.chkDailyDouble->hide();
    } else {
        const bool marked = record->DailyDouble == QLatin1String("Y");
        m_ui.chkDailyDouble->setChecked(marked);
        lblCat[CurrentCategory - 1][CurrentQuestion - 1]->setBackColor(marked ? SquareMarked
                                                                              : SquareUnmarked);
    }
}
