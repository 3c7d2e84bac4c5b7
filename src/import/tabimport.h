#pragma once

#include "model/fileerror.h"
#include "model/gameset.h"

#include <QByteArrayView>
#include <QString>

class QIODevice;

// The characters of a line before its first tab; the whole line without one.
QString FirstField(const QString& line);

// A category name in capitals. A letter whose capital the game's code page
// lacks (µ, ƒ) stays as it is, so that the name can still be saved.
QString UpperCaseName(const QString& name);

// Fills `game` (already reset by the caller) from a spreadsheet's tab-delimited
// export of 68 lines. A short file completes normally. A line too long for the
// game's 16-bit character positions stops with error 6 "Overflow", keeping
// the fields filled so far. Lines end at CR LF, CR or, in a file without any
// CR, LF. UTF-8 or UTF-16 with a byte-order mark; UTF-8 without one when the
// non-ASCII bytes are valid UTF-8; Windows-1252 otherwise. When the import
// fails, `errorLine` (if given) receives the number of the line it stopped
// at, counted from 1; else 0.
FileError ImportTabDelimited(GameSet& game, QByteArrayView data, int* errorLine = nullptr);

// The same, reading from a device open for reading. Reads no further than the
// 68th line and keeps only what can reach the game set, so any input size
// reads in bounded memory.
FileError ImportTabDelimited(GameSet& game, QIODevice& device, int* errorLine = nullptr);

// The same from the file at `path`: 53 "File not found" when it does not
// exist, 75 "Path/File access error" when it cannot be opened (line 0).
FileError ImportTabDelimitedFile(GameSet& game, const QString& path, int* errorLine = nullptr);
