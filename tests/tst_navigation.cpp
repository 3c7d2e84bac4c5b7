#include "editorharness.h"

#include <QLineEdit>
#include <QTest>

using Square = QPair<int, int>;

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void nextWalksTheBoard() {
        EditorHarness editor;
        QLineEdit* name = editor.lineEdit(u"txtCategoryName"_s);
        QList<Square> visited;
        for (int step = 0; step < 31; ++step) {
            editor.click(u"btnNext"_s);
            visited.append(editor.selection());
            const auto [category, question] = editor.selection();
            const QStringList arrows = category == 7 ? QStringList{u"lblC7Arrow"_s}
                                                     : QStringList{u"lblC%1Arrow"_s.arg(category),
                                                                   u"lblQ%1Arrow"_s.arg(question)};
            QCOMPARE(editor.shownArrows(), arrows);
            for (int index = 0; index < 6; ++index)
                QCOMPARE(editor.window->lblCategory[index]->isEnabled(), index != category - 1);
            QCOMPARE(name->isReadOnly(), category == 7);
            if (category == 7) {
                QCOMPARE(name->text(), u"FINAL QUESTION"_s);
                // The locked box ignores typing; nothing reaches the names.
                const auto names = editor.state.game.CategoryNames;
                QTest::keyClicks(name, u"abc"_s);
                QCOMPARE(editor.state.game.CategoryNames, names);
            }
        }
        QList<Square> expected;
        for (int category = 1; category <= 6; ++category) {
            for (int question = 1; question <= 5; ++question)
                expected.append({category, question});
        }
        expected.removeFirst();
        expected << Square(7, 1) << Square(1, 1);
        QCOMPARE(visited, expected);
        QCOMPARE(name->text(), u"CATEGORY 1"_s);
        QVERIFY(editor.services.messages.isEmpty());
    }

    void categoryName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("leave");
        QTest::addColumn<QString>("box");    // after leaving, when the row leaves
        QTest::addColumn<QString>("stored"); // the name and the board caption
        const QString forty = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd"_s;
        QTest::newRow("40 characters keep 32") << forty << false << forty << forty.left(32);
        QTest::newRow("spaces around removed")
            << u"  Capitals  "_s << false << u"  Capitals  "_s << u"Capitals"_s;
        QTest::newRow("tabs are text") << u"A\tB"_s << false << u"A\tB"_s << u"A\tB"_s;
        QTest::newRow("emptied, still in the box") << QString() << false << QString() << QString();
        QTest::newRow("emptied, then left")
            << QString() << true << u"CATEGORY 4"_s << u"CATEGORY 4"_s;
        QTest::newRow("spaces only are kept on leaving")
            << u"   "_s << true << u"   "_s << QString();
    }

    void categoryName() {
        QFETCH(QString, typed);
        QFETCH(bool, leave);
        QFETCH(QString, box);
        QFETCH(QString, stored);
        EditorHarness editor;
        editor.click(u"lblCategory_3"_s);
        editor.state.DataChanged = false;
        editor.window->m_ui.txtCategoryName->setText(typed);
        if (leave) {
            editor.state.DataChanged = false;
            editor.leave(u"txtCategoryName"_s);
        }
        QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(), box);
        QCOMPARE(editor.state.game.CategoryNames[3].trimmed(), stored);
        QCOMPARE(editor.label(u"lblCategory_3"_s)->text(), stored);
        QCOMPARE(editor.state.DataChanged, !leave || box != typed);
        QCOMPARE(editor.state.game.CategoryNames[2].trimmed(), u"CATEGORY 3"_s);
    }

    void choosingACategory_data() {
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("empty name gets the default") << QString() << u"CATEGORY 3"_s;
        QTest::newRow("a name differing from the box") << u"Rivers"_s << u"Rivers"_s;
        QTest::newRow("padded name shown trimmed") << u"   Lakes"_s << u"Lakes"_s;
    }

    void choosingACategory() {
        QFETCH(QString, storedName);
        QFETCH(QString, shownName);
        EditorHarness editor;
        editor.click(u"btnQuestion_3"_s);
        editor.state.game.CategoryNames[2].set(storedName);
        editor.state.DataChanged = false;
        editor.click(u"lblCategory_2"_s);
        QCOMPARE(editor.selection(), Square(3, 1));
        QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(), shownName);
        QCOMPARE(editor.state.game.CategoryNames[2].trimmed(), shownName);
        QCOMPARE(editor.label(u"lblCategory_2"_s)->text(), shownName);
        // Putting the name into the box stores it again, typed or not.
        QVERIFY(editor.state.DataChanged);
        QCOMPARE(editor.shownArrows(), QStringList({u"lblC3Arrow"_s, u"lblQ1Arrow"_s}));
        QVERIFY(!editor.window->lblCategory[2]->isEnabled());
    }

    void finalQuestionKeepsItsSelection() {
        EditorHarness editor;
        editor.select(7);
        QCOMPARE(editor.selection(), Square(7, 7));
        QCOMPARE(editor.shownAmong({"btnQuestion_0", "btnQuestion_4"}), QStringList());
        editor.window->btnQuestion_Click(2);
        QCOMPARE(editor.window->CurrentCategory, 7);
        QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(), u"Final Question"_s);
        QVERIFY(editor.lineEdit(u"txtCategoryName"_s)->isReadOnly());
        // Choosing a category again shows its buttons and unlocks the box.
        editor.click(u"lblCategory_4"_s);
        QCOMPARE(editor.selection(), Square(5, 1));
        QCOMPARE(editor.shownAmong({"btnQuestion_0", "btnQuestion_4"}).size(), 2);
        QVERIFY(!editor.lineEdit(u"txtCategoryName"_s)->isReadOnly());
    }

    void guardRefusesWhileChoicesAreOpen_data() {
        QTest::addColumn<QString>("control");
        for (const char* control :
             {"lblCategory_2", "btnQuestion_4",   "picFinalQuestion",  "btnNext",
              "btnText",       "btnFont",         "btnFontColor",      "btnDefault",
              "btnCopy",       "btnSingleChoice", "btnMultipleChoice", "mnuFileNew",
              "btnNewFile",    "mnuFileOpen",     "btnFileOpen",       "mnuFileSave",
              "btnSave",       "mnuSaveAs",       "btnSaveAs",         "mnuImportTabDelimited"})
            QTest::newRow(control) << QString::fromLatin1(control);
    }

    void guardRefusesWhileChoicesAreOpen() {
        QFETCH(QString, control);
        EditorHarness editor;
        editor.select(1, 2);
        editor.record(1, 2).QuestionText.set(u"kept"_s);
        editor.record(1, 2).Answers[1].set(u"Rome"_s);
        editor.record(1, 2).FontName = u"Arial"_s;
        editor.click(u"btnMultipleChoice"_s);
        editor.type(u"txtEditAnswer1"_s, u"Typed"_s);
        editor.state.DataChanged = false;
        editor.services.clearRecords();
        editor.services.setNextFont(FontChoice{u"Times New Roman"_s, true, true});
        editor.services.setNextColor(QColor(Qt::blue));
        const GameSet before = editor.state.game;

        editor.click(control);

        const ScriptedServices::Message& message = editor.services.messages.value(0);
        QCOMPARE(editor.services.messageTexts(), QStringList{MultipleChoiceGuardText});
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.icon, MessageIcon::None);
        QCOMPARE(message.title, QString());
        QVERIFY(editor.services.chooserCalls.isEmpty());
        QVERIFY(editor.state.game == before);
        QVERIFY(!editor.state.DataChanged);
        QCOMPARE(editor.selection(), Square(1, 2));
        QCOMPARE(editor.window->txtEditAnswer[0]->text(), u"Typed"_s);
        QVERIFY(editor.shown(u"fraMultipleAnswers"_s));
    }

    void nameBoxSelectsItsTextOnEntry_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("click") << true;
        QTest::newRow("tab") << false;
    }

    void nameBoxSelectsItsTextOnEntry() {
        QFETCH(bool, byMouse);
        EditorHarness editor;
        QLineEdit* name = editor.lineEdit(u"txtCategoryName"_s);
        editor.window->m_ui.txtAnswer->setFocus();
        name->deselect();
        if (byMouse) {
            QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(20, name->height() / 2));
        } else {
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(name, &focusIn);
        }
        QTRY_COMPARE(name->selectedText(), u"CATEGORY 1"_s);
    }

    void resetBoardDisplay() {
        EditorHarness editor;
        editor.click(u"lblCat3_1"_s);
        editor.window->m_ui.txtCategoryName->setText(u"Deserts"_s);
        editor.window->m_ui.lblAnswer->setText(u"Something else"_s);
        editor.window->m_ui.picQuestionPicture->show();
        editor.window->m_ui.txtEnterQuestion->hide();
        editor.window->m_ui.txtEnterQuestion->setText(u"Driest place?"_s);
        editor.window->ResetBoardDisplay();
        QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->text(), QString());
        QCOMPARE(editor.lineEdit(u"txtEnterQuestion"_s)->text(), QString());
        QCOMPARE(editor.label(u"lblAnswer"_s)->text(), u"Answer:"_s);
        QCOMPARE(editor.shownAmong({"picQuestionPicture", "txtEnterQuestion", "lblQuestionPrompt",
                                    "lblDisPlayQuestion"}),
                 QStringList({"txtEnterQuestion", "lblQuestionPrompt", "lblDisPlayQuestion"}));
        QCOMPARE(SquareColour(editor, 3, 1), 0u);
        QCOMPARE(editor.window->lblCategory[0]->text(), u"CATEGORY 1"_s);
        // Only the display is cleared: the names and marks stay in the game set.
        QCOMPARE(editor.state.game.CategoryNames[0].trimmed(), u"Deserts"_s);
        QCOMPARE(editor.record(3, 2).DailyDouble, u"Y"_s);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
