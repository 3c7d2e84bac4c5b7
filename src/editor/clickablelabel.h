#pragma once

#include <QLabel>

// A label that takes clicks, with a background colour kept as the game's
// 0x00BBGGRR value so handlers can read back exactly what was painted.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 bgr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space clicks a label that takes the focus, as it presses a button.
    void keyPressEvent(QKeyEvent* event) override;
    // A focused label is framed, so the keyboard's place shows.
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 m_backColor = 0;
    bool m_pressed = false;
};
