#pragma once

#include "document/gamesetdocument.h"
#include "document/setfilelock.h"
#include "editor/board.h"
#include "editor/boardselection.h"
#include "editor/dailydoublemap.h"
#include "editor/filecommands.h"
#include "editor/mediacommands.h"
#include "editor/multiplechoicebox.h"
#include "model/fileerror.h"
#include "model/gameset.h"
#include "model/gamesetcheck.h"
#include "model/mediafolders.h"
#include "services/services.h"
#include "ui_frmEditor.h"

#include <QMainWindow>
#include <array>
#include <memory>

class Autosave;
class CheckPanel;
class QLineEdit;
class SetTransferCommands;
class SpellingPart;

// The editor's one window: a view of the game-set document and the
// controller that turns what the author does into document edits. Handlers
// and routines carry the names the rest of the team uses for them, and are
// public so tests can drive them the way the controls do. Every control's
// signal is connected in the constructor; code that assigns a text or value
// runs the same handler, exactly as typing or clicking does.
class frmEditor : public QMainWindow {
    Q_OBJECT

public:
    frmEditor(GameSetDocument& document, Services& services, QWidget* parent = nullptr);
    ~frmEditor() override;

    // ---- start-up (frmEditor.cpp)
    // startFile: a game set named on the command line, opened in place of the game's current game.
    void Form_Load(const QString& startFile = QString());
    // Sizes the window to the board, or to the screen where that is smaller.
    void FitToScreen();
    // Offers the recovery copies of editors that ended without saving; a
    // recovered set opens as changed. Failures to keep this editor's own
    // copy are reported from then on.
    void OfferRecovery(Autosave& autosave);

    // The panel emptied and the default captions back, after Exit's new set.
    void ResetBoardDisplay();

    // ---- question display (questiondisplay.cpp)
    void DisPlayQuestion();
    void ShowTextQuestion();
    // True when at least one of the four choices is not empty.
    bool ShowAnswerChoices();

    // ---- text the game set cannot hold as typed (textwarnings.cpp)
    // The warnings beside the boxes follow what the boxes hold.
    void ShowTextWarnings();
    // Before a save that would change the author's text: true to write.
    bool ConfirmTextLoss();
    // Why unsaved changes cannot be kept for recovery; "" hides the notice.
    void ShowRecoveryProblem(const QString& problem);

    // ---- question editing (questionediting.cpp)
    void FitQuestionPreview();
    void txtEnterQuestion_Change();
    void txtEnterQuestion_LostFocus();
    void txtAnswer_Change();
    void txtAnswer_LostFocus();
    void btnText_Click();
    void chkFilenameAnswer_Click();

    // ---- media questions (media.cpp)
    void ShowPictureQuestion();
    void ShowSoundQuestion();
    void ShowVideoQuestion();
    bool DisPlayPicture(const QString& path);
    void btnPlay_Click();
    void btnStop_Click();
    void btnVideoPlay_Click();
    void btnVideoPause_Click();
    void btnVideoStop_Click();
    // Player error reports and the notice of media not found.
    void SetUpMediaPreview();
    // The Daily Double box and square follow the shown question's mark.
    void ShowDailyDoubleMark();
    // "Make File Name the Answer" for a picture or video question.
    void ShowFileNameOption(bool choiceExists);

    // The notice in the preview for a medium that cannot be found here; "" hides it.
    void ShowMediaNotice(const QString& text);

    // ---- multiple choice (multiplechoice.cpp)
    void btnMultipleChoice_Click();
    void btnSingleChoice_Click();

    // ---- fonts and colours (fontscolours.cpp)
    void btnFont_Click();
    void btnFontColor_Click();
    void btnDefault_Click();
    void btnCopy_Click();

    // ---- the Daily Double box (questionediting.cpp)
    void chkDailyDouble_Click();
    void EnsureDailyDoubles();

    // ---- undo and redo (frmEditor.cpp)
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();

    // ---- helpers shared by the areas
    Square CurrentSquare() const { return m_selection.current(); }
    const QuestionRecord& CurrentRecord() const { return m_document.record(CurrentSquare()); }
    bool IsFinalQuestion() const { return m_selection.isFinal(); }
    // A control's own Visible flag, whether or not the window is on screen.
    static bool IsShown(const QWidget* widget) { return !widget->isHidden(); }
    // picVideo with its play, pause and stop buttons.
    void SetVideoControlsVisible(bool visible);
    // Shows a message with OK only and the program's default title.
    void ShowOkMessage(const QString& text);

    // ---- window variables
    bool EditCurrentGame = false;
    QString CurrentSoundPath;
    // The file name last handed to the media choosers.
    QString EditorDialogFileName;
    std::unique_ptr<MediaPlayer> MediaPlayer1; // video, shown in picVideo
    std::unique_ptr<MediaPlayer> MediaPlayer2; // sound, never shown

    Ui::frmEditor m_ui;
    GameSetDocument& m_document;
    Services& m_services;
    BoardSelection m_selection;
    CommandGuard m_guard{m_services};
    Board* m_board = nullptr; // a child of the window
    // The File menu's commands, a child of the window.
    FileCommands* m_fileCommands = nullptr;
    // The media commands, media folders and Pack for the Game; the finder
    // of media files the preview and the check ask.
    std::unique_ptr<MediaCommands> m_mediaCommands;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    // The parts over the whole set, children of the window.
    CheckPanel* m_checkPanel = nullptr;
    SetTransferCommands* m_setTransfer = nullptr;
    SpellingPart* m_spelling = nullptr;

    // Control arrays, index as in their names.
    std::array<QLabel*, 6> picCategory{};
    std::array<QLabel*, 4> lblAnswerChoices{}; // lblFirstAnswer .. lblForthAnswer
    std::array<QLineEdit*, 4> txtEditAnswer{};
    QLabel* lblNameWarning = nullptr;     // under the category name box
    QLabel* lblTextWarning = nullptr;     // beside the question, answer and choice boxes
    QLabel* lblRecoveryProblem = nullptr; // why unsaved changes are not kept for recovery
    QLabel* lblMediaNotFound = nullptr;   // over the preview: the medium that cannot be found

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Redraws what a document change touched; after an undo or redo of
    // another square, that square is selected first.
    void onDocumentChanged(Square square, DocumentPart part);
    void SetUpEditCommands();
    // The check panel, import, export, print and spelling, wired to the window.
    void SetUpSetCommands();
    // After the check panel selected a finding's square: the window up and
    // the cursor in the box that holds `part` of it.
    void FocusFindingBox(CheckPart part);
    // The Help menu (About Quizmora Editor, About Qt) and the window's icon (aboutbox.cpp).
    void SetUpHelpMenu();
    // Tab order, Return, Alt+1..7, accessible names (keyboard.cpp).
    void SetUpKeyboard();
    // Media helper (media.cpp).
    void ShowMediaControls(MediaKind kind);
    // Builds the File menu's commands and connects what follows them.
    void SetUpFileCommands();
    // Multiple choice helper (multiplechoice.cpp).
    void LayOutAnswerChoices();
    // Fonts helper (fontscolours.cpp).
    void StoreCurrentLook(const QString& label, const QString& fontName, bool bold, bool italic,
                          const std::optional<QString>& fontColor);
    void SetUpTextWarnings();
    void collectControlArrays();
    void applyDesignFonts();
    void paintArtwork();
    void setToolbarIcons();
    void connectControls();
};
