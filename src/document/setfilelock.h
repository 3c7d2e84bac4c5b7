#pragma once

#include <QString>

#include <memory>

class QLockFile;

// The mark an editor leaves beside the set it has open, ".NAME.lock" in the
// set's folder, so that a second editor can say who has the set open. It is a
// QLockFile: it names the process, the host and the program. A mark left on
// this host by a process that is gone is taken over. Where no mark can be
// made (a read-only folder), the set is simply open without one.
class SetFileLock {
public:
    enum class State { None, Held, HeldElsewhere };
    struct Holder {
        qint64 pid = 0;
        QString host;
        QString program;
    };

    SetFileLock();
    // Tries to take the mark of the set at `setPath`; "" takes none.
    explicit SetFileLock(const QString& setPath);
    SetFileLock(SetFileLock&& other) noexcept;
    SetFileLock& operator=(SetFileLock&& other) noexcept;
    ~SetFileLock(); // removes the mark when this one holds it

    State state() const { return m_state; }
    // The set this lock was taken for, whatever its state.
    const QString& setPath() const { return m_setPath; }
    // Who holds the mark when state() is HeldElsewhere.
    const Holder& holder() const { return m_holder; }

    static QString lockPathFor(const QString& setPath);

private:
    QString m_setPath;
    std::unique_ptr<QLockFile> m_lock;
    State m_state = State::None;
    Holder m_holder;
};
