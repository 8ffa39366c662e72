// The on-screen keyboard: the US layout file, the key tables it hands to the
// data manager, captions, combination highlighting and bad layout text.
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <cjson/cJSON.h>

#include "data/DDataManager.h"
#include "platform/xKeyCodeTable.h"
#include "ui/softKeyboard/DSoftKeyboardPage.h"
#include "ui/softKeyboard/DVirtualKeyboardTool.h"
#include "ui/softKeyboard/SoftKeyboardButCustom.h"

class tst_SoftKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void usLayoutFillsThePage();
    void keyTables();
    void captions_data();
    void captions();
    void everyKeyHasAnXKeyCode();
    void smallerLayoutFileRows();
    void badTextLeavesEverything_data();
    void badTextLeavesEverything();
    void combinationHighlightsAtMostTwoModifiers();
    void remapModeNeverHighlights();
    void abandonedCombinationIsForgotten();
    void toolForwardsClicks();
};

void tst_SoftKeyboard::usLayoutFillsThePage()
{
    DSoftKeyboardPage page;
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(page.size(), QSize(1000, 245));
    const QList<SoftKeyboardButCustom *> keys = page.keyButtons();
    QCOMPARE(keys.size(), 112);
    const QRect area(0, 0, 1000, 245);
    for (int i = 0; i < keys.size(); ++i) {
        QVERIFY2(area.contains(keys[i]->geometry()), qPrintable(keys[i]->caption()));
        for (int j = i + 1; j < keys.size(); ++j)
            QVERIFY2(!keys[i]->geometry().intersects(keys[j]->geometry()),
                     qPrintable(keys[i]->caption() + QLatin1String(" / ") + keys[j]->caption()));
    }
    // A second load replaces the keys rather than adding to them.
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    QCOMPARE(page.keyButtons().size(), 112);
}

void tst_SoftKeyboard::keyTables()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    const QMap<int, int> vk = DDataManager::instance()->virtualKeyMap();
    QCOMPARE(vk.value(999), 40);
    QCOMPARE(vk.value(998), 88);
    QCOMPARE(vk.value(65), 4);
    QCOMPARE(vk.value(162), 224);
    QCOMPARE(vk.value(-1), -10);
    const QMap<int, QString> names = DDataManager::instance()->keyNameMap();
    QCOMPARE(names.value(-10), QStringLiteral("Fn"));
    QCOMPARE(names.value(41), QStringLiteral("Esc"));
    // Rows 00 and 07 are not drawn.
    QVERIFY(!names.contains(401));
    QVERIFY(!names.contains(502));
}

void tst_SoftKeyboard::captions_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("backslash") << 49 << QStringLiteral("\\|") << QStringLiteral("\\|");
    QTest::newRow("apostrophe") << 52 << QStringLiteral("' \"") << QStringLiteral("' \"");
    QTest::newRow("seven") << 36 << QStringLiteral("7&") << QStringLiteral("7&&");
    QTest::newRow("right Alt") << 230 << QStringLiteral("Alt") << QStringLiteral("Alt");
    QTest::newRow("Han/Yeong") << 144 << QStringLiteral("Korean/English") << QStringLiteral("Korean/English");
    QTest::newRow("Hanja") << 145 << QStringLiteral("Chinese") << QStringLiteral("Chinese");
}

void tst_SoftKeyboard::captions()
{
    QFETCH(int, keyCode);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    SoftKeyboardButCustom *button = page.buttonMap().value(keyCode);
    QVERIFY(button);
    QCOMPARE(button->caption(), caption);
    QCOMPARE(button->text(), shown);
    QCOMPARE(page.keyNameMap().value(keyCode), caption);
}

void tst_SoftKeyboard::everyKeyHasAnXKeyCode()
{
    // Every drawn key but Fn is reachable from a physical key: some X key
    // code's Windows code (after the Enter rule) is the key's "qtDec".
    QSet<int> reachable;
    for (const WinKeyCode &k : xKeyCodes::table())
        reachable.insert(k.vk == 13 ? (k.extended ? 998 : 999) : k.vk);
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    const QMap<int, int> vk = page.virtualKeyMap();
    QCOMPARE(vk.size(), 112);
    for (auto it = vk.cbegin(); it != vk.cend(); ++it) {
        if (it.value() == -10)
            continue;
        QVERIFY2(reachable.contains(it.key()), qPrintable(QStringLiteral("key %1 (qtDec %2)").arg(it.value()).arg(it.key())));
    }
    // The keypad in particular.
    const int keypad[] = {83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99};
    for (int code : keypad)
        QVERIFY2(vk.values().contains(code), qPrintable(QString::number(code)));
}

