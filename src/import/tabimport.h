#pragma once

#include "model/fileerror.h"
#include "model/gameset.h"
#include "model/gamesetcheck.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

class QIODevice;

// The characters of a line before its first tab; the whole line without one.
QString FirstField(const QString& line);

// A category name in capitals. A letter whose capital the game's code page
// lacks (µ, ƒ) stays as it is, so that the name can still be saved.
QString UpperCaseName(const QString& name);

// Fills `game` (already reset by the caller) from a spreadsheet's tab-delimited
// export of 68 rows. A short file completes normally. A row too long for the
// game's 16-bit character positions stops with error 6 "Overflow", keeping
// the fields filled so far. Rows end at CR LF, CR or, in a file without any
// CR, LF. A cell that starts with a quote is quoted as Calc and Excel write
// it: it runs to its closing quote, "" inside is one quote, a line break
// inside becomes a space, and text after the closing quote is kept; a quote
// that never closes is an ordinary character, as are quotes in a cell that
// does not start with one. Tabs and line breaks left in a value become
// spaces and other control characters go. UTF-8 or UTF-16 with a byte-order
// mark; UTF-8 without one when the whole file is valid UTF-8 and not plain
// ASCII; Windows-1252 otherwise. When the import fails, `errorLine` (if
// given) receives the number of the row it stopped at, counted from 1; else 0.
FileError ImportTabDelimited(GameSet& game, QByteArrayView data, int* errorLine = nullptr);

// The same, reading from a device open for reading. The encoding and where
// quotes close are decided over the whole input before the rows are read, so
// the device is read up to three times; only what can reach the game set is
// kept, so any input size reads in bounded memory. A device that cannot seek
// (a pipe) is read into memory first.
FileError ImportTabDelimited(GameSet& game, QIODevice& device, int* errorLine = nullptr);

// The same from the file at `path`: 53 "File not found" when it does not
// exist, 75 "Path/File access error" when it cannot be opened (line 0).
FileError ImportTabDelimitedFile(GameSet& game, const QString& path, int* errorLine = nullptr);

// A board read from a spreadsheet's export, with what in the file does not
// fit the board: a row count other than 68, the first row whose cells do not
// fit its place (a row missing or extra above it shifts all after it), texts
// longer than their field, more than four choices, quotes that never close
// and characters a game set cannot store. Each finding's `line` is the row
// it is about (0 for the count), counted from 1.
struct TabImport {
    GameSet game;
    FileError error;
    int errorLine = 0;
    QList<Finding> findings; // empty when the import failed
};

// Imports into a copy of `start`, which the caller has reset.
TabImport ImportTabDelimitedChecked(const GameSet& start, QIODevice& device);
TabImport ImportTabDelimitedChecked(const GameSet& start, QByteArrayView data);
TabImport ImportTabDelimitedCheckedFile(const GameSet& start, const QString& path);
