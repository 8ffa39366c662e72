#include "platform/hotplugMonitor.h"

#include <QDebug>
#include <QMetaObject>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <libudev.h>

namespace hotplug {

std::optional<quint16> parseHexId(const QString &text)
{
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        t = t.mid(2);
    if (t.isEmpty() || t.size() > 8)
        return std::nullopt;
    bool ok = false;
    const uint value = t.toUInt(&ok, 16);
    if (!ok || value > 0xFFFF)
        return std::nullopt;
    return static_cast<quint16>(value);
}

bool idsMatch(const QString &vendorIdText, const QString &productIdText, quint16 vid, quint16 pid)
{
    const auto v = parseHexId(vendorIdText);
    const auto p = parseHexId(productIdText);
    return v && p && *v == vid && *p == pid;
}

bool isBootloaderId(quint16 vid, quint16 pid)
{
    return (vid == 0x0416 && pid == 0x3F00) || (vid == 0x1FC9 && pid == 0xF7DF);
}

bool idsFromSimulatedPath(const QString &path, quint16 *vid, quint16 *pid)
{
    static const QRegularExpression re(QStringLiteral("/([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})(/|$)"));
    const QRegularExpressionMatch m = re.match(path);
    if (!m.hasMatch())
        return false;
    *vid = static_cast<quint16>(m.captured(1).toUInt(nullptr, 16));
    *pid = static_cast<quint16>(m.captured(2).toUInt(nullptr, 16));
    return true;
}

} // namespace hotplug

namespace {

QString fromUtf8(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

// "0003:00000416:00003F00" -> (0x0416, 0x3F00)
bool parseHidId(const char *hidId, quint16 *vid, quint16 *pid)
{
    const QStringList parts = fromUtf8(hidId).split(QLatin1Char(':'));
    if (parts.size() != 3)
        return false;
    bool okV = false, okP = false;
    const uint v = parts[1].toUInt(&okV, 16);
    const uint p = parts[2].toUInt(&okP, 16);
    if (!okV || !okP || v > 0xFFFF || p > 0xFFFF)
        return false;
    *vid = static_cast<quint16>(v);
    *pid = static_cast<quint16>(p);
    return true;
}

// "416/3f00/100" (the USB device's PRODUCT property) -> (0x0416, 0x3F00)
bool parseUsbProduct(const char *product, quint16 *vid, quint16 *pid)
{
    const QStringList parts = fromUtf8(product).split(QLatin1Char('/'));
    if (parts.size() < 2)
        return false;
    const auto v = hotplug::parseHexId(parts[0]);
    const auto p = hotplug::parseHexId(parts[1]);
    if (!v || !p)
        return false;
    *vid = *v;
    *pid = *p;
    return true;
}

} // namespace

HotplugMonitor::HotplugMonitor(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<HotplugEvent>("HotplugEvent");
}

HotplugMonitor::~HotplugMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool HotplugMonitor::start()
{
    if (m_notifier)
        return true;
    m_udev = udev_new();
    if (!m_udev) {
        qWarning() << "hot-plug: udev is not available; keyboards plugged in later are not noticed";
        return false;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device") < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qWarning() << "hot-plug: cannot listen to udev events; keyboards plugged in later are not noticed";
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        udev_unref(m_udev);
        m_udev = nullptr;
        return false;
    }

    // Devices already present: remembered without being announced, so that
    // a removal (whose event no longer names the ids) can be recognised.
    if (udev_enumerate *e = udev_enumerate_new(m_udev)) {
        udev_enumerate_add_match_subsystem(e, "hidraw");
        udev_enumerate_scan_devices(e);
        udev_list_entry *entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e))
        {
            udev_device *dev = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            if (!dev)
                continue;
            if (const auto ev = describeHidraw(dev)) {
                m_nodes.insert(ev->path, NodeInfo{ev->physicalKey, ev->vid, ev->pid});
                m_physicalDevices[ev->physicalKey].insert(ev->path);
            }
            udev_device_unref(dev);
        }
        udev_enumerate_unref(e);
    }

    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HotplugMonitor::readUdev);
    return true;
}

