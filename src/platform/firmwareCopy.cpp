#include "platform/firmwareCopy.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace firmwareCopy {

QString rootIn(const QString &appDataDir)
{
    return appDataDir + QStringLiteral("/FirmwareCopy");
}

QString folderTemplate(const QString &appDataDir)
{
    const QString root = rootIn(appDataDir);
    QDir().mkpath(root);
    return root + QStringLiteral("/image-XXXXXX");
}

int removeLeftovers(const QString &appDataDir)
{
    QDir root(rootIn(appDataDir));
    if (!root.exists())
        return 0;
    int removed = 0;
    const QFileInfoList entries =
        root.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const bool gone = entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                              : QFile::remove(entry.filePath());
        if (gone)
            ++removed;
        else
            qWarning() << "firmware: cannot remove the stale image copy" << entry.filePath();
    }
    if (removed)
        qDebug() << "firmware: removed" << removed << "image copies left by an update that did not end";
    return removed;
}

} // namespace firmwareCopy
