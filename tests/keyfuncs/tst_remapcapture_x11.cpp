// The remap page's capture against a real X server (run under tests/run-under-xvfb.sh;
// skipped with a message where no X server can start): a key pressed while
// the capture bubble is open is stored as the key's new target and does not
// reach the window that had the focus. xdotool presses the keys through
// XTest, which the hook sees like a physical keyboard.
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>
#include <QX11Info>
#include <QtTest>

#include <cstdio>

#include "keyFuncsFixture.h"
#include "../keyhook/x11HelperWindow.h"
#include "platform/x11RecordHook.h"
#include "ui/customKeys/DChangeKeyPage.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/widgets/ArrowWidget.h"
#include "../testWait.h"

using namespace keyFuncsTest;

namespace {

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

} // namespace

class tst_RemapCaptureX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void capturedKeyIsStoredAndWithheld();

private:
    x11Test::HelperWindow m_helper;
    Stores m_stores;
};

void tst_RemapCaptureX11::initTestCase()
{
    if (!QX11Info::isPlatformX11())
        QSKIP("no X server could be started for this test (run it under tests/run-under-xvfb.sh): the capture is not tested");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed: the capture is not tested");
    QVERIFY2(X11RecordHook::isAvailable(), "the X server offers no RECORD extension");
    QVERIFY(m_stores.create());
}

void tst_RemapCaptureX11::cleanup()
{
    m_helper.stop();
}

void tst_RemapCaptureX11::capturedKeyIsStoredAndWithheld()
{
    DCustomKeysPage keys;
    keys.setProfileIndex(1);
    keys.setProfilePath(m_stores.profiles.constData());
    keys.setGeometry(100, 420, 1100, 260);
    keys.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keys));

    // The other program takes the focus and types.
    QVERIFY2(m_helper.start(), "the helper window did not start");
    QTest::qWait(300);
    xdotool({QStringLiteral("type"), QStringLiteral("x")});
    QTRY_COMPARE_WITH_TIMEOUT(m_helper.text(), QStringLiteral("x"), testWait::kHangMs);

    // Key A, remap page, a click into its edit opens the capture bubble.
    DDataManager::instance()->setCurrentKey(4, QStringLiteral("A"));
    keys.findChild<QToolButton *>("toolButton_RemapKey")->click();
    auto *remap = qobject_cast<DChangeKeyPage *>(keys.functionPage(DCustomKeysPage::IdRemapKey));
    QVERIFY(remap);
    auto *edit = remap->findChild<QLineEdit *>("lineEdit_changForKey");
    // A real click, as the user's: the window has to take the focus back
    // from the other program first.
    const QPoint centre = edit->mapToGlobal(edit->rect().center());
    xdotool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(remap->popup()->isVisible(), testWait::kHangMs);
    QTRY_VERIFY_WITH_TIMEOUT(keys.hook().isRunning(), testWait::kHangMs);
    QCOMPARE(keys.hookMode(), int(HookRemapCapture));

    xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    QTRY_COMPARE_WITH_TIMEOUT(stored(m_stores.profiles, 4).value, QByteArray("41"), testWait::kHangMs);
    QCOMPARE(stored(m_stores.profiles, 4).type, QByteArray("0"));
    QCOMPARE(remap->shownText(), QStringLiteral("Esc"));
    // A typing key goes to the capture, not to the other program.
    xdotool({QStringLiteral("type"), QStringLiteral("b")});
    QTRY_COMPARE_WITH_TIMEOUT(stored(m_stores.profiles, 4).value, QByteArray("5"), testWait::kHangMs);
    QTest::qWait(300);
    QCOMPARE(m_helper.text(), QStringLiteral("x"));
    QVERIFY(remap->popup()->isVisible());

    // A click into the edit keeps the bubble and the capture; a click
    // elsewhere in the window closes the bubble and stops the hook.
    xdotool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(300);
    QVERIFY(remap->popup()->isVisible());
    QVERIFY(keys.hook().isRunning());
    const QPoint away = keys.mapToGlobal(QPoint(5, keys.height() - 5));
    QVERIFY(!remap->popup()->geometry().contains(away));
    xdotool({QStringLiteral("mousemove"), QString::number(away.x()), QString::number(away.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(!remap->popup()->isVisible(), testWait::kHangMs);
    QTRY_VERIFY_WITH_TIMEOUT(!keys.hook().isRunning(), testWait::kHangMs);
    QVERIFY(!remap->isPopupOpen());
}

int main(int argc, char **argv)
{
    if (x11Test::isHelperWindowRun(argc, argv))
        return x11Test::runHelperWindow(argc, argv, QRect(700, 600, 300, 40));
    QApplication app(argc, argv);
    tst_RemapCaptureX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_remapcapture_x11.moc"
