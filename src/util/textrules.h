#pragma once

#include <QString>

// Text rules shared by every layer. The game trims spaces only: tabs, line
// feeds and other white space are part of the text and must survive.
QString TrimSpaces(const QString& text);  // leading and trailing ' ' removed
QString LTrimSpaces(const QString& text); // leading ' ' removed
QString RTrimSpaces(const QString& text); // trailing ' ' removed

// A game-set file holds one field a line, so text entering a one-line field
// keeps to one line: CR LF, CR, LF and Tab become one space each, and other
// control characters go. The C1 range stays: it is how the file's five bytes
// that Windows-1252 leaves undefined are read and written back.
QString OneLineText(const QString& text);
// The same rule for one character: kept, made a space, or dropped (a CR LF
// pair is one break: its LF is the caller's to skip).
enum class OneLineChar { Keep, Space, Drop };
OneLineChar OneLineCharOf(QChar character);
// What OneLineText changed in `text`, in words for the author ("A line break
// was replaced by a space."); "" when it changes nothing.
QString OneLineNotice(const QString& text);
