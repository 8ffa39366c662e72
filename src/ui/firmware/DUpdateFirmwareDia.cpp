#include "ui/firmware/DUpdateFirmwareDia.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "hid/DDeviceKeyboardLink.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/widgets/CbNotice.h"
#include "ui_DUpdateFirmwareDia.h"

namespace {
// The width the form was drawn for (and its narrowest), and its height.
constexpr int kFormWidth = 740;
constexpr int kHeight = 520;
} // namespace

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DUpdateFirmwareDia)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kFormWidth, kHeight);
    ui->label_Title->setText(tr("Update Firmware"));
    if (parent)
        move((parent->width() - kFormWidth) / 2, (parent->height() - kHeight) / 2);

    ui->widget_Tip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    ui->widget_Tip->setBackground(QColor(0, 0, 0, 1));
    ui->widget_Tip->setForeground(QColor(255, 50, 0, 255));
    ui->widget_Tip->setText(tr("If the firmware is being updated, do not unplug the device!"));

    m_notice = new CbNotice(this);
    m_notice->setPixelSize(16);

    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this, &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this, &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia() = default;

QString DUpdateFirmwareDia::failureText(UpdateFailure why)
{
    switch (why) {
    case UpdateFailure::None:
    case UpdateFailure::Interrupted:
        break;
    case UpdateFailure::ImageDamaged:
        return tr("the firmware image is damaged");
    case UpdateFailure::ImageEmpty:
        return tr("the firmware image is empty");
    case UpdateFailure::ImageTooLarge:
        return tr("the firmware image is too large");
    case UpdateFailure::ImageOtherModel:
        return tr("the firmware image is for another model");
    case UpdateFailure::ImageUnreadable:
        return tr("the firmware image could not be read");
    case UpdateFailure::ImageNotPrepared:
        return tr("the firmware image could not be prepared, check the free disk space");
    case UpdateFailure::KeyboardUnreachable:
        return tr("the keyboard could not be reached");
    case UpdateFailure::NoUpdateMode:
        return tr("the keyboard did not enter update mode");
    case UpdateFailure::KeyboardLeft:
        return tr("the keyboard left during the update");
    case UpdateFailure::KeyboardRefused:
        return tr("the keyboard refused the image");
    case UpdateFailure::NoUpdateDrive:
        return tr("no update drive was found, mount it and try again");
    case UpdateFailure::DriveNoAnswer:
        return tr("the update drive did not answer");
    case UpdateFailure::DriveNotWritten:
        return tr("the update drive could not be written");
    }
    return tr("the update was interrupted");
}

void DUpdateFirmwareDia::setUpgradeDeviceList(QList<hidStructInfoAll> list, QMap<QString, DDeviceKeyboardLink *> links,
                                              const QStringList &updateModePaths,
                                              const QMap<QString, UpdateFailure> &refusedImages)
{
    clearUpgradeItems();
    m_items.clear();
    m_activeItem = nullptr;
    for (hidStructInfoAll &info : list) {
        info.hidPath[sizeof info.hidPath - 1] = 0;
        auto *item = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
        // A record without an open link gets a row whose switch fails.
        DDeviceKeyboardLink *link = links.value(QString::fromUtf8(info.hidPath));
        item->setHidInfo(info, link ? link->hidInterface() : nullptr, link ? link->currentSN() : QString());
        if (updateModePaths.contains(QString::fromUtf8(info.hidPath)))
            item->setInUpdateMode();
        const auto refused = refusedImages.constFind(QString::fromUtf8(info.hidPath));
        if (refused != refusedImages.constEnd())
            item->setImageRefused(failureText(refused.value()));
        item->setStartCheck([this, item](bool *inUpdateMode) {
            return m_startCheck ? int(m_startCheck(*item, inUpdateMode)) : 0;
        });
        connect(item, &UpdateFirmwareInfoItem::sigStartUpgradeing, this, &DUpdateFirmwareDia::onStartUpgradeing);
        connect(item, &UpdateFirmwareInfoItem::sigUpdateRefused, this, &DUpdateFirmwareDia::onUpdateRefused);
        m_rowLayout->insertWidget(m_rowLayout->count() - 1, item);
        m_items.append(item);
    }
    fitWidthToRows();
}

