// The pages that store a function with one click (mouse, multimedia,
// shortcuts, keyboard light, side light, key functions) and the ones with one
// control (disable, profile switch): what each control stores, and which
// control a stored binding marks when the key is loaded again.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "keyFuncsFixture.h"
#include "ui/customKeys/DChangProfilePage.h"
#include "ui/customKeys/DHotKeyPage.h"
#include "ui/customKeys/DKeyConfigFunctionPage.h"
#include "ui/customKeys/DKeyDisablePage.h"
#include "ui/customKeys/DKeyboardLightCustomEventPage.h"
#include "ui/customKeys/DMouseKeyPage.h"
#include "ui/customKeys/DMultimediaPage.h"
#include "ui/customKeys/DSideLightCustomEventPage.h"

using namespace keyFuncsTest;

namespace {

std::unique_ptr<DKeyFunctionPage> makePage(const QString &kind)
{
    if (kind == QLatin1String("mouse"))
        return std::make_unique<DMouseKeyPage>();
    if (kind == QLatin1String("multimedia"))
        return std::make_unique<DMultimediaPage>();
    if (kind == QLatin1String("shortcut"))
        return std::make_unique<DHotKeyPage>();
    if (kind == QLatin1String("kblight"))
        return std::make_unique<DKeyboardLightCustomEventPage>();
    if (kind == QLatin1String("sidelight"))
        return std::make_unique<DSideLightCustomEventPage>();
    if (kind == QLatin1String("keyconfig"))
        return std::make_unique<DKeyConfigFunctionPage>();
    return nullptr;
}

// The marked radio buttons of a page, by object name.
QStringList marked(QWidget *page, bool visibleOnly)
{
    QStringList names;
    for (QRadioButton *button : page->findChildren<QRadioButton *>()) {
        if (button->isChecked() && (!visibleOnly || !button->isHidden()))
            names << button->objectName();
    }
    return names;
}

} // namespace

class tst_KeyFunctionPages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void everyControlStoresItsBinding_data();
    void everyControlStoresItsBinding();
    void storedBindingMarksItsControl_data();
    void storedBindingMarksItsControl();
    void offeredControls_data();
    void offeredControls();
    void disableReplacesAnyBinding();
    void profileSwitchStoresTheIndex();

private:
    void loadKey(DKeyFunctionPage *page, int keyCode, const QString &caption);
    Stores m_stores;
};

void tst_KeyFunctionPages::init()
{
    QVERIFY(m_stores.create());
}

void tst_KeyFunctionPages::loadKey(DKeyFunctionPage *page, int keyCode, const QString &caption)
{
    DDataManager::instance()->setCurrentKey(keyCode, caption);
    page->loadKeyBinding();
}

