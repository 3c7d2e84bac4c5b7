#pragma once

#include "util/textrules.h"

#include <QString>

// A text field of exactly Width characters: storing cuts to Width and pads
// with spaces. Only the cut value without its trailing pad is kept in memory;
// padded() gives the full field as the game sees it.
template <int Width> class FixedText {
public:
    static constexpr int width = Width;

    FixedText() = default;

    void set(const QString& value) { m_text = RTrimSpaces(value.left(Width)); }
    void clear() { m_text.clear(); }

    // All Width characters, trailing spaces included.
    QString padded() const { return m_text + QString(Width - m_text.size(), QLatin1Char(' ')); }
    // Leading and trailing spaces removed: what every consumer compares and shows.
    QString trimmed() const { return LTrimSpaces(m_text); }
    // True when the field holds spaces only.
    bool isBlank() const { return m_text.isEmpty(); }

    bool operator==(const FixedText& other) const { return m_text == other.m_text; }
    bool operator!=(const FixedText& other) const { return m_text != other.m_text; }

private:
    QString m_text; // at most Width characters, no trailing spaces
};
