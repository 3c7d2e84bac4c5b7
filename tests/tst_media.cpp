#include "editor/frmEditor.h"
#include "services/qtservices.h"
#include "services/scriptedservices.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <memory>

namespace {

// The window on scripted services, started as the program starts it.
struct Editor {
    EditorState state;
    ScriptedServices services;
    std::unique_ptr<frmEditor> window;

    Editor() {
        window = std::make_unique<frmEditor>(state, services);
        window->Form_Load();
        services.clearRecords();
        for (FakeMediaPlayer* player : services.players)
            player->calls.clear();
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    bool shown(const QString& name) const {
        const QString trimmed = name.trimmed();
        if (QWidget* widget = window->findChild<QWidget*>(trimmed))
            return !widget->isHidden();
        qFatal("no control %s", qPrintable(trimmed));
    }
    void trigger(const char* action) const { control<QAction>(action)->trigger(); }
    FakeMediaPlayer* videoPlayer() const { return player(true); }
    FakeMediaPlayer* soundPlayer() const { return player(false); }
    FakeMediaPlayer* player(bool video) const {
        for (FakeMediaPlayer* candidate : services.players) {
            if (candidate->isVideo == video)
                return candidate;
        }
        qFatal("no player");
    }
    // Category 1..6 and question 1..5, or category 7 for the final question.
    void select(int category, int question = 1) {
        if (category == 7) {
            window->picFinalQuestion_Click();
        } else {
            window->lblCategory_Click(category - 1);
            window->btnQuestion_Click(question - 1);
        }
    }
    QString messageText(int index = 0) const {
        return index < services.messages.size() ? services.messages.at(index).text : QString();
    }
};

QString TypeOf(const EditorState& state, int category) {
    return category == 7 ? state.game.FinalQuestionType
                         : state.game.question(category, 1).QuestionType;
}
QString TextOf(const EditorState& state, int category) {
    return category == 7 ? state.game.FinalQuestionText.trimmed()
                         : state.game.question(category, 1).QuestionText.trimmed();
}
QString MediaOf(const EditorState& state, int category) {
    return category == 7 ? state.game.FinalMediaPath.trimmed()
                         : state.game.question(category, 1).MediaPath.trimmed();
}
QStringList AnswersOf(const EditorState& state, int category) {
    QStringList answers;
    for (int k = 0; k < 5; ++k)
        answers << (category == 7 ? state.game.FinalAnswers[k].trimmed()
                                  : state.game.question(category, 1).Answers[k].trimmed());
    return answers;
}
void SetAnswers(EditorState& state, int category, const QStringList& answers) {
    for (int k = 0; k < 5; ++k) {
        if (category == 7)
            state.game.FinalAnswers[k].set(answers.value(k));
        else
            state.game.question(category, 1).Answers[k].set(answers.value(k));
    }
}

const QStringList PictureShown{"chkFilenameAnswer", "lblFilenameAnswer", "picQuestionPicture",
                               "lblPath",           "txtPath",           "btnMultipleChoice",
                               "btnSingleChoice"};
const QStringList PictureHidden{
    "picVideo",       "btnVideoPlay",  "btnVideoPause",     "btnVideoStop",       "btnFont",
    "btnFontColor",   "btnDefault",    "lblQuestionPrompt", "lblDisPlayQuestion", "fraSoundButtons",
    "btnCopy",        "lblCopyFont",   "txtEnterQuestion",  "lblFirstAnswer",     "lblSecondAnswer",
    "lblThirdAnswer", "lblForthAnswer"};
const QStringList SoundShown{"chkFilenameAnswer", "lblFilenameAnswer", "txtEnterQuestion",
                             "lblQuestionPrompt", "fraSoundButtons",   "btnMultipleChoice",
                             "btnSingleChoice",   "lblPath",           "txtPath",
                             "lblDisPlayQuestion"};
const QStringList SoundHidden{
    "picVideo", "btnVideoPlay", "btnVideoPause", "btnVideoStop", "picQuestionPicture",
    "btnFont",  "btnFontColor", "btnDefault",    "btnCopy",      "lblCopyFont"};
const QStringList VideoShown{"chkFilenameAnswer", "lblFilenameAnswer", "picVideo", "btnVideoPlay",
                             "btnVideoPause",     "btnVideoStop",      "lblPath",  "txtPath",
                             "btnMultipleChoice", "btnSingleChoice"};
const QStringList VideoHidden{"btnFont",
                              "btnFontColor",
                              "btnDefault",
                              "lblQuestionPrompt",
                              "lblDisPlayQuestion",
                              "picQuestionPicture",
                              "fraSoundButtons",
                              "btnCopy",
                              "lblCopyFont",
                              "txtEnterQuestion",
                              "lblFirstAnswer",
                              "lblSecondAnswer",
                              "lblThirdAnswer",
                              "lblForthAnswer"};

const QStringList FourChoices{"Paris", " London ", "Paris", "Rome", "  Oslo"};

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void refusedChoices_data();
    void refusedChoices();
    void soundKeepsChoices_data();
    void soundKeepsChoices();
    void fileNameAnswer_data();
    void fileNameAnswer();
    void chooserFolders();
    void disPlayPicture_data();
    void disPlayPicture();
    void disPlayPictureErrors_data();
    void disPlayPictureErrors();
    void soundPreview_data();
    void soundPreview();
    void videoButtons();
    void showMediaQuestion_data();
    void showMediaQuestion();
    void showVideoKeepsPath_data();
    void showVideoKeepsPath();
    void dropFile_data();
    void dropFile();
    void mediaDailyDouble_data();
    void mediaDailyDouble();
    void qtPlayerReportsEachTry();

private:
    QTemporaryDir m_dir;
    QString makePicture(const QString& name, int width, int height) const;
};

QString TestMedia::makePicture(const QString& name, int width, int height) const {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = m_dir.filePath(name);
    if (!picture.save(path))
        qFatal("cannot save %s", qPrintable(path));
    return path;
}

void TestMedia::initTestCase() {
    QVERIFY(m_dir.isValid());
}

// Each command writes the current record and sets the panel for its kind.
void TestMedia::commands_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("shownControls");
    QTest::addColumn<QStringList>("hiddenControls");

