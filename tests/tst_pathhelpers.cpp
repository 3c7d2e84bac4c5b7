// Path and text helpers, media kinds by file name, and the picture's place in its box.
#include "model/mediakind.h"
#include "preview/picturefit.h"
#include "testdata.h"
#include "util/pathhelpers.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MediaKind)

class TestPathHelpers : public QObject {
    Q_OBJECT

private slots:
    void pathParts_data() {
        Columns<QString, QString, QString, QString>("path", "fileName", "folder", "stripped");
        AddRow("full path", "C:\\Sets\\Game1.txt", "Game1.txt", "C:\\Sets\\", "C:\\Sets\\Game1");
        AddRow("dot in a folder", "C:\\My.Sets\\Game1.txt", "Game1.txt", "C:\\My.Sets\\", "C:\\My");
        AddRow("bare name", "Game1.txt", "", "", "Game1");
        AddRow("trailing backslash", "C:\\Sets\\", "", "C:\\Sets\\", "C:\\Sets\\");
        AddRow("slashes do not count", "/home/u/x.txt", "", "", "/home/u/x");
    }
    void pathParts() {
        const QString path = Data<QString>("path");
        QTEST(GetFileName(path), "fileName");
        QTEST(GetFolder(path), "folder");
        QTEST(StripExtension(path), "stripped");
    }

    void filters_data() {
        Columns<QString, QString>("filter", "expected");
        const QString gameSets = AddFilterItem(QString(), "Game Sets(*.txt)", "*.txt");
        AddRow("added items", AddFilterItem(gameSets, "All"), "Game Sets(*.txt) (*.txt);;All (*)");
        AddRow("patterns with spaces", "Sounds|*.wav; *.mp3;*.wma|Pictures|*.bmp;*.jpg",
               "Sounds (*.wav *.mp3 *.wma);;Pictures (*.bmp *.jpg)");
        AddRow("missing pattern", "Text", "Text (*)");
        AddRow("blank pattern", "Text| ; ", "Text (*)");
        AddRow("empty", "", "");
    }
    void filters() { QTEST(ToQtFileFilter(Data<QString>("filter")), "expected"); }

    void fileExists() {
        QTemporaryDir dir;
        const QString file = WriteFile(dir, "game.txt", "");
        QVERIFY(FileExists(file));
        QVERIFY(FileExists(file + "\\"));    // one trailing backslash is ignored
        QVERIFY(!FileExists(file + "\\\\")); // only one
        for (const QString& path :
             {dir.path(), dir.path() + "\\", dir.filePath("x.txt"), QString()})
            QVERIFY2(!FileExists(path), qPrintable(path));
        // Two paths with no file behind them are not one file.
        QVERIFY(SameFile(file, dir.path() + "/./game.txt") && SameFile("/no/a", "/no/a"));
        QVERIFY(!SameFile(dir.filePath("x.txt"), dir.filePath("y.txt")));
    }

    void mediaFile_data() {
        Columns<QString, MediaKind, QString, QString>("path", "kind", "folder", "answer");
        const MediaKind none = MediaKind::None, picture = MediaKind::Picture;
        const MediaKind sound = MediaKind::Sound, video = MediaKind::Video;
        AddRow("bmp", "C:\\Quiz\\a.bmp", picture, "C:\\Quiz\\", "a");
        AddRow("JPG", "/home/q/Tower.JPG", picture, "/home/q/", "Tower");
        AddRow("jpeg is no picture", "/home/q/a.jpeg", none, "/home/q/", "a");
        AddRow("wav at the root", "/a.wav", sound, "/", "a");
        AddRow("Mp3", "/s/a.Mp3", sound, "/s/", "a");
        AddRow("wma, dot in the folder", "C:\\My.Sets\\Game1.wma", sound, "C:\\My.Sets\\", "Game1");
        AddRow("mov", "/v/a.mov", video, "/v/", "a");
        AddRow("wmv", "/v/a.wmv", video, "/v/", "a");
        AddRow("mpg", "/v/a.mpg", video, "/v/", "a");
        AddRow("MPEG", "/v/a.MPEG", video, "/v/", "a");
        AddRow("mp4, two dots", "C:\\Clips\\intro.final.mp4", video, "C:\\Clips\\", "intro");
        AddRow("avi, slash in a windows path", "C:\\My/Clips\\b.avi", video, "C:\\My/Clips\\", "b");
        AddRow("ending without a dot", "/v/mp4", none, "/v/", "mp4");
        AddRow("folder named like a picture", "/v/x.jpg/readme", none, "/v/x.jpg/", "readme");
        AddRow("bare name", "Eiffel.jpg", picture, "", "");
    }
    void mediaFile() {
        const QString path = Data<QString>("path");
        QTEST(MediaKindOfFileName(path), "kind");
        QTEST(FolderOfPath(path), "folder");
        QTEST(MediaFileAnswer(path), "answer");
    }

