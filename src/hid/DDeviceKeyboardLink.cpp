#include "hid/DDeviceKeyboardLink.h"

#include "hid/DDeviceHidCmdSend.h"
#include "hid/MainHidInterFace.h"
#include "platform/keyActions.h"
#include "vardexSdk.h"

#include <QDebug>
#include <QPointer>

#include <cstring>

namespace {
// The record of one light configuration as the profile store takes it.
static_assert(sizeof(colorInfoData) == 14 * sizeof(int32_t), "colorInfoData is 14 integers");
colorInfoData toColorInfoData(const std::array<int32_t, 14> &v)
{
    colorInfoData record;
    std::memcpy(static_cast<void *>(&record), v.data(), sizeof record);
    return record;
}

// Field offsets of a binding record: key, type, play count, mode, value.
static_assert(sizeof(KeyOperateInfo) == 5224, "KeyOperateInfo is 5224 bytes");
enum { KeyFieldOffset = 0, TypeOffset = 80, PlayCountOffset = 88, PlayModeOffset = 96, ValueOffset = 104, ValueSize = 5120 };

QString fieldText(const KeyOperateInfo &info, int offset, int size)
{
    const char *p = reinterpret_cast<const char *>(&info) + offset;
    return QString::fromUtf8(p, int(qstrnlen(p, size_t(size))));
}

// A fixed text field of the device record, cut at its first 0 byte.
template <size_t N> QString recordText(const char (&field)[N])
{
    return QString::fromUtf8(field, int(qstrnlen(field, N)));
}

enum KeyFunctionTypeValue { TypeText = 6, TypeSwitchProfile = 7, TypeLaunch = 8 };
} // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(QObject *parent)
    : QObject(parent)
{
    std::memset(m_profilePath, 0, sizeof m_profilePath);
    std::memset(m_outKeyReport, 0, sizeof m_outKeyReport);
    m_keyboardLight[0] = 0;
    m_sideLight[0] = 1;
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    delete m_cmdSend;
    delete m_hidInterface; // closes the transport and joins its thread
}

