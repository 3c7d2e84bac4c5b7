#include "pack/pack.h"

#include "model/gamesetcheck.h"
#include "model/gamesetfile.h"
#include "model/mediafolders.h"
#include "model/mediakind.h"
#include "model/safewrite.h"
#include "pack/zipwriter.h"
#include "util/windows1252.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString MediaFolderName = QStringLiteral("media");
constexpr int CopyChunk = 1 << 20;

FileError Refusal(int number, const QString& reason) {
    FileError error = FileError::of(number);
    error.reason = reason;
    return error;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString PlaceOf(Square square) {
    Finding finding;
    finding.square = square;
    finding.part = CheckPart::Media;
    return PlaceOfFinding(finding);
}

// The squares whose first line the game opens as a picture, sound or video.
// The game goes by the type letter it reads, so the set is written and read
// back as the game will see it.
QList<Square> MediaSquares(const GameSet& game) {
    GameSet written = game;
    const GameSet read = ReadGameSet(WriteGameSet(written));
    QList<Square> squares;
    for (int index = 0; index <= 30; ++index) {
        const Square square =
            index < 30 ? Square{index / 5 + 1, index % 5 + 1} : Square::finalQuestion();
        const bool medium = KindOfTypeLetter(read.record(square).QuestionType) != MediaKind::None;
        if (medium && !QuestionLineField(written.record(square)).trimmed().isEmpty())
            squares << square;
    }
    return squares;
}

// The game's folder as the packed set names it: "\" between folders and none
// at the end, except a drive's own root. "" when it is no absolute Windows
// folder the set can hold; `why` says so then.
QString GameFolder(const QString& given, QString& why) {
    const QString folder = NormalisedWindowsPath(given.trimmed());
    if (folder.isEmpty()) {
        why = QStringLiteral("The game's folder \"%1\" is not a full Windows path, such as "
                             "D:\\Quiz Night or \\\\server\\share\\Quiz.")
                  .arg(given);
        return QString();
    }
    for (qsizetype index = 2; index < folder.size(); ++index) {
        const QChar character = folder.at(index);
        if (character.unicode() < 0x20 || QStringLiteral("<>:\"|?*").contains(character) ||
            !IsWindows1252(character)) {
            why = QStringLiteral("The game's folder \"%1\" holds %2, which %3.")
                      .arg(given,
                           character.unicode() < 0x20 ? QStringLiteral("a control character")
                                                      : QString(character),
                           IsWindows1252(character) ? QStringLiteral("Windows does not allow")
                                                    : QStringLiteral("a game set cannot store"));
            return QString();
        }
    }
    return folder;
}

// `name`, or "name-2.ext", "name-3.ext"... when Windows, which ignores case,
// would take it for a name already used.
QString UniqueName(const QString& name, QSet<QString>& taken) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString ending = dot > 0 ? name.mid(dot) : QString();
    QString candidate = name;
    for (int number = 2; taken.contains(candidate.toCaseFolded()); ++number)
        candidate = stem + QLatin1Char('-') + QString::number(number) + ending;
    taken.insert(candidate.toCaseFolded());
    return candidate;
}

