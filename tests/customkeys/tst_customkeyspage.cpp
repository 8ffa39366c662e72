// The custom-keys page: choosing function pages, stored types, messages,
// the download button and the hook modes it owns.
#include <QApplication>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include "data/DDataManager.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/customKeys/DKeyFunctionPage.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "vardexSdk.h"

// A function page of the Text type, to drive the page contract.
class RecordingPage : public DKeyFunctionPage
{
public:
    using DKeyFunctionPage::DKeyFunctionPage;
    using DKeyFunctionPage::storeBinding;
    using DKeyFunctionPage::removeBinding;

protected:
    bool ownsType(int type) const override { return type == 6; }
    void clearChoice() override { shown.clear(); }
    void showBinding(const KeyOperateInfo &info) override { shown = QByteArray(info.value); }

public:
    QByteArray shown;
};

class tst_CustomKeysPage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void functionButtonWithoutKeyAsksForOne();
    void storedTypeOpensItsPage_data();
    void storedTypeOpensItsPage();
    void unknownStoredTypeKeepsShownPage();
    void contractLoadsAndReplacesBinding();
    void contractRefusesOverlongValue();
    void saveAndFailureMessages();
    void downloadOnceUntilFinished();
    void layerButtonsAndReset();
    void tipBubbleAboveHoveredButton();
    void interactiveLightSendsKeyCell_data();
    void interactiveLightSendsKeyCell();
    void captureTakesPriorityOverInteractiveLight();
    void captureHandsKeyToItsPage();

private:
    void selectKey(int keyCode, const QString &caption);
    QToolButton *toolButton(const char *name) const { return m_page->findChild<QToolButton *>(name); }

    QTemporaryDir m_dir;
    QByteArray m_store;
    std::unique_ptr<DCustomKeysPage> m_page;
    QList<keyboardButCustom *> m_keys;
    QStringList m_messages;
};

void tst_CustomKeysPage::init()
{
    QVERIFY(m_dir.isValid());
    m_store = QFile::encodeName(m_dir.filePath(QStringLiteral("appProfile_Default.xml")));
    QFile::remove(QString::fromLocal8Bit(m_store));
    QVERIFY(CVardexXML_CreateXMLFile(m_store.constData()));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(m_store.constData(), "1", "P", 0));

    DDataManager *data = DDataManager::instance();
    data->setCurrentProfileIndex(1);
    QVERIFY(data->setProfileXmlPath(m_store.constData()));
    data->clearCurrentKey();
    // Enter, keypad Enter, A and Esc as the on-screen keyboard maps them.
    data->setVirtualKeyMap({{999, 40}, {998, 88}, {65, 4}, {27, 41}});
    QMap<int, keyboardButCustom *> map;
    const int cells[][3] = {{40, 3, 12}, {88, 4, 20}, {4, 3, 1}, {41, 0, 0}};
    for (const auto &cell : cells) {
        auto *button = new keyboardButCustom;
        button->setKeyInfo(cell[0], QString::number(cell[0]));
        button->setGridIndex(cell[1], cell[2]);
        map.insert(cell[0], button);
        m_keys.append(button);
    }
    data->setKeyButtonMap(map);
    data->setKeyButtonList(m_keys);

    m_page.reset(new DCustomKeysPage);
    m_page->setProfileIndex(1);
    m_page->setProfilePath(m_store.constData());
    m_messages.clear();
    connect(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage,
            [this](const QString &text) { m_messages.append(text); });
    std::vector<std::pair<int, int>> drained;
    CVardexLight_TakeKeyHits(drained);
}

void tst_CustomKeysPage::cleanup()
{
    m_page.reset();
    DDataManager::instance()->clearKeyButtons();
    qDeleteAll(m_keys);
    m_keys.clear();
}

void tst_CustomKeysPage::selectKey(int keyCode, const QString &caption)
{
    // The data manager announces the key to the page.
    DDataManager::instance()->setCurrentKey(keyCode, caption);
}

