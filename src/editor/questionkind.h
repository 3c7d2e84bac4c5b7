#pragma once

#include <QString>

// What a question is shown as, judged from its stored file names: a sound
// file in the media path wins, then a video or picture path in the text.
enum class QuestionKind { Text, Picture, Sound, Video };

QuestionKind KindOfQuestion(const QString& questionText, const QString& mediaPath);
