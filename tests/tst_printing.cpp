#include "print/frmEditorPrintOptions.h"
#include "print/printout.h"
#include "services/scriptedservices.h"

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

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

// A game set with something in every category, for printouts of some length.
EditorState SampleState() {
    EditorState state;
    ResetGameSet(state.game);
    for (int k = 1; k <= 6; ++k) {
        state.game.CategoryNames[static_cast<size_t>(k - 1)].set(
            QStringLiteral("CATEGORY %1").arg(k));
        for (int j = 1; j <= 5; ++j) {
            state.game.question(k, j).QuestionText.set(
                QStringLiteral("Question %1.%2").arg(k).arg(j));
            state.game.question(k, j).Answers[0].set(QStringLiteral("Answer %1.%2").arg(k).arg(j));
        }
    }
    state.CurrentFileName = QStringLiteral("/home/ann/Quiz.Night.txt");
    return state;
}

// The dialog as the editor opens it, with a count of the times it gave the
// editor its input back.
struct DialogFixture {
    EditorState state = SampleState();
    ScriptedServices services;
    int editorEnabled = 0;
    QPointer<frmEditorPrintOptions> dialog =
        new frmEditorPrintOptions(services, state, [this] { ++editorEnabled; });

    DialogFixture() { dialog->show(); }
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
    void pagesOfPdf_data();
    void pagesOfPdf();
    void longListingSpansPages();
    void unwritableOutputFails();
    void dialogLayout_data();
    void dialogLayout();
    void dialogDefaults();
    void dollarOptions_data();
    void dollarOptions();
    void fieldOptions_data();
    void fieldOptions();
    void printerChoices_data();
    void printerChoices();
    void printFailureReports();
    void cancelDiscardsDialog_data();
    void cancelDiscardsDialog();

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

void TestPrinting::dialogLayout_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("position"); // top to bottom inside the frame
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QString fields = QStringLiteral("fraFieldOptions");
    const QString dollars = QStringLiteral("fraDollarOptions");
    QTest::newRow("field 0") << fields << 0 << "optPrintField_0"
                             << "Print Categories, Questions, and Answers";
    QTest::newRow("field 1") << fields << 1 << "optPrintField_1"
                             << "Print Only Categories and Questions";
    QTest::newRow("field 2") << fields << 2 << "optPrintField_2"
                             << "Print Only Categories and Answers";
    QTest::newRow("dollars 6") << dollars << 0 << "optDollarAmounts_6"
                               << "Don't Print Dollar Values";
    QTest::newRow("dollars 4") << dollars << 1 << "optDollarAmounts_4"
                               << "Print Dollar Amounts as $1 - $5";
    QTest::newRow("dollars 5") << dollars << 2 << "optDollarAmounts_5"
                               << "Print Dollar Amounts as $5 - $25";
    QTest::newRow("dollars 0") << dollars << 3 << "optDollarAmounts_0"
                               << "Print Dollar Amounts as $10 - $50";
    QTest::newRow("dollars 1") << dollars << 4 << "optDollarAmounts_1"
                               << "Print Dollar Amounts as $20 - $100";
    QTest::newRow("dollars 2") << dollars << 5 << "optDollarAmounts_2"
                               << "Print Dollar Amounts as $100 - $500";
    QTest::newRow("dollars 3") << dollars << 6 << "optDollarAmounts_3"
                               << "Print Dollar Amounts as $200 - $1000";
}

void TestPrinting::dialogLayout() {
    QFETCH(QString, frame);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    DialogFixture fixture;
    auto* group = fixture.dialog->findChild<QGroupBox*>(frame);
    QVERIFY(group);
    QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    QCOMPARE(buttons.size(), frame == QLatin1String("fraFieldOptions") ? 3 : 7);
    QCOMPARE(buttons.at(position)->objectName(), name);
    QCOMPARE(buttons.at(position)->text(), caption);
    QCOMPARE(buttons.at(position)->font().family(), QStringLiteral("Arial"));
}

void TestPrinting::dialogDefaults() {
    DialogFixture fixture;
    frmEditorPrintOptions& dialog = *fixture.dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Options"));
    QCOMPARE(dialog.objectName(), QStringLiteral("frmEditorPrintOptions"));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.findChild<QGroupBox*>("fraFieldOptions")->title(), QStringLiteral(" Fields "));
    QCOMPARE(dialog.findChild<QGroupBox*>("fraDollarOptions")->title(),
             QStringLiteral(" Dollar Amounts "));
    QVERIFY(dialog.findChild<QGroupBox*>("fraFieldOptions")->y() <
            dialog.findChild<QGroupBox*>("fraDollarOptions")->y());
    auto* print = dialog.findChild<QPushButton*>("btnPrint");
    auto* cancel = dialog.findChild<QPushButton*>("btnCancel");
    QCOMPARE(print->text(), QStringLiteral("Print"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QVERIFY(print->x() < cancel->x());
    QVERIFY(dialog.optPrintField[0]->isChecked());
    QVERIFY(dialog.optDollarAmounts[2]->isChecked());
    QCOMPARE(dialog.printMode(), PrintMode::All);
    QCOMPARE(dialog.dollarValues(), DollarValuesFor(100));
}

void TestPrinting::dollarOptions_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("multiplier");
    QTest::newRow("0: $10 - $50") << 0 << 10;
    QTest::newRow("1: $20 - $100") << 1 << 20;
    QTest::newRow("2: $100 - $500") << 2 << 100;
    QTest::newRow("3: $200 - $1000") << 3 << 200;
    QTest::newRow("4: $1 - $5") << 4 << 1;
    QTest::newRow("5: $5 - $25") << 5 << 5;
    QTest::newRow("6: none") << 6 << 0;
    QTest::newRow("no button on") << -1 << 100;
}

