// Shared set-up of the light page tests: a profile store in a temporary
// folder, a simulated keyboard's transport that is opened but not started
// (so every report stays in its queue to be read), and the page itself.
#ifndef LIGHTPAGEFIXTURE_H
#define LIGHTPAGEFIXTURE_H

#include "hid/MainHidInterFace.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "vardexSdk.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include <list>
#include <memory>
#include <string>

namespace lightPageTest {

inline bool startLibrary()
{
    static bool started = false;
    if (!started) {
        if (CVardexSim_Enable(nullptr) != 0)
            return false;
        CVardexXML_Init();
        if (CVardexHid_Init() != 0)
            return false;
        started = true;
    }
    return true;
}

inline QString firstKeyboardPath()
{
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    return paths.empty() ? QString() : QString::fromStdString(paths.front());
}

// Every effect of the keys, every side effect, maxima 5.
inline lightSupportInfo fullSupport()
{
    lightSupportInfo s;
    s.keyboard.lightTypes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 100};
    s.keyboard.speedMax = 5;
    s.keyboard.brightnessMax = 5;
    s.side.lightTypes = {0, 1, 2, 3, 4, 5};
    s.side.speedMax = 5;
    s.side.brightnessMax = 5;
    return s;
}

inline QByteArray newStore(const QTemporaryDir &dir, const QString &name)
{
    const QByteArray path = QFile::encodeName(dir.filePath(name));
    CVardexXML_CreateXMLFile(path.constData());
    CVardexXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0);
    return path;
}

inline colorInfoData storedRecord(const QByteArray &store, int part, int type, bool *found = nullptr)
{
    colorInfoData r {};
    const bool ok = CVardexXML_SelectProfileColorDataInfo(store.constData(), "1", part, type, &r);
    if (found)
        *found = ok;
    return r;
}

inline QList<int> fields(const colorInfoData &r)
{
    const int32_t *p = &r.hidType;
    QList<int> out;
    for (int i = 0; i < 14; ++i)
        out << p[i];
    return out;
}

struct Rig
{
    QTemporaryDir dir;
    QByteArray store;
    std::unique_ptr<MainHidInterFace> transport;
    std::unique_ptr<DLightsConfigPage> page;
    int seen = 0; // queued reports already looked at

    explicit Rig(const lightSupportInfo &support = fullSupport(), bool withTransport = true)
    {
        store = newStore(dir, QStringLiteral("appProfile_Default.xml"));
        page.reset(new DLightsConfigPage);
        page->setProfileIndex(1);
        page->setProfileXmlPath(store.constData());
        if (withTransport) {
            transport.reset(new MainHidInterFace(1, QStringLiteral("Zeno")));
            transport->hidApi_Open(firstKeyboardPath());
            page->setHidInterface(transport.get());
        }
        page->setLightSupportInfo(support);
    }
    ~Rig()
    {
        page.reset();
        if (transport)
            transport->hidApi_Close(1);
    }

    // Light reports (0x06, 0x07, 0x08) queued since the last call.
    QList<QByteArray> newReports()
    {
        QList<QByteArray> out;
        if (!transport)
            return out;
        const QList<QByteArray> all = transport->pendingCommands();
        for (int i = seen; i < all.size(); ++i) {
            const char cmd = all.at(i).at(1);
            if (all.at(i).at(0) == 1 && (cmd == 0x06 || cmd == 0x07 || cmd == 0x08))
                out << all.at(i);
        }
        seen = all.size();
        return out;
    }

    template <typename T> T *child(const char *name) const { return page->findChild<T *>(QLatin1String(name)); }
};

// True when a 16-bit clock could have been read between before and after.
inline bool clockWithin(unsigned clock, qint64 before, qint64 after)
{
    for (qint64 t = before; t <= after; ++t)
        if ((t & 0xFFFF) == clock)
            return true;
    return false;
}

inline unsigned char at(const QByteArray &r, int i)
{
    return static_cast<unsigned char>(r.at(i));
}

} // namespace lightPageTest

#endif // LIGHTPAGEFIXTURE_H
