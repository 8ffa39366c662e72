// The custom-keys page's control of the global key hook: which mode runs
// when, and what the reported keys lead to.
#include "ui/customKeys/DCustomKeysPage.h"

#include <QDebug>

#include "data/DDataManager.h"
#include "ui/customKeys/DKeyFunctionPage.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "vardexSdk.h"

namespace {
constexpr int kPageCodeRemap = 1;
constexpr int kPageCodeCombination = 2;
} // namespace

int DCustomKeysPage::restartHook(int mode)
{
    m_hook.stopHook();
    m_hookMode = mode;
    return m_hook.startHook(mode);
}

bool DCustomKeysPage::captureOrRecordingRuns() const
{
    return m_hook.isRunning()
           && (m_hookMode == HookMacroRecord || m_hookMode == HookRemapCapture
               || m_hookMode == HookCombinationCapture);
}

bool DCustomKeysPage::isInteractiveLightHookRunning() const
{
    return m_hook.isRunning() && m_hookMode == HookInteractiveLight;
}

void DCustomKeysPage::setInteractiveLightHook(bool isStart, int fromNum)
{
    Q_UNUSED(fromNum)
    m_interactiveLightWanted = isStart;
    // A recording or a capture keeps the hook; the light effect gets it back
    // when that ends.
    if (captureOrRecordingRuns())
        return;
    if (isStart)
        restartHook(HookInteractiveLight);
    else
        m_hook.stopHook();
}

void DCustomKeysPage::resumeInteractiveLight()
{
    if (m_interactiveLightWanted && !captureOrRecordingRuns())
        restartHook(HookInteractiveLight);
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    macroRecordHook(isStartHook);
}

void DCustomKeysPage::macroRecordHook(bool isStart)
{
    bool ok = false;
    if (isStart) {
        qDebug() << "------------------------------ *** MacroRecord [Hook Start] *** --------------------------";
        ok = restartHook(HookMacroRecord) == 1;
        if (!ok)
            resumeInteractiveLight();
    } else {
        qDebug() << "------------------------------ *** MacroRecord [Hook Stop] *** --------------------------";
        ok = m_hook.stopHook() == 1;
        resumeInteractiveLight();
    }
    DDataManager::instance()->setHookRunning(ok);
}

void DCustomKeysPage::onMesgStartOrStopHook(bool isStartHook)
{
    if (isStartHook) {
        m_hook.stopHook();
        qDebug() << "------------------------------ *** CustomKey [Hook Start] *** --------------------------";
        int started = 0;
        if (m_pageCode == kPageCodeRemap)
            started = restartHook(HookRemapCapture);
        else if (m_pageCode == kPageCodeCombination)
            started = restartHook(HookCombinationCapture);
        if (!started)
            resumeInteractiveLight();
    } else {
        qDebug() << "------------------------------ *** CustomKey [Hook Stop] *** --------------------------";
        m_hook.stopHook();
        resumeInteractiveLight();
    }
}

void DCustomKeysPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(scCode)
    if (flag == 0 || (hookFlag & 0x80))
        return;
    int vk = keyCode;
    // Enter and keypad Enter share one code; the extended bit tells them
    // apart, also with Alt held (0x20).
    if (vk == 13)
        vk = (hookFlag & 0x01) ? 998 : 999;

    DDataManager *data = DDataManager::instance();
    const QMap<int, int> virtualKeys = data->virtualKeyMap();
    const auto found = virtualKeys.constFind(vk);
    if (m_hookMode == HookInteractiveLight) {
        if (found == virtualKeys.constEnd())
            return;
        keyboardButCustom *button = data->keyButtonMap().value(found.value());
        if (!button)
            return;
        const int row = button->rowIndex();
        const int column = button->columnIndex();
        CVardexHid_keyClickedSendXY(row, column);
        emit sigInteractLightsPointXY(row, column);
        return;
    }
    if (m_hookMode == HookMacroRecord || found == virtualKeys.constEnd())
        return;
    if (m_pageCode == kPageCodeRemap)
        functionPage(IdRemapKey)->setKey(found.value());
    else if (m_pageCode == kPageCodeCombination)
        functionPage(IdCombinationKey)->setKey(found.value());
}
