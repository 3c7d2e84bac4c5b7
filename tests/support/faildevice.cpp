#include "faildevice.h"

FailDevice::FailDevice(qint64 capacity, QObject* parent)
    : QIODevice(parent), m_capacity(capacity) {}

qint64 FailDevice::readData(char*, qint64) {
    return -1;
}

qint64 FailDevice::writeData(const char* data, qint64 size) {
    const qint64 room = m_capacity - m_written.size();
    if (room <= 0 && size > 0) {
        m_failed = true;
        setErrorString(QStringLiteral("No room left on the device"));
        return -1;
    }
    // A short write, as a real device reports the part it could store.
    const qint64 accepted = qMin(room, size);
    m_written.append(data, accepted);
    if (accepted < size) {
        m_failed = true;
        setErrorString(QStringLiteral("No room left on the device"));
    }
    return accepted;
}
