#include "editor/wrapbutton.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(QWidget* parent) : QPushButton(parent) {}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The caption keeps a margin from the button's edges: its font steps down
    // (to two thirds at most) until the wrapped text fits inside it.
    const QRect room = rect().adjusted(6, 4, -6, -4);
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont caption = font();
    const qreal smallest = caption.pointSizeF() * 2 / 3;
    while (caption.pointSizeF() > smallest &&
           !room.contains(QFontMetrics(caption).boundingRect(room, flags, text())))
        caption.setPointSizeF(caption.pointSizeF() - 0.5);
    painter.setFont(caption);
    painter.drawText(room, flags, text());
}
