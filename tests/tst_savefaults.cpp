// Saving under faults: a device that gives out at any byte, a full disk, a
// file-size limit, targets that cannot be written. A failed save must say so
// with the error the user is shown, and must leave the previous file exactly
// as it was, with no temporary file left beside it.
#include "faildevice.h"

#include "model/fileerror.h"
#include "model/gamesetfile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString AccessErrorText = QStringLiteral("Path/File access error");
const QString DiskFullText = QStringLiteral("Disk full");

GameSet exampleGame() {
    GameSet game;
    const FileError error =
        OpenFile(game, QStringLiteral(QZ_SOURCE_DIR "/examples/world-tour.txt"));
    if (error.failed())
        qFatal("cannot read the example game set: %s", qPrintable(error.description));
    return game;
}

// Every field filled to its width: the largest file a game set can make.
GameSet fullGame() {
    GameSet game;
    ResetGameSet(game);
    game.Final.QuestionType = QStringLiteral("T");
    for (int c = 1; c <= 6; ++c) {
        game.CategoryNames[c - 1].set(QString(32, QLatin1Char('A' + c)));
        for (int q = 1; q <= 5; ++q) {
            QuestionRecord& record = game.question(c, q);
            record.QuestionText.set(QString(256, QLatin1Char('q')));
            for (auto& answer : record.Answers)
                answer.set(QString(300, QLatin1Char('a')));
        }
    }
    game.Final.QuestionText.set(QString(256, QLatin1Char('f')));
    for (auto& answer : game.Final.Answers)
        answer.set(QString(300, QLatin1Char('b')));
    return game;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What one faulty save did, seen from outside.
struct SaveOutcome {
    QString skipReason;  // set when the fault cannot be staged here
    int number = -1;     // the error number SaveFile returned
    QString description; // and its text
    bool previousIntact = false;
    QStringList folderEntries; // what the folder holds afterwards
};

enum class Fault {
    SizeLimit,
    DiskFull,
    TargetIsFolder,
    ParentIsFile,
    WriteProtectedFolder,
};

const QByteArray PreviousBytes = "the previous game set\r\n";

bool writeProcFile(const char* path, const QByteArray& text) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Without root: a user namespace of our own, mapping us to its root, in which
// mounting a small file system is allowed.
bool enterUserNamespace() {
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    writeProcFile("/proc/self/setgroups", "deny");
    return writeProcFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") &&
           writeProcFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1");
}

// Stages the fault in `folder`, saves over "set.txt" (or the fault's path) and
// checks the old contents afterwards. Runs in a child process where the fault
// changes process-wide state; the child passes its outcome back through a pipe.
SaveOutcome stageAndSave(Fault fault, const QString& folder) {
    SaveOutcome outcome;
    const QString target = QDir(folder).filePath(QStringLiteral("set.txt"));
    QString savePath = target;
    QString keptPath = target; // the file that must come through unchanged

    switch (fault) {
    case Fault::TargetIsFolder:
        QDir(folder).mkdir(QStringLiteral("set.txt"));
        keptPath = QDir(target).filePath(QStringLiteral("inside.txt"));
        break;
    case Fault::ParentIsFile:
        savePath = target + QStringLiteral("/game.txt");
        break;
    case Fault::DiskFull: {
        // A tiny file system of its own, in a mount namespace only this
        // process sees, so filling it disturbs nobody.
        if (unshare(CLONE_NEWNS) != 0 && !enterUserNamespace()) {
            outcome.skipReason = QStringLiteral("no mount namespace: %1").arg(strerror(errno));
            return outcome;
        }
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        if (mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0) {
            outcome.skipReason = QStringLiteral("cannot mount tmpfs: %1").arg(strerror(errno));
            return outcome;
        }
        break;
    }
    case Fault::SizeLimit: {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            outcome.skipReason = QStringLiteral("cannot limit file size");
            return outcome;
        }
        break;
    }
    case Fault::WriteProtectedFolder:
        break;
    }

    if (!writeFile(keptPath, PreviousBytes)) {
        outcome.skipReason = QStringLiteral("cannot write the previous file");
        return outcome;
    }
    if (fault == Fault::WriteProtectedFolder) {
        if (geteuid() == 0) {
            outcome.skipReason = QStringLiteral("root writes into protected folders");
            return outcome;
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }

    GameSet game = fullGame();
    const FileError error = SaveFile(game, savePath);
    outcome.number = error.number;
    outcome.description = error.description;
    outcome.previousIntact = contentsOf(keptPath) == PreviousBytes;
    outcome.folderEntries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                   QDir::Hidden | QDir::System);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return outcome;
}

QByteArray encode(const SaveOutcome& outcome) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << outcome.skipReason << outcome.number << outcome.description << outcome.previousIntact
           << outcome.folderEntries;
    return bytes;
}

SaveOutcome decode(const QByteArray& bytes) {
    SaveOutcome outcome;
    QDataStream stream(bytes);
    stream >> outcome.skipReason >> outcome.number >> outcome.description >>
        outcome.previousIntact >> outcome.folderEntries;
    return outcome;
}

