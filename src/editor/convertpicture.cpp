// Offering a picture the game cannot show (PNG, GIF, WebP, or a JPEG ending
// in ".jpeg") as a JPEG copy that it can, asked for every file, never done
// without the author's word.

#include "editor/mediacommands.h"

#include "document/jpegconversion.h"
#include "model/safewrite.h"
#include "services/services.h"
#include "util/pathhelpers.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ReasonOf(const FileError& error) {
    return error.reason.isEmpty() ? error.description : error.reason;
}

} // namespace

QString MediaCommands::ConvertPictureForGame(const QString& path) {
    const JpegConversion jpeg = ConvertToJpeg(QDir::fromNativeSeparators(path));
    if (!jpeg.error.isEmpty()) {
        ShowOkMessage(QStringLiteral("%1\r\ncannot be converted to JPEG: it cannot be read as a "
                                     "picture (%2).")
                          .arg(path, jpeg.error));
        return QString();
    }
    const QFileInfo original(QDir::fromNativeSeparators(path));
    const QString name = original.completeBaseName();
    QString target = QDir::toNativeSeparators(FreeJpegPath(original.absolutePath(), name));
    if (!AcceptMediaPath(target))
        return QString();

    const QString made = jpeg.copied ? QStringLiteral("an identical copy of it")
                                     : QStringLiteral("a JPEG copy of it");
    const QString white =
        jpeg.transparent ? QStringLiteral(" Transparent parts become white.") : QString();
    const QString question =
        QStringLiteral("%1\r\nis not a picture the game can show: it takes only .bmp and .jpg "
                       "files.\r\n\r\nConvert to JPEG saves %2 as\r\n%3\r\nand attaches that "
                       "copy; the picture itself is not changed.%4")
            .arg(path, made, target, white);
    if (m_services.showMessage(question, MessageButtons::ConvertCancel, MessageIcon::Question,
                               QString()) != MessageAnswer::Convert)
        return QString();

    FileError error = SafeWriteBytes(target, jpeg.bytes);
    if (!error.failed())
        return target;
    // Beside the original is only the first choice: a folder of pictures
    // on a read-only disc, say, still has its pictures converted elsewhere.
    const QString folder = m_services.getExistingDirectory(
        QStringLiteral("Choose a folder for %1: the picture's own folder cannot be written (%2)")
            .arg(FileNameOfPath(target), ReasonOf(error)),
        ChooserStartFolder(QString()));
    if (folder.isEmpty())
        return QString();
    target = QDir::toNativeSeparators(FreeJpegPath(QDir::fromNativeSeparators(folder), name));
    if (!AcceptMediaPath(target))
        return QString();
    error = SafeWriteBytes(target, jpeg.bytes);
    if (!error.failed())
        return target;
    ShowOkMessage(QStringLiteral("%1\r\ncould not be saved: %2\r\n\r\nNo picture was attached.")
                      .arg(target, ReasonOf(error)));
    return QString();
}
