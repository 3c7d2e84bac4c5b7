#include "editorharness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using Square = QPair<int, int>;

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void nextWalksTheBoardColumnByColumn();
    void nextOnToTheFinalQuestion();
    void categoryNameStored_data();
    void categoryNameStored();
    void emptiedNameRestoredOnLeaving();
    void choosingACategory_data();
    void choosingACategory();
    void questionButtonKeepsTheFinalQuestion();
    void guardRefusesWhileChoicesAreOpen_data();
    void guardRefusesWhileChoicesAreOpen();
    void nameBoxSelectsItsTextOnEntry_data();
    void nameBoxSelectsItsTextOnEntry();
    void resetBoardDisplay();
};

void TestNavigation::nextWalksTheBoardColumnByColumn() {
    EditorHarness editor;
    QList<Square> visited{editor.selection()};
    for (int step = 0; step < 31; ++step) {
        editor.click(QStringLiteral("btnNext"));
        visited.append(editor.selection());
        const auto [category, question] = editor.selection();
        if (category <= 6) {
            // The markers follow: one category arrow, one question arrow,
            // and only the selected category's caption greyed.
            QCOMPARE(editor.shownArrows(),
                     QStringList({QStringLiteral("lblC%1Arrow").arg(category),
                                  QStringLiteral("lblQ%1Arrow").arg(question)}));
            for (int index = 0; index < 6; ++index)
                QCOMPARE(editor.window->lblCategory[index]->isEnabled(), index != category - 1);
        }
    }
    QList<Square> expected{{1, 1}};
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question) {
            if (category != 1 || question != 1)
                expected.append({category, question});
        }
    }
    expected.append({7, 1});
    expected.append({1, 1});
    QCOMPARE(visited, expected);
    QVERIFY(editor.services.messages.isEmpty());
}

void TestNavigation::nextOnToTheFinalQuestion() {
    EditorHarness editor;
    for (int step = 0; step < 30; ++step)
        editor.click(QStringLiteral("btnNext"));
    QCOMPARE(editor.selection(), Square(7, 1));
    QLineEdit* name = editor.lineEdit(QStringLiteral("txtCategoryName"));
    QCOMPARE(name->text(), QStringLiteral("FINAL QUESTION"));
    QVERIFY(name->isReadOnly());
    for (const ClickableLabel* caption : editor.window->lblCategory)
        QVERIFY(caption->isEnabled());
    QCOMPARE(editor.shownArrows(), QStringList{QStringLiteral("lblC7Arrow")});
    // The locked box ignores typing, and nothing reaches the category names.
    const auto names = editor.state.game.CategoryNames;
    QTest::keyClicks(name, QStringLiteral("abc"));
    QCOMPARE(name->text(), QStringLiteral("FINAL QUESTION"));
    QCOMPARE(editor.state.game.CategoryNames, names);

    // One more step comes back to the first square with its name, unlocked.
    editor.click(QStringLiteral("btnNext"));
    QCOMPARE(name->text(), QStringLiteral("CATEGORY 1"));
    QVERIFY(!name->isReadOnly());
}

void TestNavigation::categoryNameStored_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const QString forty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
    QTest::newRow("40 characters keep 32") << forty << forty.left(32);
    QTest::newRow("spaces around removed")
        << QStringLiteral("  World Capitals  ") << QStringLiteral("World Capitals");
    QTest::newRow("exactly 32") << forty.left(32) << forty.left(32);
    QTest::newRow("tabs are text") << QStringLiteral("A\tB") << QStringLiteral("A\tB");
}

void TestNavigation::categoryNameStored() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    EditorHarness editor;
    editor.click(QStringLiteral("lblCategory_3"));
    editor.state.DataChanged = false;
    editor.window->m_ui.txtCategoryName->setText(typed);
    QCOMPARE(editor.state.game.CategoryNames[3].trimmed(), stored);
    QCOMPARE(editor.state.game.CategoryNames[3].padded().size(), 32);
    QCOMPARE(editor.label(QStringLiteral("lblCategory_3"))->text(), stored);
    QVERIFY(editor.state.DataChanged);
    // The other categories keep their names.
    QCOMPARE(editor.state.game.CategoryNames[2].trimmed(), QStringLiteral("CATEGORY 3"));
}

