#pragma once

#include "model/fileerror.h"
#include "model/gameset.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// The 129-line game-set file. Text is Windows-1252; a line ends at CR or
// CR LF (a lone LF stays in the line); written lines end in CR LF.

// ---- layout: a name line and five four-line question groups per category,
// then the final question's three lines (question, answers, type).
constexpr int GameSetLineCount = 129;
constexpr int LinesPerQuestion = 4;
constexpr int LinesPerCategory = 1 + 5 * LinesPerQuestion;
constexpr int FinalGroupLine = 127;

enum class LineRole { Name, Question, Answers, DailyDouble, Type };
struct LinePlace {
    LineRole role;
    Square square; // question 1 for a name line
};
// What line `number` (1..129) holds.
LinePlace PlaceOfLine(int number);
int CategoryNameLine(int category);   // category 1..6
int QuestionGroupLine(Square square); // the group's question line
// The game reads a type line starting with a space as a text question only
// in categories 1, 2, 4 and 5.
bool BlankTypeIsText(int category);

// Resets `game`, then reads the file at `path` into it. Opening failures come
// back as an error (53 file not found, 75 path/file access); once the file is
// open nothing fails: short files and bad fields fall back as the game does.
// The caller paints the Daily Double map from the records afterwards.
FileError OpenFile(GameSet& game, const QString& path);

// Resets `game` and reads from a device already open for reading.
void ReadGameSet(GameSet& game, QIODevice& device);

// The game set held in `bytes`, read as Open reads a file.
GameSet ReadGameSet(const QByteArray& bytes);

// The field a question's first line is written from: the sound path of an
// "S" question, the text (or picture or video path) of any other.
FixedText<QuestionWidth>& QuestionLineField(QuestionRecord& record);

// Serialises `game`, storing the trimmed values back and "N" for empty
// Daily Double flags, exactly as a save does.
QByteArray WriteGameSet(GameSet& game);

// Writes the game set to an open device. Fails with the device's error.
FileError WriteGameSet(GameSet& game, QIODevice& device);

// Why the file at `path` is clearly not a game set, one reason a line: NUL
// bytes, a UTF-16 byte-order mark, a line after line 129 that is not empty.
// Opened and saved, such a file would be replaced by a board. A short file
// is a game set of an older kind: nothing is said of it. Reads in bounded
// memory; "" for a file that cannot be read (opening it says why).
QStringList NotAGameSet(const QString& path);

// Writes the game set to `path` through a temporary file that replaces the
// old one only when everything was written, so a failed save never damages
// the previous file. Where no temporary file can be created but the file
// itself can be written, it is rewritten in place once its previous contents
// are kept in `keepFolder` (never, when that is ""). The caller clears
// DataChanged on success.
FileError SaveFile(GameSet& game, const QString& path, const QString& keepFolder = QString());

// Type line of a text question ("T#face#size#bold#italic#colour#" and its
// shorter forms) from a record's font fields.
QString TextTypeLine(const QString& fontName, const QString& fontSize, bool bold, bool italic,
                     const QString& fontColor);

// The five field routines of the "T" type line. Each takes the whole type
// line and returns its field, or the field's default when it is absent,
// too short or does not convert.
QString GetFontNameField(const QString& typeLine);  // "" when unusable
qint16 GetFontSizeField(const QString& typeLine);   // 28 when unusable
bool GetFontBoldField(const QString& typeLine);     // true when unusable
bool GetFontItalicField(const QString& typeLine);   // true when unusable
QString GetFontColorField(const QString& typeLine); // "16777215" when unusable

// Conversions the field rules rely on, written once.
bool IsNumeric(const QString& text);                // the whole text is a number
double LeadingNumber(const QString& text);          // leading number of the text, 0 if none
std::optional<qint16> NearestInt16(double value);   // halves to even; none when out of range
std::optional<bool> ToBoolean(const QString& text); // "True"/"False"/a number; none otherwise
