// Saving under faults (a device giving out, a full disk, a size limit, unwritable
// targets): the error is reported and the previous file stays as it was.
#include "testdata.h"

#include "model/safewrite.h"

#include <QDir>

#include <csignal>
#include <cstdio>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Takes `room` bytes, then fails every write, like a disk filling up mid-save.
struct FailDevice : QBuffer {
    explicit FailDevice(qint64 room) : room(room) { open(WriteOnly); }
    qint64 writeData(const char* data, qint64 length) override {
        const qint64 taken = qMin(length, room - size());
        return taken > 0 ? QBuffer::writeData(data, taken) : -1;
    }
    const qint64 room;
};

// A file of some 26 KB: every line of it 300 characters long before the cuts.
GameSet BigGame() {
    return ReadGameSet(FileBytes(QStringList(129, QString(300, 'a'))));
}

enum Fault {
    NoFault,
    FileSize,
    DiskFull,
    TargetFolder,
    ParentFile,
    NoFolder,
    Protected,
    LineBreak
};
// Exit codes of the child besides the save's error number.
enum Outcome { Damaged = 97, LeftOver = 98, Skipped = 99 };

[[noreturn]] void Skip(const char* reason) {
    std::fprintf(stderr, "cannot stage the fault: %s\n", reason);
    _exit(Skipped);
}

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// In a child process, as the fault may change process-wide state: stages the
// fault in `folder`, saves over set.txt there and exits with the save's error
// number, or with Damaged when the previous file changed, LeftOver when the
// folder holds anything else afterwards, Skipped when the fault cannot be staged.
[[noreturn]] void StageAndSave(Fault fault, const QString& folder) {
    const QByteArray previous = "the previous game set\r\n";
    QString target = folder + "/set.txt", kept = target;
    rlimit limit{};
    switch (fault) {
    case TargetFolder:
        QDir(folder).mkdir("set.txt");
        kept = target + "/inside.txt";
        break;
    case ParentFile:
        target += "/game.txt";
        break;
    case NoFolder:
        target = folder + "/nowhere/set.txt";
        break;
    case DiskFull: // a tiny file system in a mount namespace only this process sees
        if (unshare(CLONE_NEWNS) != 0) {
            // Without root: a user namespace of our own, mapping us to its root.
            const QByteArray uid = QByteArray::number(getuid()), gid = QByteArray::number(getgid());
            if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                Skip("no mount namespace");
            WriteText("/proc/self/setgroups", "deny");
            if (!WriteText("/proc/self/uid_map", "0 " + uid + " 1") ||
                !WriteText("/proc/self/gid_map", "0 " + gid + " 1"))
                Skip("no user namespace");
        }
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        if (mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0)
            Skip("cannot mount a tmpfs");
        break;
    case FileSize:
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            Skip("cannot limit the file size");
        break;
    case Protected:
        if (geteuid() == 0)
            Skip("root writes into protected folders");
        break;
    case NoFault:
    case LineBreak:
        break;
    }
    if (!WriteText(kept, previous))
        Skip("cannot write the previous file");
    if (fault == Protected)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    GameSet game = BigGame();
    if (fault == LineBreak) // a CR ends a line of the file: the rest would shift
        game.question(2, 3).QuestionText.set("First line\rsecond line");
    const int number = SaveFile(game, target).number;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                       QDir::Hidden | QDir::System);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (FileContents(kept) != (number == 0 ? WriteGameSet(game) : previous))
        _exit(Damaged);
    _exit(entries == QStringList{"set.txt"} ? number : LeftOver);
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT

