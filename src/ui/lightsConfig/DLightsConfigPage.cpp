#include "DLightsConfigPage.h"
#include "ui_DLightsConfigPage.h"

#include "DCustomLightListItem.h"
#include "SVColorArea.h"
#include "data/DDataManager.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DToolTipExplain.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QIntValidator>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

const int kPathSize = 256;

} // namespace

DLightsConfigPage::DLightsConfigPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DLightsConfigPage)
{
    qRegisterMetaType<colorInfoData>("colorInfoData");
    ui->setupUi(this);
    m_profileXmlPath = static_cast<char *>(std::calloc(kPathSize, 1));
    initColorSwatches();

    ui->label_LightMode->setText(tr("Static"));

    // The keyboard's straight directions until a type says otherwise.
    for (QWidget *b : {static_cast<QWidget *>(ui->pushButton_Left), static_cast<QWidget *>(ui->pushButton_Right),
                       static_cast<QWidget *>(ui->pushButton_Up), static_cast<QWidget *>(ui->pushButton_Down),
                       static_cast<QWidget *>(ui->pushButton_Gather), static_cast<QWidget *>(ui->pushButton_Dispersion)})
        b->show();
    ui->pushButton_CW->hide();
    ui->pushButton_UnCW->hide();
    ui->horizontalLayout_12->setSpacing(8);
    // The visible few of the eight stay together at the left.
    ui->horizontalLayout_12->addStretch();

    m_colorArea = new SVColorArea(ui->frame_Color);
    ui->frame_Color->layout()->addWidget(m_colorArea);
    connect(m_colorArea, &SVColorArea::sigGetRGB, this, &DLightsConfigPage::onGetRGB);
    connect(m_colorArea, &SVColorArea::sigMoveingStatus, this, &DLightsConfigPage::onMoveingStatus);
    connect(m_colorArea, &SVColorArea::sigMouseIsPress, this, &DLightsConfigPage::onSVColorAreaMouseIsPress);

    auto makeSlider = [this](QFrame *frame, int position) {
        auto *slider = new sliderCustomWidget(frame);
        slider->setSliderSize(140, 40);
        slider->setMargin(6);
        slider->setSteps(5);
        slider->setPosition(position);
        frame->layout()->addWidget(slider);
        return slider;
    };
    m_brightnessSlider = makeSlider(ui->frame_SliderBrightness, 2);
    m_speedSlider = makeSlider(ui->frame_SliderSpeed, 3);
    connect(m_brightnessSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Brightness);
    connect(m_speedSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Speed);

    m_typeGroup = new QButtonGroup(this);
    m_sideGroup = new QButtonGroup(this);
    for (int part = 0; part < 2; ++part) {
        int count = 0;
        const lightTypeRow *rows = lightTypeTable::rows(part, &count);
        for (int i = 0; i < count; ++i)
            if (rows[i].button)
                (part == 0 ? m_typeGroup : m_sideGroup)
                    ->addButton(findChild<QAbstractButton *>(QLatin1String(rows[i].button)), rows[i].id);
    }
    m_typeGroup->addButton(ui->toolButton_MouseDPI, lightTypeTable::DpiButtonId);
    m_directionGroup = new QButtonGroup(this);
    QAbstractButton *const directions[] = {ui->pushButton_Right, ui->pushButton_Left, ui->pushButton_Up,
                                           ui->pushButton_Down, ui->pushButton_Dispersion, ui->pushButton_Gather,
                                           ui->pushButton_CW, ui->pushButton_UnCW};
    for (int id = 0; id < lightTypeTable::DirectionCount; ++id)
        m_directionGroup->addButton(directions[id], id);
    m_topBottomGroup = new QButtonGroup(this);
    m_topBottomGroup->addButton(ui->pushButton_TopColor, 0);
    m_topBottomGroup->addButton(ui->pushButton_BottomColor, 1);
    for (QButtonGroup *group : {m_typeGroup, m_sideGroup, m_directionGroup, m_topBottomGroup})
        group->setExclusive(true);
    connect(m_typeGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_KB_LightMode);
    connect(m_sideGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_Side_LightMode);
    connect(m_directionGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_LedDirection);
    connect(m_topBottomGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor);
    ui->toolButton_Static->setChecked(true);
    ui->toolButton_SideStatic->setChecked(true);
    ui->pushButton_TopColor->setChecked(true);
    ui->pushButton_Left->setChecked(true);
    ui->toolButton_MouseDPI->hide();

    // Values 0..255 only: a minus sign would go out as a byte like 0xFB.
    for (QLineEdit *field : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B})
        field->setValidator(new QIntValidator(0, 255, field));

    QTimer::singleShot(500, this, &DLightsConfigPage::onInstallEventFilterOpen);
}

