#pragma once

#include <QIcon>
#include <QProxyStyle>

// One picture of an icon: a PNG among the program's resources or Qt's own,
// drawn at its size in pixels.
struct PngPicture {
    int size;
    QString path;
};

// An icon whose pictures are decoded as PNG, each when first drawn.
// QIcon::addFile would ask every installed image-format plugin whether it
// reads the file, loading them all (and libtiff, libwebp and the rest) before
// the window is first shown.
QIcon PngIcon(const QList<PngPicture>& pictures);

// The style of the platform, with the icons the window shows at start-up (the
// toolbar's, the media buttons', the bars' extension arrows) taken from the
// style's own pictures as PNG icons. Any other icon is the style's.
class PngIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit PngIconStyle(const QString& baseStyle);
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts PngIconStyle over the application's style, once.
void UsePngIconStyle();
