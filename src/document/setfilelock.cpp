#include "document/setfilelock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

SetFileLock::SetFileLock() = default;
SetFileLock::SetFileLock(SetFileLock&& other) noexcept = default;
SetFileLock& SetFileLock::operator=(SetFileLock&& other) noexcept = default;
SetFileLock::~SetFileLock() = default;

SetFileLock::SetFileLock(const QString& setPath) : m_setPath(setPath) {
    if (setPath.isEmpty())
        return;
    auto lock = std::make_unique<QLockFile>(lockPathFor(setPath));
    // A set stays open for hours: only a holder that is gone makes the mark
    // stale, never its age.
    lock->setStaleLockTime(0);
    // The holder may let go between the failed try and the reading of its
    // mark; then a second try takes it.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_state = State::Held;
            return;
        }
        if (lock->error() != QLockFile::LockFailedError)
            return; // no mark can be made here
        if (lock->getLockInfo(&m_holder.pid, &m_holder.host, &m_holder.program)) {
            m_state = State::HeldElsewhere;
            return;
        }
    }
}

QString SetFileLock::lockPathFor(const QString& setPath) {
    const QFileInfo set(setPath);
    return set.absoluteDir().filePath(QLatin1Char('.') + set.fileName() + QStringLiteral(".lock"));
}
