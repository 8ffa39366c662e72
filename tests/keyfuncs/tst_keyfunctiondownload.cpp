#include <QtTest>
class tst_KeyFunctionDownload : public QObject { Q_OBJECT };
QTEST_MAIN(tst_KeyFunctionDownload)
#include "tst_keyfunctiondownload.moc"
