#include "editorharness.h"

#include "model/gamesetfile.h"
#include "util/pathhelpers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Square = QPair<int, int>; // category 1..6, question 1..5

namespace {

const QString GuardMessage =
    QStringLiteral("Click Done or Cancel in the Multiple Choice Box First!");
const QString SaveQuestion = QStringLiteral("Would you like to save the changes you made?");
const QString SaveOverwrite = QStringLiteral("Filename Already Exists. Overwrite Existing File?");
const QString SaveAsOverwrite = QStringLiteral("File already exists. Select Yes to overwrite");

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

QStringList FileLines(const QString& path) {
    return QString::fromLatin1(ReadBytes(path)).split(QStringLiteral("\r\n"));
}

// Squares whose Daily Double line in a saved file reads "Y".
QList<Square> DailyDoublesInFile(const QString& path) {
    const QStringList lines = FileLines(path);
    QList<Square> marked;
    for (int category = 1; category <= 6; ++category) {
        for (int question = 1; question <= 5; ++question) {
            const int line = 2 + 21 * (category - 1) + 4 * (question - 1) + 2; // 1-based
            if (lines.value(line - 1) == QLatin1String("Y"))
                marked.append({category, question});
        }
    }
    return marked;
}

QStringList CategoryCaptions(const EditorHarness& editor) {
    QStringList captions;
    for (const QLabel* caption : editor.window->lblCategory)
        captions.append(caption->text());
    return captions;
}

QStringList StoredNames(const EditorHarness& editor) {
    QStringList names;
    for (const auto& name : editor.state.game.CategoryNames)
        names.append(name.trimmed());
    return names;
}

// Makes an edit the way the author does: a name typed into the name box.
void MakeEdit(EditorHarness& editor, const QString& name = QStringLiteral("History")) {
    editor.type(QStringLiteral("txtCategoryName"), name);
    QVERIFY(editor.state.DataChanged);
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void newLeavesNamesBlank();
    void saveUntitledThenSilently();
    void overwriteQuestions_data();
    void overwriteQuestions();
    void promptDialogCancelled_data();
    void promptDialogCancelled();
    void savesOverExistingFile_data();
    void savesOverExistingFile();
    void promptSavesToCurrentFile_data();
    void promptSavesToCurrentFile();
    void promptSaveFailureStops_data();
    void promptSaveFailureStops();
    void exitWithoutSaving();
    void unwritableTarget_data();
    void unwritableTarget();
    void captions_data();
    void captions();
    void guard_data();
    void guard();
    void closeBox_data();
    void closeBox();
    void openMissingFile();
    void openShowsTheSet_data();
    void openShowsTheSet();
    void revisionWindow_data();
    void revisionWindow();
    void shortcuts_data();
    void shortcuts();
};

void TestFileCommands::newLeavesNamesBlank() {
    EditorHarness editor;
    editor.state.game.question(2, 3).QuestionText.set(QStringLiteral("Old question"));
    editor.state.CurrentFileName = QStringLiteral("/somewhere/old.txt");
    editor.click(QStringLiteral("lblCategory_2"));
    MakeEdit(editor);
    editor.services.setNextAnswer(MessageAnswer::No);
    editor.services.clearRecords();

    editor.click(QStringLiteral("mnuFileNew"));

    QCOMPARE(editor.services.messageTexts(), QStringList{SaveQuestion});
    QCOMPARE(StoredNames(editor), QStringList(6, QString()));
    QCOMPARE(CategoryCaptions(editor), (QStringList{"CATEGORY 1", "CATEGORY 2", "CATEGORY 3",
                                                    "CATEGORY 4", "CATEGORY 5", "CATEGORY 6"}));
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(),
             QStringLiteral("CATEGORY 1"));
    QVERIFY(editor.state.game.question(2, 3).QuestionText.isBlank());
    QCOMPARE(editor.selection(), qMakePair(1, 1));
    QVERIFY(!editor.window->lblCategory[0]->isEnabled());
    QVERIFY(editor.window->lblCategory[2]->isEnabled());
    QCOMPARE(editor.shownArrows(), (QStringList{"lblC1Arrow", "lblQ1Arrow"}));
    QCOMPARE(editor.window->windowTitle(), QStringLiteral("untitled"));
    QVERIFY(editor.state.CurrentFileName.isEmpty());
    QVERIFY(!editor.state.DataChanged);
    QVERIFY(editor.services.unanswered.isEmpty());
}

