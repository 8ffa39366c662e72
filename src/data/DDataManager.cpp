#include "data/DDataManager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>

#include <cstdlib>
#include <cstring>

#include "platform/appPaths.h"

const char *const DDataManager::DefaultConfigResource = ":/images/configDir/VardexDefaultConfig.ini";

namespace {

const char kDefaultFontFamily[] = "Microsoft YaHei";
const char kFallbackVersion[] = "V_1.00.00";
// Every on-screen keyboard model uses the normal US layout.
constexpr int kSoftKeyboardLayoutUS = 31;

struct ThemeKey
{
    const char *key;
    QString themeColorData::*field;
};

const ThemeKey kThemeKeys[] = {
#define VARDEX_THEME_ENTRY(name) {#name, &themeColorData::name},
    VARDEX_THEME_COLOR_KEYS(VARDEX_THEME_ENTRY)
#undef VARDEX_THEME_ENTRY
};
static_assert(sizeof(kThemeKeys) / sizeof(kThemeKeys[0]) == themeColorData::colorCount,
              "every colour key has a field");

// An integer setting, or `fallback` when the key is absent or not a number.
int readInt(const QSettings &settings, const QString &key, int fallback)
{
    bool ok = false;
    const int result = settings.value(key).toInt(&ok);
    return ok ? result : fallback;
}

bool readBool(const QSettings &settings, const QString &key, bool fallback)
{
    return settings.value(key, fallback).toBool();
}

} // namespace

DDataManager *DDataManager::instance()
{
    static DDataManager *manager = new DDataManager();
    return manager;
}

