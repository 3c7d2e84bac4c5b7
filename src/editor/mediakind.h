#pragma once

#include <QString>

// The kind of media a file name stands for, judged by its ending in lower
// case exactly as the question display judges a stored path. Only these
// endings are accepted anywhere a file enters a question, so a file that
// was attached is also shown as what it is when the question is shown
// again: a ".png" stored as a picture would come back as a text question
// whose text is the path.
enum class MediaKind { None, Picture, Sound, Video };

bool IsPictureFileName(const QString& name); // ".bmp", ".jpg"
bool IsSoundFileName(const QString& name);   // ".wav", ".mp3", ".wma"
bool IsVideoFileName(const QString& name);   // ".avi", ".mov", ".wmv", ".mpg", ".mpeg", ".mp4"

// Sound first, then video, then picture; None for anything else.
MediaKind MediaKindOfFileName(const QString& name);
