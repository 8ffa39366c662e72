// Byte-exact checks of every outbound report and of the parsers of inbound
// reports. No keyboard needed.
#include "hid/DDeviceHidCmdSend.h"
#include "hid/MainHidInterFace.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {
// "01 13 .." -> 64 bytes, zero-padded.
QByteArray report(const char *hex)
{
    QByteArray bytes = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    bytes.append(QByteArray(64 - bytes.size(), '\0'));
    return bytes;
}

QByteArray inbound(int code, std::initializer_list<std::pair<int, int>> bytes)
{
    QByteArray r(64, '\0');
    r[0] = 1;
    r[1] = char(code);
    for (const auto &b : bytes)
        r[b.first] = char(b.second);
    return r;
}

const unsigned char *u(const QByteArray &b)
{
    return reinterpret_cast<const unsigned char *>(b.constData());
}
} // namespace

class tst_hidreport : public QObject
{
    Q_OBJECT
private slots:
    void builders_data();
    void builders();
    void writeSNGeneratesHexDigits();
    void serialNumberValidity_data();
    void serialNumberValidity();
    void lightTypeList_data();
    void lightTypeList();
    void frameSizeByModel_data();
    void frameSizeByModel();
};

void tst_hidreport::builders_data()
{
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("expected");

    const unsigned char keys[8] = {0x02, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x29};
    QByteArray full(64, '\0');
    for (int i = 0; i < 64; ++i)
        full[i] = char(0x80 + i); // bytes outside 6..18 must not travel

    QTest::newRow("keep-alive") << DDeviceHidCmdSend::buildShakeHands().toByteArray() << report("00 00 00 00 00 01 00");
    QTest::newRow("sn inquiry") << DDeviceHidCmdSend::buildInquireDeviceSN().toByteArray() << report("00 14");
    QTest::newRow("write sn") << DDeviceHidCmdSend::buildWriteSN("0123456789abcdef0123456789ABCDEF").toByteArray()
                              << report("01 15 00 00 00 20 3031323334353637383961626364656630313233343536373839414243444546");
    QTest::newRow("write sn cut to 32")
        << DDeviceHidCmdSend::buildWriteSN(QByteArray(40, 'z')).toByteArray()
        << report("01 15 00 00 00 20 7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a7a");
    QTest::newRow("six key") << DDeviceHidCmdSend::buildWriteSixKey(keys).toByteArray()
                             << report("01 03 00 00 00 09 02 00 04 05 00 00 00 29");
    QTest::newRow("full key") << DDeviceHidCmdSend::buildWriteFullKey(u(full)).toByteArray()
                              << report("01 04 00 00 00 15 86 87 88 89 8a 8b 8c 8d 8e 8f 90 91 92");
    QTest::newRow("light mode list") << DDeviceHidCmdSend::buildInquireLightMode().toByteArray() << report("01 09");
    QTest::newRow("side light mode list") << DDeviceHidCmdSend::buildInquireSideLightMode().toByteArray() << report("01 01");
    QTest::newRow("keyboard light config") << DDeviceHidCmdSend::buildInquireKeyboardLightConfig().toByteArray()
                                           << report("01 06 01");
    QTest::newRow("side light config") << DDeviceHidCmdSend::buildInquireSideLightConfig().toByteArray()
                                       << report("01 07 01");
    QTest::newRow("reset") << DDeviceHidCmdSend::buildReset().toByteArray() << report("01 13 00 00 00 01 01");
    QTest::newRow("sleep 5 300") << DDeviceHidCmdSend::buildSetSleepTime(5, 300).toByteArray()
                                 << report("01 13 01 00 00 01 00 00 00 00 05 01 2C");
    QTest::newRow("sleep 60000 60000") << DDeviceHidCmdSend::buildSetSleepTime(60000, 60000).toByteArray()
                                       << report("01 13 01 00 00 01 00 00 00 EA 60 EA 60");
    QTest::newRow("sleep beyond 16 bits pinned") << DDeviceHidCmdSend::buildSetSleepTime(70000, -5).toByteArray()
                                                 << report("01 13 01 00 00 01 00 00 00 FF FF 00 00");
    QTest::newRow("lock 1 0 1 0") << DDeviceHidCmdSend::buildLockWin(1, 0, 1, 0).toByteArray()
                                  << report("01 13 00 00 00 01 00 00 00 00 00 00 00 01 00 01 00");
    QTest::newRow("lock all") << DDeviceHidCmdSend::buildLockWin(1, 1, 1, 1).toByteArray()
                              << report("01 13 00 00 00 01 00 00 00 00 00 00 00 01 01 01 01");
    QTest::newRow("check layout") << DDeviceHidCmdSend::buildCheckLayout().toByteArray() << report("01 0D");
    QTest::newRow("check sleep time") << DDeviceHidCmdSend::buildCheckSleepTime().toByteArray()
                                      << report("01 13 02 00 00 01");
}

void tst_hidreport::builders()
{
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, expected);
    QCOMPARE(built.size(), 64);
    QCOMPARE(built.toHex(' '), expected.toHex(' '));
}

