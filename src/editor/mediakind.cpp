#include "editor/mediakind.h"

#include <QStringList>

namespace {

bool EndsWithOneOf(const QString& name, const QStringList& endings) {
    const QString lower = name.toLower();
    for (const QString& ending : endings) {
        if (lower.endsWith(ending))
            return true;
    }
    return false;
}

} // namespace

bool IsPictureFileName(const QString& name) {
    return EndsWithOneOf(name, {QStringLiteral(".bmp"), QStringLiteral(".jpg")});
}

bool IsSoundFileName(const QString& name) {
    return EndsWithOneOf(name,
                         {QStringLiteral(".wav"), QStringLiteral(".mp3"), QStringLiteral(".wma")});
}

bool IsVideoFileName(const QString& name) {
    return EndsWithOneOf(name,
                         {QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mov"),
                          QStringLiteral(".wmv"), QStringLiteral(".mp4"), QStringLiteral(".mpeg")});
}

MediaKind MediaKindOfFileName(const QString& name) {
    if (IsSoundFileName(name))
        return MediaKind::Sound;
    if (IsVideoFileName(name))
        return MediaKind::Video;
    if (IsPictureFileName(name))
        return MediaKind::Picture;
    return MediaKind::None;
}
