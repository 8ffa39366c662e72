#pragma once

#include "data/hidStructInfoAll.h"

#include <QPixmap>
#include <QWidget>

namespace Ui {
class DDeviceListItem;
}

// One tile of the device list: the keyboard's picture, product name and
// display name with the way it is attached, shaded while offline, framed in
// the accent colour while it is the current device. A press hands the tile's
// copy of the record to the device page.
class DDeviceListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DDeviceListItem(QWidget *parent = nullptr);
    ~DDeviceListItem() override;

    void setHidInfo(const hidStructInfoAll &info);
    void setSelected(bool selected);
    void setOnlineStatus(int status);

    hidStructInfoAll hidInfo() const { return m_info; }
    int onlineStatus() const { return m_onlineStatus; }
    // Whether the tile is framed as the current keyboard's.
    bool isSelected() const { return m_borderState == 1; }

    // Where the tile looks for model pictures; the executable's folder by default.
    static QString pictureDir();
    // The model picture at `path` fitted into `size`; null when it cannot be read.
    static QPixmap tilePicture(const QString &path, const QSize &size);

signals:
    void sigHidItemMouseClicked(hidStructInfoAll info);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyBorder(bool selected);

    Ui::DDeviceListItem *ui;
    QWidget *m_shade;
    int m_onlineStatus = 0;
    hidStructInfoAll m_info;
    QString m_picturePath;
    int m_borderState = 0; // the form's own style: not selected
};
