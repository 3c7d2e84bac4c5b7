#include "editor/mediakind.h"

#include <QtTest>

Q_DECLARE_METATYPE(MediaKind)

class TestMediaKind : public QObject {
    Q_OBJECT

private slots:
    void kind_data();
    void kind();
    void folderAndAnswer_data();
    void folderAndAnswer();
};

void TestMediaKind::kind_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<MediaKind>("expected");
    QTest::newRow("bmp") << "C:\\Quiz\\a.bmp" << MediaKind::Picture;
    QTest::newRow("JPG upper case") << "/home/q/Tower.JPG" << MediaKind::Picture;
    QTest::newRow("jpeg is not shown as a picture") << "/home/q/a.jpeg" << MediaKind::None;
    QTest::newRow("png") << "/home/q/a.png" << MediaKind::None;
    QTest::newRow("gif") << "/home/q/a.gif" << MediaKind::None;
    QTest::newRow("wav") << "/s/a.wav" << MediaKind::Sound;
    QTest::newRow("mp3") << "/s/a.Mp3" << MediaKind::Sound;
    QTest::newRow("wma") << "C:\\s\\a.wma" << MediaKind::Sound;
    QTest::newRow("ogg") << "/s/a.ogg" << MediaKind::None;
    QTest::newRow("avi") << "/v/a.avi" << MediaKind::Video;
    QTest::newRow("mov") << "/v/a.mov" << MediaKind::Video;
    QTest::newRow("wmv") << "/v/a.wmv" << MediaKind::Video;
    QTest::newRow("mpg") << "/v/a.mpg" << MediaKind::Video;
    QTest::newRow("MPEG") << "/v/a.MPEG" << MediaKind::Video;
    QTest::newRow("mp4 with two dots") << "C:\\Clips\\intro.final.mp4" << MediaKind::Video;
    QTest::newRow("mkv") << "/v/a.mkv" << MediaKind::None;
    QTest::newRow("ending only, no dot") << "/v/mp4" << MediaKind::None;
    QTest::newRow("folder named like a picture") << "/v/x.jpg/readme" << MediaKind::None;
    QTest::newRow("empty") << "" << MediaKind::None;
}

void TestMediaKind::kind() {
    QFETCH(QString, name);
    QTEST(MediaKindOfFileName(name), "expected");
}

void TestMediaKind::folderAndAnswer_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("answer");
    QTest::newRow("windows path") << "C:\\Clips\\intro.final.mp4"
                                  << "C:\\Clips\\"
                                  << "intro";
    QTest::newRow("linux path") << "/home/q/Eiffel.Tower.jpg"
                                << "/home/q/"
                                << "Eiffel";
    QTest::newRow("linux root") << "/a.wav"
                                << "/"
                                << "a";
    QTest::newRow("windows path with a slash in it") << "C:\\My/Clips\\b.avi"
                                                     << "C:\\My/Clips\\"
                                                     << "b";
    QTest::newRow("dot in the folder only") << "C:\\My.Sets\\Game1"
                                            << "C:\\My.Sets\\"
                                            << "Game1";
    QTest::newRow("bare name") << "Eiffel.jpg"
                               << ""
                               << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestMediaKind::folderAndAnswer() {
    QFETCH(QString, path);
    QTEST(MediaFolderOf(path), "folder");
    QTEST(MediaFileAnswer(path), "answer");
}

QTEST_APPLESS_MAIN(TestMediaKind)
#include "tst_mediakind.moc"