    const QStringList none{"", "", "", "", ""};
    QTest::newRow("picture") << "btnPicture" << 2 << "C:\\Quiz\\a.jpg"
                             << "P"
                             << "C:\\Quiz\\a.jpg"
                             << "" << none << PictureShown << PictureHidden;
    QTest::newRow("picture, final") << "btnPicture" << 7 << "C:\\Quiz\\b.bmp"
                                    << "P"
                                    << "C:\\Quiz\\b.bmp"
                                    << "" << none << PictureShown << PictureHidden;
    QTest::newRow("video") << "btnVideo" << 3 << "/clips/x.mp4"
                           << "V"
                           << "/clips/x.mp4"
                           << "" << none << VideoShown << VideoHidden;
    QTest::newRow("video, final") << "btnVideo" << 7 << "/clips/y.mpeg"
                                  << "V"
                                  << "/clips/y.mpeg"
                                  << "" << none << VideoShown << VideoHidden;
    QTest::newRow("sound") << "btnSound" << 4 << "C:\\Sounds\\s.wav"
                           << "S"
                           << ""
                           << "C:\\Sounds\\s.wav" << QStringList{"", "", "", "", ""} << SoundShown
                           << SoundHidden;
    QTest::newRow("sound, final") << "btnSound" << 7 << "/s/final.mp3"
                                  << "S"
                                  << ""
                                  << "/s/final.mp3" << none << SoundShown << SoundHidden;
}

void TestMedia::commands() {
    QFETCH(QString, action);
    QFETCH(int, category);
    QFETCH(QString, path);
    Editor editor;
    // A text question with a text and an answer beforehand.
    if (category == 7) {
        editor.state.game.FinalQuestionText.set("Old final text");
    } else {
        editor.state.game.question(category, 1).QuestionText.set("Old text");
    }
    SetAnswers(editor.state, category, {"Old answer"});
    editor.select(category);
    editor.state.DataChanged = false;

    editor.services.setNextFileName("  " + path + " ");
    editor.trigger(action.toLatin1().constData());

    QTEST(TypeOf(editor.state, category), "type");
    QTEST(TextOf(editor.state, category), "text");
    QTEST(MediaOf(editor.state, category), "media");
    QTEST(AnswersOf(editor.state, category), "answers");
    QVERIFY(editor.state.DataChanged);
    QCOMPARE(editor.control<QLineEdit>("txtPath")->text(), path);
    QFETCH(QStringList, shownControls);
    QFETCH(QStringList, hiddenControls);
    for (const QString& name : shownControls)
        QVERIFY2(editor.shown(name), qPrintable(name + " should be shown"));
    for (const QString& name : hiddenControls)
        QVERIFY2(!editor.shown(name), qPrintable(name + " should be hidden"));
    if (action == "btnVideo")
        QCOMPARE(editor.videoPlayer()->openedPath, path);
    if (action == "btnSound")
        QCOMPARE(editor.window->CurrentSoundPath, path);
}