void TestFileCommands::saveUntitledThenSilently() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    EditorHarness editor;
    const QString path = dir.filePath(QStringLiteral("game1.txt"));
    MakeEdit(editor, QStringLiteral("Rivers"));
    editor.services.setNextFileName(path);

    editor.click(QStringLiteral("mnuFileSave"));

    QCOMPARE(editor.services.chooserCalls.size(), 1);
    const auto call = editor.services.chooserCalls.first();
    QCOMPARE(call.kind, QStringLiteral("save"));
    QCOMPARE(call.folder, DefaultGameSetFolder());
    QCOMPARE(call.filter,
             AddFilterItem(QString(), QStringLiteral("Game Sets(*.txt)"), QStringLiteral("*.txt")));
    QCOMPARE(call.defaultName, QString());
    QCOMPARE(FileLines(path).value(0), QStringLiteral("Rivers"));
    QCOMPARE(editor.state.CurrentFileName, path);
    QCOMPARE(editor.window->windowTitle(),
             QStringLiteral("Quizmora Editor - ") + dir.path() + QStringLiteral("/game1"));
    QVERIFY(!editor.state.DataChanged);

    // The next Save writes to the same file without asking.
    const QString caption = editor.window->windowTitle();
    MakeEdit(editor, QStringLiteral("Lakes"));
    editor.services.clearRecords();
    editor.click(QStringLiteral("btnSave"));
    QVERIFY(editor.services.chooserCalls.isEmpty());
    QVERIFY(editor.services.messages.isEmpty());
    QCOMPARE(FileLines(path).value(0), QStringLiteral("Lakes"));
    QCOMPARE(editor.window->windowTitle(), caption);
    QVERIFY(!editor.state.DataChanged);

    // Save As always asks.
    const QString copy = dir.filePath(QStringLiteral("copy.txt"));
    editor.services.setNextFileName(copy);
    editor.click(QStringLiteral("mnuSaveAs"));
    QCOMPARE(editor.services.chooserCalls.size(), 1);
    QCOMPARE(FileLines(copy).value(0), QStringLiteral("Lakes"));
    QCOMPARE(editor.state.CurrentFileName, copy);
    QVERIFY(editor.services.unanswered.isEmpty());
}

void TestFileCommands::overwriteQuestions_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");

    QTest::newRow("Save") << "mnuFileSave" << SaveOverwrite;
    QTest::newRow("Save As") << "mnuSaveAs" << SaveAsOverwrite;
    QTest::newRow("Save As toolbar") << "btnSaveAs" << SaveAsOverwrite;
}

void TestFileCommands::overwriteQuestions() {
    QFETCH(QString, command);
    QFETCH(QString, question);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("existing.txt"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("previous\r\n");
    }
    EditorHarness editor;
    MakeEdit(editor, QStringLiteral("Planets"));
    const QString caption = editor.window->windowTitle();
    editor.services.setNextFileName(path);
    editor.services.setNextAnswer(MessageAnswer::No);

    editor.click(command);

    QCOMPARE(editor.services.messageTexts(), QStringList{question});
    QCOMPARE(editor.services.messages.first().buttons, MessageButtons::YesNo);
    QCOMPARE(ReadBytes(path), QByteArray("previous\r\n"));
    QVERIFY(editor.state.CurrentFileName.isEmpty());
    QCOMPARE(editor.window->windowTitle(), caption);
    QVERIFY(editor.state.DataChanged);
}

