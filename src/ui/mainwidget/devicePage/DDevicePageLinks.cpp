// DDevicePageLinks.cpp - the lifetime of the device page's keyboard links:
// each link is closed (its transport thread joined) and deleted when its
// keyboard leaves and when the page goes.
#include "DDevicePage.h"

#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/lightsConfig/lightDealMain.h"

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