DLightsConfigPage::~DLightsConfigPage()
{
    if (m_typeTipBubble)
        delete m_typeTipBubble.data();
    std::free(m_profileXmlPath);
    delete ui;
}

void DLightsConfigPage::onInstallEventFilterOpen()
{
    for (QAbstractButton *b : m_typeGroup->buttons())
        b->installEventFilter(this);
    for (QAbstractButton *b : m_sideGroup->buttons())
        b->installEventFilter(this);
    for (QWidget *swatch : qAsConst(m_swatches))
        swatch->installEventFilter(this);
    ui->toolButton_LightSelectTypeChanged->installEventFilter(this);
}

// ---------------------------------------------------------------------------
// Hand-over from the device page
// ---------------------------------------------------------------------------

void DLightsConfigPage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DLightsConfigPage::setProfileXmlPath(const char *path)
{
    std::memset(m_profileXmlPath, 0, kPathSize);
    if (path)
        std::strncpy(m_profileXmlPath, path, kPathSize - 1);
}

void DLightsConfigPage::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

void DLightsConfigPage::setLightSupportInfo(lightSupportInfo info)
{
    m_lightSupport = info;
    for (QAbstractButton *b : m_typeGroup->buttons())
        b->hide();
    ui->toolButton_MusicalRhythm->show();
    ui->toolButton_CustomLed->show();
    for (int value : qAsConst(info.keyboard.lightTypes))
        if (QAbstractButton *b = typeButton(0, value))
            b->show();

    for (QAbstractButton *b : m_sideGroup->buttons())
        b->hide();
    ui->frame_B->setVisible(!info.side.lightTypes.isEmpty());
    for (int value : qAsConst(info.side.lightTypes))
        if (QAbstractButton *b = typeButton(1, value))
            b->show();
}

QAbstractButton *DLightsConfigPage::typeButton(int part, int value) const
{
    const lightTypeRow *row = lightTypeTable::byValue(part, value);
    if (!row || !row->button)
        return nullptr;
    return (part == 0 ? m_typeGroup : m_sideGroup)->button(row->id);
}

QString DLightsConfigPage::captionOf(int part, int value) const
{
    const lightTypeRow *row = lightTypeTable::byValue(part, value);
    return row ? tr(row->caption) : QString();
}

// The keyboard's range for a slider: a reported maximum of 0 leaves a single
// tick instead of the ticks of the keyboard before. A part the keyboard
// reported nothing for keeps the sliders as they are.
void DLightsConfigPage::applySliderSteps(int part)
{
    const lightSupportPart &support = part == 0 ? m_lightSupport.keyboard : m_lightSupport.side;
    if (support.lightTypes.isEmpty())
        return;
    for (auto pair : {qMakePair(m_speedSlider, support.speedMax), qMakePair(m_brightnessSlider, support.brightnessMax)}) {
        if (pair.second > 0)
            pair.first->setSteps(pair.second);
        else
            pair.first->setSingleTick();
    }
}

// Brightness and speed within what the keyboard reported (from 1 up to its
// maximum + 1). Without reported capabilities the record stays as it is.
void DLightsConfigPage::clampToKeyboardRange(colorInfoData &record) const
{
    const lightSupportPart &support = record.hidType == 0 ? m_lightSupport.keyboard : m_lightSupport.side;
    if (support.lightTypes.isEmpty())
        return;
    record.ledBrightness = qBound(1, record.ledBrightness, qMax(0, support.brightnessMax) + 1);
    record.ledSpeed = qBound(1, record.ledSpeed, qMax(0, support.speedMax) + 1);
}

// ---------------------------------------------------------------------------
// Showing the page and choosing types
// ---------------------------------------------------------------------------

