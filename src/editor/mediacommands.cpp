// Attaching a picture, sound or video to the selected question, by the
// toolbar's choosers or by dropping a file on the window.

#include "editor/mediacommands.h"

#include "document/gamesetdocument.h"
#include "document/jpegconversion.h"
#include "services/services.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// "*.wav; *.mp3": the endings as a chooser's patterns.
QString Patterns(const QStringList& endings, const QString& separator) {
    QStringList patterns;
    for (const QString& ending : endings)
        patterns << QLatin1Char('*') + ending;
    return patterns.join(separator);
}

// Each chooser shows the endings the game plays as the editor always has;
// the second picture item's pictures are offered as a converted JPEG.
QString ChooserFilter(MediaKind kind) {
    const QStringList& endings = FileEndings(kind);
    if (kind == MediaKind::Picture) {
        const QString pictures = Patterns(endings, QStringLiteral(";"));
        const QString others = Patterns(ConvertiblePictureEndings(), QStringLiteral(";"));
        return QStringLiteral("Picture(%1)|%1|Other pictures(%2)|%2").arg(pictures, others);
    }
    const QString patterns = Patterns(endings, QStringLiteral("; "));
    if (kind == MediaKind::Sound)
        return QStringLiteral("Audio(%1)|%1").arg(patterns);
    // The movie item names its endings without their dots, and its patterns end in ";".
    QString caption = patterns;
    caption.remove(QLatin1Char('.'));
    return QStringLiteral("Movie Files(%1)|%2;").arg(caption, patterns);
}

QString KindName(MediaKind kind) {
    switch (kind) {
    case MediaKind::Picture:
        return QStringLiteral("a picture");
    case MediaKind::Sound:
        return QStringLiteral("a sound clip");
    case MediaKind::Video:
        return QStringLiteral("a video clip");
    case MediaKind::None:
        break;
    }
    return QString();
}

// "a sound clip ending in .wav, .mp3 or .wma"
QString TakenFiles(MediaKind kind) {
    QStringList endings = FileEndings(kind);
    const QString last = endings.takeLast();
    return QStringLiteral("%1 ending in %2 or %3")
        .arg(KindName(kind), endings.join(QStringLiteral(", ")), last);
}

QString NotMediaMessage() {
    QStringList kinds;
    for (MediaKind kind : {MediaKind::Picture, MediaKind::Sound, MediaKind::Video})
        kinds << QStringLiteral("%1 (%2)").arg(KindName(kind),
                                               FileEndings(kind).join(QStringLiteral(", ")));
    return QStringLiteral("Only %1, %2 or %3 can be dropped here.")
        .arg(kinds.at(0), kinds.at(1), kinds.at(2));
}

const QString PathTooLongMessage = QStringLiteral("File path exceeds 256 characters in length");
const QString OneFileMessage = QStringLiteral("Please drop one file at a time.");

} // namespace

MediaCommands::MediaCommands(GameSetDocument& document, const BoardSelection& selection,
                             const CommandGuard& guard, Services& services,
                             const Controls& controls)
    : m_document(document), m_selection(selection), m_guard(guard), m_services(services),
      m_controls(controls) {
    connect(m_controls.btnVideo, &QAction::triggered, this, &MediaCommands::btnVideo_Click);
    connect(m_controls.btnPicture, &QAction::triggered, this, &MediaCommands::btnPicture_Click);
    connect(m_controls.btnSound, &QAction::triggered, this, &MediaCommands::btnSound_Click);
    m_controls.window->setAcceptDrops(true);
    m_controls.window->installEventFilter(this);
}

// Drops of files on the window go to DropMediaFiles.
bool MediaCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_controls.window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData()->hasUrls())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls())
            return false;
        drop->acceptProposedAction();
        DropMediaFiles(drop->mimeData()->urls());
        return true;
    }
    default:
        return false;
    }
}

void MediaCommands::ShowOkMessage(const QString& text) {
    m_services.showMessage(text, MessageButtons::Ok, MessageIcon::None, QString());
}

