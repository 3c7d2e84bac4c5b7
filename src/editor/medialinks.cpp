// Media that travels between this computer and the game's: the pairs of
// media folders, the window's finder of media files, and Find Missing Media.

#include "editor/mediacommands.h"

#include "document/gamesetdocument.h"
#include "editor/mediafoldersdialog.h"
#include "editor/missingmediadialog.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

void MediaCommands::SetUpMediaLinks() {
    m_mediaLocator.setFolders(MediaFolders(SavedMediaFolders()));

    auto* folders = new QAction(tr("Media &Folders..."), m_controls.window);
    folders->setObjectName(QStringLiteral("mnuMediaFolders"));
    m_controls.mnuEdit->addSeparator();
    m_controls.mnuEdit->addAction(folders);
    connect(folders, &QAction::triggered, this, &MediaCommands::mnuMediaFolders_Click);

    auto* missing = new QAction(tr("Find &Missing Media..."), m_controls.window);
    missing->setObjectName(QStringLiteral("mnuFindMissingMedia"));
    // With the other commands on the whole set, after Print.
    const QList<QAction*> fileCommands = m_controls.mnuFile->actions();
    const qsizetype print = fileCommands.indexOf(m_controls.mnuFilePrint);
    m_controls.mnuFile->insertAction(fileCommands.value(print + 1), missing);
    connect(missing, &QAction::triggered, this, &MediaCommands::mnuFindMissingMedia_Click);
}

namespace {

QString FolderOfSet(const QString& file) {
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

} // namespace

const MediaLocator& MediaCommands::MediaFiles() {
    // Follows the set's file through Open, New, Save As and Import.
    m_mediaLocator.setSetFolder(FolderOfSet(m_document.fileName()));
    return m_mediaLocator;
}

void MediaCommands::FollowSetFolder() {
    // Saved into another folder, the set has other media beside it.
    if (FolderOfSet(m_document.fileName()) != m_mediaLocator.setFolder())
        MediaPlacesChanged();
}

QString MediaCommands::LocateMedia(const QString& storedPath) {
    return MediaFiles().locate(storedPath);
}

QString MediaCommands::GamePathOf(const QString& localPath) const {
    return m_mediaLocator.folders().gamePath(localPath).value_or(localPath);
}

void MediaCommands::MediaPlacesChanged() {
    MediaFiles().forget();
    emit mediaPlacesChanged();
}

void MediaCommands::mnuMediaFolders_Click() {
    if (m_guard.refuses())
        return;
    auto* dialog = new MediaFoldersDialog(m_services, m_mediaLocator.folders().pairs(),
                                          WineDrivePair(), m_controls.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        SaveMediaFolders(dialog->pairs());
        m_mediaLocator.setFolders(MediaFolders(dialog->pairs()));
        MediaPlacesChanged();
    });
    dialog->open();
}

void MediaCommands::mnuFindMissingMedia_Click() {
    if (m_guard.refuses())
        return;
    // Looked for anew: files may have come or gone since they were last shown.
    MediaFiles().forget();
    auto* dialog = new MissingMediaDialog(m_document, MediaFiles(), m_services, m_controls.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