// A cancelled chooser or a path too long for the record changes nothing.
void TestMedia::refusedChoices_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("messages");

    const QString longPath = "C:\\" + QString(250, 'x') + ".jpg"; // 257 characters
    const QStringList tooLong{"File path exceeds 256 characters in length"};
    for (const char* action : {"btnPicture", "btnSound", "btnVideo"}) {
        for (int category : {1, 7}) {
            const QString where = category == 7 ? ", final" : "";
            QTest::addRow("%s cancelled%s", action, qPrintable(where))
                << action << category << "" << QStringList{};
            QTest::addRow("%s spaces only%s", action, qPrintable(where))
                << action << category << "   " << QStringList{};
            QTest::addRow("%s 257 characters%s", action, qPrintable(where))
                << action << category << longPath << tooLong;
        }
    }
}

void TestMedia::refusedChoices() {
    QFETCH(QString, action);
    QFETCH(int, category);
    QFETCH(QString, path);
    QCOMPARE(QString("C:\\" + QString(250, 'x') + ".jpg").size(), 257);
    Editor editor;
    editor.state.game.question(1, 1).QuestionText.set("A question");
    editor.state.game.question(1, 1).Answers[0].set("An answer");
    editor.state.game.FinalQuestionText.set("The final");
    editor.select(category);
    editor.state.DataChanged = false;
    const GameSet before = editor.state.game;
    const QString lastMedia = editor.state.LastMediaFolder;
    const bool promptShown = editor.shown("lblQuestionPrompt");

    editor.services.setNextFileName(path);
    editor.trigger(action.toLatin1().constData());

    QVERIFY(editor.state.game == before);
    QVERIFY(!editor.state.DataChanged);
    QCOMPARE(editor.state.LastMediaFolder, lastMedia);
    QCOMPARE(editor.state.LastVideoFolder, QString());
    QCOMPARE(editor.shown("lblQuestionPrompt"), promptShown);
    QCOMPARE(editor.shown("txtPath"), false);
    QFETCH(QStringList, messages);
    QCOMPARE(editor.services.messageTexts(), messages);
    for (const ScriptedServices::Message& message : editor.services.messages) {
        QCOMPARE(message.icon, MessageIcon::None);
        QCOMPARE(message.title, QString());
    }
}

void TestMedia::soundKeepsChoices_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<bool>("labelsShown");
    QTest::newRow("four choices") << FourChoices
                                  << QStringList{"", "London", "Paris", "Rome", "Oslo"}
                                  << QStringList{"London", "Paris", "Rome", "Oslo"} << true;
    QTest::newRow("one choice") << QStringList{"x", "", "", " Maybe ", ""}
                                << QStringList{"", "", "", "Maybe", ""}
                                << QStringList{"", "", "Maybe", ""} << true;
    QTest::newRow("no choices") << QStringList{"x", "  ", "", "", " "}
                                << QStringList{"", "", "", "", ""} << QStringList{"", "", "", ""}
                                << false;
}

void TestMedia::soundKeepsChoices() {
    QFETCH(QStringList, before);
    QFETCH(bool, labelsShown);
    for (int category : {1, 7}) {
        Editor editor;
        SetAnswers(editor.state, category, before);
        editor.select(category);
        editor.services.setNextFileName("C:\\Sounds\\bell.wav");
        editor.trigger("btnSound");

        QTEST(AnswersOf(editor.state, category), "after");
        QStringList labels;
        for (const char* name :
             {"lblFirstAnswer", "lblSecondAnswer", "lblThirdAnswer", "lblForthAnswer"}) {
            labels << editor.control<QLabel>(name)->text();
            QCOMPARE(editor.shown(name), labelsShown);
        }
        QTEST(labels, "labels");
    }
}

void TestMedia::fileNameAnswer_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("answer");
    QTest::newRow("video, two dots") << "btnVideo" << 1 << "C:\\Clips\\intro.final.mp4"
                                     << "intro";
    QTest::newRow("video, final") << "btnVideo" << 7 << "C:\\Clips\\intro.final.mp4"
                                  << "intro";
    QTest::newRow("picture") << "btnPicture" << 2 << "C:\\Quiz\\Eiffel.Tower.jpg"
                             << "Eiffel";
    QTest::newRow("picture, local path") << "btnPicture" << 2 << "/home/q/Big Ben.bmp"
                                         << "Big Ben";
    QTest::newRow("sound") << "btnSound" << 5 << "C:\\S\\Moo.wav"
                           << "Moo";
    QTest::newRow("sound, final") << "btnSound" << 7 << "/s/Anthem.mp3"
                                  << "Anthem";
}

void TestMedia::fileNameAnswer() {
    QFETCH(QString, action);
    QFETCH(int, category);
    QFETCH(QString, path);
    Editor editor;
    editor.select(category);
    editor.control<QCheckBox>("chkFilenameAnswer")->setChecked(true);
    editor.services.setNextFileName(path);
    editor.trigger(action.toLatin1().constData());
    QTEST(editor.control<QLineEdit>("txtAnswer")->text(), "answer");
    QTEST(AnswersOf(editor.state, category).at(0), "answer");
}

