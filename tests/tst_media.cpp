#include "editorharness.h"
#include "testdata.h"

#include "editor/mediakind.h"
#include "util/pathhelpers.h"
#include "util/textrules.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// The media fields of question 1 of a category, or of the final question (7).
struct Fields {
    QString type, text, media;
    QStringList answers;
};

Fields FieldsOf(const EditorState& state, int category) {
    const GameSet& game = state.game;
    const bool final = category == 7;
    const QuestionRecord* record = final ? nullptr : &game.question(category, 1);
    Fields fields{final ? game.FinalQuestionType : record->QuestionType,
                  (final ? game.FinalQuestionText : record->QuestionText).trimmed(),
                  (final ? game.FinalMediaPath : record->MediaPath).trimmed(),
                  {}};
    for (const FixedText<300>& answer : final ? game.FinalAnswers : record->Answers)
        fields.answers << answer.trimmed();
    return fields;
}

void SetFields(EditorState& state, int category, const QString& text, const QString& media,
               const QStringList& answers) {
    GameSet& game = state.game;
    const bool final = category == 7;
    QuestionRecord* record = final ? nullptr : &game.question(category, 1);
    (final ? game.FinalQuestionText : record->QuestionText).set(text);
    (final ? game.FinalMediaPath : record->MediaPath).set(media);
    for (int k = 0; k < 5; ++k)
        (final ? game.FinalAnswers : record->Answers)[k].set(answers.value(k));
}

const QStringList FourChoices{"Paris", " London ", "Paris", "Rome", "  Oslo"};

// The controls a media question of `kind` ('P', 'S', 'V') leaves shown and
// hidden: after its command, or when it is shown again later.
struct Panel {
    QStringList shown, hidden;
    void add(const QStringList& names, bool visible) { (visible ? shown : hidden) << names; }
};

Panel Expected(QChar kind, bool choices, bool final, bool showing) {
    Panel panel;
    panel.add({"lblPath", "txtPath", "btnMultipleChoice", "btnSingleChoice"}, true);
    panel.add({"btnFont", "btnFontColor", "btnDefault", "btnCopy", "lblCopyFont"}, false);
    panel.add({"picQuestionPicture"}, kind == 'P');
    panel.add({"picVideo", "btnVideoPlay", "btnVideoPause", "btnVideoStop"}, kind == 'V');
    panel.add({"fraSoundButtons", "txtEnterQuestion", "lblQuestionPrompt", "lblDisPlayQuestion"},
              kind == 'S');
    panel.add({"chkFilenameAnswer", "lblFilenameAnswer"}, !showing || kind == 'S' || !choices);
    if (!showing) {
        panel.add({"lblFirstAnswer", "lblSecondAnswer", "lblThirdAnswer", "lblForthAnswer"},
                  kind == 'S' && choices);
        return panel;
    }
    panel.add({"lblAnswer", "txtAnswer"}, kind == 'V' || !choices);
    if (kind == 'P')
        panel.add({"picImageResize"}, true);
    panel.add({"chkDailyDouble"}, !(final && kind == 'V'));
    if (final && kind == 'V')
        panel.add({"btnQuestion_0", "btnQuestion_4"}, false);
    return panel;
}

bool HasChoices(const QStringList& answers) {
    for (int k = 1; k <= 4; ++k) {
        if (!TrimSpaces(answers.value(k)).isEmpty())
            return true;
    }
    return false;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private slots:
    void attach_data();
    void attach();
    void refused_data();
    void refused();
    void chooserFolders();
    void disPlayPicture_data();
    void disPlayPicture();
    void previewButtons_data();
    void previewButtons();
    void showStored_data();
    void showStored();
    void dropFile_data();
    void dropFile();

private:
    QTemporaryDir m_dir;
    // A small bitmap under any name (a bitmap's reader ignores the ending).
    QString makeFile(const QString& name, QSize size = QSize(4, 4)) const {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString path = m_dir.filePath(name);
        if (!picture.save(path, name.endsWith(".jpg") ? "JPG" : "BMP"))
            qFatal("cannot save %s", qPrintable(path));
        return path;
    }
};

