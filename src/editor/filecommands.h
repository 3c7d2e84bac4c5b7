#pragma once

#include "document/setfilelock.h"

#include <QKeySequence>
#include <QObject>
#include <QVariant>
#include <array>
#include <functional>

class Autosave;
class CommandGuard;
class GameSetDocument;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class Services;
struct FileError;

// The platform's own keys for a command; some platforms have none for Save
// As or Quit, and then `usual` is used.
void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const QKeySequence& usual);

// The File menu: New, Open, the recent files, Save, Save As, Exit and the
// Revision window, with their prompts, the window's caption, the mark that
// tells other editors the set is open here, the set's file changing on disk
// and the recovery of unsaved work. What the rest of the window does after
// a command (the board redrawn, the players stopped) it is told by signals.
class FileCommands : public QObject {
    Q_OBJECT

public:
    // The controls the commands own. The window, the menu and the notice are
    // needed; an action left null is not connected.
    struct Controls {
        QWidget* window = nullptr; // its caption; the Revision window disables it
        QMenu* mnuFile = nullptr;  // the recent files go in above mnuFileExit
        QLabel* lblChangedOnDisk = nullptr;
        QAction* mnuFileNew = nullptr;
        QAction* btnNewFile = nullptr;
        QAction* mnuFileOpen = nullptr;
        QAction* btnFileOpen = nullptr;
        QAction* mnuFileSave = nullptr;
        QAction* btnSave = nullptr;
        QAction* mnuSaveAs = nullptr;
        QAction* btnSaveAs = nullptr;
        QAction* mnuFileRevision = nullptr;
        QAction* mnuFileExit = nullptr;
    };

    // `confirmTextLoss` asks before a save that would change the author's
    // text: true to write. Without one every save writes.
    FileCommands(GameSetDocument& document, Services& services, const CommandGuard& guard,
                 const Controls& controls, std::function<bool()> confirmTextLoss,
                 QObject* parent = nullptr);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileRecent_Click(int index);
    void mnuFileSave_Click();
    void mnuSaveAs_Click();
    void mnuFileExit_Click();
    void mnuFileRevision_Click();
    // The close box asks as Exit does; `cancel` keeps the window open.
    void Form_QueryUnload(bool& cancel);
    void Form_Unload(bool& cancel);

    // What Open does once a file was chosen; start-up uses it for a file named on the command line.
    bool OpenChosenGameSet(const QString& path);
    // Reads the set at `path`, asking first when it does not look like a
    // game set or another editor has it open. False when it was not read (a
    // failure is reported) and the set stays as it was.
    bool OpenGameSetFile(const QString& path);
    // The game's current set, named in the game's settings; false when there is none to read.
    bool LoadCurrentGame();
    // The set's file changed on disk: reloads it when the author agrees and
    // has nothing unsaved, and otherwise says so above the question panel.
    void SetFileChangedElsewhere();
    // Offers the recovery copies of editors that ended without saving; a
    // recovered set opens as changed.
    void OfferRecovery(Autosave& autosave);
    void AddRecentFile(const QString& path);
    // The window caption from the set's file name, with the unsaved-changes mark.
    void ShowCaption();
    // What the commands keep of a set beside the set itself (the file a
    // recovered set came from, the caption's "recovered"), for an undoable
    // Import to bring back with its set.
    QVariant ImportViewState() const;

    QString AppTitle = QStringLiteral("Quizmora Editor"); // caption prefix
    // Starting folder of the game-set choosers; "" = the default folder.
    QString CurrentFilePath;
    // The file name last handed to the open-file chooser; start-up leaves
    // the current game's path here.
    QString EditorDialogFileName;
    // A recovered set shows so in the caption until it is saved.
    bool ShowingRecovered = false;
    // Set once Exit has decided to end the program, so closing the window
    // then does not ask again.
    bool ProgramEnding = false;
    // The file a recovered set came from: Save asks before writing over it.
    QString RecoveredFileName;
    // The mark beside the set's file telling other editors it is open here.
    SetFileLock m_setLock;
    std::array<QAction*, 8> recentFileActions{};

signals:
    // A whole other set is in (New, Open, a reload, a recovery): the board
    // shows it from its first square.
    void wholeSetShown();
    // After New: the board's captions show the default names the set does not store.
    void newSetShown();
    // After New and Open: typing goes into the board.
    void boardFocusWanted();
    // Save and Save As are about to write: the Daily Doubles the game needs are placed.
    void savingSet();
    // Saved, maybe under another folder: media are found from there.
    void setSaved();
    // Exit is about to close the set (the players stop), then has closed it
    // (the board is emptied).
    void leavingSet();
    void setClosed();

private:
    // Before writing over the set's own file, which another program may have
    // written since: write, choose another file, or stop.
    enum class OwnFileAnswer { Write, SaveAs, Stop };
    OwnFileAnswer ConfirmOwnFileUnchanged(const QString& path);
    bool ConfirmLockedOpen(const QString& path, const SetFileLock::Holder& holder);
    bool ConfirmRecoveredTarget(const QString& path);
    bool ConfirmTextLoss();
    // Takes the mark of the set's current file, dropping the one held before.
    void FollowSetFileLock();
    bool SaveGameSetTo(const QString& path);
    bool SaveChangesPrompt(const QString& dialogFolder);
    QString SaveToChosenFile(const QString& overwriteQuestion);
    bool SaveAsCommand();
    bool ExitCommand();
    void RestoreImportViewState(QVariant& state);
    void SetUpRecentFiles();
    void ShowRecentFiles();
    void ShowOkMessage(const QString& text);
    void ReportFileError(const FileError& error, const QString& procedure, const QString& path);

    GameSetDocument& m_document;
    Services& m_services;
    const CommandGuard& m_guard;
    Controls m_controls;
    std::function<bool()> m_confirmTextLoss;
    QAction* m_recentSeparator = nullptr;
};