void tst_SoftKeyboard::smallerLayoutFileRows()
{
    QFile file(QStringLiteral(":/images/configDir/softKeyInfoNormal_91.config"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    cJSON *root = cJSON_Parse(file.readAll().constData());
    QVERIFY(root);
    const int expected[] = {16, 21, 20, 17, 18, 12};
    for (int row = 1; row <= 6; ++row) {
        const QByteArray name = "EveryKeyInfo_Row0" + QByteArray::number(row);
        QCOMPARE(cJSON_GetArraySize(cJSON_GetObjectItem(root, name.constData())), expected[row - 1]);
    }
    cJSON_Delete(root);
}

void tst_SoftKeyboard::badTextLeavesEverything_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("not JSON") << QByteArray("{\"EveryKeyInfo_Row01\": [");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("array") << QByteArray("[1, 2]");
}

void tst_SoftKeyboard::badTextLeavesEverything()
{
    QFETCH(QByteArray, text);
    DDataManager *data = DDataManager::instance();
    data->setVirtualKeyMap({{1, 2}});
    data->setKeyNameMap({{3, QStringLiteral("kept")}});
    DSoftKeyboardPage page;
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page.parseKeyboardInfo(text.constData());
    QVERIFY(page.keyButtons().isEmpty());
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(data->virtualKeyMap(), (QMap<int, int>{{1, 2}}));
    QCOMPARE(data->keyNameMap(), (QMap<int, QString>{{3, QStringLiteral("kept")}}));

    // A key that lacks a member is left out; the others are made.
    page.parseKeyboardInfo("{\"EveryKeyInfo_Row01\": ["
                           "{\"PosX\": 0, \"PosY\": 0, \"Width\": 40, \"Height\": 30, \"Dec\": 4, \"qtDec\": 65, \"Character\": \"A\"},"
                           "{\"PosX\": 50, \"PosY\": 0, \"Width\": 40, \"Height\": 30, \"Dec\": 5, \"Character\": \"B\"}]}");
    QCOMPARE(page.keyButtons().size(), 1);
    QCOMPARE(data->virtualKeyMap(), (QMap<int, int>{{65, 4}}));
}

void tst_SoftKeyboard::combinationHighlightsAtMostTwoModifiers()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    page.setCombinationMode(1);
    page.setCombinationActive(true);
    QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
    const QMap<int, SoftKeyboardButCustom *> buttons = page.buttonMap();
    buttons.value(224)->click(); // left Ctrl
    buttons.value(224)->click(); // the same modifier again counts twice
    buttons.value(225)->click(); // a third: refused
    buttons.value(4)->click();   // A
    QCOMPARE(clicked.count(), 4);
    QCOMPARE(clicked.at(2).at(0).toInt(), 225);
    QCOMPARE(page.selectedModifierCount(), 2);
    QVERIFY(buttons.value(224)->isSelected());
    QVERIFY(!buttons.value(225)->isSelected());
    QVERIFY(buttons.value(4)->isSelected());
    page.clearSelection();
    QCOMPARE(page.selectedModifierCount(), 0);
    QVERIFY(!buttons.value(224)->isSelected());
    QVERIFY(!buttons.value(4)->isSelected());
}

void tst_SoftKeyboard::remapModeNeverHighlights()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    page.setCombinationMode(0);
    page.setCombinationActive(true);
    QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
    page.buttonMap().value(224)->click();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Ctrl"));
    QVERIFY(!page.buttonMap().value(224)->isSelected());
    QCOMPARE(page.selectedModifierCount(), 0);
}

void tst_SoftKeyboard::abandonedCombinationIsForgotten()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    page.setCombinationMode(1);
    page.setCombinationActive(true);
    page.buttonMap().value(224)->click();
    page.buttonMap().value(225)->click();
    page.setCombinationActive(false); // the popup closed without a save
    // The popup opens again: no highlight, and two modifiers may be chosen.
    page.setCombinationActive(true);
    QCOMPARE(page.selectedModifierCount(), 0);
    QVERIFY(!page.buttonMap().value(224)->isSelected());
    page.buttonMap().value(226)->click();
    page.buttonMap().value(227)->click();
    QVERIFY(page.buttonMap().value(227)->isSelected());
    // A reload forgets the selection too.
    page.loadKeyboardInfo(QStringLiteral("Rendo"));
    QCOMPARE(page.selectedModifierCount(), 0);
}

void tst_SoftKeyboard::toolForwardsClicks()
{
    DVirtualKeyboardTool tool(1);
    QCOMPARE(tool.size(), QSize(1000, 350));
    QSignalSpy clicked(&tool, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB);
    tool.setCombinationActive(true);
    tool.softKeyboardPage()->buttonMap().value(41)->click();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 41);
    QVERIFY(tool.softKeyboardPage()->buttonMap().value(41)->isSelected());
    tool.clearSelection();
    QVERIFY(!tool.softKeyboardPage()->buttonMap().value(41)->isSelected());
}

QTEST_MAIN(tst_SoftKeyboard)
#include "tst_softkeyboard.moc"