// Pictures and sounds share their last folder; videos keep their own.
void TestMedia::chooserFolders() {
    Editor editor;
    const QString start = DefaultGameSetFolder();
    editor.services.setNextFileName("");
    editor.trigger("btnPicture");
    editor.services.setNextFileName("C:\\Pictures\\Set 1\\a.jpg");
    editor.trigger("btnPicture");
    editor.services.setNextFileName("");
    editor.trigger("btnSound");
    editor.services.setNextFileName("");
    editor.trigger("btnVideo");
    editor.services.setNextFileName("/home/q/clips/v.avi");
    editor.trigger("btnVideo");
    editor.services.setNextFileName("/home/q/sounds/s.wav");
    editor.trigger("btnSound");
    editor.services.setNextFileName("");
    editor.trigger("btnPicture");
    editor.services.setNextFileName("");
    editor.trigger("btnVideo");

    QStringList folders;
    QStringList filters;
    for (const ScriptedServices::ChooserCall& call : editor.services.chooserCalls) {
        QCOMPARE(call.kind, QString("open"));
        folders << call.folder;
        filters << call.filter;
    }
    const QString picture = "Picture(*.bmp;*.jpg)|*.bmp;*.jpg";
    const QString sound = "Audio(*.wav; *.mp3; *.wma)|*.wav; *.mp3; *.wma";
    const QString video = "Movie Files(*avi; *mov; *wmv; *mpg; *mpeg; *mp4)|*.avi; *.mov; "
                          "*.wmv; *.mpg; *.mpeg; *.mp4;";
    QCOMPARE(folders, (QStringList{start, start, "C:\\Pictures\\Set 1\\", start, start,
                                   "C:\\Pictures\\Set 1\\", "/home/q/sounds/", "/home/q/clips/"}));
    QCOMPARE(filters, (QStringList{picture, picture, sound, video, video, sound, picture, video}));

    // A folder of spaces counts as none.
    editor.state.LastMediaFolder = "   ";
    editor.services.setNextFileName("");
    editor.trigger("btnSound");
    QCOMPARE(editor.services.chooserCalls.last().folder, start);
}

// Pictures are scaled into the 465 x 354 preview box and centred.
void TestMedia::disPlayPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("geometry");
    // 60 / (80 / 465) = 348.75 -> 349 high, (354 - 348.75) / 2 = 2.625 -> 3 from the top
    QTest::newRow("landscape bmp") << "land.bmp" << QSize(80, 60) << QRect(0, 3, 465, 349);
    QTest::newRow("landscape jpg") << "land.jpg" << QSize(80, 60) << QRect(0, 3, 465, 349);
    // 30 / (60 / 354) = 177 wide, (465 - 177) / 2 = 144 from the left
    QTest::newRow("portrait jpg") << "tall.jpg" << QSize(30, 60) << QRect(144, 0, 177, 354);
    QTest::newRow("square bmp") << "square.bmp" << QSize(50, 50) << QRect(0, 0, 465, 354);
    // 100 / (110 / 465) = 422.7 high at full width: the height is cut to the box
    QTest::newRow("nearly square landscape png")
        << "wide.png" << QSize(110, 100) << QRect(0, 0, 465, 354);
}

void TestMedia::disPlayPicture() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString path = makePicture(name, size.width(), size.height());
    Editor editor;
    QCOMPARE(editor.control("picQuestionPicture")->size(), QSize(465, 354));
    QVERIFY(editor.window->DisPlayPicture(path));
    QLabel* image = editor.control<QLabel>("picImageResize");
    QTEST(image->geometry(), "geometry");
    QVERIFY(!image->isHidden());
    QCOMPARE(image->pixmap().size(), size);
    QVERIFY(editor.services.messages.isEmpty());
}

void TestMedia::disPlayPictureErrors_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    const QString report = "An untrapped error has occurred. Please make a \r\n"
                           "note of the following information.\r\n\r\n"
                           "Error Number: 481\r\n"
                           "Description: Invalid picture\r\n"
                           "Location: Quizmora Editor - Untitled\r\n"
                           "Procedure: DisPlayPicture";
    QTest::newRow("missing file") << "missing.jpg" << QByteArray() << "File not found:\r\n%1";
    QTest::newRow("windows path") << "C:\\Quiz\\a.jpg" << QByteArray() << "File not found:\r\n%1";
    QTest::newRow("corrupt jpg") << "corrupt.jpg" << QByteArray("not a picture at all") << report;
    QTest::newRow("empty bmp") << "empty.bmp" << QByteArray("") << report;
}

