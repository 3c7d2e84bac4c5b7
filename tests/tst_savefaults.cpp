// Saving under faults (a device giving out, a full disk, a size limit, unwritable
// targets): the error is reported and the previous file stays as it was.
#include "testdata.h"

#include "import/tabexport.h"
#include "model/safewrite.h"

#include <QDir>

#include <csignal>
#include <cstdio>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
    LineBreak,
    Fifo,
    Device,
    OwnInput,
    HardLinkedInput,
    ForeignOwner
};
// What is written: the game set, the board as a spreadsheet's file, the listing as a PDF.
enum Output { SetFile, ExportFile, PdfFile };
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

// The error number of writing `kind` to `target`, made from `input`; a PDF is
// written by the tool, whose exit status stands for the number.
int WriteOutput(Output kind, GameSet& game, const QString& target, const QString& input) {
    switch (kind) {
    case SetFile:
        return SaveFile(game, target).number;
    case ExportFile:
        return WriteExportFile(target, ExportTabDelimited(game, TextEncoding::Utf8).bytes, input)
            .number;
    case PdfFile:
        break;
    }
    const pid_t tool = fork();
    if (tool == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(QZ_TOOL_PATH, "quizmora-tool", "listing", qPrintable(input), "--pdf",
              qPrintable(target), nullptr);
        _exit(Skipped);
    }
    int status = 0;
    waitpid(tool, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : Damaged;
}

// What the output holds once written.
QByteArray Written(Output kind, GameSet& game, const QString& target) {
    if (kind == SetFile)
        return WriteGameSet(game);
    if (kind == ExportFile)
        return ExportTabDelimited(game, TextEncoding::Utf8).bytes;
    const QByteArray pdf = FileContents(target);
    return pdf.startsWith("%PDF") ? pdf : QByteArray();
}

// In a child process, as the fault may change process-wide state: stages the
// fault in `folder`, writes `kind` over set.txt there and exits with the error
// number, or with Damaged when the previous file changed, LeftOver when the
// folder holds anything else afterwards, Skipped when the fault cannot be staged.
[[noreturn]] void StageAndSave(Output kind, Fault fault, const QString& folder) {
    const QByteArray previous = "the previous game set\r\n";
    QString target = folder + "/set.txt", kept = target;
    // The set an export or a listing is made from lives beside the folder.
    QString input = folder + ".input.txt";
    GameSet game = BigGame();
    rlimit limit{};
    struct stat before {};
    switch (fault) {
    case Fifo:
        if (mkfifo(QFile::encodeName(target).constData(), 0600) != 0)
            Skip("no FIFO");
        break;
    case Device: // a node of our own, never one of /dev: a fault would replace it
        if (mknod(QFile::encodeName(target).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            Skip("no device node without root");
        break;
    case OwnInput:
        input = target;
        break;
    case HardLinkedInput:
        input = folder + "/set.txt";
        target = folder + "/other-name.txt";
        kept = input;
        break;
    case ForeignOwner:
        if (geteuid() != 0)
            Skip("only root can give a file to another user");
        break;
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
        if (mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=8k") != 0)
            Skip("cannot mount a tmpfs");
        break;
    case FileSize: // set once the files the fault needs are written
        break;
    case Protected:
        if (geteuid() == 0)
            Skip("root writes into protected folders");
        break;
    case NoFault:
    case LineBreak:
        break;
    }
    if (fault != Fifo && fault != Device && !WriteText(kept, previous))
        Skip("cannot write the previous file");
    if (fault == HardLinkedInput && link(QFile::encodeName(kept), QFile::encodeName(target)) != 0)
        Skip("no hard link");
    if (fault == ForeignOwner && (chown(QFile::encodeName(kept), 1000, 1000) != 0 ||
                                  chmod(QFile::encodeName(kept), 0640) != 0))
        Skip("cannot give the file away");
    if (fault != OwnInput && fault != HardLinkedInput && !WriteText(input, WriteGameSet(game)))
        Skip("cannot write the input");
    if (fault == Protected)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (fault == LineBreak) // a CR ends a line of the file: the rest would shift
        game.question(2, 3).QuestionText.set("First line\rsecond line");
    stat(QFile::encodeName(kept).constData(), &before);
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 4096;
    if (fault == FileSize &&
        (signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0))
        Skip("cannot limit the file size");
    const int number = WriteOutput(kind, game, target, input);
    struct stat after {};
    stat(QFile::encodeName(kept).constData(), &after);
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                       QDir::Hidden | QDir::System);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A device or a pipe stays what it was; a file holds the output or its old bytes,
    // with its owner, group and mode.
    if ((after.st_mode & S_IFMT) != (before.st_mode & S_IFMT) ||
        ((fault == Fifo || fault == Device)
             ? number == 0
             : FileContents(kept) != (number == 0 ? Written(kind, game, kept) : previous)) ||
        after.st_uid != before.st_uid || after.st_gid != before.st_gid ||
        (after.st_mode & 07777) != (before.st_mode & 07777))
        _exit(Damaged);
    const QStringList expected = fault == HardLinkedInput ? QStringList{"other-name.txt", "set.txt"}
                                                          : QStringList{"set.txt"};
    _exit(entries == expected ? number : LeftOver);
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

    // A save that can only rewrite the file in place (no inode left for a new
    // file), killed at every point where its writes reach a file-size limit,
    // or not at all: the file is the old set or the new one, or the old one
    // is kept whole.
    void inPlaceSaveSurvivesAKill() {
        QTemporaryDir dir;
        const QString target = dir.filePath("full/set.txt"), keep = dir.filePath("kept");
        const QByteArray previous = "the previous game set\r\n";
        GameSet game = BigGame();
        const qint64 whole = WriteGameSet(game).size();
        QVERIFY(QDir(dir.path()).mkdir("full"));
        for (const rlim_t limit : {rlim_t(0), rlim_t(5), rlim_t(previous.size()), rlim_t(64),
                                   rlim_t(4096), rlim_t(whole - 1), RLIM_INFINITY}) {
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
                // With no limit the in-place save has to succeed, not just do no harm.
                const bool written = limit != RLIM_INFINITY || now == WriteGameSet(game);
                _exit(whole && written ? 0 : Damaged);
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

    void saveFault_data() {
        Columns<int, int, int>("output", "fault", "number");
        const int set = SetFile, tsv = ExportFile, pdf = PdfFile;
        const int access = ErrorNumber::PathFileAccess, full = ErrorNumber::DiskFull;
        AddRow("set: no fault, the file is replaced", set, int(NoFault), 0);
        AddRow("set: file size limit", set, int(FileSize), full);
        AddRow("set: disk full", set, int(DiskFull), full);
        AddRow("set: target is a folder", set, int(TargetFolder), access);
        AddRow("set: parent is a file", set, int(ParentFile), access);
        AddRow("set: missing folder", set, int(NoFolder), ErrorNumber::PathNotFound);
        AddRow("set: write-protected folder", set, int(Protected), access);
        AddRow("set: a line break in a text", set, int(LineBreak), ErrorNumber::InvalidArgument);
        AddRow("set: a FIFO", set, int(Fifo), access);
        AddRow("set: a device", set, int(Device), access);
        AddRow("set: another user's file keeps its owner", set, int(ForeignOwner), 0);
        AddRow("export: no fault", tsv, int(NoFault), 0);
        AddRow("export: file size limit", tsv, int(FileSize), full);
        AddRow("export: disk full", tsv, int(DiskFull), full);
        AddRow("export: a FIFO", tsv, int(Fifo), access);
        AddRow("export: a device", tsv, int(Device), access);
        AddRow("export: onto the set itself", tsv, int(OwnInput), access);
        AddRow("export: onto a hard link of the set", tsv, int(HardLinkedInput), access);
        AddRow("export: another user's file keeps its owner", tsv, int(ForeignOwner), 0);
        AddRow("PDF: no fault", pdf, int(NoFault), 0);
        AddRow("PDF: disk full", pdf, int(DiskFull), 1);
        AddRow("PDF: file size limit", pdf, int(FileSize), 1);
        AddRow("PDF: a FIFO", pdf, int(Fifo), 1);
        AddRow("PDF: onto the set itself", pdf, int(OwnInput), 1);
    }
    void saveFault() {
        QTemporaryDir dir;
        const pid_t child = fork();
        if (child == 0)
            StageAndSave(Output(Data<int>("output")), Fault(Data<int>("fault")), dir.path());
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
