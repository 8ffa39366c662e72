#include "ui/mainwidget/devicePage/DDeviceListItem.h"

#include "ui_DDeviceListItem.h"

#include "data/DDataManager.h"

#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPixmapCache>

namespace {

// rgba() for the four-part colour: Qt's style sheets warn on every use of
// rgb() with an alpha part.
const char *const kBorderTemplate = "QFrame#frame_DeviceImageBg{ border: 1px solid rgba(%1, %2); } "
                                    "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }";
const char *const kAccent = "255, 143, 31";

QString borderStyle(bool selected)
{
    return QString::fromLatin1(kBorderTemplate).arg(QLatin1String(kAccent), selected ? QStringLiteral("255") : QStringLiteral("0"));
}

// Reads a fixed text field up to its NUL, never past the field.
QByteArray fieldText(const char *field, size_t size)
{
    return QByteArray(field, int(qstrnlen(field, uint(size))));
}

} // namespace

DDeviceListItem::DDeviceListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DDeviceListItem)
{
    ui->setupUi(this);
    setFixedSize(190, 140);
    m_shade = new QWidget(this, Qt::FramelessWindowHint);
    m_shade->setAttribute(Qt::WA_StyledBackground);
    m_shade->setObjectName(QStringLiteral("widget"));
    m_shade->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 128);}"));
    m_shade->resize(size());
    m_shade->hide();
}

DDeviceListItem::~DDeviceListItem()
{
    delete ui;
}

QPixmap DDeviceListItem::tilePicture(const QString &path, const QSize &size)
{
    // Every tile of a model shows the same picture: it is read and scaled
    // once per process, whatever the number of tiles or status changes.
    const QString key = QStringLiteral("vardex-tile:%1x%2:").arg(size.width()).arg(size.height()) + path;
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    const QImage image(path);
    if (image.isNull())
        return QPixmap();
    picture = QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation));
    QPixmapCache::insert(key, picture);
    return picture;
}

QString DDeviceListItem::pictureDir()
{
    return DDataManager::instance()->applicationDir();
}

void DDeviceListItem::setHidInfo(const hidStructInfoAll &info)
{
    m_info = info;

    const QByteArray product = fieldText(info.productName, sizeof(info.productName));
    if (product.isEmpty()) {
        ui->label_ProductName->hide();
    } else {
        ui->label_ProductName->setText(QString::fromUtf8(product));
        ui->label_ProductName->show();
    }

    const QString path = pictureDir() + QStringLiteral("/images/hidImages/Keyboard_")
        + QString::fromUtf8(fieldText(info.hidName, sizeof(info.hidName))) + QStringLiteral(".png");
    if (path != m_picturePath) {
        m_picturePath = path;
        const QPixmap picture = tilePicture(path, QSize(width() - 4, height() - 4));
        if (picture.isNull())
            ui->label_DeviceImage->clear();
        else
            ui->label_DeviceImage->setPixmap(picture);
    }

    setOnlineStatus(info.onlineStatus);
}

void DDeviceListItem::showDeviceName()
{
    QString suffix;
    if (m_info.onlineStatus != 1)
        suffix = tr("(OffLine)");
    else if (m_info.hidUsbOrDongle == 0)
        suffix = QStringLiteral("(USB)");
    else
        suffix = QStringLiteral("(2.4G)");
    ui->label_DeviceName->setText(QString::fromUtf8(fieldText(m_info.likeName, sizeof(m_info.likeName))) + suffix);
}

void DDeviceListItem::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showDeviceName();
    QWidget::changeEvent(event);
}

void DDeviceListItem::setSelected(bool selected)
{
    applyBorder(selected);
}

void DDeviceListItem::applyBorder(bool selected)
{
    // A new style sheet restyles and repaints the frame even when it is the
    // same: the list reselects every tile on each receiver report.
    const int state = selected ? 1 : 0;
    if (state == m_borderState)
        return;
    m_borderState = state;
    ui->frame_DeviceImageBg->setStyleSheet(borderStyle(selected));
}

void DDeviceListItem::setOnlineStatus(int status)
{
    m_onlineStatus = status;
    m_info.onlineStatus = status;
    showDeviceName();
    if (status != 0) {
        m_shade->hide();
        return;
    }
    m_shade->show();
    m_shade->raise();
    applyBorder(false);
}

void DDeviceListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigHidItemMouseClicked(m_info);
    event->accept();
}