void DDeviceKeyboardLink::openHidDevice(int threadIndex, hidStructInfoAll record)
{
    if (m_hidInterface) // one transport per link; a returning keyboard gets a new link
        return;
    m_hidInfo = record;
    m_hidInterface = new MainHidInterFace(threadIndex, recordText(m_hidInfo.hidName));
    connect(m_hidInterface, SIGNAL(sigOpenHidSuccessful()), this, SLOT(onOpenHidSuccessful()));
    connect(m_hidInterface, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(m_hidInterface, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);
    connect(m_hidInterface, &MainHidInterFace::sigHidDeviceGone, this, &DDeviceKeyboardLink::sigHidDeviceGone);

    if (m_hidInterface->hidApi_Open(QString::fromLatin1(m_hidInfo.hidPath, int(qstrnlen(m_hidInfo.hidPath, 256)))) != 0) {
        qDebug() << "Open the device-failed";
        return;
    }
    m_hidInterface->start(QThread::InheritPriority);
    qDebug() << "Open the device-successful";
    m_cmdSend = new DDeviceHidCmdSend();
    m_cmdSend->setHidInterface(m_hidInterface);
}

void DDeviceKeyboardLink::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void DDeviceKeyboardLink::setProfileXmlPath(const char *path)
{
    std::memset(m_profilePath, 0, sizeof m_profilePath);
    if (path)
        std::memcpy(m_profilePath, path, qstrnlen(path, sizeof m_profilePath - 1));
}

void DDeviceKeyboardLink::onOpenHidSuccessful()
{
}

void DDeviceKeyboardLink::onHidWriteErrorInfo(QString errorInfo)
{
}

void DDeviceKeyboardLink::onHidSNDataArrived(QByteArray report, QString strHidName)
{
    // The first answer names the keyboard for good: a later one (it was
    // asked twice) must neither rename its profile folder nor write yet
    // another generated number.
    if (report.size() < hidCmdBuff::Size || !m_cmdSend || !m_strSN.isEmpty())
        return;
    const auto *data = reinterpret_cast<const unsigned char *>(report.constData());
    const char *text = reinterpret_cast<const char *>(data + 6);
    const QString sn = QString::fromLatin1(text, int(qstrnlen(text, 32)));
    if (DDeviceHidCmdSend::isValidSN(sn)) {
        m_strSN = sn;
    } else {
        // Empty, short or unsafe for a folder name: give the keyboard a new one.
        m_strSN = m_cmdSend->writeSN(QString());
    }
    const QPointer<DDeviceKeyboardLink> self(this);
    emit sigSerialNumberKnown();
    if (!self)
        return;
    m_cmdSend->inquireKeyboardLightConfig();
    m_cmdSend->inquireSideLightConfig();
    m_cmdSend->inquireLightMode();
}

void DDeviceKeyboardLink::onHidDataArrived(QByteArray report, int length, int threadIndex)
{
    if (report.size() >= hidCmdBuff::Size)
        handleReport(reinterpret_cast<const unsigned char *>(report.constData()));
}

void DDeviceKeyboardLink::handleReport(const unsigned char *data)
{
    switch (static_cast<HidReturnCmd>(data[1])) {
    case HidReturnCmd::DeviceStatus:
        handleDeviceStatus(data);
        break;
    case HidReturnCmd::KeyReport:
        if (m_cmdSend)
            m_cmdSend->writeSixKey(m_outKeyReport);
        break;
    case HidReturnCmd::FullKeyReport:
        if (m_cmdSend)
            m_cmdSend->writeFullKey(data);
        break;
    case HidReturnCmd::KeyboardLightConfig:
        handleLightConfig(data, 0);
        break;
    case HidReturnCmd::SideLightConfig:
        handleLightConfig(data, 1);
        break;
    case HidReturnCmd::CustomLightIndex:
        if (hasProfilePath()) {
            QByteArray index = profileIndexText();
            CVardexXML_ModifyProFileMouseLightUsingIndex(m_profilePath, index.data(), 0, 10);
        }
        emit sigCustomLight_ConfigHaveChanged_HidSend0x09(0, 10, data[2]);
        break;
    case HidReturnCmd::LightModeList:
        m_keyboardLightSupport = DDeviceHidCmdSend::parseLightTypeList(data);
        qDebug().noquote() << "-------------[Keyboard] hidName:" << recordText(m_hidInfo.hidName)
                           << " lightTypeList Num:" << m_keyboardLightSupport.lightTypes.size()
                           << "  SpeedMax:" << m_keyboardLightSupport.speedMax
                           << "  BrightnessMax:" << m_keyboardLightSupport.brightnessMax;
        if (m_cmdSend)
            m_cmdSend->inquireSideLightMode();
        break;
    case HidReturnCmd::SideLightModeList:
        m_sideLightSupport = DDeviceHidCmdSend::parseLightTypeList(data);
        qDebug().noquote() << "-------------[Side] hidName:" << recordText(m_hidInfo.hidName)
                           << "lightTypeList Num:" << m_sideLightSupport.lightTypes.size()
                           << "  SpeedMax:" << m_sideLightSupport.speedMax
                           << "  BrightnessMax:" << m_sideLightSupport.brightnessMax;
        if (m_cmdSend)
            m_cmdSend->checkLayoutSupportCustom();
        if (!m_isReady) {
            m_isReady = true;
            emit sigDeviceReady();
        }
        break;
    case HidReturnCmd::LayoutInfo: {
        const char *text = reinterpret_cast<const char *>(data + 6);
        const QString identity = QString::fromLatin1(text, int(qstrnlen(text, 58)));
        emit sigWaitForDataReturn_0x0d(recordText(m_hidInfo.hidPath), identity.section(QLatin1Char(','), 4, 4));
        break;
    }
    case HidReturnCmd::QN9080Data:
        emit sigQN9080Recv0x0bCmd(data[2]);
        break;
    case HidReturnCmd::KeyBitTable:
        handleKeyBitTable(data);
        break;
    case HidReturnCmd::SleepTimeReturn:
        handleSleepTime(data);
        break;
    case HidReturnCmd::OnboardMacroReturn:
        emit sigRuningOnboard0x18Cmd();
        break;
    case HidReturnCmd::OnboardMacroAck:
        emit sigRuningOnboard0x19Cmd();
        break;
    case HidReturnCmd::CustomKeyEvent:
        handleCustomKeyEvent(data);
        break;
    default:
        break; // 0x06 and unknown codes
    }
}

void DDeviceKeyboardLink::handleDeviceStatus(const unsigned char *data)
{
    if (data[5] == 0)
        return;
    // A receiver of these signals may let this link go (its keyboard left
    // meanwhile); nothing of it is touched once it is on its way out.
    const QPointer<DDeviceKeyboardLink> self(this);
    const int keyboardMode = data[11];
    const int dongleState = data[12];
    const int downloadStatus = data[13];
    emit sigSendChargingStatusAndElectricity(data[9], data[10], keyboardMode, dongleState, m_strSN);
    if (!self)
        return;
    if (m_dongleTracking) {
        const bool changed = keyboardMode == 1 && dongleState != m_lastDongleState;
        m_lastDongleState = dongleState;
        if (changed)
            emit sigDongleStatus(dongleState, recordText(m_hidInfo.hidPath), recordText(m_hidInfo.hidName));
        if (!self)
            return;
    } else if (keyboardMode == 1) {
        m_untrackedDongleState = dongleState;
    }
    if (downloadStatus != 0)
        emit sigRuningOnboardDownloadStatus(downloadStatus);
}

void DDeviceKeyboardLink::setDongleStatusTracking(bool on)
{
    const bool wasOn = m_dongleTracking;
    m_dongleTracking = on;
    if (!on || wasOn || m_untrackedDongleState < 0)
        return;
    // A receiver that reported once (no periodic reports) before tracking
    // began would otherwise stay unheard until its keyboard changes again.
    const int state = m_untrackedDongleState;
    m_untrackedDongleState = -1;
    if (state == m_lastDongleState)
        return;
    m_lastDongleState = state;
    emit sigDongleStatus(state, recordText(m_hidInfo.hidPath), recordText(m_hidInfo.hidName));
}

void DDeviceKeyboardLink::handleLightConfig(const unsigned char *data, int part)
{
    std::array<int32_t, 14> &r = part == 0 ? m_keyboardLight : m_sideLight;
    r = {part,     data[6],  data[7] + 1, data[8] + 1, data[9],  data[10], data[11],
         data[12], data[13], data[14],    data[15],    data[16], data[17], 0};
    if (part == 0) {
        m_keyboardRecordReceived = true;
        qDebug().noquote() << "--------------------------------------------------->>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>"
                              ">>>>>>>>>> *** [Hid 0x07 return] ledBrightness:"
                           << r[2] << " ledSpeed:" << r[3] << " ledType:" << r[1];
    } else {
        m_sideRecordReceived = true;
    }
    if (m_isBound)
        saveLightConfigToProfile(part);
}

void DDeviceKeyboardLink::handleKeyBitTable(const unsigned char *data)
{
    // Each report is the whole bitmap: it replaces the previous one.
    m_keyBitTableKeys.clear();
    for (int column = 0; column < 22; ++column) {
        const unsigned char bits = data[6 + column];
        for (int row = 0; row < 6; ++row) {
            if (bits & (1u << row))
                m_keyBitTableKeys.append(qMakePair(row, column));
        }
    }
}

void DDeviceKeyboardLink::handleSleepTime(const unsigned char *data)
{
    if (data[2] == 0) {
        emit sigSleepTimeSetSuccessful();
    } else if (data[2] == 2) {
        const int lightSeconds = int(hidCmdBuff::u16(data, 9));
        const int keyboardSeconds = int(hidCmdBuff::u16(data, 11));
        if (!hasProfilePath()) {
            qDebug() << "---------- *** [Sleep time] no profile yet, not stored *** ----------";
            return;
        }
        QByteArray index = profileIndexText();
        CVardexXML_SetProFileIntoSleepTimeInfo(m_profilePath, index.data(), lightSeconds, keyboardSeconds / 60);
    }
}

void DDeviceKeyboardLink::saveLightConfigToProfile(int part)
{
    if (!hasProfilePath())
        return;
    // The profile is set up from here on: a record that has not arrived yet
    // (a slow keyboard) is stored and signalled when it does.
    const bool wasBound = m_isBound;
    m_isBound = true;
    const bool received = part == 0 ? m_keyboardRecordReceived : m_sideRecordReceived;
    if (!received)
        return;
    const std::array<int32_t, 14> &r = part == 0 ? m_keyboardLight : m_sideLight;
    colorInfoData record = toColorInfoData(r);
    const int ledType = r[1];
    QByteArray index = profileIndexText();
    if (CVardexXML_IsProFileAlreadyHaveLightInfo(m_profilePath, index.data(), part, ledType) != 0)
        CVardexXML_ModifyProFileLightInfoItem(m_profilePath, index.data(), part, ledType, record);
    else
        CVardexXML_AddProFileLightInfoItem(m_profilePath, index.data(), record);
    CVardexXML_ModifyProFileMouseLightUsingIndex(m_profilePath, index.data(), part, ledType);
    if (wasBound)
        emit sigLightConfigHaveChanged_HidSend(part, ledType);
}

void DDeviceKeyboardLink::handleCustomKeyEvent(const unsigned char *data)
{
    if (data[10] == 0)
        return;
    if (!hasProfilePath()) {
        qDebug() << "---------- *** [Custom key] no profile yet, event ignored *** ----------";
        return;
    }
    KeyOperateInfo info;
    std::memset(static_cast<void *>(&info), 0, sizeof info);
    char *raw = reinterpret_cast<char *>(&info);
    for (int offset : {int(KeyFieldOffset), int(TypeOffset), int(PlayCountOffset), int(PlayModeOffset), int(ValueOffset)})
        std::memcpy(raw + offset, "-1", 3);
    QByteArray index = profileIndexText();
    QByteArray keyCode = QByteArray::number(int(data[9]));
    CVardexXML_SelectProFileKeyOperateInfo(m_profilePath, index.data(), keyCode.data(), &info);

    bool typeOk = false;
    const int type = fieldText(info, TypeOffset, 8).toInt(&typeOk);
    if (!typeOk)
        return;
    const QString value = fieldText(info, ValueOffset, ValueSize);
    switch (type) {
    case TypeText:
        keyActions::typeTextByPaste(value);
        break;
    case TypeSwitchProfile:
        emit sigCustomEventChangProfile(value.toInt());
        break;
    case TypeLaunch:
        keyActions::launchProgram(value);
        break;
    default:
        break; // disable and every other type act on the keyboard itself
    }
}

void DDeviceKeyboardLink::inquireLightConfigAndLayout()
{
    if (!m_cmdSend)
        return;
    m_cmdSend->inquireKeyboardLightConfig();
    m_cmdSend->inquireSideLightConfig();
    m_cmdSend->checkLayoutSupportCustom();
    m_isBound = true;
}

void DDeviceKeyboardLink::inquireSerialNumber()
{
    if (!m_cmdSend || !m_hidInterface || !m_strSN.isEmpty())
        return;
    m_hidInterface->hidApi_Write(DDeviceHidCmdSend::buildInquireDeviceSN().data());
}

void DDeviceKeyboardLink::resetKeyboard()
{
    if (m_cmdSend)
        m_cmdSend->reset();
}

void DDeviceKeyboardLink::inquireSleepTime()
{
    if (m_cmdSend)
        m_cmdSend->checkSleepTime();
}

void DDeviceKeyboardLink::setSleepTime(int lightSeconds, int keyboardSeconds)
{
    if (m_cmdSend)
        m_cmdSend->setSleepTime(lightSeconds, keyboardSeconds);
}

int DDeviceKeyboardLink::setLockWinKey(int winKey, int shiftTab, int altTab, int altF4)
{
    return m_cmdSend ? m_cmdSend->lockWin(winKey, shiftTab, altTab, altF4) : -1;
}
