// Custom lights of the light page: the list of the profile's custom lights,
// the keyboard slots they occupy, renaming, and the upload of a light's key
// colours into a keyboard slot.
#include "DLightsConfigPage.h"
#include "ui_DLightsConfigPage.h"

#include "DCustomLightListItem.h"
#include "data/DDataManager.h"
#include "lightModeReport.h"
#include "ui/keyboardView/keyboardButCustom.h"

#include <QDebug>
#include <QThread>

#include <list>

namespace {

const int kGridRows = 6;
const int kGridColumns = 22;
const int kKeysPerChunk = 18;

QString fieldText(const char *field, int size)
{
    return QString::fromUtf8(field, int(qstrnlen(field, size)));
}

} // namespace

int DLightsConfigPage::currentCustomLightIndex() const
{
    if (!m_currentCustomLightItem)
        return -1;
    bool ok = false;
    const int index = m_currentCustomLightItem->itemIndex().toInt(&ok);
    return ok ? index : -1;
}

void DLightsConfigPage::resendUsingCustomLight()
{
    if (m_usingCustomIndex != -1)
        sendCustomLight(m_usingCustomIndex);
}

void DLightsConfigPage::clearCustomLightList()
{
    QLayout *list = ui->verticalLayout_39;
    const int rows = list->count() - 1; // the closing spacer stays
    for (int i = 0; i < rows; ++i) {
        QLayoutItem *item = list->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    m_customLightItemList.clear();
    m_currentCustomLightItem = nullptr;
}

void DLightsConfigPage::customLightDeal()
{
    qDebug() << "--------------------- *** customLightDeal *** -----------------------";
    clearCustomLightList();
    std::list<CustomLightNodeEntry> lights;
    if (hasProfile())
        CVardexXML_SelectProFileCustomLightAllNodes(m_profileXmlPath, profileIndexText().constData(), lights);
    for (const CustomLightNodeEntry &light : lights) {
        auto *row = new DCustomLightListItem(ui->scrollAreaWidgetContents_3);
        connect(row, &DCustomLightListItem::sigCustomLightItemMouseClicked, this,
                &DLightsConfigPage::onCustomLightItemMouseClicked);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty, this,
                &DLightsConfigPage::onModifyCustomLightItemNameIsEmpty);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess, this,
                &DLightsConfigPage::onModifyCustomLightItemNameSuccess);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameTooLong, this,
                &DLightsConfigPage::onModifyCustomLightItemNameTooLong);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameFailed, this,
                &DLightsConfigPage::onModifyCustomLightItemNameFailed);
        connect(row, &DCustomLightListItem::sigCustomLightUsingStatus, this,
                &DLightsConfigPage::onCustomLightUsingStatus);
        const QString isUsing = fieldText(light.isUsing, sizeof light.isUsing);
        row->setItemInfo(fieldText(light.index, sizeof light.index), fieldText(light.name, sizeof light.name),
                         isUsing, light.usingFlagIndex);
        ui->verticalLayout_39->insertWidget(ui->verticalLayout_39->count() - 1, row);
        m_customLightItemList.append(row);
        if (!m_currentCustomLightItem && isUsing == QLatin1String("Using")
            && light.usingFlagIndex == m_usingCustomIndex) {
            m_currentCustomLightItem = row;
            row->setItemSelected(true);
            m_usingCustomIndex = row->usingFlagIndex();
        }
    }
    if (m_currentCustomLightItem)
        emit sigCustomLightItemHaveChanged(m_currentCustomLightItem->usingFlagIndex(),
                                           m_currentCustomLightItem->itemIndex(),
                                           m_currentCustomLightItem->itemName());
}

void DLightsConfigPage::selectCustomLightRow(DCustomLightListItem *current)
{
    for (DCustomLightListItem *row : qAsConst(m_customLightItemList))
        row->setItemSelected(row == current);
    m_currentCustomLightItem = current;
}

void DLightsConfigPage::onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName)
{
    auto *row = qobject_cast<DCustomLightListItem *>(sender());
    if (!row)
        return;
    m_usingCustomIndex = row->usingFlagIndex();
    if (row == m_currentCustomLightItem)
        return;
    selectCustomLightRow(row);
    emit sigCustomLightItemHaveChanged(row->usingFlagIndex(), strCustomLightIndex, strCustomLightName);
}

void DLightsConfigPage::onModifyCustomLightItemNameIsEmpty()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Custom light name can't be empty"));
}

void DLightsConfigPage::onModifyCustomLightItemNameSuccess()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Modify custom light name successful"));
}

