// The device list of the device page: what is attached, its tiles, and how
// arrivals, removals and the receiver's reports change them.
#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "DDeviceListItem.h"
#include "deviceRecordFields.h"
#include "tileListOrder.h"

#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/lightsConfig/lightDealMain.h"

#include <QDebug>
#include <QTimer>

#include <cstring>
#include <list>
#include <map>
#include <string>

using namespace deviceRecordFields;

namespace {

constexpr int kHotPlugArrival = 11;
constexpr int kHotPlugRemoval = 12;

QString tileKey(const hidStructInfoAll &record)
{
    const QString path = fieldText(record.hidPath);
    return path.isEmpty() ? fieldText(record.hidName) : path;
}

// One attached device as the library describes it, with the model entry it
// belongs to already looked up.
struct AttachedDevice
{
    QString path;
    std::string modelCode;
    hidStructInfo hid;
    hidFirmwareInfo firmware;
};

struct HidSnapshot
{
    QList<AttachedDevice> devices; // in the library's list order
    std::map<std::string, hidModelInfo> models;
};

// Asks the device library what is attached and what is supported.
HidSnapshot scanHid()
{
    HidSnapshot snapshot;
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    CVardexHid_GetHidInfoStuMapList(snapshot.models);
    for (const std::string &path : paths) {
        AttachedDevice device;
        std::memset(static_cast<void *>(&device.hid), 0, sizeof device.hid);
        std::memset(static_cast<void *>(&device.firmware), 0, sizeof device.firmware);
        const QByteArray latin1 = QString::fromStdString(path).toLatin1();
        if (!CVardexHid_GetHidAndFirmwareInfoStu(latin1.constData(), &device.hid, &device.firmware))
            continue;
        device.path = QString::fromLatin1(device.hid.hidPath, int(qstrnlen(device.hid.hidPath, sizeof device.hid.hidPath)));
        device.modelCode = std::string(device.hid.hidName, qstrnlen(device.hid.hidName, sizeof device.hid.hidName));
        snapshot.devices.append(device);
    }
    return snapshot;
}

void fillFromModel(hidStructInfoAll &record, const hidModelInfo &model)
{
    setField(record.deviceType, fieldBytes(model.deviceType));
    setField(record.productName, fieldBytes(model.productName));
    setField(record.likeName, fieldBytes(model.likeName));
    std::memcpy(record.modelParams, model.modelParams, sizeof record.modelParams);
    record.keyCount = model.keyCount;
}

hidStructInfoAll assembleRecord(const AttachedDevice &device, const hidModelInfo &model)
{
    hidStructInfoAll record;
    fillFromModel(record, model);
    setField(record.hidPath, device.path.toLatin1());
    setField(record.hidName, QByteArray::fromStdString(device.modelCode));
    record.hidUsbOrDongle = device.hid.hidUsbOrDongle != 0 ? 1 : 0;
    const hidFirmwareInfo &fw = device.firmware;
    setField(record.firmwareVersion, fieldBytes(fw.firmwareVersion));
    setField(record.fwInfoPart1, fieldBytes(fw.identity[0]));
    setField(record.fwInfoPart2, fieldBytes(fw.identity[1]));
    setField(record.fwInfoPart4, fieldBytes(fw.identity[3]));
    record.onlineStatus = record.hidUsbOrDongle == 0 ? 1 : 0;
    return record;
}

hidStructInfoAll offlineRecord(const std::string &modelCode, const hidModelInfo &model)
{
    hidStructInfoAll record;
    fillFromModel(record, model);
    setField(record.hidName, QByteArray::fromStdString(modelCode));
    record.onlineStatus = 0;
    record.hidUsbOrDongle = 0;
    return record;
}
} // namespace

// ---------------------------------------------------------------------------
// Device list
// ---------------------------------------------------------------------------

QMap<QString, DDeviceKeyboardLink *> DDevicePage::keyboardLinks() const
{
    return m_links;
}

