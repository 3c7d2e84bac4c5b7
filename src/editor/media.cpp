// Media questions: attaching a picture, sound or video to the selected
// question (by the toolbar's choosers or by dropping a file on the window),
// showing such questions, and previewing sound and video.

#include "editor/frmEditor.h"
#include "editor/mediakind.h"
#include "editor/picturefit.h"

#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QSignalBlocker>
#include <QUrl>

namespace {

const QString PictureFilter = QStringLiteral("Picture(*.bmp;*.jpg)|*.bmp;*.jpg");
const QString SoundFilter = QStringLiteral("Audio(*.wav; *.mp3; *.wma)|*.wav; *.mp3; *.wma");
const QString VideoFilter =
    QStringLiteral("Movie Files(*avi; *mov; *wmv; *mpg; *mpeg; *mp4)|*.avi; *.mov; *.wmv; "
                   "*.mpg; *.mpeg; *.mp4;");

const QString PathTooLongMessage = QStringLiteral("File path exceeds 256 characters in length");
const QString NotMediaMessage =
    QStringLiteral("Only a picture (.bmp, .jpg), a sound clip (.wav, .mp3, .wma) or a video "
                   "clip (.avi, .mov, .wmv, .mpg, .mpeg, .mp4) can be dropped here.");
const QString OneFileMessage = QStringLiteral("Please drop one file at a time.");

// The longest path a question's 256-character field holds.
constexpr int LongestMediaPath = 256;

// Error numbers and descriptions of a picture that cannot be loaded.
constexpr int InvalidPictureNumber = 481;

// The fields of the current record that the media commands write: a board
// question's or the final question's.
struct MediaFields {
    QString* questionType = nullptr;
    FixedText<256>* questionText = nullptr;
    std::array<FixedText<300>, 5>* answers = nullptr;
    FixedText<256>* mediaPath = nullptr;
};

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
}

namespace {

// The selected board question's fields, or the final question's.
MediaFields CurrentFields(frmEditor& editor) {
    GameSet& game = editor.m_state.game;
    if (QuestionRecord* record = editor.CurrentBoardRecord())
        return {&record->QuestionType, &record->QuestionText, &record->Answers, &record->MediaPath};
    return {&game.FinalQuestionType, &game.FinalQuestionText, &game.FinalAnswers,
            &game.FinalMediaPath};
}

// Picture and video questions keep their file in the question text. The
// hidden question box is emptied first (its handler clears the old text),
// then the path and type are written.
MediaFields StoreFileQuestion(frmEditor& editor, const QString& path, const QString& type) {
    editor.m_ui.txtEnterQuestion->setText(QString());
    editor.m_ui.txtEnterQuestion->hide();
    editor.m_ui.txtAnswer->setText(QString());
    const MediaFields fields = CurrentFields(editor);
    fields.questionText->set(path);
    *fields.questionType = type;
    return fields;
}

// Where a chooser starts: the last folder of its kind, else the default one.
QString StartFolder(const QString& lastFolder) {
    return TrimSpaces(lastFolder).isEmpty() ? DefaultGameSetFolder() : lastFolder;
}

// The chooser's file name is cleared before use and then holds the choice
// (a Save's error report names it) until the command has used the file.
QString ChooseMediaFile(frmEditor& editor, const QString& lastFolder, const QString& filter) {
    editor.EditorDialogFileName.clear();
    editor.EditorDialogFileName =
        editor.m_services.getOpenFileName(StartFolder(lastFolder), filter);
    return TrimSpaces(editor.EditorDialogFileName);
}

// Shows the preview of one kind of media (the picture box, the video player,
// or the sound buttons with the question box) and the path, and hides the
// buttons that only a text question has.
void ShowMediaControls(frmEditor& editor, MediaKind kind) {
    Ui::frmEditor& ui = editor.m_ui;
    const bool sound = kind == MediaKind::Sound;
    editor.SetVideoControlsVisible(kind == MediaKind::Video);
    ui.picQuestionPicture->setVisible(kind == MediaKind::Picture);
    ui.fraSoundButtons->setVisible(sound);
    ui.txtEnterQuestion->setVisible(sound);
    ui.lblQuestionPrompt->setVisible(sound);
    ui.lblDisPlayQuestion->setVisible(sound);
    ui.lblPath->show();
    ui.txtPath->show();
    ui.btnFont->hide();
    ui.btnFontColor->hide();
    ui.btnDefault->hide();
    ui.btnCopy->hide();
    ui.lblCopyFont->hide();
    ui.btnMultipleChoice->show();
    ui.btnSingleChoice->show();
}

// What the three commands do alike once the record holds the file: the
// file's name becomes the answer when that is asked for, and the controls
// of its kind are shown.
void ShowAttachedMedia(frmEditor& editor, MediaKind kind, const QString& path) {
    Ui::frmEditor& ui = editor.m_ui;
    if (ui.chkFilenameAnswer->isChecked())
        ui.txtAnswer->setText(MediaFileAnswer(path));
    ui.chkFilenameAnswer->show();
    ui.lblFilenameAnswer->show();
    ui.txtPath->setText(path);
    ShowMediaControls(editor, kind);
}

} // namespace