void TestPrinting::dollarOptions() {
    QFETCH(int, index);
    QFETCH(int, multiplier);
    DialogFixture fixture;
    if (index >= 0) {
        QTest::mouseClick(fixture.dialog->optDollarAmounts[static_cast<size_t>(index)],
                          Qt::LeftButton);
    } else {
        for (QRadioButton* button : fixture.dialog->optDollarAmounts) {
            button->setAutoExclusive(false);
            button->setChecked(false);
        }
    }
    QCOMPARE(fixture.dialog->dollarValues(), DollarValuesFor(multiplier));
}

void TestPrinting::fieldOptions_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("mode");
    QTest::newRow("0: all") << 0 << int(PrintMode::All);
    QTest::newRow("1: questions") << 1 << int(PrintMode::Questions);
    QTest::newRow("2: answers") << 2 << int(PrintMode::Answers);
    QTest::newRow("no button on") << -1 << int(PrintMode::All);
}

void TestPrinting::fieldOptions() {
    QFETCH(int, index);
    QFETCH(int, mode);
    DialogFixture fixture;
    QTest::mouseClick(fixture.dialog->optPrintField[1], Qt::LeftButton);
    if (index >= 0) {
        QTest::mouseClick(fixture.dialog->optPrintField[static_cast<size_t>(index)],
                          Qt::LeftButton);
    } else {
        for (QRadioButton* button : fixture.dialog->optPrintField) {
            button->setAutoExclusive(false);
            button->setChecked(false);
        }
    }
    QCOMPARE(int(fixture.dialog->printMode()), mode);
}

void TestPrinting::printerChoices_data() {
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QStringList>("expectedFiles");
    QTest::newRow("chooser cancelled") << true << 1 << QStringList();
    QTest::newRow("no copies") << false << 0 << QStringList();
    QTest::newRow("one copy") << false << 1 << QStringList{"out.pdf"};
    QTest::newRow("three copies") << false << 3 << QStringList{"out-2.pdf", "out-3.pdf", "out.pdf"};
}

void TestPrinting::printerChoices() {
    QFETCH(bool, cancelled);
    QFETCH(int, copies);
    QFETCH(QStringList, expectedFiles);
    QTemporaryDir folder;
    DialogFixture fixture;
    fixture.printToPdf(folder.filePath(QStringLiteral("out.pdf")));
    fixture.services.setNextPrinter(PrinterChoice{cancelled, copies});

    fixture.clickPrint();

    QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expectedFiles);
    // The same listing in every copy, each a document of its own.
    QSet<qint64> sizes;
    for (const QString& name : expectedFiles) {
        sizes.insert(QFileInfo(folder.filePath(name)).size());
        QCOMPARE(PdfPageCount(folder.filePath(name)), PdfPageCount(folder.filePath("out.pdf")));
    }
    QVERIFY(sizes.size() <= 1);
    QVERIFY(fixture.services.messages.isEmpty());
    QCOMPARE(fixture.services.chooserCalls.size(), 1);
    // Nothing closes the dialog: it stays open for another printout.
    QVERIFY(fixture.dialog);
    QVERIFY(fixture.dialog->isVisible());
    QCOMPARE(fixture.editorEnabled, 0);
    QCOMPARE(fixture.dialog->printer().outputFileName(),
             folder.filePath(QStringLiteral("out.pdf")));
}

void TestPrinting::printFailureReports() {
    QTemporaryDir folder;
    DialogFixture fixture;
    fixture.printToPdf(folder.filePath(QStringLiteral("no/such/folder/out.pdf")));
    fixture.services.setNextPrinter(PrinterChoice{false, 2});
    QTest::mouseClick(fixture.dialog->optPrintField[2], Qt::LeftButton);
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
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.title, QString());
    // Hidden, not discarded: the choices are still there for the next time.
    QCOMPARE(fixture.editorEnabled, 1);
    QVERIFY(fixture.dialog);
    QVERIFY(!fixture.dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(fixture.dialog);
    QVERIFY(fixture.dialog->optPrintField[2]->isChecked());
}

void TestPrinting::cancelDiscardsDialog_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "button";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape key") << "escape";
}

void TestPrinting::cancelDiscardsDialog() {
    QFETCH(QString, how);
    DialogFixture fixture;
    if (how == QLatin1String("button"))
        fixture.dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    else if (how == QLatin1String("close"))
        QVERIFY(fixture.dialog->close());
    else
        QTest::keyClick(fixture.dialog, Qt::Key_Escape);
    QCOMPARE(fixture.editorEnabled, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!fixture.dialog);
    QVERIFY(fixture.services.chooserCalls.isEmpty());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
