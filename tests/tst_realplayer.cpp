// The real Qt Multimedia player: a WAV plays, a non-audio file reports an
// error, the video widget comes with the first clip (needs GStreamer).
#include "services/qtservices.h"
#include "testdata.h"

#include <QtTest>

// Half a second of mono 16-bit PCM silence at 22,050 Hz, header and all.
const QByteArray SilentWav = QByteArray("RIFF\x46\x56\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0"
                                        "\x44\xAC\0\0\x02\0\x10\0data\x22\x56\0\0",
                                        44) +
                             QByteArray(22050, '\0');

class TestRealPlayer : public QObject {
    Q_OBJECT

private slots:
    // The good clip plays silently, the bad one is reported, within the same wait.
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
