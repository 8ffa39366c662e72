#include "ui/keyboardView/keySelectFrame.h"
#include "ui_keySelectFrame.h"

#include "data/DDataManager.h"
#include "ui/keyboardView/DCustomEventTipExplain.h"
#include "ui/keyboardView/keyBackdrop.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/sideLightButtonCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "vardexSdk.h"

#include <QDebug>
#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <cstring>

#include <cjson/cJSON.h>

namespace {

const char *const kApostropheCaption = "' \"";
constexpr int kArrowAtBottom = 1;

// A present field of the wrong type makes the whole layout unusable; a
// missing one counts as 0.
bool numberField(const cJSON *obj, const char *name, int *value)
{
    const cJSON *item = cJSON_GetObjectItem(obj, name);
    if (!item) {
        *value = 0;
        return true;
    }
    if (!cJSON_IsNumber(item))
        return false;
    *value = item->valueint;
    return true;
}

// The caption is the "Character" value written back as JSON text with every
// double quote removed, so the backslash key (file value "|) reads "\|".
bool captionField(const cJSON *cell, QString *caption)
{
    const cJSON *item = cJSON_GetObjectItem(cell, "Character");
    caption->clear();
    if (!item)
        return true;
    if (!cJSON_IsString(item))
        return false;
    char *printed = cJSON_PrintUnformatted(item);
    if (!printed)
        return false;
    *caption = QString::fromLocal8Bit(printed).remove(QLatin1Char('"'));
    cJSON_free(printed);
    return true;
}

struct KeyCell
{
    keyGeometryInfo geometry;
    QString caption;
};

struct Segment
{
    keyGeometryInfo geometry;
    int validStatus = 0;
};

bool isFnCaption(const QString &caption)
{
    return caption == QLatin1String("fn") || caption == QLatin1String("Fn") || caption == QLatin1String("FN");
}

QString buttonCaption(const keyboardButCustom *button)
{
    if (button->keyDec() == 52)
        return QString::fromLatin1(kApostropheCaption);
    return button->keyCharacter().remove(QLatin1Char('"'));
}

} // namespace

keySelectFrame::keySelectFrame(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::keySelectFrame)
{
    ui->setupUi(this);
    m_backdrop = new keyBackdrop(this);
}

keySelectFrame::~keySelectFrame()
{
    // The bubble has no parent; it must not outlive the key it describes.
    onCustomButMouseLeave();
    releaseRegistry(false);
    delete ui;
}

void keySelectFrame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_backdrop->paintLayer(painter, event->region()))
        QWidget::paintEvent(event);
}

keyboardButCustom *keySelectFrame::gridButton(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return nullptr;
    return m_grid[row][column];
}

void keySelectFrame::setHidInfo(const hidStructInfo &info)
{
    loadKeyboardInfo(QString::fromUtf8(info.hidName, int(qstrnlen(info.hidName, sizeof info.hidName))));
}

