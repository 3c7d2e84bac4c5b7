#include "print/frmEditorPrintOptions.h"
#include "print/printout.h"
#include "services/scriptedservices.h"
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
    EditorState state;
    ScriptedServices services;
    int editorEnabled = 0;
    QPointer<frmEditorPrintOptions> dialog =
        new frmEditorPrintOptions(services, state, [this] { ++editorEnabled; });

    DialogFixture() {
        ResetGameSet(state.game);
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
    void dialogLayout_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<int>("position"); // top to bottom inside the frame
        QTest::addColumn<QString>("caption");
        const QString fields = QStringLiteral("fraFieldOptions");
        const QString dollars = QStringLiteral("fraDollarOptions");
        AddRow("optPrintField_0", fields, 0, "Print Categories, Questions, and Answers");
        AddRow("optPrintField_1", fields, 1, "Print Only Categories and Questions");
        AddRow("optPrintField_2", fields, 2, "Print Only Categories and Answers");
        AddRow("optDollarAmounts_6", dollars, 0, "Don't Print Dollar Values");
        AddRow("optDollarAmounts_4", dollars, 1, "Print Dollar Amounts as $1 - $5");
        AddRow("optDollarAmounts_5", dollars, 2, "Print Dollar Amounts as $5 - $25");
        AddRow("optDollarAmounts_0", dollars, 3, "Print Dollar Amounts as $10 - $50");
        AddRow("optDollarAmounts_1", dollars, 4, "Print Dollar Amounts as $20 - $100");
        AddRow("optDollarAmounts_2", dollars, 5, "Print Dollar Amounts as $100 - $500");
        AddRow("optDollarAmounts_3", dollars, 6, "Print Dollar Amounts as $200 - $1000");
    }
    void dialogLayout() {
        QFETCH(QString, frame);
        QFETCH(int, position);
        DialogFixture fixture;
        auto* group = fixture.dialog->findChild<QGroupBox*>(frame);
        QVERIFY(group);
        QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
        std::sort(buttons.begin(), buttons.end(),
                  [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
        QCOMPARE(buttons.size(), frame == QLatin1String("fraFieldOptions") ? 3 : 7);
        QCOMPARE(buttons.at(position)->objectName(), QString(QTest::currentDataTag()));
        QTEST(buttons.at(position)->text(), "caption");
        QCOMPARE(buttons.at(position)->font().family(), QStringLiteral("Arial"));
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

    // A click on a field button and on a dollar button, after other ones.
    void options_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("dollar");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("multiplier");
        AddRow("0: all, 0: $10 - $50", 0, 0, int(PrintMode::All), 10);
        AddRow("1: questions, 1: $20 - $100", 1, 1, int(PrintMode::Questions), 20);
        AddRow("2: answers, 2: $100 - $500", 2, 2, int(PrintMode::Answers), 100);
        AddRow("3: $200 - $1000", 1, 3, int(PrintMode::Questions), 200);
        AddRow("4: $1 - $5", 1, 4, int(PrintMode::Questions), 1);
        AddRow("5: $5 - $25", 1, 5, int(PrintMode::Questions), 5);
        AddRow("6: none", 1, 6, int(PrintMode::Questions), 0);
    }
    void options() {
        QFETCH(int, field);
        QFETCH(int, dollar);
        QFETCH(int, multiplier);
        DialogFixture fixture;
        QTest::mouseClick(fixture.dialog->optPrintField[1], Qt::LeftButton);
        QTest::mouseClick(fixture.dialog->optDollarAmounts[4], Qt::LeftButton);
        QTest::mouseClick(fixture.dialog->optPrintField[field], Qt::LeftButton);
        QTest::mouseClick(fixture.dialog->optDollarAmounts[dollar], Qt::LeftButton);
        QTEST(int(fixture.dialog->printMode()), "mode");
        QCOMPARE(fixture.dialog->dollarValues(), DollarValuesFor(multiplier));
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