// Each command writes the selected record and sets the panel for its kind.
void TestMedia::attach_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("nameIsAnswer");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("answers");

    const QStringList none(5, QString());
    AddRow("picture", "btnPicture", 2, false, FourChoices, "C:\\Quiz\\a.jpg", none);
    AddRow("picture, final, name ticked", "btnPicture", 7, true, QStringList{"Old"},
           "C:\\Quiz\\Eiffel.Tower.jpg", QStringList{"Eiffel", "", "", "", ""});
    AddRow("video, name ticked", "btnVideo", 1, true, FourChoices, "C:\\Clips\\intro.final.mp4",
           QStringList{"intro", "", "", "", ""});
    AddRow("video, final", "btnVideo", 7, false, FourChoices, "/clips/y.mpeg", none);
    AddRow("video, 256 characters", "btnVideo", 3, false, QStringList{},
           "C:\\" + QString(249, 'v') + ".avi", none);
    AddRow("sound keeps its choices", "btnSound", 4, false, FourChoices, "C:\\Sounds\\s.wav",
           QStringList{"", "London", "Paris", "Rome", "Oslo"});
    AddRow("sound, blank choices, name ticked", "btnSound", 5, true,
           QStringList{"x", "  ", "", "", " "}, "/home/q/Moo.wav",
           QStringList{"Moo", "", "", "", ""});
    AddRow("sound, final, one choice", "btnSound", 7, false, QStringList{"x", "", "", " Maybe "},
           "/s/final.mp3", QStringList{"", "", "", "Maybe", ""});
}

void TestMedia::attach() {
    QFETCH(QString, command);
    QFETCH(int, category);
    QFETCH(bool, nameIsAnswer);
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, answers);
    EditorHarness editor;
    SetFields(editor.state, category, "Old text", "", before);
    editor.select(category);
    editor.checkBox("chkFilenameAnswer")->setChecked(nameIsAnswer);
    editor.state.DataChanged = false;
    editor.services.clearRecords();

    editor.services.setNextFileName("  " + path + " ");
    editor.click(command);

    const Fields fields = FieldsOf(editor.state, category);
    const QChar kind = command == "btnSound" ? 'S' : command == "btnVideo" ? 'V' : 'P';
    QCOMPARE(fields.type, QString(kind));
    QCOMPARE(fields.text, kind == 'S' ? QString() : path);
    QCOMPARE(fields.media, kind == 'S' ? path : QString());
    QCOMPARE(fields.answers, answers);
    QCOMPARE(editor.lineEdit("txtAnswer")->text(), answers.first());
    QCOMPARE(editor.lineEdit("txtPath")->text(), path);
    QVERIFY(editor.state.DataChanged);
    const Panel panel = Expected(kind, HasChoices(answers), category == 7, false);
    QCOMPARE(editor.shownAmong(panel.shown + panel.hidden), panel.shown);
    if (HasChoices(answers))
        QCOMPARE(editor.choiceCaptions(), answers.mid(1));
    if (kind == 'V')
        QCOMPARE(editor.videoPlayer()->openedPath, path);
    if (kind == 'S')
        QCOMPARE(editor.window->CurrentSoundPath, path);
}

// A cancelled chooser or a path too long for the record changes nothing.
void TestMedia::refused_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("messages");

    const QString longPath = "C:\\" + QString(250, 'x') + ".jpg"; // 257 characters
    const QStringList tooLong{"File path exceeds 256 characters in length"};
    for (const char* command : {"btnPicture", "btnSound", "btnVideo"}) {
        QTest::addRow("%s cancelled", command) << command << 1 << "" << QStringList{};
        QTest::addRow("%s spaces only", command) << command << 1 << "   " << QStringList{};
        QTest::addRow("%s 257 characters", command) << command << 1 << longPath << tooLong;
        QTest::addRow("%s 257 characters, final", command) << command << 7 << longPath << tooLong;
    }
}

void TestMedia::refused() {
    QFETCH(QString, command);
    QFETCH(int, category);
    QFETCH(QString, path);
    EditorHarness editor;
    SetFields(editor.state, category, "A question", "", {"An answer", "A"});
    editor.select(category);
    editor.state.DataChanged = false;
    editor.window->CurrentSoundPath = "earlier.wav";
    editor.services.clearRecords();
    const GameSet before = editor.state.game;

    editor.services.setNextFileName(path);
    editor.click(command);

    QVERIFY(editor.state.game == before);
    QVERIFY(!editor.state.DataChanged);
    QCOMPARE(editor.state.LastMediaFolder, QString());
    QCOMPARE(editor.state.LastVideoFolder, QString());
    QCOMPARE(editor.shownAmong({"txtPath", "lblQuestionPrompt"}), QStringList{"lblQuestionPrompt"});
    QTEST(editor.services.messageTexts(), "messages");
    for (const ScriptedServices::Message& message : editor.services.messages)
        QVERIFY(message.icon == MessageIcon::None && message.title.isEmpty());
    // The sound command takes its path before checking it.
    QCOMPARE(editor.window->CurrentSoundPath,
             command == "btnSound" ? TrimSpaces(path) : QString("earlier.wav"));
}