// ---- the three commands

void frmEditor::btnPicture_Click() {
    if (MultipleChoiceGuard())
        return;
    UsePictureFile(ChooseMediaFile(*this, m_state.LastMediaFolder, PictureFilter));
}

void frmEditor::btnSound_Click() {
    if (MultipleChoiceGuard())
        return;
    const QString path = ChooseMediaFile(*this, m_state.LastMediaFolder, SoundFilter);
    // Taken before the checks: a cancelled choice leaves nothing to play.
    CurrentSoundPath = path;
    UseSoundFile(path);
}

void frmEditor::btnVideo_Click() {
    if (MultipleChoiceGuard())
        return;
    UseVideoFile(ChooseMediaFile(*this, m_state.LastVideoFolder, VideoFilter));
}

bool frmEditor::AcceptMediaPath(const QString& path) {
    if (path.size() > LongestMediaPath) {
        ShowOkMessage(PathTooLongMessage);
        return false;
    }
    return !path.isEmpty();
}

void frmEditor::UsePictureFile(const QString& path) {
    if (!AcceptMediaPath(path))
        return;

    const MediaFields fields = StoreFileQuestion(*this, path, QStringLiteral("P"));
    for (int k = 1; k <= 4; ++k)
        (*fields.answers)[k].clear();
    DisPlayPicture(path);

    ShowAttachedMedia(*this, MediaKind::Picture, path);
    for (QLabel* choice : lblAnswerChoices) {
        choice->hide();
        choice->setText(QString());
    }

    m_state.LastMediaFolder = MediaFolderOf(path);
    EditorDialogFileName.clear();
    m_state.DataChanged = true;
}

void frmEditor::UseSoundFile(const QString& path) {
    if (!AcceptMediaPath(path))
        return;

    m_state.DataChanged = true;
    m_ui.txtEnterQuestion->setText(QString());
    m_ui.txtAnswer->setText(QString());
    m_ui.txtPath->setText(QString());
    m_ui.lblDisPlayQuestion->setText(QString());

    // The final question takes a sound like any other question, as it takes
    // a picture or a video: its path, type and text are written the same way.
    bool choiceExists = false;
    const MediaFields fields = CurrentFields(*this);
    fields.mediaPath->set(path);
    *fields.questionType = QStringLiteral("S");
    fields.questionText->clear();
    (*fields.answers)[0].clear();
    // The question keeps its multiple-choice answers, trimmed; blank ones
    // end up empty.
    for (int k = 1; k <= 4; ++k) {
        FixedText<300>& choice = (*fields.answers)[k];
        choice.set(choice.trimmed());
        choiceExists = choiceExists || !choice.isBlank();
    }

    ShowAttachedMedia(*this, MediaKind::Sound, path);
    // The labels already show the answers the question keeps.
    for (QLabel* choice : lblAnswerChoices)
        choice->setVisible(choiceExists);

    m_state.LastMediaFolder = MediaFolderOf(path);
    EditorDialogFileName.clear();
    m_ui.picImageResize->clear();
}

