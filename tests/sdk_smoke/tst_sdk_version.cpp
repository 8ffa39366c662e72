#include <QtTest>

#include "vardexSdk.h"

class tst_sdk_version : public QObject
{
    Q_OBJECT
private slots:
    void versionTextIsTerminatedAndShort()
    {
        char text[1024] = {};
        CVardexSDK_VersionStr(text);
        const size_t len = strnlen(text, sizeof text);
        QVERIFY(len > 0);
        QVERIFY(len < sizeof text);
    }
};

QTEST_GUILESS_MAIN(tst_sdk_version)
#include "tst_sdk_version.moc"
