// Media questions: attaching a picture, sound or video to the selected
// question (by the toolbar's choosers or by dropping a file on the window),
// showing such questions, and previewing sound and video.

#include "editor/frmEditor.h"
#include "preview/picturefit.h"

#include "document/jpegconversion.h"

#include "model/mediakind.h"
#include "util/rounding.h"
#include "util/windows1252.h"

#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QSignalBlocker>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <climits>

namespace {

// The second item's pictures are offered as a converted JPEG.
const QString PictureFilter =
    QStringLiteral("Picture(*.bmp;*.jpg)|*.bmp;*.jpg|Other pictures(*.png;*.gif;*.webp;*.jpeg)|"
                   "*.png;*.gif;*.webp;*.jpeg");
const QString SoundFilter = QStringLiteral("Audio(*.wav; *.mp3; *.wma)|*.wav; *.mp3; *.wma");
const QString VideoFilter =
    QStringLiteral("Movie Files(*avi; *mov; *wmv; *mpg; *mpeg; *mp4)|*.avi; *.mov; *.wmv; "
                   "*.mpg; *.mpeg; *.mp4;");

const QString PathTooLongMessage = QStringLiteral("File path exceeds 256 characters in length");
const QString NotMediaMessage =
    QStringLiteral("Only a picture (.bmp, .jpg), a sound clip (.wav, .mp3, .wma) or a video "
                   "clip (.avi, .mov, .wmv, .mpg, .mpeg, .mp4) can be dropped here.");
const QString OneFileMessage = QStringLiteral("Please drop one file at a time.");

// A picture is decoded at the preview's size where its format allows that;
// else whole, at four bytes a pixel, up to this many pixels (48 MB). No
// decoder may ask for more than the allocation limit, whatever a file claims.
constexpr qint64 LargestWholePicture = 12'000'000;
constexpr int PictureAllocationLimitMB = 64;

// Passes drops of files on the window to the media commands.
class MediaDropFilter : public QObject {
public:
    explicit MediaDropFilter(frmEditor* editor) : QObject(editor), m_editor(editor) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_editor)
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
            m_editor->DropMediaFiles(drop->mimeData()->urls());
            return true;
        }
        default:
            return false;
        }
    }

private:
    frmEditor* m_editor;
};

// The size in a BMP file's header. Qt's reader gives none for a picture
// wider or taller than 16384 pixels, which is still worth naming.
QSize BmpHeaderSize(const QString& path) {
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(26) : QByteArray();
    if (header.size() < 26 || !header.startsWith("BM"))
        return QSize();
    const qint64 width = qFromLittleEndian<qint32>(header.constData() + 18);
    // A negative height marks rows stored top to bottom.
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(header.constData() + 22)));
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX)
        return QSize();
    return QSize(int(width), int(height));
}

} // namespace

// ---- set-up

void frmEditor::SetUpMediaPreview() {
    m_ui.picImageResize->setScaledContents(true);
    MediaPlayer2->onError = [this](const QString&) {
        m_services.showMessage(QStringLiteral("Bad Media File"), MessageButtons::Ok,
                               MessageIcon::Exclamation, QStringLiteral("Quizmora"));
    };
    // The video buttons carry on whatever the player thinks of its file.
    MediaPlayer1->onError = [](const QString&) {};

    setAcceptDrops(true);
    installEventFilter(new MediaDropFilter(this));

    // A medium that cannot be found is named over the preview, rather than
    // in a box the author would have to close at every visit to the square.
    lblMediaNotFound = new QLabel(m_ui.centralwidget);
    lblMediaNotFound->setObjectName(QStringLiteral("lblMediaNotFound"));
    lblMediaNotFound->setAlignment(Qt::AlignCenter);
    lblMediaNotFound->setWordWrap(true);
    lblMediaNotFound->setTextFormat(Qt::PlainText);
    lblMediaNotFound->setMargin(8);
    lblMediaNotFound->setStyleSheet(QStringLiteral(
        "background: rgb(255, 241, 184); color: black; border: 2px solid rgb(255, 204, 51);"));
    lblMediaNotFound->hide();
}

void frmEditor::ShowMediaNotice(const QString& text) {
    // In the middle of an empty picture or video box; under a sound
    // question's text, which stays readable above it.
    const QRect preview = m_ui.picQuestionPicture->geometry();
    lblMediaNotFound->setGeometry(MediaKindOfRecord(CurrentRecord()) == MediaKind::Sound
                                      ? preview.adjusted(16, preview.height() - 64, -16, -10)
                                      : preview.adjusted(24, 110, -24, -110));
    lblMediaNotFound->setText(text);
    lblMediaNotFound->setAccessibleName(text);
    lblMediaNotFound->setVisible(!text.isEmpty());
    if (!text.isEmpty())
        lblMediaNotFound->raise();
}

