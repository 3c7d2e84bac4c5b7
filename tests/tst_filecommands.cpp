#include "editorharness.h"
#include "testdata.h"

#include "util/pathhelpers.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using Square = QPair<int, int>; // category 1..6, question 1..5

namespace {

const QString SaveQuestion = u"Would you like to save the changes you made?"_s;
const QString SaveOverwrite = u"Filename Already Exists. Overwrite Existing File?"_s;
const QString SaveAsOverwrite = u"File already exists. Select Yes to overwrite"_s;

QString FirstLine(const QString& path) {
    return FileLines(FileContents(path)).value(0);
}

// Squares whose Daily Double line in a saved file reads "Y".
QList<Square> DailyDoublesInFile(const QString& path) {
    const QStringList lines = FileLines(FileContents(path));
    QList<Square> marked;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question) {
            if (lines.value(21 * (category - 1) + 4 * (question - 1) + 3) == "Y"_L1)
                marked.append({category, question});
        }
    }
    return marked;
}

// Makes an edit the way the author does: a name typed into the name box.
void MakeEdit(EditorHarness& editor, const QString& name = u"History"_s) {
    editor.type(u"txtCategoryName"_s, name);
    QVERIFY(editor.state.DataChanged);
    editor.services.clearRecords();
}

// Runs `command` while the files this process writes may not grow past 64 bytes.
bool ClickUnderSizeLimit(EditorHarness& editor, const QString& command) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 64;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    if (limited)
        editor.click(command);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    return limited;
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void newCommand();
    void saveUntitledThenSilently();
    void existingFile_data();
    void existingFile();
    void unsavedChangesPrompt_data();
    void unsavedChangesPrompt();
    void saveFails_data();
    void saveFails();
    void openShowsTheSet_data();
    void openShowsTheSet();
    void revisionWindow_data();
    void revisionWindow();
};

void TestFileCommands::newCommand() {
    EditorHarness editor;
    editor.record(2, 3).QuestionText.set(u"Old question"_s);
    editor.state.CurrentFileName = u"/somewhere/old.txt"_s;
    editor.click(u"lblCategory_2"_s);
    MakeEdit(editor);
    editor.services.setNextAnswer(MessageAnswer::No);

    editor.click(u"mnuFileNew"_s);

    QCOMPARE(editor.services.messageTexts(), QStringList{SaveQuestion});
    // The names stay blank while the captions show the defaults.
    for (int index = 0; index < 6; ++index)
        QCOMPARE(editor.state.game.CategoryNames[index].trimmed(), QString());
    QCOMPARE(editor.categoryCaptions(), (QStringList{"CATEGORY 1", "CATEGORY 2", "CATEGORY 3",
                                                     "CATEGORY 4", "CATEGORY 5", "CATEGORY 6"}));
    QVERIFY(editor.record(2, 3).QuestionText.isBlank());
    QCOMPARE(editor.shownArrows(), (QStringList{"lblC1Arrow", "lblQ1Arrow"}));
    QCOMPARE(editor.window->windowTitle(), u"untitled"_s);
    QVERIFY(editor.state.CurrentFileName.isEmpty());
    QVERIFY(!editor.state.DataChanged);
}

void TestFileCommands::saveUntitledThenSilently() {
    QTemporaryDir dir;
    EditorHarness editor;
    const QString path = dir.filePath(u"game1.txt"_s);
    MakeEdit(editor, u"Rivers"_s);
    editor.services.setNextFileName(path);

    editor.click(u"mnuFileSave"_s);

    QCOMPARE(editor.services.chooserCalls.size(), 1);
    const auto call = editor.services.chooserCalls.first();
    QCOMPARE(call.kind + call.folder + call.defaultName, "save" + DefaultGameSetFolder());
    QCOMPARE(call.filter, AddFilterItem({}, u"Game Sets(*.txt)"_s, "*.txt"));
    QCOMPARE(FirstLine(path), u"Rivers"_s);
    QCOMPARE(editor.state.CurrentFileName, path);
    QVERIFY(!editor.state.DataChanged);

    // The next Save writes to the same file without asking.
    const QString caption = editor.window->windowTitle();
    MakeEdit(editor, u"Lakes"_s);
    editor.click(u"btnSave"_s);
    QVERIFY(editor.services.chooserCalls.isEmpty() && editor.services.messages.isEmpty());
    QCOMPARE(FirstLine(path), u"Lakes"_s);
    QCOMPARE(editor.window->windowTitle(), caption);
    QVERIFY(!editor.state.DataChanged);
}

