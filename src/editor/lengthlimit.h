#pragma once

#include <QValidator>

class QLineEdit;

// Keeps what the user types, pastes or drops into a text box to one line
// (a line break or tab becomes a space, see OneLineText) and to `limit`
// characters (a paste keeps the part that fits), while text that code puts
// into the box is kept whole, even when it is longer (an answer read from a
// file may be). An overlong text can still be shortened; it only refuses to
// grow.
class LengthLimit : public QValidator {
    Q_OBJECT

public:
    LengthLimit(int limit, QLineEdit* box);

    int limit() const { return m_limit; }
    State validate(QString& input, int& position) const override;
    // What the last edit had replaced, for the notice beside the box; it
    // goes with the next change.
    const QString& notice() const { return m_notice; }

private:
    QLineEdit* m_box;
    int m_limit;
    int m_acceptedLength = 0; // length of the box's text after its last change
    mutable QString m_notice;
    mutable QString m_replacedText; // the box's text after the replacement
};
