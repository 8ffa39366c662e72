#include "ui/softKeyboard/DSoftKeyboardPage.h"
#include "ui_DSoftKeyboardPage.h"

#include <QDebug>
#include <QFile>

#include <cjson/cJSON.h>

#include <memory>

#include "data/DDataManager.h"
#include "ui/softKeyboard/SoftKeyboardButCustom.h"

namespace {

constexpr int kUsLayoutCode = 31;

struct JsonFree
{
    void operator()(cJSON *item) const { cJSON_Delete(item); }
    void operator()(char *text) const { cJSON_free(text); }
};

bool intMember(const cJSON *key, const char *name, int *out)
{
    const cJSON *item = cJSON_GetObjectItem(key, name);
    if (!cJSON_IsNumber(item))
        return false;
    *out = item->valueint;
    return true;
}

// The caption is the printed JSON string without its quotation marks: an
// escaped quotation mark leaves its backslash behind, which is how the
// backslash key's caption "\|" is written.
QString captionOf(const cJSON *character)
{
    std::unique_ptr<char, JsonFree> printed(cJSON_Print(character));
    if (!printed)
        return QString();
    QString caption = QString::fromLocal8Bit(printed.get());
    caption.remove(QLatin1Char('"'));
    return caption;
}

} // namespace

DSoftKeyboardPage::DSoftKeyboardPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DSoftKeyboardPage)
{
    ui->setupUi(this);
    setFixedSize(1000, 245);
    applyThemeColors();
}

DSoftKeyboardPage::~DSoftKeyboardPage()
{
    delete ui;
}

QList<SoftKeyboardButCustom *> DSoftKeyboardPage::keyButtons() const
{
    return findChildren<SoftKeyboardButCustom *>(QString(), Qt::FindDirectChildrenOnly);
}

void DSoftKeyboardPage::loadKeyboardInfo(const QString &model)
{
    for (SoftKeyboardButCustom *button : keyButtons()) {
        button->hide();
        button->setParent(nullptr);
        button->deleteLater();
    }
    m_keyNameMap.clear();
    m_virtualKeyMap.clear();
    m_buttonMap.clear();
    m_touchedButtons.clear();
    m_modifierCount = 0;

    m_layoutCode = DDataManager::instance()->softKeyboardLayoutCode(model);
    const QString fileName = m_layoutCode == kUsLayoutCode
                                 ? QStringLiteral("softKeyInfoNormalUS.config")
                                 : QStringLiteral("softKeyInfoNormal_%1.config").arg(m_layoutCode);
    QFile file(QStringLiteral(":/images/configDir/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return;
    }
    const QByteArray text = file.readAll(); // QByteArray keeps a terminating zero
    parseKeyboardInfo(text.constData());
}

void DSoftKeyboardPage::parseKeyboardInfo(const char *text)
{
    if (!text)
        return;
    std::unique_ptr<cJSON, JsonFree> root(cJSON_Parse(text));
    if (!root || !cJSON_IsObject(root.get()))
        return;

    for (int row = 1; row <= 6; ++row) {
        const QByteArray rowName = QByteArray("EveryKeyInfo_Row0") + QByteArray::number(row);
        const cJSON *keys = cJSON_GetObjectItem(root.get(), rowName.constData());
        if (!cJSON_IsArray(keys))
            continue;
        const int count = cJSON_GetArraySize(keys);
        for (int i = 0; i < count; ++i) {
            const cJSON *key = cJSON_GetArrayItem(keys, i);
            int posX = 0, posY = 0, width = 0, height = 0, dec = 0, qtDec = 0;
            const cJSON *character = cJSON_GetObjectItem(key, "Character");
            // A key that lacks a member is left out rather than guessed.
            if (!intMember(key, "PosX", &posX) || !intMember(key, "PosY", &posY)
                || !intMember(key, "Width", &width) || !intMember(key, "Height", &height)
                || !intMember(key, "Dec", &dec) || !intMember(key, "qtDec", &qtDec)
                || !cJSON_IsString(character))
                continue;
            if (width <= 0 || height <= 0)
                continue;

            QString caption = captionOf(character);
            if (dec == 52)
                caption = QStringLiteral("' \"");
            else if (dec == 144)
                caption = tr("Korean/English");
            else if (dec == 145)
                caption = tr("Chinese");
            if (m_layoutCode == 91) {
                if (dec == 47)
                    caption = QStringLiteral("\u00B4 `");
                else if (dec == 51)
                    caption = QStringLiteral("\u00C7");
                else if (dec == 52)
                    caption = QStringLiteral("~^");
            }

            auto *button = new SoftKeyboardButCustom(0, this);
            button->setButtonSize(width, height);
            button->setGeometry(posX, posY, width, height);
            button->setKeyInfo(dec, caption);
            m_virtualKeyMap.insert(qtDec, dec);
            m_keyNameMap.insert(dec, caption);
            m_buttonMap.insert(dec, button);
            connect(button, &QAbstractButton::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
            button->show();
        }
    }
    m_keyNameMap.insert(-10, QStringLiteral("Fn"));

    for (SoftKeyboardButCustom *button : qAsConst(m_buttonMap))
        button->setKeyColors(m_textColor, m_accentColor, m_backgroundColor);

    DDataManager::instance()->setKeyNameMap(m_keyNameMap);
    DDataManager::instance()->setVirtualKeyMap(m_virtualKeyMap);
    emit sigSoftKeyboardAlreadyLoad();
}

void DSoftKeyboardPage::setCombinationMode(int mode)
{
    m_combinationMode = mode;
}

void DSoftKeyboardPage::setCombinationActive(bool active)
{
    // A combination abandoned when the popup last closed must not keep its
    // highlight and modifier count into the next one.
    if (active && !m_combinationActive)
        clearSelection();
    m_combinationActive = active;
}

void DSoftKeyboardPage::clearSelection()
{
    for (SoftKeyboardButCustom *button : qAsConst(m_touchedButtons)) {
        button->setUnselectedMark(true);
        button->setKeyState(0);
    }
    m_touchedButtons.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::markKeyUnselected(int keyCode)
{
    if (m_combinationMode != 1 || !m_combinationActive)
        return;
    SoftKeyboardButCustom *button = m_buttonMap.value(keyCode);
    if (!button || m_touchedButtons.contains(button))
        return;
    button->setUnselectedMark(true);
    button->setKeyState(0);
    m_touchedButtons.append(button);
}

void DSoftKeyboardPage::applyThemeColors()
{
    m_textColor = QStringLiteral("190, 180, 200");
    m_accentColor = QStringLiteral("255, 143, 31");
    m_backgroundColor = QStringLiteral("75, 75, 75");
    for (SoftKeyboardButCustom *button : qAsConst(m_buttonMap))
        button->setKeyColors(m_textColor, m_accentColor, m_backgroundColor);
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto *button = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!button)
        return;
    const int keyCode = button->keyCode();
    if (m_combinationMode == 1 && m_combinationActive) {
        bool refused = false;
        if (keyCode >= 224 && keyCode <= 231) {
            ++m_modifierCount;
            if (m_modifierCount > 2) {
                --m_modifierCount;
                refused = true;
            }
        }
        if (!refused) {
            button->setUnselectedMark(false);
            button->setKeyState(1);
            if (!m_touchedButtons.contains(button))
                m_touchedButtons.append(button);
        }
    }
    emit sigSoftKeyboardClicked(keyCode, button->caption());
}
