// The question panel: rebuilt from the model for the current selection.

#include "editor/questionpanel.h"
#include "preview/colours.h"
#include "preview/previewfit.h"

#include "util/textrules.h"

void QuestionPanel::DisPlayQuestion() {
    ShowMediaNotice(QString());
    m_players->StopMedia();
    m_ui.chkDailyDouble->show();
    for (QLabel* choice : lblAnswerChoices) {
        choice->hide();
        choice->setText(QString());
    }

    switch (KindOfQuestion(CurrentRecord())) {
    case MediaKind::Sound:
        ShowSoundQuestion();
        break;
    case MediaKind::Video:
        ShowVideoQuestion();
        break;
    case MediaKind::Picture:
        ShowPictureQuestion();
        break;
    case MediaKind::None:
        ShowTextQuestion();
        break;
    }
    ShowDailyDoubleMark();

    bool choicesEmpty = true;
    for (const QLabel* choice : lblAnswerChoices) {
        if (!TrimSpaces(choice->text()).isEmpty())
            choicesEmpty = false;
    }
    m_ui.lblDisPlayQuestion->resize(m_ui.lblDisPlayQuestion->width(),
                                    choicesEmpty ? PreviewFullHeight : PreviewShortHeight);
    FitQuestionPreview();

    m_kindCommands.btnPicture->setVisible(true);
    m_kindCommands.btnSound->setVisible(true);
    if (!m_selection.isFinal()) {
        m_ui.lblDailyDoublePadding->show();
    } else {
        m_ui.lblDailyDoublePadding->hide();
        // The final question is never a Daily Double, whatever its kind.
        m_ui.chkDailyDouble->hide();
    }
    // Boxes emptied or locked quietly above still change what is warned about.
    ShowTextWarnings();
}

bool QuestionPanel::ShowAnswerChoices() {
    const auto& answers = CurrentRecord().Answers;
    bool choiceExists = false;
    for (int k = 1; k <= 4; ++k) {
        if (answers[k].isBlank())
            continue;
        choiceExists = true;
        lblAnswerChoices[k - 1]->setText(answers[k].trimmed());
        for (QLabel* choice : lblAnswerChoices)
            choice->show();
    }
    for (int k = 1; k <= 4; ++k) {
        if (answers[0].trimmed() == answers[k].trimmed()) {
            m_ui.fraMultipleAnswers->letterBox()->setCurrentIndex(k - 1);
            break;
        }
    }
    return choiceExists;
}

void QuestionPanel::ShowTextQuestion() {
    const bool final = IsFinalQuestion();
    const QuestionRecord& record = CurrentRecord();
    const QString fontName = TrimSpaces(record.FontName);
    const QString fontColor = TrimSpaces(record.FontColor);
    const QString questionText = record.QuestionText.trimmed();

    for (QLabel* choice : lblAnswerChoices) {
        QFont font = choice->font();
        font.setFamily(fontName.isEmpty() ? QStringLiteral("Comic Sans MS") : fontName);
        choice->setFont(font);
    }
    if (!fontName.isEmpty()) {
        QFont font = m_ui.lblDisPlayQuestion->font();
        font.setFamily(fontName);
        font.setBold(record.FontBold);
        font.setItalic(record.FontItalic);
        m_ui.lblDisPlayQuestion->setFont(font);
    }
    if (!fontColor.isEmpty()) {
        if (const std::optional<QColor> colour = ColorFromText(fontColor)) {
            QPalette colours = m_ui.lblDisPlayQuestion->palette();
            colours.setColor(QPalette::WindowText, *colour);
            m_ui.lblDisPlayQuestion->setPalette(colours);
        }
    }

    const QString answer = record.Answers[0].trimmed();
    m_ui.txtEnterQuestion->setText(questionText);
    m_ui.lblDisPlayQuestion->setText(questionText);
    m_ui.txtAnswer->setText(answer);

    m_ui.lblDisPlayQuestion->show();
    m_ui.txtEnterQuestion->show();
    m_ui.lblQuestionPrompt->show();
    m_ui.lblPath->hide();
    m_ui.txtPath->hide();
    m_ui.picQuestionPicture->hide();
    m_players->ShowControlsFor(MediaKind::None);
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
}

void QuestionPanel::ResetBoardDisplay() {
    m_ui.lblDisPlayQuestion->setText(QString());
    m_ui.txtEnterQuestion->setText(QString());
    m_ui.txtAnswer->setText(QString());
    m_ui.chkDailyDouble->setChecked(false);
    m_ui.lblAnswer->setText(QStringLiteral("Answer:"));
    m_ui.picQuestionPicture->hide();
    m_ui.txtEnterQuestion->show();
    m_ui.lblQuestionPrompt->show();
    m_ui.lblDisPlayQuestion->show();
}
