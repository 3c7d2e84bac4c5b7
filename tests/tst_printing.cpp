// The listing, the print options dialog, and its PDFs read back with pdftotext.
#include "editorharness.h"
#include "print/frmEditorPrintOptions.h"
#include "print/printout.h"
#include "testdata.h"

#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Category 1 carries the interesting cases; the rest of the board is blank.
GameSet ListingGame() {
    GameSet game = ResetGame();
    game.CategoryNames[0].set("SCIENCE");
    QuestionRecord& first = game.question(1, 1);
    first.QuestionText.set("What is H2O?");
    first.DailyDouble = "Y";
    first.Answers[0].set("Water");
    first.Answers[1].set("Ice");
    first.Answers[2].set("     "); // blank choices print nothing
    first.Answers[4].set("Steam");
    game.question(1, 2).QuestionText.set("  Q2");
    game.question(1, 2).DailyDouble = "y"; // only a capital Y marks
    game.question(1, 3).DailyDouble = "Y ";
    game.Final.QuestionText.set("Final?");
    game.Final.Answers[0].set("Fin");
    game.Final.Answers[3].set("FC");
    return game;
}

// Listing or pdftotext text with spaces collapsed, ligatures spelt out and
// no empty lines before a page's end ("\f").
QString Tidy(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split('\n'))
        lines << line.normalized(QString::NormalizationForm_KC).simplified();
    return lines.join('\n').replace(QRegularExpression("\n*(\f|$)"), "\\1");
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    pdftotext.waitForFinished(30000);
    return Tidy(QString::fromUtf8(pdftotext.readAllStandardOutput()));
}

// The dialog as the editor opens it, counting the times it gives the editor its input back.
struct Dialog {
    GameSetDocument document;
    ScriptedServices services;
    int editorEnabled = 0;
    QPointer<frmEditorPrintOptions> dialog =
        new frmEditorPrintOptions(services, document, [this] { ++editorEnabled; });

