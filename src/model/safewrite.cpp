#include "model/safewrite.h"

#include "util/pathhelpers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Game-set files are a few kilobytes; a larger target is not one worth
// keeping a copy of for a rewrite in place.
constexpr qint64 LargestRewrittenFile = 16 * 1024 * 1024;

FileError AccessError(const QString& reason) {
    FileError error = FileError::of(ErrorNumber::PathFileAccess);
    error.reason = reason;
    return error;
}

QString KindOfNode(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe (FIFO)");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("not a regular file");
}

// The file a link names, followed as far as it goes; the path itself otherwise.
QString ResolvedTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// Gives the new file the old one's owner and group where the system allows;
// refuses to take the file from its owner.
FileError KeepOwner(int descriptor, const struct stat& old) {
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid())
        return FileError::ok();
    if (::fchown(descriptor, old.st_uid, old.st_gid) == 0)
        return FileError::ok();
    if (old.st_uid != ::geteuid())
        return AccessError(QStringLiteral("The file belongs to another user (%1), who would lose "
                                          "it: %2")
                               .arg(old.st_uid)
                               .arg(QString::fromLocal8Bit(std::strerror(errno))));
    // Our own file in a group we are not in: it keeps its owner, the group is ours.
    (void)::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid);
    return FileError::ok();
}

FileError SyncAndClose(int descriptor) {
    FileError error;
    if (::fsync(descriptor) != 0)
        error = ErrorFromErrno(errno);
    if (::close(descriptor) != 0 && !error.failed())
        error = ErrorFromErrno(errno);
    return error;
}

FileError RewriteInPlace(const QString& target, const QString& keepFolder,
                         const std::function<FileError(QFile&, const QString&)>& write) {
    QFile file(target);
    if (QFileInfo(target).size() > LargestRewrittenFile)
        return AccessError(QStringLiteral("No new file can be made in its folder, and the file "
                                          "is too large to keep a copy of."));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return AccessError(file.errorString());
    const QByteArray previous = file.readAll();
    if (file.error() != QFileDevice::NoError || !file.seek(0))
        return AccessError(file.errorString());

    // The old bytes are safe on disk before the first one is overwritten.
    if (!QDir().mkpath(keepFolder))
        return AccessError(QStringLiteral("The previous version cannot be kept in %1.")
                               .arg(QDir::toNativeSeparators(keepFolder)));
    const QString kept = QDir(keepFolder).filePath(KeptCopyName(target));
    FileError error = SafeWriteBytes(kept + QStringLiteral(".path"), target.toUtf8());
    if (!error.failed())
        error = SafeWriteBytes(kept, previous);
    if (error.failed()) {
        error.reason = QStringLiteral("The previous version cannot be kept in %1: %2")
                           .arg(QDir::toNativeSeparators(keepFolder), error.reason);
        return error;
    }

    error = write(file, target);
    if (!error.failed() && !file.resize(file.pos()))
        error = ErrorFromErrno(errno);
    if (!error.failed() && ::fsync(file.handle()) != 0)
        error = ErrorFromErrno(errno);
    if (error.failed()) {
        // Put back what was there; the kept copy stays until that is synced.
        if (!file.seek(0) || file.write(previous) != previous.size() ||
            !file.resize(previous.size()) || ::fsync(file.handle()) != 0)
            return error;
    }
    QFile::remove(kept);
    QFile::remove(kept + QStringLiteral(".path"));
    return error;
}

} // namespace

void SyncFolder(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor); // best effort: the rename is done either way
        ::close(descriptor);
    }
}

FileError ErrorFromErrno(int number) {
    FileError error;
    switch (number) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        error = FileError::of(ErrorNumber::DiskFull);
        break;
    case EIO:
        error = FileError::of(ErrorNumber::DeviceIo);
        break;
    default:
        error = FileError::of(ErrorNumber::PathFileAccess);
        break;
    }
    error.reason = QString::fromLocal8Bit(std::strerror(number));
    return error;
}

