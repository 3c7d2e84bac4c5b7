#pragma once

#include "document/gamesetdocument.h"
#include "document/setfilelock.h"
#include "editor/boardselection.h"
#include "editor/mediacommands.h"
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
class QComboBox;
class QLineEdit;
struct Finding;
class SpellChecker;
class SpellUnderliner;
struct Misspelling;

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
    bool LoadCurrentGame();

    // ---- file commands (filecommands.cpp)
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // What Open does once a file was chosen; start-up uses it for a file named on the command line.
    bool OpenChosenGameSet(const QString& path);
    // The set's file changed on disk: reloads it when the author agrees and
    // has nothing unsaved, and otherwise says so above the question panel.
    void SetFileChangedElsewhere();
    void mnuFileSave_Click();
    void mnuSaveAs_Click();
    void mnuFileExit_Click();
    void mnuFileRevision_Click();
    void Form_QueryUnload(bool& cancel);
    void Form_Unload(bool& cancel);
    // Keyboard shortcuts of the File menu.
    void SetUpFileCommands();
    // Offers the recovery copies of editors that ended without saving; a
    // recovered set opens as changed. Failures to keep this editor's own
    // copy are reported from then on.
    void OfferRecovery(Autosave& autosave);

    // ---- import and print (importprint.cpp)
    void mnuImportTabDelimited_Click();
    void mnuFilePrint_Click();
    // Undo and Redo of an import show the set they bring back, with its caption.
    void SetUpImport();

    // ---- board navigation (navigation.cpp)
    void lblCategory_Click(int index);
    void btnQuestion_Click(int index);
    void picFinalQuestion_Click();
    void btnNext_Click();
    // The category's name in the name box, storing its default name when it has none.
    void ShowCategoryName(int category);
    void txtCategoryName_Change();
    void txtCategoryName_Click();
    void txtCategoryName_GotFocus();
    void txtCategoryName_LostFocus();
    void HideArrows();
    void ResetBoardDisplay();

    // ---- question display (questiondisplay.cpp)
    void DisPlayQuestion();
    void ShowTextQuestion();
    // The board after the whole set was replaced: captions, the Daily Double
    // map, category 1 question 1 selected and shown.
    void ShowWholeBoard();
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
    void chkSpellChecker_Click();

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
    void btnDone_Click();
    void btnCancel_Click();
    void SaveMultipleChoiceAnswers();

    // ---- fonts and colours (fontscolours.cpp)
    void btnFont_Click();
    void btnFontColor_Click();
    void btnDefault_Click();
    void btnCopy_Click();

    // ---- Daily Double map (dailydouble.cpp)
    void lblCatN_Click(int category, int index); // category 1..6, index 0..4
    void chkDailyDouble_Click();
    void EnsureDailyDoubles();
    void ClearDailyDoubleMap();
    // Paints every square from its record's mark (red for a Daily Double).
    void PaintDailyDoubleMap();

    // Opens a game-set file as the editor's Open does: a failure is reported
    // with the error report and leaves the set as it was.
    // Reads the set at `path`, asking first when another editor has it open.
    // False when it was not read (a failure is reported).
    bool OpenGameSetFile(const QString& path);

    // ---- recent files (recentfiles.cpp)
    void mnuFileRecent_Click(int index);
    void AddRecentFile(const QString& path);
    // ---- check panel (checkpanel.cpp) and export (exportcommand.cpp)
    void SetUpCheckPanel();
    // Selects a finding's square and puts the cursor in the box concerned.
    void GoToFinding(const Finding& finding);
    void mnuCheckGameSet_Click();
    void SetUpExportCommand();
    void mnuExportTabDelimited_Click();
    // ---- spelling (spelling.cpp)
    // The checker behind chkSpellChecker, its language chooser and the
    // Check Spelling command, with their remembered settings.
    void SetUpSpelling();
    void cboSpellLanguage_Click();
    void mnuEditCheckSpelling_Click();
    // Shows the square of a word the spelling check found, the word selected.
    void ShowSpellingPlace(const Misspelling& word);

    // ---- undo and redo (frmEditor.cpp)
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();

    // ---- helpers shared by the areas
    Square CurrentSquare() const { return m_selection.current(); }
    const QuestionRecord& CurrentRecord() const { return m_document.record(CurrentSquare()); }
    bool IsFinalQuestion() const { return m_selection.isFinal(); }
    // A control's own Visible flag, whether or not the window is on screen.
    static bool IsShown(const QWidget* widget) { return !widget->isHidden(); }
    // The default caption of category c (1..6).
    static QString DefaultCategoryName(int category);
    // What the name box shows, locked, for the final question.
    static inline const QString FinalQuestionCaption = QStringLiteral("FINAL QUESTION");
    // picVideo with its play, pause and stop buttons.
    void SetVideoControlsVisible(bool visible);
    // The window caption from the set's file name, with the unsaved-changes mark.
    void ShowCaption();
    // Shows a message with OK only and the program's default title.
    void ShowOkMessage(const QString& text);
    // Colours of the map squares, in the game's 0x00BBGGRR form.
    static constexpr quint32 SquareMarked = 255;
    static constexpr quint32 SquareUnmarked = 0;

    // ---- window variables
    bool EditCurrentGame = false;
    QString AppTitle = QStringLiteral("Quizmora Editor"); // caption prefix
    // Starting folder of the game-set choosers; "" = the default folder.
    QString CurrentFilePath;
    QString CurrentSoundPath;
    // A recovered set shows so in the caption until it is saved.
    bool ShowingRecovered = false;
    // Set once Exit has decided to end the program, so closing the window
    // then does not ask again.
    bool ProgramEnding = false;
    // The file name last handed to the open-file chooser component; start-up
    // leaves the current game's path here (not in CurrentFileName).
    QString EditorDialogFileName;
    // The file a recovered set came from: Save asks before writing over it.
    QString RecoveredFileName;
    // The mark beside the set's file telling other editors it is open here.
    SetFileLock m_setLock;
    std::unique_ptr<MediaPlayer> MediaPlayer1; // video, shown in picVideo
    std::unique_ptr<MediaPlayer> MediaPlayer2; // sound, never shown

    Ui::frmEditor m_ui;
    GameSetDocument& m_document;
    Services& m_services;
    BoardSelection m_selection;
    CommandGuard m_guard{m_services};
    // The media commands, media folders and Pack for the Game; the finder
    // of media files the preview and the check ask.
    std::unique_ptr<MediaCommands> m_mediaCommands;
    std::array<QAction*, 8> recentFileActions{};
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuEditCheckSpelling = nullptr;
    QComboBox* cboSpellLanguage = nullptr;
    SpellChecker* m_spellChecker = nullptr; // children of the window
    SpellUnderliner* m_spellUnderliner = nullptr;

    // Control arrays, index as in their names.
    std::array<QLabel*, 6> picCategory{};
    std::array<ClickableLabel*, 6> lblCategory{};
    std::array<QPushButton*, 5> btnQuestion{};
    std::array<QLabel*, 7> lblCArrow{};        // lblC1Arrow .. lblC7Arrow
    std::array<QLabel*, 5> lblQArrow{};        // lblQ1Arrow .. lblQ5Arrow
    std::array<QLabel*, 4> lblAnswerChoices{}; // lblFirstAnswer .. lblForthAnswer
    std::array<QLineEdit*, 4> txtEditAnswer{};
    std::array<std::array<ClickableLabel*, 5>, 6> lblCat{}; // [category-1][question-1]
    QLabel* lblNameWarning = nullptr;                       // under the category name box
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
    void SelectSquare(Square square);
    void SetUpEditCommands();
    // The Help menu (About Quizmora Editor, About Qt) and the window's icon (aboutbox.cpp).
    void SetUpHelpMenu();
    // Tab order, Return, Alt+1..7, the map's arrow keys, accessible names (keyboard.cpp).
    void SetUpKeyboard();
    void SetUpRecentFiles();
    void ShowRecentFiles();
    // Media helper (media.cpp).
    void ShowMediaControls(MediaKind kind);
    // File command helpers (filecommands.cpp).
    bool SaveGameSetTo(const QString& path);
    bool SaveChangesPrompt(const QString& dialogFolder);
    bool ExitCommand();
    bool ConfirmRecoveredTarget(const QString& path);
    QString SaveToChosenFile(const QString& overwriteQuestion);
    bool SaveAsCommand();
    // Before writing over the set's own file, which another program may have
    // written since: write, choose another file, or stop.
    enum class OwnFileAnswer { Write, SaveAs, Stop };
    OwnFileAnswer ConfirmOwnFileUnchanged(const QString& path);
    bool ConfirmLockedOpen(const QString& path, const SetFileLock::Holder& holder);
    // Takes the mark of the set's current file, dropping the one held before.
    void FollowSetFileLock();
    // Multiple choice helper (multiplechoice.cpp).
    void LayOutAnswerChoices();
    // Fonts helper (fontscolours.cpp).
    void StoreCurrentLook(const QString& label, const QString& fontName, bool bold, bool italic,
                          const std::optional<QString>& fontColor);
    void SetEditorInputEnabled(bool enabled);
    // Import helpers (importprint.cpp).
    bool ConfirmImportFindings(const QList<Finding>& findings);
    QVariant ImportViewState() const;
    void RestoreImportViewState(QVariant& state);
    void SetUpTextWarnings();
    void collectControlArrays();
    void applyDesignFonts();
    void paintArtwork();
    void setToolbarIcons();
    void connectControls();
};
