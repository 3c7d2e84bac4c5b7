// The board on its own controls: where each command leaves the selection,
// and which category names it stores (only the author's, and the default
// name of a category first visited without one).
#include "scriptedservices.h"
#include "testdata.h"

#include "document/gamesetdocument.h"
#include "editor/board.h"
#include "editor/boardselection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

using namespace Qt::StringLiterals;

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void commandsMoveTheSelectionAndStoreOnlyNames_data() {
        // steps: cat:N (caption N clicked), q:N, final, next, type:TEXT (into
        // the name box), leave (it loses the focus), undo, box (the
        // multiple-choice box is open from then on).
        Columns<QString, QString, QString, QString, QString>("steps", "selected", "names",
                                                             "nameBox", "said");
        AddRow("Next from the last square goes to the final, storing nothing", u"cat:6 q:5 next"_s,
               u"7/1"_s, u"Rivers,,,,,Space"_s, u"FINAL QUESTION (locked)"_s, QString());
        AddRow("Next from the final starts again", u"final next"_s, u"1/1"_s, u"Rivers,,,,,Space"_s,
               u"Rivers"_s, QString());
        AddRow("Next within a category", u"cat:1 q:2 next next"_s, u"1/4"_s, u"Rivers,,,,,Space"_s,
               u"Rivers"_s, QString());
        AddRow("a nameless category visited takes its default name", u"cat:3"_s, u"3/1"_s,
               u"Rivers,,CATEGORY 3,,,Space"_s, u"CATEGORY 3"_s, QString());
        AddRow("typing stores the name", u"cat:2 type:Lakes"_s, u"2/1"_s,
               u"Rivers,Lakes,,,,Space"_s, u"Lakes"_s, QString());
        AddRow("an emptied name box gets the default back", u"cat:6 type: leave"_s, u"6/1"_s,
               u"Rivers,,,,,CATEGORY 6"_s, u"CATEGORY 6"_s, QString());
        AddRow("Undo of a name shows its category", u"cat:1 type:Seas cat:6 undo"_s, u"1/1"_s,
               u"Rivers,,,,,Space"_s, u"Rivers"_s, QString());
        AddRow("nothing moves while the multiple-choice box is open", u"cat:6 box cat:1 next"_s,
               u"6/1"_s, u"Rivers,,,,,Space"_s, u"Space"_s, u"Multiple Choice Box"_s);
    }

    void commandsMoveTheSelectionAndStoreOnlyNames() {
        const auto [steps, selected, names, nameBox, said] =
            Fetch<QString, QString, QString, QString, QString>("steps", "selected", "names",
                                                               "nameBox", "said");
        ScriptedServices services;
        GameSetDocument document;
        BoardSelection selection;
        CommandGuard guard(services);
        QWidget multipleChoiceBox;
        multipleChoiceBox.hide();
        guard.watch(&multipleChoiceBox);
        GameSet game = ResetGame();
        game.CategoryNames[0].set(u"Rivers"_s);
        game.CategoryNames[5].set(u"Space"_s);
        document.replace(game, QString(), false);

        Board board(document, selection, guard, nullptr);
        const Board::Controls& controls = board.controls();
        board.ShowWholeBoard();

        for (const QString& step : steps.split(u' ')) {
            const QString argument = step.section(u':', 1);
            if (step.startsWith(u"cat:"_s))
                board.lblCategory_Click(argument.toInt() - 1);
            else if (step.startsWith(u"q:"_s))
                board.btnQuestion_Click(argument.toInt() - 1);
            else if (step == u"final"_s)
                board.picFinalQuestion_Click();
            else if (step == u"next"_s)
                board.btnNext_Click();
            else if (step.startsWith(u"type:"_s))
                controls.txtCategoryName->setText(argument);
            else if (step == u"leave"_s)
                board.txtCategoryName_LostFocus();
            else if (step == u"undo"_s)
                document.undoStack().undo();
            else if (step == u"box"_s)
                multipleChoiceBox.show();
        }

        QCOMPARE(u"%1/%2"_s.arg(selection.category()).arg(selection.question()), selected);
        QStringList stored;
        for (const auto& name : document.game().CategoryNames)
            stored << name.trimmed();
        QCOMPARE(stored.join(u','), names);
        const QLineEdit* box = controls.txtCategoryName;
        QCOMPARE(box->text() + (box->isReadOnly() ? u" (locked)"_s : QString()), nameBox);
        const QString messages = services.messageTexts().join(u'\n');
        QVERIFY2(said.isEmpty() ? messages.isEmpty() : messages.contains(said),
                 qPrintable(messages));
    }

    // The board lies over the question panel: the panel's controls between its own get the mouse.
    void takesTheMouseOnlyOverItsControls() {
        ScriptedServices services;
        GameSetDocument document;
        BoardSelection selection;
        CommandGuard guard(services);
        QWidget drawing;
        drawing.resize(1018, 681);
        Board board(document, selection, guard, &drawing);
        QCOMPARE(drawing.childAt(478, 347), nullptr); // the preview's middle
        QCOMPARE(drawing.childAt(970, 560), board.controls().btnNext);
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
