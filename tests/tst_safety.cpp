// Where doing what the author asked, step by step, used to lose their work.
#include "editorharness.h"
#include "testdata.h"

#include "app/startup.h"
#include "document/autosave.h"
#include "tool/commands.h"
#include "util/pathhelpers.h"

#include <QDir>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>

#include <csignal>
#include <sys/stat.h>

namespace {

const QString Omega = u"\u03A9"_s;

// Private folders whose game settings name `game`; the editor quits once shown.
QProcessEnvironment PrivateEnvironment(const QTemporaryDir& home, const QString& game) {
    QDir(home.path()).mkpath(u"config/QZV"_s);
    WriteFile(home, u"config/QZV/QZV.ini"_s,
              "[Settings]\nEditCurrentGame=1\nGame=" + game.toUtf8());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
    environment.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
    environment.insert(u"QZ_QUIT_AFTER_SHOW"_s, u"1"_s);
    return environment;
}

bool Said(const EditorHarness& editor, const QString& text) {
    return editor.services.messageTexts().join('\n').contains(text);
}

qint64 StatusKiB(const QString& key) {
    const QString status = QString::fromLatin1(FileContents(u"/proc/self/status"_s));
    return status.section(key, 1).section(u"kB"_s, 0, 0).trimmed().toLongLong();
}

} // namespace