void tst_hidreport::writeSNGeneratesHexDigits()
{
    // Without a transport the report cannot be queued; the number is still returned.
    DDeviceHidCmdSend send;
    const QString a = send.writeSN(QString());
    const QString b = send.writeSN(QString());
    const QRegularExpression hex32(QStringLiteral("^[0-9a-f]{32}$"));
    QVERIFY2(hex32.match(a).hasMatch(), qPrintable(a));
    QVERIFY2(hex32.match(b).hasMatch(), qPrintable(b));
    QVERIFY(a != b);
    QCOMPARE(send.writeSN(QStringLiteral("given")), QStringLiteral("given"));
    const QByteArray built = DDeviceHidCmdSend::buildWriteSN(a.toLocal8Bit()).toByteArray();
    QCOMPARE(built.mid(6, 32), a.toLatin1());
    QCOMPARE(built.mid(38), QByteArray(26, '\0'));
}

void tst_hidreport::serialNumberValidity_data()
{
    QTest::addColumn<QString>("sn");
    QTest::addColumn<bool>("valid");
    QTest::newRow("hex") << DDeviceHidCmdSend::generateSN() << true;
    QTest::newRow("mixed case") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("three") << QStringLiteral("abc") << false;
    QTest::newRow("33") << QString(33, QLatin1Char('a')) << false;
    QTest::newRow("slash") << QStringLiteral("0123456789abcdef0123456789abcd/e") << false;
    QTest::newRow("dot dot") << QStringLiteral("..3456789abcdef0123456789abcdefg") << false;
    QTest::newRow("space") << QStringLiteral("0123456789abcdef 123456789abcdef") << false;
    QTest::newRow("latin1") << QStringLiteral("0123456789abcdef0123456789abcde\u00e9") << false;
}

void tst_hidreport::serialNumberValidity()
{
    QFETCH(QString, sn);
    QFETCH(bool, valid);
    QCOMPARE(DDeviceHidCmdSend::isValidSN(sn), valid);
}

void tst_hidreport::lightTypeList_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("brightness");

    QTest::newRow("one marker") << inbound(0x0A, {{6, 0}, {7, 1}, {8, 2}, {9, 0xA5}, {10, 5}, {11, 4}})
                                << QList<int>{0, 1, 2} << 5 << 4;
    QTest::newRow("two markers") << inbound(0x02, {{6, 3}, {7, 0xA5}, {8, 0x5A}, {9, 2}, {10, 6}}) << QList<int>{3} << 2
                                 << 6;
    QTest::newRow("marker first") << inbound(0x02, {{6, 0x5A}, {7, 9}, {8, 8}}) << QList<int>{} << 9 << 8;
    QTest::newRow("trailing markers to the end") << [] {
        QByteArray r = inbound(0x0A, {{6, 7}});
        for (int i = 7; i < 64; ++i)
            r[i] = char(0xA5);
        return r;
    }() << QList<int>{7} << 0 << 0;

    QByteArray at62 = inbound(0x0A, {{62, 0xA5}, {63, 3}});
    for (int i = 6; i < 62; ++i)
        at62[i] = char(1);
    QTest::newRow("marker at 62") << at62 << QVector<int>(56, 1).toList() << 3 << 0;

    QByteArray at63 = inbound(0x0A, {{63, 0x5A}});
    for (int i = 6; i < 63; ++i)
        at63[i] = char(2);
    QTest::newRow("marker at 63") << at63 << QVector<int>(57, 2).toList() << 0 << 0;

    QByteArray none = inbound(0x0A, {{6, 1}, {7, 2}});
    QList<int> all{1, 2};
    all.append(QVector<int>(56, 0).toList());
    QTest::newRow("no marker") << none << all << 0 << 0;
}

void tst_hidreport::lightTypeList()
{
    QFETCH(QByteArray, report);
    QFETCH(QList<int>, types);
    QFETCH(int, speed);
    QFETCH(int, brightness);
    const lightSupportPart part = DDeviceHidCmdSend::parseLightTypeList(u(report));
    QCOMPARE(part.lightTypes, types);
    QCOMPARE(part.speedMax, speed);
    QCOMPARE(part.brightnessMax, brightness);
}

void tst_hidreport::frameSizeByModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("size");
    // Every model whose stream carries three side chunks.
    for (const char *m : {"Wendar", "Quendo", "Yolma", "Brisko", "Pravo", "Nelta", "Vokar", "Pasko", "Tuvel", "Caspo",
                          "Fenko", "Belvi", "Ormak", "Ixtal", "Zelto", "Lumba", "Hasli", "Dravil"})
        QTest::newRow(m) << QString::fromLatin1(m) << 11;
    QTest::newRow("other") << QStringLiteral("Zeno") << 10;
    QTest::newRow("case matters") << QStringLiteral("caspo") << 10;
    QTest::newRow("empty") << QString() << 10;
}

void tst_hidreport::frameSizeByModel()
{
    QFETCH(QString, model);
    QFETCH(int, size);
    QCOMPARE(MainHidInterFace::lightFrameSize(model), size);
}

QTEST_GUILESS_MAIN(tst_hidreport)
#include "tst_hidreport.moc"