void TestNavigation::emptiedNameRestoredOnLeaving() {
    EditorHarness editor;
    editor.click(QStringLiteral("lblCategory_1"));
    editor.type(QStringLiteral("txtCategoryName"), QString());
    // While the box is empty the board caption is empty too.
    QCOMPARE(editor.label(QStringLiteral("lblCategory_1"))->text(), QString());
    QVERIFY(editor.state.game.CategoryNames[1].isBlank());
    editor.state.DataChanged = false;
    editor.leave(QStringLiteral("txtCategoryName"));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(),
             QStringLiteral("CATEGORY 2"));
    QCOMPARE(editor.state.game.CategoryNames[1].trimmed(), QStringLiteral("CATEGORY 2"));
    QCOMPARE(editor.label(QStringLiteral("lblCategory_1"))->text(), QStringLiteral("CATEGORY 2"));
    QVERIFY(editor.state.DataChanged);

    // A name of spaces only is left as it is.
    editor.window->m_ui.txtCategoryName->setText(QStringLiteral("   "));
    editor.leave(QStringLiteral("txtCategoryName"));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(), QStringLiteral("   "));
}

void TestNavigation::choosingACategory_data() {
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<bool>("changed");
    QTest::newRow("empty name gets the default")
        << QString() << QStringLiteral("CATEGORY 3") << true;
    QTest::newRow("a name differing from the box")
        << QStringLiteral("Rivers") << QStringLiteral("Rivers") << true;
    QTest::newRow("padded name shown trimmed")
        << QStringLiteral("   Lakes") << QStringLiteral("Lakes") << true;
}

void TestNavigation::choosingACategory() {
    QFETCH(QString, storedName);
    QFETCH(QString, shownName);
    QFETCH(bool, changed);
    EditorHarness editor;
    editor.click(QStringLiteral("btnQuestion_3"));
    editor.state.game.CategoryNames[2].set(storedName);
    editor.state.DataChanged = false;
    editor.click(QStringLiteral("lblCategory_2"));
    QCOMPARE(editor.selection(), Square(3, 1));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(), shownName);
    QCOMPARE(editor.state.game.CategoryNames[2].trimmed(), shownName);
    QCOMPARE(editor.label(QStringLiteral("lblCategory_2"))->text(), shownName);
    QCOMPARE(editor.state.DataChanged, changed);
    QCOMPARE(editor.shownArrows(),
             QStringList({QStringLiteral("lblC3Arrow"), QStringLiteral("lblQ1Arrow")}));
    QVERIFY(!editor.window->lblCategory[2]->isEnabled());
    QVERIFY(editor.window->lblCategory[0]->isEnabled());
}

void TestNavigation::questionButtonKeepsTheFinalQuestion() {
    EditorHarness editor;
    editor.click(QStringLiteral("picFinalQuestion"));
    QCOMPARE(editor.selection(), Square(7, 7));
    for (const QPushButton* button : editor.window->btnQuestion)
        QVERIFY(button->isHidden());
    QCOMPARE(editor.shownArrows(), QStringList{QStringLiteral("lblC7Arrow")});
    editor.window->btnQuestion_Click(2);
    QCOMPARE(editor.window->CurrentCategory, 7);
    // A text final question locks the name box under its own caption.
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(),
             QStringLiteral("Final Question"));
    QVERIFY(editor.lineEdit(QStringLiteral("txtCategoryName"))->isReadOnly());
    // Choosing a category again shows its buttons and unlocks the box.
    editor.click(QStringLiteral("lblCategory_4"));
    QCOMPARE(editor.selection(), Square(5, 1));
    for (const QPushButton* button : editor.window->btnQuestion)
        QVERIFY(!button->isHidden());
    QVERIFY(!editor.lineEdit(QStringLiteral("txtCategoryName"))->isReadOnly());
}