void keySelectFrame::loadKeyboardInfo(const QString &modelCode)
{
    const QString fileName = QStringLiteral("KeyInfo_") + modelCode + QStringLiteral(".config");
    QFile file(QStringLiteral(":/images/configDir/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        clearLayer();
        releaseRegistry(true);
        return;
    }
    QByteArray text = file.readAll();
    file.close();
    parseKeyboardInfo(text.constData()); // QByteArray keeps a NUL after the data
}

void keySelectFrame::clearLayer()
{
    onCustomButMouseLeave();
    m_hasSideLight = false;
    m_specialEnter = false;
    m_specialEnterShape = 0;
    m_selected = nullptr;
    qDeleteAll(m_sideButtons);
    qDeleteAll(m_keyButtons);
    m_sideButtons.clear();
    m_sideMap.clear();
    m_sideGeometry.clear();
    m_keyMap.clear();
    m_keyButtons.clear();
    m_keyGeometry.clear();
    for (auto &row : m_grid)
        for (auto &cell : row)
            cell = nullptr;
}

// Other pages keep reaching keys through DDataManager; once our buttons are
// gone (or were never built) nothing there may point at them.
// A failed load empties it whoever filled it: the view that failed is the
// one the user now sees, and the earlier buttons are on their way out.
void keySelectFrame::releaseRegistry(bool evenIfNotOurs)
{
    DDataManager *data = DDataManager::instance();
    if (!evenIfNotOurs && data->currentKeySelectFrame() != this)
        return;
    data->clearKeyButtons();
}

bool keySelectFrame::parseKeyboardInfo(const char *text)
{
    clearLayer();

    cJSON *root = text ? cJSON_Parse(text) : nullptr;
    if (!root || !cJSON_IsObject(root)) {
        cJSON_Delete(root);
        qDebug() << "keySelectFrame: layout text is not a JSON object";
        releaseRegistry(true);
        return false;
    }

    bool ok = true;
    bool sideLight = false;
    bool specialEnter = false;
    int specialShape = 0;
    const cJSON *keyboard = cJSON_GetObjectItem(root, "Keyboard");
    if (keyboard) {
        int sideHave = 0, enter = 0, shape = 0;
        ok = cJSON_IsObject(keyboard) && numberField(keyboard, "sideLightHave", &sideHave)
             && numberField(keyboard, "specialEnterKey", &enter)
             && numberField(keyboard, "specialEnterKeyShape", &shape);
        sideLight = sideHave == 1;
        specialEnter = enter == 1;
        specialShape = specialEnter ? shape : 0;
    }

    // Read everything first, so a damaged layout builds nothing at all.
    QList<Segment> segments;
    QList<KeyCell> cells;
    for (int r = sideLight ? 0 : 1; ok && r <= kRows; ++r) {
        const QByteArray rowName = QByteArray("EveryKeyInfo_Row0") + QByteArray::number(r);
        const cJSON *row = cJSON_GetObjectItem(root, rowName.constData());
        if (r == 0) {
            if (!row)
                continue;
            if (!cJSON_IsArray(row)) {
                ok = false;
                break;
            }
            for (int i = 0; ok && i < cJSON_GetArraySize(row); ++i) {
                const cJSON *el = cJSON_GetArrayItem(row, i);
                Segment s;
                keyGeometryInfo &g = s.geometry;
                ok = cJSON_IsObject(el) && numberField(el, "PosX", &g.x) && numberField(el, "PosY", &g.y)
                     && numberField(el, "Width", &g.width) && numberField(el, "Height", &g.height)
                     && numberField(el, "Index", &g.code) && numberField(el, "validStatus", &s.validStatus)
                     && numberField(el, "SidePosition", &g.sidePosition);
                g.kind = keyGeometryInfo::kindSideLight;
                segments.append(s);
            }
            continue;
        }
        // The view and the keyboard address keys by (row, column); a missing
        // or short row would shift every later key into the wrong cell.
        if (!cJSON_IsArray(row) || cJSON_GetArraySize(row) != kColumns) {
            qDebug() << "keySelectFrame: key row" << rowName << "is missing or has not" << kColumns << "cells";
            ok = false;
            break;
        }
        for (int i = 0; ok && i < kColumns; ++i) {
            const cJSON *el = cJSON_GetArrayItem(row, i);
            KeyCell c;
            keyGeometryInfo &g = c.geometry;
            ok = cJSON_IsObject(el) && numberField(el, "PosX", &g.x) && numberField(el, "PosY", &g.y)
                 && numberField(el, "Width", &g.width) && numberField(el, "Height", &g.height)
                 && numberField(el, "Dec", &g.code) && captionField(el, &c.caption);
            // Sizes feed widget geometry; a negative one is damage, not layout.
            ok = ok && g.width >= 0 && g.height >= 0;
            g.kind = keyGeometryInfo::kindKey;
            if (g.code == 52 || g.code == 504)
                c.caption = QString::fromLatin1(kApostropheCaption);
            cells.append(c);
        }
    }
    cJSON_Delete(root);

    if (!ok) {
        qDebug() << "keySelectFrame: layout rejected, no keys built";
        releaseRegistry(true);
        return false;
    }

    m_hasSideLight = sideLight;
    m_specialEnter = specialEnter;
    m_specialEnterShape = specialShape;

    for (const Segment &s : segments) {
        const keyGeometryInfo &g = s.geometry;
        auto *button = new sideLightButtonCustom(this);
        button->setBackdrop(m_backdrop);
        button->place(g.x + m_sideOffsetX, g.y + m_sideOffsetY, g.width, g.height);
        button->setSideLightInfo(g.code, s.validStatus);
        button->hide();
        button->setColor(QColor(255, 0, 0, 255));
        m_sideButtons.append(button);
        m_sideMap.insert(g.code, button);
        m_sideGeometry.append(g);
    }

    for (int n = 0; n < cells.size(); ++n) {
        const int r = n / kColumns;
        const int i = n % kColumns;
        const keyGeometryInfo &g = cells.at(n).geometry;
        auto *button = new keyboardButCustom(this);
        button->setBackdrop(m_backdrop);
        connect(button, SIGNAL(clicked()), this, SLOT(onKeyButtonClicked()));
        connect(button, SIGNAL(sigCustomButMouseEnter()), this, SLOT(onCustomButMouseEnter()));
        connect(button, SIGNAL(sigCustomButMouseLeave()), this, SLOT(onCustomButMouseLeave()));
        button->place(g.x + kMargin, g.y + kMargin, g.width, g.height);
        button->setSelected(false, false, 0);
        button->setKeyInfo(g.code, cells.at(n).caption);
        button->setGridIndex(r, i);
        if (g.code == 0)
            button->hide(); // an empty cell can be neither clicked nor hovered
        m_keyMap.insert(g.code, button);
        m_grid[r][i] = button;
        m_keyButtons.append(button);
        m_keyGeometry.append(g);
    }

    DDataManager *data = DDataManager::instance();
    data->setKeyButtonMap(m_keyMap);
    data->setKeyButtonList(m_keyButtons);
    data->setCurrentKeySelectFrame(this);

    emit sigKeyboardAlreadyLoad();

    for (auto &row : m_grid) {
        for (keyboardButCustom *button : row) {
            if (!button)
                continue;
            button->setStateColors(QColor(250, 40, 45), QColor(255, 143, 31));
            button->setShowLightColor(true);
        }
    }
    return true;
}

void keySelectFrame::setDisplayMode(bool colorDisplay, bool hoverHighlight)
{
    for (keyboardButCustom *button : qAsConst(m_keyMap)) {
        button->setColorDisplay(colorDisplay);
        button->setHoverHighlight(hoverHighlight);
    }
    dropSelection();
}

void keySelectFrame::dropSelection()
{
    if (!m_selected)
        return;
    m_selected->setSelected(false, true, 0);
    m_selected = nullptr;
}

void keySelectFrame::setHoverHighlight(bool on)
{
    for (keyboardButCustom *button : qAsConst(m_keyMap))
        button->setHoverHighlight(on);
}

void keySelectFrame::setColorDisplay(bool on)
{
    for (keyboardButCustom *button : qAsConst(m_keyMap)) {
        button->setColorDisplay(on);
        button->setRangeSelected(false);
    }
    dropSelection();
}

void keySelectFrame::showSideLights(bool show)
{
    if (!m_hasSideLight)
        return;
    for (sideLightButtonCustom *button : qAsConst(m_sideButtons))
        button->setVisible(show && button->validStatus() == 1);
}

void keySelectFrame::onKeyButtonClicked()
{
    auto *button = qobject_cast<keyboardButCustom *>(sender());
    if (!button || button == m_selected)
        return;
    const QString caption = buttonCaption(button);
    if (isFnCaption(caption) || !button->isKeyEnabled())
        return;
    if (m_selected)
        m_selected->setSelected(false, true, 0);
    button->setSelected(true, true, 0);
    m_selected = button;
    DDataManager::instance()->setCurrentKey(button->keyDec(), caption);
}

void keySelectFrame::onCustomButMouseEnter()
{
    auto *button = qobject_cast<keyboardButCustom *>(sender());
    if (!button)
        return;
    onCustomButMouseLeave(); // at most one bubble at a time
    const QString caption = buttonCaption(button);
    const int code = button->keyDec();

    auto *content = new DCustomEventTipExplain();
    // The binding of the key in the current profile; a key without one keeps
    // the "-1" preset.
    DDataManager *data = DDataManager::instance();
    KeyOperateInfo record {};
    std::strcpy(record.keyCode, "-1");
    std::strcpy(record.type, "-1");
    char path[DDataManager::PathBufferSize] = {};
    data->copyProfileXmlPath(path);
    if (path[0] != '\0')
        CVardexXML_SelectProFileKeyOperateInfo(path, QByteArray::number(data->currentProfileIndex()).constData(),
                                               QByteArray::number(code).constData(), &record);
    const QString functionText = data->describeKeyFunction(record);
    const bool bound = QByteArray(record.keyCode, int(qstrnlen(record.keyCode, sizeof record.keyCode))).toInt() != -1;
    if (bound)
        content->setTipInfo(caption, functionText, data->keyFunctionDetailText(), true);
    else if (code != -10 && button->isKeyEnabled())
        content->setTipInfo(caption, functionText, caption, true);
    else
        content->setTipInfo(caption, functionText, tr("Cannot remapped"), false);

    auto *bubble = new ArrowWidget(kArrowAtBottom, nullptr);
    bubble->setBubbleSize(230, 120);
    bubble->setArrowPosition(108);
    bubble->setContentWidget(content);
    const QPoint bottomCentre = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    bubble->move(bottomCentre - QPoint(115, button->height() + 120));
    bubble->show();
    m_tip = bubble;
    m_tipContent = content;
}

void keySelectFrame::onCustomButMouseLeave()
{
    if (!m_tip)
        return;
    delete m_tipContent.data();
    m_tip->hide();
    delete m_tip.data();
    m_tip = nullptr;
    m_tipContent = nullptr;
}

DCustomEventTipExplain *keySelectFrame::tipContent() const
{
    return m_tipContent.data();
}