// The chooser's file name is cleared before use and then holds the choice
// (a Save's error report names it) until the command has used the file.
// A name typed into the chooser may have any ending, but the game tells a
// question's kind by its file's ending: another ending would make the
// question a text question showing the path, so it is refused.
QString frmEditor::ChooseMediaFile(MediaKind kind) {
    QString filter = SoundFilter;
    QString taken = QStringLiteral("a sound clip ending in .wav, .mp3 or .wma");
    if (kind == MediaKind::Picture) {
        filter = PictureFilter;
        taken = QStringLiteral("a picture ending in .bmp or .jpg");
    } else if (kind == MediaKind::Video) {
        filter = VideoFilter;
        taken = QStringLiteral("a video clip ending in .avi, .mov, .wmv, .mpg, .mpeg or .mp4");
    }
    const QString& lastFolder = kind == MediaKind::Video ? LastVideoFolder : LastMediaFolder;
    EditorDialogFileName.clear();
    EditorDialogFileName = m_services.getOpenFileName(ChooserStartFolder(lastFolder), filter);
    const QString path = TrimSpaces(EditorDialogFileName);
    if (path.isEmpty() || MediaKindOfFileName(path) == kind)
        return path;
    if (kind == MediaKind::Picture && IsConvertiblePictureName(path)) {
        const QString converted = ConvertPictureForGame(path);
        if (converted.isEmpty())
            EditorDialogFileName.clear();
        return converted;
    }
    ShowOkMessage(path +
                  QStringLiteral("\r\ncannot be used here: the game takes only %1.").arg(taken));
    EditorDialogFileName.clear();
    return QString();
}

// Shows the preview of one kind of media (the picture box, the video player,
// or the sound buttons with the question box) and the path, and hides the
// buttons that only a text question has.
void frmEditor::ShowMediaControls(MediaKind kind) {
    const bool sound = kind == MediaKind::Sound;
    SetVideoControlsVisible(kind == MediaKind::Video);
    m_ui.picQuestionPicture->setVisible(kind == MediaKind::Picture);
    m_ui.fraSoundButtons->setVisible(sound);
    m_ui.txtEnterQuestion->setVisible(sound);
    m_ui.lblQuestionPrompt->setVisible(sound);
    m_ui.lblDisPlayQuestion->setVisible(sound);
    m_ui.lblPath->show();
    m_ui.txtPath->show();
    m_ui.btnFont->hide();
    m_ui.btnFontColor->hide();
    m_ui.btnDefault->hide();
    m_ui.btnCopy->hide();
    m_ui.lblCopyFont->hide();
    m_ui.btnMultipleChoice->show();
    m_ui.btnSingleChoice->show();
}

// ---- the three commands

void frmEditor::btnPicture_Click() {
    if (m_guard.refuses())
        return;
    UseMediaFile(MediaKind::Picture, ChooseMediaFile(MediaKind::Picture));
}

void frmEditor::btnSound_Click() {
    if (m_guard.refuses())
        return;
    const QString path = ChooseMediaFile(MediaKind::Sound);
    // Taken before the checks: a cancelled choice leaves nothing to play.
    CurrentSoundPath = path;
    UseMediaFile(MediaKind::Sound, path);
}

void frmEditor::btnVideo_Click() {
    if (m_guard.refuses())
        return;
    UseMediaFile(MediaKind::Video, ChooseMediaFile(MediaKind::Video));
}

bool frmEditor::AcceptMediaPath(const QString& path) {
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

namespace {

// Empties a box the question's kind does not use, without its handler storing that.
void EmptyQuietly(QLineEdit* box) {
    const QSignalBlocker quiet(box);
    box->setText(QString());
}

} // namespace

// The chosen or dropped file becomes the question, and the panel shows it as
// showing the square does. A file in a media folder is stored under its
// path on the game's computer.
void frmEditor::UseMediaFile(MediaKind kind, const QString& path) {
    const QString stored = GamePathOf(path);
    if (!AcceptMediaPath(stored))
        return;
    m_document.setKind(CurrentSquare(), kind, stored);
    if (m_ui.chkFilenameAnswer->isChecked())
        m_document.setAnswer(CurrentSquare(), MediaFileAnswer(stored));
    DisPlayQuestion();
    // A name typed into the chooser may name no file: the author hears of
    // it at once, where the preview would only show a notice.
    if (!QFileInfo(path).isFile())
        ShowOkMessage(QStringLiteral("File not found:\r\n") + path);
    (kind == MediaKind::Video ? LastVideoFolder : LastMediaFolder) = FolderOfPath(path);
    EditorDialogFileName.clear();
}

// ---- dropping files

void frmEditor::DropMediaFiles(const QList<QUrl>& urls) {
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
        ShowOkMessage(NotMediaMessage);
        return;
    }
    UseMediaFile(kind, path);
}