void frmEditor::UseVideoFile(const QString& path) {
    if (!AcceptMediaPath(path))
        return;

    const MediaFields fields = StoreFileQuestion(*this, path, QStringLiteral("V"));
    for (FixedText<300>& answer : *fields.answers)
        answer.clear();
    MediaPlayer1->open(path);

    ShowAttachedMedia(*this, MediaKind::Video, path);
    for (QLabel* choice : lblAnswerChoices)
        choice->hide();

    m_state.LastVideoFolder = MediaFolderOf(path);
    EditorDialogFileName.clear();
    m_state.DataChanged = true;
}

// ---- dropping files

void frmEditor::DropMediaFiles(const QList<QUrl>& urls) {
    if (MultipleChoiceGuard())
        return;
    if (urls.size() != 1) {
        ShowOkMessage(OneFileMessage);
        return;
    }
    const QUrl& url = urls.constFirst();
    const QString path = TrimSpaces(QDir::toNativeSeparators(url.toLocalFile()));
    const MediaKind kind = MediaKindOfFileName(path);
    if (!url.isLocalFile() || kind == MediaKind::None || !QFileInfo(path).isFile()) {
        ShowOkMessage(NotMediaMessage);
        return;
    }
    switch (kind) {
    case MediaKind::Picture:
        UsePictureFile(path);
        break;
    case MediaKind::Sound:
        CurrentSoundPath = path;
        UseSoundFile(path);
        break;
    case MediaKind::Video:
        UseVideoFile(path);
        break;
    case MediaKind::None:
        break;
    }
}

// ---- the picture preview

bool frmEditor::DisPlayPicture(const QString& path) {
    // A picture that cannot be shown leaves the preview as it was.
    const auto fail = [this](const QString& text) {
        ShowOkMessage(text);
        return false;
    };
    const QString localPath = QDir::fromNativeSeparators(path);
    const QFileInfo file(localPath);
    if (!file.exists())
        return fail(QStringLiteral("File not found:\r\n") + path);

    QImageReader reader(localPath);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        FileError error;
        switch (reader.error()) {
        case QImageReader::FileNotFoundError:
            return fail(QStringLiteral("File not found:\r\n") + path);
        case QImageReader::DeviceError:
            error = {ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error")};
            break;
        default:
            error = {InvalidPictureNumber, QStringLiteral("Invalid picture")};
            break;
        }
        return fail(ErrorReportText(ReportStyle::Period, error, windowTitle(),
                                    QStringLiteral("Procedure: DisPlayPicture")));
    }

    const PictureFit fit =
        FitPicture(picture.width(), picture.height(), m_ui.picQuestionPicture->width(),
                   m_ui.picQuestionPicture->height());
    m_ui.picImageResize->setPixmap(QPixmap::fromImage(picture));
    m_ui.picImageResize->setGeometry(fit.left, fit.top, RoundHalfEven(fit.width),
                                     RoundHalfEven(fit.height));
    m_ui.picImageResize->show();
    return true;
}

// ---- sound and video preview

void frmEditor::btnPlay_Click() {
    MediaPlayer2->setPosition(0);
    if (FileExists(CurrentSoundPath)) {
        MediaPlayer2->open(CurrentSoundPath);
        MediaPlayer2->play();
    }
}

void frmEditor::btnStop_Click() {
    MediaPlayer2->stop();
}

void frmEditor::btnVideoPlay_Click() {
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

// The answer box: the file's name when "Make File Name the Answer" is
// ticked, else the stored answer.
QString ShownAnswer(bool fileNameIsAnswer, const QString& path, const FixedText<300>& answer) {
    return fileNameIsAnswer ? MediaFileAnswer(path) : answer.trimmed();
}

} // namespace

