#include "ui/customKeys/DKeyFunctionPage.h"

#include <cstdlib>
#include <cstring>

#include "data/DDataManager.h"

DKeyFunctionPage::DKeyFunctionPage(QWidget *parent)
    : QWidget(parent)
{
}

bool DKeyFunctionPage::readBinding(const char *path, int profileIndex, int keyCode, KeyOperateInfo *info)
{
    std::memset(info, 0, sizeof(*info));
    std::strcpy(info->keyCode, "-1");
    const QByteArray profile = QByteArray::number(profileIndex);
    const QByteArray key = QByteArray::number(keyCode);
    CVardexXML_SelectProFileKeyOperateInfo(path, profile.constData(), key.constData(), info);
    return std::atoi(info->keyCode) != -1;
}

int DKeyFunctionPage::bindingType(const KeyOperateInfo &info)
{
    return std::atoi(info.type);
}

void DKeyFunctionPage::loadKeyBinding()
{
    DDataManager *data = DDataManager::instance();
    m_keyCode = data->currentKeyCode();
    m_keyText = data->currentKeyText();
    m_profileIndex = data->currentProfileIndex();
    data->copyProfileXmlPath(m_profilePath);
    m_profilePath[sizeof(m_profilePath) - 1] = '\0';

    clearChoice();
    if (m_keyCode == -1)
        return;
    KeyOperateInfo info;
    if (readBinding(m_profilePath, m_profileIndex, m_keyCode, &info) && ownsType(bindingType(info)))
        showBinding(info);
}

void DKeyFunctionPage::clearKey()
{
    m_keyCode = -1;
    m_keyText.clear();
}

bool DKeyFunctionPage::storeBinding(int type, int playCount, int playMode, const QByteArray &value)
{
    if (m_keyCode == -1 || value.size() > MaxValueBytes)
        return false;
    const QByteArray profile = QByteArray::number(m_profileIndex);
    const QByteArray key = QByteArray::number(m_keyCode);
    const QByteArray caption = m_keyText.toUtf8();
    CVardexXML_DeleteProFileMacroWithKeyInfoItem(m_profilePath, profile.constData(), key.constData(),
                                                 caption.constData());
    CVardexXML_AddProFileMacroWithKeyInfoItem(m_profilePath, profile.constData(), key.constData(),
                                              caption.constData(), QByteArray::number(type).constData(),
                                              QByteArray::number(playCount).constData(),
                                              QByteArray::number(playMode).constData(), value.constData());
    emit sigShoudUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveSuccessful();
    return true;
}

bool DKeyFunctionPage::removeBinding()
{
    if (m_keyCode == -1)
        return false;
    const QByteArray profile = QByteArray::number(m_profileIndex);
    const QByteArray key = QByteArray::number(m_keyCode);
    const QByteArray caption = m_keyText.toUtf8();
    CVardexXML_DeleteProFileMacroWithKeyInfoItem(m_profilePath, profile.constData(), key.constData(),
                                                 caption.constData());
    emit sigShoudUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveSuccessful();
    return true;
}
