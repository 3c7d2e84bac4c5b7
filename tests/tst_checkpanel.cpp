#include "editor/checkpanel.h"
#include "editorharness.h"
#include "import/tabexport.h"
#include "testdata.h"

#include <QTableWidget>

namespace {

// The example set with a second Daily Double (no findings) and one text replaced:
// field -1 is the category's name, 0 the question, 1 the answer, 2 to 5 the choices.
GameSet BoardWith(int category, int question, int field, const QString& text) {
    GameSet game;
    OpenFile(game, QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt"));
    game.question(1, 1).DailyDouble = "Y";
    QuestionRecord& record = game.question(category, question);
    if (field < 0)
        game.CategoryNames[category - 1].set(text);
    else if (field == 0)
        record.QuestionText.set(text);
    else
        record.Answers[field - 1].set(text);
    return game;
}

CheckPanel* OpenPanel(EditorHarness& editor) {
    editor.click("mnuCheckGameSet");
    return editor.find<CheckPanel>("dckCheckGameSet");
}

} // namespace

class TestCheckPanel : public QObject {
    Q_OBJECT

private slots:
    // Enter or a double click on a finding selects its square and puts the cursor at the fault.
    void goesToTheFault_data() {
        Columns<int, int, int, bool, QString>("category", "question", "field", "doubleClick",
                                              "box");
        AddRow("blank name", 4, 1, -1, false, "txtCategoryName");
        AddRow("no answer", 3, 4, 1, true, "txtAnswer");
        AddRow("empty final question", 7, 1, 0, false, "txtEnterQuestion");
        AddRow("right letter on an empty choice", 2, 2, 3, true, "cboABCD");
    }
    void goesToTheFault() {
        auto [category, question, field] = Fetch<int, int, int>("category", "question", "field");
        EditorHarness editor;
        // A choice that is not the answer; an empty text elsewhere.
        editor.load(BoardWith(category, question, field, field == 3 ? "Mars" : ""));
        CheckPanel* panel = OpenPanel(editor);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->findings().size(), 1);
        auto* list = panel->findChild<QTableWidget*>();
        const QPoint middle = list->visualItemRect(list->item(0, 1)).center();
        QFETCH(bool, doubleClick);
        if (doubleClick) {
            // A double click arrives after the click it starts with.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, middle);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, middle);
        } else {
            list->setCurrentCell(0, 0);
            QTest::keyClick(list, Qt::Key_Return);
        }
        QCOMPARE(editor.selection(), qMakePair(category, question));
        QTEST(editor.window->focusWidget()->objectName(), "box");
        QCOMPARE(editor.shown("fraMultipleAnswers"), field == 3);
    }

    // The list follows typing and undo; the count shows in the menu.
    void followsTheEdits() {
        EditorHarness editor;
        editor.load(BoardWith(1, 1, 0, "Which river runs through Paris?"));
        QAction* command = editor.action("mnuCheckGameSet");
        QTRY_COMPARE(command->text(), "Check Game Set (no problems)");
        editor.select(3, 2);
        editor.type("txtAnswer", "");
        QTRY_COMPARE(command->text(), "Check Game Set (1 problem)");
        editor.leave("txtAnswer");
        editor.type("txtEnterQuestion", editor.record(1, 1).QuestionText.trimmed());
        QTRY_COMPARE(command->text(), "Check Game Set (2 problems)");
        const QList<Finding> findings = OpenPanel(editor)->findings();
        QVERIFY(findings.at(0).square == (Square{3, 2}) &&
                findings.at(0).part == CheckPart::Answer);
        QVERIFY(findings.at(1).message.endsWith("as category 1 question 1"));
        editor.window->mnuEditUndo_Click();
        QTRY_COMPARE(command->text(), "Check Game Set (1 problem)");
    }

    void refusedWhileChoicesAreOpen() {
        EditorHarness editor;
        editor.load(BoardWith(3, 4, 1, ""));
        CheckPanel* panel = OpenPanel(editor);
        editor.select(1, 2);
        editor.click("btnMultipleChoice");
        panel->goTo(panel->findings().first());
        editor.click("mnuCheckGameSet");
        editor.click("mnuExportTabDelimited");
        QCOMPARE(editor.services.messageTexts(), QStringList(3, MultipleChoiceGuardText));
        QCOMPARE(editor.selection(), qMakePair(1, 2));
    }

    // Export offers two encodings (the second UTF-8), keeps the set, reports what changed.
    void exportsTheBoard() {
        EditorHarness editor;
        QTemporaryDir dir;
        editor.services.setNextFileName(dir.filePath("empty.tsv"));
        editor.click("mnuExportTabDelimited"); // nothing changed on the way: nothing to say
        QVERIFY(editor.services.messageTexts().isEmpty() &&
                QFile::exists(dir.filePath("empty.tsv")));
        const GameSet game = BoardWith(2, 1, 0, "Two\tcells");
        editor.load(game);
        editor.services.setNextFileName(dir.filePath("board.tsv"));
        editor.services.setNextFilterIndex(1);
        editor.click("mnuExportTabDelimited");
        QCOMPARE(editor.services.chooserCalls.last().filter.count("Tab delimited, "), 2);
        QCOMPARE(FileContents(dir.filePath("board.tsv")),
                 ExportTabDelimited(game, TextEncoding::Utf8).bytes);
        QVERIFY(editor.document.game() == game && !editor.document.isModified());
        QVERIFY(editor.services.messageTexts().last().endsWith(
            "category 2 question 1: a tab in the question was written as a space"));
        // A failed export says so, and only that.
        editor.services.setNextFileName(dir.filePath("board.tsv/board.tsv"));
        editor.services.setNextFilterIndex(0);
        editor.click("mnuExportTabDelimited");
        QCOMPARE(editor.services.messageTexts().size(), 2);
        QVERIFY(
            editor.services.messageTexts().last().startsWith("The board could not be exported"));
    }
};

QTEST_MAIN(TestCheckPanel)
#include "tst_checkpanel.moc"