DDataManager::DDataManager(const QString &defaultConfigPath)
    : QObject(nullptr)
    , m_keyFunctionDetailText(tr("Unknow"))
{
    m_profileXmlPath = static_cast<char *>(std::calloc(PathBufferSize, 1));
    m_macroXmlPath = static_cast<char *>(std::calloc(PathBufferSize, 1));

    const QString appDataDir = appPaths::appDataDir();
    if (!QDir(appDataDir).exists())
        QDir().mkdir(appDataDir);
    m_userConfigDir = appPaths::userConfigDirFor(appDataDir);
    if (!QDir(m_userConfigDir).exists())
        QDir().mkdir(m_userConfigDir);

    appPaths::setAsideSpecialSettingsFile(settingsFilePath());
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    // Only an absent key gets its default written; an unreadable value stays as found.
    int themeIndex = readInt(settings, QStringLiteral("Theme/selectThemeIndex"), 0);
    if (!settings.contains(QStringLiteral("Theme/selectThemeIndex")))
        settings.setValue(QStringLiteral("Theme/selectThemeIndex"), 0);

    m_bgImageIsUsing = readBool(settings, QStringLiteral("ThemeBgImage/BgImageIsUsing"), false);
    if (!settings.contains(QStringLiteral("ThemeBgImage/BgImageIsUsing")))
        settings.setValue(QStringLiteral("ThemeBgImage/BgImageIsUsing"), false);

    QSettings defaults(defaultConfigPath, QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    m_userThemeConfig = readBool(defaults, QStringLiteral("MyselfConfig/userConfig"), false);

    if (!m_userThemeConfig && themeIndex == 4) {
        themeIndex = 0;
        settings.setValue(QStringLiteral("Theme/selectThemeIndex"), 0);
    }

    m_defaultFont = QGuiApplication::font();
    loadTheme(themeIndex);
    m_useLocalFont = true;
    m_defaultFont.setFamily(QString::fromLatin1(kDefaultFontFamily));

    const QString version = defaults.value(QStringLiteral("AppVersion/Version"),
                                           QString::fromLatin1(kFallbackVersion)).toString();
    if (settings.value(QStringLiteral("oldVersion/VersionInfo")).toString() != version
        || !settings.contains(QStringLiteral("oldVersion/VersionInfo")))
        settings.setValue(QStringLiteral("oldVersion/VersionInfo"), version);

    m_lightSynchronize = readBool(defaults, QStringLiteral("LightSynchronize/isSynchronize"), false);

    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning() << "Settings file" << settings.fileName() << "could not be used; running on defaults";
}

DDataManager::~DDataManager()
{
    std::free(m_profileXmlPath);
    std::free(m_macroXmlPath);
}

QString DDataManager::userConfigDir() const
{
    return m_userConfigDir;
}

QString DDataManager::settingsFilePath() const
{
    return appPaths::settingsFileIn(m_userConfigDir);
}

QString DDataManager::applicationDir() const
{
    return QCoreApplication::applicationDirPath();
}

int DDataManager::softKeyboardLayoutCode(const QString &model) const
{
    Q_UNUSED(model)
    return kSoftKeyboardLayoutUS;
}

void DDataManager::setCurrentProfileIndex(int index)
{
    m_currentProfileIndex = index;
}

int DDataManager::currentProfileIndex() const
{
    return m_currentProfileIndex;
}

bool DDataManager::copyBoundedPath(char *buffer, const char *path)
{
    if (!path)
        return false;
    const size_t length = std::strlen(path);
    if (length >= static_cast<size_t>(PathBufferSize)) {
        // A cut path would name another file; keep the one we have.
        qWarning() << "Path of" << length << "bytes refused; at most" << PathBufferSize - 1 << "fit";
        return false;
    }
    std::memcpy(buffer, path, length + 1);
    return true;
}

bool DDataManager::setProfileXmlPath(const char *path)
{
    return copyBoundedPath(m_profileXmlPath, path);
}

void DDataManager::copyProfileXmlPath(char *destination) const
{
    if (destination)
        std::memcpy(destination, m_profileXmlPath, PathBufferSize);
}

bool DDataManager::setMacroXmlPath(const char *path)
{
    return copyBoundedPath(m_macroXmlPath, path);
}

void DDataManager::copyMacroXmlPath(char *destination) const
{
    if (destination)
        std::memcpy(destination, m_macroXmlPath, PathBufferSize);
}

void DDataManager::setCurrentKey(int keyCode, const QString &caption)
{
    m_currentKeyCode = keyCode;
    m_currentKeyText = caption;
    emit sigKeyButtonClickedReturnKeyCodeAndKeyChar(keyCode, caption);
}

void DDataManager::clearCurrentKey()
{
    m_currentKeyCode = -1;
    m_currentKeyText.clear();
}

int DDataManager::currentKeyCode() const
{
    return m_currentKeyCode;
}

QString DDataManager::currentKeyText() const
{
    return m_currentKeyText;
}

QString DDataManager::keyFunctionDetailText() const
{
    return m_keyFunctionDetailText;
}

void DDataManager::setKeyFunctionDetailText(const QString &text)
{
    m_keyFunctionDetailText = text;
}

void DDataManager::setKeyNameMap(const QMap<int, QString> &map)
{
    m_keyNameMap = map;
}

void DDataManager::setVirtualKeyMap(const QMap<int, int> &map)
{
    m_virtualKeyMap = map;
}

QMap<int, QString> DDataManager::keyNameMap() const
{
    return m_keyNameMap;
}

QMap<int, int> DDataManager::virtualKeyMap() const
{
    return m_virtualKeyMap;
}

void DDataManager::setKeyButtonList(const QList<keyboardButCustom *> &list)
{
    m_keyButtonList.clear();
    m_keyButtonList = list;
}

void DDataManager::setKeyButtonMap(const QMap<int, keyboardButCustom *> &map)
{
    m_keyButtonMap.clear();
    m_keyButtonMap = map;
}

void DDataManager::setCurrentKeySelectFrame(keySelectFrame *frame)
{
    m_currentKeySelectFrame = frame;
}

QList<keyboardButCustom *> DDataManager::keyButtonList() const
{
    return m_keyButtonList;
}

QMap<int, keyboardButCustom *> DDataManager::keyButtonMap() const
{
    return m_keyButtonMap;
}

keySelectFrame *DDataManager::currentKeySelectFrame() const
{
    return m_currentKeySelectFrame;
}

void DDataManager::clearKeyButtons()
{
    m_keyButtonList.clear();
    m_keyButtonMap.clear();
    m_currentKeySelectFrame = nullptr;
}

bool DDataManager::requestMacroRecordHook(bool start)
{
    emit sigHookRuningStrtusCtrl_MacroRecord(start);
    return m_hookRunning;
}

void DDataManager::setHookRunning(bool running)
{
    m_hookRunning = running;
}

void DDataManager::emitMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag)
{
    emit sigRecviveStreamEX_MacroKeyboard(keyCode, scCode, flag, hookFlag);
}

