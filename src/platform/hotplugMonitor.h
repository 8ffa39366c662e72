#ifndef VARDEX_PLATFORM_HOTPLUGMONITOR_H
#define VARDEX_PLATFORM_HOTPLUGMONITOR_H

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class QSocketNotifier;
struct udev;
struct udev_monitor;
struct udev_device;

namespace hotplug {

// Parses a USB id written as hexadecimal text ("046d", "0x046D", " 3F00 ").
// Empty or malformed text, or a value above 0xFFFF, gives no id.
std::optional<quint16> parseHexId(const QString &text);

// True when the text pair names exactly this vendor and product id. A pair
// with an empty or malformed side names no device at all.
bool idsMatch(const QString &vendorIdText, const QString &productIdText, quint16 vid, quint16 pid);

// The two ids under which a keyboard waits in its boot loader.
bool isBootloaderId(quint16 vid, quint16 pid);

// The ids a simulated keyboard's path carries ("sim://Model/usb/3a5e:c106/0").
// False when the path holds none.
bool idsFromSimulatedPath(const QString &path, quint16 *vid, quint16 *pid);

} // namespace hotplug

// One interface of a device coming or going, as udev or the simulated
// keyboard report it.
struct HotplugEvent
{
    bool arrival = true;
    QString path;        // device node or simulator path: what the device page sees
    QString physicalKey; // the same for every interface of one physical device
    quint16 vid = 0;
    quint16 pid = 0;
};

// Watches USB HID arrivals and removals and reports each physical device
// once: a keyboard brings several hidraw nodes, and only the first arrival
// and the last removal of them are passed on. Lives on the interface thread;
// udev is read through a QSocketNotifier there.
class HotplugMonitor : public QObject
{
    Q_OBJECT
public:
    explicit HotplugMonitor(QObject *parent = nullptr);
    ~HotplugMonitor() override;

    // Connects to udev ("hidraw", and "usb" for boot-loader devices that
    // bring no hidraw node) and records the devices already present, so
    // that their later removal is recognised. False when udev is not
    // available; events fed through feed() still work then.
    bool start();
    bool isWatchingUdev() const { return m_notifier != nullptr; }

    // One interface change; coalesced per physical device. Also the entry
    // of the simulated keyboard's plug and unplug.
    void feed(const HotplugEvent &event);

    // Thread-safe form of feed(): queued onto the monitor's thread.
    void feedFromAnyThread(const HotplugEvent &event);

signals:
    // One physical device arrived (first interface) or left (last interface).
    void deviceChanged(bool arrival, const QString &path, quint16 vid, quint16 pid);

private:
    void readUdev();
    void handleUdevDevice(udev_device *dev, bool arrival);
    std::optional<HotplugEvent> describeHidraw(udev_device *dev) const;

    struct NodeInfo
    {
        QString physicalKey;
        quint16 vid = 0;
        quint16 pid = 0;
    };

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    QHash<QString, NodeInfo> m_nodes;                // interface path -> device it belongs to
    QHash<QString, QSet<QString>> m_physicalDevices; // physical key -> its present interfaces
};

Q_DECLARE_METATYPE(HotplugEvent)

#endif // VARDEX_PLATFORM_HOTPLUGMONITOR_H