void TestNavigation::guardRefusesWhileChoicesAreOpen_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("category caption") << QStringLiteral("lblCategory_2");
    QTest::newRow("question button") << QStringLiteral("btnQuestion_4");
    QTest::newRow("final question") << QStringLiteral("picFinalQuestion");
    QTest::newRow("next") << QStringLiteral("btnNext");
    QTest::newRow("text button") << QStringLiteral("btnText");
}

void TestNavigation::guardRefusesWhileChoicesAreOpen() {
    QFETCH(QString, control);
    EditorHarness editor;
    editor.click(QStringLiteral("btnQuestion_1"));
    editor.state.game.question(1, 2).QuestionText.set(QStringLiteral("kept"));
    editor.state.game.question(1, 2).DailyDouble = QStringLiteral("Y");
    editor.window->m_ui.fraMultipleAnswers->show();
    editor.state.DataChanged = false;
    const GameSet before = editor.state.game;

    editor.click(control);

    QCOMPARE(editor.selection(), Square(1, 2));
    QCOMPARE(editor.services.messages.size(), 1);
    const ScriptedServices::Message& message = editor.services.messages.first();
    QCOMPARE(message.text,
             QStringLiteral("Click Done or Cancel in the Multiple Choice Box First!"));
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.title, QString());
    QVERIFY(editor.state.game == before);
    QVERIFY(!editor.state.DataChanged);
    QCOMPARE(editor.shownArrows(),
             QStringList({QStringLiteral("lblC1Arrow"), QStringLiteral("lblQ2Arrow")}));
}

void TestNavigation::nameBoxSelectsItsTextOnEntry_data() {
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("click") << true;
    QTest::newRow("tab") << false;
}

void TestNavigation::nameBoxSelectsItsTextOnEntry() {
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
    // Typing then replaces the whole name.
    QTest::keyClicks(name, QStringLiteral("Oceans"));
    QCOMPARE(editor.state.game.CategoryNames[0].trimmed(), QStringLiteral("Oceans"));
}

void TestNavigation::resetBoardDisplay() {
    EditorHarness editor;
    editor.click(QStringLiteral("lblCat3_1"));
    editor.click(QStringLiteral("btnQuestion_1"));
    editor.window->m_ui.txtCategoryName->setText(QStringLiteral("Deserts"));
    editor.window->m_ui.lblAnswer->setText(QStringLiteral("Something else"));
    editor.window->m_ui.picQuestionPicture->show();
    editor.window->m_ui.txtEnterQuestion->setText(QStringLiteral("Driest place?"));
    editor.window->ResetBoardDisplay();
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->text(), QString());
    QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(), QString());
    QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(), QString());
    QVERIFY(!editor.checkBox(QStringLiteral("chkDailyDouble"))->isChecked());
    QCOMPARE(editor.label(QStringLiteral("lblAnswer"))->text(), QStringLiteral("Answer:"));
    QVERIFY(!editor.shown(QStringLiteral("picQuestionPicture")));
    QVERIFY(editor.shown(QStringLiteral("txtEnterQuestion")));
    QVERIFY(editor.shown(QStringLiteral("lblQuestionPrompt")));
    QVERIFY(editor.shown(QStringLiteral("lblDisPlayQuestion")));
    QCOMPARE(SquareColour(editor, 3, 1), 0u);
    for (int index = 0; index < 6; ++index)
        QCOMPARE(editor.window->lblCategory[index]->text(),
                 QStringLiteral("CATEGORY %1").arg(index + 1));
    // Only the display is cleared: the names and marks stay in the game set.
    QCOMPARE(editor.state.game.CategoryNames[0].trimmed(), QStringLiteral("Deserts"));
    QCOMPARE(editor.state.game.question(3, 2).DailyDouble, QStringLiteral("Y"));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
