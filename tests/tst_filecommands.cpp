// The File menu's commands without the window: what is written where, what
// the author is asked, and that nothing unsaved is dropped unasked.
#include "scriptedservices.h"
#include "testdata.h"

#include "document/gamesetdocument.h"
#include "editor/boardselection.h"
#include "editor/filecommands.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void saveAndExitKeepTheAuthorsWork_data() {
        // start: untitled, titled (its file holds "old"), recovered (from that file);
        // chosen: the name given to the save chooser; said: in the messages, "" for none;
        // written: the set is in the file; changed: the set is still unsaved afterwards.
        Columns<QString, QString, MessageAnswer, QString, int, QString, bool, bool>(
            "command", "start", "answer", "chosen", "choosers", "said", "written", "changed");
        const auto none = MessageAnswer::Ok;
        AddRow("untitled Save asks for a file", u"save"_s, u"untitled"_s, none, u"set.txt"_s, 1,
               QString(), true, false);
        AddRow("titled Save writes in place", u"save"_s, u"titled"_s, none, QString(), 0, QString(),
               true, false);
        AddRow("recovered Save asks, Yes", u"save"_s, u"recovered"_s, MessageAnswer::Yes, QString(),
               0, u"Save them over"_s, true, false);
        AddRow("recovered Save asks, No", u"save"_s, u"recovered"_s, MessageAnswer::No, QString(),
               0, u"Save them over"_s, false, true);
        AddRow("failed save is shown", u"save"_s, u"untitled"_s, none, u"blocker/set.txt"_s, 1,
               u"blocker/set.txt"_s, false, true);
        AddRow("Exit, Yes saves", u"exit"_s, u"untitled"_s, MessageAnswer::Yes, u"set.txt"_s, 1,
               u"save the changes"_s, true, false);
        AddRow("Exit, No drops the changes", u"exit"_s, u"untitled"_s, MessageAnswer::No, QString(),
               0, u"save the changes"_s, false, false);
        AddRow("Exit, Cancel stays", u"exit"_s, u"untitled"_s, MessageAnswer::Cancel, QString(), 0,
               u"save the changes"_s, false, true);
        AddRow("Exit, Yes but the write fails stays", u"exit"_s, u"untitled"_s, MessageAnswer::Yes,
               u"blocker/set.txt"_s, 1, u"blocker/set.txt"_s, false, true);
    }

    void saveAndExitKeepTheAuthorsWork() {
        const auto [command, start, answer, chosen, choosers, said, written, changed] =
            Fetch<QString, QString, MessageAnswer, QString, int, QString, bool, bool>(
                "command", "start", "answer", "chosen", "choosers", "said", "written", "changed");
        QTemporaryDir folder;
        WriteFile(folder, u"blocker"_s, "a file, not a folder");
        const QString own = WriteFile(folder, u"own.txt"_s, "old");
        ScriptedServices services;
        GameSetDocument document;
        CommandGuard guard(services);
        QWidget window;
        QMenu menu;
        QLabel notice;
        FileCommands files(document, services, guard, {&window, &menu, &notice}, {});

        GameSet game = ResetGame();
        game.CategoryNames[0].set(u"Rivers"_s);
        document.replace(game, start == u"untitled"_s ? QString() : own, true);
        if (start == u"recovered"_s)
            files.RecoveredFileName = own;
        if (answer != MessageAnswer::Ok)
            services.setNextAnswer(answer);
        if (!chosen.isEmpty())
            services.setNextFileName(folder.filePath(chosen));

        // Media follow a set saved into another folder: the shell hears of every save.
        QSignalSpy saved(&files, &FileCommands::setSaved);
        bool cancel = false;
        if (command == u"save"_s)
            files.mnuFileSave_Click();
        else
            files.Form_Unload(cancel);

        const QString target = folder.filePath(chosen.isEmpty() ? u"own.txt"_s : chosen);
        QCOMPARE(FileContents(target).contains("Rivers"), written);
        QCOMPARE(document.isModified(), changed);
        QCOMPARE(saved.size(), written ? 1 : 0);
        if (command == u"exit"_s)
            QCOMPARE(cancel, changed);
        else if (written)
            QCOMPARE(document.fileName(), target);
        QCOMPARE(services.chooserCalls.size(), choosers);
        const QString messages = services.messageTexts().join(u'\n');
        QVERIFY2(said.isEmpty() ? messages.isEmpty() : messages.contains(said),
                 qPrintable(messages));
        QVERIFY2(services.unanswered.isEmpty(), qPrintable(services.unanswered.join(u'\n')));
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
