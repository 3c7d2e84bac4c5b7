#pragma once

#include "model/fileerror.h"

#include <QString>
#include <functional>

class QFile;

// The one way the programs write a file: into a new file beside the target,
// every write checked, synced, given the old file's mode, owner and group,
// then renamed over the target. On any failure the old file is untouched, the
// new one is gone, and the error carries the system's reason.
struct SafeWriteOptions {
    // A file of another kind the output was made from (the set an export or
    // a listing was made of): writing over it is refused.
    QString input;
    // Where no new file can be made beside the target, an existing target is
    // rewritten in place, after its old bytes were copied into this folder
    // ("" never rewrites in place).
    QString keepFolder;
    // The permissions of a new file (0600 for a private one); -1 for 0666
    // less the umask. A file written over keeps its own.
    int newFileMode = -1;
    // For a file of a new folder that the caller syncs as a whole before
    // renaming the folder into place: the writing out is started, not waited for.
    bool syncedByCaller = false;
};

// Writes the content through `write`, which gets the new file (open,
// unbuffered) and its path, for writers that open the path themselves.
FileError SafeWriteFile(const QString& path,
                        const std::function<FileError(QFile& file, const QString& path)>& write,
                        const SafeWriteOptions& options = {});
// The same for bytes already made.
FileError SafeWriteBytes(const QString& path, const QByteArray& bytes,
                         const SafeWriteOptions& options = {});

// Why `path` cannot be written over before anything is opened: a folder, a
// device, a FIFO or a socket. ok() for a regular file, a link to one, or a
// name not yet taken.
FileError CheckWriteTarget(const QString& path);

// The error for a failed system call, from its errno: 61 for a full disk or
// a file over the size limit, 57 for an I/O error, else 75; the system's
// text as the reason.
FileError ErrorFromErrno(int number);

// Copies of old files kept before a rewrite in place are named so:
// "previous-<hash of the path>-<name>" in the keep folder, with the original
// path in a sidecar "<copy>.path".
QString KeptCopyName(const QString& path);

// Syncs a folder, so a rename or a new file in it survives a crash; best
// effort, as the rename is done either way.
void SyncFolder(const QString& folder);
