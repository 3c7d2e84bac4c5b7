// The File menu: New, Open, Save, Save As, Exit, closing the window and the
// Revision window, with their prompts, captions and error reports.

#include "editor/filecommands.h"

#include "document/gamesetdocument.h"
#include "editor/boardselection.h"
#include "editor/frmRevision.h"
#include "model/fileerror.h"
#include "model/gamesetfile.h"
#include "services/services.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QUndoStack>

namespace {

const QString UnsavedChangesQuestion =
    QStringLiteral("Would you like to save the changes you made?");

QString GameSetSaveFilter() {
    return AddFilterItem(QString(), QStringLiteral("Game Sets(*.txt)"), QStringLiteral("*.txt"));
}

// "[*]" in a window title is Qt's modified-marker placeholder; a file name
// may contain it, so it is doubled to be shown as written.
QString LiteralTitle(const QString& text) {
    QString title = text;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}

} // namespace

void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key,
                         const QKeySequence& usual) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        action->setShortcut(usual);
    else
        action->setShortcuts(keys);
}

FileCommands::FileCommands(GameSetDocument& document, Services& services, const CommandGuard& guard,
                           const Controls& controls, std::function<bool()> confirmTextLoss,
                           QObject* parent)
    : QObject(parent), m_document(document), m_services(services), m_guard(guard),
      m_controls(controls), m_confirmTextLoss(std::move(confirmTextLoss)) {
    const Controls& c = m_controls;
    const auto follow = [this](QAction* action, QKeySequence::StandardKey key,
                               const QKeySequence& usual, void (FileCommands::*handler)()) {
        if (!action)
            return;
        if (key != QKeySequence::UnknownKey)
            SetStandardShortcut(action, key, usual);
        connect(action, &QAction::triggered, this, handler);
    };
    follow(c.mnuFileNew, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N),
           &FileCommands::mnuFileNew_Click);
    follow(c.mnuFileOpen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O),
           &FileCommands::mnuFileOpen_Click);
    follow(c.mnuFileSave, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S),
           &FileCommands::mnuFileSave_Click);
    follow(c.mnuSaveAs, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
           &FileCommands::mnuSaveAs_Click);
    follow(c.mnuFileExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q),
           &FileCommands::mnuFileExit_Click);
    // The toolbar's buttons stand for the menu's commands, without keys of their own.
    follow(c.btnNewFile, QKeySequence::UnknownKey, {}, &FileCommands::mnuFileNew_Click);
    follow(c.btnFileOpen, QKeySequence::UnknownKey, {}, &FileCommands::mnuFileOpen_Click);
    follow(c.btnSave, QKeySequence::UnknownKey, {}, &FileCommands::mnuFileSave_Click);
    follow(c.btnSaveAs, QKeySequence::UnknownKey, {}, &FileCommands::mnuSaveAs_Click);
    follow(c.mnuFileRevision, QKeySequence::UnknownKey, {}, &FileCommands::mnuFileRevision_Click);

    // A set that replaces a recovered one has its own file; an undone or
    // redone import brings the name back with its set.
    connect(&m_document, &GameSetDocument::reset, this, [this] {
        if (!m_document.isReplaying()) {
            RecoveredFileName.clear();
            ShowingRecovered = false;
        }
        m_controls.lblChangedOnDisk->hide();
        FollowSetFileLock();
        ShowCaption();
    });
    connect(&m_document, &GameSetDocument::modifiedChanged, c.window, &QWidget::setWindowModified);
    connect(&m_document, &GameSetDocument::fileChangedElsewhere, this,
            &FileCommands::SetFileChangedElsewhere);
    connect(&m_document, &GameSetDocument::wholeSetSwapped, this,
            &FileCommands::RestoreImportViewState);
    SetUpRecentFiles();
}

// "Quizmora Editor - NAME.txt" for a set with a file, "... - untitled"
// without one; "[*]" is where Qt shows the unsaved-changes mark.
void FileCommands::ShowCaption() {
    const QString name = m_document.fileName().isEmpty()
                             ? QStringLiteral("untitled")
                             : LiteralTitle(FileNameOfPath(m_document.fileName()));
    m_controls.window->setWindowTitle(
        AppTitle + QStringLiteral(" - ") + name +
        (ShowingRecovered ? QStringLiteral(" (recovered)") : QString()) + QStringLiteral("[*]"));
    m_controls.window->setWindowModified(m_document.isModified());
}

QVariant FileCommands::ImportViewState() const {
    return QVariantList{RecoveredFileName, ShowingRecovered};
}