bool IsWithin(const QString& path, const QString& folder) {
    return path == folder ||
           path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

QString RealPath(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// Why the pack may not be written at `target` ("" when it may);
// `forceHelps` tells whether --force would allow it.
QString TargetProblem(const QString& target, const PackRequest& request,
                      const QStringList& protectedFiles, bool& forceHelps) {
    forceHelps = false;
    for (const QString& file : protectedFiles) {
        if (target == file || (!request.zip && IsWithin(file, target)))
            return QStringLiteral("%1 holds the set or one of its media; a pack never replaces "
                                  "them.")
                .arg(Native(target));
    }
    const QFileInfo info(target);
    if (info.exists() && !request.zip && !info.isDir())
        return QStringLiteral("%1 is a file, not a folder.").arg(Native(target));
    if (request.force)
        return QString();
    forceHelps = true;
    if (!request.setFile.isEmpty() && IsWithin(target, RealPath(QFileInfo(request.setFile).path())))
        return QStringLiteral("%1 is inside the set's own folder, where the pack's copies would "
                              "be taken for the author's media.")
            .arg(Native(target));
    if (info.exists() && request.zip)
        return QStringLiteral("%1 already exists.").arg(Native(target));
    if (info.exists() && !QDir(target).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System))
        return QStringLiteral("%1 already exists and is not empty.").arg(Native(target));
    forceHelps = false;
    return QString();
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// Copies in the kernel where the system can, else through `buffer`.
FileError CopyInto(const QString& from, const QString& to, QByteArray& buffer) {
    SafeWriteOptions options;
    options.syncedByCaller = true;
    return SafeWriteFile(
        to,
        [&](QFile& file, const QString&) {
            QFile source(from);
            FileError error = OpenForReading(source);
            if (error.failed())
                return error;
            for (;;) {
                const ssize_t count = ::copy_file_range(source.handle(), nullptr, file.handle(),
                                                        nullptr, CopyChunk, 0);
                if (count == 0)
                    return FileError::ok();
                if (count < 0)
                    break;
            }
            // Kernels and file systems without it copy nothing before refusing.
            if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
                return ErrorFromErrno(errno);
            while (!error.failed()) {
                const qint64 count = source.read(buffer.data(), buffer.size());
                if (count < 0)
                    return Refusal(ErrorNumber::DeviceIo,
                                   QStringLiteral("%1 cannot be read: %2")
                                       .arg(Native(from), source.errorString()));
                if (count == 0)
                    break;
                for (qint64 written = 0; written < count;) {
                    const qint64 step = file.write(buffer.constData() + written, count - written);
                    if (step <= 0) {
                        error = ErrorOfDevice(file);
                        return error.failed() ? error : ErrorFromErrno(EIO);
                    }
                    written += step;
                }
            }
            return error;
        },
        options);
}

// Waits until every file and folder of the new pack is on the disk. One
// sync of the file system holding it lets the disk write them all in one
// commit, where a sync of each file commits once a file.
FileError SyncAll(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0 || ::syncfs(descriptor) != 0) {
        const FileError error = ErrorFromErrno(errno);
        if (descriptor >= 0)
            ::close(descriptor);
        return error;
    }
    ::close(descriptor);
    return FileError::ok();
}

struct PackContents {
    QString setFileName;
    QByteArray setBytes;
    QList<QPair<QString, QString>> copies; // the file here, its name in the media folder
};

// The folder is made beside the target under a hidden name and renamed into
// place once every file is in it, so a failure leaves nothing at the target.
// An existing pack is moved aside first and removed once the new one is in.
FileError WriteFolder(const QString& target, const PackContents& contents) {
    const QFileInfo info(target);
    QTemporaryDir building(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                           QStringLiteral(".pack-XXXXXX"));
    if (!building.isValid())
        return Refusal(ErrorNumber::PathFileAccess, building.errorString());
    const QDir folder(building.path());
    if (!folder.mkdir(MediaFolderName))
        return Refusal(ErrorNumber::PathFileAccess,
                       QStringLiteral("The folder %1 cannot be made.")
                           .arg(Native(folder.filePath(MediaFolderName))));
    SafeWriteOptions later;
    later.syncedByCaller = true;
    FileError error =
        SafeWriteBytes(folder.filePath(contents.setFileName), contents.setBytes, later);
    QByteArray buffer(CopyChunk, Qt::Uninitialized);
    for (const auto& [from, name] : contents.copies) {
        if (!error.failed())
            error =
                CopyInto(from, folder.filePath(MediaFolderName + QLatin1Char('/') + name), buffer);
    }
    if (!error.failed())
        error = SyncAll(folder.path());
    if (error.failed())
        return error;
    // Made private; the pack is the author's to share as any new folder.
    const mode_t mode = 0777 & ~CurrentUmask();
    ::chmod(QFile::encodeName(folder.path()).constData(), mode);
    ::chmod(QFile::encodeName(folder.filePath(MediaFolderName)).constData(), mode);

    const QByteArray from = QFile::encodeName(building.path());
    const QByteArray to = QFile::encodeName(target);
    // A missing or empty folder is replaced in one step.
    if (::rename(from.constData(), to.constData()) != 0) {
        if (errno != ENOTEMPTY && errno != EEXIST)
            return ErrorFromErrno(errno);
        QTemporaryDir aside(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                            QStringLiteral(".old-XXXXXX"));
        const QByteArray old = QFile::encodeName(aside.path());
        if (!aside.isValid() || ::rename(to.constData(), old.constData()) != 0)
            return ErrorFromErrno(errno);
        if (::rename(from.constData(), to.constData()) != 0) {
            const int reason = errno;
            ::rename(old.constData(), to.constData());
            return ErrorFromErrno(reason);
        }
    }
    building.setAutoRemove(false);
    SyncFolder(info.absolutePath());
    return FileError::ok();
}

FileError WriteArchive(const QString& target, const PackContents& contents,
                       const QString& setFile) {
    QList<ZipEntry> entries{{contents.setFileName, contents.setBytes, QString()},
                            {MediaFolderName + QLatin1Char('/'), QByteArray(), QString()}};
    for (const auto& [from, name] : contents.copies)
        entries << ZipEntry{MediaFolderName + QLatin1Char('/') + name, QByteArray(), from};
    SafeWriteOptions options;
    options.input = setFile;
    return SafeWriteFile(
        target, [&entries](QFile& file, const QString&) { return WriteZip(file, entries); },
        options);
}

} // namespace