void tst_KeyFunctionPages::everyControlStoresItsBinding_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Binding>("expected");
    auto row = [](const char *kind, const char *button, const char *type, const char *sub, const char *value) {
        QTest::addRow("%s %s", kind, button) << QString::fromLatin1(kind) << QString::fromLatin1(button)
                                              << Binding{type, "1", sub, value};
    };
    // Mouse (type 4).
    row("mouse", "radioButton_mouseLeft", "4", "1", "0");
    row("mouse", "radioButton_mouseCenter", "4", "1", "1");
    row("mouse", "radioButton_mouseRight", "4", "1", "2");
    row("mouse", "radioButton_mouseScrollUp", "4", "1", "3");
    row("mouse", "radioButton_mouseScrollDown", "4", "1", "4");
    row("mouse", "radioButton_Forward", "4", "1", "5");
    row("mouse", "radioButton_Backward", "4", "1", "6");
    // Multimedia (type 3); code 7 is not offered.
    row("multimedia", "radioButton_volAdd", "3", "1", "0");
    row("multimedia", "radioButton_volLower", "3", "1", "1");
    row("multimedia", "radioButton_mute", "3", "1", "2");
    row("multimedia", "radioButton_playOrPause", "3", "1", "3");
    row("multimedia", "radioButton_next", "3", "1", "4");
    row("multimedia", "radioButton_previous", "3", "1", "5");
    row("multimedia", "radioButton_videoStop", "3", "1", "6");
    row("multimedia", "radioButton_Player", "3", "1", "8");
    row("multimedia", "radioButton_Calculator", "3", "1", "9");
    row("multimedia", "radioButton_Computer", "3", "1", "10");
    row("multimedia", "radioButton_Browser", "3", "1", "11");
    row("multimedia", "radioButton_Email", "3", "1", "12");
    row("multimedia", "radioButton_ScreenBrightnessAdd", "3", "1", "13");
    row("multimedia", "radioButton_ScreenBrightnessLess", "3", "1", "14");
    row("multimedia", "radioButton_wwwSearch", "3", "1", "15");
    // Shortcuts (type 9); code 1 is not offered.
    row("shortcut", "radioButton_CloseWindow", "9", "1", "0");
    row("shortcut", "radioButton_ShowDesktop", "9", "1", "2");
    row("shortcut", "radioButton_OpenMyComputer", "9", "1", "3");
    row("shortcut", "radioButton_LockingComputer", "9", "1", "4");
    row("shortcut", "radioButton_Copy", "9", "1", "5");
    row("shortcut", "radioButton_Cut", "9", "1", "6");
    row("shortcut", "radioButton_Paste", "9", "1", "7");
    row("shortcut", "radioButton_Find", "9", "1", "8");
    row("shortcut", "radioButton_CreateNew", "9", "1", "9");
    row("shortcut", "radioButton_Print", "9", "1", "10");
    row("shortcut", "radioButton_Save", "9", "1", "11");
    // Keyboard light (types 20 to 27).
    row("kblight", "radioButton_OverallLightList", "20", "1", "0");
    row("kblight", "radioButton_InteractionLightList", "20", "1", "1");
    row("kblight", "radioButton_AllLightList", "20", "1", "2");
    row("kblight", "radioButton_StaticMode", "20", "1", "3");
    row("kblight", "radioButton_BrightnessUp", "21", "1", "0");
    row("kblight", "radioButton_BrightnessDown", "21", "1", "1");
    row("kblight", "radioButton_SpeedAdd", "22", "1", "0");
    row("kblight", "radioButton_SpeedLessen", "22", "1", "1");
    row("kblight", "radioButton_DirectionAddOne", "23", "1", "0");
    row("kblight", "radioButton_DirectionLessenOne", "23", "1", "1");
    row("kblight", "radioButton_DirectionLoop", "23", "1", "2");
    row("kblight", "radioButton_FullColor", "24", "1", "0");
    row("kblight", "radioButton_TopColor", "24", "1", "1");
    row("kblight", "radioButton_BottomColor", "24", "1", "2");
    row("kblight", "radioButton_IntoCustomLight01", "25", "1", "0");
    row("kblight", "radioButton_IntoCustomLight02", "25", "1", "1");
    row("kblight", "radioButton_CloseAll", "26", "0", "0");
    row("kblight", "radioButton_CloseBackLight", "26", "0", "1");
    row("kblight", "radioButton_StopBackLight", "26", "1", "0");
    row("kblight", "radioButton_LightRecording", "27", "1", "0");
    // Side light (types 30 to 34); the two hidden lists are clicked from code.
    row("sidelight", "radioButton_AllLightList", "30", "1", "2");
    row("sidelight", "radioButton_OverallLightList", "30", "1", "0");
    row("sidelight", "radioButton_InteractionLightList", "30", "1", "1");
    row("sidelight", "radioButton_BrightnessUp", "31", "1", "0");
    row("sidelight", "radioButton_BrightnessDown", "31", "1", "1");
    row("sidelight", "radioButton_SpeedAdd", "32", "1", "0");
    row("sidelight", "radioButton_SpeedLessen", "32", "1", "1");
    row("sidelight", "radioButton_FullColor", "33", "1", "0");
    row("sidelight", "radioButton_TopColor", "33", "1", "1");
    row("sidelight", "radioButton_BottomColor", "33", "1", "2");
    row("sidelight", "radioButton_CloseSideLight", "34", "0", "2");
    row("sidelight", "radioButton_StopSideLight", "34", "1", "0");
    // Key functions (type 19): the sub code is the function.
    row("keyconfig", "radioButton_SwitchLoopWin", "19", "2", "0");
    row("keyconfig", "radioButton_LockKeyboard", "19", "0", "0");
    row("keyconfig", "radioButton_UnlockWin", "19", "2", "2");
    row("keyconfig", "radioButton_LockWin", "19", "2", "1");
    row("keyconfig", "radioButton_PowerQuery", "19", "10", "0");
    row("keyconfig", "radioButton_DefaultLayer", "19", "8", "0");
    row("keyconfig", "radioButton_FNLayer", "19", "8", "1");
    row("keyconfig", "radioButton_FN1Layer", "19", "8", "2");
    row("keyconfig", "radioButton_USB", "19", "11", "2,0");
    row("keyconfig", "radioButton_24G", "19", "11", "1,0");
    row("keyconfig", "radioButton_Pattern1", "19", "11", "0,0");
    row("keyconfig", "radioButton_Pattern2", "19", "11", "0,1");
    row("keyconfig", "radioButton_Pattern3", "19", "11", "0,2");
}

