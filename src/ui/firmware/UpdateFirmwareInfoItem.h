#ifndef UPDATEFIRMWAREINFOITEM_H
#define UPDATEFIRMWAREINFOITEM_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

#include "data/hidStructInfoAll.h"
#include "hid/MainHidInterFace.h"


namespace Ui {
class UpdateFirmwareInfoItem;
}

// One keyboard of the firmware update dialog: its name and versions, the
// progress of its update, and the Update button that switches it into its
// bootloader.
class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT
public:
    explicit UpdateFirmwareInfoItem(QWidget *parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    void setHidInfo(hidStructInfoAll info, MainHidInterFace *hidInterface, QString strSN);
    // Asked on every press before anything is sent: the reason the update
    // cannot start (0 when it can), and whether the keyboard already waits
    // in update mode (then it is not switched again).
    using StartCheck = std::function<int(bool *inUpdateMode)>;
    void setStartCheck(StartCheck check) { m_startCheck = std::move(check); }
    // The keyboard waits in update mode: its running version is unknown.
    void setInUpdateMode();
    // Its image cannot be sent: the row says why, in place of the new
    // version, and has no progress and no Update button.
    void setImageRefused(const QString &reason);
    bool isImageRefused() const { return m_imageRefused; }
    // After a successful update the new version is the current one.
    void showInstalledVersion();
    QString currentVersionText() const;
    void setUpdateEnabled(bool enabled);
    void setProgressNum(int percent);
    void showCompletePage();
    void showUpdatePage();

    MainHidInterFace *hidInterface() const { return m_hidInterface.data(); }
    QString hidPath() const { return m_strHidPath; }
    QString hidSN() const { return m_strSN; }
    QString hidName() const { return m_strHidName; }
    int hidUsbOrDongle() const { return m_hidUsbOrDongle; }
    bool isBusy() const { return m_busy; }
    int progressNum() const;
    bool completePageShown() const;
    bool updateEnabled() const;

signals:
    void sigStartUpgradeing();
    // The update did not start: a reason of DUpdateFirmwareDia::UpdateFailure.
    void sigUpdateRefused(int reason);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_pushButton_Update_clicked();

private:
    void alignValuesToCaptions();
    std::unique_ptr<Ui::UpdateFirmwareInfoItem> ui;
    // Owned by the keyboard's link, which goes when the keyboard leaves
    // (into update mode, say) while the row stays.
    QPointer<MainHidInterFace> m_hidInterface;
    QString m_strHidPath;
    QString m_strSN;
    QString m_strHidName;
    int m_hidUsbOrDongle = 0;
    bool m_busy = false;
    bool m_imageRefused = false;
    StartCheck m_startCheck;
};

#endif // UPDATEFIRMWAREINFOITEM_H