void TestFileCommands::savesOverExistingFile_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");     // the only question asked
    QTest::addColumn<QList<Square>>("marked"); // Daily Doubles in the file
    QTest::addColumn<bool>("setsFolder");      // CurrentFilePath becomes the file's folder

    // Drawn from the queued draws: 5 x 0.5 = 2.5 -> 2 (half to even) and
    // 4 x 0.5 = 2; then 5 x 0.9 = 4.5 -> 4 and 4 x 0.1 = 0.4 -> 0.
    const QList<Square> drawn{{3, 3}, {5, 1}};
    QTest::newRow("Save") << "mnuFileSave" << SaveOverwrite << drawn << false;
    QTest::newRow("Save As") << "mnuSaveAs" << SaveAsOverwrite << drawn << false;
    // The prompts overwrite without asking and place no Daily Doubles.
    QTest::newRow("New prompt") << "mnuFileNew" << SaveQuestion << QList<Square>{} << true;
    QTest::newRow("Open prompt") << "mnuFileOpen" << SaveQuestion << QList<Square>{} << true;
    QTest::newRow("Exit prompt") << "mnuFileExit" << SaveQuestion << QList<Square>{} << false;
}

void TestFileCommands::savesOverExistingFile() {
    QFETCH(QString, command);
    QFETCH(QString, question);
    QFETCH(QList<Square>, marked);
    QFETCH(bool, setsFolder);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("over.txt"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("previous\r\n");
    }
    EditorHarness editor;
    MakeEdit(editor, QStringLiteral("Mountains"));
    editor.services.clearRecords();
    for (float draw : {0.5f, 0.5f, 0.9f, 0.1f})
        editor.services.setNextRandom(draw);
    editor.services.setNextAnswer(MessageAnswer::Yes);
    editor.services.setNextFileName(path);
    editor.services.setNextFileName(QString()); // Open's own chooser: cancelled

    editor.click(command);

    QCOMPARE(editor.services.messageTexts(), QStringList{question});
    QCOMPARE(FileLines(path).value(0), QStringLiteral("Mountains"));
    QCOMPARE(DailyDoublesInFile(path), marked);
    QCOMPARE(editor.services.randomDraws, marked.isEmpty() ? 0 : 4);
    QVERIFY(!editor.state.DataChanged);
    if (setsFolder)
        QCOMPARE(editor.state.CurrentFilePath, dir.path() + QLatin1Char('/'));
    if (command == QLatin1String("mnuFileExit"))
        QVERIFY(!editor.window->isVisible());
}

void TestFileCommands::promptDialogCancelled_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialogFolder");
    QTest::addColumn<QString>("defaultName");

    QTest::newRow("New") << "mnuFileNew" << DefaultGameSetFolder() << QString();
    QTest::newRow("Open") << "mnuFileOpen" << DefaultGameSetFolder() << QString();
    // Exit offers the current name and no folder of its own.
    QTest::newRow("Exit") << "mnuFileExit" << QString() << QString();
}

void TestFileCommands::promptDialogCancelled() {
    QFETCH(QString, command);
    QFETCH(QString, dialogFolder);
    QFETCH(QString, defaultName);

    EditorHarness editor;
    MakeEdit(editor, QStringLiteral("Oceans"));
    editor.services.clearRecords();
    editor.services.setNextAnswer(MessageAnswer::Yes);
    editor.services.setNextFileName(QString()); // the save dialog is cancelled

    editor.click(command);

    QCOMPARE(editor.services.messageTexts(), QStringList{SaveQuestion});
    QCOMPARE(editor.services.messages.first().buttons, MessageButtons::YesNoCancel);
    QCOMPARE(editor.services.chooserCalls.size(), 1); // no open chooser after it
    QCOMPARE(editor.services.chooserCalls.first().kind, QStringLiteral("save"));
    QCOMPARE(editor.services.chooserCalls.first().folder, dialogFolder);
    QCOMPARE(editor.services.chooserCalls.first().defaultName, defaultName);
    QCOMPARE(StoredNames(editor).first(), QStringLiteral("Oceans"));
    QVERIFY(editor.state.DataChanged);
    QVERIFY(editor.window->isVisible());
    QVERIFY(!editor.window->ProgramEnding);
}

void TestFileCommands::promptSavesToCurrentFile_data() {
    QTest::addColumn<QString>("command");
    QTest::addRow("New") << "mnuFileNew";
    QTest::addRow("Open") << "mnuFileOpen";
}

