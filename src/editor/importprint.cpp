// Import of a spreadsheet's tab-delimited export, and the print command.

#include "editor/frmEditor.h"

#include "import/tabimport.h"
#include "services/modules.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QDialog>
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
    if (m_guard.refuses())
        return;
    // The import reads into a set of its own: a cancelled chooser or a file
    // that cannot be imported leaves the author's board as it was.
    // The chooser starts in the folder of the open game set, where the
    // spreadsheet of a board is most likely kept; else in the default folder.
    // Spreadsheets save their text exports as .csv, .tsv or .tab as often as .txt.
    const QString path = m_services.getOpenFileName(
        ChooserStartFolder(FolderOfPath(m_fileCommands->CurrentFilePath)),
        QStringLiteral("(*.txt)|*.txt|Spreadsheet text|*.tsv;*.tab;*.csv|All files|*"));
    if (path.isEmpty())
        return;

    GameSet start = m_document.game();
    ResetGameSet(start);
    const TabImport imported = ImportTabDelimitedCheckedFile(start, path);
    const FileError& error = imported.error;
    if (error.number == ErrorNumber::FileNotFound) {
        ShowOkMessage(QStringLiteral("File not found:\r\n") + path);
        return;
    }
    if (error.failed()) {
        QStringList where{QStringLiteral("Filename: ") + path};
        if (imported.errorLine > 0)
            where << QStringLiteral("Line: ") + QString::number(imported.errorLine);
        ShowOkMessage(ErrorReportText(ReportStyle::Period, error, objectName(),
                                      QStringLiteral("Prodecure: Import Excel Tab Delimited File"),
                                      where));
        return;
    }
    if (!imported.findings.isEmpty() && !ConfirmImportFindings(imported.findings))
        return;

    // The imported board is a new set that has not been saved anywhere: Save
    // asks for a name, and New and Exit ask before dropping it. One Undo
    // brings back the board it replaced.
    m_document.replaceUndoably(imported.game, tr("Import"), m_fileCommands->ImportViewState());
    ShowWholeBoard();
}

// The list of what does not fit, and the question whether to import all the same.
bool frmEditor::ConfirmImportFindings(const QList<Finding>& findings) {
    // A badly shifted file can give a finding for nearly every field.
    constexpr qsizetype Shown = 12;
    QStringList lines;
    for (const Finding& finding : findings.mid(0, Shown))
        lines << (finding.line > 0 ? QStringLiteral("Row %1: ").arg(finding.line) : QString()) +
                     finding.message;
    if (findings.size() > Shown)
        lines << QStringLiteral("... and %1 more").arg(findings.size() - Shown);
    const QString text =
        QStringLiteral("This file does not fit the board as expected:\r\n\r\n") +
        lines.join(QStringLiteral("\r\n")) +
        QStringLiteral("\r\n\r\nImport it anyway? Undo brings back the current board.");
    return m_services.showMessage(text, MessageButtons::ImportAnywayCancel,
                                  MessageIcon::Exclamation,
                                  QString()) == MessageAnswer::ImportAnyway;
}

void frmEditor::SetUpImport() {
    // The file commands have put back what they keep of the set by then.
    connect(&m_document, &GameSetDocument::wholeSetSwapped, this, &frmEditor::ShowWholeBoard);
}

void frmEditor::mnuFilePrint_Click() {
    // A dialog hidden after a failed printout is still loaded and keeps its
    // choices; one dismissed with Cancel is gone.
    auto* dialog =
        findChild<QDialog*>(QStringLiteral("frmEditorPrintOptions"), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        QString error;
        const auto create = LoadModuleFunction<decltype(qz_create_print_options)>(
            Modules::Print, "qz_create_print_options", ModuleFolders(), error);
        if (!create) {
            m_services.showMessage(QStringLiteral("Printing cannot be used: a part of the program "
                                                  "that it needs could not be loaded.\r\n\r\n") +
                                       error,
                                   MessageButtons::Ok, MessageIcon::Critical, QString());
            return;
        }
        dialog = create(
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
