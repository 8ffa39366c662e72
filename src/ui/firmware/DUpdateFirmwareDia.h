#ifndef DUPDATEFIRMWAREDIA_H
#define DUPDATEFIRMWAREDIA_H

#include <QDialog>
#include <QList>
#include <QMap>
#include <QRect>
#include <QString>

#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

#include "data/hidStructInfoAll.h"

class CbNotice;
class DDeviceKeyboardLink;
class QVBoxLayout;
class UpdateFirmwareInfoItem;

namespace Ui {
class DUpdateFirmwareDia;
}

// The firmware update dialog: one row per keyboard with a newer embedded
// image; one update at a time. Progress, success and failure may be reported
// from any thread: they only emit signals, delivered queued to the rows.
class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT
public:
    // Why an update failed; every failure the user sees names one.
    enum class UpdateFailure : int {
        None = 0,
        Interrupted,
        ImageDamaged,
        ImageEmpty,
        ImageTooLarge,
        ImageOtherModel,
        ImageUnreadable,
        ImageNotPrepared,
        KeyboardUnreachable,
        NoUpdateMode,
        KeyboardLeft,
        KeyboardRefused,
        NoUpdateDrive,
        DriveNoAnswer,
        DriveNotWritten
    };
    static QString failureText(UpdateFailure why);

    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    // Records whose path is in updateModePaths stand for keyboards already
    // waiting in update mode; those in refusedImages have an image that
    // cannot be sent, and their rows say why and offer nothing.
    void setUpgradeDeviceList(QList<hidStructInfoAll> list, QMap<QString, DDeviceKeyboardLink *> links,
                              const QStringList &updateModePaths = {},
                              const QMap<QString, UpdateFailure> &refusedImages = {});
    void clearUpgradeItems();
    // Asked before a row sends anything (see UpdateFirmwareInfoItem).
    using StartCheck = std::function<UpdateFailure(const UpdateFirmwareInfoItem &row, bool *inUpdateMode)>;
    void setStartCheck(StartCheck check) { m_startCheck = std::move(check); }
    // Any thread.
    void setUpgradeProgress(int total, int done);
    void upgradeFirmwareSuc();
    void upgradeFirmwareFailed(UpdateFailure why = UpdateFailure::Interrupted);

    // The room the dialog may take on the screen it opens on (the available
    // part of that screen).
    static std::function<QRect(const QWidget *dialog)> &screenArea();

    // The percentage a transfer report shows (single-precision, truncated).
    static int percentOf(int total, int done);
    QList<UpdateFirmwareInfoItem *> items() const { return m_items; }
    UpdateFirmwareInfoItem *activeItem() const { return m_activeItem; }
    // Whether a transfer runs, during which the dialog does not close.
    bool updateRunning() const;
    QString lastNotice() const { return m_lastNotice; }

signals:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    void sigUpgradeProgress(int ProgressNum);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed(int reason);

public slots:
    // Escape and window closing take the Close button's road.
    void reject() override;

private slots:
    void onStartUpgradeing();
    void onUpgradeProgress(int ProgressNum);
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed(int reason);
    void onUpdateRefused(int reason);
    void on_pushButton_Close_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showNotice(const QString &text);
    void fitWidthToRows();

    std::unique_ptr<Ui::DUpdateFirmwareDia> ui;
    QVBoxLayout *m_rowLayout = nullptr;
    UpdateFirmwareInfoItem *m_activeItem = nullptr;
    QList<UpdateFirmwareInfoItem *> m_items;
    CbNotice *m_notice = nullptr;
    std::atomic<int> m_lastPercent{-1};
    QString m_lastNotice;
    StartCheck m_startCheck;
};

#endif // DUPDATEFIRMWAREDIA_H
