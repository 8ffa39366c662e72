#ifndef INSTANCEGUARD_H
#define INSTANCEGUARD_H

#include <QLockFile>
#include <QSharedMemory>
#include <QString>

#include <memory>

// Decides whether this process is the first running copy. The named shared
// memory block alone cannot tell a live copy from one that was killed: on
// Linux the block outlives its creator. A lock file, which the system releases
// when its holder dies, makes that decision; the block is kept so that copies
// agree on the same key.
class InstanceGuard
{
public:
    // lockFilePath may be empty: the block alone then decides.
    InstanceGuard(const QString &key, const QString &lockFilePath);
    ~InstanceGuard();

    // True when this process is (or has just become) the first copy. Safe to
    // call again, e.g. while a later copy waits for a dying first copy.
    bool acquire();
    bool isFirst() const { return m_first; }

private:
    QSharedMemory m_memory;
    QString m_lockFilePath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = false;
};

#endif // INSTANCEGUARD_H