void DLightsConfigPage::onModifyCustomLightItemNameTooLong()
{
    emit sigSomeMessageTip_LightsConfigPage(tr("Custom light name is too long"));
}

void DLightsConfigPage::onModifyCustomLightItemNameFailed()
{
    emit sigSomeMessageTip_LightsConfigPage(tr("Modify custom light name failed"));
}

void DLightsConfigPage::onCustomLightUsingStatus(bool isUsing)
{
    auto *sending = qobject_cast<DCustomLightListItem *>(sender());
    if (!sending)
        return;
    selectCustomLightRow(sending);
    if (isUsing)
        qDebug() << "------------------------ *** isUsing == true *** ------------------------";

    QList<DCustomLightListItem *> inUse;
    DCustomLightListItem *slot0 = nullptr;
    DCustomLightListItem *slot1 = nullptr;
    for (DCustomLightListItem *row : qAsConst(m_customLightItemList)) {
        if (row->usingStatus() != QLatin1String("Using"))
            continue;
        inUse.append(row);
        if (row->usingFlagIndex() == 0)
            slot0 = row;
        else if (row->usingFlagIndex() == 1)
            slot1 = row;
    }
    if (m_usingCustomIndex == -1)
        m_usingCustomIndex = 0;
    if (inUse.size() != 2)
        return;
    DCustomLightListItem *displaced = m_usingCustomIndex == 0 ? slot0 : slot1;
    // Two lights in use that do not hold slots 0 and 1, or the sending row
    // already holding the slot: the store is left as it is.
    if (!displaced || displaced == sending)
        return;

    const QByteArray profile = profileIndexText();
    CVardexXML_ModifyProFileCustomLightNodeUsingStatus(m_profileXmlPath, profile.constData(),
                                                       displaced->itemIndex().toUtf8().constData(), "UnUsing", -1);
    displaced->setUsingChecked(false);
    displaced->setUsingFlagIndex(-1);
    displaced->setUsingStatus(QStringLiteral("UnUsing"));

    CVardexXML_ModifyProFileCustomLightNodeUsingStatus(m_profileXmlPath, profile.constData(),
                                                       sending->itemIndex().toUtf8().constData(), "Using",
                                                       m_usingCustomIndex);
    sending->setUsingChecked(true);
    sending->setUsingFlagIndex(m_usingCustomIndex);
    sending->setUsingStatus(QStringLiteral("Using"));

    // The device page shows the light's colours on the drawing at once, so
    // the upload below reads them.
    emit sigCustomLightItemHaveChanged(m_usingCustomIndex, sending->itemIndex(), QStringLiteral("CustomLight"));
    sendCustomLight(m_usingCustomIndex);
}

void DLightsConfigPage::sendCustomLightChunk(int slot, int chunk, const QList<unsigned char> &bytes)
{
    if (!writeReport(lightModeReport::customLightChunk(slot, chunk, bytes)))
        qDebug() << "USB serial port [Write custom-Led] Failed ...";
}

void DLightsConfigPage::sendCustomLight(int slot)
{
    const QList<keyboardButCustom *> keys = DDataManager::instance()->keyButtonList();
    if (keys.size() != kGridRows * kGridColumns) {
        // No drawing (or a drawing that does not fill the grid): there is
        // nothing whole to upload.
        qDebug() << "USB serial port [Write custom-Led] Failed ... no key grid:" << keys.size();
        return;
    }
    QList<unsigned char> bytes;
    int chunk = 0;
    for (int n = 1; n <= keys.size(); ++n) {
        const keyboardButCustom *key = keys.at(n - 1);
        const QColor c = key ? key->keyColor() : QColor(0, 0, 0);
        bytes << static_cast<unsigned char>(c.red()) << static_cast<unsigned char>(c.green())
              << static_cast<unsigned char>(c.blue());
        if (n % kKeysPerChunk == 0 || (n % kKeysPerChunk == 6 && chunk == 7)) {
            sendCustomLightChunk(slot, chunk, bytes);
            bytes.clear();
            ++chunk;
        }
    }
    QThread::msleep(5);
    colorInfoData keys0x06 = m_currentLightConfig;
    keys0x06.hidType = 0; // the custom light belongs to the keys
    if (!writeReport(lightModeReport::build(keys0x06, false, 0, false))) {
        qDebug() << "USB serial port [Write Led] Failed ...";
        return;
    }
    qDebug().noquote() << QStringLiteral("USB serial port [Write Led] Successful ... ledType:%1").arg(m_currentLightConfig.ledType);
}
