#include "editorharness.h"

#include <QLineEdit>
#include <QTest>

using Square = QPair<int, int>;

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void nextWalksTheBoard() {
        EditorHarness editor;
        QLineEdit* name = editor.lineEdit(QStringLiteral("txtCategoryName"));
        QList<Square> visited;
        for (int step = 0; step < 31; ++step) {
            editor.click(QStringLiteral("btnNext"));
            visited.append(editor.selection());
            const auto [category, question] = editor.selection();
            const QStringList arrows =
                category == 7 ? QStringList{QStringLiteral("lblC7Arrow")}
                              : QStringList{QStringLiteral("lblC%1Arrow").arg(category),
                                            QStringLiteral("lblQ%1Arrow").arg(question)};
            QCOMPARE(editor.shownArrows(), arrows);
            for (int index = 0; index < 6; ++index)
                QCOMPARE(editor.window->lblCategory[index]->isEnabled(), index != category - 1);
            QCOMPARE(name->isReadOnly(), category == 7);
            if (category == 7) {
                QCOMPARE(name->text(), QStringLiteral("FINAL QUESTION"));
                // The locked box ignores typing; nothing reaches the names.
                const auto names = editor.state.game.CategoryNames;
                QTest::keyClicks(name, QStringLiteral("abc"));
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
        QCOMPARE(name->text(), QStringLiteral("CATEGORY 1"));
        QVERIFY(editor.services.messages.isEmpty());
    }

    void categoryName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("leave");
        QTest::addColumn<QString>("box");    // after leaving, when the row leaves
        QTest::addColumn<QString>("stored"); // the name and the board caption
        const QString forty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
        QTest::newRow("40 characters keep 32") << forty << false << forty << forty.left(32);
        QTest::newRow("spaces around removed")
            << QStringLiteral("  Capitals  ") << false << QStringLiteral("  Capitals  ")
            << QStringLiteral("Capitals");
        QTest::newRow("tabs are text")
            << QStringLiteral("A\tB") << false << QStringLiteral("A\tB") << QStringLiteral("A\tB");
        QTest::newRow("emptied, still in the box") << QString() << false << QString() << QString();
        QTest::newRow("emptied, then left")
            << QString() << true << QStringLiteral("CATEGORY 4") << QStringLiteral("CATEGORY 4");
        QTest::newRow("spaces only are kept on leaving")
            << QStringLiteral("   ") << true << QStringLiteral("   ") << QString();
    }

    void categoryName() {
        QFETCH(QString, typed);
        QFETCH(bool, leave);
        QFETCH(QString, box);
        QFETCH(QString, stored);
        EditorHarness editor;
        editor.click(QStringLiteral("lblCategory_3"));
        editor.state.DataChanged = false;
        editor.window->m_ui.txtCategoryName->setText(typed);
        if (leave) {
            editor.state.DataChanged = false;
            editor.leave(QStringLiteral("txtCategoryName"));
        }
        QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(), box);
        QCOMPARE(editor.state.game.CategoryNames[3].trimmed(), stored);
        QCOMPARE(editor.label(QStringLiteral("lblCategory_3"))->text(), stored);
        QCOMPARE(editor.state.DataChanged, !leave || box != typed);
        QCOMPARE(editor.state.game.CategoryNames[2].trimmed(), QStringLiteral("CATEGORY 3"));
    }

    void choosingACategory_data() {
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("empty name gets the default") << QString() << QStringLiteral("CATEGORY 3");
        QTest::newRow("a name differing from the box")
            << QStringLiteral("Rivers") << QStringLiteral("Rivers");
        QTest::newRow("padded name shown trimmed")
            << QStringLiteral("   Lakes") << QStringLiteral("Lakes");
    }

    void choosingACategory() {
        QFETCH(QString, storedName);
        QFETCH(QString, shownName);
        EditorHarness editor;
        editor.click(QStringLiteral("btnQuestion_3"));
        editor.state.game.CategoryNames[2].set(storedName);
        editor.state.DataChanged = false;
        editor.click(QStringLiteral("lblCategory_2"));
        QCOMPARE(editor.selection(), Square(3, 1));
        QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(), shownName);
        QCOMPARE(editor.state.game.CategoryNames[2].trimmed(), shownName);
        QCOMPARE(editor.label(QStringLiteral("lblCategory_2"))->text(), shownName);
        // Putting the name into the box stores it again, typed or not.
        QVERIFY(editor.state.DataChanged);
        QCOMPARE(editor.shownArrows(),
                 QStringList({QStringLiteral("lblC3Arrow"), QStringLiteral("lblQ1Arrow")}));
        QVERIFY(!editor.window->lblCategory[2]->isEnabled());
    }

    void finalQuestionKeepsItsSelection() {
        EditorHarness editor;
        editor.select(7);
        QCOMPARE(editor.selection(), Square(7, 7));
        QCOMPARE(editor.shownAmong({"btnQuestion_0", "btnQuestion_4"}), QStringList());
        editor.window->btnQuestion_Click(2);
        QCOMPARE(editor.window->CurrentCategory, 7);
        QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(),
                 QStringLiteral("Final Question"));
        QVERIFY(editor.lineEdit(QStringLiteral("txtCategoryName"))->isReadOnly());
        // Choosing a category again shows its buttons and unlocks the box.
        editor.click(QStringLiteral("lblCategory_4"));
        QCOMPARE(editor.selection(), Square(5, 1));
        QCOMPARE(editor.shownAmong({"btnQuestion_0", "btnQuestion_4"}).size(), 2);
        QVERIFY(!editor.lineEdit(QStringLiteral("txtCategoryName"))->isReadOnly());
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
        editor.record(1, 2).QuestionText.set(QStringLiteral("kept"));
        editor.record(1, 2).Answers[1].set(QStringLiteral("Rome"));
        editor.record(1, 2).FontName = QStringLiteral("Arial");
        editor.click(QStringLiteral("btnMultipleChoice"));
        editor.type(QStringLiteral("txtEditAnswer1"), QStringLiteral("Typed"));
        editor.state.DataChanged = false;
        editor.services.clearRecords();
        editor.services.setNextFont(FontChoice{QStringLiteral("Times New Roman"), true, true});
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
        QCOMPARE(editor.window->txtEditAnswer[0]->text(), QStringLiteral("Typed"));
        QVERIFY(editor.shown(QStringLiteral("fraMultipleAnswers")));
    }

    void nameBoxSelectsItsTextOnEntry_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("click") << true;
        QTest::newRow("tab") << false;
    }

    void nameBoxSelectsItsTextOnEntry() {
        QFETCH(bool, byMouse);
        EditorHarness editor;
        QLineEdit* name = editor.lineEdit(QStringLiteral("txtCategoryName"));
        editor.window->m_ui.txtAnswer->setFocus();
        name->deselect();
        if (byMouse) {
            QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(20, name->height() / 2));
        } else {
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(name, &focusIn);
        }
        QTRY_COMPARE(name->selectedText(), QStringLiteral("CATEGORY 1"));
    }

    void resetBoardDisplay() {
        EditorHarness editor;
        editor.click(QStringLiteral("lblCat3_1"));
        editor.window->m_ui.txtCategoryName->setText(QStringLiteral("Deserts"));
        editor.window->m_ui.lblAnswer->setText(QStringLiteral("Something else"));
        editor.window->m_ui.picQuestionPicture->show();
        editor.window->m_ui.txtEnterQuestion->hide();
        editor.window->m_ui.txtEnterQuestion->setText(QStringLiteral("Driest place?"));
        editor.window->ResetBoardDisplay();
        QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->text(), QString());
        QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(), QString());
        QCOMPARE(editor.label(QStringLiteral("lblAnswer"))->text(), QStringLiteral("Answer:"));
        QCOMPARE(editor.shownAmong({"picQuestionPicture", "txtEnterQuestion", "lblQuestionPrompt",
                                    "lblDisPlayQuestion"}),
                 QStringList({"txtEnterQuestion", "lblQuestionPrompt", "lblDisPlayQuestion"}));
        QCOMPARE(SquareColour(editor, 3, 1), 0u);
        QCOMPARE(editor.window->lblCategory[0]->text(), QStringLiteral("CATEGORY 1"));
        // Only the display is cleared: the names and marks stay in the game set.
        QCOMPARE(editor.state.game.CategoryNames[0].trimmed(), QStringLiteral("Deserts"));
        QCOMPARE(editor.record(3, 2).DailyDouble, QStringLiteral("Y"));
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
