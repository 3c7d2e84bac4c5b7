#include "editor/pngicons.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace {

class PngIconEngine final : public QIconEngine {
public:
    explicit PngIconEngine(QList<PngPicture> pictures) : m_pictures(std::move(pictures)) {
        std::sort(m_pictures.begin(), m_pictures.end(),
                  [](const PngPicture& a, const PngPicture& b) { return a.size < b.size; });
    }

    QIconEngine* clone() const override { return new PngIconEngine(*this); }
    QString key() const override { return QStringLiteral("PngIconEngine"); }
    bool isNull() override { return m_pictures.isEmpty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const PngPicture& picture : m_pictures)
            sizes.append(QSize(picture.size, picture.size));
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (m_pictures.isEmpty() || size.isEmpty())
            return QPixmap();
        // The smallest picture as large as asked, else the largest; never enlarged.
        const int wanted = std::max(size.width(), size.height());
        const auto fits = std::find_if(m_pictures.cbegin(), m_pictures.cend(),
                                       [wanted](const PngPicture& p) { return p.size >= wanted; });
        const PngPicture& chosen = fits == m_pictures.cend() ? m_pictures.last() : *fits;
        QPixmap& decoded = m_decoded[chosen.path];
        if (decoded.isNull())
            decoded = Decode(chosen.path);
        QPixmap shown = decoded.width() > size.width() || decoded.height() > size.height()
                            ? decoded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            : decoded;
        if (mode == QIcon::Normal || shown.isNull())
            return shown;
        // Greyed when disabled, as the style greys any icon.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, shown, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap shown = pixmap(rect.size() * ratio, mode, state);
        shown.setDevicePixelRatio(ratio);
        const QSize drawn = shown.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - drawn.width()) / 2,
                                                          (rect.height() - drawn.height()) / 2),
                                  drawn),
                            shown);
    }

private:
    static QPixmap Decode(const QString& path) {
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }

    QList<PngPicture> m_pictures;
    QHash<QString, QPixmap> m_decoded;
};

// The pictures the common style draws its icons from, in Qt's own resources.
QList<PngPicture> StylePictures(const char* name, std::initializer_list<int> sizes) {
    QList<PngPicture> pictures;
    for (int size : sizes) {
        const QString path = QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                                 .arg(QLatin1String(name))
                                 .arg(size);
        if (!QFile::exists(path))
            return {}; // another Qt: the style's icon, however it loads
        pictures.append({size, path});
    }
    return pictures;
}

QList<PngPicture> PicturesOf(QStyle::StandardPixmap icon) {
    switch (icon) {
    case QStyle::SP_ToolBarHorizontalExtensionButton:
        return StylePictures(
            QGuiApplication::isRightToLeft() ? "toolbar-ext-h-rtl" : "toolbar-ext-h", {8, 16, 32});
    case QStyle::SP_ToolBarVerticalExtensionButton:
        return StylePictures("toolbar-ext-v", {5, 10, 20});
    case QStyle::SP_FileIcon:
        return StylePictures("file", {16, 32, 128});
    case QStyle::SP_DialogOpenButton:
        return StylePictures("standardbutton-open", {16, 32, 128});
    case QStyle::SP_DialogSaveButton:
        return StylePictures("standardbutton-save", {16, 32, 128});
    case QStyle::SP_DriveFDIcon:
        return StylePictures("floppy", {16, 32, 128});
    case QStyle::SP_ComputerIcon:
        return StylePictures("computer", {16, 32});
    case QStyle::SP_DesktopIcon:
        return StylePictures("desktop", {16, 32});
    case QStyle::SP_FileDialogDetailedView:
        return StylePictures("viewdetailed", {16, 32, 128});
    case QStyle::SP_MediaPlay:
        return StylePictures("media-play", {16, 32});
    case QStyle::SP_MediaStop:
        return StylePictures("media-stop", {16, 32});
    case QStyle::SP_MediaVolume:
        return StylePictures("media-volume", {16});
    default:
        return {};
    }
}

} // namespace

QIcon PngIcon(const QList<PngPicture>& pictures) {
    return QIcon(new PngIconEngine(pictures));
}

PngIconStyle::PngIconStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

QIcon PngIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    const QList<PngPicture> pictures = PicturesOf(icon);
    if (pictures.isEmpty())
        return QProxyStyle::standardIcon(icon, option, widget);
    return PngIcon(pictures);
}

void UsePngIconStyle() {
    if (qobject_cast<PngIconStyle*>(QApplication::style()))
        return;
    // The style the platform, -style or QT_STYLE_OVERRIDE chose, under ours.
    QApplication::setStyle(new PngIconStyle(QApplication::style()->name()));
}