void TestFileCommands::promptSavesToCurrentFile() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    const QString path = WriteGameSetFile(GameSet(), dir.path(), QStringLiteral("named.txt"));
    EditorHarness editor;
    editor.services.setNextFileName(path);
    editor.click(QStringLiteral("mnuFileOpen"));
    QCOMPARE(editor.state.CurrentFileName, path);
    MakeEdit(editor, QStringLiteral("Deserts"));
    editor.services.clearRecords();
    editor.services.setNextAnswer(MessageAnswer::Yes);
    editor.services.setNextFileName(QString()); // Open's own chooser: cancelled

    editor.click(command);

    // No save dialog: the set goes back to its own file.
    for (const auto& call : editor.services.chooserCalls)
        QVERIFY(call.kind != QLatin1String("save"));
    QCOMPARE(FileLines(path).value(0), QStringLiteral("Deserts"));
    QCOMPARE(editor.state.CurrentFilePath, dir.path() + QLatin1Char('/'));
    QVERIFY(!editor.state.DataChanged);
}

void TestFileCommands::promptSaveFailureStops_data() {
    QTest::addColumn<QString>("command");
    QTest::addRow("New") << "mnuFileNew";
    QTest::addRow("Open") << "mnuFileOpen";
    QTest::addRow("Exit") << "mnuFileExit";
    QTest::addRow("close box") << "close";
}

void TestFileCommands::promptSaveFailureStops() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    EditorHarness editor;
    MakeEdit(editor, QStringLiteral("Unsaved"));
    editor.services.clearRecords();
    editor.services.setNextAnswer(MessageAnswer::Yes);
    editor.services.setNextFileName(dir.path()); // a folder cannot be written as a file
    editor.services.setNextFileName(dir.filePath(QStringLiteral("other.txt")));

    if (command == QLatin1String("close"))
        QVERIFY(!editor.window->close());
    else
        editor.click(command);

    QCOMPARE(editor.services.messageTexts(), (QStringList{SaveQuestion, SaveAccessErrorText()}));
    QCOMPARE(editor.services.chooserCalls.size(), 1); // the command went no further
    QCOMPARE(StoredNames(editor).first(), QStringLiteral("Unsaved"));
    QVERIFY(editor.state.DataChanged);
    QVERIFY(editor.window->isVisible());
}

void TestFileCommands::exitWithoutSaving() {
    QTemporaryDir dir;
    EditorHarness editor;
    editor.state.CurrentFilePath = dir.path() + QLatin1Char('/');
    editor.state.CurrentFileName = dir.filePath(QStringLiteral("named.txt"));
    MakeEdit(editor);
    editor.services.setNextAnswer(MessageAnswer::No);
    editor.services.clearRecords();

    editor.click(QStringLiteral("mnuFileExit"));

    QCOMPARE(editor.services.messageTexts(), QStringList{SaveQuestion});
    QVERIFY(editor.services.chooserCalls.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
    QVERIFY(!editor.window->isVisible());
    QVERIFY(editor.state.CurrentFileName.isEmpty());
    QVERIFY(!editor.state.DataChanged);
    QVERIFY(editor.soundPlayer()->calls.contains(QStringLiteral("stop")));
    QVERIFY(editor.videoPlayer()->calls.contains(QStringLiteral("stop")));
}

void TestFileCommands::unwritableTarget_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("targetIsFolder"); // else its parent is a regular file

    QTest::newRow("Save, target is a folder") << "mnuFileSave" << true;
    QTest::newRow("Save, parent is a file") << "mnuFileSave" << false;
    QTest::newRow("Save As, target is a folder") << "mnuSaveAs" << true;
    QTest::newRow("Save As, parent is a file") << "mnuSaveAs" << false;
}

