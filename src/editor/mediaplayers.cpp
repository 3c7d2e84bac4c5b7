// The media controls: previewing a question's sound or video.

#include "editor/mediaplayers.h"

#include "editor/boardartwork.h"
#include "util/textrules.h"

#include <QStyle>

MediaPlayers::MediaPlayers(QWidget* panel, Services& services,
                           std::function<QString(const QString&)> locateMedia)
    : QWidget(panel), m_services(services), m_locateMedia(std::move(locateMedia)) {
    m_ui.setupUi(this);
    ApplyDesignFonts(*this);
    // One play glyph for sound and video.
    const QStyle& style = *m_ui.btnPlay->style();
    m_ui.btnPlay->setIcon(style.standardIcon(QStyle::SP_MediaPlay));
    m_ui.btnVideoPlay->setText(QString());
    m_ui.btnVideoPlay->setIcon(style.standardIcon(QStyle::SP_MediaPlay));
    m_ui.btnStop->setIcon(style.standardIcon(QStyle::SP_MediaStop));
    FillBackground(m_ui.picVideo, Qt::black);

    MediaPlayer1 = m_services.createMediaPlayer(m_ui.picVideo);
    MediaPlayer2 = m_services.createMediaPlayer(nullptr);
    MediaPlayer2->onError = [this](const QString&) {
        m_services.showMessage(QStringLiteral("Bad Media File"), MessageButtons::Ok,
                               MessageIcon::Exclamation, QStringLiteral("Quizmora"));
    };
    // The video buttons carry on whatever the player thinks of its file.
    MediaPlayer1->onError = [](const QString&) {};

    connect(m_ui.btnPlay, &QPushButton::clicked, this, &MediaPlayers::btnPlay_Click);
    connect(m_ui.btnStop, &QPushButton::clicked, this, &MediaPlayers::btnStop_Click);
    connect(m_ui.btnVideoPlay, &QPushButton::clicked, this, &MediaPlayers::btnVideoPlay_Click);
    connect(m_ui.btnVideoPause, &QPushButton::clicked, this, &MediaPlayers::btnVideoPause_Click);
    connect(m_ui.btnVideoStop, &QPushButton::clicked, this, &MediaPlayers::btnVideoStop_Click);
    ShowControlsFor(MediaKind::None);
}

MediaPlayers::~MediaPlayers() = default;

void MediaPlayers::ShowControlsFor(MediaKind kind) {
    const bool video = kind == MediaKind::Video;
    m_ui.picVideo->setVisible(video);
    m_ui.btnVideoPlay->setVisible(video);
    m_ui.btnVideoPause->setVisible(video);
    m_ui.btnVideoStop->setVisible(video);
    m_ui.fraSoundButtons->setVisible(kind == MediaKind::Sound);

    // Only the shown controls take the mouse; the panel's own below stay
    // reachable. An empty mask would be no mask at all: with nothing shown,
    // the mask is a point off the part, which no click reaches.
    QRegion shown;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden())
            shown += control->geometry();
    }
    setMask(shown.isEmpty() ? QRegion(-1, -1, 1, 1) : shown);
}

bool MediaPlayers::LoadVideo(const QString& path) {
    m_videoPath = path;
    // The player gets the file found here, or none, so the last video does
    // not pass for this one.
    const QString file = m_locateMedia(path);
    MediaPlayer1->open(file);
    return !file.isEmpty();
}

void MediaPlayers::StopMedia() {
    MediaPlayer1->stop();
    MediaPlayer2->stop();
}

void MediaPlayers::btnPlay_Click() {
    MediaPlayer2->setPosition(0);
    const QString file = m_locateMedia(CurrentSoundPath);
    if (!file.isEmpty()) {
        MediaPlayer2->open(file);
        MediaPlayer2->play();
    } else if (!TrimSpaces(CurrentSoundPath).isEmpty()) {
        emit mediaNotFound(tr("Sound not found:\n%1").arg(TrimSpaces(CurrentSoundPath)));
    }
}

void MediaPlayers::btnStop_Click() {
    MediaPlayer2->stop();
}

void MediaPlayers::btnVideoPlay_Click() {
    // The shown video's player holds no file when it could not be found.
    if (!m_ui.picVideo->isHidden() && m_locateMedia(m_videoPath).isEmpty()) {
        emit mediaNotFound(tr("Video not found:\n%1").arg(m_videoPath));
        return;
    }
    MediaPlayer1->play();
}

void MediaPlayers::btnVideoPause_Click() {
    // A stop, not a pause: the next play starts from the beginning.
    MediaPlayer1->stop();
}

void MediaPlayers::btnVideoStop_Click() {
    MediaPlayer1->stop();
    MediaPlayer1->setPosition(0);
}