void tst_CustomKeysPage::functionButtonWithoutKeyAsksForOne()
{
    QSignalSpy download(m_page.get(), &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    toolButton("toolButton_Mouse")->click();
    QCOMPARE(m_messages, QStringList{QStringLiteral("Please select one Key first")});
    QVERIFY(toolButton("toolButton_Default")->isChecked());
    QVERIFY(!toolButton("toolButton_Mouse")->isChecked());
    QCOMPARE(m_page->shownFunctionId(), int(DCustomKeysPage::IdDefault));
    QCOMPARE(m_page->pageCode(), -1);

    // With a key the button opens its page.
    DDataManager::instance()->setCurrentKey(4, QStringLiteral("A"));
    toolButton("toolButton_Mouse")->click();
    QCOMPARE(m_page->shownFunctionId(), int(DCustomKeysPage::IdMouse));
    QCOMPARE(m_page->pageCode(), 4);
    QCOMPARE(m_messages.size(), 1);
}

void tst_CustomKeysPage::storedTypeOpensItsPage_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("pageCode");
    QTest::newRow("remap") << 0 << int(DCustomKeysPage::IdRemapKey) << "toolButton_RemapKey" << 1;
    QTest::newRow("macro") << 1 << int(DCustomKeysPage::IdMacro) << "toolButton_Macro" << 0;
    QTest::newRow("combination") << 2 << int(DCustomKeysPage::IdCombinationKey) << "toolButton_CombinationKey" << 2;
    QTest::newRow("multimedia") << 3 << int(DCustomKeysPage::IdMultimedia) << "toolButton_Multimedia" << 3;
    QTest::newRow("mouse") << 4 << int(DCustomKeysPage::IdMouse) << "toolButton_Mouse" << 4;
    QTest::newRow("disable") << 5 << int(DCustomKeysPage::IdDisable) << "toolButton_Disable" << 5;
    QTest::newRow("text") << 6 << int(DCustomKeysPage::IdText) << "toolButton_Text" << 6;
    QTest::newRow("switch profile (hidden button)") << 7 << int(DCustomKeysPage::IdSwitchProfile) << "toolButton_SwitchProfile" << 7;
    QTest::newRow("launch") << 8 << int(DCustomKeysPage::IdOpenApp) << "toolButton_OpenApp" << 8;
    QTest::newRow("shortcut") << 9 << int(DCustomKeysPage::IdShortcuts) << "toolButton_Shortcuts" << 9;
    QTest::newRow("key config") << 19 << int(DCustomKeysPage::IdKeyConfig) << "toolButton_KeyConfigFunction" << 19;
    QTest::newRow("keyboard light first") << 20 << int(DCustomKeysPage::IdKeyboardLight) << "toolButton_KBLightAbout" << 20;
    QTest::newRow("keyboard light last") << 27 << int(DCustomKeysPage::IdKeyboardLight) << "toolButton_KBLightAbout" << 20;
    QTest::newRow("side light first") << 30 << int(DCustomKeysPage::IdSideLight) << "toolButton_SideLightAbout" << 30;
    QTest::newRow("side light last") << 34 << int(DCustomKeysPage::IdSideLight) << "toolButton_SideLightAbout" << 30;
    QTest::newRow("no binding") << -1 << int(DCustomKeysPage::IdDefault) << "toolButton_Default" << 10;
}

void tst_CustomKeysPage::storedTypeOpensItsPage()
{
    QFETCH(int, type);
    QFETCH(int, id);
    QFETCH(QString, button);
    QFETCH(int, pageCode);
    if (type >= 0)
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_store.constData(), "1", "4", "A",
                                                          QByteArray::number(type).constData(), "1", "1", "5"));
    QSignalSpy into(m_page.get(), &DCustomKeysPage::sigAutoIntoCustomKeysPage);
    selectKey(4, QStringLiteral("A"));
    QCOMPARE(into.count(), 1);
    QCOMPARE(m_page->keyCaption(), QStringLiteral("A"));
    QCOMPARE(m_page->shownFunctionId(), id);
    QCOMPARE(m_page->pageCode(), pageCode);
    QVERIFY(toolButton(qPrintable(button))->isChecked());
    DKeyFunctionPage *page = m_page->functionPage(id);
    QVERIFY(page);
    QCOMPARE(page->keyCode(), 4);
    QVERIFY(m_messages.isEmpty());
}