void DLightsConfigPage::initKeyboardLightPage()
{
    for (keyboardButCustom *button : DDataManager::instance()->keyButtonList())
        if (button)
            button->setShowLightColor(true);

    m_isKeyboardPartShown = true;
    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
    applySliderSteps(0);

    ui->frame_D->hide();
    {
        // Unchecking every button of an exclusive group needs it non-exclusive for a moment.
        m_typeGroup->setExclusive(false);
        for (QAbstractButton *b : m_typeGroup->buttons())
            b->setChecked(false);
        m_typeGroup->setExclusive(true);
    }

    m_keyboardLightType =
        CVardexXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, profileIndexText().constData(), 0);
    const lightTypeRow *row = lightTypeTable::byValue(0, m_keyboardLightType);
    if (!row || !row->button)
        return; // DPI or an unknown value: nothing to select, nothing to send
    onCurIndexChanged_KB_LightMode(row->id);
    if (QAbstractButton *b = m_typeGroup->button(row->id))
        b->setChecked(true);
}

void DLightsConfigPage::onCurIndexChanged_KB_LightMode(int indexSel)
{
    ui->frame_D->hide();
    m_keyboardLightType = lightTypeTable::valueOfId(indexSel);
    if (indexSel == lightTypeTable::CustomButtonId) {
        ui->frame_D->show();
        if (m_isUserCustomSelect)
            m_usingCustomIndex = 0;
        customLightDeal();
    }
    ui->label_LightMode->setText(captionOf(0, m_keyboardLightType));
    loadLightConfig(0);
    updateKeyboardControls(m_keyboardLightType);
    if (m_keyboardLightType == lightTypeTable::CustomValue && m_currentCustomLightItem)
        emit sigCustomLightItemHaveChanged(m_currentCustomLightItem->usingFlagIndex(),
                                           m_currentCustomLightItem->itemIndex(),
                                           m_currentCustomLightItem->itemName());
    emit sigSelectCurrentLightTypeIndex_KB(m_keyboardLightType, m_currentLightConfig);
    if (m_currentLightConfig.hidType == 0)
        sendKeyboardLightConfig(m_currentLightConfig);
}

void DLightsConfigPage::onCurIndexChanged_Side_LightMode(int indexSel)
{
    m_sideLightType = lightTypeTable::valueOfId(indexSel);
    ui->label_LightMode->setText(captionOf(1, m_sideLightType));
    loadLightConfig(1);
    updateSideControls(m_sideLightType);
    emit sigSelectCurrentLightTypeIndex_Side(m_sideLightType, m_currentLightConfig);
    if (m_currentLightConfig.hidType == 1)
        sendSideLightConfig(m_currentLightConfig);
}

void DLightsConfigPage::loadLightConfig(int part)
{
    const int type = part == 0 ? m_keyboardLightType : m_sideLightType;
    const QByteArray profile = profileIndexText();
    colorInfoData record {};
    if (!CVardexXML_SelectProfileColorDataInfo(m_profileXmlPath, profile.constData(), part, type, &record)) {
        record = colorInfoData {};
        record.hidType = part;
        record.ledType = type;
        record.ledBrightness = 3;
        record.ledSpeed = 3;
        const bool dark = part == 1 && type == lightTypeTable::SideCloseValue;
        record.ledTopColor[0] = dark ? 0 : 255;
        const lightTypeRow *row = lightTypeTable::byValue(0, type);
        record.ledDirection = (part == 0 && row) ? row->newDirection : 0;
        record.ledFullColor = 1;
        clampToKeyboardRange(record);
        CVardexXML_AddProFileLightInfoItem(m_profileXmlPath, profile.constData(), record);
    } else {
        clampToKeyboardRange(record);
    }
    m_currentLightConfig = record;

    fillColorControls();
    checkDirection(record.ledDirection);
    m_speedSlider->setPosition(record.ledSpeed - 1);
    m_brightnessSlider->setPosition(record.ledBrightness - 1);
    CVardexXML_ModifyProFileMouseLightUsingIndex(m_profileXmlPath, profile.constData(), part, type);
    updateLightTypeButtons(part);
}

void DLightsConfigPage::checkDirection(int direction)
{
    m_directionGroup->setExclusive(false);
    for (QAbstractButton *b : m_directionGroup->buttons())
        b->setChecked(false);
    m_directionGroup->setExclusive(true);
    if (QAbstractButton *b = m_directionGroup->button(direction))
        b->setChecked(true);
}

