#include "ui/customKeys/DCustomKeysPage.h"
#include "ui_DCustomKeysPage.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QMovie>
#include <QTimer>

#include <cstring>

#include "data/DDataManager.h"
#include "ui/customKeys/DKeyFunctionPage.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DToolTipExplain.h"

DCustomKeysPage::DCustomKeysPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DCustomKeysPage)
{
    ui->setupUi(this);
    applyTexts();

    connect(DDataManager::instance(), &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar,
            this, &DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar);
    connect(&m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key,
            this, &DCustomKeysPage::onKeyboardRecviveStream);
    connect(DDataManager::instance(), &DDataManager::sigHookRuningStrtusCtrl_MacroRecord,
            this, &DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord);

    buildFunctionPages();

    m_functionGroup = new QButtonGroup(this);
    m_functionGroup->setExclusive(true);
    for (const FunctionRow &row : qAsConst(m_rows))
        m_functionGroup->addButton(row.button, row.id);
    ui->toolButton_Default->setChecked(true);
    connect(m_functionGroup, &QButtonGroup::idClicked,
            this, &DCustomKeysPage::onCurIndexChanged_Key);
    ui->toolButton_SwitchProfile->hide();

    m_layerGroup = new QButtonGroup(this);
    m_layerGroup->setExclusive(true);
    m_layerGroup->addButton(ui->pushButton_DefaultLayer, 0);
    m_layerGroup->addButton(ui->pushButton_FnLayer, 1);
    ui->pushButton_DefaultLayer->setChecked(true);
    connect(m_layerGroup, &QButtonGroup::idClicked,
            this, &DCustomKeysPage::onCurIndexChanged_Mode);

    QTimer::singleShot(500, this, &DCustomKeysPage::onInstallEventFilterOpen);

    m_loadingMovie = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), this);
    ui->label_Loading->setMovie(m_loadingMovie);
    ui->label_Loading->hide();
}

DCustomKeysPage::~DCustomKeysPage()
{
    m_hook.stopHook();
    delete m_tipPopup;
    delete ui;
}

void DCustomKeysPage::applyTexts()
{
    ui->pushButton_DefaultLayer->setText(tr("Default layer"));
    ui->pushButton_FnLayer->setText(tr("FN layer"));
    ui->pushButton_Download->setText(tr("Download"));
    ui->label->setText(tr("Type:"));
    ui->label_2->setText(tr("Function:"));
    ui->label_3->setText(tr("Key"));
}

