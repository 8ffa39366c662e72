// The simulated keyboard keeps what it is sent of its lights, answers
// inquiries with it, and (with a memory folder) still holds it when the
// program starts again.
#include "vardexSdk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <list>
#include <string>

namespace {

const char kScenario[] = R"({"devices":[{"model":"Brisko","connection":"cable","statusIntervalMs":0}]})";

QByteArray report(std::initializer_list<int> head)
{
    QByteArray r(64, '\0');
    int i = 0;
    for (int b : head)
        r[i++] = char(b);
    return r;
}

} // namespace

class tst_simlight : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsAndAnswers();
    void customLightChunks();
    void memorySurvivesARestart();
    void liveSlotOnlyThroughReceiver_data();
    void liveSlotOnlyThroughReceiver();

private:
    // Reloads the scenario, as a new program run would, and opens the keyboard.
    void restart();
    QByteArray inquire(int cmd);
    void write(const QByteArray &r) { QCOMPARE(CVardexHid_HidWriteBuff(m_handle, reinterpret_cast<const unsigned char *>(r.constData()), m_path.constData()), 64); }

    QTemporaryDir m_memory;
    QByteArray m_path;
    int m_handle = 0;
};

void tst_simlight::initTestCase()
{
    qputenv("VARDEX_SIM_MEMORY", QFile::encodeName(m_memory.path()));
    QCOMPARE(CVardexSim_Enable(nullptr), 0);
    QCOMPARE(CVardexHid_Init(), 0);
    restart();
}

void tst_simlight::restart()
{
    if (m_handle)
        CVardexHid_Close(m_handle);
    QCOMPARE(CVardexSim_LoadScenarioText(kScenario), 0);
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    QVERIFY(!paths.empty());
    m_path = QByteArray::fromStdString(paths.front());
    m_handle = CVardexHid_OpenPath(m_path.constData());
    QVERIFY(m_handle != 0);
    CVardexHid_SetNonblocking(m_handle, 1);
}

QByteArray tst_simlight::inquire(int cmd)
{
    write(report({1, cmd, 1}));
    unsigned char buffer[64];
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 2000) {
        const int n = CVardexHid_HidReadBuff(m_handle, buffer);
        if (n == 64 && buffer[1] == (cmd == 0x06 ? 0x07 : 0x08))
            return QByteArray(reinterpret_cast<const char *>(buffer), 64);
        QTest::qWait(5);
    }
    return QByteArray();
}

void tst_simlight::keepsAndAnswers()
{
    QFile log(QString::fromLocal8Bit(qgetenv("VARDEX_SIM_LOG")));
    const qint64 logStart = log.exists() ? log.size() : 0;
    // Radar, brightness 2, speed 1, red over blue, clockwise, full colour, extra 9, then a clock.
    QByteArray keys = report({1, 0x06, 0, 0, 0, 14, 4, 2, 1, 255, 0, 0, 0, 0, 255, 6, 1, 9});
    keys[62] = char(0x12);
    keys[63] = char(0x34);
    write(keys);
    write(report({1, 0x07, 0, 0, 0, 13, 3, 1, 1, 0, 255, 0, 0, 0, 0, 0, 1, 0}));

    const QByteArray answer = inquire(0x06);
    QCOMPARE(answer.mid(6, 13).toHex(' '), QByteArray("04 02 01 ff 00 00 00 00 ff 06 01 09 00"));
    QCOMPARE(inquire(0x07).mid(6, 3).toHex(' '), QByteArray("03 01 01"));

    CVardexSimState state;
    QCOMPARE(CVardexSim_GetState(m_path.constData(), &state), 0);
    QCOMPARE(int(state.keyLight[0]), 4);
    QCOMPARE(int(state.sideLight[0]), 3);

    QVERIFY(log.open(QIODevice::ReadOnly));
    log.seek(logStart);
    const QByteArray text = log.readAll();
    QVERIFY2(text.contains("# keys light: effect 4 brightness 2 speed 1 top ff0000 bottom 0000ff direction 6"),
             text.constData());
    QVERIFY(text.contains("# side light: effect 3"));
}