void TestFileCommands::unwritableTarget() {
    QFETCH(QString, command);
    QFETCH(bool, targetIsFolder);

    QTemporaryDir dir;
    EditorHarness editor;
    MakeEdit(editor, QStringLiteral("Saved"));
    const QString previous = dir.filePath(QStringLiteral("previous.txt"));
    editor.services.setNextFileName(previous);
    editor.click(QStringLiteral("mnuSaveAs"));
    const QByteArray previousBytes = ReadBytes(previous);
    QVERIFY(previousBytes.startsWith("Saved\r\n"));

    QString target;
    const QString inner = dir.filePath(QStringLiteral("target.txt/inner.txt"));
    if (targetIsFolder) {
        target = dir.filePath(QStringLiteral("target.txt"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target.txt")));
        QFile file(inner);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("inner");
    } else {
        target = previous + QStringLiteral("/game.txt");
    }

    if (command == QLatin1String("mnuFileSave"))
        editor.state.CurrentFileName.clear(); // so Save asks for the name
    const QString fileNameBefore = editor.state.CurrentFileName;
    const QString caption = editor.window->windowTitle();
    MakeEdit(editor, QStringLiteral("Changed"));
    editor.services.clearRecords();
    editor.services.setNextFileName(target);

    editor.click(command);

    QCOMPARE(editor.services.messages.size(), 1);
    const auto message = editor.services.messages.first();
    QCOMPARE(message.text, SaveAccessErrorText());
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QCOMPARE(message.title, QStringLiteral("Quizmora"));
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QVERIFY(editor.state.DataChanged);
    QCOMPARE(editor.state.CurrentFileName, fileNameBefore);
    QCOMPARE(editor.window->windowTitle(), caption);
    QCOMPARE(ReadBytes(previous), previousBytes);
    if (targetIsFolder) {
        QVERIFY(QFileInfo(target).isDir());
        QCOMPARE(ReadBytes(inner), QByteArray("inner"));
    }

    // Exit still asks about the changes that were not saved.
    editor.services.setNextAnswer(MessageAnswer::Cancel);
    editor.click(QStringLiteral("mnuFileExit"));
    QCOMPARE(editor.services.messageTexts().last(), SaveQuestion);
    QVERIFY(editor.window->isVisible());
}

void TestFileCommands::captions_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("folder");   // inside the temporary folder
    QTest::addColumn<QString>("expected"); // "<dir>" stands for the temporary folder

    QTest::newRow("Save") << "mnuFileSave"
                          << "Sets"
                          << "Quizmora Editor - <dir>/Sets/Game1";
    QTest::newRow("Save, dot in folder") << "mnuFileSave"
                                         << "My.Set"
                                         << "Quizmora Editor - <dir>/My";
    QTest::newRow("Save As, dot in folder") << "mnuSaveAs"
                                            << "My.Set"
                                            << "Quizmora Editor - Game1.txt";
    QTest::newRow("Open, dot in folder") << "mnuFileOpen"
                                         << "My.Set"
                                         << "Game1.txt";
    QTest::newRow("New") << "mnuFileNew"
                         << "Sets"
                         << "untitled";
}

void TestFileCommands::captions() {
    QFETCH(QString, command);
    QFETCH(QString, folder);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY2(!dir.path().contains(QLatin1Char('.')), "the expected captions assume no dot");
    QVERIFY(QDir(dir.path()).mkdir(folder));
    const QString path = dir.filePath(folder + QStringLiteral("/Game1.txt"));
    WriteGameSetFile(GameSet(), dir.filePath(folder), QStringLiteral("Game1.txt"));

    EditorHarness editor;
    editor.services.setNextFileName(path);
    editor.services.setNextAnswer(MessageAnswer::Yes); // the overwrite questions

    editor.click(command);

    expected.replace(QStringLiteral("<dir>"), dir.path());
    QCOMPARE(editor.window->windowTitle(), expected);
}

void TestFileCommands::guard_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("New") << "mnuFileNew";
    QTest::newRow("New toolbar") << "btnNewFile";
    QTest::newRow("Open") << "mnuFileOpen";
    QTest::newRow("Open toolbar") << "btnFileOpen";
    QTest::newRow("Save") << "mnuFileSave";
    QTest::newRow("Save toolbar") << "btnSave";
    QTest::newRow("Save As") << "mnuSaveAs";
    QTest::newRow("Save As toolbar") << "btnSaveAs";
}

