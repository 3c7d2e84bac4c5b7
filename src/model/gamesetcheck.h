#pragma once

#include "model/fileerror.h"
#include "model/gameset.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// What the game, the file format or a player would lose or misread in a game
// set. One engine for the command-line check, the window's check panel and
// export: the in-memory set is checked square by square, a file also line by
// line as the game reads it.

enum class CheckPart { File, Name, Question, Answer, Choice, Media, Font, DailyDouble };
enum class Severity { Warning, Error };

struct Finding {
    std::optional<Square> square; // none for the file or the board as a whole
    CheckPart part = CheckPart::File;
    Severity severity = Severity::Error;
    QString message;
    int line = 0; // the file line (1..129) it is about; 0 when none

    bool operator==(const Finding& other) const {
        return square == other.square && part == other.part && severity == other.severity &&
               message == other.message && line == other.line;
    }
    bool operator!=(const Finding& other) const { return !(*this == other); }
};

// Checks that need fonts or picture decoders, which live above this layer.
// An unset probe is skipped.
struct CheckProbes {
    // False when the question cannot be shown in the preview at any size;
    // `withChoices` is true when the choices take the lower part of it.
    std::function<bool(const QuestionRecord& record, bool withChoices)> questionFits;
    // Why the picture file at `path` (which exists) cannot be read, to follow
    // "picture file <path>", e.g. "cannot be read: ..."; "" when it can.
    std::function<QString(const QString& path)> pictureProblem;
    // The file on this computer a stored media path names, "" when there is
    // none (a MediaLocator's locate). Set, a path of this computer is also
    // reported, as the game's computer cannot open it; unset, a path is
    // looked for as it stands.
    std::function<QString(const QString& path)> locateMedia;
};

// Above these sizes a picture takes the game's computer a second or more to
// show when its square is picked (measured here, scaled to that machine; the
// README gives the figures). Sounds and videos are played as they are read,
// so their size does not delay the question.
constexpr qint64 LargestJpegBytes = 1024 * 1024;
constexpr qint64 LargestBitmapBytes = 10 * 1024 * 1024;

// ---- the set in memory
QList<Finding> CheckCategoryName(const GameSet& game, int category); // category 1..6
QList<Finding> CheckSquare(const GameSet& game, Square square, const CheckProbes& probes);
// What compares squares: repeated questions and the number of Daily Doubles.
QList<Finding> CheckAcrossBoard(const GameSet& game);
// All of the above, names first, then the squares in board order.
QList<Finding> CheckGameSet(const GameSet& game, const CheckProbes& probes = {});

// ---- a file: its lines as the game reads them (line count, encoding, field
// widths, "^" and "#" that move fields, type-line fields), then the set read
// from it. Findings carry their line, those about the file first, then by
// line. Squares the file does not reach are not checked. Reads in bounded
// memory whatever the file's size.
QList<Finding> CheckGameSetFile(QIODevice& device, const CheckProbes& probes = {});
// The same for the file at `path`; fails as Open does when it cannot be read.
FileError CheckGameSetFile(const QString& path, const CheckProbes& probes,
                           QList<Finding>& findings);

// Where a finding is, in words: "category 2 question 3", "category 2 name",
// "the final question", "the board" or "the file".
QString PlaceOfFinding(const Finding& finding);

// "name", "question", "answer", "choice", "media", "font", "daily-double", "file".
QString PartName(CheckPart part);
QString SeverityName(Severity severity); // "error", "warning"

// Whether the bytes at the start of a sound or video file look like the
// format its name ending promises. "" when they do (or the ending is none
// the game plays), else the reason, e.g. "is empty".
QString MediaContentProblem(const QString& path);
