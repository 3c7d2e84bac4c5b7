#include "print/frmEditorPrintOptions.h"

#include "print/printout.h"
#include "services/services.h"
#include "ui_frmEditorPrintOptions.h"

#include "util/pathhelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

frmEditorPrintOptions::frmEditorPrintOptions(Services& services, const GameSetDocument& document,
                                             std::function<void()> enableEditor, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmEditorPrintOptions>()),
      m_printer(std::make_unique<QPrinter>()), m_services(services), m_document(document),
      m_enableEditor(std::move(enableEditor)) {
    m_ui->setupUi(this);
    optPrintField = {m_ui->optPrintField_0, m_ui->optPrintField_1, m_ui->optPrintField_2};
    optDollarAmounts = {m_ui->optDollarAmounts_0, m_ui->optDollarAmounts_1,
                        m_ui->optDollarAmounts_2, m_ui->optDollarAmounts_3,
                        m_ui->optDollarAmounts_4, m_ui->optDollarAmounts_5,
                        m_ui->optDollarAmounts_6};
    connect(m_ui->btnPrint, &QPushButton::clicked, this, &frmEditorPrintOptions::btnPrint_Click);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &frmEditorPrintOptions::btnCancel_Click);
    Form_Load();
}

frmEditorPrintOptions::~frmEditorPrintOptions() = default;

void frmEditorPrintOptions::Form_Load() {
    optPrintField[0]->setChecked(true);
    optDollarAmounts[2]->setChecked(true);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowModality(Qt::ApplicationModal);
}

PrintMode frmEditorPrintOptions::printMode() const {
    if (optPrintField[1]->isChecked())
        return PrintMode::Questions;
    if (optPrintField[2]->isChecked())
        return PrintMode::Answers;
    return PrintMode::All;
}

DollarValues frmEditorPrintOptions::dollarValues() const {
    // Tested in index order; the first button that is on decides.
    static constexpr std::array<int, 7> Multipliers = {10, 20, 100, 200, 1, 5, 0};
    for (size_t index = 0; index < optDollarAmounts.size(); ++index) {
        if (optDollarAmounts[index]->isChecked())
            return DollarValuesFor(Multipliers[index]);
    }
    return DollarValuesFor(100);
}

void frmEditorPrintOptions::btnPrint_Click() {
    const QStringList lines = BuildListing(m_document.game(), printMode(), dollarValues(),
                                           ListingTitle(m_document.fileName()));
    SuggestOutputFile();
    const PrinterChoice choice = m_services.choosePrinter(*m_printer, this);
    if (choice.cancelled)
        return;

    // Each copy is a document of its own, so the printer must not multiply it.
    const int chosenCopies = m_printer->copyCount();
    m_printer->setCopyCount(1);
    const QString outputFile = m_printer->outputFileName();
    FileError error;
    QStringList written;
    for (int copy = 1; copy <= choice.copies && !error.failed(); ++copy) {
        if (outputFile.isEmpty()) {
            error = PrintLines(*m_printer, lines);
            continue;
        }
        // A file is written whole or not at all, and never over the set itself.
        error = PrintLinesToPdf(*m_printer, lines, CopyFileName(outputFile, copy),
                                m_document.fileName());
        if (!error.failed())
            written << QDir::toNativeSeparators(m_printer->outputFileName());
    }
    m_printer->setOutputFileName(outputFile);
    m_printer->setCopyCount(qMax(1, chosenCopies));

    if (error.failed()) {
        m_services.showMessage(ErrorReportText(ReportStyle::Period, error, objectName(),
                                               QStringLiteral("Procedure: mnuFilePrint")),
                               MessageButtons::Ok, MessageIcon::None, QString());
        // The dialog stays loaded with its choices for the next print command.
        m_enableEditor();
        hide();
        return;
    }
    // A file printed to is only useful once the author knows where it went.
    if (!written.isEmpty())
        m_services.showMessage(QStringLiteral("The listing was saved to:\r\n") +
                                   written.join(QStringLiteral("\r\n")),
                               MessageButtons::Ok, MessageIcon::Information, QString());
}

void frmEditorPrintOptions::SuggestOutputFile() {
    const QString setFile = m_document.fileName();
    const QString stem =
        setFile.isEmpty() ? QStringLiteral("untitled") : QFileInfo(setFile).completeBaseName();
    m_printer->setDocName(stem);
    // With a real printer to offer, the chooser keeps it as the default; a
    // name chosen before is kept.
    if (!m_printer->outputFileName().isEmpty() || !QPrinterInfo::availablePrinters().isEmpty())
        return;
    const QString folder = setFile.isEmpty() ? ReadyChooserFolder(DefaultGameSetFolder())
                                             : QFileInfo(setFile).absolutePath();
    m_printer->setOutputFileName(QDir(folder).filePath(stem + QStringLiteral(".pdf")));
}

void frmEditorPrintOptions::btnCancel_Click() {
    m_enableEditor();
    hide();
    // The next print command starts again from the defaults: the dialog
    // leaves its window at once, so it is not found again before it is gone.
    setParent(nullptr);
    deleteLater();
}

void frmEditorPrintOptions::reject() {
    // The close box and Escape both end up here: they act as Cancel.
    btnCancel_Click();
}

QString frmEditorPrintOptions::CopyFileName(const QString& fileName, int copy) {
    if (copy == 1)
        return fileName;
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString stem =
        suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    return suffix.isEmpty() ? QStringLiteral("%1-%2").arg(stem).arg(copy)
                            : QStringLiteral("%1-%2.%3").arg(stem).arg(copy).arg(suffix);
}
