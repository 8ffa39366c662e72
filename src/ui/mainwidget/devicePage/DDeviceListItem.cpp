#include "ui/mainwidget/devicePage/DDeviceListItem.h"

#include "ui_DDeviceListItem.h"

#include "data/DDataManager.h"

#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

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
    m_shade->resize(size());
    m_shade->hide();
}

DDeviceListItem::~DDeviceListItem()
{
    delete ui;
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

    QString suffix;
    if (info.onlineStatus != 1)
        suffix = QStringLiteral("(OffLine)");
    else if (info.hidUsbOrDongle == 0)
        suffix = QStringLiteral("(USB)");
    else
        suffix = QStringLiteral("(2.4G)");
    ui->label_DeviceName->setText(QString::fromUtf8(fieldText(info.likeName, sizeof(info.likeName))) + suffix);

    const QString path = pictureDir() + QStringLiteral("/images/hidImages/Keyboard_")
        + QString::fromUtf8(fieldText(info.hidName, sizeof(info.hidName))) + QStringLiteral(".png");
    const QImage image(path);
    if (image.isNull()) {
        ui->label_DeviceImage->clear();
    } else {
        ui->label_DeviceImage->setPixmap(QPixmap::fromImage(
            image.scaled(width() - 4, height() - 4, Qt::KeepAspectRatio, Qt::FastTransformation)));
    }

    setOnlineStatus(info.onlineStatus);
}

void DDeviceListItem::setSelected(bool selected)
{
    ui->frame_DeviceImageBg->setStyleSheet(borderStyle(selected));
}

void DDeviceListItem::setOnlineStatus(int status)
{
    m_onlineStatus = status;
    m_info.onlineStatus = status;
    if (status != 0) {
        m_shade->hide();
        return;
    }
    m_shade->setObjectName(QStringLiteral("widget"));
    m_shade->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 128);}"));
    m_shade->show();
    m_shade->raise();
    ui->frame_DeviceImageBg->setStyleSheet(borderStyle(false));
}

void DDeviceListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigHidItemMouseClicked(m_info);
    event->accept();
}