void TestFileCommands::guard() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    EditorHarness editor;
    MakeEdit(editor, QStringLiteral("Guarded"));
    editor.click(QStringLiteral("btnMultipleChoice"));
    QVERIFY(editor.shown(QStringLiteral("fraMultipleAnswers")));
    const GameSet before = editor.state.game;
    const QString caption = editor.window->windowTitle();
    editor.services.clearRecords();
    editor.services.setNextFileName(dir.filePath(QStringLiteral("guarded.txt")));
    editor.services.setNextAnswer(MessageAnswer::No);

    editor.click(command);

    QCOMPARE(editor.services.messageTexts(), QStringList{GuardMessage});
    QCOMPARE(editor.services.messages.first().buttons, MessageButtons::Ok);
    QVERIFY(editor.services.chooserCalls.isEmpty());
    QVERIFY(editor.state.game == before);
    QVERIFY(editor.state.DataChanged);
    QCOMPARE(editor.window->windowTitle(), caption);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("guarded.txt"))));

    // Exit is not guarded.
    editor.services.clearRecords();
    editor.services.setNextAnswer(MessageAnswer::Cancel);
    editor.click(QStringLiteral("mnuFileExit"));
    QCOMPARE(editor.services.messageTexts(), QStringList{SaveQuestion});
}

void TestFileCommands::closeBox_data() {
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Cancel stays") << MessageAnswer::Cancel << false;
    QTest::newRow("Yes, dialog cancelled, stays") << MessageAnswer::Yes << false;
    QTest::newRow("No closes") << MessageAnswer::No << true;
}

void TestFileCommands::closeBox() {
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, closes);
    EditorHarness editor;
    MakeEdit(editor);
    editor.services.setNextAnswer(answer);
    editor.services.setNextFileName(QString());
    editor.services.clearRecords();

    QCOMPARE(editor.window->close(), closes);

    QCOMPARE(editor.services.messageTexts(), QStringList{SaveQuestion});
    QCOMPARE(editor.window->isVisible(), !closes);
    QCOMPARE(editor.state.DataChanged, !closes);
    QCOMPARE(StoredNames(editor).first(), closes ? QString() : QStringLiteral("History"));
}

void TestFileCommands::openMissingFile() {
    QTemporaryDir dir;
    EditorHarness editor;
    const QString path = dir.filePath(QStringLiteral("missing.txt"));
    editor.services.setNextFileName(path);

    editor.click(QStringLiteral("mnuFileOpen"));

    QCOMPARE(editor.services.chooserCalls.size(), 1);
    QCOMPARE(editor.services.chooserCalls.first().kind, QStringLiteral("open"));
    QCOMPARE(editor.services.chooserCalls.first().filter, QStringLiteral("Game Sets(*.txt)|*.txt"));
    QCOMPARE(editor.services.messages.size(), 1);
    const QStringList lines = editor.services.messages.first().text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(1), QStringLiteral("note of the following information: "));
    QCOMPARE(lines.value(2), QStringLiteral("Error Number: 53"));
    QCOMPARE(lines.value(4), QStringLiteral("Location: frmEditor"));
    QCOMPARE(lines.value(5), QStringLiteral("Procedure: OpenFile"));
    QCOMPARE(lines.value(6), QStringLiteral("Filename: ") + path);
    // The command still finishes.
    QCOMPARE(editor.window->windowTitle(), QStringLiteral("missing.txt"));
    QCOMPARE(CategoryCaptions(editor), QStringList(6, QString()));
    QCOMPARE(StoredNames(editor), QStringList(6, QString()));
    QCOMPARE(editor.state.CurrentFileName, path);
    QCOMPARE(editor.selection(), qMakePair(1, 1));
    QVERIFY(!editor.state.DataChanged);
}

void TestFileCommands::openShowsTheSet_data() {
    QTest::addColumn<QString>("before"); // what was selected before Open
    QTest::newRow("from category 6") << "lblCategory_5";
    QTest::newRow("from the final question") << "picFinalQuestion";
}