class TestSafety : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void importTakesSpreadsheetExports_data() {
        using Bytes = QByteArray;
        // answer: to the question about rows that do not fit; said: message lines.
        Columns<QByteArray, MessageAnswer, QString>("bytes", "answer", "said");
        AddRow("UTF-8, no mark", Bytes("Caf\xc3\xa9\nQ \xce\xa9\nA\n"), MessageAnswer::ImportAnyway,
               "3 rows, 68 expected");
        AddRow("rows that do not fit, Cancel", Bytes("S\r\nQ\r\nA\r\n"), MessageAnswer::Cancel,
               "3 rows, 68 expected");
        AddRow("error names file and line", "C\nQ\n" + Bytes(40000, 'a') + "\tB\n",
               MessageAnswer::ImportAnyway, u"Error Number: 6|Filename: |Line: 3"_s);
        AddRow("cancelled", Bytes(), MessageAnswer::ImportAnyway, QString());
    }

    void importTakesSpreadsheetExports() {
        auto [bytes, answer, said] =
            Fetch<QByteArray, MessageAnswer, QString>("bytes", "answer", "said");
        QTemporaryDir folder;
        const QString set =
            WriteFile(folder, u"set.txt"_s,
                      FileContents(QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt")));
        EditorHarness editor({}, set);
        const QString title = editor.window->windowTitle();
        editor.document.setAnswer({1, 1}, u"typed"_s);
        const QString path = bytes.isNull() ? QString() : WriteFile(folder, u"b.csv"_s, bytes);
        editor.services.setNextFileName(path);
        editor.services.setNextAnswer(answer);
        editor.click(u"mnuImportTabDelimited"_s);
        const QString filter = ToQtFileFilter(editor.services.chooserCalls.value(0).filter);
        QVERIFY(filter.endsWith(u"(*.txt);;Spreadsheet text (*.tsv *.tab *.csv);;All files (*)"_s));
        for (const QString& line : said.split('|', Qt::SkipEmptyParts))
            QVERIFY(Said(editor, line + (line.startsWith('F') ? path : QString())));
        const auto board = [&] {
            const QuestionRecord& first = editor.record(1);
            return QStringList{editor.label(u"lblCategory_0"_s)->text(),
                               first.QuestionText.trimmed(), first.Answers[0].trimmed()};
        };
        if (answer == MessageAnswer::Cancel || !said.startsWith('3')) {
            // The author's board and its unsaved change stay.
            QCOMPARE(board().value(0) + board().value(2), u"WORLD CAPITALStyped"_s);
            QVERIFY(editor.document.isModified());
            return;
        }
        QCOMPARE(editor.services.messages.last().buttons, MessageButtons::ImportAnywayCancel);
        const QStringList imported{u"CAF\u00C9"_s, u"Q \u03A9"_s, u"A"_s};
        QCOMPARE(board(), imported);
        // A new, unsaved board, one Undo away from the board it replaced.
        QVERIFY(editor.document.isModified() && editor.document.undoStack().count() == 2);
        QVERIFY(editor.document.fileName().isEmpty() &&
                editor.window->windowTitle().endsWith(u"untitled[*]"_s));

        // The tool never writes over its input, and names the square once.
        QCOMPARE(RunTool({u"import"_s, path, folder.filePath(u"./b.csv"_s)}).exitCode, 1);
        QCOMPARE(FileContents(path), bytes);
        const ToolRun run = RunTool({u"import"_s, path, folder.filePath(u"out.txt"_s)});
        QCOMPARE(run.exitCode, CheckFindingsStatus);
        QCOMPARE(run.out.join('\n').count(u"Category 1, question 1, in the question: "_s + Omega),
                 1);
        QVERIFY(QFile::exists(folder.filePath(u"out.txt"_s)));
        // Undo Import brings back the board, its file and its unsaved change; Redo the import.
        QCOMPARE(editor.action(u"mnuEditUndo"_s)->text(), u"&Undo Import"_s);
        editor.action(u"mnuEditUndo"_s)->trigger();
        QCOMPARE(board().value(0) + board().value(2), u"WORLD CAPITALStyped"_s);
        QVERIFY(editor.document.isModified() && editor.document.fileName() == set &&
                editor.window->windowTitle() == title);
        editor.action(u"mnuEditRedo"_s)->trigger();
        QCOMPARE(board(), imported);
        QVERIFY(editor.document.fileName().isEmpty());
    }

    void unsavedChangesSurviveACrash() {
        QTemporaryDir home;
        GameSet game = ResetGame(); // with a picture and a sound question: kinds come back too
        game.CategoryNames[3].set(u"Circuits"_s);
        QuestionRecord &picture = game.question(2, 1), &sound = game.question(3, 2);
        picture.QuestionText.set(u"C:\\Pics\\tower.jpg"_s);
        picture.QuestionType = u"P"_s;
        sound.MediaPath.set(u"C:\\Clips\\bell.wav"_s);
        sound.QuestionText.set(u"Listen"_s);
        sound.QuestionType = u"S"_s;
        sound.DailyDouble = u"Y"_s;
        const QString board = WriteGameSetFile(game, home.path(), u"board.txt"_s);
        const QByteArray onDisk = FileContents(board);
        const QString folder = home.filePath(u"data/QuizmoraEditor/recovery"_s);
        const QString answer = u"Ohm's "_s + Omega;
        QProcess child;
        child.setProcessEnvironment(PrivateEnvironment(home, board));
        child.start(QStringLiteral(QZ_EDITING_CHILD_PATH), {board, answer});
        const auto copies = [&] { return QDir(folder).entryList({u"*.json"_s}, QDir::Files); };
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 20000);
        GameSetDocument bystander; // a second editor does not take a running editor's copy
        QVERIFY(Autosave(bystander, folder).claimAbandonedCopies().isEmpty());
        kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QFile damaged(QDir(folder).filePath(u"recovery-1.json"_s)); // older, and put aside
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{") == 1 && damaged.flush());
        QVERIFY(damaged.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)),
                                    QFileDevice::FileModificationTime));
        damaged.close();
        // A copy that never ends is not read at all.
        QVERIFY(QFile::link(u"/dev/zero"_s, QDir(folder).filePath(u"recovery-0.json"_s)));

        EditorHarness editor({{u"EditCurrentGame"_s, u"1"_s}, {u"Game"_s, board}});
        editor.services.setNextAnswer(MessageAnswer::Discard);
        editor.services.setNextAnswer(MessageAnswer::Discard);
        editor.services.setNextAnswer(MessageAnswer::Recover);
        const auto autosave = StartRecovery(*editor.window, editor.document, folder);
        QVERIFY(Said(editor, u"A recovery copy could not be read:\r\n"_s + damaged.fileName()));
        QCOMPARE(QDir(folder + u"/damaged"_s)
                     .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{u"recovery-0.json"_s, u"recovery-1.json"_s}));
        QVERIFY(Said(editor, u"Recover unsaved changes to board.txt from "_s));
        QCOMPARE(editor.lineEdit(u"txtAnswer"_s)->text(), answer);
        GameSet opened = ReadGameSet(onDisk); // the set as the child had it
        opened.question(1, 1).Answers[0].set(answer);
        QCOMPARE(FileLines(editor.savedBytes()), FileLines(WriteGameSet(opened)));
        QVERIFY(editor.document.isModified() && editor.document.fileName() == board);
        QCOMPARE(copies(), QStringList{QFileInfo(autosave->copyPath()).fileName()});

        // Save asks before writing over the file the set came from.
        editor.services.setNextAnswer(MessageAnswer::SaveAnyway);
        editor.services.setNextAnswer(MessageAnswer::No);
        editor.click(u"mnuFileSave"_s);
        QVERIFY(Said(editor, u"Save them over "_s + board + '?'));
        QCOMPARE(FileContents(board), onDisk);
        // Leaving without saving, on purpose, leaves no copy.
        editor.services.setNextAnswer(MessageAnswer::No);
        editor.click(u"mnuFileExit"_s);
        QTRY_COMPARE(copies(), QStringList());
    }

    // Discard deletes an abandoned copy; closing the question keeps it for a later start.
    void recoveryDeclined() {
        QTemporaryDir folder;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const QString& name : {u"recovery-1.json"_s, u"recovery-2.json"_s})
            WriteFile(folder, name, Autosave::EncodeCopy(ResetGame(), QString(), now));
        EditorHarness editor;
        editor.services.setNextAnswer(MessageAnswer::Discard);
        editor.services.setNextAnswer(MessageAnswer::Cancel);
        const auto autosave = StartRecovery(*editor.window, editor.document, folder.path());
        QVERIFY(Said(editor, u"Recover unsaved changes to untitled from "_s));
        QVERIFY(!editor.document.isModified());
        GameSetDocument later;
        QTRY_COMPARE(Autosave(later, folder.path()).claimAbandonedCopies().size(), 1);
    }

    // The copy follows the unsaved changes: written after a pause, written again after
    // the next change, gone once nothing is unsaved, private whatever the umask; a copy
    // that cannot be written is reported once, until one can.
    void recoveryCopyFollowsTheDocument() {
        QTemporaryDir folder;
        const mode_t mask = umask(0);
        const auto restoreMask = qScopeGuard([mask] { umask(mask); });
        GameSetDocument document;
        document.newSet();
        Autosave autosave(document, folder.path());
        const QString& copy = autosave.copyPath();
        const auto held = [&] {
            const GameSet kept = Autosave::DecodeCopy(FileContents(copy)).game;
            return kept.question(2, 3).Answers[0].trimmed();
        };
        document.setAnswer({2, 3}, u"one"_s);
        QVERIFY(!QFile::exists(copy)); // not on every keystroke
        QTRY_COMPARE_WITH_TIMEOUT(held(), u"one"_s, 8000);
        QCOMPARE(QFile::permissions(copy) & 0x0777, QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(QFile::permissions(folder.path()) & 0x0777,
                 QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        document.endTyping();
        document.setAnswer({2, 3}, u"two"_s);
        QTRY_COMPARE_WITH_TIMEOUT(held(), u"two"_s, 8000);
        while (document.isModified())
            document.undoStack().undo();
        QTRY_VERIFY(!QFile::exists(copy));
        document.setAnswer({2, 3}, u"three"_s);
        document.replace(document.game(), QString(), true); // an import over unsaved changes
        QTRY_COMPARE_WITH_TIMEOUT(held(), u"three"_s, 8000);
        QVERIFY(!document.save(folder.filePath(u"set.txt"_s)).failed());
        QTRY_VERIFY(!QFile::exists(copy));

        Autosave blocked(document, folder.filePath(u"set.txt/recovery"_s)); // under a file
        QSignalSpy problems(&blocked, &Autosave::problemChanged);
        for (const QString& answer : {u"four"_s, u"five"_s}) {
            document.setAnswer({2, 3}, answer);
            blocked.writeNow();
            QTRY_COMPARE(problems.size(), 1); // at the first write, and only then
        }
        QTest::qWait(200);
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().first().toString().contains(blocked.copyPath()));
        QVERIFY(QFile::remove(folder.filePath(u"set.txt"_s)));
        QVERIFY(QDir().mkpath(folder.filePath(u"set.txt/recovery"_s)));
        document.setAnswer({2, 3}, u"six"_s);
        blocked.writeNow();
        QTRY_COMPARE(problems.size(), 2);
        QCOMPARE(problems.last().first().toString(), QString());
    }

    void anotherProgramWroteTheSet_data() {
        // answer: to the question (Ok: none asked); onDisk: the file's answer then ("": gone).
        Columns<QString, QString, MessageAnswer, QString>("change", "command", "answer", "onDisk");
        using A = MessageAnswer;
        AddRow("unchanged", "", "mnuFileSave", A::Ok, "ours");
        AddRow("our own save before", "own save", "mnuFileSave", A::Ok, "ours");
        AddRow("rewritten, Cancel", "rewrite", "mnuFileSave", A::Cancel, "theirs");
        AddRow("same size and time", "same size", "mnuFileSave", A::SaveAnyway, "ours");
        AddRow("removed, Cancel", "remove", "mnuFileSave", A::Cancel, "");
        AddRow("rewritten, Save As", "rewrite", "mnuFileSave", A::SaveAs, "theirs");
        AddRow("New's prompt, Cancel", "rewrite", "mnuFileNew", A::Cancel, "theirs");
        AddRow("Exit's prompt, Save Anyway", "rewrite", "mnuFileExit", A::SaveAnyway, "ours");
    }

    void anotherProgramWroteTheSet() {
        auto [change, command, answer, onDisk] = Fetch<QString, QString, MessageAnswer, QString>(
            "change", "command", "answer", "onDisk");
        QTemporaryDir folder;
        GameSet game = ResetGame();
        game.question(1, 1).Answers[0].set(u"first"_s);
        const QString path = WriteGameSetFile(game, folder.path(), u"set.txt"_s);
        EditorHarness editor({}, path);
        if (change == u"own save"_s)
            editor.click(u"mnuFileSave"_s);
        editor.document.setAnswer({1, 1}, u"ours"_s);
        const QDateTime opened = QFileInfo(path).lastModified();
        game.question(1, 1).Answers[0].set(change == u"same size"_s ? u"fir5t"_s : u"theirs"_s);
        if (change == u"remove"_s)
            QVERIFY(QFile::remove(path));
        else if (change == u"rewrite"_s || change == u"same size"_s)
            QVERIFY(!WriteFile(folder, u"set.txt"_s, WriteGameSet(game)).isEmpty());
        QFile written(path); // the same size and time: only the bytes tell
        QVERIFY(change != u"same size"_s ||
                (written.open(QIODevice::ReadWrite) &&
                 written.setFileTime(opened, QFileDevice::FileModificationTime)));
        if (command != u"mnuFileSave"_s)
            editor.services.setNextAnswer(MessageAnswer::Yes); // save the changes
        if (command == u"mnuFileExit"_s)
            editor.services.setNextFileName(path);
        if (answer != MessageAnswer::Ok)
            editor.services.setNextAnswer(answer);
        if (answer == MessageAnswer::SaveAs)
            editor.services.setNextFileName(folder.filePath(u"other.txt"_s));
        editor.click(command);

        const QString question = u"set.txt was changed by another program since you opened it."_s;
        QCOMPARE(editor.services.messageTexts().count(question), int(answer != MessageAnswer::Ok));
        const auto answerIn = [](const QString& file) {
            return QFile::exists(file) ? FileLines(FileContents(file)).value(2).section('^', 0, 0)
                                       : QString();
        };
        QCOMPARE(answerIn(path), onDisk);
        QCOMPARE(answerIn(folder.filePath(u"other.txt"_s)),
                 answer == MessageAnswer::SaveAs ? u"ours"_s : QString());
    }

    void setChangedWhileOpen_data() {
        // reply: to the offer to reload, Ok when none is expected; answer: the board's after.
        Columns<bool, MessageAnswer, QString>("unsaved", "reply", "answer");
        AddRow("no changes, reload", false, MessageAnswer::Yes, "theirs");
        AddRow("no changes, keep", false, MessageAnswer::No, "");
        AddRow("unsaved changes", true, MessageAnswer::Ok, "ours");
    }

    void setChangedWhileOpen() {
        auto [unsaved, reply, answer] =
            Fetch<bool, MessageAnswer, QString>("unsaved", "reply", "answer");
        const bool reloads = answer == u"theirs"_s;
        QTemporaryDir folder;
        GameSet game = ResetGame();
        const QString path = WriteGameSetFile(game, folder.path(), u"set.txt"_s);
        EditorHarness editor({}, path);
        editor.click(u"mnuFileSave"_s); // our own save is no news
        if (unsaved)
            editor.document.setAnswer({1, 1}, u"ours"_s);
        QTest::qWait(400);
        QVERIFY(editor.services.messages.isEmpty());
        if (reply != MessageAnswer::Ok)
            editor.services.setNextAnswer(reply);
        game.question(1, 1).Answers[0].set(u"theirs"_s);
        QVERIFY(!WriteFile(folder, u"set.txt"_s, WriteGameSet(game)).isEmpty());
        const QLabel* notice = editor.label(u"lblChangedOnDisk"_s);
        QTRY_VERIFY(!editor.services.messages.isEmpty() || !notice->isHidden());
        QTRY_COMPARE(notice->isHidden(), reloads);
        QCOMPARE(Said(editor, u"set.txt was changed by another program. Reload it?"_s), !unsaved);
        QCOMPARE(editor.record(1).Answers[0].trimmed(), answer);
        // The next save asks, unless the board was reloaded; a save ends the notice.
        if (!reloads)
            editor.services.setNextAnswer(MessageAnswer::SaveAnyway);
        editor.click(u"mnuFileSave"_s);
        QCOMPARE(Said(editor, u"since you opened it."_s), !reloads);
        QVERIFY(notice->isHidden() && editor.services.unanswered.isEmpty());
    }

    // Two real editors on one set; a crashed one's lock is taken over, moved by Save As.
    void lockedByAnotherEditor() {
        QTemporaryDir folder;
        const QString path = WriteGameSetFile(ResetGame(), folder.path(), u"set.txt"_s);
        const QString lock = folder.filePath(u".set.txt.lock"_s);
        QProcess first; // in this test's own home
        first.start(QStringLiteral(QZ_EDITOR_PATH), {path});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 20000);
        const QString holder =
            u"set.txt is open in another editor: quizmora-editor, process %1 on %2."_s
                .arg(first.processId())
                .arg(QSysInfo::machineHostName());
        {
            EditorHarness second;
            for (MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::OpenAnyway}) {
                second.services.setNextAnswer(answer);
                second.services.setNextFileName(path);
                second.click(u"mnuFileOpen"_s);
                QCOMPARE(second.document.fileName(),
                         answer == MessageAnswer::Cancel ? QString() : path);
            }
            QCOMPARE(second.services.messageTexts().filter(holder).size(), 2);
            second.click(u"mnuFileNew"_s); // the first editor's lock stays
        }
        kill(static_cast<pid_t>(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(10000));
        QVERIFY(QFile::exists(lock)); // neither the second editor nor the crash removed it

        EditorHarness third({}, path);
        QCOMPARE(third.services.messageTexts(), QStringList());
        QCOMPARE(FileContents(lock).split('\n').value(0).toLongLong(),
                 QCoreApplication::applicationPid());
        third.services.setNextFileName(folder.filePath(u"moved.txt"_s));
        third.click(u"mnuSaveAs"_s);
        const QString moved = folder.filePath(u".moved.txt.lock"_s);
        QVERIFY(!QFile::exists(lock) && QFile::exists(moved));
        third.click(u"mnuFileNew"_s);
        QVERIFY(!QFile::exists(moved));
    }

    void picturesInBoundedMemory_data() {
        // The message is "" when the picture shows.
        Columns<QString, QString>("name", "message");
        AddRow("36-megapixel JPEG", "big.jpg", "");
        AddRow("3-megapixel BMP", "big.bmp", "");
        AddRow("20000 x 20000 BMP", "huge.bmp", "too large to show: 20000 x 20000 pixels");
    }

    void picturesInBoundedMemory() {
        auto [name, message] = Fetch<QString, QString>("name", "message");
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        const auto jpeg = [](const QString& file, const QSize& size) {
            QImage colour(size, QImage::Format_RGB888);
            colour.fill(Qt::darkCyan);
            return colour.save(file, "JPEG", 10);
        };
        QVERIFY(jpeg(folder.filePath(u"first.jpg"_s), QSize(40, 30)));
        // A header is all the size check needs: no 1.6 GB of pixels.
        const QByteArray bmp(
            "BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x20\x4e\0\0\x20\x4e\0\0\1\0\x18", 29);
        QVERIFY(name == u"big.jpg"_s ? jpeg(path, QSize(7360, 4912))
                : name == u"big.bmp"_s
                    ? QImage(2000, 1500, QImage::Format_RGB888).save(path)
                    : !WriteFile(folder, name, bmp + QByteArray(25, 0)).isEmpty());
        EditorHarness editor;
        QVERIFY(editor.window->m_panel->DisPlayPicture(folder.filePath(u"first.jpg"_s)));
        QFile peak(u"/proc/self/clear_refs"_s); // "5" starts the peak anew
        QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1 && peak.flush());
        const qint64 before = StatusKiB(u"VmRSS:"_s);
        QCOMPARE(editor.window->m_panel->DisPlayPicture(path), message.isEmpty());
        const qint64 extraKiB = StatusKiB(u"VmHWM:"_s) - before;
        QVERIFY(Said(editor, message));
        // A picture that cannot be shown does not leave the previous one.
        const QLabel* preview = editor.label(u"picImageResize"_s);
        QCOMPARE(preview->pixmap().isNull(), !message.isEmpty());
        // The preview keeps no more pixels than it shows.
        QVERIFY(!message.isEmpty() || preview->pixmap().size() == preview->size());
        QVERIFY2(extraKiB < 64 * 1024, qPrintable(QString::number(extraKiB)));
        qInfo("showing %s took %lld KiB more memory at its peak", qPrintable(name), extraKiB);
    }
};

QTEST_MAIN(TestSafety)
#include "tst_safety.moc"