// Saving over an existing file: Save and Save As ask first, place the Daily
// Doubles and name the window; the prompts of New, Open and Exit overwrite
// without either. The file lies in a folder with a dot in its name.
void TestFileCommands::existingFile_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QList<Square>>("marked"); // Daily Doubles in the file; none when not written
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("caption"); // "<dir>" stands for the temporary folder; "" unchanged

    // 5 x 0.5 = 2.5 -> 2 (half to even), 4 x 0.5 = 2; 5 x 0.9 = 4.5 -> 4, 4 x 0.1 -> 0.
    const QList<Square> drawn{{3, 3}, {5, 1}};
    const QList<Square> none;
    const MessageAnswer yes = MessageAnswer::Yes;
    AddRow("Save, No", "mnuFileSave", MessageAnswer::No, SaveOverwrite, none, false, "");
    AddRow("Save As, No", "btnSaveAs", MessageAnswer::No, SaveAsOverwrite, none, false, "");
    // Save cuts the whole path at its first dot.
    AddRow("Save, Yes", "mnuFileSave", yes, SaveOverwrite, drawn, true,
           "Quizmora Editor - <dir>/My");
    AddRow("Save As, Yes", "mnuSaveAs", yes, SaveAsOverwrite, drawn, true,
           "Quizmora Editor - over.txt");
    AddRow("New prompt", "mnuFileNew", yes, SaveQuestion, none, true, "untitled");
    AddRow("Open prompt", "mnuFileOpen", yes, SaveQuestion, none, true, "");
    AddRow("Exit prompt", "mnuFileExit", yes, SaveQuestion, none, true, "");
}

void TestFileCommands::existingFile() {
    QFETCH(QString, command);
    QFETCH(MessageAnswer, answer);
    QFETCH(QList<Square>, marked);
    QFETCH(bool, written);
    QFETCH(QString, caption);
    QTemporaryDir dir;
    QVERIFY2(!dir.path().contains('.'_L1), "the expected captions assume no dot");
    QVERIFY(QDir(dir.path()).mkdir(u"My.Set"_s));
    const QString path = WriteFile(dir, u"My.Set/over.txt"_s, "previous\r\n");
    EditorHarness editor;
    MakeEdit(editor, u"Mountains"_s);
    const QString captionBefore = editor.window->windowTitle();
    for (float draw : {0.5f, 0.5f, 0.9f, 0.1f})
        editor.services.setNextRandom(draw);
    editor.services.setNextAnswer(answer);
    editor.services.setNextFileName(path);
    editor.services.setNextFileName(QString()); // Open's own chooser: cancelled

    editor.click(command);

    QFETCH(QString, question);
    QCOMPARE(editor.services.messageTexts(), QStringList{question});
    QCOMPARE(editor.services.messages.first().buttons,
             question == SaveQuestion ? MessageButtons::YesNoCancel : MessageButtons::YesNo);
    QCOMPARE(FirstLine(path), written ? u"Mountains"_s : u"previous"_s);
    QCOMPARE(DailyDoublesInFile(path), marked);
    QCOMPARE(editor.state.DataChanged, !written);
    QCOMPARE(editor.state.CurrentFileName, caption.startsWith("Quizmora") ? path : QString());
    if (command != "mnuFileExit")
        QCOMPARE(editor.window->windowTitle(),
                 caption.isEmpty() ? captionBefore : caption.replace("<dir>", dir.path()));
    // The prompts of New and Open keep the folder for the next dialog.
    if (command == "mnuFileNew" || command == "mnuFileOpen")
        QCOMPARE(editor.state.CurrentFilePath, dir.filePath("My.Set/"));
}

// The unsaved-changes question of New, Open, Exit and the close box.
void TestFileCommands::unsavedChangesPrompt_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("named"); // the set was opened from a file
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("target");       // save dialog: "" cancelled, "folder" unwritable
    QTest::addColumn<QString>("dialogFolder"); // "-": no save dialog
    QTest::addColumn<bool>("goesOn");

    const MessageAnswer yes = MessageAnswer::Yes;
    const QString home = DefaultGameSetFolder();
    AddRow("New, dialog cancelled", "mnuFileNew", false, yes, "", home, false);
    AddRow("Open, dialog cancelled", "mnuFileOpen", false, yes, "", home, false);
    // Exit offers the current name and no folder of its own.
    AddRow("Exit, dialog cancelled", "mnuFileExit", false, yes, "", "", false);
    AddRow("close box, dialog cancelled", "close", false, yes, "", "", false);
    AddRow("close box, Cancel", "close", false, MessageAnswer::Cancel, "", "-", false);
    AddRow("Exit, No", "mnuFileExit", true, MessageAnswer::No, "", "-", true);
    AddRow("close box, No", "close", false, MessageAnswer::No, "", "-", true);
    // A failed save has been reported; the command goes no further.
    AddRow("New, save fails", "mnuFileNew", false, yes, "folder", home, false);
    AddRow("Exit, save fails", "mnuFileExit", false, yes, "folder", "", false);
    AddRow("close box, save fails", "close", false, yes, "folder", "", false);
    // The set goes back to its own file without a dialog.
    AddRow("New, named set", "mnuFileNew", true, yes, "", "-", true);
    AddRow("Open, named set", "mnuFileOpen", true, yes, "", "-", true);
}

