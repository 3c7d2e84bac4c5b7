// Import of a spreadsheet's tab-delimited export, the export back to one,
// and the print command.

#include "editor/settransfercommands.h"

#include "editor/boardselection.h"
#include "import/tabexport.h"
#include "import/tabimport.h"
#include "services/modules.h"
#include "services/services.h"
#include "util/pathhelpers.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

namespace {

// How many changed texts the export's report names before it only counts the rest.
constexpr int ChangesNamed = 12;

} // namespace

SetTransferCommands::SetTransferCommands(QWidget& window, GameSetDocument& document,
                                         Services& services, const CommandGuard& guard,
                                         const Controls& controls, Hooks hooks)
    : QObject(&window), m_window(window), m_document(document), m_services(services),
      m_guard(guard), m_hooks(std::move(hooks)) {
    connect(controls.mnuFilePrint, &QAction::triggered, this,
            &SetTransferCommands::mnuFilePrint_Click);
    connect(controls.btnPrint, &QAction::triggered, this, &SetTransferCommands::mnuFilePrint_Click);
    connect(controls.mnuImportTabDelimited, &QAction::triggered, this,
            &SetTransferCommands::mnuImportTabDelimited_Click);

    auto* menu = new QMenu(tr("&Export"), controls.fileMenu);
    menu->setObjectName(QStringLiteral("mnuExport"));
    QAction* command = menu->addAction(tr("Tab Delimited Excel File"));
    command->setObjectName(QStringLiteral("mnuExportTabDelimited"));
    // With the other ways of writing the set out, before Print.
    controls.fileMenu->insertMenu(controls.mnuFilePrint, menu);
    connect(command, &QAction::triggered, this, &SetTransferCommands::mnuExportTabDelimited_Click);

    // Undo and Redo of an import show the set they bring back; the view
    // state kept with it is put back by its owner.
    connect(&m_document, &GameSetDocument::wholeSetSwapped, this,
            [this] { emit wholeSetReplaced(); });
}

QString SetTransferCommands::ChooserFolder() const {
    return ChooserStartFolder(FolderOfPath(m_hooks.chooserFolder()));
}

// Takes the editor's input away, or gives it back, without disabling the
// window itself: the choosers and message boxes the print dialog opens are
// children of the editor and would be disabled along with it.
void SetTransferCommands::SetEditorInputEnabled(bool enabled) {
    const auto children = m_window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isWindow())
            child->setEnabled(enabled);
    }
}

void SetTransferCommands::mnuImportTabDelimited_Click() {
    if (m_guard.refuses())
        return;
    // The import reads into a set of its own: a cancelled chooser or a file
    // that cannot be imported leaves the author's board as it was.
    // The chooser starts in the folder of the open game set, where the
    // spreadsheet of a board is most likely kept; else in the default folder.
    // Spreadsheets save their text exports as .csv, .tsv or .tab as often as .txt.
    const QString path = m_services.getOpenFileName(
        ChooserFolder(),
        QStringLiteral("(*.txt)|*.txt|Spreadsheet text|*.tsv;*.tab;*.csv|All files|*"));
    if (path.isEmpty())
        return;

    GameSet start = m_document.game();
    ResetGameSet(start);
    const TabImport imported = ImportTabDelimitedCheckedFile(start, path);
    const FileError& error = imported.error;
    if (error.number == ErrorNumber::FileNotFound) {
        m_services.showMessage(QStringLiteral("File not found:\r\n") + path, MessageButtons::Ok,
                               MessageIcon::None, QString());
        return;
    }
    if (error.failed()) {
        QStringList where{QStringLiteral("Filename: ") + path};
        if (imported.errorLine > 0)
            where << QStringLiteral("Line: ") + QString::number(imported.errorLine);
        m_services.showMessage(
            ErrorReportText(ReportStyle::Period, error, m_window.objectName(),
                            QStringLiteral("Prodecure: Import Excel Tab Delimited File"), where),
            MessageButtons::Ok, MessageIcon::None, QString());
        return;
    }
    if (!imported.findings.isEmpty() && !ConfirmImportFindings(imported.findings))
        return;

    // The imported board is a new set that has not been saved anywhere: Save
    // asks for a name, and New and Exit ask before dropping it. One Undo
    // brings back the board it replaced.
    m_document.replaceUndoably(imported.game, tr("Import"), m_hooks.viewState());
    emit wholeSetReplaced();
}

// The list of what does not fit, and the question whether to import all the same.
bool SetTransferCommands::ConfirmImportFindings(const QList<Finding>& findings) {
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

void SetTransferCommands::mnuExportTabDelimited_Click() {
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
    const SaveFileChoice choice =
        m_services.getSaveFileChoice(ChooserFolder(), filter, defaultName);
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
        m_services.showMessage(
            QStringLiteral("The board could not be exported to\r\n%1\r\nError %2: %3")
                    .arg(choice.path)
                    .arg(error.number)
                    .arg(error.description) +
                (error.reason.isEmpty() ? QString() : QStringLiteral("\r\n") + error.reason),
            MessageButtons::Ok, MessageIcon::None, QString());
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

void SetTransferCommands::mnuFilePrint_Click() {
    // A dialog hidden after a failed printout is still loaded and keeps its
    // choices; one dismissed with Cancel is gone.
    auto* dialog = m_window.findChild<QDialog*>(QStringLiteral("frmEditorPrintOptions"),
                                                Qt::FindDirectChildrenOnly);
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
                m_window.activateWindow();
            },
            &m_window);
    }
    SetEditorInputEnabled(false);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