QMap<QString, hidStructInfoAll> DDevicePage::connectedDevices() const
{
    return m_devices;
}

void DDevicePage::showNoDevice()
{
    // No keyboard is current: nothing on the page, in its stores or in the
    // light engine may still name the one that was.
    releaseCurrentKeyboard();
    selectTile(nullptr);
    destroyKeyboardView();
    m_profileDir.clear();
    std::memset(m_profileXmlPath, 0, sizeof m_profileXmlPath);
    m_currentSN.clear();
    m_currentDevice = hidStructInfoAll {};
    m_lightDealMain->setHidInfo(m_currentDevice);
    loadCurrentProfile();
    ui->label_Mode->clear();
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
    emit sigReturnHidLikeName(QStringLiteral("HID"), QStringLiteral("RGB"));
}

void DDevicePage::setTileLayoutSpacing()
{
    ui->verticalLayout_17->setContentsMargins(12, 0, 0, 0);
    ui->verticalLayout_17->setSpacing(10);
}

QList<QWidget *> DDevicePage::clearDeviceList()
{
    QList<QWidget *> taken;
    QVBoxLayout *layout = ui->verticalLayout_17;
    while (layout->count() > 1) {
        QLayoutItem *item = layout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->setParent(nullptr);
            taken.append(w);
        }
        delete item;
    }
    return taken;
}

DDeviceListItem *DDevicePage::createTile(const hidStructInfoAll &record)
{
    auto *tile = new DDeviceListItem(ui->scrollAreaWidgetContents_2);
    // Queued: the page may rebuild the list (and delete this tile) while it
    // handles the press, so the tile's own event handler must have returned.
    connect(tile, &DDeviceListItem::sigHidItemMouseClicked, this, &DDevicePage::onHidItemMouseClicked,
            Qt::QueuedConnection);
    ui->verticalLayout_17->insertWidget(ui->verticalLayout_17->count() - 1, tile);
    tile->setHidInfo(record);
    tile->show();
    return tile;
}

void DDevicePage::onLoadDeviceList()
{
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);

    // Hot-plug notifications that arrive while the links open below are
    // replayed once the list stands.
    const bool wasBusy = m_hotPlugBusy;
    m_hotPlugBusy = true;

    HidSnapshot snapshot = scanHid();
    std::map<std::string, hidModelInfo> working = snapshot.models;
    const std::map<std::string, hidModelInfo> &full = snapshot.models;

    m_devices.clear();
    QList<hidStructInfoAll> cable, dongle, offline;
    bool recordMade = false;
    for (const AttachedDevice &device : snapshot.devices) {
        hidStructInfoAll record;
        bool firstOfModel = false;
        auto it = working.find(device.modelCode);
        if (it != working.end()) {
            record = assembleRecord(device, it->second);
            working.erase(it);
            firstOfModel = true;
        } else {
            auto fullIt = full.find(device.modelCode);
            if (fullIt == full.end())
                continue;
            record = assembleRecord(device, fullIt->second);
        }
        if (record.hidUsbOrDongle == 0) {
            record.onlineStatus = 1;
            cable.append(record);
        } else {
            record.onlineStatus = 0;
            dongle.append(record);
            if (firstOfModel)
                m_dongleStatus[device.path] = 1;
        }
        m_devices[device.path] = record;
        recordMade = true;
    }
    for (const auto &entry : working)
        offline.append(offlineRecord(entry.first, entry.second));

    for (QWidget *w : clearDeviceList())
        w->deleteLater();
    setTileLayoutSpacing();
    m_tiles.clear();
    const QList<hidStructInfoAll> display = cable + dongle + offline;
    for (const hidStructInfoAll &record : display)
        m_tiles[tileKey(record)] = createTile(record);

    if (recordMade) {
        const QList<hidStructInfoAll> records = m_devices.values();
        for (const hidStructInfoAll &record : records) {
            if (m_devices.contains(fieldText(record.hidPath)))
                openKeyboardLink(record);
        }
        if (!cable.isEmpty() && m_devices.contains(fieldText(cable.first().hidPath)))
            showCurrentDevice(cable.first());
        else if (!m_currentLink)
            showNoDevice();
    } else {
        showNoDevice();
    }

    m_hotPlugBusy = wasBusy;
    if (!m_hotPlugBusy && m_hotPlugPending) {
        m_hotPlugPending = false;
        updateHidList(kHotPlugArrival);
    }
}