// Pictures and sounds share their last folder; videos keep their own.
void TestMedia::chooserFolders() {
    EditorHarness editor;
    editor.services.clearRecords();
    const QList<QPair<QString, QString>> steps{
        {"btnPicture", ""},       {"btnPicture", "C:\\Pictures\\Set 1\\a.jpg"},
        {"btnSound", ""},         {"btnVideo", ""},
        {"btnVideo", "/q/v.avi"}, {"btnSound", "/home/q/sounds/s.wav"},
        {"btnPicture", ""},       {"btnVideo", ""}};
    for (const auto& [command, chosen] : steps) {
        editor.services.setNextFileName(chosen);
        editor.click(command);
    }
    editor.state.LastMediaFolder = "   "; // a folder of spaces counts as none
    editor.services.setNextFileName("");
    editor.click("btnSound");

    QStringList calls;
    for (const ScriptedServices::ChooserCall& call : editor.services.chooserCalls)
        calls << call.kind + " " + call.folder + " " + call.filter;
    const QString start = "open " + DefaultGameSetFolder() + " ";
    const QString picture = "Picture(*.bmp;*.jpg)|*.bmp;*.jpg";
    const QString sound = "Audio(*.wav; *.mp3; *.wma)|*.wav; *.mp3; *.wma";
    const QString video = "Movie Files(*avi; *mov; *wmv; *mpg; *mpeg; *mp4)|*.avi; *.mov; "
                          "*.wmv; *.mpg; *.mpeg; *.mp4;";
    QCOMPARE(calls,
             (QStringList{start + picture, start + picture, "open C:\\Pictures\\Set 1\\ " + sound,
                          start + video, start + video, "open C:\\Pictures\\Set 1\\ " + sound,
                          "open /home/q/sounds/ " + picture, "open /q/ " + video, start + sound}));
}

// Pictures are scaled into the 465 x 354 preview box and centred; one that
// cannot be shown is reported and leaves the earlier picture in place.
void TestMedia::disPlayPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size"); // invalid: the file holds `content` instead
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("message");

    const QRect full(0, 0, 465, 354);
    const QByteArray picture; // the file is a picture of `size`
    // 60 / (80 / 465) = 348.75 -> 349 high, (354 - 348.75) / 2 = 2.625 -> 3 from the top
    AddRow("landscape jpg", "land.jpg", QSize(80, 60), picture, QRect(0, 3, 465, 349), "");
    const QString report = "An untrapped error has occurred. Please make a \r\n"
                           "note of the following information.\r\n\r\n"
                           "Error Number: 481\r\nDescription: Invalid picture\r\n"
                           "Location: Quizmora Editor - Untitled\r\nProcedure: DisPlayPicture";
    const QString notFound = "File not found:\r\n%1";
    AddRow("missing file", "missing.jpg", QSize(), picture, full, notFound);
    AddRow("corrupt jpg", "corrupt.jpg", QSize(), QByteArray("not a picture"), full, report);
    AddRow("empty bmp", "empty.bmp", QSize(), QByteArray(""), full, report);
}

void TestMedia::disPlayPicture() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QString path = m_dir.filePath(name);
    if (size.isValid())
        path = makeFile(name, size);
    else if (!content.isNull())
        QVERIFY(WriteFile(m_dir, name, content) == path);
    EditorHarness editor;
    editor.window->setWindowTitle("Quizmora Editor - Untitled");
    QVERIFY(editor.window->DisPlayPicture(makeFile("earlier.bmp")));
    editor.services.clearRecords();

    QCOMPARE(editor.window->DisPlayPicture(path), message.isEmpty());

    QLabel* image = editor.label("picImageResize");
    QTEST(image->geometry(), "geometry");
    QCOMPARE(image->pixmap().size(), message.isEmpty() ? size : QSize(4, 4));
    QCOMPARE(editor.services.messageTexts(),
             message.isEmpty() ? QStringList() : QStringList{message.replace("%1", path)});
    for (const ScriptedServices::Message& shown : editor.services.messages)
        QVERIFY(shown.icon == MessageIcon::None && shown.title.isEmpty());
}