void tst_CustomKeysPage::unknownStoredTypeKeepsShownPage()
{
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_store.constData(), "1", "4", "A", "4", "1", "1", "1"));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_store.constData(), "1", "41", "Esc", "12", "1", "1", "1"));
    selectKey(4, QStringLiteral("A"));
    QCOMPARE(m_page->shownFunctionId(), int(DCustomKeysPage::IdMouse));
    selectKey(41, QStringLiteral("Esc"));
    QCOMPARE(m_page->shownFunctionId(), int(DCustomKeysPage::IdMouse));
    QCOMPARE(m_page->keyCaption(), QStringLiteral("Esc"));
    QCOMPARE(m_page->functionPage(DCustomKeysPage::IdMouse)->keyCode(), 4);
}

void tst_CustomKeysPage::contractLoadsAndReplacesBinding()
{
    RecordingPage page;
    DDataManager::instance()->setCurrentKey(4, QStringLiteral("A"));
    page.loadKeyBinding();
    QVERIFY(page.shown.isEmpty());
    QSignalSpy update(&page, &DKeyFunctionPage::sigShoudUpdateKeyboard);
    QSignalSpy ok(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    // A value of the full length is stored and read back whole.
    const QByteArray longest(DKeyFunctionPage::MaxValueBytes, 'x');
    QVERIFY(page.storeBinding(6, 1, 1, longest));
    QCOMPARE(update.count(), 1);
    QCOMPARE(update.at(0).at(0).toInt(), 4);
    QCOMPARE(ok.count(), 1);
    page.loadKeyBinding();
    QCOMPARE(page.shown, longest);

    // A save of another type replaces the binding; this page then shows nothing.
    QVERIFY(page.storeBinding(4, 1, 1, "2"));
    page.loadKeyBinding();
    QVERIFY(page.shown.isEmpty());
    KeyOperateInfo info;
    QVERIFY(DKeyFunctionPage::readBinding(m_store.constData(), 1, 4, &info));
    QCOMPARE(DKeyFunctionPage::bindingType(info), 4);

    // The same key in another profile is untouched by a removal here.
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(m_store.constData(), "2", "Q", 0));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_store.constData(), "2", "4", "A", "6", "1", "1", "other"));
    QVERIFY(page.removeBinding());
    QVERIFY(!DKeyFunctionPage::readBinding(m_store.constData(), 1, 4, &info));
    QVERIFY(DKeyFunctionPage::readBinding(m_store.constData(), 2, 4, &info));
    QCOMPARE(update.count(), 3);
}

