#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the code page of the game's files. Every byte decodes to one
// character and encodes back to the same byte (the five undefined bytes map to
// U+0081, U+008D, U+008F, U+0090, U+009D), so reading then writing is exact.
QString DecodeWindows1252(QByteArrayView bytes);
// Characters outside the code page become "?"; *lossless is false then.
QByteArray EncodeWindows1252(const QString& text, bool* lossless = nullptr);
bool IsWindows1252(QChar character);
// The first character of `text` the code page has no byte for (a whole
// surrogate pair for a character outside the basic plane); "" when the text
// can be stored as it is.
QString FirstUnstorableCharacter(QStringView text);
// One of U+0081, U+008D, U+008F, U+0090, U+009D: the characters the five
// undefined bytes read as. Other programs show them as nothing or as boxes.
bool IsUndefinedWindows1252(QChar character);
