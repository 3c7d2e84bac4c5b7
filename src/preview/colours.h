#pragma once

#include <QColor>
#include <QString>
#include <optional>

// The game stores text colours as the decimal text of a 0x00BBGGRR value
// ("255" is red, "16777215" white). These are the only conversions between
// that form and QColor.

quint32 ColorToBgr(const QColor& color);  // 0x00BBGGRR of an opaque colour
QColor ColorFromBgr(quint32 bgr);         // the high byte is ignored
QString ColorToText(const QColor& color); // decimal text, e.g. "255"
// The colour of a stored text; none when the text holds no number in
// 0..0xFFFFFF, so the caller keeps its current colour.
std::optional<QColor> ColorFromText(const QString& text);