void TestMedia::disPlayPictureErrors() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QString path = name.contains('\\') ? name : m_dir.filePath(name);
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Editor editor;
    editor.window->setWindowTitle("Quizmora Editor - Untitled");
    // An earlier picture must not stay on show for this one.
    QVERIFY(editor.window->DisPlayPicture(makePicture("earlier.bmp", 4, 4)));
    QVERIFY(!editor.window->DisPlayPicture(path));
    QCOMPARE(editor.services.messages.size(), 1);
    const ScriptedServices::Message message = editor.services.messages.at(0);
    QCOMPARE(message.text, expected.contains("%1") ? expected.arg(path) : expected);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.title, QString());
    QVERIFY(editor.control<QLabel>("picImageResize")->pixmap().isNull());
}

void TestMedia::soundPreview_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("plays") << true << "" << QStringList{"setPosition:0", "open:%1", "play"}
                           << QStringList{};
    QTest::newRow("player error") << true << "cannot decode"
                                  << QStringList{"setPosition:0", "open:%1", "play"}
                                  << QStringList{"Bad Media File"};
    QTest::newRow("missing file") << false << "" << QStringList{"setPosition:0"} << QStringList{};
}

void TestMedia::soundPreview() {
    QFETCH(bool, exists);
    QFETCH(QString, error);
    const QString path = exists ? makePicture("clip.bmp", 2, 2) : m_dir.filePath("none.wav");
    Editor editor;
    editor.window->CurrentSoundPath = path;
    FakeMediaPlayer* player = editor.soundPlayer();
    player->calls.clear();
    if (!error.isEmpty())
        player->failNextOpen(error);
    editor.control<QPushButton>("btnPlay")->click();

    QFETCH(QStringList, calls);
    for (QString& call : calls)
        call = call.arg(path);
    QCOMPARE(player->calls, calls);
    QTEST(editor.services.messageTexts(), "messages");
    for (const ScriptedServices::Message& message : editor.services.messages) {
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.title, QString("Quizmora"));
    }
    editor.control<QPushButton>("btnStop")->click();
    QCOMPARE(player->calls.last(), QString("stop"));
    QVERIFY(editor.videoPlayer()->calls.isEmpty());
}

void TestMedia::videoButtons() {
    Editor editor;
    FakeMediaPlayer* player = editor.videoPlayer();
    player->calls.clear();
    editor.control<QPushButton>("btnVideoPlay")->click();
    editor.control<QPushButton>("btnVideoPause")->click();
    editor.control<QPushButton>("btnVideoStop")->click();
    player->simulateError("broken"); // ignored
    QCOMPARE(player->calls, (QStringList{"play", "stop", "stop", "setPosition:0"}));
    QVERIFY(editor.services.messages.isEmpty());
    QVERIFY(editor.soundPlayer()->calls.isEmpty());
}

