// The File menu's list of the sets last opened or saved, kept in the
// editor's own settings.

#include "editor/frmEditor.h"

#include "util/pathhelpers.h"

#include <QFileInfo>

namespace {

const QString RecentFilesKey = QStringLiteral("RecentFiles");
constexpr int MostRecentFiles = 8;

} // namespace

void frmEditor::SetUpRecentFiles() {
    // Between the Revision item and Exit, with a separator of their own.
    QAction* separator = m_ui.mnuFile->insertSeparator(m_ui.mnuFileExit);
    separator->setObjectName(QStringLiteral("mnuRecentSeparator"));
    for (int index = 0; index < MostRecentFiles; ++index) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("mnuFileRecent_%1").arg(index));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index)));
        connect(action, &QAction::triggered, this, [this, index] { mnuFileRecent_Click(index); });
        m_ui.mnuFile->insertAction(separator, action);
        recentFileActions[index] = action;
    }
    ShowRecentFiles();
}

void frmEditor::ShowRecentFiles() {
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
    findChild<QAction*>(QStringLiteral("mnuRecentSeparator"))->setVisible(!files.isEmpty());
}

void frmEditor::AddRecentFile(const QString& path) {
    QStringList files = m_services.editorList(RecentFilesKey);
    files.removeAll(path);
    files.prepend(path);
    m_services.setEditorList(RecentFilesKey, files.mid(0, MostRecentFiles));
    ShowRecentFiles();
}

void frmEditor::mnuFileRecent_Click(int index) {
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
