#include "print/printout.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Pages of a PDF written by Qt: one "/Type /Page" object per page.
int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    auto matches = page.globalMatch(QString::fromLatin1(file.readAll()));
    int count = 0;
    for (; matches.hasNext(); matches.next())
        ++count;
    return count;
}

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << QStringLiteral("Line %1 of the listing").arg(n);
    return lines;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void pagesOfPdf_data();
    void pagesOfPdf();
    void longListingSpansPages();
    void unwritableOutputFails();

private:
    QTemporaryDir m_folder;
};

void TestPrinting::pagesOfPdf_data() {
    QTest::addColumn<int>("extraLines"); // beyond the lines of whole pages
    QTest::addColumn<int>("wholePages");
    QTest::addColumn<int>("expectedPages");
    QTest::newRow("one line") << 1 << 0 << 1;
    QTest::newRow("exactly one page") << 0 << 1 << 1;
    QTest::newRow("one line more than a page") << 1 << 1 << 2;
    QTest::newRow("exactly three pages") << 0 << 3 << 3;
}

void TestPrinting::pagesOfPdf() {
    QFETCH(int, extraLines);
    QFETCH(int, wholePages);
    QFETCH(int, expectedPages);
    QVERIFY(m_folder.isValid());
    const QString path = m_folder.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const int perPage = LinesPerPage(printer);
    QVERIFY(perPage > 10);

    const FileError error = PrintLines(printer, NumberedLines(wholePages * perPage + extraLines));

    QCOMPARE(error.number, 0);
    QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(PdfPageCount(path), expectedPages);
}

void TestPrinting::longListingSpansPages() {
    const QString path = m_folder.filePath(QStringLiteral("long.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const int perPage = LinesPerPage(printer);
    QCOMPARE(PrintLines(printer, NumberedLines(200)).number, 0);
    const int pages = PdfPageCount(path);
    QVERIFY(pages > 1);
    QCOMPARE(pages, (200 + perPage - 1) / perPage);
}

void TestPrinting::unwritableOutputFails() {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_folder.filePath(QStringLiteral("missing/folder/out.pdf")));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const FileError error = PrintLines(printer, NumberedLines(3));
    QCOMPARE(error.number, ErrorNumber::PrinterError);
    QCOMPARE(error.description, QStringLiteral("Printer error"));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