void tst_simlight::customLightChunks()
{
    for (int chunk = 0; chunk < 8; ++chunk) {
        QByteArray r = report({1, 0x08, 1, 0, chunk, chunk < 7 ? 54 : 18});
        r[6] = char(10 + chunk);
        write(r);
    }
    // A chunk past the grid or a slot the keyboard lacks changes nothing.
    write(report({1, 0x08, 1, 0, 9, 54, 99}));
    write(report({1, 0x08, 5, 0, 0, 54, 99}));
    unsigned char colours[396];
    QCOMPARE(CVardexSim_GetCustomLight(m_path.constData(), 1, colours), 396);
    for (int chunk = 0; chunk < 8; ++chunk)
        QCOMPARE(int(colours[chunk * 54]), 10 + chunk);
    CVardexSimState state;
    CVardexSim_GetState(m_path.constData(), &state);
    QCOMPARE(state.customLightSlot, 1);
}

void tst_simlight::memorySurvivesARestart()
{
    write(report({1, 0x06, 0, 0, 0, 14, 7, 3, 3, 0, 0, 255, 0, 0, 0, 4, 1, 0}));
    for (int chunk = 0; chunk < 8; ++chunk) {
        QByteArray r = report({1, 0x08, 0, 0, chunk, chunk < 7 ? 54 : 18});
        r[8] = char(200);
        write(r);
    }
    restart();
    QCOMPARE(inquire(0x06).mid(6, 4).toHex(' '), QByteArray("07 03 03 00"));
    unsigned char colours[396];
    QCOMPARE(CVardexSim_GetCustomLight(m_path.constData(), 0, colours), 396);
    QCOMPARE(int(colours[2]), 200);

    // A damaged memory file leaves the keyboard's defaults.
    QDir dir(m_memory.path());
    for (const QString &f : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(f));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("keyLight zz\ncustom 7 00\ngarbage\n");
    }
    restart();
    QCOMPARE(inquire(0x06).mid(6, 1).toHex(), QByteArray("01"));
}

void tst_simlight::liveSlotOnlyThroughReceiver_data()
{
    QTest::addColumn<QByteArray>("connection");
    QTest::addColumn<bool>("kept");
    QTest::newRow("receiver") << QByteArray("receiver") << true;
    QTest::newRow("cable") << QByteArray("cable") << false;
}

// The program uploads the colours it shows to a receiver keyboard as slot 2;
// they are shown, not stored, so the chosen stored slot stays as it was.
void tst_simlight::liveSlotOnlyThroughReceiver()
{
    QFETCH(QByteArray, connection);
    QFETCH(bool, kept);
    if (m_handle)
        CVardexHid_Close(m_handle);
    m_handle = 0;
    const QByteArray scenario =
        R"({"devices":[{"model":"Yolma","connection":")" + connection + R"(","statusIntervalMs":0}]})";
    QCOMPARE(CVardexSim_LoadScenarioText(scenario.constData()), 0);
    std::list<std::string> paths;
    CVardexHid_GetHidInfoList(paths);
    QVERIFY(!paths.empty());
    m_path = QByteArray::fromStdString(paths.front());
    m_handle = CVardexHid_OpenPath(m_path.constData());
    QVERIFY(m_handle != 0);
    CVardexSimState before;
    QCOMPARE(CVardexSim_GetState(m_path.constData(), &before), 0);

    QFile log(QString::fromLocal8Bit(qgetenv("VARDEX_SIM_LOG")));
    const qint64 logStart = log.exists() ? log.size() : 0;
    for (int chunk = 0; chunk < 8; ++chunk) {
        QByteArray r = report({1, 0x08, 2, 0, chunk, chunk < 7 ? 54 : 18});
        r[6] = char(30 + chunk);
        write(r);
    }
    unsigned char colours[396];
    QCOMPARE(CVardexSim_GetCustomLight(m_path.constData(), 2, colours) == 396, kept);
    if (kept)
        for (int chunk = 0; chunk < 8; ++chunk)
            QCOMPARE(int(colours[chunk * 54]), 30 + chunk);
    CVardexSimState after;
    QCOMPARE(CVardexSim_GetState(m_path.constData(), &after), 0);
    QCOMPARE(after.customLightSlot, before.customLightSlot);

    QVERIFY(log.open(QIODevice::ReadOnly));
    log.seek(logStart);
    const QByteArray text = log.readAll();
    QCOMPARE(text.count("malformed chunk ignored"), kept ? 0 : 8);
    QCOMPARE(text.count("custom light slot 2 chunk"), kept ? 8 : 0);
}

QTEST_GUILESS_MAIN(tst_simlight)
#include "tst_simlight.moc"
