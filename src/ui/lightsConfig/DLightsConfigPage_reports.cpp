// The light page's reports to the keyboard: the light-mode reports of the
// keys (0x06) and of the side light (0x07).
#include "DLightsConfigPage.h"

#include "lightModeReport.h"

#include <QDebug>

bool DLightsConfigPage::transportOpen() const
{
    return m_hidInterface && m_hidInterface->isHidOpen();
}

// Queues one report on the current keyboard's command queue; false when
// there is no open transport to take it.
bool DLightsConfigPage::writeReport(const hidCmdBuff &report)
{
    if (!transportOpen())
        return false;
    return m_hidInterface->hidApi_Write(report.data()) == 0;
}

void DLightsConfigPage::sendKeyboardLightConfig(const colorInfoData &record)
{
    if (!writeReport(lightModeReport::build(record, true, hidCmdBuff::clock16()))) {
        qDebug() << "USB serial port [Write Led] Failed ...";
        return;
    }
    qDebug().noquote() << QStringLiteral("USB serial port [Write Led] Successful ... ledType:%1").arg(record.ledType);
}

void DLightsConfigPage::sendSideLightConfig(const colorInfoData &record)
{
    colorInfoData side = record;
    side.hidType = 1;
    if (!writeReport(lightModeReport::build(side, true, hidCmdBuff::clock16()))) {
        qDebug() << "USB serial port [Write Side Led] Failed ...";
        return;
    }
    qDebug().noquote() << QStringLiteral("USB serial port [Write Side Led] Successful ... ledType:%1").arg(record.ledType);
}