    Dialog() { dialog->show(); }
    ~Dialog() { delete dialog; }
    // Print, with the chooser answering `choice` and the printer writing a PDF to `path`.
    void print(const QString& path, PrinterChoice choice) {
        if (!path.isEmpty()) {
            dialog->printer().setOutputFormat(QPrinter::PdfFormat);
            dialog->printer().setOutputFileName(path);
        }
        services.setNextPrinter(choice);
        dialog->findChild<QPushButton*>("btnPrint")->click();
    }
};

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void title_data() {
        Columns<QString, QString>("fileName", "expected");
        AddRow("spaces only", "    ", "Untitled");
        AddRow("dot in a folder", "C:\\My.Sets\\Game1.txt", "Game1");
        AddRow("mixed separators", "/home/ann\\sets/Board.v2.txt", "Board");
        AddRow("no folder", "Game.txt", "");
    }
    void title() { QTEST(ListingTitle(Data<QString>("fileName")), "expected"); }

    // Unpadded lines: title, category 1 and the final ("|" ends a line); others are blank.
    void listing_data() {
        Columns<int, int, QString, QString, int>("mode", "multiplier", "category", "final",
                                                 "count");
        AddRow(
            "all, $100 - $500", int(PrintMode::All), 100,
            "SCIENCE|$100 - Q:*What is H2O?|$100 - A: Water|          Ice|          Steam|"
            "$200 - Q:   Q2|$200 - A:|$300 - Q:|$300 - A:|$400 - Q:|$400 - A:|$500 - Q:|$500 - A:",
            "Q: Final?|A: Fin|          FC", 80);
        AddRow("questions only, no dollars", int(PrintMode::Questions), 0,
               "SCIENCE|Q:*What is H2O?|Q:   Q2|Q:|Q:|Q:", "Q: Final?", 46);
        AddRow(
            "answers only, $200 - $1000", int(PrintMode::Answers), 200,
            "SCIENCE|$200 - A: Water|          Ice|          Steam|$400 - A:|$600 - A:|$800 - A:|"
            "$1000 - A:",
            "A: Fin|          FC", 49);
    }
    void listing() {
        QStringList lines = BuildListing(ListingGame(), PrintMode(Data<int>("mode")),
                                         DollarValuesFor(Data<int>("multiplier")), "Quiz");
        for (QString& line : lines)
            line = RTrimSpaces(line);
        QTEST(int(lines.size()), "count");
        const QStringList category = ("Quiz||" + Data<QString>("category") + '|').split('|');
        QCOMPARE(lines.mid(0, category.size()), category);
        const QStringList final = ("FINAL QUESTION|" + Data<QString>("final")).split('|');
        QCOMPARE(lines.mid(lines.size() - final.size()), final);
        QCOMPARE(lines.count(QString()), 1 + 6 + 5);
    }

    void fieldsAtFullWidth() {
        const QStringList lines =
            BuildListing(ListingGame(), PrintMode::All, DollarValuesFor(100), "Untitled");
        QCOMPARE(lines.mid(0, 6), (QStringList{"Untitled", " ", u"SCIENCE"_s.leftJustified(32),
                                               "$100 - Q:*" + u"What is H2O?"_s.leftJustified(256),
                                               "$100 - A: " + u"Water"_s.leftJustified(300),
                                               QString(10, ' ') + u"Ice"_s.leftJustified(300)}));
        QCOMPARE(lines.at(15), u" "_s); // after the category
    }

    // What each option button chooses: the print mode, or the dollar multiplier.
    void optionButtons() {
        Dialog d;
        QCOMPARE(d.dialog->printMode(), PrintMode::All);
        QCOMPARE(d.dialog->dollarValues(), DollarValuesFor(100));
        const int multipliers[] = {10, 20, 100, 200, 1, 5, 0}; // optDollarAmounts_0 .. _6
        for (int index = 0; index < 7; ++index) {
            QTest::mouseClick(d.dialog->optDollarAmounts[index], Qt::LeftButton);
            QCOMPARE(d.dialog->dollarValues()[0], multipliers[index]);
        }
        for (int index = 2; index >= 0; --index) {
            QTest::mouseClick(d.dialog->optPrintField[index], Qt::LeftButton);
            QCOMPARE(int(d.dialog->printMode()), index + 1);
        }
    }

    // Printed to PDF: a document per copy, split over pages, and where they went; a failing
    // printer is reported. Without a name chosen, the PDF is named after the set, beside it.
    void print_data() {
        Columns<bool, int, QString, QStringList>("cancelled", "copies", "file", "written");
        AddRow("chooser cancelled", true, 1, "board.pdf", QStringList());
        AddRow("no copies", false, 0, "board.pdf", QStringList());
        AddRow("two copies", false, 2, "board.pdf", QStringList{"board.pdf", "board-2.pdf"});
        AddRow("printer error", false, 2, "no/such/folder/board.pdf", QStringList());
        AddRow("named after the set", false, 1, "", QStringList{"pub.quiz.pdf"});
    }
    void print() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QStringList written = Data<QStringList>("written");
        const bool error = QByteArray(QTest::currentDataTag()) == "printer error";
        if (Data<QString>("file").isEmpty() && !QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a real printer is the chooser's default here");
        QTemporaryDir folder;
        Dialog d;
        const QString set = folder.filePath("pub.quiz.txt");
        QVERIFY(QFile::copy(QZ_SOURCE_DIR "/examples/world-tour.txt", set));
        QVERIFY(!d.document.open(set).failed());
        const QString file = Data<QString>("file");
        d.print(file.isEmpty() ? file : folder.filePath(file),
                PrinterChoice{Data<bool>("cancelled"), Data<int>("copies")});
        QCOMPARE(d.services.chooserCalls.size(), 1);
        QStringList files = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        files.removeOne("pub.quiz.txt");
        QCOMPARE(QSet<QString>(files.begin(), files.end()),
                 QSet<QString>(written.begin(), written.end()));
        QStringList shown;
        for (const QString& name : written)
            shown << QDir::toNativeSeparators(folder.filePath(name));
        QCOMPARE(d.services.messageTexts(),
                 error ? QStringList{"An untrapped error has occurred. Please make a \r\n"
                                     "note of the following information.\r\n\r\n"
                                     "Error Number: 76\r\nDescription: Path not found\r\n"
                                     "Location: frmEditorPrintOptions\r\nProcedure: mnuFilePrint"
                                     "\r\nThe folder " +
                                     QDir::toNativeSeparators(folder.filePath("no/such/folder")) +
                                     " does not exist."}
                 : written.isEmpty()
                     ? QStringList()
                     : QStringList{"The listing was saved to:\r\n" + shown.join("\r\n")});
        for (const auto& message : d.services.messages)
            QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(d.editorEnabled, int(error));
        if (error)
            return;
        QVERIFY(d.dialog->isVisible());
        // The next print goes to the name the user chose, not to the last copy's.
        QCOMPARE(d.dialog->printer().outputFileName(),
                 folder.filePath(file.isEmpty() ? "pub.quiz.pdf" : file));
        const QStringList listing =
            BuildListing(d.document.game(), PrintMode::All, DollarValuesFor(100), "pub");
        const int perPage = LinesPerPage(d.dialog->printer());
        QVERIFY2(listing.size() > perPage, "the example must need a second page");
        QString pages;
        for (int first = 0; first < listing.size(); first += perPage)
            pages += listing.mid(first, perPage).join('\n') + '\f';
        for (const QString& name : written)
            QCOMPARE(PdfText(folder.filePath(name)), Tidy(pages));
    }

    void cancelDiscardsDialog_data() {
        Columns<bool>("escape");
        AddRow("close box", false);
        AddRow("Escape key", true);
    }
    void cancelDiscardsDialog() {
        Dialog d;
        if (Data<bool>("escape"))
            QTest::keyClick(d.dialog, Qt::Key_Escape);
        else
            QVERIFY(d.dialog->close());
        QCOMPARE(d.editorEnabled, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!d.dialog);
        QVERIFY(d.services.chooserCalls.isEmpty());
    }

    // The window's Print command opens the dialog from its module; Escape gives the window back.
    void printCommand() {
        EditorHarness editor;
        editor.action(u"mnuFilePrint"_s)->trigger();
        QPointer<QDialog> dialog = editor.window->findChild<QDialog*>(u"frmEditorPrintOptions"_s);
        QVERIFY(dialog && dialog->isVisible() &&
                !editor.lineEdit(u"txtCategoryName"_s)->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog && editor.lineEdit(u"txtCategoryName"_s)->isEnabled());
        QVERIFY(editor.services.messages.isEmpty());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