void tst_KeyFunctionPages::everyControlStoresItsBinding()
{
    QFETCH(QString, kind);
    QFETCH(QString, button);
    QFETCH(Binding, expected);
    std::unique_ptr<DKeyFunctionPage> page = makePage(kind);
    QVERIFY(page);
    // The key holds a binding of another kind first: a click replaces it.
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_stores.profiles.constData(), "1", "4", "A", "1", "3", "2", "5"));
    loadKey(page.get(), 4, QStringLiteral("A"));
    QVERIFY(marked(page.get(), false).isEmpty());

    auto *radio = page->findChild<QRadioButton *>(button);
    QVERIFY(radio);
    QSignalSpy update(page.get(), &DKeyFunctionPage::sigShoudUpdateKeyboard);
    QSignalSpy success(page.get(), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    radio->click();
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(expected));
    QCOMPARE(update.count(), 1);
    QCOMPARE(update.at(0).at(0).toInt(), 4);
    QCOMPARE(success.count(), 1);
    // Clicking the marked control again stores again.
    radio->click();
    QCOMPARE(success.count(), 2);

    // Another key's load clears the page; loading the key again marks the
    // same control and nothing else.
    loadKey(page.get(), 5, QStringLiteral("B"));
    QVERIFY(marked(page.get(), false).isEmpty());
    loadKey(page.get(), 4, QStringLiteral("A"));
    QCOMPARE(marked(page.get(), false), QStringList{button});
    QCOMPARE(success.count(), 2); // loading stores nothing
}

void tst_KeyFunctionPages::storedBindingMarksItsControl_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Binding>("binding");
    QTest::addColumn<QString>("visible"); // the visible control marked, "" none
    QTest::addColumn<QString>("any");     // the control marked, hidden ones included
    auto row = [](const char *name, const char *kind, Binding b, const char *visible, const char *any) {
        QTest::newRow(name) << QString::fromLatin1(kind) << b << QString::fromLatin1(visible)
                            << QString::fromLatin1(any);
    };
    row("mouse 7: the hidden sniper key", "mouse", {"4", "1", "1", "7"}, "", "radioButton_SniperKey");
    row("multimedia 7: no control", "multimedia", {"3", "1", "1", "7"}, "", "");
    row("shortcut 1: no control", "shortcut", {"9", "1", "1", "1"}, "", "");
    row("shortcut of another type", "shortcut", {"3", "1", "1", "5"}, "", "");
    row("26 sub 1 value 1: stop", "kblight", {"26", "1", "1", "1"}, "radioButton_StopBackLight", "radioButton_StopBackLight");
    row("26 sub 0 value 1: close back light", "kblight", {"26", "1", "0", "1"}, "radioButton_CloseBackLight", "radioButton_CloseBackLight");
    row("26 sub 2: none", "kblight", {"26", "1", "2", "0"}, "", "");
    row("20 value 4: none", "kblight", {"20", "1", "1", "4"}, "", "");
    row("22 value 1, sub 7: speed -", "kblight", {"22", "1", "7", "1"}, "radioButton_SpeedLessen", "radioButton_SpeedLessen");
    row("27 value 5: recording", "kblight", {"27", "1", "3", "5"}, "radioButton_LightRecording", "radioButton_LightRecording");
    row("34 sub 0 value 0: close side light", "sidelight", {"34", "1", "0", "0"}, "radioButton_CloseSideLight", "radioButton_CloseSideLight");
    row("34 sub 1 value 2: stop side light", "sidelight", {"34", "1", "1", "2"}, "radioButton_StopSideLight", "radioButton_StopSideLight");
    row("30 value 0: hidden overall list", "sidelight", {"30", "1", "1", "0"}, "", "radioButton_OverallLightList");
    row("side light page, keyboard-light binding", "sidelight", {"21", "1", "1", "0"}, "", "");
    row("19/11 0,3: none", "keyconfig", {"19", "1", "11", "0,3"}, "", "");
    row("19/11 2,1: USB", "keyconfig", {"19", "1", "11", "2,1"}, "radioButton_USB", "radioButton_USB");
    row("19/11 0,1: Bluetooth 2", "keyconfig", {"19", "1", "11", "0,1"}, "radioButton_Pattern2", "radioButton_Pattern2");
    row("19/11 without slot: none", "keyconfig", {"19", "1", "11", "0"}, "", "");
    row("19/2 1: hidden lock win", "keyconfig", {"19", "1", "2", "1"}, "", "radioButton_LockWin");
    row("19/0 7: lock keyboard", "keyconfig", {"19", "1", "0", "7"}, "radioButton_LockKeyboard", "radioButton_LockKeyboard");
    row("19/8 2: hidden FN1 layer", "keyconfig", {"19", "1", "8", "2"}, "", "radioButton_FN1Layer");
    row("19/5: none", "keyconfig", {"19", "1", "5", "0"}, "", "");
    row("key config page, type 20", "keyconfig", {"20", "1", "1", "0"}, "", "");
}

