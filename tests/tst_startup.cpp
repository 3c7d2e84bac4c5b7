#include "editorharness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWith_data();
    void startsWith();
    void neutralPanel();
    void currentGameIsShown();
    void unreadableCurrentGameStartsNew();

private:
    QTemporaryDir m_folder;
    QString m_gamePath;
};

void TestStartup::initTestCase() {
    QVERIFY(m_folder.isValid());
    GameSet game;
    ResetGameSet(game);
    const QStringList names{"Rivers", "Kings", "Moons", "Songs", "Cheeses", "Knots"};
    for (int index = 0; index < 6; ++index)
        game.CategoryNames[index].set(names[index]);
    game.question(1, 1).QuestionText.set(QStringLiteral("Longest river in Africa?"));
    game.question(1, 1).Answers[0].set(QStringLiteral("The Nile"));
    game.question(2, 4).DailyDouble = QStringLiteral("Y");
    game.question(6, 5).DailyDouble = QStringLiteral("y");
    m_gamePath = WriteGameSetFile(game, m_folder.path(), QStringLiteral("current.txt"));
}

void TestStartup::startsWith_data() {
    QTest::addColumn<QString>("editCurrentGame");
    QTest::addColumn<QString>("game");
    QTest::addColumn<bool>("opensCurrent");
    QTest::newRow("no settings") << QString() << QString() << false;
    QTest::newRow("current game") << "1"
                                  << "@" << true;
    QTest::newRow("game is 0") << "1"
                               << "0" << false;
    QTest::newRow("game is blank") << "1"
                                   << "   " << false;
    QTest::newRow("game file missing") << "1"
                                       << "/no/such/folder/game.txt" << false;
    QTest::newRow("not asked to edit it") << "0"
                                          << "@" << false;
    QTest::newRow("only 1 asks") << "yes"
                                 << "@" << false;
}

void TestStartup::startsWith() {
    QFETCH(QString, editCurrentGame);
    QFETCH(QString, game);
    QFETCH(bool, opensCurrent);
    QMap<QString, QString> settings;
    if (!editCurrentGame.isNull())
        settings.insert(QStringLiteral("EditCurrentGame"), editCurrentGame);
    if (!game.isNull())
        settings.insert(QStringLiteral("Game"),
                        QString(game).replace(QLatin1Char('@'), m_gamePath));
    EditorHarness editor(settings);

    QVERIFY(editor.services.messages.isEmpty());
    QCOMPARE(editor.window->CurrentCategory, 1);
    QCOMPARE(editor.window->CurrentQuestion, 1);
    QVERIFY(!editor.state.DataChanged);
    QCOMPARE(editor.state.EditCurrentGame, opensCurrent);
    const QStringList expectedNames =
        opensCurrent ? QStringList{"Rivers", "Kings", "Moons", "Songs", "Cheeses", "Knots"}
                     : QStringList{"CATEGORY 1", "CATEGORY 2", "CATEGORY 3",
                                   "CATEGORY 4", "CATEGORY 5", "CATEGORY 6"};
    for (int index = 0; index < 6; ++index) {
        QCOMPARE(editor.state.game.CategoryNames[index].trimmed(), expectedNames[index]);
        QCOMPARE(editor.window->lblCategory[index]->text(), expectedNames[index]);
        QCOMPARE(editor.window->lblCategory[index]->isEnabled(), index != 0);
    }
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(), expectedNames[0]);
    QVERIFY(!editor.lineEdit(QStringLiteral("txtCategoryName"))->isReadOnly());
    QCOMPARE(editor.window->windowTitle(), opensCurrent
                                               ? QStringLiteral("Quizmora Editor")
                                               : QStringLiteral("Quizmora Editor - untitled"));
    QCOMPARE(editor.shownArrows(),
             QStringList({QStringLiteral("lblC1Arrow"), QStringLiteral("lblQ1Arrow")}));
    QCOMPARE(editor.state.CurrentFileName, QString());
    QCOMPARE(editor.lineEdit(QStringLiteral("txtEnterQuestion"))->text(),
             opensCurrent ? QStringLiteral("Longest river in Africa?") : QString());
}

void TestStartup::neutralPanel() {
    EditorHarness editor;
    for (const char* name :
         {"chkFilenameAnswer", "lblFilenameAnswer", "lblFirstAnswer", "lblSecondAnswer",
          "lblThirdAnswer", "lblForthAnswer", "picVideo", "btnVideoPlay", "btnVideoPause",
          "btnVideoStop", "fraMultipleAnswers", "fraSoundButtons", "lblPath", "txtPath",
          "picQuestionPicture", "lblQuestionAutoResize"})
        QVERIFY2(!editor.shown(QString::fromLatin1(name)), name);
    for (const char* name :
         {"btnCopy", "lblCopyFont", "btnQuestion_0", "btnQuestion_4", "btnPicture", "btnVideo",
          "btnSound", "txtEnterQuestion", "lblQuestionPrompt", "lblDisPlayQuestion"})
        QVERIFY2(editor.shown(QString::fromLatin1(name)), name);
    QCOMPARE(editor.find<QComboBox>(QStringLiteral("cboABCD"))->currentIndex(), 0);
    QVERIFY(!editor.checkBox(QStringLiteral("chkDailyDouble"))->isChecked());
    QCOMPARE(editor.label(QStringLiteral("lblAnswer"))->text(), QStringLiteral("Answer:"));
    for (int category = 1; category <= 6; ++category) {
        for (int index = 0; index < 5; ++index)
            QCOMPARE(SquareColour(editor, category, index), 0u);
    }
    // The settings are read once each, and start-up draws no random numbers.
    QCOMPARE(editor.services.settingsRead, QStringList{QStringLiteral("EditCurrentGame")});
    QCOMPARE(editor.services.randomDraws, 0);
}

void TestStartup::currentGameIsShown() {
    EditorHarness editor({{QStringLiteral("EditCurrentGame"), QStringLiteral("1")},
                          {QStringLiteral("Game"), m_gamePath}});
    QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(), QStringLiteral("The Nile"));
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->text(),
             QStringLiteral("Longest river in Africa?"));
    // The map shows the marks read, a lower-case y included.
    for (int category = 1; category <= 6; ++category) {
        for (int index = 0; index < 5; ++index) {
            const bool red = (category == 2 && index == 3) || (category == 6 && index == 4);
            QCOMPARE(SquareColour(editor, category, index), red ? 255u : 0u);
        }
    }
    QCOMPARE(editor.state.game.question(6, 5).DailyDouble, QStringLiteral("y"));
    // The file is remembered for the open-file chooser, not as the saved file.
    QCOMPARE(editor.window->EditorDialogFileName, m_gamePath);
}

void TestStartup::unreadableCurrentGameStartsNew() {
    // A folder is not a readable game set.
    EditorHarness editor({{QStringLiteral("EditCurrentGame"), QStringLiteral("1")},
                          {QStringLiteral("Game"), m_folder.path()}});
    QVERIFY(editor.services.messages.isEmpty());
    QCOMPARE(editor.window->windowTitle(), QStringLiteral("Quizmora Editor - untitled"));
    QCOMPARE(editor.state.game.CategoryNames[5].trimmed(), QStringLiteral("CATEGORY 6"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
