#pragma once

#include "model/gameset.h"

#include <QObject>

// The square of the board the author is working on, shared by every part of
// the window: a part that moves it says so once, the others follow.
class BoardSelection : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    Square current() const { return m_square; }
    int category() const { return m_square.category; }
    int question() const { return m_square.question; }
    bool isFinal() const { return m_square.isFinal(); }

    // Moves the selection; `changed` follows even for the same square, since
    // choosing the shown square again shows it afresh.
    void select(Square square);

signals:
    void changed(Square square);

private:
    Square m_square;
};

class QWidget;
class Services;

// Commands that would change the set or the board while the multiple-choice
// box is open are refused, with one message, until Done or Cancel closes it.
class CommandGuard {
public:
    explicit CommandGuard(Services& services) : m_services(services) {}
    // The box whose being open refuses the commands.
    void watch(const QWidget* box) { m_box = box; }
    // True when the command is refused; the refusal has been shown then.
    bool refuses() const;
    // True while the box is open, for what must wait without a refusal shown.
    bool blocks() const;

private:
    Services& m_services;
    const QWidget* m_box = nullptr;
};
