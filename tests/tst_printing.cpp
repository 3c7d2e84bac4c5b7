#include "print/frmEditorPrintOptions.h"
#include "print/printout.h"
#include "scriptedservices.h"
#include "testdata.h"

#include <QGroupBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The dialog as the editor opens it, with a count of the times it gave the
// editor its input back.
struct DialogFixture {
    GameSetDocument document;
    ScriptedServices services;
    int editorEnabled = 0;
    QPointer<frmEditorPrintOptions> dialog =
        new frmEditorPrintOptions(services, document, [this] { ++editorEnabled; });

    DialogFixture() {
        dialog->show();
    }
    ~DialogFixture() { delete dialog; }

    void printToPdf(const QString& path) {
        dialog->printer().setOutputFormat(QPrinter::PdfFormat);
        dialog->printer().setOutputFileName(path);
    }
    void clickPrint() { dialog->findChild<QPushButton*>(QStringLiteral("btnPrint"))->click(); }
};

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    // Each option button: its place top to bottom in its frame, its caption,
    // and what a click on it (after a click on another) chooses.
    void optionButtons_data() {
        QTest::addColumn<bool>("dollars");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("value"); // the print mode, or the dollar multiplier
        const int all = int(PrintMode::All), questions = int(PrintMode::Questions);
        const int answers = int(PrintMode::Answers);
        AddRow("optPrintField_0", false, 0, "Print Categories, Questions, and Answers", all);
        AddRow("optPrintField_1", false, 1, "Print Only Categories and Questions", questions);
        AddRow("optPrintField_2", false, 2, "Print Only Categories and Answers", answers);
        AddRow("optDollarAmounts_6", true, 0, "Don't Print Dollar Values", 0);
        AddRow("optDollarAmounts_4", true, 1, "Print Dollar Amounts as $1 - $5", 1);
        AddRow("optDollarAmounts_5", true, 2, "Print Dollar Amounts as $5 - $25", 5);
        AddRow("optDollarAmounts_0", true, 3, "Print Dollar Amounts as $10 - $50", 10);
        AddRow("optDollarAmounts_1", true, 4, "Print Dollar Amounts as $20 - $100", 20);
        AddRow("optDollarAmounts_2", true, 5, "Print Dollar Amounts as $100 - $500", 100);
        AddRow("optDollarAmounts_3", true, 6, "Print Dollar Amounts as $200 - $1000", 200);
    }
    void optionButtons() {
        QFETCH(bool, dollars);
        QFETCH(int, position);
        QFETCH(int, value);
        DialogFixture fixture;
        auto* group =
            fixture.dialog->findChild<QGroupBox*>(dollars ? "fraDollarOptions" : "fraFieldOptions");
        QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
        std::sort(buttons.begin(), buttons.end(),
                  [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
        QCOMPARE(buttons.size(), dollars ? 7 : 3);
        QRadioButton* button = buttons.at(position);
        QCOMPARE(button->objectName(), QString(QTest::currentDataTag()));
        QTEST(button->text(), "caption");
        QCOMPARE(button->font().family(), QStringLiteral("Arial"));
        QTest::mouseClick(buttons.at(position ? 0 : 1), Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        if (dollars)
            QCOMPARE(fixture.dialog->dollarValues(), DollarValuesFor(value));
        else
            QCOMPARE(int(fixture.dialog->printMode()), value);
    }

    void dialogDefaults() {
        DialogFixture fixture;
        frmEditorPrintOptions& dialog = *fixture.dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Options"));
        QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        auto* fields = dialog.findChild<QGroupBox*>("fraFieldOptions");
        auto* dollars = dialog.findChild<QGroupBox*>("fraDollarOptions");
        QCOMPARE(fields->title(), QStringLiteral(" Fields "));
        QCOMPARE(dollars->title(), QStringLiteral(" Dollar Amounts "));
        QVERIFY(fields->y() < dollars->y());
        auto* print = dialog.findChild<QPushButton*>("btnPrint");
        auto* cancel = dialog.findChild<QPushButton*>("btnCancel");
        QCOMPARE(print->text(), QStringLiteral("Print"));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QVERIFY(print->x() < cancel->x());
        QCOMPARE(dialog.printMode(), PrintMode::All);
        QCOMPARE(dialog.dollarValues(), DollarValuesFor(100));
    }

    // Printing itself, copies and pages, is read back in tst_printpdf.
    void printerChoices_data() {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("copies");
        AddRow("chooser cancelled", true, 1);
        AddRow("no copies", false, 0);
    }
    void printerChoices() {
        QFETCH(bool, cancelled);
        QFETCH(int, copies);
        QTemporaryDir folder;
        DialogFixture fixture;
        fixture.printToPdf(folder.filePath("out.pdf"));
        fixture.services.setNextPrinter(PrinterChoice{cancelled, copies});
        fixture.clickPrint();
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(fixture.services.messages.isEmpty());
        QCOMPARE(fixture.services.chooserCalls.size(), 1);
        QVERIFY(fixture.dialog && fixture.dialog->isVisible());
        QCOMPARE(fixture.editorEnabled, 0);
    }

    void printFailureReports() {
        QTemporaryDir folder;
        DialogFixture fixture;
        fixture.printToPdf(folder.filePath("no/such/folder/out.pdf"));
        fixture.services.setNextPrinter(PrinterChoice{false, 2});
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        fixture.clickPrint();

        QCOMPARE(fixture.services.messages.size(), 1);
        const ScriptedServices::Message& message = fixture.services.messages.first();
        QCOMPARE(message.text, QStringLiteral("An untrapped error has occurred. Please make a \r\n"
                                              "note of the following information.\r\n\r\n"
                                              "Error Number: 482\r\n"
                                              "Description: Printer error\r\n"
                                              "Location: frmEditorPrintOptions\r\n"
                                              "Procedure: mnuFilePrint"));
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(fixture.editorEnabled, 1);
    }

    // The Cancel button is clicked in the editor's window test.
    void cancelDiscardsDialog_data() {
        QTest::addColumn<bool>("escape");
        AddRow("close box", false);
        AddRow("Escape key", true);
    }
    void cancelDiscardsDialog() {
        QFETCH(bool, escape);
        DialogFixture fixture;
        if (escape)
            QTest::keyClick(fixture.dialog, Qt::Key_Escape);
        else
            QVERIFY(fixture.dialog->close());
        QCOMPARE(fixture.editorEnabled, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fixture.dialog);
        QVERIFY(fixture.services.chooserCalls.isEmpty());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