void TestMedia::previewButtons_data() {
    QTest::addColumn<QString>("sound"); // the file CurrentSoundPath names
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("soundCalls");
    QTest::addColumn<QStringList>("videoCalls");
    QTest::addColumn<QStringList>("messages");
    const QStringList plays{"setPosition:0", "open:%1", "play"}, none;
    AddRow("play", "clip.wav", QStringList{"btnPlay"}, plays, none, none);
    AddRow("play a bad file", "bad", QStringList{"btnPlay"}, plays, none,
           QStringList{"Bad Media File"});
    AddRow("play a missing file", "none.wav", QStringList{"btnPlay"}, QStringList{"setPosition:0"},
           none, none);
    AddRow("stop", "clip.wav", QStringList{"btnStop"}, QStringList{"stop"}, none, none);
    // The video buttons ignore the player's errors; pause is a stop.
    AddRow("video", "clip.wav", QStringList{"btnVideoPlay", "btnVideoPause", "btnVideoStop"}, none,
           QStringList{"play", "stop", "stop", "setPosition:0"}, none);
}

void TestMedia::previewButtons() {
    QFETCH(QString, sound);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, soundCalls);
    EditorHarness editor;
    const QString path = sound == "none.wav" ? m_dir.filePath(sound) : makeFile("clip.wav");
    editor.window->CurrentSoundPath = path;
    editor.soundPlayer()->calls.clear();
    editor.videoPlayer()->calls.clear();
    editor.services.clearRecords();
    if (sound == "bad")
        editor.soundPlayer()->failNextOpen("cannot decode");

    for (const QString& button : buttons)
        editor.find<QAbstractButton>(button)->click();
    editor.videoPlayer()->simulateError("broken");

    soundCalls.replaceInStrings("%1", path);
    QCOMPARE(editor.soundPlayer()->calls, soundCalls);
    QTEST(editor.videoPlayer()->calls, "videoCalls");
    QTEST(editor.services.messageTexts(), "messages");
    for (const ScriptedServices::Message& message : editor.services.messages)
        QVERIFY(message.icon == MessageIcon::Exclamation && message.title == "Quizmora");
}

// Showing a stored media question sets the panel for its kind, stores
// nothing, and sets the Daily Double box from a board question's own mark.
void TestMedia::showStored_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("nameIsAnswer");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("shownAnswer");
    QTest::addColumn<bool>("boxTicked"); // the question shown before was ticked

    const QStringList plain{"Cat"};
    AddRow("picture, marked", 2, "C:\\Quiz\\Cat.Photo.jpg", "", plain, false, "Y", "Cat", true);
    AddRow("picture, name ticked", 2, "C:\\Quiz\\Cat.Photo.JPG", "", plain, true, "N", "Cat",
           false);
    AddRow("picture with choices", 3, "C:\\Quiz\\Dog.bmp", "", FourChoices, true, "N", "Dog",
           false);
    AddRow("picture, final", 7, "C:\\Quiz\\Cat.bmp", "", plain, false, "", "Cat", true);
    AddRow("sound, marked", 3, "Which animal?", "C:\\S\\Moo.wav", plain, false, "Y", "Cat", true);
    AddRow("sound over a picture path", 4, "C:\\Quiz\\Dog.bmp", "C:\\S\\Moo.WMA", plain, true, "N",
           "Moo", false);
    AddRow("sound with choices", 5, "", "/s/moo.mp3", FourChoices, false, "N", "Paris", false);
    AddRow("sound, final", 7, "Name it", "/s/moo.mp3", plain, false, "", "Cat", true);
    AddRow("video, lower-case mark", 4, "C:\\Clips\\Goal.MPEG", "", plain, false, "y", "Cat",
           false);
    AddRow("video with choices", 6, "C:\\Clips\\Goal.avi", "", FourChoices, false, "N", "Paris",
           false);
    AddRow("video, final", 7, "/clips/end.wmv", "", plain, true, "", "end", true);
}