void HotplugMonitor::readUdev()
{
    // The netlink socket is non-blocking: drain what is queued.
    while (udev_device *dev = udev_monitor_receive_device(m_monitor)) {
        const QString action = fromUtf8(udev_device_get_action(dev));
        if (action == QLatin1String("add"))
            handleUdevDevice(dev, true);
        else if (action == QLatin1String("remove"))
            handleUdevDevice(dev, false);
        udev_device_unref(dev);
    }
}

std::optional<HotplugEvent> HotplugMonitor::describeHidraw(udev_device *dev) const
{
    const char *node = udev_device_get_devnode(dev);
    if (!node)
        return std::nullopt;
    udev_device *hid = udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr);
    if (!hid)
        return std::nullopt;
    HotplugEvent ev;
    if (!parseHidId(udev_device_get_property_value(hid, "HID_ID"), &ev.vid, &ev.pid))
        return std::nullopt;
    ev.path = fromUtf8(node);
    // Every interface of one USB device shares the USB device's sysfs path;
    // a HID device without USB (uhid, Bluetooth) stands alone.
    udev_device *usb = udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_device");
    ev.physicalKey = fromUtf8(udev_device_get_syspath(usb ? usb : hid));
    return ev;
}

void HotplugMonitor::handleUdevDevice(udev_device *dev, bool arrival)
{
    const QString subsystem = fromUtf8(udev_device_get_subsystem(dev));
    if (subsystem == QLatin1String("hidraw")) {
        if (arrival) {
            if (const auto ev = describeHidraw(dev))
                feed(*ev);
            return;
        }
        // A removed node's parents are gone: recognise it by what its
        // arrival told us.
        const QString node = fromUtf8(udev_device_get_devnode(dev));
        const auto it = m_nodes.constFind(node);
        if (it == m_nodes.constEnd())
            return;
        HotplugEvent ev;
        ev.arrival = false;
        ev.path = node;
        ev.physicalKey = it->physicalKey;
        ev.vid = it->vid;
        ev.pid = it->pid;
        feed(ev);
        return;
    }

    if (subsystem == QLatin1String("usb")) {
        // Keyboards are followed through their hidraw nodes; the USB device
        // itself matters only for a boot loader, which may bring none.
        HotplugEvent ev;
        ev.arrival = arrival;
        if (!parseUsbProduct(udev_device_get_property_value(dev, "PRODUCT"), &ev.vid, &ev.pid))
            return;
        if (!hotplug::isBootloaderId(ev.vid, ev.pid))
            return;
        ev.path = fromUtf8(udev_device_get_syspath(dev));
        ev.physicalKey = QStringLiteral("usb:") + ev.path;
        feed(ev);
    }
}

void HotplugMonitor::feed(const HotplugEvent &event)
{
    const QString key = event.physicalKey.isEmpty() ? event.path : event.physicalKey;
    if (event.arrival) {
        m_nodes.insert(event.path, NodeInfo{key, event.vid, event.pid});
        QSet<QString> &interfaces = m_physicalDevices[key];
        const bool first = interfaces.isEmpty();
        interfaces.insert(event.path);
        if (first)
            emit deviceChanged(true, event.path, event.vid, event.pid);
        return;
    }

    m_nodes.remove(event.path);
    auto it = m_physicalDevices.find(key);
    if (it == m_physicalDevices.end()) {
        // Never seen arriving (e.g. the simulator started plugged): still a
        // removal the device page may need to hear about.
        emit deviceChanged(false, event.path, event.vid, event.pid);
        return;
    }
    it->remove(event.path);
    if (it->isEmpty()) {
        m_physicalDevices.erase(it);
        emit deviceChanged(false, event.path, event.vid, event.pid);
    }
}

void HotplugMonitor::feedFromAnyThread(const HotplugEvent &event)
{
    QMetaObject::invokeMethod(this, [this, event] { feed(event); }, Qt::QueuedConnection);
}
