#include "editorharness.h"
#include "testdata.h"

#include "print/frmEditorPrintOptions.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

frmEditorPrintOptions* PrintOptions(const EditorHarness& editor) {
    return editor.window->findChild<frmEditorPrintOptions*>();
}

void ClickDialogButton(const EditorHarness& editor, const QString& name) {
    PrintOptions(editor)->findChild<QPushButton*>(name)->click();
}

// The editor takes input only through its menus, toolbar and board.
bool EditorTakesInput(const EditorHarness& editor) {
    return editor.window->centralWidget()->isEnabled() && editor.window->menuBar()->isEnabled();
}

} // namespace

class TestImportPrintWindow : public QObject {
    Q_OBJECT

private slots:
    void importShowsTheBoard_data();
    void importShowsTheBoard();
    void importEndsEarly_data();
    void importEndsEarly();
    void printOptions_data();
    void printOptions();

private:
    QTemporaryDir m_folder;
};

void TestImportPrintWindow::importShowsTheBoard_data() {
    QTest::addColumn<bool>("dataChanged");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("untitled, unchanged") << false << "";
    QTest::newRow("open file, changed") << true << "/home/ann/Sets/Old.txt";
}

void TestImportPrintWindow::importShowsTheBoard() {
    QFETCH(bool, dataChanged);
    QFETCH(QString, fileName);
    QStringList lines;
    for (int k = 1; k <= 6; ++k) {
        lines << u"Topic %1"_s.arg(k);
        for (int j = 1; j <= 5; ++j)
            lines << u"Question %1.%2"_s.arg(k).arg(j) << u"Answer %1.%2\tA\tB"_s.arg(k).arg(j);
    }
    lines << u"Final question"_s << u"Final answer"_s;
    EditorHarness editor;
    // Elsewhere than category 1, with a Daily Double on another square.
    editor.window->lblCategory_Click(3);
    editor.window->lblCatN_Click(4, 2);
    editor.state.CurrentFileName = fileName;
    editor.state.DataChanged = dataChanged;
    const QString caption = editor.window->windowTitle();
    editor.services.setNextFileName(WriteFile(m_folder, u"board.txt"_s, FileBytes(lines)));

    editor.click(u"mnuImportTabDelimited"_s);

    QVERIFY(editor.services.messages.isEmpty());
    QCOMPARE(editor.services.chooserCalls.size(), 1);
    QCOMPARE(editor.services.chooserCalls.first().filter, u"(*.txt)|*.txt"_s);
    QCOMPARE(editor.record(6, 5).Answers[2].trimmed(), u"B"_s);
    QVERIFY(editor.record(4, 3).DailyDouble.isEmpty());
    // Not opened as a game set: name, caption and dirty flag stay.
    QCOMPARE(editor.state.DataChanged, dataChanged);
    QCOMPARE(editor.state.CurrentFileName, fileName);
    QCOMPARE(editor.window->windowTitle(), caption);
    // Category 1, question 1 is shown, and the board shows the new set.
    QCOMPARE(editor.selection(), qMakePair(1, 1));
    QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->text(), u"Question 1.1"_s);
    QCOMPARE(editor.categoryCaptions(),
             QStringList({"TOPIC 1", "TOPIC 2", "TOPIC 3", "TOPIC 4", "TOPIC 5", "TOPIC 6"}));
    QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(), u"TOPIC 1"_s);
    QCOMPARE(SquareColour(editor, 4, 2), frmEditor::SquareUnmarked);
}

// Cancelled or failed imports leave the window as it was and the set reset
// (partly filled after an error).
void TestImportPrintWindow::importEndsEarly_data() {
    QTest::addColumn<QString>("file"); // "" cancels the chooser
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("firstName"); // the stored name of category 1 afterwards
    QTest::newRow("chooser cancelled") << "" << QByteArray() << ""
                                       << "";
    QTest::newRow("file not found") << "missing.txt" << QByteArray() << "File not found:\r\n%1"
                                    << "";
    QTest::newRow("overflow")
        << "long.txt" << QByteArray("Kept\r\n") + QByteArray(32767, 'x') + "\tmore\r\n"
        << "An untrapped error has occurred. Please make a \r\n"
           "note of the following information.\r\n\r\n"
           "Error Number: 6\r\nDescription: Overflow\r\nLocation: frmEditor\r\n"
           "Prodecure: Import Excel Tab Delimited File"
        << "KEPT";
}

void TestImportPrintWindow::importEndsEarly() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    EditorHarness editor;
    editor.type(u"txtCategoryName"_s, u"Old name"_s);
    editor.window->lblCategory_Click(2);
    editor.state.DataChanged = false;
    const QString path = file.isEmpty() ? QString() : m_folder.filePath(file);
    if (!content.isEmpty())
        WriteFile(m_folder, file, content);
    editor.services.setNextFileName(path);
    editor.services.clearRecords();

    editor.click(u"mnuImportTabDelimited"_s);

    QCOMPARE(editor.services.messageTexts(),
             message.isEmpty() ? QStringList() : QStringList{message.replace("%1", path)});
    QCOMPARE(editor.services.chooserCalls.size(), 1);
    QTEST(editor.state.game.CategoryNames[0].trimmed(), "firstName");
    QVERIFY(editor.record(1, 1).QuestionText.isBlank());
    QCOMPARE(editor.selection(), qMakePair(3, 1));
    QCOMPARE(editor.categoryCaptions().first(), u"Old name"_s);
    QVERIFY(!editor.state.DataChanged);
}

// Both print commands open the options over a disabled editor. Cancel
// forgets the choices; a failed printout only hides the dialog.
void TestImportPrintWindow::printOptions_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("menu") << "mnuFilePrint";
    QTest::newRow("toolbar") << "btnPrint";
}

void TestImportPrintWindow::printOptions() {
    QFETCH(QString, command);
    EditorHarness editor;
    // The dialog has a button of the toolbar button's name: trigger the command.
    QAction* print = editor.action(command);
    print->trigger();
    QVERIFY(PrintOptions(editor)->isVisible() && PrintOptions(editor)->isModal());
    QVERIFY(!EditorTakesInput(editor));
    QTest::mouseClick(PrintOptions(editor)->optDollarAmounts[6], Qt::LeftButton);
    ClickDialogButton(editor, u"btnCancel"_s);
    QVERIFY(EditorTakesInput(editor));
    QVERIFY(!PrintOptions(editor));

    print->trigger();
    QVERIFY(PrintOptions(editor)->optDollarAmounts[2]->isChecked());
    QTest::mouseClick(PrintOptions(editor)->optDollarAmounts[4], Qt::LeftButton);
    PrintOptions(editor)->printer().setOutputFormat(QPrinter::PdfFormat);
    PrintOptions(editor)->printer().setOutputFileName(m_folder.filePath("no/folder/out.pdf"));
    editor.services.setNextPrinter(PrinterChoice{false, 1});
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    ClickDialogButton(editor, u"btnPrint"_s);

    QCOMPARE(editor.services.messages.size(), 1);
    QVERIFY(editor.services.messages.first().text.endsWith("Procedure: mnuFilePrint"));
    QVERIFY(EditorTakesInput(editor));
    QVERIFY(!PrintOptions(editor)->isVisible());
    print->trigger();
    QVERIFY(PrintOptions(editor)->isVisible());
    QVERIFY(PrintOptions(editor)->optDollarAmounts[4]->isChecked());
    QVERIFY(!EditorTakesInput(editor));
}

QTEST_MAIN(TestImportPrintWindow)
#include "tst_importprintwindow.moc"
