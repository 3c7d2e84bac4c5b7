// The media controls on their own: what each button asks of its player for a
// medium found or not, and that only the controls shown take the mouse.
#include "scriptedservices.h"
#include "testdata.h"

#include "editor/mediaplayers.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

class TestMediaPlayers : public QObject {
    Q_OBJECT

private slots:
    void buttonsPlayWhatIsFound_data() {
        // kind shown; path as stored ("gone" is not on this computer); button
        // clicked; what the player behind it was asked; the notice; what lies
        // at the middle of the video's screen.
        Columns<int, QString, QString, QString, QString, QString>("kind", "path", "button", "calls",
                                                                  "notice", "atScreen");
        const int video = int(MediaKind::Video), sound = int(MediaKind::Sound);
        AddRow("a video found plays", video, u"moon.mp4"_s, u"btnVideoPlay"_s,
               u"open:/here/moon.mp4 play"_s, QString(), u"picVideo"_s);
        AddRow("a video not found is named, not played", video, u"gone.mp4"_s, u"btnVideoPlay"_s,
               u"open:"_s, u"Video not found:\ngone.mp4"_s, u"picVideo"_s);
        AddRow("Pause stops the video", video, u"moon.mp4"_s, u"btnVideoPause"_s,
               u"open:/here/moon.mp4 stop"_s, QString(), u"picVideo"_s);
        AddRow("Stop rewinds the video", video, u"moon.mp4"_s, u"btnVideoStop"_s,
               u"open:/here/moon.mp4 stop setPosition:0"_s, QString(), u"picVideo"_s);
        AddRow("a sound found plays from its start", sound, u"bell.wav"_s, u"btnPlay"_s,
               u"setPosition:0 open:/here/bell.wav play"_s, QString(), QString());
        AddRow("a sound not found is named", sound, u"gone.wav"_s, u"btnPlay"_s, u"setPosition:0"_s,
               u"Sound not found:\ngone.wav"_s, QString());
        AddRow("a picture shows no controls", int(MediaKind::Picture), u"map.jpg"_s, QString(),
               QString(), QString(), QString());
    }

    void buttonsPlayWhatIsFound() {
        const auto [kind, path, button, calls, notice, atScreen] =
            Fetch<int, QString, QString, QString, QString, QString>("kind", "path", "button",
                                                                    "calls", "notice", "atScreen");
        ScriptedServices services;
        QWidget panel;
        panel.resize(1018, 681);
        MediaPlayers players(&panel, services, [](const QString& stored) {
            return stored.startsWith(u"gone"_s) ? QString() : u"/here/"_s + stored;
        });
        QSignalSpy notices(&players, &MediaPlayers::mediaNotFound);
        QCOMPARE(services.players.size(), 2);
        FakeMediaPlayer* const screen = services.players.at(0);
        FakeMediaPlayer* const speaker = services.players.at(1);
        QVERIFY(screen->isVideo && !speaker->isVideo);

        if (kind == int(MediaKind::Video))
            players.LoadVideo(path);
        if (kind == int(MediaKind::Sound))
            players.SetSoundPath(path);
        players.ShowControlsFor(MediaKind(kind));
        if (!button.isEmpty()) {
            auto* pressed = panel.findChild<QPushButton*>(button);
            QVERIFY(pressed && !pressed->isHidden());
            pressed->click();
        }

        const FakeMediaPlayer* asked = kind == int(MediaKind::Sound) ? speaker : screen;
        QCOMPARE(asked->calls.join(u' '), calls);
        QCOMPARE(notices.isEmpty() ? QString() : notices.first().first().toString(), notice);
        const QWidget* at = panel.childAt(478, 347);
        QCOMPARE(at ? at->objectName() : QString(), atScreen);
        // Away from the controls the part shows, the panel's own lie open.
        QCOMPARE(panel.childAt(100, 100), nullptr);
    }
};

QTEST_MAIN(TestMediaPlayers)
#include "tst_mediaplayers.moc"
