#pragma once

#include "model/fileerror.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QFile;

// One entry of an archive: bytes made in memory, or a file read as the
// archive is written.
struct ZipEntry {
    QString name;     // "set.txt", "media/map.jpg"; a name ending in "/" is a folder
    QByteArray bytes; // used when `file` is ""
    QString file;
};

// Writes a zip archive of `entries` into `target`, an open file positioned
// at its start (the safe write path's new file). Files are stored as they
// are: pictures, sounds and videos are compressed already.
FileError WriteZip(QFile& target, const QList<ZipEntry>& entries);
