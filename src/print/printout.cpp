#include "print/printout.h"

#include "model/safewrite.h"

#include <QFile>
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

FileError PrintLinesToPdf(QPrinter& printer, const QStringList& lines, const QString& path,
                          const QString& input) {
    SafeWriteOptions options;
    options.input = input;
    const FileError error = SafeWriteFile(
        path,
        [&](QFile&, const QString& temporaryPath) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(temporaryPath);
            const FileError printed = PrintLines(printer, lines);
            if (printed.failed())
                return printed;
            // The PDF engine ignores failed writes and ends the document
            // anyway: only a file that ends as a PDF ends is whole.
            constexpr qint64 Tail = 64;
            QFile written(temporaryPath);
            QByteArray tail;
            if (written.open(QIODevice::ReadOnly) && written.size() > 0 &&
                written.seek(qMax<qint64>(0, written.size() - Tail)))
                tail = written.read(Tail);
            if (tail.contains("%%EOF"))
                return FileError::ok();
            FileError incomplete = FileError::of(ErrorNumber::DiskFull);
            incomplete.reason = QStringLiteral("The PDF was not written completely; is the disk "
                                               "full?");
            return incomplete;
        },
        options);
    printer.setOutputFileName(path);
    return error;
}
