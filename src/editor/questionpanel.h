#pragma once

#include "document/gamesetdocument.h"
#include "editor/boardselection.h"
#include "editor/mediaplayers.h"
#include "editor/multiplechoicebox.h"
#include "model/gamesetcheck.h"
#include "model/mediakind.h"
#include "services/services.h"
#include "ui_questionpanel.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

// The question panel: the preview as the player sees it, the question and
// answer boxes, the path, the file-name option, the font buttons, the Daily
// Double box and the multiple-choice commands, with the media controls over them.
// It shows whichever square the selection holds, and turns what the author
// types and clicks there into document edits.
//
// Its controls lie over the window's drawing at their own places, under the
// board's and the window's own.
class QuestionPanel : public QWidget {
    Q_OBJECT

public:
    // `locateMedia` names the file on this computer a stored media path
    // stands for ("" when there is none).
    // The toolbar's commands that turn the shown question into a text,
    // picture, sound or video question.
    struct KindCommands {
        QAction* btnText;
        QAction* btnPicture;
        QAction* btnSound;
        QAction* btnVideo;
    };
    QuestionPanel(QWidget& window, QWidget* drawing, QLineEdit* categoryNameBox,
                  const KindCommands& kindCommands, GameSetDocument& document, Services& services,
                  const BoardSelection& selection, const CommandGuard& guard,
                  std::function<QString(const QString&)> locateMedia);
    ~QuestionPanel() override;
    // The panel's controls, for the window's keyboard order and the parts
    // that act on the shown question's boxes.
    const Ui::QuestionPanel& controls() const { return m_ui; }
    MediaPlayers& players() { return *m_players; }

    // ---- the shown question (questiondisplay.cpp)
    void DisPlayQuestion();
    void ShowTextQuestion();
    // True when at least one of the four choices is not empty.
    bool ShowAnswerChoices();
    // The panel emptied, as after Exit's new set.
    void ResetBoardDisplay();
    // The Daily Double box follows the shown question's mark.
    void ShowDailyDoubleMark();

    // ---- text the game set cannot hold as typed (textwarnings.cpp)
    // The warnings beside the boxes follow what the boxes hold.
    void ShowTextWarnings();
    // Before a save that would change the author's text: true to write.
    bool ConfirmTextLoss();
    // Why unsaved changes cannot be kept for recovery; "" hides the notice.
    void ShowRecoveryProblem(const QString& problem);

    // ---- editing (questionediting.cpp)
    void FitQuestionPreview();
    void txtEnterQuestion_Change();
    void txtEnterQuestion_LostFocus();
    void txtAnswer_Change();
    void txtAnswer_LostFocus();
    void btnText_Click();
    void chkFilenameAnswer_Click();
    void chkDailyDouble_Click();
    void btnMultipleChoice_Click();
    void btnSingleChoice_Click();
    void btnFont_Click();
    void btnFontColor_Click();
    void btnDefault_Click();
    void btnCopy_Click();

    // ---- media questions (media.cpp)
    void ShowPictureQuestion();
    void ShowSoundQuestion();
    void ShowVideoQuestion();
    bool DisPlayPicture(const QString& path);
    // The choice commands (and the video command) the final question's
    // video may have hidden, shown again.
    void ShowQuestionCommands(bool withVideo);
    // The cursor in the question box, where the shown square has one.
    void FocusQuestion();
    // Media were looked for anew: a media question shows what is found now.
    void ShowMediaAnew();
    // A medium named as not found is shown once it is found.
    void ShowFoundMedia();
    // Both players stopped, as when the set goes.
    void StopMedia();
    // The notice in the preview for a medium that cannot be found here; "" hides it.
    void ShowMediaNotice(const QString& text);

    QLabel* lblNameWarning = nullptr;     // under the category name box
    QLabel* lblTextWarning = nullptr;     // beside the question, answer and choice boxes
    QLabel* lblRecoveryProblem = nullptr; // why unsaved changes are not kept for recovery
    QLabel* lblMediaNotFound = nullptr;   // over the preview: the medium that cannot be found

    // The box that holds a part of the shown question, for the cursor: the
    // multiple-choice box opened for a choice. Null where none is shown.
    QWidget* BoxFor(CheckPart part);

signals:
    // The final question's video leaves no question buttons on the board.
    void questionButtonsHidden();
    // An undo or redo changed another square, which is to be selected.
    void squareReplayed(Square square);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Square CurrentSquare() const;
    const QuestionRecord& CurrentRecord() const { return m_document.record(CurrentSquare()); }
    bool IsFinalQuestion() const;
    // A control's own Visible flag, whether or not the window is on screen.
    static bool IsShown(const QWidget* widget) { return !widget->isHidden(); }
    void ShowOkMessage(const QString& text);
    void connectControls();
    // Redraws what a document change touched.
    void followDocument(Square square, DocumentPart part);
    void SetUpMediaPreview();
    void SetUpTextWarnings();
    // The preview of one kind of media and the path; the text-only buttons hidden.
    void ShowMediaControls(MediaKind kind);
    // "Make File Name the Answer" for a picture or video question.
    void ShowFileNameOption(bool choiceExists);
    // After the multiple-choice box closes: the preview laid out for the choices.
    void LayOutAnswerChoices();
    void StoreCurrentLook(const QString& label, const QString& fontName, bool bold, bool italic,
                          const std::optional<QString>& fontColor);

    QWidget& m_window;
    Ui::QuestionPanel m_ui;
    // The board's name box: the panel's notices and the check's findings name it too.
    QLineEdit* m_categoryNameBox;
    KindCommands m_kindCommands;
    GameSetDocument& m_document;
    Services& m_services;
    const BoardSelection& m_selection;
    const CommandGuard& m_guard;
    std::function<QString(const QString&)> m_locateMedia;
    MediaPlayers* m_players = nullptr;
    std::array<QLabel*, 4> lblAnswerChoices{}; // lblFirstAnswer .. lblForthAnswer
    std::array<QLineEdit*, 4> txtEditAnswer{}; // the multiple-choice box's
};