// ---- the picture preview

bool frmEditor::DisPlayPicture(const QString& path) {
    // A picture that cannot be shown empties the preview: the previous
    // question's picture must not pass for this one's.
    const auto fail = [this](const QString& text) {
        m_ui.picImageResize->clear();
        ShowOkMessage(text);
        return false;
    };
    const QString localPath = LocateMedia(path);
    if (localPath.isEmpty()) {
        m_ui.picImageResize->clear();
        ShowMediaNotice(tr("Picture not found:\n%1").arg(path));
        return false;
    }

    QImageReader reader(localPath);
    reader.setAllocationLimit(PictureAllocationLimitMB);
    const QSize box = m_ui.picQuestionPicture->size();
    // The size in the file's header, read before any pixel.
    const QSize natural = reader.size().isValid() ? reader.size() : BmpHeaderSize(localPath);
    if (natural.isValid()) {
        const PictureFit fit =
            FitPicture(natural.width(), natural.height(), box.width(), box.height());
        if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
            reader.setScaledSize(QSize(std::max(1, RoundHalfEven(fit.width)),
                                       std::max(1, RoundHalfEven(fit.height))));
        } else if (qint64(natural.width()) * natural.height() > LargestWholePicture) {
            return fail(QStringLiteral("This picture is too large to show: %1 x %2 pixels, where "
                                       "pictures of its kind can have at most %3 million.\r\n%4"
                                       "\r\n\r\nSave it smaller or as a JPEG, and choose it "
                                       "again.")
                            .arg(natural.width())
                            .arg(natural.height())
                            .arg(LargestWholePicture / 1'000'000)
                            .arg(path));
        }
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        FileError error;
        switch (reader.error()) {
        case QImageReader::FileNotFoundError:
            return fail(QStringLiteral("File not found:\r\n") + path);
        case QImageReader::DeviceError:
            error = FileError::of(ErrorNumber::PathFileAccess);
            break;
        default:
            error = FileError::of(ErrorNumber::InvalidPicture);
            break;
        }
        // The caption as shown, without the unsaved-changes placeholder.
        const QString caption = QString(windowTitle()).remove(QStringLiteral("[*]"));
        return fail(ErrorReportText(ReportStyle::Period, error, caption,
                                    QStringLiteral("Procedure: DisPlayPicture"),
                                    {QStringLiteral("Filename: ") + path, reader.errorString()}));
    }

    const QSize size = natural.isValid() ? natural : picture.size();
    const PictureFit fit = FitPicture(size.width(), size.height(), box.width(), box.height());
    // The preview keeps no more pixels than it shows.
    const QSize shown(std::max(1, RoundHalfEven(fit.width)),
                      std::max(1, RoundHalfEven(fit.height)));
    if (picture.width() > shown.width() || picture.height() > shown.height())
        picture = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_ui.picImageResize->setPixmap(QPixmap::fromImage(picture));
    m_ui.picImageResize->setGeometry(fit.left, fit.top, RoundHalfEven(fit.width),
                                     RoundHalfEven(fit.height));
    m_ui.picImageResize->show();
    return true;
}

// ---- sound and video preview

void frmEditor::btnPlay_Click() {
    MediaPlayer2->setPosition(0);
    const QString file = LocateMedia(CurrentSoundPath);
    if (!file.isEmpty()) {
        MediaPlayer2->open(file);
        MediaPlayer2->play();
    } else if (!TrimSpaces(CurrentSoundPath).isEmpty()) {
        ShowMediaNotice(tr("Sound not found:\n%1").arg(TrimSpaces(CurrentSoundPath)));
    }
}

void frmEditor::btnStop_Click() {
    MediaPlayer2->stop();
}

void frmEditor::btnVideoPlay_Click() {
    // The shown video's player holds no file when it could not be found.
    const QString path = MediaPathOfRecord(CurrentRecord());
    if (MediaKindOfRecord(CurrentRecord()) == MediaKind::Video && LocateMedia(path).isEmpty()) {
        ShowMediaNotice(tr("Video not found:\n%1").arg(path));
        return;
    }
    MediaPlayer1->play();
}

