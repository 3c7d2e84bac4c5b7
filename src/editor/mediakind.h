#pragma once

#include <QString>

// The kind of media a file name stands for, judged by its ending in lower
// case exactly as the question display judges a stored path. A file dropped
// on the window is taken only with one of these endings, so it is also shown
// as what it is when the question is shown again: a ".png" stored as a
// picture would come back as a text question whose text is the path.
enum class MediaKind { None, Picture, Sound, Video };

bool IsPictureFileName(const QString& name); // ".bmp", ".jpg"
bool IsSoundFileName(const QString& name);   // ".wav", ".mp3", ".wma"
bool IsVideoFileName(const QString& name);   // ".avi", ".mov", ".wmv", ".mpg", ".mpeg", ".mp4"

// Sound first, then video, then picture; None for anything else.
MediaKind MediaKindOfFileName(const QString& name);

// The folder part of a chosen media file, ending in its separator, for the
// chooser's next start: a game set's Windows path ("C:\Quiz\a.jpg" ->
// "C:\Quiz\") or a path as this platform's chooser returns it
// ("/home/q/a.jpg" -> "/home/q/"). "" for a bare name.
QString MediaFolderOf(const QString& path);

// The answer a media file gives when its name is the answer: the name after
// the last folder separator ("\", or "/" in a path without any "\"), cut
// at its first "." ("C:\Clips\intro.final.mp4" -> "intro"). "" for a bare
// name, as the game has it.
QString MediaFileAnswer(const QString& path);