void DLightsConfigPage::updateLightTypeButtons(int part)
{
    QButtonGroup *group = part == 0 ? m_typeGroup : m_sideGroup;
    const int type = part == 0 ? m_keyboardLightType : m_sideLightType;
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
    if (QAbstractButton *b = typeButton(part, type))
        b->setChecked(true);
    ui->label_LightMode->setText(captionOf(part, type));
}

void DLightsConfigPage::applyControls(const lightTypeRow *row)
{
    ui->frame_Brightness->show();
    ui->frame_Speed->show();
    ui->frame_DirectionMain->show();
    for (QAbstractButton *b : m_directionGroup->buttons())
        b->show();
    if (!row) {
        ui->frame_23->show();
        ui->frame_25->show();
        return;
    }
    ui->frame_Brightness->setVisible(row->brightness);
    ui->frame_Speed->setVisible(row->speed);
    if (row->directions == 0)
        ui->frame_DirectionMain->hide();
    for (int id = 0; id < lightTypeTable::DirectionCount; ++id)
        m_directionGroup->button(id)->setVisible(row->directions & (1u << id));
    ui->frame_23->setVisible(row->colours);
    ui->frame_25->setVisible(row->colours);
}

void DLightsConfigPage::updateKeyboardControls(int ledType)
{
    applyControls(lightTypeTable::byValue(0, ledType));
    ui->frame_C->show();
}

void DLightsConfigPage::updateSideControls(int ledType)
{
    applyControls(lightTypeTable::byValue(1, ledType));
    // A light that is off has no colour: the top colour and the picker
    // would change nothing.
    ui->frame_C->setVisible(ledType != lightTypeTable::SideCloseValue);
}

// ---------------------------------------------------------------------------
// Part switch and keyboard reports
// ---------------------------------------------------------------------------

void DLightsConfigPage::on_toolButton_LightSelectTypeChanged_clicked()
{
    if (m_isKeyboardPartShown && m_lightSupport.side.lightTypes.isEmpty()) {
        emit sigSomeMessageTip_LightsConfigPage(tr("The device has no atmosphere lamp"));
        return;
    }
    const QByteArray profile = profileIndexText();
    if (m_isKeyboardPartShown) {
        ui->frame_D->hide();
        applySliderSteps(1);
        m_isKeyboardPartShown = false;
        ui->stackedWidget->setCurrentWidget(ui->page_SideLightMode);
        m_sideLightType = CVardexXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, profile.constData(), 1);
        loadLightConfig(1);
        updateSideControls(m_sideLightType);
    } else {
        applySliderSteps(0);
        m_isKeyboardPartShown = true;
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
        m_keyboardLightType =
            CVardexXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, profile.constData(), 0);
        loadLightConfig(0);
        updateKeyboardControls(m_keyboardLightType);
        if (m_keyboardLightType == lightTypeTable::CustomValue)
            ui->frame_D->show();
    }
}

void DLightsConfigPage::showDeviceLightPart(int hidType, int ledType)
{
    Q_UNUSED(ledType);
    m_isKeyboardPartShown = hidType != 0;
    ui->frame_D->hide();
    on_toolButton_LightSelectTypeChanged_clicked();
    emit sigLightConfigHaveChanged(-1, m_currentLightConfig);
}

void DLightsConfigPage::selectDeviceCustomLight(int hidType, int ledType, int usingCustomIndex)
{
    Q_UNUSED(hidType);
    Q_UNUSED(ledType);
    m_usingCustomIndex = usingCustomIndex;
    ui->frame_D->show();
    m_isUserCustomSelect = false;
    onCurIndexChanged_KB_LightMode(lightTypeTable::CustomButtonId);
    m_isUserCustomSelect = true;
    emit sigLightConfigHaveChanged(-1, m_currentLightConfig);
}

// ---------------------------------------------------------------------------
// Edits
// ---------------------------------------------------------------------------

