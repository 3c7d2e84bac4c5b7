// The editor's real Qt Multimedia player, not the scripted one: a WAV file
// written by the test plays without an error, a file that is not audio
// reports one, and the video widget comes with the first clip. Needs the
// GStreamer plugins the build scripts install.
#include "services/qtservices.h"
#include "testdata.h"

#include <QDataStream>
#include <QLayout>
#include <QVideoWidget>
#include <QtTest>

namespace {

// A mono 16-bit PCM WAV of `milliseconds` of silence at 22,050 Hz.
QByteArray SilentWav(int milliseconds) {
    const quint32 size = 22050 * 2 * milliseconds / 1000;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + size);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << size;
    return wav + QByteArray(size, '\0');
}

} // namespace

class TestRealPlayer : public QObject {
    Q_OBJECT

private slots:
    // The good clip plays silently to the user, the bad one is reported,
    // both within the same wait.
    void onlyBadFilesReported_data() {
        Columns<QByteArray, bool>("bytes", "reported");
        AddRow("silence", SilentWav(500), false);
        AddRow("not audio", QByteArray("RIFF....WAVEthis is no sound at all"), true);
    }
    void onlyBadFilesReported() {
        QTemporaryDir folder;
        const QString path = WriteFile(folder, "clip.wav", Data<QByteArray>("bytes"));
        QtServices services;
        std::unique_ptr<MediaPlayer> player = services.createMediaPlayer(nullptr);
        int errors = 0;
        player->onError = [&](const QString&) { ++errors; };
        player->setPosition(0);
        player->open(path);
        player->play();
        const bool reported = Data<bool>("reported");
        if (reported)
            QTRY_COMPARE_WITH_TIMEOUT(errors, 1, 20000);
        else
            QTest::qWait(3000);
        QCOMPARE(errors, int(reported));
        player->stop();
    }

    // The picture's widget appears in the given box only once a clip is
    // opened or played; stopping or seeking before that leaves the box empty.
    void videoWidgetComesWithTheFirstClip_data() {
        Columns<bool>("byOpening");
        AddRow("open", true);
        AddRow("play", false);
    }
    void videoWidgetComesWithTheFirstClip() {
        QTemporaryDir folder;
        const QString path = WriteFile(folder, "clip.wav", SilentWav(200));
        QWidget box;
        QtServices services;
        std::unique_ptr<MediaPlayer> player = services.createMediaPlayer(&box);
        player->stop();
        player->setPosition(1.5);
        QVERIFY(box.findChildren<QVideoWidget*>().isEmpty());
        if (Data<bool>("byOpening"))
            player->open(path);
        else
            player->play();
        const QList<QVideoWidget*> videos = box.findChildren<QVideoWidget*>();
        QCOMPARE(videos.size(), 1);
        QCOMPARE(box.layout()->indexOf(videos.first()), 0);
        player->stop();
        player.reset();
        QVERIFY(box.findChildren<QVideoWidget*>().isEmpty());
    }
};

QTEST_MAIN(TestRealPlayer)
#include "tst_realplayer.moc"
