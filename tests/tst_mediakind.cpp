#include "model/mediakind.h"
#include "util/pathhelpers.h"
#include "testdata.h"

#include <QtTest>

Q_DECLARE_METATYPE(MediaKind)

class TestMediaKind : public QObject {
    Q_OBJECT

private slots:
    void mediaFile_data();
    void mediaFile();
};

void TestMediaKind::mediaFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<MediaKind>("kind");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("answer");
    const MediaKind none = MediaKind::None;
    AddRow("bmp", "C:\\Quiz\\a.bmp", MediaKind::Picture, "C:\\Quiz\\", "a");
    AddRow("JPG", "/home/q/Tower.JPG", MediaKind::Picture, "/home/q/", "Tower");
    AddRow("jpeg is no picture", "/home/q/a.jpeg", none, "/home/q/", "a");
    AddRow("png", "/a.png", none, "/", "a");
    AddRow("wav", "/s/a.wav", MediaKind::Sound, "/s/", "a");
    AddRow("Mp3", "/s/a.Mp3", MediaKind::Sound, "/s/", "a");
    AddRow("wma, dot in the folder", "C:\\My.Sets\\Game1.wma", MediaKind::Sound, "C:\\My.Sets\\",
           "Game1");
    AddRow("ogg", "/s/a.ogg", none, "/s/", "a");
    AddRow("mov", "/v/a.mov", MediaKind::Video, "/v/", "a");
    AddRow("wmv", "/v/a.wmv", MediaKind::Video, "/v/", "a");
    AddRow("mpg", "/v/a.mpg", MediaKind::Video, "/v/", "a");
    AddRow("MPEG", "/v/a.MPEG", MediaKind::Video, "/v/", "a");
    AddRow("mp4, two dots", "C:\\Clips\\intro.final.mp4", MediaKind::Video, "C:\\Clips\\", "intro");
    AddRow("avi, slash in a windows path", "C:\\My/Clips\\b.avi", MediaKind::Video,
           "C:\\My/Clips\\", "b");
    AddRow("ending without a dot", "/v/mp4", none, "/v/", "mp4");
    AddRow("folder named like a picture", "/v/x.jpg/readme", none, "/v/x.jpg/", "readme");
    AddRow("bare name", "Eiffel.jpg", MediaKind::Picture, "", "");
    AddRow("empty", "", none, "", "");
}

void TestMediaKind::mediaFile() {
    QFETCH(QString, path);
    QTEST(MediaKindOfFileName(path), "kind");
    QTEST(FolderOfPath(path), "folder");
    QTEST(MediaFileAnswer(path), "answer");
}

QTEST_APPLESS_MAIN(TestMediaKind)
#include "tst_mediakind.moc"