void TestFileCommands::unsavedChangesPrompt() {
    QFETCH(QString, command);
    QFETCH(bool, named);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, target);
    QFETCH(QString, dialogFolder);
    QFETCH(bool, goesOn);
    QTemporaryDir dir;
    const QString path = WriteGameSetFile(ResetGame(), dir.path(), u"named.txt"_s);
    EditorHarness editor;
    if (named) {
        editor.services.setNextFileName(path);
        editor.click(u"mnuFileOpen"_s);
    }
    MakeEdit(editor, u"Oceans"_s);
    editor.services.setNextAnswer(answer);
    editor.services.setNextFileName(target == "folder" ? dir.path() : target);
    editor.services.setNextFileName(QString()); // Open's own chooser: cancelled

    if (command == "close"_L1)
        QCOMPARE(editor.window->close(), goesOn);
    else
        editor.click(command);

    QStringList asked{SaveQuestion};
    if (target == "folder")
        asked << SaveAccessErrorText();
    QCOMPARE(editor.services.messageTexts(), asked);
    QCOMPARE(editor.services.messages.first().buttons, MessageButtons::YesNoCancel);
    QStringList saveDialogs;
    for (const auto& call : editor.services.chooserCalls) {
        if (call.kind == "save"_L1)
            saveDialogs << call.folder + "|" + call.defaultName;
    }
    QCOMPARE(saveDialogs, dialogFolder == "-" ? QStringList() : QStringList{dialogFolder + "|"});
    QCOMPARE(editor.state.DataChanged, !goesOn);
    QCOMPARE(FirstLine(path), named && answer == MessageAnswer::Yes ? u"Oceans"_s : QString());
    const bool ends = command == "mnuFileExit" || command == "close";
    QCOMPARE(editor.window->isVisible(), !(ends && goesOn));
    if (!goesOn) {
        QCOMPARE(editor.state.game.CategoryNames[0].trimmed(), u"Oceans"_s);
        QCOMPARE(editor.services.chooserCalls.size(), saveDialogs.size()); // no open chooser
    } else if (ends) {
        QVERIFY(editor.state.CurrentFileName.isEmpty());
        QVERIFY(editor.soundPlayer()->calls.contains(u"stop"_s));
        QVERIFY(editor.videoPlayer()->calls.contains(u"stop"_s));
    }
}

// A failed save keeps the previous file, the set's name and caption and its
// changes. An unwritable target is an access failure; any other failure is
// reported with the file the open-file chooser holds: the file last opened,
// or none once a media command has used the chooser.
void TestFileCommands::saveFails_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("fault");  // "folder", "size limit"
    QTest::addColumn<QString>("before"); // a command run after opening "opened.txt"
    QTest::addColumn<QString>("reportedFile");
    AddRow("Save, target is a folder", "mnuFileSave", "folder", "", "");
    AddRow("Save As, after Open", "mnuSaveAs", "size limit", "", "opened.txt");
    AddRow("Save As, after a picture", "mnuSaveAs", "size limit", "btnPicture", "");
    AddRow("Save, after a sound", "mnuFileSave", "size limit", "btnSound", "");
}

