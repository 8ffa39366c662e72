#ifndef DDEVICEPAGEVIEW_H
#define DDEVICEPAGEVIEW_H

#include <QMap>
#include <QString>
#include <QWidget>

#include "data/hidStructInfoAll.h"

class DDeviceKeyboardLink;

// What the main window asks of the page in its device area. The device page
// is one; tests and the stand-in shown without a page are others.
class DDevicePageView : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Hot-plug handler: 11 a supported device arrived, 12 one left; any other
    // kind only re-orders the tiles. The text is not used.
    virtual void updateHidList(int kind, QString hidPath = QStringLiteral("hidPath")) = 0;
    virtual void retranslate() = 0;
    virtual void stopLightSyncIfRunning() = 0;
    // The keyboard at hidPath is about to be switched into its update mode
    // and leave: its light reports stop while it can still take the last.
    virtual void stopLightSyncFor(const QString &hidPath) { Q_UNUSED(hidPath); }
    virtual void setDeviceListVisible(bool visible) = 0;
    // The attached keyboards by HID path, and the links of the open ones.
    virtual QMap<QString, hidStructInfoAll> connectedDevices() const { return {}; }
    virtual QMap<QString, DDeviceKeyboardLink *> keyboardLinks() const { return {}; }

signals:
    void sigShowMacroPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
};

#endif // DDEVICEPAGEVIEW_H