std::function<QRect(const QWidget *)> &DUpdateFirmwareDia::screenArea()
{
    static std::function<QRect(const QWidget *)> area = [](const QWidget *dialog) {
        const QWidget *window = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
        const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect();
    };
    return area;
}

// Translated captions are wider than the English ones the form was drawn
// for: rather than squeeze its rows, and cut their texts, the dialog takes
// the width its widest row asks for, as far as the screen allows.
void DUpdateFirmwareDia::fitWidthToRows()
{
    // The style sheets set the rows' fonts, and so their widths.
    ensurePolished();
    int rowWidth = 0;
    for (UpdateFirmwareInfoItem *row : qAsConst(m_items)) {
        row->ensurePolished();
        rowWidth = qMax(rowWidth, row->minimumSizeHint().width());
    }
    // The window's border on both sides and the row list's scroll bar.
    const int chrome = 2 * ui->frame_Bg->frameWidth() + ui->scrollArea_2->verticalScrollBar()->sizeHint().width();
    int width = qMax(kFormWidth, rowWidth + chrome);
    const QRect area = screenArea()(this);
    if (area.isValid())
        width = qMin(width, area.width());
    // Rows refreshed in an open dialog: it stays centred where it was.
    const int grown = width - this->width();
    setFixedSize(width, kHeight);
    if (isVisible() && grown != 0)
        move(x() - grown / 2, y());
}

void DUpdateFirmwareDia::clearUpgradeItems()
{
    m_rowLayout = ui->verticalLayout_17;
    const int n = m_rowLayout->count() - 1;
    for (int i = 0; i < n; ++i) {
        QLayoutItem *item = m_rowLayout->takeAt(0);
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
}

int DUpdateFirmwareDia::percentOf(int total, int done)
{
    if (total == 0)
        return -1;
    return static_cast<int>(static_cast<float>(done) / static_cast<float>(total) * 100.0f);
}

void DUpdateFirmwareDia::setUpgradeProgress(int total, int done)
{
    const int percent = percentOf(total, done);
    if (percent < 0)
        return;
    int last = m_lastPercent.load();
    while (percent > last) {
        if (m_lastPercent.compare_exchange_weak(last, percent)) {
            emit sigUpgradeProgress(percent);
            return;
        }
    }
}

void DUpdateFirmwareDia::upgradeFirmwareSuc() { emit sigUpgradeFirmwareSuc(); }
void DUpdateFirmwareDia::upgradeFirmwareFailed(UpdateFailure why) { emit sigUpgradeFirmwareFailed(int(why)); }

bool DUpdateFirmwareDia::updateRunning() const
{
    return m_activeItem && m_activeItem->isBusy();
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    m_lastPercent = -1;
    auto *item = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!item)
        return;
    m_activeItem = item;
    for (UpdateFirmwareInfoItem *row : qAsConst(m_items))
        row->setUpdateEnabled(row == item);
    emit sigStartHidUpgrade(item->hidPath(), item->hidSN(), item->hidName(), item->hidUsbOrDongle());
}

void DUpdateFirmwareDia::onUpgradeProgress(int ProgressNum)
{
    if (m_activeItem)
        m_activeItem->setProgressNum(ProgressNum);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    if (m_activeItem) {
        m_activeItem->showCompletePage();
        m_activeItem->showInstalledVersion();
    }
    for (UpdateFirmwareInfoItem *row : qAsConst(m_items))
        row->setUpdateEnabled(true);
    showNotice(tr("Update successful"));
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed(int reason)
{
    if (m_activeItem)
        m_activeItem->showUpdatePage();
    onUpdateRefused(reason);
}

void DUpdateFirmwareDia::onUpdateRefused(int reason)
{
    showNotice(tr("Update failed: %1").arg(failureText(UpdateFailure(reason))));
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    // Leaving while an image is being written would leave the keyboard in
    // its bootloader with nobody to report the outcome.
    if (updateRunning()) {
        showNotice(tr("Please wait until the update has finished"));
        return;
    }
    emit sigUpdateFirmwareWindowClose();
}

void DUpdateFirmwareDia::reject()
{
    on_pushButton_Close_clicked();
}

void DUpdateFirmwareDia::closeEvent(QCloseEvent *event)
{
    event->ignore();
    on_pushButton_Close_clicked();
}

void DUpdateFirmwareDia::showNotice(const QString &text)
{
    m_lastNotice = text;
    m_notice->showNotice(text, rect().center());
}
