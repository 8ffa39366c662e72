// Custom lights on the light page: the list, the keyboard slots, renaming and
// the upload of the drawing's key colours.
#include "lightPageFixture.h"

#include "data/DDataManager.h"
#include "ui/lightsConfig/DCustomLightListItem.h"
#include "ui/keyboardView/keyboardButCustom.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace lightPageTest;

namespace {

// The five custom lights of a new profile.
void addCustomLights(const QByteArray &store)
{
    const char *names[] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
    for (int i = 0; i < 5; ++i)
        CVardexXML_AddProFileCustomLightNode(store.constData(), "1", QByteArray::number(i).constData(), names[i],
                                             i < 2 ? "Using" : "UnUsing", i < 2 ? i : -1);
}

struct StoredLight
{
    QString isUsing;
    int slot;
    QString name;
};

StoredLight storedLight(const QByteArray &store, int index)
{
    std::list<CustomLightNodeEntry> lights;
    CVardexXML_SelectProFileCustomLightAllNodes(store.constData(), "1", lights);
    for (const CustomLightNodeEntry &l : lights)
        if (QByteArray(l.index).toInt() == index)
            return {QString::fromUtf8(l.isUsing), l.usingFlagIndex, QString::fromUtf8(l.name)};
    return {QString(), -2, QString()};
}

} // namespace

class tst_customlights : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listShowsTheProfilesLights();
    void checkingARowTakesTheSlotAndUploads();
    void checkedBoxStaysChecked();
    void rowClicksSetTheSlot();
    void keyboardSlotReportSelectsCustom();
    void renameRules_data();
    void renameRules();
    void uploadWithoutDrawingOrTransport();

private:
    QList<keyboardButCustom *> m_keys;
    QWidget *m_drawing = nullptr;
};

void tst_customlights::initTestCase()
{
    QVERIFY(startLibrary());
}

// A drawing of 6 x 22 keys, all black but the first (255, 128, 0) and the last (1, 2, 3).
void tst_customlights::init()
{
    m_drawing = new QWidget;
    m_keys.clear();
    for (int n = 0; n < 132; ++n) {
        auto *key = new keyboardButCustom(m_drawing);
        key->setGridIndex(n / 22, n % 22);
        key->setKeyColor(n == 0 ? QColor(255, 128, 0) : n == 131 ? QColor(1, 2, 3) : QColor(0, 0, 0));
        m_keys << key;
    }
    DDataManager::instance()->setKeyButtonList(m_keys);
}

void tst_customlights::cleanup()
{
    DDataManager::instance()->setKeyButtonList({});
    delete m_drawing;
    m_drawing = nullptr;
}

void tst_customlights::listShowsTheProfilesLights()
{
    Rig rig;
    addCustomLights(rig.store);
    QSignalSpy changed(rig.page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
    rig.child<QAbstractButton>("toolButton_CustomLed")->click();
    const QList<DCustomLightListItem *> rows = rig.page->customLightItems();
    QCOMPARE(rows.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(rows[i]->itemIndex(), QString::number(i));
        QCOMPARE(rows[i]->isUsingChecked(), i < 2);
    }
    QCOMPARE(rig.page->currentCustomLightItem(), rows[0]);
    QCOMPARE(rig.page->currentCustomLightIndex(), 0);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QCOMPARE(changed.at(0).at(1).toString(), QStringLiteral("0"));
    QCOMPARE(changed.at(0).at(2).toString(), QStringLiteral("Alphabets"));

    // A rebuild drops the earlier rows.
    rig.child<QAbstractButton>("toolButton_CustomLed")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(rig.page->findChildren<DCustomLightListItem *>().size(), 5);
}

void tst_customlights::checkingARowTakesTheSlotAndUploads()
{
    Rig rig;
    addCustomLights(rig.store);
    rig.page->selectDeviceCustomLight(0, 10, 1); // the keyboard uses slot 1
    QCOMPARE(rig.page->usingCustomIndex(), 1);
    QCOMPARE(rig.page->currentCustomLightItem(), rig.page->customLightItems().at(1));
    rig.newReports();

    DCustomLightListItem *row3 = rig.page->customLightItems().at(3);
    row3->findChild<QCheckBox *>(QStringLiteral("checkBox"))->click();

    QCOMPARE(storedLight(rig.store, 1).isUsing, QStringLiteral("UnUsing"));
    QCOMPARE(storedLight(rig.store, 1).slot, -1);
    QCOMPARE(storedLight(rig.store, 3).isUsing, QStringLiteral("Using"));
    QCOMPARE(storedLight(rig.store, 3).slot, 1);
    QCOMPARE(storedLight(rig.store, 0).slot, 0);
    QVERIFY(!rig.page->customLightItems().at(1)->isUsingChecked());
    QVERIFY(row3->isUsingChecked());

    const QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 9);
    for (int chunk = 0; chunk < 8; ++chunk) {
        QCOMPARE(int(at(sent[chunk], 1)), 0x08);
        QCOMPARE(int(at(sent[chunk], 2)), 1);
        QCOMPARE(int(at(sent[chunk], 4)), chunk);
        QCOMPARE(int(at(sent[chunk], 5)), chunk < 7 ? 54 : 18);
    }
    QCOMPARE(sent[0].mid(6, 3).toHex(), QByteArray("ff8000"));
    QCOMPARE(sent[7].mid(21, 3).toHex(), QByteArray("010203"));
    QCOMPARE(int(at(sent[8], 1)), 0x06);
    QCOMPARE(int(at(sent[8], 6)), 10);
    QCOMPARE(int(at(sent[8], 62)), 0);
    QCOMPARE(int(at(sent[8], 63)), 0);
}