void DDevicePage::updateHidList(int kind, QString hidPath)
{
    Q_UNUSED(hidPath);
    if (m_hotPlugBusy) {
        // Another road is running (its bounded wait processes events): run
        // again when it is done instead of losing this notification.
        m_hotPlugPending = true;
        return;
    }
    m_hotPlugBusy = true;
    int runKind = kind;
    do {
        m_hotPlugPending = false;
        updateHidListOnce(runKind);
        // A replay compares the whole attached set again.
        runKind = kHotPlugArrival;
    } while (m_hotPlugPending);
    m_hotPlugBusy = false;
}

void DDevicePage::updateHidListOnce(int kind)
{
    if (kind != kHotPlugArrival && kind != kHotPlugRemoval) {
        reorderTiles();
        return;
    }

    HidSnapshot snapshot = scanHid();
    QMap<QString, hidStructInfoAll> attached;
    for (const AttachedDevice &device : snapshot.devices) {
        auto it = snapshot.models.find(device.modelCode);
        if (it == snapshot.models.end())
            continue;
        hidStructInfoAll record = assembleRecord(device, it->second);
        record.onlineStatus = 1;
        attached[device.path] = record;
    }

    // Every difference between what is attached and what the page holds is
    // handled, whatever kind of notification brought the page here: two
    // keyboards may come or go within one notification.
    QStringList removed;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        if (!attached.contains(it.key()))
            removed.append(it.key());
    QStringList arrived;
    for (auto it = attached.cbegin(); it != attached.cend(); ++it)
        if (!m_devices.contains(it.key()))
            arrived.append(it.key());
    // A keyboard pulled out and plugged back within one batch is listed
    // under its old path, but its link's handle died with it.
    QStringList replugged;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
        if (attached.contains(it.key()) && isLinkDead(m_links.value(it.key())))
            replugged.append(it.key());
    if (removed.isEmpty() && arrived.isEmpty() && replugged.isEmpty())
        return;

    // Re-plugs first: a removal that chooses the next current keyboard
    // must not find one of their dead links.
    for (const QString &path : replugged)
        if (m_devices.contains(path))
            handleReplug(path, attached.value(path));
    for (const QString &path : removed)
        if (m_devices.contains(path))
            handleRemoval(path);
    for (const QString &path : arrived)
        if (!m_devices.contains(path))
            handleArrival(attached.value(path), attached.size());

    reorderTiles();
}

void DDevicePage::handleArrival(const hidStructInfoAll &arrivedRecord, int attachedCount)
{
    hidStructInfoAll record = arrivedRecord;
    const QString path = fieldText(record.hidPath);
    if (record.hidUsbOrDongle != 0)
        record.onlineStatus = 0;
    m_devices[path] = record;
    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);

    const QString model = fieldText(record.hidName);
    DDeviceListItem *tile = nullptr;
    if (m_tiles.contains(model)) {
        tile = m_tiles.take(model);
        m_tiles[path] = tile;
    } else {
        tile = createTile(record);
        m_tiles[path] = tile;
    }
    tile->setHidInfo(record);
    openKeyboardLink(record);

    if (record.hidUsbOrDongle == 0 && m_devices.contains(path) && (attachedCount == 1 || !m_currentLink))
        onHidItemMouseClicked(record);
    if (!m_currentLink)
        showNoDevice();
}

