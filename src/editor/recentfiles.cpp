// The sets the editor comes back to: the File menu's list of the sets last
// opened or saved, kept in the editor's own settings, and the unsaved work
// of editors that ended without saving.

#include "editor/filecommands.h"

#include "document/autosave.h"
#include "document/gamesetdocument.h"
#include "editor/boardselection.h"
#include "model/fileerror.h"
#include "services/services.h"
#include "util/pathhelpers.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>

namespace {

const QString RecentFilesKey = QStringLiteral("RecentFiles");
constexpr int MostRecentFiles = 8;

} // namespace

void FileCommands::SetUpRecentFiles() {
    // Between the Revision item and Exit, with a separator of their own.
    m_recentSeparator = m_controls.mnuFile->insertSeparator(m_controls.mnuFileExit);
    m_recentSeparator->setObjectName(QStringLiteral("mnuRecentSeparator"));
    for (int index = 0; index < MostRecentFiles; ++index) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("mnuFileRecent_%1").arg(index));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index)));
        connect(action, &QAction::triggered, this, [this, index] { mnuFileRecent_Click(index); });
        m_controls.mnuFile->insertAction(m_recentSeparator, action);
        recentFileActions[index] = action;
    }
    ShowRecentFiles();
}

void FileCommands::ShowRecentFiles() {
    const QStringList files = m_services.editorList(RecentFilesKey);
    for (int index = 0; index < MostRecentFiles; ++index) {
        QAction* action = recentFileActions[index];
        action->setVisible(index < files.size());
        if (index >= files.size())
            continue;
        // "&1 name" keeps the number as the menu's own key as well.
        action->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(FileNameOfPath(files[index])));
        action->setStatusTip(files[index]);
        action->setToolTip(files[index]);
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void FileCommands::AddRecentFile(const QString& path) {
    QStringList files = m_services.editorList(RecentFilesKey);
    files.removeAll(path);
    files.prepend(path);
    m_services.setEditorList(RecentFilesKey, files.mid(0, MostRecentFiles));
    ShowRecentFiles();
}

void FileCommands::mnuFileRecent_Click(int index) {
    if (m_guard.refuses())
        return;
    QStringList files = m_services.editorList(RecentFilesKey);
    const QString path = files.value(index);
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).isFile()) {
        files.removeAt(index);
        m_services.setEditorList(RecentFilesKey, files);
        ShowRecentFiles();
        ShowOkMessage(QStringLiteral("The game set \"%1\" is no longer there, so it has been "
                                     "removed from the recent files.")
                          .arg(path));
        return;
    }
    if (!SaveChangesPrompt(ChooserStartFolder(CurrentFilePath)))
        return;
    OpenChosenGameSet(path);
}

// ---- recovery after a crash

void FileCommands::OfferRecovery(Autosave& autosave) {
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
                ReportFileError(error, QStringLiteral("SaveFile"), version.originalPath);
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
        emit wholeSetShown();
        RecoveredFileName = copy.originalFileName;
        ShowingRecovered = true;
        ShowCaption();
        // This editor's own copy is on disk before the old one goes.
        autosave.writeNow();
        autosave.removeRecoveredCopy(copy);
        recovered = true;
    }
}
