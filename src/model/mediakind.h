#pragma once

#include <QString>
#include <QStringList>

// The kind of media a file name stands for, judged by its ending in lower
// case exactly as the question display judges a stored path. A file dropped
// on the window is taken only with one of these endings, so it is also shown
// as what it is when the question is shown again: a ".png" stored as a
// picture would come back as a text question whose text is the path.
enum class MediaKind { None, Picture, Sound, Video };

struct QuestionRecord;

// The question type letter of a kind: "T" (None), "P", "S" or "V".
QString TypeLetter(MediaKind kind);

// The endings the game plays for a kind, in lower case; none for None.
const QStringList& FileEndings(MediaKind kind);

// What the game plays a question as, by its type letter: "P", "S", "V";
// None for "T" and anything else.
MediaKind KindOfTypeLetter(const QString& questionType);

bool IsPictureFileName(const QString& name); // ".bmp", ".jpg"
bool IsSoundFileName(const QString& name);   // ".wav", ".mp3", ".wma"
bool IsVideoFileName(const QString& name);   // ".avi", ".mov", ".wmv", ".mpg", ".mpeg", ".mp4"

// Sound first, then video, then picture; None for anything else.
MediaKind MediaKindOfFileName(const QString& name);

// What a question is shown as, judged from its stored file names: a sound
// file in the media path wins, then a video or picture path in the text;
// None is a text question.
MediaKind KindOfQuestion(const QuestionRecord& record);

// The answer a media file gives when its name is the answer: the name after
// the last folder separator ("\", or "/" in a path without any "\"), cut
// at its first "." ("C:\Clips\intro.final.mp4" -> "intro"). "" for a bare
// name, as the game has it.
QString MediaFileAnswer(const QString& path);