QString KeptCopyName(const QString& path) {
    const QByteArray hash = QCryptographicHash::hash(QFileInfo(path).absoluteFilePath().toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(12);
    return QStringLiteral("previous-") + QString::fromLatin1(hash) + QLatin1Char('-') +
           QFileInfo(path).fileName();
}

FileError CheckWriteTarget(const QString& path) {
    if (path.isEmpty())
        return AccessError(QStringLiteral("No file name was given."));
    const QString target = ResolvedTarget(path);
    struct stat status {};
    if (::stat(QFile::encodeName(target).constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return AccessError(
                QStringLiteral("%1 is %2, not a file that can be replaced.")
                    .arg(QDir::toNativeSeparators(path), KindOfNode(status.st_mode)));
        return FileError::ok();
    }
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.exists()) {
        FileError error = FileError::of(ErrorNumber::PathNotFound);
        error.reason = QStringLiteral("The folder %1 does not exist.")
                           .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
        return error;
    }
    if (!folder.isDir())
        return AccessError(QStringLiteral("%1 is not a folder.")
                               .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
    return FileError::ok();
}

FileError SafeWriteFile(const QString& path,
                        const std::function<FileError(QFile&, const QString&)>& write,
                        const SafeWriteOptions& options) {
    const FileError checked = CheckWriteTarget(path);
    if (checked.failed())
        return checked;
    const QString target = ResolvedTarget(path);
    if (!options.input.isEmpty() && SameFile(options.input, target))
        return AccessError(QStringLiteral("%1 is the file it would be made from.")
                               .arg(QDir::toNativeSeparators(path)));

    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    const QFileInfo info(target);
    QByteArray temporary =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        const int reason = errno;
        // A full or locked-down folder where the file itself can still be written.
        if (exists && !options.keepFolder.isEmpty() &&
            ::access(QFile::encodeName(target), W_OK) == 0)
            return RewriteInPlace(target, options.keepFolder, write);
        return ErrorFromErrno(reason);
    }
    const QString temporaryPath = QFile::decodeName(temporary);

    FileError error;
    const mode_t mode = exists                     ? (old.st_mode & 07777)
                        : options.newFileMode >= 0 ? static_cast<mode_t>(options.newFileMode)
                                                   : (0666 & ~CurrentUmask());
    if (::fchmod(descriptor, mode) != 0)
        error = ErrorFromErrno(errno);
    if (!error.failed() && exists)
        error = KeepOwner(descriptor, old);
    if (!error.failed()) {
        QFile file;
        if (!file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle))
            error = AccessError(file.errorString());
        else
            error = write(file, temporaryPath);
    }
    FileError closed;
    if (!options.syncedByCaller) {
        closed = SyncAndClose(descriptor);
    } else {
        if (!error.failed())
            ::sync_file_range(descriptor, 0, 0, SYNC_FILE_RANGE_WRITE);
        if (::close(descriptor) != 0)
            closed = ErrorFromErrno(errno);
    }
    if (!error.failed())
        error = closed;
    if (!error.failed() && ::rename(temporary.constData(), QFile::encodeName(target)) != 0)
        error = ErrorFromErrno(errno);
    if (error.failed()) {
        ::unlink(temporary.constData());
        return error;
    }
    if (!options.syncedByCaller)
        SyncFolder(info.absolutePath());
    return FileError::ok();
}

FileError SafeWriteBytes(const QString& path, const QByteArray& bytes,
                         const SafeWriteOptions& options) {
    return SafeWriteFile(
        path,
        [&bytes](QFile& file, const QString&) {
            qint64 written = 0;
            while (written < bytes.size()) {
                const qint64 count =
                    file.write(bytes.constData() + written, bytes.size() - written);
                if (count <= 0) {
                    const FileError error = ErrorOfDevice(file);
                    return error.failed() ? error : ErrorFromErrno(EIO);
                }
                written += count;
            }
            return FileError::ok();
        },
        options);
}