void tst_CustomKeysPage::contractRefusesOverlongValue()
{
    RecordingPage page;
    QSignalSpy ok(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    // No key loaded.
    page.loadKeyBinding();
    QVERIFY(!page.storeBinding(6, 1, 1, "x"));
    DDataManager::instance()->setCurrentKey(4, QStringLiteral("A"));
    page.loadKeyBinding();
    QVERIFY(page.storeBinding(6, 1, 1, "kept"));
    QVERIFY(!page.storeBinding(6, 1, 1, QByteArray(DKeyFunctionPage::MaxValueBytes + 1, 'x')));
    QCOMPARE(ok.count(), 1);
    page.loadKeyBinding();
    QCOMPARE(page.shown, QByteArray("kept"));
}

void tst_CustomKeysPage::saveAndFailureMessages()
{
    DKeyFunctionPage *text = m_page->functionPage(DCustomKeysPage::IdText);
    DKeyFunctionPage *remap = m_page->functionPage(DCustomKeysPage::IdRemapKey);
    DKeyFunctionPage *defaultPage = m_page->functionPage(DCustomKeysPage::IdDefault);
    emit text->sigShoudUpdateKeyboard(4);
    QVERIFY(m_keys[2]->hasCustomMark());
    emit text->sigCustomKeyInfoSaveSuccessful();
    emit remap->sigCustomKeyInfoSaveSuccessful(); // a capture's save shows nothing
    emit defaultPage->sigShoudUpdateKeyboard(4);
    QVERIFY(!m_keys[2]->hasCustomMark());
    emit text->sigCustomKeyInfoSaveFailed(6, 0);
    emit defaultPage->sigCustomKeyInfoSaveFailed(10, 0);
    emit text->sigCustomKeyInfoSaveFailed(6, 9);
    emit text->sigCustomKeyInfoSaveFailed(6, 1);
    emit m_page->functionPage(DCustomKeysPage::IdMacro)->sigCustomKeyInfoSaveFailed(1, 0);
    emit defaultPage->sigCustomKeyInfoSaveFailed(10, 1);
    QCOMPARE(m_messages, (QStringList{QStringLiteral("Operate successful"),
                                      QStringLiteral("Setting failed because the text is empty"),
                                      QStringLiteral("Please select one Key first"), QStringLiteral("Unknow"),
                                      QStringLiteral("The text was cut to the length a key can hold"),
                                      QStringLiteral("There is no macro to assign. Please record a macro first"),
                                      QStringLiteral("Restoring the default failed")}));

    // Cancel brings the Default page back without a message, even without a key.
    DDataManager::instance()->setCurrentKey(4, QStringLiteral("A"));
    toolButton("toolButton_Disable")->click();
    DDataManager::instance()->clearCurrentKey();
    emit m_page->functionPage(DCustomKeysPage::IdDisable)->sigClickedCancel();
    QCOMPARE(m_page->shownFunctionId(), int(DCustomKeysPage::IdDefault));
    QVERIFY(toolButton("toolButton_Default")->isChecked());
    QCOMPARE(m_messages.size(), 7);
}

void tst_CustomKeysPage::downloadOnceUntilFinished()
{
    QSignalSpy download(m_page.get(), &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    auto *button = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Download"));
    auto *loading = m_page->findChild<QLabel *>(QStringLiteral("label_Loading"));
    m_page->show();
    QVERIFY(loading->isHidden());
    button->click();
    button->click();
    QCOMPARE(download.count(), 1);
    QVERIFY(loading->isVisible());
    QCOMPARE(loading->movie()->state(), QMovie::Running);
    // A reload while the download runs does not open the door to a second one.
    m_page->resetToDefault(0);
    button->click();
    QCOMPARE(download.count(), 1);
    m_page->downloadFinished();
    QVERIFY(loading->isHidden());
    button->click();
    QCOMPARE(download.count(), 2);
    m_page->downloadFinished();
}

void tst_CustomKeysPage::layerButtonsAndReset()
{
    QSignalSpy layer(m_page.get(), &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch);
    auto *fn = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_FnLayer"));
    auto *def = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_DefaultLayer"));
    fn->click();
    QCOMPARE(layer.count(), 1);
    QCOMPARE(layer.at(0).at(0).toInt(), 1);
    QVERIFY(fn->isChecked());
    QVERIFY(!def->isChecked());

    m_keys[0]->setShowLightColor(true);
    selectKey(4, QStringLiteral("A"));
    m_page->resetToDefault(1);
    QCOMPARE(m_page->keyCaption(), QStringLiteral("NULL"));
    QCOMPARE(DDataManager::instance()->currentKeyCode(), -1);
    QCOMPARE(m_page->functionPage(DCustomKeysPage::IdDefault)->keyCode(), -1);
    QCOMPARE(m_page->shownFunctionId(), int(DCustomKeysPage::IdDefault));
    QCOMPARE(m_page->pageCode(), 10);
    QVERIFY(fn->isChecked());
    QVERIFY(m_messages.isEmpty());
    m_page->resetToDefault(0);
    QVERIFY(def->isChecked());
    QVERIFY(!fn->isChecked());

    m_page->retranslate();
    QCOMPARE(m_page->keyCaption(), QStringLiteral("Space"));
}

void tst_CustomKeysPage::tipBubbleAboveHoveredButton()
{
    m_page->resize(1097, 250);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    QTest::qWait(600); // the tool buttons are watched from 500 ms on
    struct Case
    {
        const char *button;
        const char *tip;
    };
    const Case cases[] = {{"toolButton_Macro", "Macro"}, {"toolButton_Text", "Text"},
                          {"toolButton_KeyConfigFunction", "Key Config"}};
    for (const Case &c : cases) {
        QToolButton *b = toolButton(c.button);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(b, &enter);
        QVERIFY(m_page->tipPopup());
        QVERIFY(m_page->tipPopup()->isVisible());
        QCOMPARE(m_page->tipText(), QString::fromLatin1(c.tip));
        QCOMPARE(m_page->tipPopup()->size(), QSize(230, 70));
        const QPoint expected = b->mapToGlobal(QPoint(b->width() / 2, b->height())) - QPoint(38, b->height() + 74);
        QCOMPARE(m_page->tipPopup()->pos(), expected);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(b, &leave);
        QVERIFY(!m_page->tipPopup()->isVisible());
    }
}

void tst_CustomKeysPage::interactiveLightSendsKeyCell_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("row"); // -1: nothing sent
    QTest::addColumn<int>("column");
    QTest::newRow("Enter") << 13 << 0x00 << 3 << 12;
    QTest::newRow("keypad Enter") << 13 << 0x01 << 4 << 20;
    QTest::newRow("Alt+Enter") << 13 << 0x20 << 3 << 12;
    QTest::newRow("Alt+keypad Enter") << 13 << 0x21 << 4 << 20;
    QTest::newRow("A") << 65 << 0x00 << 3 << 1;
    QTest::newRow("unknown key") << 90 << 0x00 << -1 << -1;
}

void tst_CustomKeysPage::interactiveLightSendsKeyCell()
{
    QFETCH(int, vk);
    QFETCH(int, flags);
    QFETCH(int, row);
    QFETCH(int, column);
    m_page->setInteractiveLightHook(true, 1);
    QCOMPARE(m_page->hookMode(), int(HookInteractiveLight));
    QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
    m_page->onKeyboardRecviveStream(vk, 0x1C, 1, flags);
    m_page->onKeyboardRecviveStream(vk, 0x1C, 0, flags | 0x80); // the release sends nothing
    std::vector<std::pair<int, int>> hits;
    CVardexLight_TakeKeyHits(hits);
    if (row < 0) {
        QCOMPARE(points.count(), 0);
        QVERIFY(hits.empty());
        return;
    }
    QCOMPARE(points.count(), 1);
    QCOMPARE(points.at(0).at(0).toInt(), row);
    QCOMPARE(points.at(0).at(1).toInt(), column);
    QCOMPARE(hits.size(), size_t(1));
    QCOMPARE(hits[0], std::make_pair(row, column));
}

void tst_CustomKeysPage::captureTakesPriorityOverInteractiveLight()
{
    DKeyFunctionPage *remap = m_page->functionPage(DCustomKeysPage::IdRemapKey);
    DDataManager::instance()->setCurrentKey(4, QStringLiteral("A"));
    toolButton("toolButton_RemapKey")->click();
    m_page->setInteractiveLightHook(true, 1);
    QVERIFY(m_page->isInteractiveLightHookRunning());

    emit remap->sigMesgStartOrStopHook(true);
    QCOMPARE(m_page->hookMode(), int(HookRemapCapture));
    QVERIFY(m_page->hook().isRunning());
    // The keyboard reports its effect again while the capture runs.
    m_page->setInteractiveLightHook(true, 10);
    QCOMPARE(m_page->hookMode(), int(HookRemapCapture));
    QVERIFY(m_page->hook().isRunning());
    // The capture ends: the light effect gets its hook back.
    emit remap->sigMesgStartOrStopHook(false);
    QVERIFY(m_page->isInteractiveLightHookRunning());

    // A hot-plug while a recording runs leaves the recording alone and the
    // light effect is not resumed after it.
    QVERIFY(DDataManager::instance()->requestMacroRecordHook(true));
    QCOMPARE(m_page->hookMode(), int(HookMacroRecord));
    m_page->setInteractiveLightHook(false, 3);
    QCOMPARE(m_page->hookMode(), int(HookMacroRecord));
    QVERIFY(m_page->hook().isRunning());
    QVERIFY(DDataManager::instance()->requestMacroRecordHook(false));
    QVERIFY(!m_page->hook().isRunning());
    QVERIFY(!m_page->isInteractiveLightHookRunning());
}

void tst_CustomKeysPage::captureHandsKeyToItsPage()
{
    DDataManager *data = DDataManager::instance();
    QMap<int, int> virtualKeys = data->virtualKeyMap();
    virtualKeys.insert(162, 224); // left Ctrl
    data->setVirtualKeyMap(virtualKeys);
    data->setKeyNameMap({{4, QStringLiteral("A")}, {40, QStringLiteral("Enter")}, {41, QStringLiteral("Esc")},
                         {88, QStringLiteral("Num Enter")}, {224, QStringLiteral("L_CTRL")}});
    DKeyFunctionPage *remap = m_page->functionPage(DCustomKeysPage::IdRemapKey);
    DKeyFunctionPage *combination = m_page->functionPage(DCustomKeysPage::IdCombinationKey);
    auto stored = [this](QByteArray *type) {
        KeyOperateInfo info;
        if (!DKeyFunctionPage::readBinding(m_store.constData(), 1, 4, &info))
            return QByteArray();
        *type = QByteArray(info.type);
        return QByteArray(info.value);
    };
    data->setCurrentKey(4, QStringLiteral("A"));
    toolButton("toolButton_CombinationKey")->click();
    emit combination->sigMesgStartOrStopHook(true);
    QCOMPARE(m_page->hookMode(), int(HookCombinationCapture));
    QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
    QByteArray type;
    m_page->onKeyboardRecviveStream(27, 1, 1, 0); // no modifier yet: not taken
    QVERIFY(stored(&type).isEmpty());
    m_page->onKeyboardRecviveStream(162, 0x1D, 1, 0);
    m_page->onKeyboardRecviveStream(13, 0x1C, 1, 1);
    m_page->onKeyboardRecviveStream(90, 0x2C, 1, 0); // not in the map
    QCOMPARE(stored(&type), QByteArray("1,88"));
    QCOMPARE(type, QByteArray("2"));
    QCOMPARE(points.count(), 0);
    emit combination->sigMesgStartOrStopHook(false);
    QVERIFY(!m_page->hook().isRunning());

    toolButton("toolButton_RemapKey")->click();
    emit remap->sigMesgStartOrStopHook(true);
    QCOMPARE(m_page->hookMode(), int(HookRemapCapture));
    m_page->onKeyboardRecviveStream(65, 0x1E, 1, 0);
    QCOMPARE(stored(&type), QByteArray("4"));
    QCOMPARE(type, QByteArray("0"));
    emit remap->sigMesgStartOrStopHook(false);

    // A recording takes no keys through this road.
    QVERIFY(DDataManager::instance()->requestMacroRecordHook(true));
    m_page->onKeyboardRecviveStream(27, 1, 1, 0);
    QCOMPARE(stored(&type), QByteArray("4"));
    DDataManager::instance()->requestMacroRecordHook(false);
}

QTEST_MAIN(tst_CustomKeysPage)
#include "tst_customkeyspage.moc"
