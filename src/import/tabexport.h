#pragma once

#include "model/fileerror.h"
#include "model/gameset.h"
#include "model/gamesetcheck.h"

#include <QByteArray>
#include <QList>

enum class TextEncoding { Windows1252, Utf8 };

struct TabExport {
    QByteArray bytes;
    // Every text that could not travel as it is, with its line in `bytes`.
    QList<Finding> changes;
};

// The board as the 68 lines the import reads: per category its name, then
// per question the question and the answers line (the answer, then choices
// A to D, tab-separated); lines 67 and 68 are the final question and its
// answers. Lines end in CR LF; the text is Windows-1252, or UTF-8 after a
// byte-order mark. A tab, CR or LF inside a text would break the layout and
// is written as a space; in Windows-1252 a character outside the code page is
// written as "?". Each such change is reported. A text that starts with a
// quote is written quoted, its quotes doubled, as the import reads it back.
//
// Only texts travel: a picture or video question gives its file's path as
// stored, a sound question its text (not its sound file); question kinds,
// Daily Doubles, fonts and colours stay behind.
TabExport ExportTabDelimited(const GameSet& game, TextEncoding encoding);

// Writes `bytes` to `path` through the program's safe write: a failed write
// leaves the old file, and `set`, the game set exported, is never written over.
FileError WriteExportFile(const QString& path, const QByteArray& bytes, const QString& set);
