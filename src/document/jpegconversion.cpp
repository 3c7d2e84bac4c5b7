#include "document/jpegconversion.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {

constexpr int JpegQuality = 90;
// A converted photo is decoded whole: 256 MB holds some 64 million pixels,
// where the preview's 64 MB would refuse a large camera's picture.
constexpr int ConversionAllocationLimitMB = 256;

} // namespace

const QStringList& ConvertiblePictureEndings() {
    static const QStringList endings{QStringLiteral(".png"), QStringLiteral(".gif"),
                                     QStringLiteral(".webp"), QStringLiteral(".jpeg")};
    return endings;
}

bool IsConvertiblePictureName(const QString& name) {
    const QString lower = name.toLower();
    for (const QString& ending : ConvertiblePictureEndings()) {
        if (lower.endsWith(ending))
            return true;
    }
    return false;
}

JpegConversion ConvertToJpeg(const QString& path) {
    JpegConversion result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray original = file.readAll();
    QBuffer input;
    input.setData(original);
    input.open(QIODevice::ReadOnly);
    // The content decides, not the ending: a JPEG named ".png" is copied too.
    QImageReader reader(&input);
    reader.setAllocationLimit(ConversionAllocationLimitMB);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    // Decoded even when its bytes are kept, so a damaged JPEG is not passed on.
    const QImage image = reader.read();
    if (image.isNull()) {
        result.error = reader.errorString();
        return result;
    }
    if (format == "jpeg") {
        result.bytes = original;
        result.copied = true;
        return result;
    }

    result.transparent = image.hasAlphaChannel();
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setColorSpace(image.colorSpace());
    flat.setDotsPerMeterX(image.dotsPerMeterX());
    flat.setDotsPerMeterY(image.dotsPerMeterY());
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();

    QBuffer output(&result.bytes);
    output.open(QIODevice::WriteOnly);
    QImageWriter writer(&output, "jpeg");
    writer.setQuality(JpegQuality);
    if (!writer.write(flat)) {
        result.error = writer.errorString();
        result.bytes.clear();
    }
    return result;
}

QString FreeJpegPath(const QString& folder, const QString& name) {
    const QDir dir(folder);
    for (int number = 1;; ++number) {
        const QString candidate =
            dir.filePath(number == 1 ? name + QStringLiteral(".jpg")
                                     : QStringLiteral("%1-%2.jpg").arg(name).arg(number));
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink())
            return candidate;
    }
}
