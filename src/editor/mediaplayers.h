#pragma once

#include "model/mediakind.h"
#include "services/services.h"
#include "ui_mediaplayers.h"

#include <QWidget>
#include <functional>
#include <memory>

// The media controls of the question panel: the video's screen with its
// play, pause and stop buttons, and the sound clip's Play and Stop, with the
// two players behind them. The panel says which kind of question it shows
// and which files; the buttons play them.
//
// The part lies over the whole panel at its controls' own places and takes
// the mouse only over the controls it shows.
class MediaPlayers : public QWidget {
    Q_OBJECT

public:
    // `locateMedia` names the file on this computer a stored media path
    // stands for ("" when there is none).
    MediaPlayers(QWidget* panel, Services& services,
                 std::function<QString(const QString&)> locateMedia);
    ~MediaPlayers() override;

    const Ui::MediaPlayers& controls() const { return m_ui; }

    // The video's screen and buttons for a video question, the sound
    // buttons for a sound question, neither for the others.
    void ShowControlsFor(MediaKind kind);
    // The video player given the file a video question's path stands for:
    // false when there is none here.
    bool LoadVideo(const QString& path);
    // The sound the Play button plays.
    void SetSoundPath(const QString& path) { CurrentSoundPath = path; }
    // Both players stopped, as when another question is shown or the set goes.
    void StopMedia();

    void btnPlay_Click();
    void btnStop_Click();
    void btnVideoPlay_Click();
    void btnVideoPause_Click();
    void btnVideoStop_Click();

signals:
    // A medium a button was to play is not on this computer: the notice's text.
    void mediaNotFound(const QString& text);

private:
    Ui::MediaPlayers m_ui;
    Services& m_services;
    std::function<QString(const QString&)> m_locateMedia;
    QString CurrentSoundPath;
    QString m_videoPath;                       // the shown video question's, as stored
    std::unique_ptr<MediaPlayer> MediaPlayer1; // video, shown in picVideo
    std::unique_ptr<MediaPlayer> MediaPlayer2; // sound, never shown
};