void DDevicePage::handleRemoval(const QString &path)
{
    hidStructInfoAll record = m_devices.value(path);
    const QString model = fieldText(record.hidName);
    setField(record.hidPath, model.toLatin1());
    record.onlineStatus = 0;

    DDeviceListItem *tile = m_tiles.take(path);
    if (tile) {
        tile->setHidInfo(record);
        m_tiles[model] = tile; // a tile already under the model goes at the re-order
    }
    m_devices.remove(path);
    // A receiver that comes back must report its keyboard again.
    m_dongleStatus.remove(path);

    const bool wasCurrent = dropLink(path, tile);
    if (wasCurrent && !chooseNextCurrentKeyboard())
        showNoDevice();
}

bool DDevicePage::dropLink(const QString &path, DDeviceListItem *tile)
{
    DDeviceKeyboardLink *link = m_links.take(path);
    const bool wasCurrent = (tile && tile == m_currentTile) || (link && link == m_currentLink);
    if (wasCurrent) {
        releaseCurrentKeyboard();
        m_customKeysPage->setInteractiveLightHook(false, 3);
    }
    discardLink(link);
    return wasCurrent;
}

void DDevicePage::handleReplug(const QString &path, const hidStructInfoAll &attachedRecord)
{
    // The same keyboard on the same path: its tile and place stay, and it is
    // current again if it was. A receiver's keyboard keeps the reach last
    // reported until the receiver reports again through the new link.
    hidStructInfoAll record = attachedRecord;
    record.onlineStatus = m_devices.value(path).onlineStatus;
    m_devices[path] = record;
    DDeviceListItem *tile = m_tiles.value(path);
    if (tile)
        tile->setHidInfo(record);

    const bool wasCurrent = dropLink(path, tile);
    openKeyboardLink(record);
    if (!wasCurrent)
        return;
    if (record.onlineStatus == 1)
        showCurrentDevice(record);
    if (!m_currentLink && !chooseNextCurrentKeyboard())
        showNoDevice();
}

bool DDevicePage::isReceiverReachable(const QString &path) const
{
    // A receiver that has not reported yet counts as not reachable: its
    // keyboard is shown offline until the receiver says otherwise.
    return m_dongleStatus.value(path, 1) == 0;
}

bool DDevicePage::chooseNextCurrentKeyboard()
{
    const QMap<QString, hidStructInfoAll> records = m_devices;
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        const hidStructInfoAll &record = it.value();
        if (!m_links.contains(it.key()))
            continue;
        if (record.hidUsbOrDongle == 0 || isReceiverReachable(it.key())) {
            hidStructInfoAll candidate = record;
            candidate.onlineStatus = 1;
            showCurrentDevice(candidate);
            return m_currentLink != nullptr;
        }
    }
    return false;
}

QList<DDeviceListItem *> DDevicePage::tilesInDisplayOrder(bool offlineReceiversWithReceivers) const
{
    // Cable keyboards come first, then the receivers' keyboards; the current
    // keyboard heads the group of its own connection.
    QList<DDeviceListItem *> a, b, c;
    QString currentPath;
    if (m_currentTile) {
        (m_currentTile->hidInfo().hidUsbOrDongle == 0 ? a : b).append(m_currentTile.data());
        currentPath = fieldText(m_currentTile->hidInfo().hidPath);
    }
    for (DDeviceListItem *tile : m_tiles) {
        if (!tile || tile == m_currentTile)
            continue;
        const hidStructInfoAll record = tile->hidInfo();
        if (tile->onlineStatus() == 1) {
            if (!currentPath.isEmpty() && fieldText(record.hidPath).compare(currentPath, Qt::CaseInsensitive) == 0)
                continue;
            (record.hidUsbOrDongle == 0 ? a : b).append(tile);
        } else if (offlineReceiversWithReceivers && record.hidUsbOrDongle != 0) {
            b.append(tile);
        } else {
            c.append(tile);
        }
    }
    return a + b + c;
}

