// The checks of the media files a set names: the path, the type, the size
// and the first bytes of each.

#include "model/gamesetcheck.h"

#include "model/checkshared.h"
#include "model/mediafolders.h"
#include "util/pathhelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace CheckShared;

namespace {

// ".bmp or .jpg"
QString TypesOf(Kind kind) {
    QStringList endings = FileEndings(kind);
    const QString last = endings.takeLast();
    return endings.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

bool IsTypeOf(Kind kind, const QString& path) {
    return MediaKindOfFileName(path) == kind;
}

bool IsJpegFileName(const QString& path) {
    return path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

QString Megabytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1);
}

} // namespace

void CheckShared::CheckMedia(QList<Finding>& findings, Square square, Kind kind,
                             const QString& path, const CheckProbes& probes) {
    const QString word = KindWord(kind);
    if (path.isEmpty()) {
        findings << Make(square, CheckPart::Media, Severity::Error,
                         QStringLiteral("%1 question without a %1 file").arg(word));
        return;
    }
    auto add = [&](Severity severity, const QString& problem) {
        findings << Make(square, CheckPart::Media, severity,
                         QStringLiteral("%1 file %2 %3").arg(word, Quoted(path), problem));
    };
    const bool windows = IsWindowsPath(path);
    if (probes.locateMedia && !windows && QDir::isAbsolutePath(path))
        add(Severity::Error,
            QStringLiteral("is a path of this computer, which the game's computer cannot open: "
                           "pair its folder with the game's in Media Folders, or pack the set "
                           "for the game"));
    const bool playable = IsTypeOf(kind, path);
    if (!playable)
        add(Severity::Error, QStringLiteral("is not a type the game plays: a %1 file ends in %2")
                                 .arg(word, TypesOf(kind)));

    const QString found = probes.locateMedia ? probes.locateMedia(path)
                          : FileExists(path) ? path
                                             : QString();
    if (found.isEmpty()) {
        add(Severity::Error, probes.locateMedia && windows
                                 ? QStringLiteral("does not exist here, through the media "
                                                  "folders or beside the set")
                                 : QStringLiteral("does not exist"));
        return;
    }
    // A file of the wrong type is reported as such; its size and content are no matter then.
    if (!playable)
        return;
    const QString key = KindWord(kind) + QLatin1Char(':') + found;
    MediaFileNote note;
    if (probes.mediaFileNotes && probes.mediaFileNotes->contains(key)) {
        note = probes.mediaFileNotes->value(key);
    } else {
        note.bytes = kind == Kind::Picture ? QFileInfo(found).size() : 0;
        if (kind != Kind::Picture)
            note.problem = MediaContentProblem(found);
        else if (probes.pictureProblem)
            note.problem = probes.pictureProblem(found);
        if (probes.mediaFileNotes)
            probes.mediaFileNotes->insert(key, note);
    }
    const bool jpeg = IsJpegFileName(path);
    const qint64 largest = jpeg ? LargestJpegBytes : LargestBitmapBytes;
    if (kind == Kind::Picture && note.bytes > largest)
        add(Severity::Warning,
            QStringLiteral("is %1 MB: the game's computer takes a second or more to show a %2 "
                           "over %3 MB; make the picture smaller")
                .arg(Megabytes(note.bytes),
                     jpeg ? QStringLiteral("JPEG picture") : QStringLiteral("bitmap"),
                     Megabytes(largest)));
    if (!note.problem.isEmpty())
        add(Severity::Error, note.problem);
}

QString MediaContentProblem(const QString& path) {
    struct Format {
        const char* ending;
        const char* name;
        bool (*matches)(const QByteArray& head);
    };
    static const auto riff = [](const QByteArray& head, const char* form) {
        return head.startsWith("RIFF") && head.mid(8, 4) == form;
    };
    static const auto asf = [](const QByteArray& head) {
        // The ASF header object's GUID, shared by WMA and WMV.
        return head.startsWith(QByteArray::fromHex("3026B2758E66CF11A6D900AA0062CE6C"));
    };
    static const auto quickTime = [](const QByteArray& head) {
        static const QList<QByteArray> atoms{"ftyp", "moov", "mdat", "wide",
                                             "free", "skip", "pnot"};
        return atoms.contains(head.mid(4, 4));
    };
    static const auto mpeg = [](const QByteArray& head) {
        return head.startsWith(QByteArray("\0\0\1\xBA", 4)) ||
               head.startsWith(QByteArray("\0\0\1\xB3", 4));
    };
    static const Format formats[] = {
        {".wav", "a WAV", [](const QByteArray& head) { return riff(head, "WAVE"); }},
        {".avi", "an AVI", [](const QByteArray& head) { return riff(head, "AVI "); }},
        {".mp3", "an MP3",
         [](const QByteArray& head) {
             // An ID3 tag, or straight away an MPEG audio frame's sync bits.
             return head.startsWith("ID3") ||
                    (head.size() >= 2 && static_cast<unsigned char>(head.at(0)) == 0xFF &&
                     (static_cast<unsigned char>(head.at(1)) & 0xE0) == 0xE0);
         }},
        {".wma", "a Windows Media", asf},
        {".wmv", "a Windows Media", asf},
        {".mov", "a QuickTime", quickTime},
        {".mp4", "an MP4", quickTime},
        {".mpg", "an MPEG", mpeg},
        {".mpeg", "an MPEG", mpeg},
    };
    const QString lower = path.toLower();
    const Format* format = nullptr;
    for (const Format& candidate : formats) {
        if (lower.endsWith(QLatin1String(candidate.ending)))
            format = &candidate;
    }
    if (!format)
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be opened");
    const QByteArray head = file.read(16);
    if (head.isEmpty())
        return QStringLiteral("is empty");
    if (!format->matches(head))
        return QStringLiteral("does not look like %1 file").arg(QLatin1String(format->name));
    return QString();
}
