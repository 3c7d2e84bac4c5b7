#include "editorharness.h"
#include "testdata.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
const QStringList Names{"Rivers", "Kings", "Moons", "Songs", "Cheeses", "Knots"};
}

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_gamePath, m_pipe; // reading a pipe would wait for a writer for ever

private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        GameSet game;
        ResetGameSet(game);
        for (int index = 0; index < 6; ++index)
            game.CategoryNames[index].set(Names[index]);
        game.question(1, 1).QuestionText.set(u"Longest river in Africa?"_s);
        game.question(1, 1).Answers[0].set(u"The Nile"_s);
        game.question(2, 4).DailyDouble = u"Y"_s;
        game.question(6, 5).DailyDouble = u"y"_s;
        m_gamePath = WriteGameSetFile(game, m_folder.path(), u"current.txt"_s);
        m_pipe = m_folder.filePath(u"pipe.txt"_s);
        QCOMPARE(mkfifo(QFile::encodeName(m_pipe).constData(), 0600), 0);
    }

    void startsWith_data() {
        // The game "@" is the current game's file, "dir" a folder, "fifo" a named pipe.
        Columns<QString, QString, bool>("editCurrentGame", "game", "opensCurrent");
        QTest::newRow("no settings") << QString() << QString() << false;
        const QString one = u"1"_s;
        QTest::newRow("current game") << one << u"@"_s << true;
        QTest::newRow("game is 0") << one << u"0"_s << false;
        QTest::newRow("game is blank") << one << u"   "_s << false;
        QTest::newRow("game file missing") << one << u"/no/such/game.txt"_s << false;
        QTest::newRow("game is a folder") << one << u"dir"_s << false;
        QTest::newRow("game is a pipe") << one << u"fifo"_s << false;
        QTest::newRow("only 1 asks") << u"yes"_s << u"@"_s << false;
    }

    void startsWith() {
        auto [editCurrentGame, game, opensCurrent] =
            Fetch<QString, QString, bool>("editCurrentGame", "game", "opensCurrent");
        QMap<QString, QString> settings;
        if (!editCurrentGame.isNull())
            settings.insert(u"EditCurrentGame"_s, editCurrentGame);
        if (game == "dir"_L1 || game == "fifo"_L1)
            game = game == "dir"_L1 ? m_folder.path() : m_pipe;
        if (!game.isNull())
            settings.insert(u"Game"_s, game == "@"_L1 ? m_gamePath : game);
        EditorHarness editor(settings);

        QVERIFY(editor.services.messages.isEmpty());
        QCOMPARE(editor.selection(), qMakePair(1, 1));
        QVERIFY(!editor.document.isModified());
        QCOMPARE(editor.window->EditCurrentGame, opensCurrent);
        for (int index = 0; index < 6; ++index) {
            const QString name = opensCurrent ? Names[index] : u"CATEGORY %1"_s.arg(index + 1);
            QCOMPARE(editor.document.game().CategoryNames[index].trimmed(), name);
            QCOMPARE(editor.window->lblCategory[index]->text(), name);
        }
        QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(),
                 opensCurrent ? Names[0] : u"CATEGORY 1"_s);
        QCOMPARE(editor.window->windowTitle(), u"Quizmora Editor - untitled[*]"_s);
        // Start-up keeps the game's file apart: Save asks where to write.
        QCOMPARE(editor.document.fileName(), QString());
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), opensCurrent ? u"The Nile"_s : QString());
        // The map shows the marks read; a lower-case y is no Daily Double.
        QCOMPARE(SquareColour(editor, 2, 3), opensCurrent ? 255u : 0u);
        QCOMPARE(SquareColour(editor, 6, 4), 0u);
        // The file is remembered for the open-file chooser, not as the saved file.
        QCOMPARE(editor.window->EditorDialogFileName, opensCurrent ? m_gamePath : QString());
    }

    void startsWithFile_data() {
        // The file "@" is the game set written above.
        Columns<QString, bool>("file", "opens");
        QTest::newRow("game set") << u"@"_s << true;
        QTest::newRow("missing") << u"/no/such/game.txt"_s << false;
        QTest::newRow("folder") << u"dir"_s << false;
        QTest::newRow("named pipe") << u"fifo"_s << false;
    }

    // A file named on the command line opens as Open does; the current game is not looked up.
    void startsWithFile() {
        auto [file, opens] = Fetch<QString, bool>("file", "opens");
        if (file == "@"_L1)
            file = m_gamePath;
        else if (file == "dir"_L1 || file == "fifo"_L1)
            file = file == "dir"_L1 ? m_folder.path() : m_pipe;
        GameSet current;
        ResetGameSet(current);
        const QString currentPath = WriteGameSetFile(current, m_folder.path(), u"other.txt"_s);
        EditorHarness editor({{u"EditCurrentGame"_s, u"1"_s}, {u"Game"_s, currentPath}}, file);

        QCOMPARE(editor.services.settingsRead, QStringList());
        QCOMPARE(editor.document.fileName(), opens ? file : QString());
        QCOMPARE(editor.window->windowTitle(),
                 u"Quizmora Editor - "_s + (opens ? QFileInfo(file).fileName() : u"untitled"_s) +
                     u"[*]"_s);
        QCOMPARE(editor.selection(), qMakePair(1, 1));
        QVERIFY(!editor.document.isModified());
        if (opens) { // the board shown is in the walks that start on a file
            QCOMPARE(editor.services.messageTexts(), QStringList());
            QCOMPARE(editor.categoryCaptions(), Names);
        } else {
            // Open's error report, then the new board of a start without a file.
            QCOMPARE(editor.services.messages.size(), 1);
            // The file named, then why it cannot be opened.
            const QString said = editor.services.messages.first().text;
            QVERIFY2(said.contains("Filename: "_L1 + file), qPrintable(said));
            QCOMPARE(editor.categoryCaptions().value(5), u"CATEGORY 6"_s);
            QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), QString());
        }
    }

    // A start without settings reads one and draws nothing; Help, About names the version.
    void plainStartAndAbout() {
        QCoreApplication::setApplicationVersion(u"9.8.7"_s);
        EditorHarness editor;
        QCOMPARE(editor.services.settingsRead, QStringList{u"EditCurrentGame"_s});
        QCOMPARE(editor.services.randomDraws, 0);
        QVERIFY(editor.window->windowIcon().availableSizes().contains(QSize(256, 256)));
        editor.click(u"mnuHelpAbout"_s);
        // The rest of the text is in the recent-files walk.
        const ScriptedServices::Message about = editor.services.messages.value(0);
        QCOMPARE(about.title, u"About Quizmora Editor"_s);
        QVERIFY(about.text.contains(u"Version 9.8.7"_s));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