void DDevicePage::reorderTiles()
{
    const QList<DDeviceListItem *> ordered = tilesInDisplayOrder(false);
    setTileLayoutSpacing();
    // A tile whose map entry was replaced has no place any more.
    const QList<QWidget *> dropped = tileListOrder::placeInOrder(
        ui->verticalLayout_17, ui->scrollAreaWidgetContents_2, QList<QWidget *>(ordered.begin(), ordered.end()));
    for (QWidget *w : dropped)
        w->deleteLater();
}

void DDevicePage::selectTile(DDeviceListItem *tile)
{
    for (DDeviceListItem *t : m_tiles)
        if (t)
            t->setSelected(t == tile);
    m_currentTile = tile;
}

void DDevicePage::onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName)
{
    Q_UNUSED(strCurrentHidName);
    const QString path = strCurrentHidPath;
    m_dongleStatus[path] = is24GValid;
    DDeviceListItem *tile = m_tiles.value(path);

    if (is24GValid == 1) {
        if (tile) {
            hidStructInfoAll record = m_devices.contains(path) ? m_devices.value(path) : tile->hidInfo();
            record.onlineStatus = 0;
            tile->setHidInfo(record);
        }
        if (m_currentLink && m_links.value(path) == m_currentLink) {
            // The receiver is still attached: its link and transport stay
            // open, but its keyboard is no longer the current one.
            releaseCurrentKeyboard();
            if (!chooseNextCurrentKeyboard())
                showNoDevice();
        }
    } else {
        hidStructInfoAll record;
        bool haveRecord = false;
        if (tile) {
            record = m_devices.contains(path) ? m_devices.value(path) : tile->hidInfo();
            record.onlineStatus = 1;
            tile->setHidInfo(record);
            haveRecord = true;
        }
        if (haveRecord && !m_currentLink && m_dongleStatus.value(path) == 0 && m_links.contains(path)) {
            onHidItemMouseClicked(record);
            if (m_currentLink)
                m_currentLink->inquireLightConfigAndLayout();
        }
        // Whatever is current, a keyboard back in reach is asked who it is:
        // it may have been away when its link asked. Picked, it was asked
        // on the way.
        DDeviceKeyboardLink *link = m_links.value(path);
        if (link && link != m_currentLink)
            link->inquireSerialNumber();
    }
    onUpdateDeviceListShow();
}

void DDevicePage::onUpdateDeviceListShow()
{
    // The tiles stay and only move: rebuilding them all on every receiver
    // report re-read and re-decoded every picture.
    const QList<DDeviceListItem *> ordered = tilesInDisplayOrder(true);
    const QString currentPath = m_currentLink ? m_links.key(m_currentLink) : QString();

    QMap<QString, DDeviceListItem *> tiles;
    QList<QWidget *> kept;
    m_devices.clear();
    for (DDeviceListItem *tile : ordered) {
        const hidStructInfoAll record = tile->hidInfo();
        const QString path = fieldText(record.hidPath);
        QString key;
        bool attached = false;
        if (record.onlineStatus == 1) {
            key = path;
            attached = true;
        } else if (record.hidUsbOrDongle != 0 && m_links.contains(path)) {
            // A receiver whose keyboard is out of reach is still attached.
            key = path;
            attached = true;
        } else {
            key = fieldText(record.hidName);
        }
        if (key.isEmpty() || tiles.contains(key))
            continue;
        tiles[key] = tile;
        kept.append(tile);
        if (attached)
            m_devices[path] = record;
    }
    m_tiles = tiles;
    setTileLayoutSpacing();
    for (QWidget *w : tileListOrder::placeInOrder(ui->verticalLayout_17, ui->scrollAreaWidgetContents_2, kept))
        w->deleteLater();

    m_currentTile = nullptr;
    DDeviceListItem *current = currentPath.isEmpty() ? nullptr : m_tiles.value(currentPath);
    selectTile(current);
}

