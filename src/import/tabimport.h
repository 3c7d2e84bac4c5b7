#pragma once

#include "model/fileerror.h"
#include "model/gameset.h"

#include <QByteArrayView>
#include <QString>

// The characters of a line before its first tab; the whole line without one.
QString FirstField(const QString& line);

// Fills `game` (already reset by the caller) from a spreadsheet's tab-delimited
// export of 68 lines. A short file completes normally. A line too long for the
// game's 16-bit character positions stops with error 6 "Overflow", keeping
// the fields filled so far. Windows-1252 unless the data starts with a UTF-8
// or UTF-16 byte-order mark.
FileError ImportTabDelimited(GameSet& game, QByteArrayView data);
