#include "model/mediakind.h"

#include "model/gameset.h"
#include "util/pathhelpers.h"

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

const QStringList& FileEndings(MediaKind kind) {
    static const QStringList none;
    static const QStringList pictures{QStringLiteral(".bmp"), QStringLiteral(".jpg")};
    static const QStringList sounds{QStringLiteral(".wav"), QStringLiteral(".mp3"),
                                    QStringLiteral(".wma")};
    static const QStringList videos{QStringLiteral(".avi"),  QStringLiteral(".mov"),
                                    QStringLiteral(".wmv"),  QStringLiteral(".mpg"),
                                    QStringLiteral(".mpeg"), QStringLiteral(".mp4")};
    switch (kind) {
    case MediaKind::Picture:
        return pictures;
    case MediaKind::Sound:
        return sounds;
    case MediaKind::Video:
        return videos;
    case MediaKind::None:
        break;
    }
    return none;
}

bool IsPictureFileName(const QString& name) {
    return EndsWithOneOf(name, FileEndings(MediaKind::Picture));
}

bool IsSoundFileName(const QString& name) {
    return EndsWithOneOf(name, FileEndings(MediaKind::Sound));
}

bool IsVideoFileName(const QString& name) {
    return EndsWithOneOf(name, FileEndings(MediaKind::Video));
}

MediaKind KindOfTypeLetter(const QString& questionType) {
    const QString letter = questionType.left(1);
    for (MediaKind kind : {MediaKind::Picture, MediaKind::Sound, MediaKind::Video}) {
        if (letter == TypeLetter(kind))
            return kind;
    }
    return MediaKind::None;
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

MediaKind KindOfQuestion(const QuestionRecord& record) {
    if (IsSoundFileName(record.MediaPath.trimmed()))
        return MediaKind::Sound;
    const QString text = record.QuestionText.trimmed();
    if (IsVideoFileName(text))
        return MediaKind::Video;
    if (IsPictureFileName(text))
        return MediaKind::Picture;
    return MediaKind::None;
}

namespace {

// The separator a path uses: "\" for the Windows paths game sets hold; "/"
// only for a path without any "\", as the chooser gives them here.
QChar SeparatorOf(const QString& path) {
    return path.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
}

} // namespace

QString MediaFileAnswer(const QString& path) {
    const qsizetype last = path.lastIndexOf(SeparatorOf(path));
    return last < 0 ? QString() : StripExtension(path.mid(last + 1));
}

QString TypeLetter(MediaKind kind) {
    static const QString letters[] = {QStringLiteral("T"), QStringLiteral("P"), QStringLiteral("S"),
                                      QStringLiteral("V")};
    return letters[static_cast<int>(kind)];
}
