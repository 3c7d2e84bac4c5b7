#include "editorharness.h"
#include "testdata.h"

#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
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

    // First, while nothing else has loaded in this process: the whole window
    // draws, icons and all, without loading a single image-format plugin
    // (each drags in libtiff, libwebp and the like before the first paint).
    void drawsWithoutImagePlugins() {
        EditorHarness editor;
        (void)editor.window->grab();
        QFile maps(u"/proc/self/maps"_s);
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains("/imageformats/"), "an image plugin was loaded");
        for (const char* name : {"btnNewFile", "btnSave", "btnPrint", "btnText"}) {
            const QIcon icon = editor.action(QString::fromLatin1(name))->icon();
            const QImage shown = icon.pixmap(24).toImage();
            QVERIFY2(!shown.isNull(), name);
            // A command that cannot be given shows its icon greyed.
            QVERIFY2(icon.pixmap(24, QIcon::Disabled).toImage() != shown, name);
        }
    }

    void startsWith_data() {
        // The game setting, or a file named on the command line (the game setting then names
        // a plain set, not looked up): "@" is the current game's file, "dir" a folder, "fifo"
        // a named pipe.
        Columns<QString, QString, QString, bool>("editCurrentGame", "game", "file", "opens");
        const QString one = u"1"_s, none;
        QTest::newRow("no settings") << none << none << none << false;
        QTest::newRow("current game") << one << u"@"_s << none << true;
        QTest::newRow("game is 0") << one << u"0"_s << none << false;
        QTest::newRow("game is blank") << one << u"   "_s << none << false;
        QTest::newRow("game file missing") << one << u"/no/such/game.txt"_s << none << false;
        QTest::newRow("game is a folder") << one << u"dir"_s << none << false;
        QTest::newRow("game is a pipe") << one << u"fifo"_s << none << false;
        QTest::newRow("only 1 asks") << u"yes"_s << u"@"_s << none << false;
        QTest::newRow("file named") << one << u"plain"_s << u"@"_s << true;
        QTest::newRow("file missing") << one << u"plain"_s << u"/no/such/game.txt"_s << false;
        QTest::newRow("file is a folder") << one << u"plain"_s << u"dir"_s << false;
        QTest::newRow("file is a named pipe") << one << u"plain"_s << u"fifo"_s << false;
    }

    // A file named on the command line opens as Open does; the current game opens as a copy.
    void startsWith() {
        auto [editCurrentGame, game, file, opens] =
            Fetch<QString, QString, QString, bool>("editCurrentGame", "game", "file", "opens");
        const auto path = [this](const QString& name) {
            return name == "@"_L1      ? m_gamePath
                   : name == "dir"_L1  ? m_folder.path()
                   : name == "fifo"_L1 ? m_pipe
                                       : name;
        };
        QMap<QString, QString> settings;
        if (!editCurrentGame.isNull())
            settings.insert(u"EditCurrentGame"_s, editCurrentGame);
        if (game == "plain"_L1)
            game = WriteGameSetFile(ResetGame(), m_folder.path(), u"other.txt"_s);
        if (!game.isNull())
            settings.insert(u"Game"_s, path(game));
        file = path(file);
        EditorHarness editor(settings, file);
        const bool current = opens && file.isEmpty();

        QCOMPARE(editor.selection(), qMakePair(1, 1));
        QVERIFY(!editor.document.isModified());
        QCOMPARE(editor.window->EditCurrentGame, current);
        for (int index = 0; index < 6; ++index) {
            const QString name = opens ? Names[index] : u"CATEGORY %1"_s.arg(index + 1);
            QCOMPARE(editor.document.game().CategoryNames[index].trimmed(), name);
            QCOMPARE(editor.label(u"lblCategory_%1"_s.arg(index))->text(), name);
        }
        QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(), opens ? Names[0] : u"CATEGORY 1"_s);
        // Start-up keeps the game's file apart: Save asks where to write.
        const QString saved = opens && !current ? file : QString();
        QCOMPARE(editor.document.fileName(), saved);
        QCOMPARE(editor.window->windowTitle(),
                 u"Quizmora Editor - "_s +
                     (saved.isEmpty() ? u"untitled"_s : QFileInfo(saved).fileName()) + u"[*]"_s);
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), opens ? u"The Nile"_s : QString());
        // The map shows the marks read; a lower-case y is no Daily Double.
        QCOMPARE(SquareColour(editor, 2, 3), opens ? 255u : 0u);
        QCOMPARE(SquareColour(editor, 6, 4), 0u);
        if (file.isEmpty()) {
            QVERIFY(editor.services.messages.isEmpty());
            // The file is remembered for the open-file chooser, not as the saved file.
            QCOMPARE(editor.window->m_fileCommands->EditorDialogFileName,
                     current ? m_gamePath : QString());
            return;
        }
        QCOMPARE(editor.services.settingsRead, QStringList());
        // Open's error report names the file, then the new board of a start without a file.
        QCOMPARE(editor.services.messages.size(), int(!opens));
        QVERIFY(opens || editor.services.messages.first().text.contains("Filename: "_L1 + file));
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
