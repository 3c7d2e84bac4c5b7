// The quizmora-print module: the window's Print command and the printer
// chooser, loaded at the first print so that start-up does not map Qt
// PrintSupport.

#include "services/modules.h"

#include "print/frmEditorPrintOptions.h"
#include "services/services.h"

#include <QPrintDialog>
#include <QPrinter>

QDialog* qz_create_print_options(Services& services, const GameSetDocument& document,
                                 std::function<void()> enableEditor, QWidget* parent) {
    return new frmEditorPrintOptions(services, document, std::move(enableEditor), parent);
}

PrinterChoice qz_choose_printer(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return PrinterChoice{true, 0};
    return PrinterChoice{false, printer.copyCount()};
}
