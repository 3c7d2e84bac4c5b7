#include "editorharness.h"

#include "editor/clickablelabel.h"
#include "print/frmEditorPrintOptions.h"
#include "util/windows1252.h"

#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString WriteFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

// A board of the spreadsheet's shape with every category filled.
QByteArray SpreadsheetBoard() {
    QStringList lines;
    for (int k = 1; k <= 6; ++k) {
        lines << QStringLiteral("Topic %1").arg(k);
        for (int j = 1; j <= 5; ++j) {
            lines << QStringLiteral("Question %1.%2").arg(k).arg(j);
            lines << QStringLiteral("Answer %1.%2\tA\tB").arg(k).arg(j);
        }
    }
    lines << QStringLiteral("Final question") << QStringLiteral("Final answer");
    return EncodeWindows1252(lines.join(QStringLiteral("\r\n")));
}

QStringList CategoryCaptions(const EditorHarness& editor) {
    QStringList captions;
    for (const ClickableLabel* caption : editor.window->lblCategory)
        captions << caption->text();
    return captions;
}

frmEditorPrintOptions* PrintOptions(const EditorHarness& editor) {
    return editor.window->findChild<frmEditorPrintOptions*>();
}

// The editor takes input only through its menus, toolbar and board.
bool EditorTakesInput(const EditorHarness& editor) {
    return editor.window->centralWidget()->isEnabled() && editor.window->menuBar()->isEnabled();
}

const QString GuardMessage =
    QStringLiteral("Click Done or Cancel in the Multiple Choice Box First!");

} // namespace

class TestImportPrintWindow : public QObject {
    Q_OBJECT

private slots:
    void importShowsTheBoard_data();
    void importShowsTheBoard();
    void importRefusedWhileChoicesAreOpen();
    void importEndsEarly_data();
    void importEndsEarly();
    void printOpensOptions_data();
    void printOpensOptions();
    void printOptionsAfterCancelAndFailure();

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
    EditorHarness editor;
    // Leave the window somewhere else than category 1, with a Daily Double
    // on a square other than the one shown.
    editor.window->lblCategory_Click(3);
    editor.window->lblCatN_Click(4, 2);
    QCOMPARE(SquareColour(editor, 4, 2), frmEditor::SquareMarked);
    editor.state.CurrentFileName = fileName;
    editor.state.DataChanged = dataChanged;
    const QString caption = editor.window->windowTitle();
    const QString path =
        WriteFile(m_folder.path(), QStringLiteral("board.txt"), SpreadsheetBoard());
    editor.services.setNextFileName(path);

    editor.click(QStringLiteral("mnuImportTabDelimited"));

    QVERIFY(editor.services.messages.isEmpty());
    QCOMPARE(editor.services.chooserCalls.size(), 1);
    QVERIFY(
        editor.services.chooserCalls.first().filter.startsWith(QStringLiteral("(*.txt)|*.txt")));
    QCOMPARE(editor.state.game.question(6, 5).Answers[2].trimmed(), QStringLiteral("B"));
    QVERIFY(editor.state.game.question(4, 3).DailyDouble.isEmpty());
    // Not opened as a game set: name, caption and dirty flag stay.
    QCOMPARE(editor.state.DataChanged, dataChanged);
    QCOMPARE(editor.state.CurrentFileName, fileName);
    QCOMPARE(editor.window->windowTitle(), caption);
    // Category 1, question 1 is shown, and the board shows the new set.
    QCOMPARE(editor.selection(), qMakePair(1, 1));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(),
             QStringLiteral("Question 1.1"));
    QCOMPARE(CategoryCaptions(editor),
             QStringList({"TOPIC 1", "TOPIC 2", "TOPIC 3", "TOPIC 4", "TOPIC 5", "TOPIC 6"}));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(), QStringLiteral("TOPIC 1"));
    QVERIFY(!editor.window->lblCategory[0]->isEnabled());
    QVERIFY(editor.window->lblCategory[3]->isEnabled());
    QCOMPARE(SquareColour(editor, 4, 2), frmEditor::SquareUnmarked);
}

