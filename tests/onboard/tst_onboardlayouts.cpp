// For every model of the device table: after a download through the device
// page, the simulated keyboard's decoded tables hold, key for key in the
// order of the model's layout, the entry of what the layer stores hold.
#include "onboardFixture.h"

#include "hid/onboardEncoding.h"
#include "../testWait.h"

using namespace onboardTest;

class tst_onboardlayouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(startLibrary()); }
    void tablesEqualTheStores_data();
    void tablesEqualTheStores();
};

void tst_onboardlayouts::tablesEqualTheStores_data()
{
    QTest::addColumn<QByteArray>("model");
    QVERIFY(startLibrary());
    std::map<std::string, hidModelInfo> models;
    CVardexHid_GetHidInfoStuMapList(models);
    QVERIFY(models.size() > 10);
    for (const auto &m : models)
        QTest::newRow(m.first.c_str()) << QByteArray::fromStdString(m.first);
}

void tst_onboardlayouts::tablesEqualTheStores()
{
    QFETCH(QByteArray, model);
    QDir dir(DDataManager::instance()->userConfigDir());
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(dir.filePath(sub)).removeRecursively();
    QVERIFY(CVardexSim_LoadScenarioText(
                scenarioJson({{model.constData(), false, true, "A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6"}}, 0).constData()) == 0);
    std::unique_ptr<DDevicePage> page = std::make_unique<DDevicePage>();
    page->show();
    QVERIFY(QTest::qWaitFor([&] { return page->currentLink() && !page->profileFolder().isEmpty(); }, testWait::kHangMs));
    const QString path = currentPath(page.get());

    // A different binding on every fifth key of each layer, two of them macros.
    const QList<int> keys = registryKeyCodes();
    QVERIFY(!keys.isEmpty());
    const char *types[][2] = {{"0", "4"}, {"2", "5,4"}, {"3", "2"}, {"4", "4"}, {"5", "-1"}, {"9", "4"},
                              {"19", "291"}, {"20", "3"}, {"31", "2"}, {"6", "hi"}};
    QVERIFY(addMacro(page.get(), 0, "1", keyEvents(2)));
    QVERIFY(addMacro(page.get(), 1, "1", keyEvents(3)));
    QList<int> macroKeys; // the first two keys with a code
    for (int i = 0; i < keys.size() && macroKeys.size() < 2; ++i)
        if (keys.at(i) != 0)
            macroKeys << i;
    QCOMPARE(macroKeys.size(), 2);
    for (int layer = 0; layer < 2; ++layer) {
        QVERIFY(bind(page.get(), layer, keys.at(macroKeys.at(layer)), "1", "1"));
        for (int i = 5 + layer, n = 0; i < keys.size(); i += 5, ++n)
            if (keys.at(i) != 0 && !macroKeys.contains(i))
                QVERIFY(bind(page.get(), layer, keys.at(i), types[n % 10][0], types[n % 10][1], "3"));
    }

    page->onTheKeyboardIntoDownloading();
    QCOMPARE(page->lastNotice(), QStringLiteral("Download config successful"));

    const int pages = (keys.size() + 13) / 14;
    int macroSlot = 0;
    for (int layer = 0; layer < 2; ++layer) {
        const QByteArray held = heldTable(path, layer * 2, pages);
        QCOMPARE(held.size(), 4 * keys.size());
        const QByteArray store = layerStore(page.get(), layer);
        for (int i = 0; i < keys.size(); ++i) {
            KeyOperateInfo record;
            std::memset(static_cast<void *>(&record), 0, sizeof record);
            std::strcpy(record.type, "-1");
            if (keys.at(i) != 0)
                CVardexXML_SelectProFileKeyOperateInfo(store.constData(), "1", QByteArray::number(keys.at(i)).constData(),
                                                       &record);
            const bool macro = keys.at(i) != 0 && QByteArray(record.type) == "1";
            const OnboardKeyEntry expected = onboard::encodeKey(keys.at(i), record, macro ? macroSlot++ : -1);
            QCOMPARE(held.mid(4 * i, 4).toHex(),
                     QByteArray(reinterpret_cast<const char *>(expected.bytes.data()), 4).toHex());
        }
    }
    QCOMPARE(macroSlot, 2);
    QCOMPARE(int(uchar(heldSlot(path, 1).at(3))), 12);

    destroyPage(page);
}

QTEST_MAIN(tst_onboardlayouts)
#include "tst_onboardlayouts.moc"
