// Media questions: showing a picture, sound or video question. Playing them
// is MediaPlayers' work, attaching the files MediaCommands'.

#include "editor/questionpanel.h"
#include "preview/picturefit.h"

#include "model/mediakind.h"
#include "util/rounding.h"
#include "util/textrules.h"

#include <QFile>
#include <QImageReader>
#include <QSignalBlocker>
#include <QtEndian>

#include <algorithm>
#include <climits>

namespace {

// A picture is decoded at the preview's size where its format allows that;
// else whole, at four bytes a pixel, up to this many pixels (48 MB). No
// decoder may ask for more than the allocation limit, whatever a file claims.
constexpr qint64 LargestWholePicture = 12'000'000;
constexpr int PictureAllocationLimitMB = 64;

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

void QuestionPanel::SetUpMediaPreview() {
    m_ui.picImageResize->setScaledContents(true);

    // A medium that cannot be found is named over the preview, rather than
    // in a box the author would have to close at every visit to the square.
    lblMediaNotFound = new QLabel(this);
    lblMediaNotFound->setObjectName(QStringLiteral("lblMediaNotFound"));
    lblMediaNotFound->setAlignment(Qt::AlignCenter);
    lblMediaNotFound->setWordWrap(true);
    lblMediaNotFound->setTextFormat(Qt::PlainText);
    lblMediaNotFound->setMargin(8);
    lblMediaNotFound->setStyleSheet(QStringLiteral(
        "background: rgb(255, 241, 184); color: black; border: 2px solid rgb(255, 204, 51);"));
    lblMediaNotFound->hide();
}

void QuestionPanel::ShowMediaNotice(const QString& text) {
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

// Shows the preview of one kind of media (the picture box, the video player,
// or the sound buttons with the question box) and the path, and hides the
// buttons that only a text question has.
void QuestionPanel::ShowMediaControls(MediaKind kind) {
    const bool sound = kind == MediaKind::Sound;
    m_players->ShowControlsFor(kind);
    m_ui.picQuestionPicture->setVisible(kind == MediaKind::Picture);
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

namespace {

// Empties a box the question's kind does not use, without its handler storing that.
void EmptyQuietly(QLineEdit* box) {
    const QSignalBlocker quiet(box);
    box->setText(QString());
}

} // namespace

// ---- the picture preview

bool QuestionPanel::DisPlayPicture(const QString& path) {
    // A picture that cannot be shown empties the preview: the previous
    // question's picture must not pass for this one's.
    const auto fail = [this](const QString& text) {
        m_ui.picImageResize->clear();
        ShowOkMessage(text);
        return false;
    };
    const QString localPath = m_locateMedia(path);
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
        const QString caption = QString(m_window.windowTitle()).remove(QStringLiteral("[*]"));
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

void QuestionPanel::ShowPictureQuestion() {
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
}

void QuestionPanel::ShowSoundQuestion() {
    const QuestionRecord& record = CurrentRecord();
    const QString path = record.MediaPath.trimmed();

    const QString text = record.QuestionText.trimmed();
    m_ui.lblDisPlayQuestion->setText(text);
    m_ui.txtEnterQuestion->setText(text);
    const bool choiceExists = ShowAnswerChoices();
    m_ui.txtAnswer->setText(ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, record));
    m_ui.txtPath->setText(path);
    m_players->SetSoundPath(path);
    if (!path.isEmpty() && m_locateMedia(path).isEmpty())
        ShowMediaNotice(tr("Sound not found:\n%1").arg(path));
    m_ui.picImageResize->clear();

    ShowMediaControls(MediaKind::Sound);
    m_ui.chkFilenameAnswer->show();
    m_ui.lblFilenameAnswer->show();
    m_ui.lblAnswer->setVisible(!choiceExists);
    m_ui.txtAnswer->setVisible(!choiceExists);
}

void QuestionPanel::ShowVideoQuestion() {
    const QuestionRecord& record = CurrentRecord();
    const QString path = record.QuestionText.trimmed();

    // The player gets the file found here, or none: one that cannot be
    // found is named, and the last video does not pass for it.
    if (!m_players->LoadVideo(path) && !path.isEmpty())
        ShowMediaNotice(tr("Video not found:\n%1").arg(path));
    m_ui.txtPath->setText(path);
    m_ui.txtAnswer->setText(ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, record));
    if (!path.isEmpty())
        m_ui.lblDisPlayQuestion->setText(path);
    const bool choiceExists = ShowAnswerChoices();
    if (IsFinalQuestion()) {
        emit questionButtonsHidden();
    }
    EmptyQuietly(m_ui.txtEnterQuestion);
    m_ui.picImageResize->clear();
    ShowMediaControls(MediaKind::Video);
    ShowFileNameOption(choiceExists);
    m_ui.lblAnswer->show();
    m_ui.txtAnswer->show();
}

void QuestionPanel::ShowFileNameOption(bool choiceExists) {
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