private slots:
    // The device gives out after every byte count: error 75, no more written than it took.
    void deviceFailsAtEveryByte() {
        GameSet game;
        QVERIFY(!OpenFile(game, QZ_SOURCE_DIR "/examples/world-tour.txt").failed());
        const QByteArray whole = WriteGameSet(game);
        for (qint64 room = 0; room <= whole.size(); ++room) {
            FailDevice device(room);
            const FileError error = WriteGameSet(game, device);
            const bool full = room < whole.size();
            if (error.number != (full ? 75 : 0) || device.data() != whole.left(room) ||
                error.description != (full ? u"Path/File access error"_s : QString()))
                QFAIL(qPrintable(u"room for %1 bytes: error %2 %3"_s.arg(room)
                                     .arg(error.number)
                                     .arg(error.description)));
        }
    }

    // A device that is always full: the disk is full, buffered or not.
    void fullDevice_data() {
        Columns<bool>("unbuffered");
        AddRow("unbuffered", true);
        AddRow("buffered", false);
    }
    void fullDevice() {
        QFile device("/dev/full");
        QVERIFY(device.open(Data<bool>("unbuffered") ? QIODevice::WriteOnly | QIODevice::Unbuffered
                                                     : QIODevice::WriteOnly));
        GameSet game = ResetGame(); // smaller than a file's buffer: only the flush fails
        const FileError error = WriteGameSet(game, device);
        QCOMPARE(error.number, ErrorNumber::DiskFull);
        QCOMPARE(error.description, u"Disk full"_s);
    }

    void saveFault_data() {
        Columns<int, int>("fault", "number");
        AddRow("no fault: the file is replaced", int(NoFault), 0);
        AddRow("file size limit", int(FileSize), ErrorNumber::DiskFull);
        AddRow("disk full", int(DiskFull), ErrorNumber::DiskFull);
        AddRow("target is a folder", int(TargetFolder), ErrorNumber::PathFileAccess);
        AddRow("parent is a file", int(ParentFile), ErrorNumber::PathFileAccess);
        AddRow("missing folder", int(NoFolder), ErrorNumber::PathNotFound);
        AddRow("write-protected folder", int(Protected), ErrorNumber::PathFileAccess);
        AddRow("a line break in a text", int(LineBreak), ErrorNumber::InvalidArgument);
    }
    // A save that can only rewrite the file in place (no inode left for a new
    // file), killed at every point where its writes reach a file-size limit:
    // the file is the old set or the new one, or the old one is kept whole.
    void inPlaceSaveSurvivesAKill() {
        QTemporaryDir dir;
        const QString target = dir.filePath("full/set.txt"), keep = dir.filePath("kept");
        const QByteArray previous = "the previous game set\r\n";
        GameSet game = BigGame();
        const qint64 whole = WriteGameSet(game).size();
        QVERIFY(QDir(dir.path()).mkdir("full"));
        for (const rlim_t limit : {rlim_t(0), rlim_t(5), rlim_t(previous.size()), rlim_t(64),
                                   rlim_t(4096), rlim_t(whole - 1)}) {
            // The child holds the small file system; its own child saves and may be killed.
            const pid_t child = fork();
            if (child == 0) {
                if (unshare(CLONE_NEWNS) != 0 ||
                    mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                    mount("tmpfs", QFile::encodeName(dir.filePath("full")).constData(), "tmpfs", 0,
                          "size=1m,nr_inodes=2") != 0 ||
                    !WriteText(target, previous))
                    _exit(Skipped);
                const pid_t saver = fork();
                if (saver == 0) {
                    const rlimit size{limit, RLIM_INFINITY};
                    setrlimit(RLIMIT_FSIZE, &size); // SIGXFSZ left to end the process
                    _exit(SaveFile(game, target, keep).number);
                }
                int saved = 0;
                waitpid(saver, &saved, 0);
                const QByteArray now = FileContents(target);
                const QString kept = QDir(keep).filePath(KeptCopyName(target));
                const bool whole = now == previous || now == WriteGameSet(game) ||
                                   (QFile::exists(kept) && FileContents(kept) == previous);
                _exit(whole ? 0 : Damaged);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            if (WIFEXITED(status) && WEXITSTATUS(status) == Skipped)
                QSKIP("no mount namespace for a small file system here");
            QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0,
                     qPrintable(u"size limit %1"_s.arg(limit)));
            QDir(keep).removeRecursively();
        }
    }

    void saveFault() {
        QTemporaryDir dir;
        const pid_t child = fork();
        if (child == 0)
            StageAndSave(Fault(Data<int>("fault")), dir.path());
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == Skipped)
            QSKIP("the fault cannot be staged here");
        QTEST(WEXITSTATUS(status), "number");
    }
};

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
