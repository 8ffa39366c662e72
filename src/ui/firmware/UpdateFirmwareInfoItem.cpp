#include "ui/firmware/UpdateFirmwareInfoItem.h"

#include <QDebug>

#include "hid/MainHidInterFace.h"
#include "hid/hidCmdBuff.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui_UpdateFirmwareInfoItem.h"

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::UpdateFirmwareInfoItem)
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    ui->progressBar->setRange(0, 100);
    ui->progressBar->setValue(0);
    ui->label_ProgressNum->setText(QStringLiteral("0%"));
    ui->label->setText(tr("Product name:"));
    ui->label_3->setText(tr("Update progress:"));
    ui->label_2->setText(tr("Current version:"));
    ui->label_5->setText(tr("New version:"));
    ui->pushButton_Update->setText(tr("Update"));
    ui->label_SuccessfulTip->setText(tr("Complete"));
    alignValuesToCaptions();
    // A translated caption may be wider than the form's button: the button
    // grows with it (its width is a minimum the layout never squeezes).
    // Its size depends on the theme's font, known once polished.
    ensurePolished();
    ui->pushButton_Update->setMinimumWidth(
        qMax(ui->pushButton_Update->minimumWidth(), ui->pushButton_Update->sizeHint().width()));
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem() = default;

void UpdateFirmwareInfoItem::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LayoutDirectionChange)
        alignValuesToCaptions();
    QWidget::changeEvent(event);
}

// A plain-text label mirrors its alignment by its text's direction, so a
// version or model name (always left to right) would drift to the far side
// of its column in a right-to-left row. The values keep to the side of
// their caption whatever their text.
void UpdateFirmwareInfoItem::alignValuesToCaptions()
{
    const Qt::Alignment side = Qt::AlignAbsolute | (isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
    for (QLabel *value : {ui->label_HidLikeName, ui->label_OldVer, ui->label_NewVer, ui->label_ProgressNum})
        value->setAlignment(side | Qt::AlignVCenter);
}

void UpdateFirmwareInfoItem::setHidInfo(hidStructInfoAll info, MainHidInterFace *hidInterface, QString strSN)
{
    info.hidPath[sizeof info.hidPath - 1] = 0;
    info.hidName[sizeof info.hidName - 1] = 0;
    info.productName[sizeof info.productName - 1] = 0;
    info.likeName[sizeof info.likeName - 1] = 0;
    info.firmwareVersion[sizeof info.firmwareVersion - 1] = 0;
    info.newFirmwareVersion[sizeof info.newFirmwareVersion - 1] = 0;
    m_hidInterface = hidInterface;
    m_strHidPath = QString::fromUtf8(info.hidPath);
    m_strSN = strSN;
    m_strHidName = QString::fromUtf8(info.hidName);
    m_hidUsbOrDongle = info.hidUsbOrDongle;
    ui->label_HidLikeName->setText(QString::fromUtf8(info.productName) + QLatin1Char(' ')
                                   + QString::fromUtf8(info.likeName));
    ui->label_OldVer->setText(QString::fromUtf8(info.firmwareVersion));
    ui->label_NewVer->setText(QString::fromUtf8(info.newFirmwareVersion));
}

void UpdateFirmwareInfoItem::setInUpdateMode()
{
    ui->label_OldVer->setText(tr("in update mode"));
}

void UpdateFirmwareInfoItem::setImageRefused(const QString &reason)
{
    m_imageRefused = true;
    ui->label_3->hide();
    ui->frame_5->hide();
    ui->frame_Right->hide();
    // A reason is longer than a version: it takes the room the progress and
    // the button leave, and wraps rather than widen the row.
    ui->horizontalSpacer->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    ui->horizontalLayout_2->setStretchFactor(ui->frame_Center, 1);
    ui->horizontalLayout_7->setStretchFactor(ui->frame_4, 1);
    ui->horizontalLayout_2->invalidate();
    ui->label_NewVer->setWordWrap(true);
    ui->label_NewVer->setText(reason);
    // Never narrower than the reason needs to fit the two lines a row has
    // room for.
    ensurePolished();
    const QFontMetrics fm = ui->label_NewVer->fontMetrics();
    int narrow = 0;
    int wide = fm.horizontalAdvance(reason) + 1;
    while (narrow < wide) {
        const int mid = (narrow + wide) / 2;
        if (ui->label_NewVer->heightForWidth(mid) <= fm.lineSpacing() + fm.height())
            wide = mid;
        else
            narrow = mid + 1;
    }
    ui->label_NewVer->setMinimumWidth(wide);
}

void UpdateFirmwareInfoItem::showInstalledVersion()
{
    ui->label_OldVer->setText(ui->label_NewVer->text());
}

QString UpdateFirmwareInfoItem::currentVersionText() const { return ui->label_OldVer->text(); }

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled)
{
    ui->pushButton_Update->setEnabled(enabled);
}

void UpdateFirmwareInfoItem::setProgressNum(int percent)
{
    ui->progressBar->setValue(percent);
    ui->progressBar->repaint();
    ui->label_ProgressNum->setText(QString::number(percent) + QLatin1Char('%'));
}

void UpdateFirmwareInfoItem::showCompletePage()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    m_busy = false;
}

void UpdateFirmwareInfoItem::showUpdatePage()
{
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    m_busy = false;
}

int UpdateFirmwareInfoItem::progressNum() const { return ui->progressBar->value(); }
bool UpdateFirmwareInfoItem::completePageShown() const { return ui->stackedWidget->currentWidget() == ui->page_2; }
bool UpdateFirmwareInfoItem::updateEnabled() const { return ui->pushButton_Update->isEnabled(); }

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_busy || m_imageRefused)
        return;
    m_busy = true;
    // A keyboard sent into update mode with an image that will be refused
    // would stay there: the image is judged first.
    bool inUpdateMode = false;
    const int refused = m_startCheck ? m_startCheck(&inUpdateMode) : 0;
    if (refused != 0) {
        m_busy = false;
        emit sigUpdateRefused(refused);
        return;
    }
    if (!inUpdateMode) {
        unsigned char report[64] = {};
        report[0] = 0x01;
        report[1] = static_cast<unsigned char>(HidSendCmd::IntoFirmware);
        const int written = m_hidInterface ? m_hidInterface->hidApi_Write(report) : -1;
        if (written < 0) {
            qDebug() << "USB serial port [Into firmware] Failed ...";
            // A keyboard that never got the switch will not come back as a
            // bootloader: the update fails here instead of waiting for ever.
            m_busy = false;
            emit sigUpdateRefused(int(DUpdateFirmwareDia::UpdateFailure::KeyboardUnreachable));
            return;
        }
        qDebug() << "USB serial port [Into firmware] Successful ...";
    }
    emit sigStartUpgradeing();
}
