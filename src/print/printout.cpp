#include "print/printout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace {

FileError PrinterFailure() {
    return FileError::of(ErrorNumber::PrinterError);
}

int LinesFitting(int pageHeight, int lineSpacing) {
    return lineSpacing > 0 ? qMax(1, pageHeight / lineSpacing) : 1;
}

} // namespace

int LinesPerPage(QPrinter& printer) {
    // A painter on a printer starts with the application font, resolved for the printer.
    return LinesFitting(printer.height(), QFontMetrics(QFont(), &printer).lineSpacing());
}

FileError PrintLines(QPrinter& printer, const QStringList& lines) {
    QPainter painter;
    if (!painter.begin(&printer))
        return PrinterFailure();
    const QFontMetrics metrics(painter.font(), &printer);
    const int pageHeight = painter.viewport().height();
    const int perPage = LinesFitting(pageHeight, metrics.lineSpacing());
    int onPage = 0;
    for (const QString& line : lines) {
        if (onPage == perPage) {
            if (!printer.newPage()) {
                painter.end();
                return PrinterFailure();
            }
            onPage = 0;
        }
        painter.drawText(0, onPage * metrics.lineSpacing() + metrics.ascent(), line);
        ++onPage;
    }
    if (!painter.end())
        return PrinterFailure();
    return FileError::ok();
}
