#include "platform/instanceGuard.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

InstanceGuard::InstanceGuard(const QString &key, const QString &lockFilePath)
    : m_memory(key)
    , m_lockFilePath(lockFilePath)
{
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::acquire()
{
    if (m_first)
        return true;

    bool lockHeld = false;
    bool lockUsable = false;
    if (!m_lockFilePath.isEmpty()) {
        QDir().mkpath(QFileInfo(m_lockFilePath).absolutePath());
        if (!m_lock) {
            m_lock = std::make_unique<QLockFile>(m_lockFilePath);
            // Only a dead holder makes the lock stale, never its age.
            m_lock->setStaleLockTime(0);
        }
        lockHeld = m_lock->tryLock(0);
        if (!lockHeld && m_lock->error() == QLockFile::LockFailedError)
            return false; // a live copy holds it
        lockUsable = lockHeld;
        if (!lockUsable)
            qWarning() << "Instance lock unusable:" << m_lockFilePath << "- the shared memory alone decides";
    }

    if (m_memory.create(1, QSharedMemory::ReadWrite)) {
        m_first = true;
        return true;
    }
    if (!lockUsable) {
        qDebug() << "--------------- EXE already runing -----------------";
        return false;
    }
    // We hold the lock, so whoever created the block is gone. Attaching and
    // detaching as its last user removes it.
    if (m_memory.error() == QSharedMemory::AlreadyExists) {
        qWarning() << "Removing the shared memory block left by a copy that ended abnormally";
        if (m_memory.attach())
            m_memory.detach();
        if (!m_memory.create(1, QSharedMemory::ReadWrite))
            qWarning() << "Shared memory still unavailable:" << m_memory.errorString();
    } else {
        qWarning() << "Shared memory unavailable:" << m_memory.errorString();
    }
    m_first = true;
    return true;
}
