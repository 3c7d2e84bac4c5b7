#include "util/linereader.h"

#include "util/windows1252.h"

#include <QIODevice>

namespace {
constexpr qint64 ChunkSize = 64 * 1024;
}

LineReader::LineReader(QIODevice& device, qsizetype maxLength)
    : m_device(device), m_maxLength(maxLength < 0 ? 0 : maxLength) {}

bool LineReader::fill() {
    if (m_atEnd)
        return false;
    m_buffer = m_device.read(ChunkSize);
    m_position = 0;
    if (m_buffer.isEmpty()) {
        m_atEnd = true;
        return false;
    }
    return true;
}

bool LineReader::readLine(QString& line) {
    QByteArray bytes;
    bool started = false; // something of this line (or its end) was consumed
    for (;;) {
        if (m_position >= m_buffer.size() && !fill()) {
            if (!started)
                return false;
            break;
        }
        started = true;
        const qsizetype end = m_buffer.indexOf('\r', m_position);
        const qsizetype stop = end < 0 ? m_buffer.size() : end;
        const qsizetype room = m_maxLength - bytes.size();
        if (room > 0)
            bytes.append(m_buffer.constData() + m_position, qMin(room, stop - m_position));
        if (end < 0) {
            m_position = m_buffer.size();
            continue;
        }
        m_position = end + 1;
        // A CR may be followed by its LF in the next chunk.
        if (m_position >= m_buffer.size())
            fill();
        if (m_position < m_buffer.size() && m_buffer.at(m_position) == '\n')
            ++m_position;
        break;
    }
    line = DecodeWindows1252(bytes);
    return true;
}
