#ifndef DDEVICEPAGEVIEW_H
#define DDEVICEPAGEVIEW_H

#include <QString>
#include <QWidget>

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
    virtual void setDeviceListVisible(bool visible) = 0;

signals:
    void sigShowMacroPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
};

#endif // DDEVICEPAGEVIEW_H