void TestImportPrintWindow::importRefusedWhileChoicesAreOpen() {
    EditorHarness editor;
    editor.state.game.CategoryNames[0].set(QStringLiteral("KEPT"));
    editor.window->m_ui.fraMultipleAnswers->show();

    editor.click(QStringLiteral("mnuImportTabDelimited"));

    QCOMPARE(editor.services.messageTexts(), QStringList{GuardMessage});
    QVERIFY(editor.services.chooserCalls.isEmpty());
    QCOMPARE(editor.state.game.CategoryNames[0].trimmed(), QStringLiteral("KEPT"));
}

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
    QFETCH(QString, firstName);
    EditorHarness editor;
    editor.type(QStringLiteral("txtCategoryName"), QStringLiteral("Old name"));
    editor.window->lblCategory_Click(2);
    editor.state.DataChanged = false;
    QString path;
    if (!file.isEmpty()) {
        path = QDir(m_folder.path()).filePath(file);
        if (!content.isEmpty())
            WriteFile(m_folder.path(), file, content);
    }
    editor.services.setNextFileName(path);
    const QStringList captions = CategoryCaptions(editor);

    editor.click(QStringLiteral("mnuImportTabDelimited"));

    QCOMPARE(editor.services.messageTexts(),
             message.isEmpty() ? QStringList()
                               : QStringList{QString(message).replace(QStringLiteral("%1"), path)});
    // The set was reset before the chooser; the window was not redrawn.
    QCOMPARE(editor.state.game.CategoryNames[0].trimmed(), firstName);
    QVERIFY(editor.state.game.question(1, 1).QuestionText.isBlank());
    QCOMPARE(editor.selection(), qMakePair(3, 1));
    QCOMPARE(CategoryCaptions(editor), captions);
    QCOMPARE(CategoryCaptions(editor).first(), QStringLiteral("Old name"));
    QVERIFY(!editor.state.DataChanged);
}

void TestImportPrintWindow::printOpensOptions_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("menu") << "mnuFilePrint";
    QTest::newRow("toolbar") << "btnPrint";
}

void TestImportPrintWindow::printOpensOptions() {
    QFETCH(QString, command);
    EditorHarness editor;
    editor.click(command);

    frmEditorPrintOptions* dialog = PrintOptions(editor);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isEnabled());
    QVERIFY(dialog->isModal());
    QVERIFY(!EditorTakesInput(editor));

    dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    QVERIFY(EditorTakesInput(editor));
    QVERIFY(!PrintOptions(editor));
}

void TestImportPrintWindow::printOptionsAfterCancelAndFailure() {
    EditorHarness editor;
    // Cancel forgets the choices.
    editor.click(QStringLiteral("mnuFilePrint"));
    QTest::mouseClick(PrintOptions(editor)->optDollarAmounts[6], Qt::LeftButton);
    PrintOptions(editor)->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    editor.click(QStringLiteral("mnuFilePrint"));
    QVERIFY(PrintOptions(editor)->optDollarAmounts[2]->isChecked());

    // A failed printout only hides the dialog: its choices come back.
    QTest::mouseClick(PrintOptions(editor)->optDollarAmounts[4], Qt::LeftButton);
    QTest::mouseClick(PrintOptions(editor)->optPrintField[1], Qt::LeftButton);
    PrintOptions(editor)->printer().setOutputFormat(QPrinter::PdfFormat);
    PrintOptions(editor)->printer().setOutputFileName(
        QDir(m_folder.path()).filePath(QStringLiteral("no/folder/out.pdf")));
    editor.services.setNextPrinter(PrinterChoice{false, 1});
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    PrintOptions(editor)->findChild<QPushButton*>(QStringLiteral("btnPrint"))->click();

    QCOMPARE(editor.services.messages.size(), 1);
    QVERIFY(
        editor.services.messages.first().text.endsWith(QStringLiteral("Procedure: mnuFilePrint")));
    QVERIFY(EditorTakesInput(editor));
    QVERIFY(!PrintOptions(editor)->isVisible());
    editor.click(QStringLiteral("mnuFilePrint"));
    QVERIFY(PrintOptions(editor)->isVisible());
    QVERIFY(PrintOptions(editor)->optDollarAmounts[4]->isChecked());
    QVERIFY(PrintOptions(editor)->optPrintField[1]->isChecked());
    QVERIFY(!EditorTakesInput(editor));
}

QTEST_MAIN(TestImportPrintWindow)
#include "tst_importprintwindow.moc"