    void pictureFit_data() {
        Columns<QSizeF, QSizeF, QRectF>("picture", "box", "shown"); // left, top, width, height
        AddRow("landscape", QSizeF(800, 600), QSizeF(4000, 4000), QRectF(0, 500, 4000, 3000));
        AddRow("portrait in a wide box", QSizeF(300, 600), QSizeF(1000, 500),
               QRectF(375, 0, 250, 500));
        AddRow("portrait wider than a narrow box", QSizeF(900, 1000), QSizeF(100, 1000),
               QRectF(0, 0, 900, 1000));
        AddRow("square in a tall box", QSizeF(640, 640), QSizeF(100, 300), QRectF(0, 0, 100, 300));
        // 900 high at full width: the offset is taken before the cut, so it stays 0.
        AddRow("landscape too tall is squeezed", QSizeF(1000, 900), QSizeF(1000, 500),
               QRectF(0, 0, 1000, 500));
        // Offsets of a half go to the even number: 0.5 -> 0, 1.5 -> 2, 3.5 -> 4.
        AddRow("top 0.5", QSizeF(200, 100), QSizeF(200, 101), QRectF(0, 0, 200, 100));
        AddRow("top 1.5", QSizeF(200, 100), QSizeF(200, 103), QRectF(0, 2, 200, 100));
        AddRow("left 3.5", QSizeF(100, 200), QSizeF(107, 200), QRectF(4, 0, 100, 200));
        AddRow("empty box", QSizeF(100, 50), QSizeF(0, 354), QRectF());
        AddRow("one pixel wide", QSizeF(100, 50), QSizeF(1, 354), QRectF(0, 177, 1, 0.5));
    }
    void pictureFit() {
        const QSizeF picture = Data<QSizeF>("picture"), box = Data<QSizeF>("box");
        const PictureFit fit =
            FitPicture(picture.width(), picture.height(), box.width(), box.height());
        QTEST(QRectF(fit.left, fit.top, fit.width, fit.height), "shown");
    }

    void defaultFolder_data() {
        // Documents ("", "folder" or a "file" in the way), the folder asked for, and
        // where the chooser starts under home ("." is home).
        Columns<QString, QString, QString>("documents", "asked", "startsIn");
        const QString sets = u"Documents/Trivia Sets"_s;
        AddRow("created on first use", "", "default", sets);
        AddRow("already there", "folder", "default", sets);
        AddRow("cannot be created", "file", "default", ".");
        AddRow("another folder", "", "elsewhere", "elsewhere");
    }
    void defaultFolder() {
        const QString documents = Data<QString>("documents"), asked = Data<QString>("asked");
        const QString startsIn = Data<QString>("startsIn");
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u"config"_s)));
        if (documents == "folder"_L1)
            QVERIFY(QDir(home.path()).mkpath(u"Documents/Trivia Sets"_s));
        else if (documents == "file"_L1)
            QVERIFY(!WriteFile(home, u"Documents"_s, "").isEmpty());

        const QString sets = home.filePath(u"Documents/Trivia Sets"_s);
        QCOMPARE(DefaultGameSetFolder(), sets);
        const QString folder = asked == "default"_L1 ? sets : home.filePath(asked);
        QCOMPARE(QDir(ReadyChooserFolder(folder)), QDir(home.filePath(startsIn)));
        // Only the default folder is ever created.
        QCOMPARE(QFileInfo(sets).isDir(), startsIn == u"Documents/Trivia Sets"_s);
        QVERIFY(!QFileInfo::exists(home.filePath(u"elsewhere"_s)));
    }
};

QTEST_GUILESS_MAIN(TestPathHelpers)
#include "tst_pathhelpers.moc"