void DLightsConfigPage::saveAndSendLightConfig(int lightConfigChangedFrom)
{
    if (m_isColorAreaPressed)
        return;
    if (lightConfigChangedFrom == 0) {
        for (int i = 0; i < 3; ++i) {
            m_currentLightConfig.ledTopColor[i] = m_editColors[i];
            m_currentLightConfig.ledBottomColor[i] = m_editColors[3 + i];
        }
    }
    const QByteArray profile = profileIndexText();
    const colorInfoData &r = m_currentLightConfig;
    if (CVardexXML_IsProFileAlreadyHaveLightInfo(m_profileXmlPath, profile.constData(), r.hidType, r.ledType)) {
        CVardexXML_ModifyProFileLightInfoItem(m_profileXmlPath, profile.constData(), r.hidType, r.ledType, r);
    } else {
        // The record went missing (store edited meanwhile): keep the edit.
        qDebug() << "------------------- isHave == false ------------------ ";
        if (hasProfile())
            CVardexXML_AddProFileLightInfoItem(m_profileXmlPath, profile.constData(), r);
    }
    emit sigLightConfigHaveChanged(lightConfigChangedFrom, m_currentLightConfig);
    if (r.hidType == 0)
        sendKeyboardLightConfig(m_currentLightConfig);
    else if (r.hidType == 1)
        sendSideLightConfig(m_currentLightConfig);
}

void DLightsConfigPage::onBackCurrentPositionNum_Brightness(int currPositionIndex)
{
    qDebug() << "--------------------- onBackCurrentPositionNum_Brightness:" << currPositionIndex;
    m_currentLightConfig.ledBrightness = currPositionIndex + 1;
    clampToKeyboardRange(m_currentLightConfig);
    saveAndSendLightConfig(2);
}

void DLightsConfigPage::onBackCurrentPositionNum_Speed(int currPositionIndex)
{
    qDebug() << "--------------------- onBackCurrentPositionNum_Speed:" << currPositionIndex;
    m_currentLightConfig.ledSpeed = currPositionIndex + 1;
    clampToKeyboardRange(m_currentLightConfig);
    saveAndSendLightConfig(3);
}

void DLightsConfigPage::onCurIndexChanged_LedDirection(int selIndex)
{
    checkDirection(selIndex);
    m_currentLightConfig.ledDirection = selIndex;
    saveAndSendLightConfig(4);
}

void DLightsConfigPage::on_checkBox_FullColorMode_clicked()
{
    qDebug() << "------------------------ FullColor -------------------------";
    m_currentLightConfig.ledFullColor = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    saveAndSendLightConfig(1);
}

// ---------------------------------------------------------------------------
// Texts and hover tips
// ---------------------------------------------------------------------------

void DLightsConfigPage::retranslateLightTypeText()
{
    ui->retranslateUi(this);
    const int part = m_isKeyboardPartShown ? 0 : 1;
    const int type = part == 0 ? m_keyboardLightType : m_sideLightType;
    const lightTypeRow *row = lightTypeTable::byValue(part, type);
    ui->label_LightMode->setText(row ? tr(row->caption) : tr("Wave"));
}

QString DLightsConfigPage::typeHoverText(QObject *watched) const
{
    if (watched == ui->toolButton_LightSelectTypeChanged)
        return tr("Keyboard/Ambient");
    for (QButtonGroup *group : {m_typeGroup, m_sideGroup}) {
        const int id = group->id(qobject_cast<QAbstractButton *>(watched));
        if (id < 0)
            continue;
        const lightTypeRow *row = lightTypeTable::byId(id);
        return row ? tr(row->caption) : QString();
    }
    return QString();
}

bool DLightsConfigPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int n = m_swatches.indexOf(qobject_cast<QWidget *>(watched));
        if (n >= 0)
            onColorSwatchPressed(m_colorSwatchList.value(n));
    } else if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        const QString text = typeHoverText(watched);
        if (!text.isEmpty()) {
            if (event->type() == QEvent::Enter) {
                showLightTypeTip(static_cast<QWidget *>(watched), text);
            } else {
                hideLightTypeTip();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// One bubble serves every hover: it is made once and re-texted.
void DLightsConfigPage::showLightTypeTip(QWidget *button, const QString &text)
{
    if (!m_typeTipBubble) {
        auto *bubble = new ArrowWidget(1, nullptr);
        bubble->setContentWidget(new DToolTipExplain(nullptr));
        bubble->setBubbleSize(230, 70);
        bubble->setArrowPosition(30);
        m_typeTipBubble = bubble;
    }
    if (auto *tip = m_typeTipBubble->findChild<DToolTipExplain *>())
        tip->setText(text);
    // 38 px left of the button's centre, 74 px above its top edge.
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_typeTipBubble->move(anchor - QPoint(38, button->height() + 74));
    m_typeTipBubble->show();
}

void DLightsConfigPage::hideLightTypeTip()
{
    if (m_typeTipBubble)
        m_typeTipBubble->hide();
}