void TestFileCommands::saveFails() {
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(QString, before);
    QFETCH(QString, reportedFile);
    QTemporaryDir dir;
    const QString opened = WriteGameSetFile(ResetGame(), dir.path(), u"opened.txt"_s);
    const QString target = dir.filePath("new.txt");
    QVERIFY(fault != "folder" || QDir(dir.path()).mkdir(u"new.txt"_s));
    EditorHarness editor;
    if (fault == "size limit") {
        editor.services.setNextFileName(opened);
        editor.click(u"mnuFileOpen"_s);
        editor.state.CurrentFileName.clear(); // so Save asks for a name
    }
    if (!before.isEmpty()) {
        editor.services.setNextFileName(dir.filePath(u"clip.wav"_s));
        editor.click(before);
    }
    const QString caption = editor.window->windowTitle();
    MakeEdit(editor, u"A name longer than the size limit allows"_s);
    editor.services.setNextFileName(target);
    if (fault != "size limit")
        editor.click(command);
    else if (!ClickUnderSizeLimit(editor, command))
        QSKIP("cannot limit the size of files");

    QCOMPARE(editor.services.messages.size(), 1);
    const auto message = editor.services.messages.first();
    if (fault == "size limit") {
        QCOMPARE(message.text,
                 "An untrapped error has occurred. Please make a \r\n"
                 "note of the following information: \r\n"
                 "Error Number: 61\r\nDescription: Disk full\r\nLocation: frmEditor\r\n"
                 "Procedure: SaveFile\r\nFilename: " +
                     (reportedFile.isEmpty() ? QString() : dir.filePath(reportedFile)));
    } else {
        QCOMPARE(message.text, SaveAccessErrorText());
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.title, u"Quizmora"_s);
    }
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QVERIFY(editor.state.DataChanged);
    QVERIFY(editor.state.CurrentFileName.isEmpty());
    QCOMPARE(editor.window->windowTitle(), caption);
}

// Open shows the set from category 1 whatever was selected before; a file
// that cannot be read is reported, and Open still finishes with an empty set.
void TestFileCommands::openShowsTheSet_data() {
    QTest::addColumn<QString>("before"); // what was selected before Open
    QTest::addColumn<QString>("file");
    AddRow("from category 6", "lblCategory_5", "geo.txt");
    AddRow("from the final question", "picFinalQuestion", "geo.txt");
    AddRow("missing file", "lblCategory_2", "missing.txt");
}

void TestFileCommands::openShowsTheSet() {
    QFETCH(QString, before);
    QFETCH(QString, file);
    QTemporaryDir dir;
    GameSet game = ResetGame();
    const bool missing = file == "missing.txt";
    const QStringList names =
        missing ? QStringList(6, QString())
                : QStringList{"Rivers", "Lakes", "Seas", "Hills", "Caves", "Isles"};
    for (int index = 0; index < 6; ++index)
        game.CategoryNames[index].set(names[index]);
    game.question(1, 1).QuestionText.set(u"Longest river?"_s);
    game.question(4, 2).DailyDouble = u"Y"_s;
    WriteGameSetFile(game, dir.path(), u"geo.txt"_s);
    const QString path = dir.filePath(file);
    EditorHarness editor;
    editor.click(before);
    editor.state.DataChanged = false; // showing a category stored its default name
    editor.services.setNextFileName(path);

    editor.click(u"btnFileOpen"_s);

    QCOMPARE(editor.services.chooserCalls.first().filter, u"Game Sets(*.txt)|*.txt"_s);
    QCOMPARE(editor.services.messageTexts(),
             missing ? QStringList{"An untrapped error has occurred. Please make a \r\n"
                                   "note of the following information: \r\n"
                                   "Error Number: 53\r\nDescription: File not found\r\n"
                                   "Location: frmEditor\r\nProcedure: OpenFile\r\nFilename: " +
                                   path}
                     : QStringList());
    QCOMPARE(editor.categoryCaptions(), names);
    QCOMPARE(editor.lineEdit(u"txtCategoryName"_s)->text(), names[0]);
    QVERIFY(!editor.lineEdit(u"txtCategoryName"_s)->isReadOnly());
    QCOMPARE(editor.label(u"lblDisPlayQuestion"_s)->text(),
             missing ? QString() : u"Longest river?"_s);
    QCOMPARE(SquareColour(editor, 4, 1), missing ? 0u : 255u);
    QCOMPARE(editor.shownArrows(), (QStringList{"lblC1Arrow", "lblQ1Arrow"}));
    QCOMPARE(editor.window->windowTitle(), file);
    QCOMPARE(editor.state.CurrentFileName, path);
    QCOMPARE(editor.state.CurrentFilePath, path);
    QVERIFY(!editor.state.DataChanged);
}

void TestFileCommands::revisionWindow_data() {
    QTest::addColumn<bool>("byOk");
    AddRow("OK", true);
    AddRow("close box", false);
}

void TestFileCommands::revisionWindow() {
    QFETCH(bool, byOk);
    EditorHarness editor;
    editor.click(u"mnuFileRevision"_s);
    QPointer<QWidget> revision;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "frmRevision"_L1 && widget->isVisible())
            revision = widget;
    }
    QVERIFY(revision);
    QVERIFY(!editor.window->isEnabled());

    if (byOk)
        QTest::mouseClick(revision->findChild<QPushButton*>(u"btnOK"_s), Qt::LeftButton);
    else
        revision->close();

    QVERIFY(editor.window->isEnabled());
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
