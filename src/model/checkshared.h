// What the checks of the set, of its file and of its media files share.

#pragma once

#include "model/gamesetcheck.h"
#include "model/mediakind.h"

namespace CheckShared {

// A text as a message shows it: quoted, a line feed as \n, a long one cut.
QString Quoted(const QString& text);

// The kind of media the game plays for a question goes by the type letter,
// not by the file name's ending.
using Kind = MediaKind;
Kind KindOf(const QuestionRecord& record);
QString KindWord(Kind kind); // "picture", "video" or "sound"

Finding Make(std::optional<Square> square, CheckPart part, Severity severity,
             const QString& message);

// What the game would make of the file at `path` (as stored) of a media
// question of `kind`: a path of this computer, a type it does not play, a
// missing file, a slow picture, content not of the promised format.
void CheckMedia(QList<Finding>& findings, Square square, Kind kind, const QString& path,
                const CheckProbes& probes);

} // namespace CheckShared
