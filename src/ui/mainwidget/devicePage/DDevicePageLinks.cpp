// DDevicePageLinks.cpp - the lifetime of the device page's keyboard links:
// each link is closed (its transport thread joined) and deleted when its
// keyboard leaves and when the page goes, and a link whose handle died is
// noticed even when no hot-plug notification tells of it.
#include "DDevicePage.h"

#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/lightsConfig/lightDealMain.h"

#include <QTimer>

namespace {
// As long as the main window lets a hot-plug batch settle: a keyboard back
// within it is re-plugged, one still away is removed.
constexpr int kDeadLinkSettleMs = 300;
constexpr int kHotPlugRemoval = 12;
} // namespace

void DDevicePage::closeLinkTransport(DDeviceKeyboardLink *link)
{
    MainHidInterFace *transport = link ? link->hidInterface() : nullptr;
    if (!transport)
        return;
    transport->hidApi_Close(3);
    transport->quit();
    transport->wait();
}

void DDevicePage::discardLink(DDeviceKeyboardLink *link)
{
    if (!link)
        return;
    closeLinkTransport(link);
    MainHidInterFace *transport = link->hidInterface();
    if (transport && m_currentHidInterface == transport)
        m_currentHidInterface = nullptr;
    if (transport && m_lightDealMain && m_lightDealMain->hidInterface() == transport)
        m_lightDealMain->setHidInterface(nullptr);
    if (transport && m_lightsConfigPage && m_lightsConfigPage->hidInterface() == transport)
        m_lightsConfigPage->setHidInterface(nullptr);
    if (m_currentLink == link)
        m_currentLink = nullptr;
    // Removal can arrive while a wait for this link processes events further
    // up the stack: the link goes once control is back in the event loop
    // (or with the page, its parent, whichever comes first).
    link->disconnect(this);
    link->deleteLater();
}

void DDevicePage::discardAllLinks()
{
    const QList<DDeviceKeyboardLink *> links = m_links.values();
    m_links.clear();
    for (DDeviceKeyboardLink *link : links) {
        closeLinkTransport(link);
        delete link;
    }
    m_currentLink = nullptr;
    m_currentHidInterface = nullptr;
}

bool DDevicePage::isLinkDead(DDeviceKeyboardLink *link) const
{
    if (!link)
        return false;
    // A transport that could not open holds no handle either: the keyboard
    // was gone again by the time its link was opened.
    const MainHidInterFace *transport = link->hidInterface();
    return !transport || !transport->isHidOpen() || transport->isDeviceGone();
}

void DDevicePage::onLinkDeviceGone(DDeviceKeyboardLink *link)
{
    if (!link || m_links.key(link).isEmpty())
        return; // already taken out
    // The hot-plug notification may be late, lost or name another interface
    // of the keyboard: look again once the batch it belongs to has settled.
    if (!m_deadLinkTimer) {
        m_deadLinkTimer = new QTimer(this);
        m_deadLinkTimer->setSingleShot(true);
        m_deadLinkTimer->setInterval(kDeadLinkSettleMs);
        connect(m_deadLinkTimer, &QTimer::timeout, this, [this] { updateHidList(kHotPlugRemoval); });
    }
    if (!m_deadLinkTimer->isActive())
        m_deadLinkTimer->start();
}
