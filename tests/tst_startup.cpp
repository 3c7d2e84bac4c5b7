#include "editorharness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList Names{"Rivers", "Kings", "Moons", "Songs", "Cheeses", "Knots"};
}

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_gamePath;

private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        GameSet game;
        ResetGameSet(game);
        for (int index = 0; index < 6; ++index)
            game.CategoryNames[index].set(Names[index]);
        game.question(1, 1).QuestionText.set(QStringLiteral("Longest river in Africa?"));
        game.question(1, 1).Answers[0].set(QStringLiteral("The Nile"));
        game.question(2, 4).DailyDouble = QStringLiteral("Y");
        game.question(6, 5).DailyDouble = QStringLiteral("y");
        m_gamePath = WriteGameSetFile(game, m_folder.path(), QStringLiteral("current.txt"));
    }

    void startsWith_data() {
        QTest::addColumn<QString>("editCurrentGame");
        QTest::addColumn<QString>("game"); // "@": the current game's file, "dir": a folder
        QTest::addColumn<bool>("opensCurrent");
        QTest::newRow("no settings") << QString() << QString() << false;
        const QString one = QStringLiteral("1");
        QTest::newRow("current game") << one << QStringLiteral("@") << true;
        QTest::newRow("game is 0") << one << QStringLiteral("0") << false;
        QTest::newRow("game is blank") << one << QStringLiteral("   ") << false;
        QTest::newRow("game file missing") << one << QStringLiteral("/no/such/game.txt") << false;
        QTest::newRow("game is a folder") << one << QStringLiteral("dir") << false;
        QTest::newRow("only 1 asks") << QStringLiteral("yes") << QStringLiteral("@") << false;
    }

    void startsWith() {
        QFETCH(QString, editCurrentGame);
        QFETCH(QString, game);
        QFETCH(bool, opensCurrent);
        QMap<QString, QString> settings;
        if (!editCurrentGame.isNull())
            settings.insert(QStringLiteral("EditCurrentGame"), editCurrentGame);
        if (game == QLatin1String("dir"))
            game = m_folder.path();
        if (!game.isNull())
            settings.insert(QStringLiteral("Game"), game == QLatin1String("@") ? m_gamePath : game);
        EditorHarness editor(settings);

        QVERIFY(editor.services.messages.isEmpty());
        QCOMPARE(editor.selection(), qMakePair(1, 1));
        QVERIFY(!editor.state.DataChanged);
        QCOMPARE(editor.state.EditCurrentGame, opensCurrent);
        for (int index = 0; index < 6; ++index) {
            const QString name =
                opensCurrent ? Names[index] : QStringLiteral("CATEGORY %1").arg(index + 1);
            QCOMPARE(editor.state.game.CategoryNames[index].trimmed(), name);
            QCOMPARE(editor.window->lblCategory[index]->text(), name);
        }
        QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(),
                 opensCurrent ? Names[0] : QStringLiteral("CATEGORY 1"));
        QCOMPARE(editor.window->windowTitle(), opensCurrent
                                                   ? QStringLiteral("Quizmora Editor")
                                                   : QStringLiteral("Quizmora Editor - untitled"));
        QCOMPARE(editor.state.CurrentFileName, QString());
        QCOMPARE(editor.lineEdit(QStringLiteral("txtAnswer"))->text(),
                 opensCurrent ? QStringLiteral("The Nile") : QString());
        // The map shows the marks read, a lower-case y included.
        QCOMPARE(SquareColour(editor, 2, 3), opensCurrent ? 255u : 0u);
        QCOMPARE(SquareColour(editor, 6, 4), opensCurrent ? 255u : 0u);
        // The file is remembered for the open-file chooser, not as the saved file.
        QCOMPARE(editor.window->EditorDialogFileName, opensCurrent ? m_gamePath : QString());
    }

    void neutralPanel() {
        EditorHarness editor;
        const QStringList hidden{
            "chkFilenameAnswer", "lblFilenameAnswer", "lblFirstAnswer",     "lblForthAnswer",
            "picVideo",          "btnVideoStop",      "fraMultipleAnswers", "fraSoundButtons",
            "lblPath",           "txtPath",           "picQuestionPicture"};
        const QStringList shown{"btnCopy",    "lblCopyFont", "btnQuestion_0", "btnQuestion_4",
                                "btnPicture", "btnVideo",    "btnSound",      "txtEnterQuestion"};
        QCOMPARE(editor.shownAmong(hidden + shown), shown);
        QCOMPARE(editor.find<QComboBox>(QStringLiteral("cboABCD"))->currentIndex(), 0);
        QVERIFY(!editor.checkBox(QStringLiteral("chkDailyDouble"))->isChecked());
        // The settings are read once each, and start-up draws no random numbers.
        QCOMPARE(editor.services.settingsRead, QStringList{QStringLiteral("EditCurrentGame")});
        QCOMPARE(editor.services.randomDraws, 0);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
