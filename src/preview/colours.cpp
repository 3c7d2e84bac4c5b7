#include "preview/colours.h"

#include "model/gamesetfile.h"
#include "util/textrules.h"

#include <cmath>

quint32 ColorToBgr(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<quint32>(rgb.red()) | (static_cast<quint32>(rgb.green()) << 8) |
           (static_cast<quint32>(rgb.blue()) << 16);
}

QColor ColorFromBgr(quint32 bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

QString ColorToText(const QColor& color) {
    return QString::number(ColorToBgr(color));
}

std::optional<QColor> ColorFromText(const QString& text) {
    const QString trimmed = TrimSpaces(text);
    // A hand-edited file may carry anything there: only a number is a colour.
    if (trimmed.isEmpty() || !IsNumeric(trimmed))
        return std::nullopt;
    const double value = std::round(LeadingNumber(trimmed));
    if (!(value >= 0.0 && value <= static_cast<double>(0xFFFFFF)))
        return std::nullopt;
    return ColorFromBgr(static_cast<quint32>(value));
}