// A name typed into the chooser may have any ending, but the game tells a
// question's kind by its file's ending: another ending would make the
// question a text question showing the path, so it is refused.
QString MediaCommands::ChooseMediaFile(MediaKind kind) {
    const QString& lastFolder = kind == MediaKind::Video ? LastVideoFolder : LastMediaFolder;
    const QString chosen =
        m_services.getOpenFileName(ChooserStartFolder(lastFolder), ChooserFilter(kind));
    const QString path = TrimSpaces(chosen);
    if (path.isEmpty() || MediaKindOfFileName(path) == kind)
        return path;
    if (kind == MediaKind::Picture && IsConvertiblePictureName(path)) {
        return ConvertPictureForGame(path);
    }
    ShowOkMessage(
        path +
        QStringLiteral("\r\ncannot be used here: the game takes only %1.").arg(TakenFiles(kind)));
    return QString();
}

// ---- the three commands

void MediaCommands::btnPicture_Click() {
    if (m_guard.refuses())
        return;
    UseMediaFile(MediaKind::Picture, ChooseMediaFile(MediaKind::Picture));
}

void MediaCommands::btnSound_Click() {
    if (m_guard.refuses())
        return;
    const QString path = ChooseMediaFile(MediaKind::Sound);
    // Taken before the checks: a cancelled choice leaves nothing to play.
    emit soundChosen(path);
    UseMediaFile(MediaKind::Sound, path);
}

void MediaCommands::btnVideo_Click() {
    if (m_guard.refuses())
        return;
    UseMediaFile(MediaKind::Video, ChooseMediaFile(MediaKind::Video));
}

bool MediaCommands::AcceptMediaPath(const QString& path) {
    if (path.size() > QuestionWidth) {
        ShowOkMessage(PathTooLongMessage);
        return false;
    }
    // The game set would store a "?" in its place: a path to no file.
    const QString character = FirstUnstorableCharacter(path);
    if (!character.isEmpty()) {
        ShowOkMessage(QStringLiteral("The name or folder of this file contains %1, which a game "
                                     "set cannot store:\r\n%2\r\n\r\nRename the file, or move "
                                     "it to a folder whose name does not contain %1, and choose "
                                     "it again.")
                          .arg(character, path));
        return false;
    }
    return !path.isEmpty();
}

// The chosen or dropped file becomes the question, and the panel shows it as
// showing the square does. A file in a media folder is stored under its
// path on the game's computer.
void MediaCommands::UseMediaFile(MediaKind kind, const QString& path) {
    const QString stored = GamePathOf(path);
    if (!AcceptMediaPath(stored))
        return;
    const Square square = m_selection.current();
    m_document.setKind(square, kind, stored);
    if (m_controls.chkFilenameAnswer->isChecked())
        m_document.setAnswer(square, MediaFileAnswer(stored));
    emit questionChanged();
    // A name typed into the chooser may name no file: the author hears of
    // it at once, where the preview would only show a notice.
    if (!QFileInfo(path).isFile())
        ShowOkMessage(QStringLiteral("File not found:\r\n") + path);
    (kind == MediaKind::Video ? LastVideoFolder : LastMediaFolder) = FolderOfPath(path);
}

// ---- dropping files

void MediaCommands::DropMediaFiles(const QList<QUrl>& urls) {
    if (m_guard.refuses())
        return;
    if (urls.size() != 1) {
        ShowOkMessage(OneFileMessage);
        return;
    }
    const QUrl& url = urls.constFirst();
    const QString path = TrimSpaces(QDir::toNativeSeparators(url.toLocalFile()));
    const MediaKind kind = MediaKindOfFileName(path);
    if (url.isLocalFile() && IsConvertiblePictureName(path) && QFileInfo(path).isFile()) {
        UseMediaFile(MediaKind::Picture, ConvertPictureForGame(path));
        return;
    }
    if (!url.isLocalFile() || kind == MediaKind::None || !QFileInfo(path).isFile()) {
        ShowOkMessage(NotMediaMessage());
        return;
    }
    UseMediaFile(kind, path);
}