// Showing a stored media question sets the panel for its kind.
void TestMedia::showMediaQuestion_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("fileNameTicked");
    QTest::addColumn<QString>("shownAnswer");
    QTest::addColumn<QString>("shownPath");
    QTest::addColumn<QStringList>("shownControls");
    QTest::addColumn<QStringList>("hiddenControls");

    const QStringList picture{"picQuestionPicture", "picImageResize", "lblPath", "txtPath",
                              "btnMultipleChoice",  "btnSingleChoice"};
    const QStringList notPicture{
        "lblDisPlayQuestion", "txtEnterQuestion", "lblQuestionPrompt", "picVideo",
        "btnVideoPlay",       "fraSoundButtons",  "btnFont",           "btnFontColor",
        "btnDefault",         "btnCopy",          "lblCopyFont"};
    const QStringList sound{"lblDisPlayQuestion",
                            "txtEnterQuestion",
                            "lblQuestionPrompt",
                            "lblPath",
                            "txtPath",
                            "fraSoundButtons",
                            "chkFilenameAnswer",
                            "lblFilenameAnswer",
                            "btnMultipleChoice",
                            "btnSingleChoice"};
    const QStringList notSound{"picQuestionPicture", "picVideo",   "btnVideoStop", "btnFont",
                               "btnFontColor",       "btnDefault", "btnCopy",      "lblCopyFont"};
    const QStringList video{"picVideo",  "btnVideoPlay", "btnVideoPause",     "btnVideoStop",
                            "lblPath",   "txtPath",      "btnMultipleChoice", "btnSingleChoice",
                            "lblAnswer", "txtAnswer"};
    const QStringList notVideo{"lblDisPlayQuestion",
                               "txtEnterQuestion",
                               "lblQuestionPrompt",
                               "picQuestionPicture",
                               "fraSoundButtons",
                               "btnFont",
                               "btnCopy"};
    const QStringList fileName{"chkFilenameAnswer", "lblFilenameAnswer"};
    const QStringList answerBox{"lblAnswer", "txtAnswer"};
    const QStringList plain{"Cat", "", "", "", ""};

    QTest::newRow("picture") << 1 << "C:\\Quiz\\Cat.Photo.jpg"
                             << "" << plain << false << "Cat"
                             << "C:\\Quiz\\Cat.Photo.jpg" << picture + fileName + answerBox
                             << notPicture;
    QTest::newRow("picture, name ticked")
        << 1 << "C:\\Quiz\\Cat.Photo.JPG"
        << "" << QStringList{"x"} << true << "Cat"
        << "C:\\Quiz\\Cat.Photo.JPG" << picture + fileName << notPicture;
    QTest::newRow("picture with choices")
        << 2 << "C:\\Quiz\\Dog.bmp"
        << "" << FourChoices << true << "Dog"
        << "C:\\Quiz\\Dog.bmp" << picture << notPicture + fileName + answerBox;
    QTest::newRow("picture, final")
        << 7 << "C:\\Quiz\\Cat.bmp"
        << "" << plain << false << "Cat"
        << "C:\\Quiz\\Cat.bmp" << picture + fileName + answerBox << notPicture;
    QTest::newRow("sound") << 3 << "Which animal?"
                           << "C:\\S\\Moo.wav" << plain << false << "Cat"
                           << "C:\\S\\Moo.wav" << sound + answerBox << notSound;
    QTest::newRow("sound over a picture path") << 3 << "C:\\Quiz\\Dog.bmp"
                                               << "C:\\S\\Moo.WMA" << plain << true << "Moo"
                                               << "C:\\S\\Moo.WMA" << sound + answerBox << notSound;
    QTest::newRow("sound with choices") << 3 << ""
                                        << "/s/moo.mp3" << FourChoices << false << "Paris"
                                        << "/s/moo.mp3" << sound << notSound + answerBox;
    QTest::newRow("sound, final") << 7 << "Name it"
                                  << "/s/moo.mp3" << plain << false << "Cat"
                                  << "/s/moo.mp3" << sound + answerBox << notSound;
    QTest::newRow("video") << 4 << "C:\\Clips\\Goal.MPEG"
                           << "" << plain << false << "Cat"
                           << "C:\\Clips\\Goal.MPEG" << video + fileName << notVideo;
    QTest::newRow("video with choices") << 4 << "C:\\Clips\\Goal.avi"
                                        << "" << FourChoices << false << "Paris"
                                        << "C:\\Clips\\Goal.avi" << video << notVideo + fileName;
    QTest::newRow("video, final") << 7 << "/clips/end.wmv"
                                  << "" << plain << true << "end"
                                  << "/clips/end.wmv" << video + fileName
                                  << notVideo + QStringList{"chkDailyDouble", "btnQuestion_0",
                                                            "btnQuestion_4"};
}

void TestMedia::showMediaQuestion() {
    QFETCH(int, category);
    QFETCH(QString, text);
    QFETCH(QString, media);
    QFETCH(QStringList, answers);
    QFETCH(bool, fileNameTicked);
    Editor editor;
    if (category == 7) {
        editor.state.game.FinalQuestionText.set(text);
        editor.state.game.FinalMediaPath.set(media);
    } else {
        editor.state.game.question(category, 1).QuestionText.set(text);
        editor.state.game.question(category, 1).MediaPath.set(media);
    }
    SetAnswers(editor.state, category, answers);
    editor.control<QCheckBox>("chkFilenameAnswer")->setChecked(fileNameTicked);
    editor.select(category);

    QFETCH(QStringList, shownControls);
    QFETCH(QStringList, hiddenControls);
    QTEST(editor.control<QLineEdit>("txtAnswer")->text(), "shownAnswer");
    QLineEdit* pathBox = editor.control<QLineEdit>("txtPath");
    QTEST(TrimSpaces(pathBox->text()), "shownPath");
    // A board picture shows its whole stored field, scrolled to the name's end.
    const bool boardPicture = category != 7 && shownControls.contains("picQuestionPicture");
    QCOMPARE(pathBox->text().size(), boardPicture ? 256 : TrimSpaces(pathBox->text()).size());
    if (boardPicture)
        QCOMPARE(pathBox->cursorPosition(), text.size());
    QCOMPARE(TextOf(editor.state, category), text);
    QCOMPARE(MediaOf(editor.state, category), media);
    for (const QString& name : shownControls)
        QVERIFY2(editor.shown(name), qPrintable(name + " should be shown"));
    for (const QString& name : hiddenControls)
        QVERIFY2(!editor.shown(name), qPrintable(name + " should be hidden"));
    const QString arrow = category == 7 ? "lblC7Arrow" : QString("lblC%1Arrow").arg(category);
    QVERIFY(editor.shown(arrow));
    if (!media.isEmpty()) {
        QCOMPARE(editor.window->CurrentSoundPath, media);
        QCOMPARE(editor.control<QLabel>("lblDisPlayQuestion")->text(), text);
    }
    if (text.endsWith(".wmv") || text.contains("Goal"))
        QCOMPARE(editor.videoPlayer()->openedPath, text);
    if (category == 7)
        QCOMPARE(editor.control<QLineEdit>("txtCategoryName")->text(), QString("Final Question"));
}

