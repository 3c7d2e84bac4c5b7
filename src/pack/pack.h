#pragma once

#include "model/fileerror.h"
#include "model/gameset.h"

#include <QList>
#include <QString>
#include <QStringList>

class MediaLocator;

// Pack for the Game: the set and a copy of every medium it uses, with the
// media paths rewritten to where the author will copy them on the game's
// computer ("D:\Quiz Night\media\map.jpg"). The author's set and media files
// are only read.

// What to pack and where.
struct PackRequest {
    QString setName;    // the packed set is "<setName>.txt"
    QString setFile;    // the author's set file; "" for an untitled board
    QString out;        // the folder to write, or with `zip` the archive "<out>.zip"
    QString gameFolder; // where the pack goes on the game's computer: "D:\Quiz Night"
    bool zip = false;
    // Packs what can be found and keeps the paths of the rest.
    bool allowMissing = false;
    // Replaces an existing pack, and allows one inside the set's own folder.
    bool force = false;
};

// One medium the set uses, in board order, the final question last.
struct PackedMedium {
    Square square;
    QString storedPath; // as the set holds it
    QString localFile;  // the file found on this computer; "" when there is none
    QString packedName; // its name in the pack's media folder; "" when missing
};

struct PackResult {
    // On failure nothing was written, and the reason lists what stopped it.
    FileError error;
    QList<PackedMedium> media;
    QString written; // the folder or archive written
    // Refused for an existing pack or a place in the set's folder, which
    // `force` allows.
    bool forceHelps = false;

    // "category 2 question 3: C:\Quiz\map.jpg" for each medium not found.
    QStringList missing() const;
};

PackResult PackGameSet(const GameSet& game, const MediaLocator& locator,
                       const PackRequest& request);

// A file name Windows accepts and the set's code page can hold: characters
// Windows rejects (<>:"/\|?* and control characters) and those the code page
// lacks become "_", trailing dots and spaces go, and a reserved device name
// (CON, NUL, COM1, LPT1, ... with any extension) gets a "_" in front.
QString WindowsFileName(const QString& name);
