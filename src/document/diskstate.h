#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file on disk looked like at one moment: enough to tell that another
// program wrote, replaced, removed or created it since. The bytes' hash
// catches a write within the clock's resolution that leaves the size alone.
struct DiskState {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray hash; // SHA-256 of the bytes; empty when they could not be read

    // The file at `path` as it is now; a folder or nothing there does not exist.
    static DiskState of(const QString& path);

    friend bool operator==(const DiskState& one, const DiskState& other) {
        return one.exists == other.exists && one.size == other.size &&
               one.modified == other.modified && one.hash == other.hash;
    }
    friend bool operator!=(const DiskState& one, const DiskState& other) { return !(one == other); }
};
