// The File menu: New, Open, Save, Save As, Exit, closing the window and the
// Revision window, with their prompts, captions and error reports.

#include "editor/frmEditor.h"
#include "editor/frmRevision.h"

#include "document/autosave.h"
#include "model/gamesetfile.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLocale>
#include <QSignalBlocker>
#include <QTimer>

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

namespace {

// The platform's own keys for a command; some platforms have none for Save
// As or Quit, and then the usual ones are used.
void SetShortcut(QAction* action, QKeySequence::StandardKey key, const QKeySequence& usual) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        action->setShortcut(usual);
    else
        action->setShortcuts(keys);
}

} // namespace

void frmEditor::SetUpFileCommands() {
    SetShortcut(m_ui.mnuFileNew, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
    SetShortcut(m_ui.mnuFileOpen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    SetShortcut(m_ui.mnuFileSave, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    SetShortcut(m_ui.mnuSaveAs, QKeySequence::SaveAs,
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    SetShortcut(m_ui.mnuFilePrint, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    SetShortcut(m_ui.mnuFileExit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    // A set that replaces a recovered one has its own file; an undone or
    // redone import brings the name back with its set.
    connect(&m_document, &GameSetDocument::reset, this, [this] {
        if (!m_document.isReplaying()) {
            RecoveredFileName.clear();
            ShowingRecovered = false;
        }
        m_ui.lblChangedOnDisk->hide();
        FollowSetFileLock();
        ShowCaption();
    });
    connect(&m_document, &GameSetDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_document, &GameSetDocument::fileChangedElsewhere, this,
            &frmEditor::SetFileChangedElsewhere);
}

// "Quizmora Editor - NAME.txt" for a set with a file, "... - untitled"
// without one; "[*]" is where Qt shows the unsaved-changes mark.
void frmEditor::ShowCaption() {
    const QString name = m_document.fileName().isEmpty()
                             ? QStringLiteral("untitled")
                             : LiteralTitle(FileNameOfPath(m_document.fileName()));
    setWindowTitle(AppTitle + QStringLiteral(" - ") + name +
                   (ShowingRecovered ? QStringLiteral(" (recovered)") : QString()) +
                   QStringLiteral("[*]"));
    setWindowModified(m_document.isModified());
}

void frmEditor::FollowSetFileLock() {
    if (m_setLock.setPath() != m_document.fileName())
        m_setLock = SetFileLock(m_document.fileName());
}

bool frmEditor::ConfirmLockedOpen(const QString& path, const SetFileLock::Holder& holder) {
    return m_services.showMessage(
               QStringLiteral("%1 is open in another editor: %2, process %3 on %4.\r\nChanges "
                              "saved in one editor can be lost when the other saves.")
                   .arg(FileNameOfPath(path), holder.program, QString::number(holder.pid),
                        holder.host),
               MessageButtons::OpenAnywayCancel, MessageIcon::Exclamation,
               QString()) == MessageAnswer::OpenAnyway;
}

frmEditor::OwnFileAnswer frmEditor::ConfirmOwnFileUnchanged(const QString& path) {
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

void frmEditor::SetFileChangedElsewhere() {
    const QString path = m_document.fileName();
    // Written back as it was meanwhile: nothing to tell.
    if (!m_document.fileChangedOnDisk())
        return;
    // Not on top of another question: asked once that one is answered.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, &frmEditor::SetFileChangedElsewhere);
        return;
    }
    const QString name = FileNameOfPath(path);
    if (!m_document.isModified() && !IsShown(m_ui.fraMultipleAnswers) && QFileInfo(path).isFile() &&
        m_services.showMessage(
            QStringLiteral("%1 was changed by another program. Reload it?").arg(name),
            MessageButtons::YesNo, MessageIcon::Question, QString()) == MessageAnswer::Yes &&
        OpenChosenGameSet(path))
        return;
    // The author's version stays; the next Save asks before writing over the file.
    m_ui.lblChangedOnDisk->setText(
        (QFileInfo::exists(path)
             ? QStringLiteral("%1 was changed by another program. Your version is kept; "
                              "Save will ask first.")
             : QStringLiteral("%1 was removed or renamed. Your version is kept; Save will ask "
                              "first."))
            .arg(name));
    m_ui.lblChangedOnDisk->show();
}

// Writes the set to `path`. A failure is reported as the writer reports it,
// naming the file written, and the set stays marked as changed so nothing is
// dropped without asking.
bool frmEditor::SaveGameSetTo(const QString& path) {
    const FileError error = m_document.save(path);
    if (!error.failed()) {
        AddRecentFile(path);
        RecoveredFileName.clear();
        ShowingRecovered = false;
        m_ui.lblChangedOnDisk->hide();
        FollowSetFileLock();
        m_mediaCommands->FollowSetFolder();
        ShowCaption();
        return true;
    }
    if (error.number == ErrorNumber::PathFileAccess) {
        m_services.showMessage(
            SaveAccessErrorText() + QStringLiteral("\r\n\r\nFile: ") + path +
                (error.reason.isEmpty() ? QString() : QStringLiteral("\r\n") + error.reason),
            MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Quizmora"));
    } else {
        ShowOkMessage(ErrorReportText(ReportStyle::Colon, error, objectName(),
                                      QStringLiteral("Procedure: SaveFile"),
                                      {QStringLiteral("Filename: ") + path}));
    }
    return false;
}

// A recovered set keeps its file's name, but that file may hold other work
// by now: the first save there asks. True to write.
bool frmEditor::ConfirmRecoveredTarget(const QString& path) {
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
bool frmEditor::SaveChangesPrompt(const QString& dialogFolder) {
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
bool frmEditor::ExitCommand() {
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

    MediaPlayer1->stop();
    MediaPlayer2->stop();
    m_document.newSet();
    ResetBoardDisplay();
    return true;
}

// ---- New and Open

void frmEditor::mnuFileNew_Click() {
    if (m_guard.refuses())
        return;
    if (!SaveChangesPrompt(DefaultGameSetFolder()))
        return;

    m_document.newSet();
    ShowWholeBoard();
    {
        // A new set keeps all six names blank; the board and the name box
        // only show the default captions, so nothing is stored.
        const QSignalBlocker quiet(m_ui.txtCategoryName);
        m_ui.txtCategoryName->setText(DefaultCategoryName(1));
        for (int index = 0; index < 6; ++index)
            lblCategory[index]->setText(DefaultCategoryName(index + 1));
    }
    // Showing the new set stored nothing the author made.
    m_document.undoStack().clear();
    m_document.undoStack().setClean();
    m_ui.txtCategoryName->setFocus();
}

void frmEditor::mnuFileOpen_Click() {
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

bool frmEditor::OpenChosenGameSet(const QString& path) {
    EditorDialogFileName = path;
    // A file that cannot be read leaves the set, its caption and its
    // changes as they were: nothing of the author's is replaced by an empty board.
    if (!OpenGameSetFile(path))
        return false;
    CurrentFilePath = path;
    AddRecentFile(path);
    ShowWholeBoard();
    m_ui.txtCategoryName->setFocus();
    return true;
}

void frmEditor::ShowWholeBoard() {
    const GameSet& game = m_document.game();
    // All six captions clickable again, the first one greyed as selected.
    for (int index = 0; index < 6; ++index) {
        lblCategory[index]->setText(game.CategoryNames[index].trimmed());
        lblCategory[index]->setEnabled(index != 0);
    }
    m_selection.select({1, 1});
    // Category 1 is selected: its name box is editable even when the final
    // question was shown before.
    m_ui.txtCategoryName->setReadOnly(false);
    {
        // The name box shows category 1 without storing it back.
        const QSignalBlocker quiet(m_ui.txtCategoryName);
        m_ui.txtCategoryName->setText(game.CategoryNames[0].trimmed());
    }
    DisPlayQuestion();
    for (QPushButton* button : btnQuestion)
        button->show();
    m_ui.btnVideo->setVisible(true);
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
}

// ---- Save and Save As

// Save and Save As on a chosen name: the save dialog, the overwrite question
// when the file exists, the Daily Double rule and the write. The path
// written, or "" when the command stopped or the write failed.
QString frmEditor::SaveToChosenFile(const QString& overwriteQuestion) {
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
    EnsureDailyDoubles();
    // A file that could not be written does not become the set's file.
    if (!SaveGameSetTo(path))
        return QString();
    return path;
}

void frmEditor::mnuFileSave_Click() {
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
        EnsureDailyDoubles();
        SaveGameSetTo(m_document.fileName());
        return;
    }
    SaveToChosenFile(QStringLiteral("Filename Already Exists. Overwrite Existing File?"));
}

void frmEditor::mnuSaveAs_Click() {
    if (m_guard.refuses() || !ConfirmTextLoss())
        return;
    SaveAsCommand();
}

// Save As after its guard: true when the set was written to the chosen file.
bool frmEditor::SaveAsCommand() {
    return !SaveToChosenFile(QStringLiteral("File already exists. Select Yes to overwrite"))
                .isEmpty();
}

// ---- Exit and closing the window

void frmEditor::mnuFileExit_Click() {
    if (!ExitCommand())
        return;
    ProgramEnding = true;
    close();
    QCoreApplication::quit();
}

void frmEditor::Form_QueryUnload(bool& cancel) {
    // The close box asks as Exit does: the window closes only when Exit ends
    // the program, and stays open when the author stays.
    Form_Unload(cancel);
}

void frmEditor::Form_Unload(bool& cancel) {
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

void frmEditor::mnuFileRevision_Click() {
    // The window deletes itself when closed and enables this one again.
    auto* revision = new frmRevision(this);
    revision->show();
}

// ---- recovery after a crash

void frmEditor::OfferRecovery(Autosave& autosave) {
    connect(&autosave, &Autosave::problemChanged, this, &frmEditor::ShowRecoveryProblem);
    ShowRecoveryProblem(autosave.problem());
    // A save that ended while rewriting a set in place comes first: the set
    // itself may be broken.
    for (const KeptVersion& version : autosave.keptVersions()) {
        const MessageAnswer answer = m_services.showMessage(
            QStringLiteral("Restore the previous version of %1?\r\nThe editor ended while "
                           "saving %2; the version before that save was kept.")
                .arg(FileNameOfPath(version.originalPath),
                     QDir::toNativeSeparators(version.originalPath)),
            MessageButtons::RecoverDiscard, MessageIcon::Question, QString());
        if (answer == MessageAnswer::Discard) {
            autosave.discardKeptVersion(version);
        } else if (answer == MessageAnswer::Recover) {
            const FileError error = autosave.restoreKeptVersion(version);
            if (error.failed())
                ShowOkMessage(ErrorReportText(
                    ReportStyle::Colon, error, objectName(), QStringLiteral("Procedure: SaveFile"),
                    {QStringLiteral("Filename: ") + version.originalPath}));
        }
    }
    const QList<RecoveryCopy> copies = autosave.claimAbandonedCopies();
    bool recovered = false;
    for (const RecoveryCopy& copy : copies) {
        // The window holds one set; the other copies wait for the next start.
        if (recovered) {
            autosave.releaseCopy(copy);
            continue;
        }
        if (!copy.readable) {
            // Discard puts it aside for good; Keep offers it again next time.
            if (m_services.showMessage(
                    QStringLiteral("A recovery copy could not be read:\r\n%1\r\n\r\nDiscard "
                                   "moves it to the \"damaged\" folder beside it, where it is "
                                   "not offered again.")
                        .arg(QDir::toNativeSeparators(copy.path)),
                    MessageButtons::DiscardKeep, MessageIcon::Exclamation,
                    QString()) == MessageAnswer::Discard)
                autosave.discardCopy(copy);
            else
                autosave.releaseCopy(copy);
            continue;
        }
        const QString name = copy.originalFileName.isEmpty()
                                 ? QStringLiteral("untitled")
                                 : FileNameOfPath(copy.originalFileName);
        const QString time = QLocale().toString(copy.savedAt.toLocalTime(), QLocale::ShortFormat);
        const MessageAnswer answer = m_services.showMessage(
            QStringLiteral("Recover unsaved changes to %1 from %2?").arg(name, time),
            MessageButtons::RecoverDiscard, MessageIcon::Question, QString());
        if (answer == MessageAnswer::Discard) {
            autosave.discardCopy(copy);
            continue;
        }
        if (answer != MessageAnswer::Recover) {
            autosave.releaseCopy(copy);
            continue;
        }
        GameSet recoveredGame = copy.game;
        KeepOnOneLine(recoveredGame);
        m_document.replace(recoveredGame, copy.originalFileName, true);
        ShowWholeBoard();
        RecoveredFileName = copy.originalFileName;
        ShowingRecovered = true;
        ShowCaption();
        // This editor's own copy is on disk before the old one goes.
        autosave.writeNow();
        autosave.removeRecoveredCopy(copy);
        recovered = true;
    }
}
