#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Reads Windows-1252 lines from a device the way the game does: a line ends at
// CR or CR LF; a lone LF belongs to the line. Lines longer than maxLength are
// cut (the rest is skipped), so any input reads in bounded memory.
class LineReader {
public:
    static constexpr qsizetype DefaultMaxLength = 1 << 20;

    explicit LineReader(QIODevice& device, qsizetype maxLength = DefaultMaxLength);

    // False at the end of the input (nothing left to read).
    bool readLine(QString& line);

private:
    bool fill();

    QIODevice& m_device;
    qsizetype m_maxLength;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    bool m_atEnd = false;
};
