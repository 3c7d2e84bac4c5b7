#pragma once

#include "editor/boardselection.h"
#include "model/mediafolders.h"
#include "model/mediakind.h"

#include <QObject>
#include <QString>

class GameSetDocument;
class QAbstractButton;
class QAction;
class QMenu;
class QUrl;
class QWidget;
class Services;

// The commands that attach a picture, sound or video to the selected
// question (the toolbar's choosers, or a file dropped on the window), the
// media folders and Find Missing Media, and Pack for the Game. It also keeps
// the window's finder of media files, which the preview and the check ask.
class MediaCommands : public QObject {
    Q_OBJECT

public:
    // The window's controls the commands use.
    struct Controls {
        QWidget* window = nullptr; // parent of the dialogs and new menu items; takes drops
        QMenu* mnuFile = nullptr;
        QMenu* mnuEdit = nullptr;
        QAction* mnuFilePrint = nullptr; // new File items are placed around it
        QAction* btnPicture = nullptr;
        QAction* btnSound = nullptr;
        QAction* btnVideo = nullptr;
        // Only read: a ticked box makes an attached file's name the answer.
        const QAbstractButton* chkFilenameAnswer = nullptr;
    };

    MediaCommands(GameSetDocument& document, const BoardSelection& selection,
                  const CommandGuard& guard, Services& services, const Controls& controls);

    // ---- attaching media (mediacommands.cpp)
    void btnPicture_Click();
    void btnSound_Click();
    void btnVideo_Click();
    // What each command does once a file was chosen (or dropped): the path
    // checks, the record writes, the panel and the chooser's last folder.
    void UseMediaFile(MediaKind kind, const QString& path);
    // False, after the message when too long, for a path the record cannot take.
    bool AcceptMediaPath(const QString& path);
    // Files dropped on the window: one picture, sound or video file is
    // attached as its command attaches a chosen one; anything else is refused.
    void DropMediaFiles(const QList<QUrl>& urls);
    // A PNG, GIF, WebP or ".jpeg" picture offered as a JPEG copy the game can
    // show (convertpicture.cpp): the copy's path once written, "" otherwise.
    QString ConvertPictureForGame(const QString& path);

    // ---- media folders and missing media (medialinks.cpp)
    // Edit -> Media Folders and File -> Find Missing Media, and the pairs
    // of folders the editor keeps.
    void SetUpMediaLinks();
    void mnuMediaFolders_Click();
    void mnuFindMissingMedia_Click();
    // The finder of the set's media, following the set's folder.
    const MediaLocator& MediaFiles();
    // The file on this computer a stored media path names: through the
    // media folders, or beside the set; "" when there is none.
    QString LocateMedia(const QString& storedPath);
    // What a file attached here is stored as: its game's path when a media
    // folder holds it, else the path itself.
    QString GamePathOf(const QString& localPath) const;
    // Where media are found changed (the pairs, the set's folder): looked
    // for anew, then mediaPlacesChanged.
    void MediaPlacesChanged();
    // After a save: where media are found follows the set into another folder.
    void FollowSetFolder();

    // ---- pack for the game (packcommand.cpp)
    void SetUpPackCommand();
    void mnuPackForGame_Click();

    // Where the choosers start: the folder of the last picture or sound
    // attached, and of the last video.
    QString LastMediaFolder;
    QString LastVideoFolder;

signals:
    // The selected question's file changed: show it as showing the square does.
    void questionChanged();
    // The sound chooser's answer, taken before any check ("" when cancelled):
    // the sound the play button plays.
    void soundChosen(const QString& path);
    // Media were looked for anew: the check and the shown question follow.
    void mediaPlacesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString ChooseMediaFile(MediaKind kind);
    // A message with OK only and the program's default title.
    void ShowOkMessage(const QString& text);

    GameSetDocument& m_document;
    const BoardSelection& m_selection;
    const CommandGuard& m_guard;
    Services& m_services;
    Controls m_controls;
    MediaLocator m_mediaLocator;
};
