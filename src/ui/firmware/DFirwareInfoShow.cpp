#include "ui/firmware/DFirwareInfoShow.h"

#include <QTimer>
#include <QVBoxLayout>

#include <cstring>
#include <list>
#include <string>

#include "ui_DFirwareInfoItem.h"
#include "ui_DFirwareInfoShow.h"
#include "vardexSdk.h"

namespace {

QString rgbStyle(const char *templ, int r, int g, int b)
{
    return QString::fromLatin1(templ).arg(QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b));
}

QString fieldText(const char *field, int size)
{
    return QString::fromUtf8(field, int(qstrnlen(field, uint(size))));
}

} // namespace

DFirwareInfoItem::DFirwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);
    const QString label = rgbStyle("color:rgb(%1);font-weight:75;font-size:12pt;font-family:\"Microsoft YaHei\";", 180, 180, 180);
    ui->label_HidInfo->setStyleSheet(label);
    ui->label_DataTimeInfo->setStyleSheet(label);
    ui->frame->setStyleSheet(rgbStyle("#frame{border:none;border-bottom:1px solid rgb(%1);}", 50, 50, 50));
}

DFirwareInfoItem::~DFirwareInfoItem() = default;

void DFirwareInfoItem::setInfo(QString key, QString value)
{
    const int dash = key.indexOf(QLatin1Char('-'));
    ui->label_HidInfo->setText(dash < 0 ? key : key.mid(dash + 1));
    ui->label_DataTimeInfo->setText(value);
}

QString DFirwareInfoItem::hidInfoText() const { return ui->label_HidInfo->text(); }
QString DFirwareInfoItem::dateTimeText() const { return ui->label_DataTimeInfo->text(); }

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DFirwareInfoShow)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Firmware Info"));
    setFixedSize(350, 370);
    ui->frame_26->hide();
    ui->frame_26->setStyleSheet(
        rgbStyle("#frame_26{border:none;border-bottom:2px solid rgb(%1);", 50, 50, 50)
        + rgbStyle("background:rgb(%1);}", 32, 32, 55));
    ui->label_10->setStyleSheet(rgbStyle("color:rgb(%1);font-weight:75;font-size:12pt;", 180, 180, 180));
    ui->frame_2->setStyleSheet(rgbStyle("#frame_2{border:none;border-top:2px solid rgb(%1);}", 50, 50, 50));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        rgbStyle("#scrollAreaWidgetContents_2{background:rgb(%1);}", 32, 32, 55));
    // The dialog window itself is as dark as its list.
    setStyleSheet(rgbStyle("DFirwareInfoShow{background:rgb(%1);}", 32, 32, 55));
    QTimer::singleShot(200, this, &DFirwareInfoShow::onLoadingFirmwareInfo);
}

DFirwareInfoShow::~DFirwareInfoShow() = default;

QPair<QString, QString> DFirwareInfoShow::rowOf(const hidFirmwareInfo &fw)
{
    const int n = int(sizeof fw.identity[0]);
    const QString key = fieldText(fw.identity[0], n) + fieldText(fw.identity[1], n) + fieldText(fw.identity[2], n)
        + fieldText(fw.identity[3], n) + QLatin1Char(',') + fieldText(fw.identity[4], n);
    const QString value = fieldText(fw.firmwareVersion, int(sizeof fw.firmwareVersion)) + QStringLiteral("---")
        + fieldText(fw.buildDateTime, int(sizeof fw.buildDateTime));
    return {key, value};
}

void DFirwareInfoShow::onLoadingFirmwareInfo()
{
    QMap<QString, QString> rows;
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    for (const std::string &path : paths) {
        hidStructInfo info;
        hidFirmwareInfo firmware;
        std::memset(&info, 0, sizeof info);
        std::memset(&firmware, 0, sizeof firmware);
        const QByteArray latin1 = QString::fromStdString(path).toLatin1();
        if (!CVardexHid_GetHidAndFirmwareInfoStu(latin1.constData(), &info, &firmware))
            continue;
        const auto row = rowOf(firmware);
        rows.insert(row.first, row.second);
    }
    fillRows(rows);
}

void DFirwareInfoShow::fillRows(QMap<QString, QString> rows)
{
    clearRows();
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        auto *item = new DFirwareInfoItem(ui->scrollAreaWidgetContents_2);
        item->setInfo(it.key(), it.value());
        m_pInfoListLayout->insertWidget(m_pInfoListLayout->count() - 1, item);
    }
}

void DFirwareInfoShow::clearRows()
{
    m_pInfoListLayout = ui->verticalLayout_17;
    const int n = m_pInfoListLayout->count() - 1;
    for (int i = 0; i < n; ++i) {
        QLayoutItem *item = m_pInfoListLayout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
}

QList<DFirwareInfoItem *> DFirwareInfoShow::rows() const
{
    QList<DFirwareInfoItem *> out;
    for (int i = 0; i < ui->verticalLayout_17->count(); ++i)
        if (auto *row = qobject_cast<DFirwareInfoItem *>(ui->verticalLayout_17->itemAt(i)->widget()))
            out << row;
    return out;
}