// Puts `state` back and leaves the state of the set going away in its place.
void FileCommands::RestoreImportViewState(QVariant& state) {
    const QVariant leaving = ImportViewState();
    const QVariantList values = state.toList();
    if (values.size() == 2) {
        RecoveredFileName = values.at(0).toString();
        ShowingRecovered = values.at(1).toBool();
    }
    state = leaving;
    ShowCaption();
}

void FileCommands::FollowSetFileLock() {
    if (m_setLock.setPath() != m_document.fileName())
        m_setLock = SetFileLock(m_document.fileName());
}

bool FileCommands::ConfirmTextLoss() {
    return !m_confirmTextLoss || m_confirmTextLoss();
}

void FileCommands::ShowOkMessage(const QString& text) {
    m_services.showMessage(text, MessageButtons::Ok, MessageIcon::None, QString());
}

void FileCommands::ReportFileError(const FileError& error, const QString& procedure,
                                   const QString& path) {
    ShowOkMessage(ErrorReportText(ReportStyle::Colon, error, m_controls.window->objectName(),
                                  QStringLiteral("Procedure: ") + procedure,
                                  {QStringLiteral("Filename: ") + path}));
}

bool FileCommands::ConfirmLockedOpen(const QString& path, const SetFileLock::Holder& holder) {
    return m_services.showMessage(
               QStringLiteral("%1 is open in another editor: %2, process %3 on %4.\r\nChanges "
                              "saved in one editor can be lost when the other saves.")
                   .arg(FileNameOfPath(path), holder.program, QString::number(holder.pid),
                        holder.host),
               MessageButtons::OpenAnywayCancel, MessageIcon::Exclamation,
               QString()) == MessageAnswer::OpenAnyway;
}

FileCommands::OwnFileAnswer FileCommands::ConfirmOwnFileUnchanged(const QString& path) {
    if (m_document.fileName().isEmpty() || !SameFile(path, m_document.fileName()) ||
        !m_document.fileChangedOnDisk())
        return OwnFileAnswer::Write;
    switch (m_services.showMessage(
        QStringLiteral("%1 was changed by another program since you opened it.")
            .arg(FileNameOfPath(path)),
        MessageButtons::SaveAnywaySaveAsCancel, MessageIcon::Exclamation, QString())) {
    case MessageAnswer::SaveAnyway:
        return OwnFileAnswer::Write;
    case MessageAnswer::SaveAs:
        return OwnFileAnswer::SaveAs;
    default:
        return OwnFileAnswer::Stop;
    }
}

void FileCommands::SetFileChangedElsewhere() {
    const QString path = m_document.fileName();
    // Written back as it was meanwhile: nothing to tell.
    if (!m_document.fileChangedOnDisk())
        return;
    // Not on top of another question: asked once that one is answered.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, &FileCommands::SetFileChangedElsewhere);
        return;
    }
    const QString name = FileNameOfPath(path);
    if (!m_document.isModified() && !m_guard.blocks() && QFileInfo(path).isFile() &&
        m_services.showMessage(
            QStringLiteral("%1 was changed by another program. Reload it?").arg(name),
            MessageButtons::YesNo, MessageIcon::Question, QString()) == MessageAnswer::Yes &&
        OpenChosenGameSet(path))
        return;
    // The author's version stays; the next Save asks before writing over the file.
    m_controls.lblChangedOnDisk->setText(
        (QFileInfo::exists(path)
             ? QStringLiteral("%1 was changed by another program. Your version is kept; "
                              "Save will ask first.")
             : QStringLiteral("%1 was removed or renamed. Your version is kept; Save will ask "
                              "first."))
            .arg(name));
    m_controls.lblChangedOnDisk->show();
}

