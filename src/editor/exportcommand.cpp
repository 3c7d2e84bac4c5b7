// File > Export > Tab Delimited Excel File: the board as a spreadsheet's rows.

#include "editor/frmEditor.h"

#include "import/tabexport.h"
#include "util/pathhelpers.h"

#include <QFileInfo>
#include <QMenu>

namespace {

// How many changed texts the report names before it only counts the rest.
constexpr int ChangesNamed = 12;

} // namespace

void frmEditor::SetUpExportCommand() {
    auto* menu = new QMenu(tr("&Export"), m_ui.mnuFile);
    menu->setObjectName(QStringLiteral("mnuExport"));
    QAction* command = menu->addAction(tr("Tab Delimited Excel File"));
    command->setObjectName(QStringLiteral("mnuExportTabDelimited"));
    // With the other ways of writing the set out, before Print.
    m_ui.mnuFile->insertMenu(m_ui.mnuFilePrint, menu);
    connect(command, &QAction::triggered, this, &frmEditor::mnuExportTabDelimited_Click);
}

void frmEditor::mnuExportTabDelimited_Click() {
    if (m_guard.refuses())
        return;
    // The two filters stand for the two encodings; the first is what older
    // spreadsheets read without asking.
    QString filter = AddFilterItem(QString(), QStringLiteral("Tab delimited, Windows-1252"),
                                   QStringLiteral("*.tsv;*.txt"));
    filter = AddFilterItem(filter, QStringLiteral("Tab delimited, UTF-8"),
                           QStringLiteral("*.tsv;*.txt"));
    const QString fileName = m_document.fileName();
    const QString defaultName =
        (fileName.isEmpty() ? QStringLiteral("board") : QFileInfo(fileName).completeBaseName()) +
        QStringLiteral(".tsv");
    const SaveFileChoice choice = m_services.getSaveFileChoice(
        ChooserStartFolder(FolderOfPath(m_fileCommands->CurrentFilePath)), filter, defaultName);
    if (choice.path.isEmpty())
        return;
    if (QFileInfo::exists(choice.path) &&
        m_services.showMessage(choice.path + QStringLiteral(" already exists.\r\nDo you want to "
                                                            "replace it?"),
                               MessageButtons::YesNo, MessageIcon::Exclamation,
                               QString()) != MessageAnswer::Yes)
        return;

    // Reads the set only: neither the document nor its modified state changes.
    const TabExport exported =
        ExportTabDelimited(m_document.game(), choice.filterIndex == 1 ? TextEncoding::Utf8
                                                                      : TextEncoding::Windows1252);
    const FileError error = WriteExportFile(choice.path, exported.bytes, m_document.fileName());
    if (error.failed()) {
        ShowOkMessage(QStringLiteral("The board could not be exported to\r\n%1\r\nError %2: %3")
                          .arg(choice.path)
                          .arg(error.number)
                          .arg(error.description) +
                      (error.reason.isEmpty() ? QString() : QStringLiteral("\r\n") + error.reason));
        return;
    }
    if (exported.changes.isEmpty())
        return;
    QStringList lines{QStringLiteral("The board was exported, but some texts could not travel "
                                     "as they are:")};
    for (const Finding& change : exported.changes.mid(0, ChangesNamed))
        lines << PlaceOfFinding(change) + QStringLiteral(": ") + change.message;
    if (exported.changes.size() > ChangesNamed)
        lines << QStringLiteral("... and %1 more").arg(exported.changes.size() - ChangesNamed);
    m_services.showMessage(lines.join(QStringLiteral("\r\n")), MessageButtons::Ok,
                           MessageIcon::Exclamation, QString());
}
