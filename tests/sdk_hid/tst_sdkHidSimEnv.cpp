// VARDEX_SIM=1 and VARDEX_SIM_LOG turn the simulator and its log on with no
// call of the control API.
#include <QtTest>

#include "vardexSdk.h"

class TstSdkHidSimEnv : public QObject
{
    Q_OBJECT

private slots:
    void environmentSelectsTheDefaultScenarioAndTheLog()
    {
        const QString logPath = QString::fromLocal8Bit(qgetenv("VARDEX_SIM_LOG"));
        QFile::remove(logPath);
        QCOMPARE(CVardexHid_Init(), 0);
        QCOMPARE(CVardexSim_IsEnabled(), 1);

        std::list<std::string> paths;
        QCOMPARE(CVardexHid_GetHidInfoList(paths), 2);
        hidStructInfo info;
        hidFirmwareInfo fw;
        QVERIFY(CVardexHid_GetHidAndFirmwareInfoStu(paths.front().c_str(), &info, &fw)); // asks 0x0D
        QCOMPARE(info.hidUsbOrDongle, 0);

        QFile f(logPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 2);
        const QRegularExpression re("^\\d+ sim://\\S+ [<>] [0-9a-f]{128}$");
        for (const QString &line : lines)
            QVERIFY2(re.match(line).hasMatch(), qPrintable(line));
        QVERIFY(lines[0].contains(" > 010d"));
        QVERIFY(lines[1].contains(" < 010d"));
    }
};

QTEST_GUILESS_MAIN(TstSdkHidSimEnv)
#include "tst_sdkHidSimEnv.moc"