// The video's path lives in the question text, which the hidden question box
// must not clear while the question is shown.
void TestMedia::showVideoKeepsPath_data() {
    QTest::addColumn<int>("category");
    QTest::newRow("board") << 2;
    QTest::newRow("final") << 7;
}

void TestMedia::showVideoKeepsPath() {
    QFETCH(int, category);
    Editor editor;
    const QString path = "C:\\Clips\\Goal.mp4";
    editor.state.game.question(1, 1).QuestionText.set("A text question");
    if (category == 7)
        editor.state.game.FinalQuestionText.set(path);
    else
        editor.state.game.question(category, 1).QuestionText.set(path);
    editor.select(1);
    QCOMPARE(editor.control<QLineEdit>("txtEnterQuestion")->text(), QString("A text question"));
    editor.state.DataChanged = false;

    editor.select(category);
    QCOMPARE(TextOf(editor.state, category), path);
    QCOMPARE(editor.control<QLineEdit>("txtEnterQuestion")->text(), QString());
    QCOMPARE(editor.videoPlayer()->openedPath, path);
    QCOMPARE(editor.state.game.question(1, 1).QuestionText.trimmed(), QString("A text question"));

    // Shown again after another question, it is still a video question.
    editor.select(1);
    editor.select(category);
    QCOMPARE(TextOf(editor.state, category), path);
    QVERIFY(editor.shown("picVideo"));
}

// A file dropped on the window does what the matching command does with it.
void TestMedia::dropFile_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("jpg") << QStringList{"Eiffel.Tower.jpg"} << "P" << QStringList{};
    QTest::newRow("BMP") << QStringList{"Tower.BMP"} << "P" << QStringList{};
    QTest::newRow("wav") << QStringList{"bell.wav"} << "S" << QStringList{};
    QTest::newRow("mp4") << QStringList{"clip.mp4"} << "V" << QStringList{};
    const QString refused = "Only a picture (.bmp, .jpg), a sound clip (.wav, .mp3, .wma) or a "
                            "video clip (.avi, .mov, .wmv, .mpg, .mpeg, .mp4) can be dropped here.";
    QTest::newRow("png refused") << QStringList{"a.png"} << "T" << QStringList{refused};
    QTest::newRow("jpeg refused") << QStringList{"a.jpeg"} << "T" << QStringList{refused};
    QTest::newRow("text file refused") << QStringList{"set.txt"} << "T" << QStringList{refused};
    QTest::newRow("two files refused")
        << QStringList{"a.jpg", "b.jpg"} << "T" << QStringList{"Please drop one file at a time."};
}

void TestMedia::dropFile() {
    QFETCH(QStringList, names);
    QFETCH(QString, type);
    QList<QUrl> urls;
    QStringList paths;
    for (const QString& name : names) {
        paths << makePicture(name.endsWith(".jpg") ? name : name + ".bmp", 40, 20);
        if (!name.endsWith(".jpg")) {
            QFile::remove(m_dir.filePath(name));
            QVERIFY(QFile::rename(paths.last(), m_dir.filePath(name)));
            paths.last() = m_dir.filePath(name);
        }
        urls << QUrl::fromLocalFile(paths.last());
    }

    Editor dropped;
    Editor chosen;
    for (Editor* editor : {&dropped, &chosen}) {
        editor->state.game.question(3, 1).QuestionText.set("Old text");
        editor->state.game.question(3, 1).QuestionType = "T";
        editor->control<QCheckBox>("chkFilenameAnswer")->setChecked(true);
        editor->select(3);
        editor->state.DataChanged = false;
    }

    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dropped.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dropped.window.get(), &drop);
    QVERIFY(drop.isAccepted());

    const QuestionRecord& record = dropped.state.game.question(3, 1);
    QCOMPARE(record.QuestionType, type);
    QTEST(dropped.services.messageTexts(), "messages");
    QVERIFY(dropped.services.chooserCalls.isEmpty());
    if (type == "T") {
        QCOMPARE(record.QuestionText.trimmed(), QString("Old text"));
        QVERIFY(!dropped.state.DataChanged);
        return;
    }

    // The same file through the command's chooser gives the same result.
    chosen.services.setNextFileName(paths.first());
    chosen.trigger(type == "P" ? "btnPicture" : type == "S" ? "btnSound" : "btnVideo");
    QVERIFY(dropped.state.game == chosen.state.game);
    QVERIFY(dropped.state.DataChanged);
    QCOMPARE(dropped.state.LastMediaFolder, chosen.state.LastMediaFolder);
    QCOMPARE(dropped.state.LastVideoFolder, chosen.state.LastVideoFolder);
    QCOMPARE(dropped.window->CurrentSoundPath, chosen.window->CurrentSoundPath);
    QCOMPARE(dropped.control<QLineEdit>("txtAnswer")->text(),
             chosen.control<QLineEdit>("txtAnswer")->text());
    for (const char* name : {"picQuestionPicture", "picVideo", "fraSoundButtons", "txtPath",
                             "lblDisPlayQuestion", "txtEnterQuestion"})
        QCOMPARE(dropped.shown(name), chosen.shown(name));
    QCOMPARE(dropped.control<QLabel>("picImageResize")->geometry(),
             chosen.control<QLabel>("picImageResize")->geometry());
    QVERIFY(dropped.services.messages.isEmpty());
    QCOMPARE(record.QuestionType == "S" ? record.MediaPath.trimmed()
                                        : record.QuestionText.trimmed(),
             paths.first());
}