// Writes the set to `path`. A failure is reported as the writer reports it,
// naming the file written, and the set stays marked as changed so nothing is
// dropped without asking.
bool FileCommands::SaveGameSetTo(const QString& path) {
    const FileError error = m_document.save(path);
    if (!error.failed()) {
        AddRecentFile(path);
        RecoveredFileName.clear();
        ShowingRecovered = false;
        m_controls.lblChangedOnDisk->hide();
        FollowSetFileLock();
        emit setSaved();
        ShowCaption();
        return true;
    }
    if (error.number == ErrorNumber::PathFileAccess) {
        m_services.showMessage(
            SaveAccessErrorText() + QStringLiteral("\r\n\r\nFile: ") + path +
                (error.reason.isEmpty() ? QString() : QStringLiteral("\r\n") + error.reason),
            MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Quizmora"));
    } else {
        ReportFileError(error, QStringLiteral("SaveFile"), path);
    }
    return false;
}

// A recovered set keeps its file's name, but that file may hold other work
// by now: the first save there asks. True to write.
bool FileCommands::ConfirmRecoveredTarget(const QString& path) {
    if (RecoveredFileName.isEmpty() || path != RecoveredFileName)
        return true;
    return m_services.showMessage(
               QStringLiteral("These changes were recovered after the editor ended without "
                              "saving them.\r\nSave them over %1?")
                   .arg(QDir::toNativeSeparators(path)),
               MessageButtons::YesNo, MessageIcon::Question, QString()) == MessageAnswer::Yes;
}

// The unsaved-changes question of New and Open. True to go on with the
// command, false to stop it.
bool FileCommands::SaveChangesPrompt(const QString& dialogFolder) {
    if (!m_document.isModified())
        return true;
    const MessageAnswer answer = m_services.showMessage(
        UnsavedChangesQuestion, MessageButtons::YesNoCancel, MessageIcon::None, QString());
    if (answer == MessageAnswer::No)
        return true;
    if (answer != MessageAnswer::Yes || !ConfirmTextLoss())
        return false;

    QString path = m_document.fileName();
    if (path.isEmpty()) {
        path = m_services.getSaveFileName(dialogFolder, GameSetSaveFilter(), QString());
        if (path.isEmpty())
            return false;
    } else if (!ConfirmRecoveredTarget(path)) {
        return false;
    } else {
        switch (ConfirmOwnFileUnchanged(path)) {
        case OwnFileAnswer::Stop:
            return false;
        case OwnFileAnswer::SaveAs:
            if (!SaveAsCommand())
                return false;
            CurrentFilePath = FolderOfPath(m_document.fileName());
            return true;
        case OwnFileAnswer::Write:
            break;
        }
    }
    // A failed save has been reported; going on would drop the changes.
    if (!SaveGameSetTo(path))
        return false;
    CurrentFilePath = FolderOfPath(path);
    return true;
}

// Exit's question and clean-up. True when the program is to end, false
// when the author stays in the editor.
bool FileCommands::ExitCommand() {
    if (m_document.isModified()) {
        const MessageAnswer answer = m_services.showMessage(
            UnsavedChangesQuestion, MessageButtons::YesNoCancel, MessageIcon::None, QString());
        if (answer == MessageAnswer::Yes) {
            if (!ConfirmTextLoss())
                return false;
            // The save dialog's name buffer holds 256 characters.
            const QString path =
                m_services.getSaveFileName(ChooserStartFolder(CurrentFilePath), GameSetSaveFilter(),
                                           m_document.fileName().left(256));
            if (path.isEmpty())
                return false;
            const OwnFileAnswer own = ConfirmOwnFileUnchanged(path);
            if (own == OwnFileAnswer::Stop || (own == OwnFileAnswer::SaveAs && !SaveAsCommand()))
                return false;
            // The failure has been reported; the author stays with the changes.
            if (own == OwnFileAnswer::Write && !SaveGameSetTo(path))
                return false;
        } else if (answer != MessageAnswer::No) {
            return false;
        }
    }

    emit leavingSet();
    m_document.newSet();
    emit setClosed();
    return true;
}

// ---- New and Open

void FileCommands::mnuFileNew_Click() {
    if (m_guard.refuses())
        return;
    if (!SaveChangesPrompt(DefaultGameSetFolder()))
        return;

    m_document.newSet();
    emit wholeSetShown();
    emit newSetShown();
    // Showing the new set stored nothing the author made.
    m_document.undoStack().clear();
    m_document.undoStack().setClean();
    emit boardFocusWanted();
}

void FileCommands::mnuFileOpen_Click() {
    if (m_guard.refuses())
        return;
    if (!SaveChangesPrompt(ChooserStartFolder(CurrentFilePath)))
        return;

    EditorDialogFileName.clear();
    const QString path = m_services.getOpenFileName(ChooserStartFolder(CurrentFilePath),
                                                    QStringLiteral("Game Sets(*.txt)|*.txt"));
    if (path.isEmpty())
        return;
    OpenChosenGameSet(path);
}

bool FileCommands::OpenChosenGameSet(const QString& path) {
    EditorDialogFileName = path;
    // A file that cannot be read leaves the set, its caption and its
    // changes as they were: nothing of the author's is replaced by an empty board.
    if (!OpenGameSetFile(path))
        return false;
    CurrentFilePath = path;
    AddRecentFile(path);
    emit wholeSetShown();
    emit boardFocusWanted();
    return true;
}

bool FileCommands::LoadCurrentGame() {
    const QString game = m_services.readSetting(QStringLiteral("Game"), QStringLiteral("0"));
    const QString trimmed = TrimSpaces(game);
    if (trimmed.isEmpty() || trimmed == QLatin1String("0") || !FileExists(game))
        return false;
    EditorDialogFileName = game;
    return OpenGameSetFile(game);
}

bool FileCommands::OpenGameSetFile(const QString& path) {
    // A file that is clearly no game set would be replaced by a board at the
    // next Save: the author decides first.
    const QStringList reasons = NotAGameSet(path);
    if (!reasons.isEmpty() &&
        m_services.showMessage(QStringLiteral("%1 does not look like a game set:\r\n\r\n%2\r\n\r\n"
                                              "Saving it would replace it with a board.")
                                   .arg(FileNameOfPath(path), reasons.join(QStringLiteral("\r\n"))),
                               MessageButtons::OpenAnywayCancel, MessageIcon::Exclamation,
                               QString()) != MessageAnswer::OpenAnyway)
        return false;
    // The set's new mark is taken before reading; the old one goes only
    // once the new set is in. Opening the set already open (a reload) asks
    // nothing more.
    const bool sameSet = !m_setLock.setPath().isEmpty() && SameFile(m_setLock.setPath(), path);
    const bool alreadyOurs = sameSet && m_setLock.state() == SetFileLock::State::Held;
    SetFileLock other;
    if (!alreadyOurs) {
        other = SetFileLock(path);
        if (other.state() == SetFileLock::State::HeldElsewhere && !sameSet &&
            !ConfirmLockedOpen(path, other.holder()))
            return false;
        std::swap(m_setLock, other);
    }
    const FileError error = m_document.open(path);
    if (!error.failed())
        return true;
    if (!alreadyOurs)
        std::swap(m_setLock, other);
    ReportFileError(error, QStringLiteral("OpenFile"), path);
    return false;
}

// ---- Save and Save As

// Save and Save As on a chosen name: the save dialog, the overwrite question
// when the file exists, the Daily Double rule and the write. The path
// written, or "" when the command stopped or the write failed.
QString FileCommands::SaveToChosenFile(const QString& overwriteQuestion) {
    QString path;
    for (;;) {
        path = m_services.getSaveFileName(ChooserStartFolder(CurrentFilePath), GameSetSaveFilter(),
                                          QString());
        if (path.isEmpty())
            return QString();
        if (FileExists(path) &&
            m_services.showMessage(overwriteQuestion, MessageButtons::YesNo, MessageIcon::None,
                                   QString()) != MessageAnswer::Yes)
            return QString();
        // The set's own file, chosen again, may hold another program's work by now.
        const OwnFileAnswer own = ConfirmOwnFileUnchanged(path);
        if (own == OwnFileAnswer::Stop)
            return QString();
        if (own == OwnFileAnswer::Write)
            break;
    }
    emit savingSet();
    // A file that could not be written does not become the set's file.
    if (!SaveGameSetTo(path))
        return QString();
    return path;
}

void FileCommands::mnuFileSave_Click() {
    if (m_guard.refuses() || !ConfirmTextLoss())
        return;
    if (!TrimSpaces(m_document.fileName()).isEmpty()) {
        if (!ConfirmRecoveredTarget(m_document.fileName()))
            return;
        switch (ConfirmOwnFileUnchanged(m_document.fileName())) {
        case OwnFileAnswer::Stop:
            return;
        case OwnFileAnswer::SaveAs:
            SaveAsCommand();
            return;
        case OwnFileAnswer::Write:
            break;
        }
        emit savingSet();
        SaveGameSetTo(m_document.fileName());
        return;
    }
    SaveToChosenFile(QStringLiteral("Filename Already Exists. Overwrite Existing File?"));
}

void FileCommands::mnuSaveAs_Click() {
    if (m_guard.refuses() || !ConfirmTextLoss())
        return;
    SaveAsCommand();
}

// Save As after its guard: true when the set was written to the chosen file.
bool FileCommands::SaveAsCommand() {
    return !SaveToChosenFile(QStringLiteral("File already exists. Select Yes to overwrite"))
                .isEmpty();
}

// ---- Exit and closing the window

void FileCommands::mnuFileExit_Click() {
    if (!ExitCommand())
        return;
    ProgramEnding = true;
    m_controls.window->close();
    QCoreApplication::quit();
}

void FileCommands::Form_QueryUnload(bool& cancel) {
    // The close box asks as Exit does: the window closes only when Exit ends
    // the program, and stays open when the author stays.
    Form_Unload(cancel);
}

void FileCommands::Form_Unload(bool& cancel) {
    if (ProgramEnding)
        return;
    if (ExitCommand()) {
        ProgramEnding = true;
        QCoreApplication::quit();
    } else {
        cancel = true;
    }
}

// ---- Revision

void FileCommands::mnuFileRevision_Click() {
    // The window deletes itself when closed and enables the editor again.
    auto* revision = new frmRevision(m_controls.window);
    revision->show();
}