void frmEditor::ShowMediaDailyDouble() {
    // A board question's box and square follow its own mark, whatever its
    // kind, so the box never shows the previous question's state. Showing
    // stores nothing: the box's handler would write the mark back.
    QuestionRecord* record = CurrentBoardRecord();
    if (!record)
        return;
    const bool marked = record->DailyDouble == QLatin1String("Y");
    {
        const QSignalBlocker blocker(m_ui.chkDailyDouble);
        m_ui.chkDailyDouble->setChecked(marked);
    }
    lblCat[CurrentCategory - 1][CurrentQuestion - 1]->setBackColor(marked ? SquareMarked
                                                                          : SquareUnmarked);
}

void frmEditor::ShowPictureQuestion() {
    const bool final = IsFinalQuestion();
    const MediaFields fields = CurrentFields(*this);
    const QString path = fields.questionText->trimmed();

    // A board question shows its path as stored, the final question trimmed.
    m_ui.txtPath->setText(final ? path : fields.questionText->padded());
    // Scrolled to the end of the name, not of the field's trailing spaces.
    m_ui.txtPath->setCursorPosition(static_cast<int>(RTrimSpaces(m_ui.txtPath->text()).size()));
    if (!final)
        DisPlayPicture(path);
    lblCArrow[CurrentCategory - 1]->show();
    m_ui.txtAnswer->setText(
        ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, (*fields.answers)[0]));
    const bool choiceExists = ShowAnswerChoices();
    if (final) {
        // The final question keeps its path while its box is emptied.
        m_ui.txtEnterQuestion->setText(QString());
        DisPlayPicture(path);
    }

    ShowMediaControls(*this, MediaKind::Picture);
    m_ui.picImageResize->show();
    ShowFileNameOption(choiceExists);
    m_ui.lblAnswer->setVisible(!choiceExists);
    m_ui.txtAnswer->setVisible(!choiceExists);
    ShowMediaDailyDouble();
}

void frmEditor::ShowSoundQuestion() {
    const MediaFields fields = CurrentFields(*this);
    const QString path = fields.mediaPath->trimmed();

    lblCArrow[CurrentCategory - 1]->show();
    const QString text = fields.questionText->trimmed();
    m_ui.lblDisPlayQuestion->setText(text);
    m_ui.txtEnterQuestion->setText(text);
    const bool choiceExists = ShowAnswerChoices();
    m_ui.txtAnswer->setText(
        ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, (*fields.answers)[0]));
    m_ui.txtPath->setText(path);
    CurrentSoundPath = path;
    MediaPlayer1->stop();
    m_ui.picImageResize->clear();

    ShowMediaControls(*this, MediaKind::Sound);
    m_ui.chkFilenameAnswer->show();
    m_ui.lblFilenameAnswer->show();
    m_ui.lblAnswer->setVisible(!choiceExists);
    m_ui.txtAnswer->setVisible(!choiceExists);
    ShowMediaDailyDouble();
}

void frmEditor::ShowVideoQuestion() {
    const bool final = IsFinalQuestion();
    const MediaFields fields = CurrentFields(*this);
    const QString path = fields.questionText->trimmed();

    MediaPlayer1->open(path);
    m_ui.txtPath->setText(path);
    m_ui.txtAnswer->setText(
        ShownAnswer(m_ui.chkFilenameAnswer->isChecked(), path, (*fields.answers)[0]));
    lblCArrow[CurrentCategory - 1]->show();
    if (!path.isEmpty())
        m_ui.lblDisPlayQuestion->setText(path);
    const bool choiceExists = ShowAnswerChoices();
    if (final) {
        for (QPushButton* button : btnQuestion)
            button->hide();
        m_ui.txtCategoryName->setText(QStringLiteral("Final Question"));
        m_ui.txtCategoryName->setReadOnly(true);
        m_ui.chkDailyDouble->hide();
    }

    {
        // The box's change handler would clear the question text, which holds
        // the video's path.
        const QSignalBlocker blocker(m_ui.txtEnterQuestion);
        m_ui.txtEnterQuestion->setText(QString());
    }
    m_ui.picImageResize->clear();
    ShowMediaControls(*this, MediaKind::Video);
    ShowFileNameOption(choiceExists);
    m_ui.lblAnswer->show();
    m_ui.txtAnswer->show();
    ShowMediaDailyDouble();
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
