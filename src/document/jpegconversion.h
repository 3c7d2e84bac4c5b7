#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Pictures the game cannot show, made into a JPEG it can. PNG, GIF and WebP
// are decoded and encoded anew; a ".jpeg" file already is a JPEG and only
// needs the ".jpg" ending the game looks for, so its bytes are kept.

// The endings of pictures made into a JPEG: ".png", ".gif", ".webp", ".jpeg".
const QStringList& ConvertiblePictureEndings();
// A name with one of those endings, in any case.
bool IsConvertiblePictureName(const QString& name);

struct JpegConversion {
    QByteArray bytes;         // the JPEG file to write
    bool copied = false;      // the original's bytes, already a JPEG
    bool transparent = false; // the picture had an alpha channel, now on white
    QString error;            // why the picture cannot be read; "" when it could
};

// Reads the picture at `path`: a JPEG's bytes as they are, any other picture
// drawn on white and encoded at quality 90.
JpegConversion ConvertToJpeg(const QString& path);

// The first of "NAME.jpg", "NAME-2.jpg", "NAME-3.jpg"... not taken in
// `folder`; a link to nowhere counts as taken.
QString FreeJpegPath(const QString& folder, const QString& name);