void TestMedia::showStored() {
    QFETCH(int, category);
    QFETCH(QString, text);
    QFETCH(QString, media);
    QFETCH(QStringList, answers);
    QFETCH(bool, nameIsAnswer);
    QFETCH(QString, mark);
    EditorHarness editor;
    editor.record(1, 1).DailyDouble = "Y";
    editor.select(1);
    editor.checkBox("chkFilenameAnswer")->setChecked(nameIsAnswer);
    SetFields(editor.state, category, text, media, answers);
    if (category != 7)
        editor.record(category, 1).DailyDouble = mark;

    editor.select(category);

    QTEST(editor.lineEdit("txtAnswer")->text(), "shownAnswer");
    const Fields fields = FieldsOf(editor.state, category);
    QCOMPARE(fields.text + "|" + fields.media, text + "|" + media);
    const QChar kind = !media.isEmpty() ? 'S' : IsVideoFileName(text) ? 'V' : 'P';
    const Panel panel = Expected(kind, HasChoices(answers), category == 7, true);
    QCOMPARE(editor.shownAmong(panel.shown + panel.hidden), panel.shown);
    QVERIFY(editor.shown(QString("lblC%1Arrow").arg(category)));
    // A board picture shows its whole stored field.
    const QString shownPath = editor.lineEdit("txtPath")->text();
    QCOMPARE(TrimSpaces(shownPath), kind == 'S' ? media : text);
    QCOMPARE(shownPath.size() == 256, kind == 'P' && category != 7);
    QTEST(editor.checkBox("chkDailyDouble")->isChecked(), "boxTicked");
    if (category != 7) {
        QCOMPARE(editor.record(category, 1).DailyDouble, mark);
        QCOMPARE(SquareColour(editor, category, 0),
                 mark == "Y" ? frmEditor::SquareMarked : frmEditor::SquareUnmarked);
    }
    QCOMPARE(editor.record(1, 1).DailyDouble, QString("Y"));
    if (kind == 'V') {
        QCOMPARE(editor.videoPlayer()->openedPath, text);
        QCOMPARE(editor.lineEdit("txtEnterQuestion")->text(), QString());
        if (category == 7)
            QCOMPARE(editor.lineEdit("txtCategoryName")->text(), QString("Final Question"));
    }
    if (kind == 'S') {
        QCOMPARE(editor.window->CurrentSoundPath, media);
        QCOMPARE(editor.label("lblDisPlayQuestion")->text(), text);
    }
}

// A file dropped on the window does what the matching command does with it.
void TestMedia::dropFile_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    AddRow("jpg", QStringList{"Eiffel.Tower.jpg"}, "btnPicture", "");
    AddRow("wav", QStringList{"bell.wav"}, "btnSound", "");
    AddRow("MP4", QStringList{"clip.MP4"}, "btnVideo", "");
    AddRow("png refused", QStringList{"a.png"}, "",
           "Only a picture (.bmp, .jpg), a sound clip (.wav, .mp3, .wma) or a video clip (.avi, "
           ".mov, .wmv, .mpg, .mpeg, .mp4) can be dropped here.");
    AddRow("two files refused", QStringList{"a.jpg", "b.jpg"}, "",
           "Please drop one file at a time.");
}

void TestMedia::dropFile() {
    QFETCH(QStringList, names);
    QFETCH(QString, command);
    QFETCH(QString, message);
    QList<QUrl> urls;
    for (const QString& name : names)
        urls << QUrl::fromLocalFile(makeFile(name));

    EditorHarness dropped;
    EditorHarness chosen;
    for (EditorHarness* editor : {&dropped, &chosen}) {
        editor->record(3, 1).QuestionText.set("Old text");
        editor->select(3);
        editor->checkBox("chkFilenameAnswer")->setChecked(true);
        editor->state.DataChanged = false;
        editor->services.clearRecords();
    }
    const GameSet before = dropped.state.game;

    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(dropped.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(dropped.window.get(), &drop);

    QCOMPARE(dropped.services.messageTexts(),
             message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(dropped.services.chooserCalls.isEmpty());
    if (command.isEmpty()) {
        QVERIFY(dropped.state.game == before);
        QVERIFY(!dropped.state.DataChanged);
        return;
    }
    chosen.services.setNextFileName(urls.first().toLocalFile());
    chosen.click(command);
    QVERIFY(dropped.state.game == chosen.state.game);
    QVERIFY(!(dropped.state.game == before));
    QVERIFY(dropped.state.DataChanged);
    QCOMPARE(dropped.window->CurrentSoundPath, chosen.window->CurrentSoundPath);
    QCOMPARE(dropped.lineEdit("txtAnswer")->text(), chosen.lineEdit("txtAnswer")->text());
    const Panel panel = Expected('P', false, false, false);
    QCOMPARE(dropped.shownAmong(panel.shown + panel.hidden),
             chosen.shownAmong(panel.shown + panel.hidden));
}

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
