// The quizmora-media module: Qt Multimedia's players behind the program's
// MediaPlayer, loaded at the first clip so that start-up does not map Qt
// Multimedia and its backend.

#include "services/modules.h"
#include "services/services.h"

#include <QAudioOutput>
#include <QDir>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace {

// Sound through the default output; video also into a widget that fills
// the given parent. Loading the media backend is slow, so the player and its
// widget come into being at the first opening or playing, not with the window.
class QtMediaPlayer : public MediaPlayer {
public:
    explicit QtMediaPlayer(QWidget* videoParent) : m_videoParent(videoParent) {}
    ~QtMediaPlayer() override {
        if (m_player)
            m_player->stop();
        delete m_video.data();
    }

    void open(const QString& path) override {
        QMediaPlayer& player = ready();
        m_errorReported = false;
        const QUrl source = QUrl::fromLocalFile(QDir::fromNativeSeparators(path));
        // The player ignores its own source given again; opening a file
        // anew must load it anew, so a bad file is reported at every try.
        if (player.source() == source)
            player.setSource(QUrl());
        player.setSource(source);
    }
    void play() override { ready().play(); }
    void stop() override {
        if (m_player)
            m_player->stop();
    }
    void setPosition(double seconds) override {
        if (m_player)
            m_player->setPosition(static_cast<qint64>(seconds * 1000.0));
    }

private:
    QMediaPlayer& ready() {
        if (m_player)
            return *m_player;
        m_player = std::make_unique<QMediaPlayer>();
        m_audio = std::make_unique<QAudioOutput>();
        m_player->setAudioOutput(m_audio.get());
        if (m_videoParent) {
            m_video = new QVideoWidget(m_videoParent);
            auto* layout = qobject_cast<QVBoxLayout*>(m_videoParent->layout());
            if (!layout) {
                layout = new QVBoxLayout(m_videoParent);
                layout->setContentsMargins(0, 0, 0, 0);
            }
            layout->addWidget(m_video);
            m_player->setVideoOutput(m_video);
        }
        QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred,
                         [this](QMediaPlayer::Error, const QString& description) {
                             // Some backends raise several errors for one bad
                             // file; the user hears of it once per opening.
                             if (m_errorReported)
                                 return;
                             m_errorReported = true;
                             if (onError)
                                 onError(description);
                         });
        return *m_player;
    }

    QPointer<QWidget> m_videoParent;
    // The output outlives the player that plays into it.
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
    QPointer<QVideoWidget> m_video;
    bool m_errorReported = false;
};

} // namespace

MediaPlayer* qz_create_media_player(QWidget* videoParent) {
    return new QtMediaPlayer(videoParent);
}