SaveOutcome saveInChild(Fault fault, const QString& folder) {
    int channel[2];
    if (pipe(channel) != 0)
        qFatal("pipe failed");
    const pid_t child = fork();
    if (child < 0)
        qFatal("fork failed");
    if (child == 0) {
        close(channel[0]);
        const QByteArray bytes = encode(stageAndSave(fault, folder));
        qint64 sent = 0;
        while (sent < bytes.size()) {
            const ssize_t count = write(channel[1], bytes.constData() + sent,
                                        static_cast<size_t>(bytes.size() - sent));
            if (count <= 0)
                _exit(2);
            sent += count;
        }
        _exit(0);
    }
    close(channel[1]);
    QByteArray bytes;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(channel[0], buffer, sizeof buffer)) > 0)
        bytes.append(buffer, count);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        SaveOutcome failed;
        failed.skipReason =
            QStringLiteral("the child process did not finish (status %1)").arg(status);
        return failed;
    }
    return decode(bytes);
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT

private slots:
    // The device gives out after every possible number of bytes: the writer
    // must fail each time, having written no more than the device took.
    void deviceFailsAtEveryOffset_data() {
        QTest::addColumn<QString>("which");
        QTest::newRow("example set") << QStringLiteral("example");
        QTest::newRow("reset set") << QStringLiteral("reset");
    }

    void deviceFailsAtEveryOffset() {
        QFETCH(QString, which);
        GameSet game;
        if (which == QLatin1String("example")) {
            game = exampleGame();
        } else {
            ResetGameSet(game);
            game.Final.QuestionType = QStringLiteral("T");
        }
        GameSet copy = game;
        const QByteArray whole = WriteGameSet(copy);
        QVERIFY(whole.size() > 500);

        for (qint64 capacity = 0; capacity < whole.size(); ++capacity) {
            GameSet attempt = game;
            FailDevice device(capacity);
            QVERIFY(device.open(QIODevice::WriteOnly));
            const FileError error = WriteGameSet(attempt, device);
            if (!error.failed())
                QFAIL(qPrintable(QStringLiteral("a device full after %1 of %2 bytes reported "
                                                "success")
                                     .arg(capacity)
                                     .arg(whole.size())));
            if (error.number != ErrorNumber::PathFileAccess || error.description != AccessErrorText)
                QFAIL(qPrintable(QStringLiteral("after %1 bytes: error %2 \"%3\"")
                                     .arg(capacity)
                                     .arg(error.number)
                                     .arg(error.description)));
            if (device.written() != whole.left(capacity))
                QFAIL(qPrintable(
                    QStringLiteral("after %1 bytes the device holds other bytes").arg(capacity)));
        }

        FailDevice roomy(whole.size());
        QVERIFY(roomy.open(QIODevice::WriteOnly));
        QVERIFY(!WriteGameSet(game, roomy).failed());
        QCOMPARE(roomy.written(), whole);
    }

    // A real device that is always full: the user is told the disk is full,
    // whether the file is buffered or not.
    void fullDeviceReportsDiskFull_data() {
        QTest::addColumn<bool>("unbuffered");
        QTest::newRow("unbuffered") << true;
        QTest::newRow("buffered") << false;
    }

    void fullDeviceReportsDiskFull() {
        QFETCH(bool, unbuffered);
        QFile device(QStringLiteral("/dev/full"));
        if (!device.exists())
            QSKIP("no /dev/full here");
        QIODevice::OpenMode mode = QIODevice::WriteOnly;
        if (unbuffered)
            mode |= QIODevice::Unbuffered;
        QVERIFY(device.open(mode));
        GameSet game = exampleGame();
        const FileError error = WriteGameSet(game, device);
        QCOMPARE(error.number, ErrorNumber::DiskFull);
        QCOMPARE(error.description, DiskFullText);
    }

    void saveFault_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("file size limit")
            << int(Fault::SizeLimit) << ErrorNumber::DiskFull << DiskFullText;
        QTest::newRow("disk full") << int(Fault::DiskFull) << ErrorNumber::DiskFull << DiskFullText;
        QTest::newRow("target is a folder")
            << int(Fault::TargetIsFolder) << ErrorNumber::PathFileAccess << AccessErrorText;
        QTest::newRow("parent is a file")
            << int(Fault::ParentIsFile) << ErrorNumber::PathFileAccess << AccessErrorText;
        QTest::newRow("write-protected folder")
            << int(Fault::WriteProtectedFolder) << ErrorNumber::PathFileAccess << AccessErrorText;
    }

    void saveFault() {
        QFETCH(int, fault);
        QFETCH(int, number);
        QFETCH(QString, description);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        const SaveOutcome outcome = saveInChild(static_cast<Fault>(fault), dir.path());
        if (!outcome.skipReason.isEmpty())
            QSKIP(qPrintable(outcome.skipReason));

        QCOMPARE(outcome.number, number);
        QCOMPARE(outcome.description, description);
        QVERIFY(outcome.previousIntact);
        // Only the previous file (or folder) is there: no temporary file is left.
        QCOMPARE(outcome.folderEntries, QStringList{QStringLiteral("set.txt")});
    }

    // The control: the same save with no fault replaces the previous file.
    void saveWithoutFaultReplaces() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("set.txt"));
        QVERIFY(writeFile(path, PreviousBytes));
        GameSet game = fullGame();
        QVERIFY(!SaveFile(game, path).failed());
        GameSet copy = fullGame();
        QCOMPARE(contentsOf(path), WriteGameSet(copy));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("set.txt")});
    }
};

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
