#pragma once

#include <QByteArray>
#include <QIODevice>

// A write-only device that accepts `capacity` bytes and then fails every
// further write, like a disk that fills up in the middle of a save. What was
// accepted before the failure stays readable through written().
class FailDevice : public QIODevice {
    Q_OBJECT
public:
    explicit FailDevice(qint64 capacity, QObject* parent = nullptr);

    const QByteArray& written() const { return m_written; }
    // True once a write has been refused or cut short.
    bool hasFailed() const { return m_failed; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    qint64 m_capacity;
    QByteArray m_written;
    bool m_failed = false;
};