void tst_customlights::checkedBoxStaysChecked()
{
    Rig rig;
    addCustomLights(rig.store);
    rig.child<QAbstractButton>("toolButton_CustomLed")->click();
    rig.newReports();
    DCustomLightListItem *row0 = rig.page->customLightItems().at(0);
    row0->findChild<QCheckBox *>(QStringLiteral("checkBox"))->click();
    QVERIFY(row0->isUsingChecked());
    QCOMPARE(storedLight(rig.store, 0).slot, 0);
    QVERIFY(rig.newReports().isEmpty());
}

// A click on a light not in use leaves no slot chosen; a box checked next
// replaces the light of slot 0.
void tst_customlights::rowClicksSetTheSlot()
{
    Rig rig;
    addCustomLights(rig.store);
    rig.page->selectDeviceCustomLight(0, 10, 1);
    QSignalSpy changed(rig.page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
    QList<DCustomLightListItem *> rows = rig.page->customLightItems();
    QTest::mouseClick(rows[1], Qt::LeftButton); // already current
    QCOMPARE(changed.count(), 0);
    QTest::mouseClick(rows[2], Qt::LeftButton);
    QCOMPARE(rig.page->usingCustomIndex(), -1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rig.page->currentCustomLightIndex(), 2);
    rows[4]->findChild<QCheckBox *>(QStringLiteral("checkBox"))->click();
    QCOMPARE(storedLight(rig.store, 0).slot, -1);
    QCOMPARE(storedLight(rig.store, 4).slot, 0);
    QCOMPARE(storedLight(rig.store, 1).slot, 1);
}

void tst_customlights::keyboardSlotReportSelectsCustom()
{
    Rig rig;
    addCustomLights(rig.store);
    rig.newReports();
    rig.page->selectDeviceCustomLight(0, 10, 1);
    QVERIFY(rig.child<QAbstractButton>("toolButton_CustomLed")->isChecked());
    const QList<QByteArray> sent = rig.newReports();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(at(sent[0], 6)), 10);
    // Chosen by hand, the list starts at slot 0 again.
    rig.child<QAbstractButton>("toolButton_CustomLed")->click();
    QCOMPARE(rig.page->usingCustomIndex(), 0);
}

void tst_customlights::renameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<bool>("stored");
    QTest::newRow("empty") << QString() << "Custom light name can't be empty" << false;
    QTest::newRow("63 bytes") << QString(21, QChar(0x4E2D)) << "Modify custom light name successful" << true;
    QTest::newRow("64 bytes") << QString(21, QChar(0x4E2D)) + QLatin1Char('x') << "Custom light name is too long"
                              << false;
    QTest::newRow("blanks") << "   " << "Modify custom light name successful" << true;
}

void tst_customlights::renameRules()
{
    QFETCH(QString, name);
    QFETCH(QString, toast);
    QFETCH(bool, stored);
    Rig rig;
    addCustomLights(rig.store);
    DDataManager::instance()->setProfileXmlPath(rig.store.constData());
    DDataManager::instance()->setCurrentProfileIndex(1);
    rig.child<QAbstractButton>("toolButton_CustomLed")->click();
    QSignalSpy tips(rig.page.get(), &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    DCustomLightListItem *row = rig.page->customLightItems().at(2);
    QTest::mouseDClick(row, Qt::LeftButton);
    QVERIFY(row->isRenaming());
    row->findChild<QLineEdit *>(QStringLiteral("lineEdit_CustomItemName"))->setText(name);
    row->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(tips.count(), 1);
    QCOMPARE(tips.at(0).at(0).toString(), toast);
    QCOMPARE(row->isRenaming(), !stored);
    QCOMPARE(storedLight(rig.store, 2).name, stored ? name : QStringLiteral("Custom 3"));
}

void tst_customlights::uploadWithoutDrawingOrTransport()
{
    Rig rig;
    addCustomLights(rig.store);
    rig.page->selectDeviceCustomLight(0, 10, 0);
    rig.newReports();
    DDataManager::instance()->setKeyButtonList({});
    rig.page->resendUsingCustomLight();
    QVERIFY(rig.newReports().isEmpty());

    DDataManager::instance()->setKeyButtonList(m_keys);
    rig.transport->hidApi_Close(1);
    rig.page->resendUsingCustomLight(); // every write refused, nothing else happens
    QVERIFY(rig.newReports().isEmpty());
}

QTEST_MAIN(tst_customlights)
#include "tst_customlights.moc"
