#include "profileReset.h"

#include "vardexSdk.h"

#include <QByteArray>
#include <QDebug>

bool resetProfileInStore(const char *path, int profileIndex, const std::function<void(int)> &addDefaults)
{
    if (!path || !*path || profileIndex < 1)
        return false;
    const QByteArray index = QByteArray::number(profileIndex);
    ProfileNodeInfo info {};
    if (!CVardexXML_SelectProfileNodeInfo(path, index.constData(), &info))
        return false;
    const QByteArray name(info.name, int(qstrnlen(info.name, sizeof info.name)));

    // Inside the batch the old profile leaves the store only together with
    // its replacement: both reach the file in one atomic write.
    if (!CVardexXML_BeginBatch(path))
        return false;
    // Creating a profile over an existing index empties it in place.
    const bool created = CVardexXML_CreateProFileXmlParentNode(path, index.constData(), name.constData(), 0);
    if (created && addDefaults)
        addDefaults(profileIndex);
    const bool written = CVardexXML_EndBatch(path);
    if (!created || !written)
        qDebug() << "---------- *** [Reset Profile] Failed *** ----------" << path << profileIndex;
    return created && written;
}
