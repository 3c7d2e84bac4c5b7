// Import of a spreadsheet's tab-delimited export, and the print command.

#include "editor/frmEditor.h"

#include "import/tabimport.h"
#include "print/frmEditorPrintOptions.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QFileInfo>
#include <QSignalBlocker>

// Takes the editor's input away, or gives it back, without disabling the
// window itself: the choosers and message boxes the print dialog opens are
// children of the editor and would be disabled along with it.
void frmEditor::SetEditorInputEnabled(bool enabled) {
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isWindow())
            child->setEnabled(enabled);
    }
}

void frmEditor::mnuImportTabDelimited_Click() {
    if (MultipleChoiceGuard())
        return;
    // The import reads into a set of its own: a cancelled chooser or a file
    // that cannot be imported leaves the author's board as it was.
    // The chooser starts in the folder of the open game set, where the
    // spreadsheet of a board is most likely kept; else in the default folder.
    // Spreadsheets save their text exports as .csv, .tsv or .tab as often as .txt.
    const QString path = m_services.getOpenFileName(
        ChooserStartFolder(FolderOfPath(CurrentFilePath)),
        QStringLiteral("(*.txt)|*.txt|Spreadsheet text|*.tsv;*.tab;*.csv|All files|*"));
    if (path.isEmpty())
        return;

    GameSet imported = m_document.game();
    ResetGameSet(imported);
    int line = 0;
    const FileError error = ImportTabDelimitedFile(imported, path, &line);
    if (error.number == ErrorNumber::FileNotFound) {
        ShowOkMessage(QStringLiteral("File not found:\r\n") + path);
        return;
    }
    if (error.failed()) {
        QStringList where{QStringLiteral("Filename: ") + path};
        if (line > 0)
            where << QStringLiteral("Line: ") + QString::number(line);
        ShowOkMessage(ErrorReportText(ReportStyle::Period, error, objectName(),
                                      QStringLiteral("Prodecure: Import Excel Tab Delimited File"),
                                      where));
        return;
    }

    // The imported board is a new set that has not been saved anywhere: Save
    // asks for a name, and New and Exit ask before dropping it.
    m_document.replace(imported, QString(), true);
    ShowWholeBoard();
}

void frmEditor::mnuFilePrint_Click() {
    // A dialog hidden after a failed printout is still loaded and keeps its
    // choices; one dismissed with Cancel is gone.
    auto* dialog = findChild<frmEditorPrintOptions*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new frmEditorPrintOptions(
            m_services, m_document,
            [this] {
                SetEditorInputEnabled(true);
                activateWindow();
            },
            this);
    }
    SetEditorInputEnabled(false);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