// A shown media question's Daily Double box and square follow its own mark;
// the final question has none, and its video kind hides the box.
void TestMedia::mediaDailyDouble_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("boxShown");
    QTest::newRow("picture marked") << 2 << "C:\\a.jpg"
                                    << ""
                                    << "Y" << true << true;
    QTest::newRow("picture unmarked") << 2 << "C:\\a.jpg"
                                      << ""
                                      << "N" << false << true;
    QTest::newRow("sound marked") << 3 << ""
                                  << "C:\\a.wav"
                                  << "Y" << true << true;
    QTest::newRow("video lower-case mark") << 4 << "C:\\a.avi"
                                           << ""
                                           << "y" << false << true;
    QTest::newRow("final picture") << 7 << "C:\\a.bmp"
                                   << ""
                                   << "" << true << true;
    QTest::newRow("final sound") << 7 << ""
                                 << "/s/a.mp3"
                                 << "" << true << true;
    QTest::newRow("final video") << 7 << "C:\\a.mov"
                                 << ""
                                 << "" << true << false;
}

void TestMedia::mediaDailyDouble() {
    QFETCH(int, category);
    QFETCH(QString, text);
    QFETCH(QString, media);
    QFETCH(QString, mark);
    Editor editor;
    // The question shown before is a marked one, so the box starts ticked.
    editor.state.game.question(1, 1).DailyDouble = "Y";
    editor.select(1);
    QVERIFY(editor.control<QCheckBox>("chkDailyDouble")->isChecked());
    if (category == 7) {
        editor.state.game.FinalQuestionText.set(text);
        editor.state.game.FinalMediaPath.set(media);
    } else {
        QuestionRecord& record = editor.state.game.question(category, 1);
        record.QuestionText.set(text);
        record.MediaPath.set(media);
        record.DailyDouble = mark;
    }
    editor.select(category);

    QTEST(editor.control<QCheckBox>("chkDailyDouble")->isChecked(), "ticked");
    QTEST(editor.shown("chkDailyDouble"), "boxShown");
    if (category != 7) {
        // Showing stores nothing, not even a mark the game reads as none.
        QCOMPARE(editor.state.game.question(category, 1).DailyDouble, mark);
        QCOMPARE(editor.window->lblCat[category - 1][0]->backColor(),
                 mark == "Y" ? frmEditor::SquareMarked : frmEditor::SquareUnmarked);
    }
    // The earlier question keeps its mark.
    QCOMPARE(editor.state.game.question(1, 1).DailyDouble, QString("Y"));
}

// The platform's player reports a bad file once for every time it is opened,
// however many errors its backend raises.
void TestMedia::qtPlayerReportsEachTry() {
    const QString path = m_dir.filePath("bad.wav");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is not a sound at all");
    file.close();

    QtServices services;
    std::unique_ptr<MediaPlayer> player = services.createMediaPlayer(nullptr);
    int errors = 0;
    player->onError = [&errors](const QString&) { ++errors; };
    player->open(path);
    player->play();
    QTRY_COMPARE_WITH_TIMEOUT(errors, 1, 10000);
    QTest::qWait(300);
    QCOMPARE(errors, 1);
    player->stop();
    player->setPosition(0);
    player->open(path);
    player->play();
    QTRY_COMPARE_WITH_TIMEOUT(errors, 2, 10000);
}

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
