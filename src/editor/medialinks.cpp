// Media that travels between this computer and the game's: the pairs of
// media folders, the window's finder of media files, and Find Missing Media.

#include "editor/checkpanel.h"
#include "editor/frmEditor.h"
#include "editor/mediafoldersdialog.h"
#include "editor/missingmediadialog.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>

void frmEditor::SetUpMediaLinks() {
    m_mediaLocator.setFolders(MediaFolders(SavedMediaFolders()));

    auto* folders = new QAction(tr("Media &Folders..."), this);
    folders->setObjectName(QStringLiteral("mnuMediaFolders"));
    m_ui.mnuEdit->addSeparator();
    m_ui.mnuEdit->addAction(folders);
    connect(folders, &QAction::triggered, this, &frmEditor::mnuMediaFolders_Click);

    auto* missing = new QAction(tr("Find &Missing Media..."), this);
    missing->setObjectName(QStringLiteral("mnuFindMissingMedia"));
    // With the other commands on the whole set, after Print.
    const QList<QAction*> fileCommands = m_ui.mnuFile->actions();
    const qsizetype print = fileCommands.indexOf(m_ui.mnuFilePrint);
    m_ui.mnuFile->insertAction(fileCommands.value(print + 1), missing);
    connect(missing, &QAction::triggered, this, &frmEditor::mnuFindMissingMedia_Click);
}

namespace {

QString FolderOfSet(const QString& file) {
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

} // namespace

const MediaLocator& frmEditor::MediaFiles() {
    // Follows the set's file through Open, New, Save As and Import.
    m_mediaLocator.setSetFolder(FolderOfSet(m_document.fileName()));
    return m_mediaLocator;
}

void frmEditor::FollowSetFolder() {
    // Saved into another folder, the set has other media beside it.
    if (FolderOfSet(m_document.fileName()) != m_mediaLocator.setFolder())
        MediaPlacesChanged();
}

QString frmEditor::LocateMedia(const QString& storedPath) {
    return MediaFiles().locate(storedPath);
}

QString frmEditor::GamePathOf(const QString& localPath) const {
    return m_mediaLocator.folders().gamePath(localPath).value_or(localPath);
}

void frmEditor::MediaPlacesChanged() {
    MediaFiles().forget();
    if (auto* panel = findChild<CheckPanel*>(QString(), Qt::FindDirectChildrenOnly))
        panel->markAll();
    // A medium of the shown question found or lost is shown so at once.
    if (MediaKindOfRecord(CurrentRecord()) != MediaKind::None && !IsShown(m_ui.fraMultipleAnswers))
        DisPlayQuestion();
}

void frmEditor::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Back from the file manager, where media may have been copied or moved.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isHidden()) {
        MediaFiles().forget();
        if (auto* panel = findChild<CheckPanel*>(QString(), Qt::FindDirectChildrenOnly))
            panel->markAll();
        if (lblMediaNotFound && IsShown(lblMediaNotFound) &&
            !LocateMedia(MediaPathOfRecord(CurrentRecord())).isEmpty())
            DisPlayQuestion();
    }
}

void frmEditor::mnuMediaFolders_Click() {
    if (m_guard.refuses())
        return;
    auto* dialog =
        new MediaFoldersDialog(m_services, m_mediaLocator.folders().pairs(), WineDrivePair(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        SaveMediaFolders(dialog->pairs());
        m_mediaLocator.setFolders(MediaFolders(dialog->pairs()));
        MediaPlacesChanged();
    });
    dialog->open();
}

void frmEditor::mnuFindMissingMedia_Click() {
    if (m_guard.refuses())
        return;
    // Looked for anew: files may have come or gone since they were last shown.
    MediaFiles().forget();
    auto* dialog = new MissingMediaDialog(m_document, MediaFiles(), m_services, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