void frmEditor::btnVideoPause_Click() {
    // A stop, not a pause: the next play starts from the beginning.
    MediaPlayer1->stop();
}

void frmEditor::btnVideoStop_Click() {
    MediaPlayer1->stop();
    MediaPlayer1->setPosition(0);
}

// ---- showing media questions

namespace {

// The answer box: the stored answer, or the file's name when "Make File Name
// the Answer" is ticked and that takes nothing. Showing a question must not
// replace an answer the author typed, nor the right choice of a question
// with choices, just because the box stayed ticked from another question.
QString ShownAnswer(bool fileNameIsAnswer, const QString& path, const QuestionRecord& record) {
    const QString answer = record.Answers[0].trimmed();
    return fileNameIsAnswer && answer.isEmpty() && !record.hasChoices() ? MediaFileAnswer(path)
                                                                        : answer;
}

} // namespace

void frmEditor::ShowPictureQuestion() {
    const QuestionRecord& record = CurrentRecord();
    const QString path = record.QuestionText.trimmed();

    const bool final = IsFinalQuestion();
    // A board question shows its path as stored, the final question trimmed.
    m_ui.txtPath->setText(final ? path : record.QuestionText.padded());
    // Scrolled to the end of the name, not of the field's trailing spaces.
    m_ui.txtPath->setCursorPosition(static_cast<int>(RTrimSpaces(m_ui.txtPath->text()).size()));
    if (!final)
        DisPlayPicture(path);
    m_ui.txtAnswer->setText(ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, record));
    const bool choiceExists = ShowAnswerChoices();
    EmptyQuietly(m_ui.txtEnterQuestion);
    if (final)
        DisPlayPicture(path);

    ShowMediaControls(MediaKind::Picture);
    m_ui.picImageResize->show();
    ShowFileNameOption(choiceExists);
    m_ui.lblAnswer->setVisible(!choiceExists);
    m_ui.txtAnswer->setVisible(!choiceExists);
    ShowDailyDoubleMark();
}

void frmEditor::ShowSoundQuestion() {
    const QuestionRecord& record = CurrentRecord();
    const QString path = record.MediaPath.trimmed();

    const QString text = record.QuestionText.trimmed();
    m_ui.lblDisPlayQuestion->setText(text);
    m_ui.txtEnterQuestion->setText(text);
    const bool choiceExists = ShowAnswerChoices();
    m_ui.txtAnswer->setText(ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, record));
    m_ui.txtPath->setText(path);
    CurrentSoundPath = path;
    if (!path.isEmpty() && LocateMedia(path).isEmpty())
        ShowMediaNotice(tr("Sound not found:\n%1").arg(path));
    MediaPlayer1->stop();
    m_ui.picImageResize->clear();

    ShowMediaControls(MediaKind::Sound);
    m_ui.chkFilenameAnswer->show();
    m_ui.lblFilenameAnswer->show();
    m_ui.lblAnswer->setVisible(!choiceExists);
    m_ui.txtAnswer->setVisible(!choiceExists);
    ShowDailyDoubleMark();
}

void frmEditor::ShowVideoQuestion() {
    const QuestionRecord& record = CurrentRecord();
    const QString path = record.QuestionText.trimmed();

    // The player gets the file found here, or none: one that cannot be
    // found is named, and the last video does not pass for it.
    const QString file = LocateMedia(path);
    MediaPlayer1->open(file);
    if (file.isEmpty() && !path.isEmpty())
        ShowMediaNotice(tr("Video not found:\n%1").arg(path));
    m_ui.txtPath->setText(path);
    m_ui.txtAnswer->setText(ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, record));
    if (!path.isEmpty())
        m_ui.lblDisPlayQuestion->setText(path);
    const bool choiceExists = ShowAnswerChoices();
    if (IsFinalQuestion()) {
        m_board->SetQuestionButtonsVisible(false);
    }
    EmptyQuietly(m_ui.txtEnterQuestion);
    m_ui.picImageResize->clear();
    ShowMediaControls(MediaKind::Video);
    ShowFileNameOption(choiceExists);
    m_ui.lblAnswer->show();
    m_ui.txtAnswer->show();
    ShowDailyDoubleMark();
}

void frmEditor::ShowFileNameOption(bool choiceExists) {
    if (choiceExists) {
        // Unticking stores nothing; the answer keeps its text.
        m_ui.chkFilenameAnswer->setChecked(false);
        m_ui.chkFilenameAnswer->hide();
        m_ui.lblFilenameAnswer->hide();
    } else {
        m_ui.chkFilenameAnswer->show();
        m_ui.lblFilenameAnswer->show();
    }
}
