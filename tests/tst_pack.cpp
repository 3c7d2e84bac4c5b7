// Pack for the Game, by the tool and the window: what lands on disk.
#include "editorharness.h"
#include "model/mediafolders.h"
#include "pack/pack.h"
#include "testdata.h"

#include <QDir>
#include <QProcess>

namespace {

QString Make(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// A board whose squares of category 1, in order, are picture questions of `paths`.
GameSet PictureBoard(const QStringList& paths) {
    GameSet game = ResetGame();
    for (int index = 0; index < paths.size(); ++index) {
        QuestionRecord& record = game.question(1 + index / 5, 1 + index % 5);
        record.QuestionType = QStringLiteral("P");
        record.QuestionText.set(paths.at(index));
    }
    return game;
}

QStringList Entries(const QString& folder) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    names.sort();
    return names;
}

} // namespace

class TestPack : public QObject {
    Q_OBJECT

private slots:
    // Media at a native path, under a pair and beside the set are packed,
    // into a folder or a zip, and found again through the game's folder.
    void packsTheBoard_data() {
        Columns<bool>("zip");
        AddRow("folder", false);
        AddRow("zip", true);
    }
    void packsTheBoard() {
        QTemporaryDir dir;
        const QString native = Make(dir.filePath("elsewhere/map.bmp"), "picture one");
        const QString clash = Make(dir.filePath("elsewhere/old/MAP.bmp"), "picture two");
        const QString paired = Make(dir.filePath("pairs/Quiz/Sounds/tune.mp3"), "a tune");
        const QString beside = Make(dir.filePath("author/Clips/Intro.MP4"), "a video");
        GameSet game =
            PictureBoard({native, clash, QStringLiteral("C:\\Quiz\\Sounds\\tune.mp3"), native});
        game.question(1, 3).QuestionType = QStringLiteral("S");
        game.question(1, 3).MediaPath.set(game.question(1, 3).QuestionText.trimmed());
        game.question(1, 3).QuestionText.set(QStringLiteral("Name this tune"));
        game.Final.QuestionType = QStringLiteral("V");
        game.Final.QuestionText.set(QStringLiteral("E:\\Old\\Clips\\intro.mp4"));
        const QString set = WriteGameSetFile(game, dir.filePath("author"), "Night.txt");
        const QByteArray authorBytes = FileContents(set);

        QFETCH(bool, zip);
        QStringList arguments{"pack",
                              set,
                              "--out",
                              dir.filePath("out"),
                              "--game-folder",
                              "D:/Quiz Night/",
                              "--no-saved-maps",
                              "--map",
                              dir.filePath("pairs/Quiz") + "=C:\\Quiz"};
        if (zip)
            arguments << "--zip";
        const ToolRun run = RunTool(arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QString packed = dir.filePath("out");
        if (zip) {
            packed = dir.filePath("unzipped");
            QCOMPARE(QProcess::execute("unzip", {"-q", dir.filePath("out.zip"), "-d", packed}), 0);
        }
        QCOMPARE(Entries(packed), QStringList({"Night.txt", "media"}));
        QCOMPARE(Entries(packed + "/media"),
                 QStringList({"Intro.MP4", "MAP-2.bmp", "map.bmp", "tune.mp3"}));

        // Resaved with only the media paths changed, each found through the game's folder.
        const QString at = "D:\\Quiz Night\\media\\";
        const QStringList names{"map.bmp", "MAP-2.bmp", "tune.mp3", "map.bmp"};
        for (int index = 0; index < names.size(); ++index)
            QuestionLineField(game.question(1, 1 + index)).set(at + names.at(index));
        game.Final.QuestionText.set(at + "Intro.MP4");
        QCOMPARE(FileContents(packed + "/Night.txt"), WriteGameSet(game));
        const MediaLocator gameComputer(MediaFolders({{packed, "D:\\Quiz Night"}}), QString());
        const QStringList sources{native, clash, paired, native};
        for (int index = 0; index < names.size(); ++index)
            QCOMPARE(FileContents(gameComputer.locate(at + names.at(index))),
                     FileContents(sources.at(index)));
        QCOMPARE(FileContents(gameComputer.locate(at + "intro.mp4")), FileContents(beside));
        QCOMPARE(FileContents(set), authorBytes);
    }

    // Names Windows refuses or would take for another, and a path the set cannot hold.
    void windowsNames_data() {
        Columns<QStringList, QString, QStringList>("files", "gameFolder", "packed");
        using L = QStringList;
        AddRow("case clash", L{"a/Map.jpg", "b/map.JPG", "c/MAP-2.jpg"}, "C:\\Q",
               L{"Map.jpg", "map-2.JPG", "MAP-2-2.jpg"});
        AddRow("characters", L{"a<b>c:d\"e|f?g*h\\i\x01.jpg", "zdjęcie.jpg", "end. ."}, "C:\\Q",
               L{"a_b_c_d_e_f_g_h_i_.jpg", "zdj_cie.jpg", "end"});
        AddRow("reserved", L{"con.jpg", "NUL .tar.bmp", "Com7", "console.jpg"}, "\\\\pc\\share",
               L{"_con.jpg", "_NUL .tar.bmp", "_Com7", "console.jpg"});
        AddRow("long", L{"x.jpg", QString(200, 'n') + ".jpg"}, "D:\\" + QString(50, 'f'),
               L{"category 1 question 2: D:\\fffff"});
    }
    void windowsNames() {
        const auto [files, gameFolder, packed] =
            Fetch<QStringList, QString, QStringList>("files", "gameFolder", "packed");
        QTemporaryDir dir;
        QStringList paths;
        for (const QString& file : files)
            paths << Make(dir.filePath("in/") + file, file.toUtf8());
        PackRequest request{"set", QString(), dir.filePath("out"), gameFolder};
        const PackResult result = PackGameSet(PictureBoard(paths), MediaLocator(), request);
        if (result.error.failed()) {
            QVERIFY2(result.error.reason.contains(packed.first()), qPrintable(result.error.reason));
            QVERIFY(!QFileInfo::exists(dir.filePath("out")));
            return;
        }
        QCOMPARE(Entries(dir.filePath("out/media")).size(), packed.size());
        for (int index = 0; index < packed.size(); ++index)
            QCOMPARE(FileContents(dir.filePath("out/media/") + packed.at(index)),
                     files.at(index).toUtf8());
    }

    // What stops the pack writes nothing and says why; --allow-missing packs the rest.
    void refusals_data() {
        Columns<QStringList, int, QString>("options", "status", "said");
        using L = QStringList;
        AddRow("missing", L{}, 1,
               "category 1 question 2: C:\\Gone\\a.jpg\n"
               "the final question: /gone/b.bmp");
        AddRow("allow missing", L{"--allow-missing"}, 3, "cannot be found: the final question");
        AddRow("not absolute", L{"--allow-missing", "--game-folder", "Quiz"}, 1, "full Windows");
        AddRow("in the set's folder", L{"--allow-missing", "--out", "in/pack"}, 1, "--force");
        AddRow("existing pack", L{"--allow-missing", "--out", "full"}, 1, "--force");
    }
    void refusals() {
        const auto [options, status, said] =
            Fetch<QStringList, int, QString>("options", "status", "said");
        QTemporaryDir dir;
        GameSet game = PictureBoard({Make(dir.filePath("in/ok.jpg"), "ok"), "C:\\Gone\\a.jpg"});
        game.Final.QuestionType = QStringLiteral("P");
        game.Final.QuestionText.set(QStringLiteral("/gone/b.bmp"));
        const QString set = WriteGameSetFile(game, dir.filePath("in"), "set.txt");
        Make(dir.filePath("full/keep.txt"), "kept");
        QStringList arguments{"pack",          set,     "--out",          "out",
                              "--game-folder", "C:\\Q", "--no-saved-maps"};
        arguments << options;
        const QStringList before = Entries(dir.path()) + Entries(dir.filePath("in"));
        QDir::setCurrent(dir.path());
        const ToolRun run = RunTool(arguments);
        QCOMPARE(run.exitCode, status);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        if (status == 1) {
            QCOMPARE(Entries(dir.path()) + Entries(dir.filePath("in")), before);
            QCOMPARE(FileContents(dir.filePath("full/keep.txt")), QByteArray("kept"));
        } else {
            QVERIFY(FileLines(FileContents(dir.filePath("out/set.txt"))).contains("/gone/b.bmp"));
        }
    }

    // The window packs an untitled board with its unsaved changes, asking for a name.
    void windowPacksTheBoard() {
        QTemporaryDir dir;
        EditorHarness editor;
        editor.document.replace(PictureBoard({Make(dir.filePath("a.jpg"), "pic")}), QString(),
                                true);
        editor.services.setNextText(QStringLiteral("Quiz Night"));
        editor.services.setNextFileName(dir.filePath("pack"));
        editor.services.setNextFilterIndex(1);
        editor.services.setNextText(QStringLiteral("E:\\Games"));
        editor.action(u"mnuPackForGame"_s)->trigger();
        QVERIFY2(editor.services.unanswered.isEmpty(),
                 qPrintable(editor.services.unanswered.join(',')));
        QVERIFY(editor.services.messageTexts().constLast().contains(dir.filePath("pack.zip")));
        QCOMPARE(
            QProcess::execute("unzip", {"-q", dir.filePath("pack.zip"), "-d", dir.filePath("u")}),
            0);
        QCOMPARE(FileLines(FileContents(dir.filePath("u/Quiz Night.txt"))).at(1),
                 "E:\\Games\\media\\a.jpg");
        QCOMPARE(editor.services.editorLists.value("PackGameFolder"), QStringList{"E:\\Games"});
    }
};

QTEST_MAIN(TestPack)
#include "tst_pack.moc"
