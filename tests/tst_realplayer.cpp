// The editor's real Qt Multimedia player, not the scripted one: a WAV file
// written by the test plays without an error, a file that is not audio
// reports one, and the video widget comes with the first clip. Needs the
// GStreamer plugins the build scripts install.
#include "services/qtservices.h"
#include "testdata.h"

#include <QtTest>

// Half a second of silence: a mono 16-bit PCM WAV at 22,050 Hz. The header
// gives the sizes (RIFF 36 + 22,050, format 16, data 22,050 bytes), the PCM
// format 1, one channel, the sample rate, 44,100 bytes a second, 2-byte
// frames of 16 bits.
const QByteArray SilentWav = QByteArray("RIFF\x46\x56\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0"
                                        "\x44\xAC\0\0\x02\0\x10\0data\x22\x56\0\0",
                                        44) +
                             QByteArray(22050, '\0');

class TestRealPlayer : public QObject {
    Q_OBJECT

private slots:
    // The good clip plays silently to the user, the bad one is reported,
    // both within the same wait.
    void onlyBadFilesReported_data() {
        Columns<QByteArray, bool>("bytes", "reported");
        AddRow("silence", SilentWav, false);
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
};

QTEST_MAIN(TestRealPlayer)
#include "tst_realplayer.moc"
