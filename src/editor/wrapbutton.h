#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines when it is wider
// than the button, as the board's narrow question buttons need.
class WrapButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrapButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