void DDataManager::emitMacroMouseEvent(int nCode, WPARAM wParam, LPARAM lParam)
{
    emit sigRecviveStreamEX_MacroMouse(nCode, wParam, lParam);
}

QString DDataManager::themeFilePath(int index) const
{
    switch (index) {
    case 1:
        return QStringLiteral(":/images/StyleQss/LightThemeConfig.ini");
    case 2:
        return QStringLiteral(":/images/StyleQss/BlueThemeConfig.ini");
    case 3:
        return QStringLiteral(":/images/StyleQss/PinkThemeConfig.ini");
    case 4:
        return m_userThemeConfig ? applicationDir() + QStringLiteral("/configDir/OtherThemeConfig.ini")
                                 : QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini");
    default:
        return QStringLiteral(":/images/StyleQss/BlackThemeConfig.ini");
    }
}

static QString normalizeColor(const QString &text, bool bgImageInUse)
{
    if (bgImageInUse || text.count(QLatin1Char(',')) != 3)
        return text;
    return text.left(text.lastIndexOf(QLatin1Char(',')));
}

themeColorData DDataManager::readThemeFile(const QString &path, bool bgImageInUse)
{
    themeColorData record;
    // A missing file reads as empty texts; QSettings would otherwise try to
    // create it on a writable path.
    if (!QFileInfo(path).isFile())
        return record;
    QSettings theme(path, QSettings::IniFormat);
    theme.setIniCodec("UTF-8");
    for (const ThemeKey &entry : kThemeKeys) {
        QString value = theme.value(QStringLiteral("ThemeColor/") + QLatin1String(entry.key)).toString();
        value.replace(QLatin1Char('.'), QLatin1Char(','));
        record.*entry.field = normalizeColor(value, bgImageInUse);
    }
    record.TextFont = theme.value(QStringLiteral("ThemeColor/TextFont")).toString();
    return record;
}

void DDataManager::loadTheme(int index)
{
    m_themeColors = readThemeFile(themeFilePath(index), m_bgImageIsUsing);
    rebuildThemeFonts();
}

void DDataManager::rebuildThemeFonts()
{
    m_boldFont = QFont(m_themeColors.TextFont, 10, 75, false);
    m_normalFont = QFont(m_themeColors.TextFont, 10, 50, false);
}

QFont DDataManager::font(int which) const
{
    if (!m_useLocalFont)
        return m_defaultFont;
    switch (which) {
    case 0:
        return m_boldFont;
    case 1:
        return m_normalFont;
    default:
        return m_defaultFont;
    }
}

themeColorData DDataManager::themeColors() const
{
    return m_themeColors;
}

QString DDataManager::normalizeThemeColor(const QString &text) const
{
    return normalizeColor(text, m_bgImageIsUsing);
}

void DDataManager::setUseLocalFont(bool use)
{
    m_useLocalFont = use;
}

bool DDataManager::isUserThemeConfig() const
{
    return m_userThemeConfig;
}

void DDataManager::setBgImageIsUsing(bool inUse)
{
    m_bgImageIsUsing = inUse;
}

bool DDataManager::isBgImageIsUsing() const
{
    return m_bgImageIsUsing;
}

bool DDataManager::isLightSynchronize() const
{
    return m_lightSynchronize;
}
