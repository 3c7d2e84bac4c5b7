#include "model/gamesetcheck.h"
#include "model/mediafolders.h"
#include "testdata.h"

#include <QDir>
#include <sys/stat.h>

// Under the temporary root R: pairs R/quiz <-> C:\Quiz, R/quiz2 <-> C:\Quiz2,
// R/pics <-> C:\Quiz\Pictures (inside the first), R/quiz/Deep <-> D:\Deep,
// R/share <-> \\server\share\Quiz and R/drive_c <-> C:\; the set lives in R/set.
class TestMedia : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_set;
    MediaFolders m_folders;

    QString at(const QString& relative) const { return m_root.filePath(relative); }
    void touch(const QString& relative,
               const QByteArray& bytes = QByteArray("RIFF\0\0\0\0WAVEfmt ", 16)) {
        QVERIFY(QDir().mkpath(QFileInfo(at(relative)).path()));
        QFile file(at(relative));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private slots:
    void initTestCase() {
        for (const char* file :
             {"quiz/Pictures/map.jpg", "quiz/Intro.wav", "quiz2/map.jpg", "pics/Map.jpg",
              "share/a.wav", "drive_c/users/ann/B.jpg", "set/Sounds/Bell.WAV", "set/tail.bmp",
              "set/quiz2/map.jpg", "set/map.jpg"})
            touch(file);
        QVERIFY(QDir().mkpath(at("set/dir.jpg")));
        QCOMPARE(mkfifo(QFile::encodeName(at("set/fifo.wav")).constData(), 0600), 0);
        m_set = at("set");
        m_folders = MediaFolders({{at("quiz"), "C:\\Quiz"},
                                  {at("quiz2/"), "c:/quiz2"},
                                  {at("pics"), "C:\\Quiz\\Pictures\\"},
                                  {at("quiz/Deep"), "D:\\Deep"},
                                  {at("share"), "\\\\Server\\Share\\Quiz"},
                                  {at("drive_c"), "C:\\"}});
    }

    // A stored path and the file found for it under R ("" for none), then the
    // game's path of a file under R ("" for none).
    void resolve_data() {
        Columns<QString, QString>("path", "found");
        AddRow("nested pair wins, names ignoring case", "C:\\QUIZ\\Pictures\\map.jpg",
               "pics/Map.jpg");
        AddRow("dot parts and slashes", "c:/quiz/./Other/../intro.WAV", "quiz/Intro.wav");
        AddRow("a pair is no prefix of another", "C:\\Quiz2\\map.jpg", "quiz2/map.jpg");
        AddRow("UNC path", "\\\\server\\SHARE\\quiz\\a.wav", "share/a.wav");
        AddRow(".. stops at the share", "\\\\server\\share\\..\\..\\Quiz\\a.wav", "share/a.wav");
        AddRow("drive pair", "C:\\Users\\Ann\\b.jpg", "drive_c/users/ann/B.jpg");
        AddRow("under no pair: its tail beside the set", "E:\\Old\\sounds\\bell.wav",
               "set/Sounds/Bell.WAV");
        AddRow("the longest tail first", "E:\\Quiz2\\map.jpg", "set/quiz2/map.jpg");
        AddRow("file name beside the set", "D:\\Deep\\x\\TAIL.BMP", "set/tail.bmp");
        AddRow("relative path", "Sounds\\bell.wav", "set/Sounds/Bell.WAV");
        AddRow("a pipe never counts", "E:\\fifo.wav", "");
        AddRow("a folder never counts", "E:\\dir.jpg", "");
        AddRow("nowhere", "C:\\Quiz\\Pictures\\none.jpg", "");
        AddRow("native path as it is", "@R@/quiz2/map.jpg", "quiz2/map.jpg");
        AddRow("native path, no file", "@R@/set/Tail.bmp", "");
    }
    void resolve() {
        auto [path, found] = Fetch<QString, QString>("path", "found");
        path.replace("@R@", m_root.path());
        const MediaLocator locator(m_folders, m_set);
        QCOMPARE(locator.locate(path), found.isEmpty() ? QString() : at(found));
    }

    void gamePath_data() {
        Columns<QString, QString>("local", "game");
        AddRow("longest local folder", "quiz/Deep/a.jpg", "D:\\Deep\\a.jpg");
        AddRow("whole names only", "quiz/Deeper/a.jpg", "C:\\Quiz\\Deeper\\a.jpg");
        AddRow("trailing separators dropped", "quiz2/x/y.jpg", "c:\\quiz2\\x\\y.jpg");
        AddRow("UNC", "share/a.wav", "\\\\Server\\Share\\Quiz\\a.wav");
        AddRow("drive root", "drive_c/a.jpg", "C:\\a.jpg");
        AddRow("local side matches case exactly", "Quiz/a.jpg", "");
        AddRow("under no pair", "set/a.jpg", "");
    }
    void gamePath() {
        auto [local, game] = Fetch<QString, QString>("local", "game");
        QCOMPARE(m_folders.gamePath(at(local)).value_or(QString()), game);
        // And back: the game's path names the same file here.
        if (!game.isEmpty() && !local.startsWith("Quiz"))
            QCOMPARE(m_folders.localPath(game).value_or(QString()), at(local));
    }

    // Found or not, a result holds until the locator is told to forget.
    void keptUntilForgotten() {
        const MediaLocator locator(m_folders, m_set);
        QCOMPARE(locator.locate("E:\\late.jpg"), QString());
        touch("set/Late.JPG");
        QCOMPARE(locator.locate("E:\\late.jpg"), QString());
        locator.forget();
        QCOMPARE(locator.locate("E:\\late.jpg"), at("set/Late.JPG"));
    }

    // A Windows set read, its media found and checked here, is written back byte for byte.
    void windowsSetUnchanged() {
        GameSet game;
        QVERIFY(!OpenFile(game, QZ_SOURCE_DIR "/examples/world-tour.txt").failed());
        game.question(1, 1).DailyDouble = "Y";
        game.question(2, 1).QuestionType = "P";
        game.question(2, 1).QuestionText.set("  c:/QUIZ/pictures/MAP.JPG");
        game.question(3, 1).QuestionType = "S";
        game.question(3, 1).MediaPath.set("E:\\Old\\Sounds\\bell.wav");
        game.Final.QuestionType = "V";
        game.Final.QuestionText.set("\\\\server\\share\\Quiz\\a.wav");
        const QByteArray bytes = WriteGameSet(game);
        const QString path = WriteFile(m_root, "set/windows.txt", bytes);
        GameSet read;
        QVERIFY(!OpenFile(read, path).failed());
        const MediaLocator locator(m_folders, m_set);
        CheckProbes probes;
        probes.locateMedia = [&](const QString& stored) { return locator.locate(stored); };
        const QList<Finding> findings = CheckGameSet(read, probes);
        QCOMPARE(findings.size(), 1); // only the final's sound file as a video
        QVERIFY(findings.first().message.contains("not a type the game plays"));
        QCOMPARE(WriteGameSet(read), bytes);
    }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
