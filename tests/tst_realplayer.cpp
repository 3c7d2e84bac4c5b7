// The real Qt Multimedia player, not the scripted one: a WAV file written by
// the test loads and plays without an error, and a file that is not audio
// reports one. Needs the GStreamer plugins the build scripts install.
#include "services/qtservices.h"
#include "testdata.h"

#include <QAudioOutput>
#include <QDataStream>
#include <QLayout>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QVideoWidget>
#include <QtMath>
#include <QtTest>

namespace {

// A mono 16-bit PCM WAV of `milliseconds` of a 440 Hz tone.
QByteArray ToneWav(int milliseconds) {
    constexpr int rate = 22050;
    const int samples = rate * milliseconds / 1000;
    QByteArray pcm;
    QDataStream pcmStream(&pcm, QIODevice::WriteOnly);
    pcmStream.setByteOrder(QDataStream::LittleEndian);
    for (int n = 0; n < samples; ++n)
        pcmStream << qint16(8000 * qSin(2 * M_PI * 440 * n / rate));

    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + pcm.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(pcm.size());
    out.writeRawData(pcm.constData(), int(pcm.size()));
    return wav;
}

} // namespace

class TestRealPlayer : public QObject {
    Q_OBJECT

private slots:
    // The platform's backend decodes the file: it reaches the loaded state
    // and knows the clip's length.
    void backendLoadsWav() {
        QTemporaryDir folder;
        const QString path = WriteFile(folder, QStringLiteral("tone.wav"), ToneWav(500));
        QVERIFY(!path.isEmpty());
        QMediaPlayer player;
        QAudioOutput audio;
        player.setAudioOutput(&audio);
        player.setSource(QUrl::fromLocalFile(path));
        QTRY_VERIFY_WITH_TIMEOUT(player.mediaStatus() == QMediaPlayer::LoadedMedia ||
                                     player.error() != QMediaPlayer::NoError,
                                 20000);
        QCOMPARE(player.error(), QMediaPlayer::NoError);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(player.duration() - 500) <= 50, 5000);
    }

    // Through the editor's own player: the good clip plays silently to the
    // user, the bad one is reported, both within the same wait.
    void editorPlayerReportsOnlyBadFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("reported");
        QTest::newRow("tone") << ToneWav(500) << false;
        QTest::newRow("not audio") << QByteArray("RIFF....WAVEthis is no sound at all", 35) << true;
    }
    void editorPlayerReportsOnlyBadFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, reported);
        QTemporaryDir folder;
        const QString path = WriteFile(folder, QStringLiteral("clip.wav"), bytes);
        QtServices services;
        std::unique_ptr<MediaPlayer> player = services.createMediaPlayer(nullptr);
        int errors = 0;
        player->onError = [&](const QString&) { ++errors; };
        player->setPosition(0);
        player->open(path);
        player->play();
        if (reported)
            QTRY_COMPARE_WITH_TIMEOUT(errors, 1, 20000);
        else
            QTest::qWait(3000);
        QCOMPARE(errors, reported ? 1 : 0);
        player->stop();
    }

    // The picture's widget appears in the given box only once a clip is
    // opened or played; stopping or seeking before that leaves the box empty.
    void videoWidgetComesWithTheFirstClip_data() {
        QTest::addColumn<bool>("byOpening");
        QTest::newRow("open") << true;
        QTest::newRow("play") << false;
    }
    void videoWidgetComesWithTheFirstClip() {
        QFETCH(bool, byOpening);
        QTemporaryDir folder;
        const QString path = WriteFile(folder, QStringLiteral("tone.wav"), ToneWav(200));
        QWidget box;
        QtServices services;
        std::unique_ptr<MediaPlayer> player = services.createMediaPlayer(&box);
        player->stop();
        player->setPosition(1.5);
        QVERIFY(box.findChildren<QVideoWidget*>().isEmpty());
        if (byOpening)
            player->open(path);
        else
            player->play();
        const QList<QVideoWidget*> videos = box.findChildren<QVideoWidget*>();
        QCOMPARE(videos.size(), 1);
        QVERIFY(box.layout());
        QCOMPARE(box.layout()->indexOf(videos.first()), 0);
        player->stop();
        player.reset();
        QVERIFY(box.findChildren<QVideoWidget*>().isEmpty());
    }
};

QTEST_MAIN(TestRealPlayer)
#include "tst_realplayer.moc"
