// The device page's side of the onboard download: the Download entry point,
// the keyboard's onboard replies, and the encoders and writers under the
// page's own names. DOnboardDownload does the work.
#include "DDevicePage.h"

#include "DOnboardDownload.h"
#include "deviceRecordFields.h"
#include "ui/keyboardView/keyboardButCustom.h"

#include "data/DDataManager.h"
#include "hid/DDeviceHidCmdSend.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "hid/onboardEncoding.h"
#include "ui/customKeys/DCustomKeysPage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPointer>

void DDevicePage::onTheKeyboardIntoDownloading()
{
    if (m_onboardDownload->isRunning())
        return; // a second press while one runs starts nothing

    DOnboardDownload::KeyList keys;
    for (keyboardButCustom *button : DDataManager::instance()->keyButtonList())
        keys.append({button ? button->keyDec() : 0, button ? button->keyCharacter() : QString()});

    DOnboardDownload::Result result;
    DDeviceKeyboardLink *link = m_currentLink;
    // Named now: should the keyboard leave meanwhile, the toast shows under
    // the keyboard that took its place.
    using deviceRecordFields::fieldText;
    const QString path = fieldText(m_currentDevice.hidPath);
    QString name = fieldText(m_currentDevice.likeName);
    if (name.isEmpty())
        name = fieldText(m_currentDevice.hidName);
    if (!link || m_profileDir.isEmpty()) {
        qDebug().noquote() << "-------------------------- *** Onboard Download [no current keyboard] *** --------------------------";
        // A keyboard still to tell its serial number has no store to send yet.
        result.message = link && !DDeviceHidCmdSend::isValidSN(link->currentSN())
                             ? serialPendingText()
                             : QCoreApplication::translate("QObject", "Download config failed, Please try again");
    } else {
        // The download stays with this keyboard: should it leave, nothing more
        // is written, least of all to a keyboard that became current instead.
        // The link is deleted (later) when its keyboard leaves.
        const QPointer<DDeviceKeyboardLink> guard(link);
        const auto stillCurrent = [this, guard] {
            MainHidInterFace *transport = guard ? guard->hidInterface() : nullptr;
            return guard && m_currentLink == guard.data() && transport && transport->isHidOpen();
        };
        result = m_onboardDownload->run(link, m_profileDir, keys, stillCurrent);
        if (result.outcome == DOnboardDownload::Outcome::KeyboardLeft) {
            const bool stillAttached = guard && m_links.value(path) == guard.data() && m_currentLink != guard.data();
            result.message = stillAttached
                                 ? tr("Download config to %1 stopped: another keyboard was selected").arg(name)
                                 : tr("Download config to %1 failed: the keyboard was disconnected").arg(name);
        }
    }
    m_customKeysPage->downloadFinished();
    showNotice(result.message);
}

void DDevicePage::onRuningOnboard0x19Cmd()
{
    m_onboardDownload->onAcknowledgement(sender());
}

void DDevicePage::onRuningOnboard0x18Cmd()
{
}

void DDevicePage::onRuningOnboardDownloadStatus(int statusNun)
{
    m_onboardDownload->onDownloadStatus(sender(), statusNun);
}

void DDevicePage::onQN9080Recv0x0bCmd(int recvNum)
{
    Q_UNUSED(recvNum);
}

unsigned char DDevicePage::onboardMultimediaCode(const KeyOperateInfo &record)
{
    return onboard::multimediaCode(onboard::cNumber(record.value));
}

unsigned char DDevicePage::onboardMouseIsScroll(const KeyOperateInfo &record)
{
    return onboard::mouseIsScroll(onboard::cNumber(record.value));
}

unsigned char DDevicePage::onboardMouseCode(const KeyOperateInfo &record)
{
    return onboard::mouseCode(onboard::cNumber(record.value));
}

std::array<unsigned char, 3> DDevicePage::onboardCombinationKeys(const KeyOperateInfo &record)
{
    const onboard::Combination c = onboard::combinationKeys(record.value);
    return {c.firstModifier, c.secondModifier, c.usage};
}

std::array<unsigned char, 3> DDevicePage::onboardShortcutKeys(int value)
{
    const onboard::Shortcut s = onboard::shortcutKeys(value);
    return {s.modifier, s.zero, s.usage};
}

void DDevicePage::writeOnboardKeyPage(int layerByte, int pageNumber, QByteArray entries)
{
    m_onboardDownload->writeKeyPage(layerByte, pageNumber, entries);
}

int DDevicePage::nextOnboardMacroSlot(const KeyOperateInfo &record, int layerIndex)
{
    return m_onboardDownload->nextMacroSlot(record, layerIndex);
}

void DDevicePage::writeOnboardMacroPage(const KeyOperateInfo &record, int slot, int layerIndex)
{
    m_onboardDownload->writeMacroPage(record, slot, layerIndex);
}

void DDevicePage::writeOnboardPackage(const hidCmdBuff &piece)
{
    m_onboardDownload->writePackage(piece);
}
