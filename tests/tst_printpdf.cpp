// What a user gets on paper: the print options dialog prints to a PDF file,
// and the text that poppler's pdftotext reads back is the listing, page by page.
#include "model/gamesetfile.h"
#include "print/frmEditorPrintOptions.h"
#include "print/listing.h"
#include "print/printout.h"
#include "scriptedservices.h"

#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The pages of a PDF as pdftotext lays them out, each a list of lines with
// runs of spaces collapsed (the PDF keeps positions, not space characters)
// and typographic ligatures such as "ff" spelt out again.
QList<QStringList> PdfPages(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    QList<QStringList> result;
    for (const QString& page : pages) {
        QStringList lines;
        for (const QString& line : page.split(QChar('\n')))
            lines << line.normalized(QString::NormalizationForm_KC).simplified();
        while (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
        result << lines;
    }
    return result;
}

} // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    // Two copies of the example board, each its own document, each split
    // over pages exactly where the listing no longer fits.
    void twoCopiesReadBack() {
        GameSetDocument document;
        const QString example = QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt");
        QVERIFY(!document.open(example).failed());

        QTemporaryDir folder;
        ScriptedServices services;
        services.setNextPrinter({false, 2});
        int editorEnabled = 0;
        frmEditorPrintOptions dialog(services, document, [&] { ++editorEnabled; });
        dialog.show();
        dialog.printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.printer().setOutputFileName(folder.filePath(QStringLiteral("board.pdf")));
        dialog.findChild<QPushButton*>(QStringLiteral("btnPrint"))->click();

        QVERIFY(services.messages.isEmpty());
        QVERIFY(dialog.isVisible()); // stays open for another print
        QCOMPARE(editorEnabled, 0);

        const QStringList listing = BuildListing(document.game(), PrintMode::All, DollarValuesFor(100),
                                                 QStringLiteral("world-tour"));
        const int perPage = LinesPerPage(dialog.printer());
        QVERIFY2(listing.size() > perPage, "the example must need a second page");

        for (const QString& copy : {QStringLiteral("board.pdf"), QStringLiteral("board-2.pdf")}) {
            const QList<QStringList> pages = PdfPages(folder.filePath(copy));
            QCOMPARE(pages.size(), int((listing.size() + perPage - 1) / perPage));
            for (int page = 0; page < pages.size(); ++page) {
                QStringList expected;
                for (const QString& line : listing.mid(page * perPage, perPage))
                    expected << line.simplified();
                while (!expected.isEmpty() && expected.constLast().isEmpty())
                    expected.removeLast();
                QCOMPARE(pages.at(page), expected);
            }
        }
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("board-3.pdf"))));
        // The next print goes to the name the user chose, not to the last copy's.
        QCOMPARE(dialog.printer().outputFileName(), folder.filePath(QStringLiteral("board.pdf")));
    }
};

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