void TestFileCommands::openShowsTheSet() {
    QFETCH(QString, before);
    QTemporaryDir dir;
    GameSet game;
    ResetGameSet(game);
    const QStringList names{"Rivers", "Lakes", "Seas", "Hills", "Caves", "Isles"};
    for (int index = 0; index < 6; ++index)
        game.CategoryNames[index].set(names[index]);
    game.question(1, 1).QuestionText.set(QStringLiteral("Longest river?"));
    game.question(4, 2).DailyDouble = QStringLiteral("Y");
    const QString path = WriteGameSetFile(game, dir.path(), QStringLiteral("geo.txt"));

    EditorHarness editor;
    editor.click(before);
    editor.state.DataChanged = false; // showing category 6 stored its default name
    editor.services.clearRecords();
    editor.services.setNextFileName(path);

    editor.click(QStringLiteral("btnFileOpen"));

    QVERIFY(editor.services.messages.isEmpty());
    QCOMPARE(CategoryCaptions(editor), names);
    QCOMPARE(editor.lineEdit(QStringLiteral("txtCategoryName"))->text(), QStringLiteral("Rivers"));
    QVERIFY(!editor.lineEdit(QStringLiteral("txtCategoryName"))->isReadOnly());
    QCOMPARE(editor.label(QStringLiteral("lblDisPlayQuestion"))->text(),
             QStringLiteral("Longest river?"));
    QCOMPARE(SquareColour(editor, 4, 1), 255u);
    QCOMPARE(SquareColour(editor, 4, 0), 0u);
    QList<bool> enabled;
    for (const QLabel* caption : editor.window->lblCategory)
        enabled.append(caption->isEnabled());
    QCOMPARE(enabled, (QList<bool>{false, true, true, true, true, true}));
    QCOMPARE(editor.shownArrows(), (QStringList{"lblC1Arrow", "lblQ1Arrow"}));
    QCOMPARE(editor.window->windowTitle(), QStringLiteral("geo.txt"));
    QCOMPARE(editor.state.CurrentFileName, path);
    QCOMPARE(editor.state.CurrentFilePath, path);
    QVERIFY(!editor.state.DataChanged);
}

void TestFileCommands::revisionWindow_data() {
    QTest::addColumn<bool>("byOk");
    QTest::newRow("OK") << true;
    QTest::newRow("close box") << false;
}

void TestFileCommands::revisionWindow() {
    QFETCH(bool, byOk);
    EditorHarness editor;
    editor.click(QStringLiteral("mnuFileRevision"));

    QPointer<QWidget> revision;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmRevision") && widget->isVisible())
            revision = widget;
    }
    QVERIFY(revision);
    QCOMPARE(revision->windowTitle(), QStringLiteral("Revision"));
    QCOMPARE(revision->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("04/24/2016"));
    QVERIFY(revision->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!editor.window->isEnabled());

    if (byOk)
        QTest::mouseClick(revision->findChild<QPushButton*>(QStringLiteral("btnOK")),
                          Qt::LeftButton);
    else
        revision->close();

    QVERIFY(editor.window->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!revision);
}

void TestFileCommands::shortcuts_data() {
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("asks"); // "question" (the unsaved-changes prompt) or "save"

    QTest::newRow("Ctrl+N") << QKeyCombination(Qt::ControlModifier, Qt::Key_N) << "mnuFileNew"
                            << "question";
    QTest::newRow("Ctrl+O") << QKeyCombination(Qt::ControlModifier, Qt::Key_O) << "mnuFileOpen"
                            << "question";
    QTest::newRow("Ctrl+S") << QKeyCombination(Qt::ControlModifier, Qt::Key_S) << "mnuFileSave"
                            << "save";
    QTest::newRow("Ctrl+Shift+S") << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier,
                                                     Qt::Key_S)
                                  << "mnuSaveAs"
                                  << "save";
    QTest::newRow("Ctrl+Q") << QKeyCombination(Qt::ControlModifier, Qt::Key_Q) << "mnuFileExit"
                            << "question";
    QTest::newRow("Ctrl+P") << QKeyCombination(Qt::ControlModifier, Qt::Key_P) << "mnuFilePrint"
                            << QString();
}

void TestFileCommands::shortcuts() {
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, command);
    QFETCH(QString, asks);
    EditorHarness editor;
    QCOMPARE(editor.action(command)->shortcut(), QKeySequence(keys));
    if (asks.isEmpty())
        return; // printing opens its own window; the binding is what is checked
    MakeEdit(editor);
    editor.services.clearRecords();
    editor.services.setNextAnswer(MessageAnswer::Cancel);
    editor.services.setNextFileName(QString());

    QTest::keyClick(editor.window.get(), keys.key(), keys.keyboardModifiers());

    if (asks == QLatin1String("question")) {
        QCOMPARE(editor.services.messageTexts(), QStringList{SaveQuestion});
    } else {
        QCOMPARE(editor.services.chooserCalls.size(), 1);
        QCOMPARE(editor.services.chooserCalls.first().kind, asks);
    }
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