void tst_KeyFunctionPages::storedBindingMarksItsControl()
{
    QFETCH(QString, kind);
    QFETCH(Binding, binding);
    QFETCH(QString, visible);
    QFETCH(QString, any);
    std::unique_ptr<DKeyFunctionPage> page = makePage(kind);
    QVERIFY(page);
    const char *store = m_stores.profiles.constData();
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(store, "1", "4", "A", binding.type.constData(), "1",
                                                      binding.mode.constData(), binding.value.constData()));
    // Another key's visible choice is shown first: none of it may stay.
    auto *first = page->findChildren<QRadioButton *>().first();
    loadKey(page.get(), 5, QStringLiteral("B"));
    first->click();
    QCOMPARE(marked(page.get(), false).size(), 1);

    QSignalSpy success(page.get(), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    loadKey(page.get(), 4, QStringLiteral("A"));
    QCOMPARE(marked(page.get(), true), visible.isEmpty() ? QStringList() : QStringList{visible});
    QCOMPARE(marked(page.get(), false), any.isEmpty() ? QStringList() : QStringList{any});
    QCOMPARE(success.count(), 0);
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(binding));
}

void tst_KeyFunctionPages::offeredControls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("mouse") << "mouse" << QStringList{"radioButton_SniperKey"};
    QTest::newRow("multimedia") << "multimedia" << QStringList();
    QTest::newRow("shortcut") << "shortcut" << QStringList();
    QTest::newRow("kblight") << "kblight" << QStringList();
    QTest::newRow("sidelight") << "sidelight"
                               << QStringList{"radioButton_InteractionLightList", "radioButton_OverallLightList"};
    QTest::newRow("keyconfig") << "keyconfig"
                               << QStringList{"radioButton_DefaultLayer", "radioButton_FN1Layer", "radioButton_FNLayer",
                                              "radioButton_LockWin", "radioButton_UnlockWin"};
}

void tst_KeyFunctionPages::offeredControls()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, hidden);
    std::unique_ptr<DKeyFunctionPage> page = makePage(kind);
    QStringList found;
    for (QRadioButton *button : page->findChildren<QRadioButton *>()) {
        if (button->isHidden())
            found << button->objectName();
    }
    found.sort();
    QCOMPARE(found, hidden);
    if (kind == QLatin1String("keyconfig"))
        QCOMPARE(page->findChild<QRadioButton *>("radioButton_SwitchLoopWin")->text(), QStringLiteral("Lock/Unlock Win"));
}

void tst_KeyFunctionPages::disableReplacesAnyBinding()
{
    DKeyDisablePage page;
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_stores.profiles.constData(), "1", "6", "C", "6", "1", "1", "hi"));
    loadKey(&page, 6, QStringLiteral("C"));
    QSignalSpy cancel(&page, &DKeyFunctionPage::sigClickedCancel);
    page.findChild<QPushButton *>("pushButton_Cancel")->click();
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(stored(m_stores.profiles, 6).value, QByteArray("hi"));
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 6)), describe(Binding{"5", "1", "1", "-1"}));
    QCOMPARE(success.count(), 1);
}

void tst_KeyFunctionPages::profileSwitchStoresTheIndex()
{
    const char *store = m_stores.profiles.constData();
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(store, "3", "Three", 0));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(store, "4", "Same", 0));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(store, "6", "Same", 0));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(store, "1", "4", "A", "7", "1", "1", "6"));
    DChangProfilePage page;
    auto *combo = page.findChild<QComboBox *>("comboBox_Profile");
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    loadKey(&page, 4, QStringLiteral("A"));
    QCOMPARE(combo->count(), 4);
    // Profiles of one name stay apart: the bound one is shown.
    QCOMPARE(combo->currentIndex(), 3);
    QCOMPARE(success.count(), 0);
    combo->setCurrentIndex(1); // "Three", stored by its index, not its row
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"7", "1", "1", "3"}));
    QCOMPARE(success.count(), 1);

    // A key without a binding shows the first profile and stores nothing.
    loadKey(&page, 5, QStringLiteral("B"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(describe(stored(m_stores.profiles, 5)), describe(Binding()));
}

QTEST_MAIN(tst_KeyFunctionPages)
#include "tst_keyfunctionpages.moc"