QString WindowsFileName(const QString& name) {
    QString safe;
    safe.reserve(name.size());
    for (const QChar character : name) {
        const bool rejected = character.unicode() < 0x20 ||
                              QStringLiteral("<>:\"/\\|?*").contains(character) ||
                              !IsWindows1252(character) || IsUndefinedWindows1252(character);
        safe += rejected ? QLatin1Char('_') : character;
    }
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    if (safe.isEmpty())
        return QStringLiteral("_");
    // Windows takes "con.jpg" and "NUL .txt" for its devices too.
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *$"),
        QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(safe.section(QLatin1Char('.'), 0, 0)).hasMatch())
        safe.prepend(QLatin1Char('_'));
    return safe;
}

QStringList PackResult::missing() const {
    QStringList lines;
    for (const PackedMedium& medium : media) {
        if (medium.localFile.isEmpty())
            lines << PlaceOf(medium.square) + QStringLiteral(": ") + medium.storedPath;
    }
    return lines;
}

PackResult PackGameSet(const GameSet& game, const MediaLocator& locator,
                       const PackRequest& request) {
    PackResult result;
    QString why;
    const QString folder = GameFolder(request.gameFolder, why);
    if (folder.isEmpty()) {
        result.error = Refusal(ErrorNumber::InvalidArgument, why);
        return result;
    }
    const QString prefix = folder +
                           (folder.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\")) +
                           MediaFolderName + QLatin1Char('\\');

    GameSet packed = game;
    PackContents contents;
    QHash<QString, QString> nameOfFile; // a file here -> its name in the pack
    QSet<QString> taken;
    QStringList protectedFiles;
    if (!request.setFile.isEmpty())
        protectedFiles << RealPath(request.setFile);
    QStringList tooLong;
    for (const Square square : MediaSquares(game)) {
        FixedText<QuestionWidth>& field = QuestionLineField(packed.record(square));
        PackedMedium medium{square, field.trimmed(), locator.locate(field.trimmed()), QString()};
        if (!medium.localFile.isEmpty()) {
            // The same file named twice (by two paths, or a link) is copied once.
            const QString real = RealPath(medium.localFile);
            medium.packedName = nameOfFile.value(real);
            if (medium.packedName.isEmpty()) {
                medium.packedName =
                    UniqueName(WindowsFileName(QFileInfo(medium.localFile).fileName()), taken);
                nameOfFile.insert(real, medium.packedName);
                contents.copies.append({real, medium.packedName});
                protectedFiles << real;
            }
            const QString packedPath = prefix + medium.packedName;
            if (packedPath.size() > FixedText<QuestionWidth>::width)
                tooLong << PlaceOf(square) + QStringLiteral(": ") + packedPath;
            field.set(packedPath);
        }
        result.media << medium;
    }

    const QStringList missing = result.missing();
    if (!missing.isEmpty() && !request.allowMissing) {
        result.error =
            Refusal(ErrorNumber::FileNotFound, QStringLiteral("These media cannot be found:\n") +
                                                   missing.join(QLatin1Char('\n')));
        return result;
    }
    if (!tooLong.isEmpty()) {
        result.error = Refusal(ErrorNumber::InvalidArgument,
                               QStringLiteral("These packed paths would be longer than the %1 "
                                              "characters a game set holds; choose a shorter "
                                              "game folder or file name:\n")
                                       .arg(FixedText<QuestionWidth>::width) +
                                   tooLong.join(QLatin1Char('\n')));
        return result;
    }

    QString out = request.out;
    if (request.zip && !out.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
        out += QStringLiteral(".zip");
    const QFileInfo outInfo(QDir::cleanPath(QFileInfo(out).absoluteFilePath()));
    if (request.out.isEmpty() || outInfo.fileName().isEmpty()) {
        result.error = Refusal(ErrorNumber::PathFileAccess, QStringLiteral("No output was named."));
        return result;
    }
    if (!QFileInfo(outInfo.path()).isDir()) {
        result.error =
            Refusal(ErrorNumber::PathNotFound,
                    QStringLiteral("The folder %1 does not exist.").arg(Native(outInfo.path())));
        return result;
    }
    const QString target = RealPath(outInfo.path()) + QLatin1Char('/') + outInfo.fileName();
    const QString problem = TargetProblem(target, request, protectedFiles, result.forceHelps);
    if (!problem.isEmpty()) {
        result.error = Refusal(ErrorNumber::PathFileAccess, problem);
        return result;
    }

    contents.setFileName =
        WindowsFileName((request.setName.trimmed().isEmpty() ? QStringLiteral("board")
                                                             : request.setName.trimmed()) +
                        QStringLiteral(".txt"));
    QBuffer buffer(&contents.setBytes);
    buffer.open(QIODevice::WriteOnly);
    result.error = WriteGameSet(packed, buffer);
    if (!result.error.failed())
        result.error = request.zip ? WriteArchive(target, contents, request.setFile)
                                   : WriteFolder(target, contents);
    if (!result.error.failed())
        result.written = target;
    return result;
}