void DCustomKeysPage::buildFunctionPages()
{
    // In the order the pages are created.
    m_rows = {
        {IdDefault, ui->toolButton_Default, ui->page_Default, nullptr, 10, QT_TRANSLATE_NOOP("DCustomKeysPage", "Default"), -1, -1},
        {IdMacro, ui->toolButton_Macro, ui->page_Macro, nullptr, 0, QT_TRANSLATE_NOOP("DCustomKeysPage", "Macro"), 1, 1},
        {IdRemapKey, ui->toolButton_RemapKey, ui->page_RemapKey, nullptr, 1, QT_TRANSLATE_NOOP("DCustomKeysPage", "Remap Key"), 0, 0},
        {IdMouse, ui->toolButton_Mouse, ui->page_Mouse, nullptr, 4, QT_TRANSLATE_NOOP("DCustomKeysPage", "Mouse"), 4, 4},
        {IdText, ui->toolButton_Text, ui->page_Text, nullptr, 6, QT_TRANSLATE_NOOP("DCustomKeysPage", "Text"), 6, 6},
        {IdDisable, ui->toolButton_Disable, ui->page_Disable, nullptr, 5, QT_TRANSLATE_NOOP("DCustomKeysPage", "Disable"), 5, 5},
        {IdMultimedia, ui->toolButton_Multimedia, ui->page_Multimedia, nullptr, 3, QT_TRANSLATE_NOOP("DCustomKeysPage", "Multimedia"), 3, 3},
        {IdCombinationKey, ui->toolButton_CombinationKey, ui->page_CombinationKey, nullptr, 2, QT_TRANSLATE_NOOP("DCustomKeysPage", "Key Combination"), 2, 2},
        {IdShortcuts, ui->toolButton_Shortcuts, ui->page_Shortcuts, nullptr, 9, QT_TRANSLATE_NOOP("DCustomKeysPage", "Shortcuts"), 9, 9},
        {IdSwitchProfile, ui->toolButton_SwitchProfile, ui->page_SwitchProfile, nullptr, 7, QT_TRANSLATE_NOOP("DCustomKeysPage", "Switch Profile"), 7, 7},
        {IdOpenApp, ui->toolButton_OpenApp, ui->page_OpenApp, nullptr, 8, QT_TRANSLATE_NOOP("DCustomKeysPage", "Launch Application"), 8, 8},
        {IdKeyboardLight, ui->toolButton_KBLightAbout, ui->page_KeyboardLightAbout, nullptr, 20, QT_TRANSLATE_NOOP("DCustomKeysPage", "Keyboard Light"), 20, 27},
        {IdSideLight, ui->toolButton_SideLightAbout, ui->page_SideLightAbout, nullptr, 30, QT_TRANSLATE_NOOP("DCustomKeysPage", "Atmosphere Light"), 30, 34},
        {IdKeyConfig, ui->toolButton_KeyConfigFunction, ui->page_KeyConfigFunctionAbout, nullptr, 19, QT_TRANSLATE_NOOP("DCustomKeysPage", "Key Config"), 19, 19},
    };
    for (FunctionRow &row : m_rows) {
        row.page = createFunctionPage(row);
        row.container->layout()->addWidget(row.page);
        // The Default page's report clears the key's mark; every other
        // page's sets it.
        if (row.id == IdDefault)
            connect(row.page, &DKeyFunctionPage::sigShoudUpdateKeyboard, this, &DCustomKeysPage::onKeyboardAlreadyLoad);
        else
            connect(row.page, &DKeyFunctionPage::sigShoudUpdateKeyboard, this, &DCustomKeysPage::onShoudUpdateKeyboard);
        // A remap or combination is stored while its capture popup is open:
        // no message over it.
        if (row.id != IdRemapKey && row.id != IdCombinationKey)
            connect(row.page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, this, &DCustomKeysPage::onCustomKeyInfoSaveSuccessful);
        if (row.id == IdDefault || row.id == IdText || row.id == IdMacro)
            connect(row.page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed, this, &DCustomKeysPage::onCustomKeyInfoSaveFailed);
        if (row.id == IdText || row.id == IdDisable)
            connect(row.page, &DKeyFunctionPage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
        if (row.id == IdRemapKey || row.id == IdCombinationKey)
            connect(row.page, &DKeyFunctionPage::sigMesgStartOrStopHook, this, &DCustomKeysPage::onMesgStartOrStopHook);
    }
}

const DCustomKeysPage::FunctionRow *DCustomKeysPage::rowOfId(int id) const
{
    for (const FunctionRow &row : m_rows) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

const DCustomKeysPage::FunctionRow *DCustomKeysPage::rowOfStoredType(int type) const
{
    for (const FunctionRow &row : m_rows) {
        if (row.firstType >= 0 && type >= row.firstType && type <= row.lastType)
            return &row;
    }
    return nullptr;
}

DKeyFunctionPage *DCustomKeysPage::functionPage(int id) const
{
    const FunctionRow *row = rowOfId(id);
    return row ? row->page : nullptr;
}

int DCustomKeysPage::shownFunctionId() const
{
    QWidget *current = ui->stackedWidget_Customize->currentWidget();
    for (const FunctionRow &row : m_rows) {
        if (row.container == current)
            return row.id;
    }
    return -1;
}

QString DCustomKeysPage::keyCaption() const
{
    return ui->label_KeyChar->text();
}

QString DCustomKeysPage::tipText() const
{
    return m_tipBody ? m_tipBody->text() : QString();
}

void DCustomKeysPage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DCustomKeysPage::setProfilePath(const char *path)
{
    std::memset(m_profilePath, 0, sizeof(m_profilePath));
    if (path)
        std::strncpy(m_profilePath, path, sizeof(m_profilePath) - 1);
}

void DCustomKeysPage::onInstallEventFilterOpen()
{
    for (const FunctionRow &row : qAsConst(m_rows))
        row.button->installEventFilter(this);
}

void DCustomKeysPage::onCurIndexChanged_Key(int selIndex)
{
    if (DDataManager::instance()->currentKeyCode() == -1 && !m_noTip) {
        emit sigSomeMessageTip_CustomKeysPage(tr("Please select one Key first"));
        ui->toolButton_Default->setChecked(true);
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
        return;
    }
    const FunctionRow *row = rowOfId(selIndex);
    if (!row)
        return;
    m_pageCode = row->pageCode;
    row->button->setChecked(true);
    ui->stackedWidget_Customize->setCurrentWidget(row->container);
    row->page->loadKeyBinding();
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    emit sigAutoIntoCustomKeysPage();
    qDebug() << "------------------------------- Clicked strChar:" << strChar << " keyCode:" << keyCode;
    ui->label_KeyChar->setText(strChar);

    KeyOperateInfo info;
    if (!DKeyFunctionPage::readBinding(m_profilePath, m_profileIndex, keyCode, &info)) {
        onCurIndexChanged_Key(IdDefault);
        return;
    }
    // A stored type without a page opens nothing: only the caption changes.
    if (const FunctionRow *row = rowOfStoredType(DKeyFunctionPage::bindingType(info)))
        onCurIndexChanged_Key(row->id);
}

void DCustomKeysPage::onCurIndexChanged_Mode(int selIndex)
{
    ui->pushButton_DefaultLayer->setChecked(selIndex == 0);
    ui->pushButton_FnLayer->setChecked(selIndex != 0);
    emit sigDefaultLayerAndFnLayerSwitch(selIndex);
}

void DCustomKeysPage::onShoudUpdateKeyboard(int keyDec)
{
    if (keyboardButCustom *button = DDataManager::instance()->keyButtonMap().value(keyDec))
        button->setCustomMark(true);
}

void DCustomKeysPage::onKeyboardAlreadyLoad(int keyDec)
{
    if (keyboardButCustom *button = DDataManager::instance()->keyButtonMap().value(keyDec))
        button->setCustomMark(false);
}

void DCustomKeysPage::onCustomKeyInfoSaveSuccessful()
{
    emit sigSomeMessageTip_CustomKeysPage(tr("Operate successful"));
}

void DCustomKeysPage::onCustomKeyInfoSaveFailed(int operateType, int errorIndex)
{
    QString message;
    if (operateType == 6 && errorIndex == 0)
        message = tr("Setting failed because the text is empty");
    else if (operateType == 6 && errorIndex == 1)
        message = tr("The text was cut to the length a key can hold");
    else if (operateType == 1 && errorIndex == 0)
        message = tr("There is no macro to assign. Please record a macro first");
    else if (operateType == 10 && errorIndex == 0)
        message = tr("Please select one Key first");
    else if (operateType == 10 && errorIndex == 1)
        message = tr("Restoring the default failed");
    else
        message = tr("Unknow");
    emit sigSomeMessageTip_CustomKeysPage(message);
}

void DCustomKeysPage::onClickedCancel()
{
    ui->toolButton_Default->setChecked(true);
    m_noTip = true;
    onCurIndexChanged_Key(IdDefault);
    m_noTip = false;
}

bool DCustomKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *button = qobject_cast<QToolButton *>(watched)) {
        const int id = m_functionGroup->id(button);
        if (rowOfId(id)) {
            if (event->type() == QEvent::Enter)
                showFunctionTip(id);
            else if (event->type() == QEvent::Leave && m_tipPopup)
                m_tipPopup->hide();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DCustomKeysPage::showFunctionTip(int buttonId)
{
    const FunctionRow *row = rowOfId(buttonId);
    if (!row)
        return;
    if (!m_tipPopup) {
        m_tipPopup = new ArrowWidget(1, nullptr);
        m_tipPopup->setBubbleSize(230, 70);
        m_tipPopup->setArrowPosition(30);
        m_tipBody = new DToolTipExplain(m_tipPopup);
        m_tipPopup->setContentWidget(m_tipBody);
    }
    m_tipBody->setText(tr(row->tip));
    const QSize size = row->button->size();
    const QPoint anchor = row->button->mapToGlobal(QPoint(size.width() / 2, size.height()));
    m_tipPopup->move(anchor - QPoint(38, size.height() + 74));
    m_tipPopup->show();
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_downloading)
        return;
    m_downloading = true;
    m_loadingMovie->start();
    ui->label_Loading->show();
    emit sigTheKeyboardIntoDownloading();
}

void DCustomKeysPage::downloadFinished()
{
    m_downloading = false;
    m_loadingMovie->stop();
    ui->label_Loading->hide();
}

void DCustomKeysPage::resetToDefault(int layer)
{
    const QList<keyboardButCustom *> buttons = DDataManager::instance()->keyButtonList();
    for (keyboardButCustom *button : buttons) {
        if (button)
            button->setShowLightColor(false);
    }
    // The downloading flag stays: a reload while a download runs must not
    // let a second, interleaved download start. downloadFinished clears it.
    ui->toolButton_Default->setChecked(true);
    m_noTip = true;
    onCurIndexChanged_Key(IdDefault);
    m_noTip = false;
    if (layer == 0 || layer == 1) {
        m_layer = layer;
        ui->pushButton_DefaultLayer->setChecked(layer == 0);
        ui->pushButton_FnLayer->setChecked(layer == 1);
    }
    ui->label_KeyChar->setText(QStringLiteral("NULL"));
    DDataManager::instance()->clearCurrentKey();
    if (DKeyFunctionPage *page = functionPage(IdDefault))
        page->clearKey();
}

void DCustomKeysPage::retranslate()
{
    ui->retranslateUi(this);
    ui->label_Loading->setMovie(m_loadingMovie);
    for (const FunctionRow &row : qAsConst(m_rows))
        row.page->retranslate();
}
