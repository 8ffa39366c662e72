// Typing a text and launching a program, as custom keys do, on a real X
// server (run under tests/run-under-xvfb.sh).
#include "platform/keyActions.h"
#include "../testWait.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QX11Info>
#include <QtTest>

class tst_keyactions_x11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void typesTextIntoFocusedLineEdit_data();
    void typesTextIntoFocusedLineEdit();
    void launchesExecutableScript();
    void launchRefusesEmptyTarget();
};

void tst_keyactions_x11::initTestCase()
{
    QVERIFY2(QX11Info::isPlatformX11(), "this test needs an X11 display (run it under tests/run-under-xvfb.sh)");
}

void tst_keyactions_x11::typesTextIntoFocusedLineEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QStringLiteral("hello, keyboard 42");
    QTest::newRow("utf-8") << QStringLiteral("Grüße – 你好");
}

void tst_keyactions_x11::typesTextIntoFocusedLineEdit()
{
    QFETCH(QString, text);
    QLineEdit edit;
    edit.setText(QStringLiteral("> "));
    edit.end(false);
    edit.show();
    edit.activateWindow();
    edit.raise();
    QVERIFY(QTest::qWaitForWindowActive(&edit, testWait::kHangMs));
    edit.setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(edit.hasFocus(), testWait::kHangMs);

    QVERIFY(keyActions::typeTextByPaste(text));
    QCOMPARE(QApplication::clipboard()->text(), text);
    QTRY_COMPARE_WITH_TIMEOUT(edit.text(), QStringLiteral("> ") + text, testWait::kHangMs);
}

void tst_keyactions_x11::launchesExecutableScript()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marker = dir.filePath(QStringLiteral("marker.txt"));
    const QString script = dir.filePath(QStringLiteral("leave marker.sh"));
    QFile f(script);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\necho launched > \"%1\"\n").arg(marker).toUtf8());
    f.close();
    QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner));

    QVERIFY(keyActions::launchProgram(script));
    auto markerText = [&marker] {
        QFile m(marker);
        return m.open(QIODevice::ReadOnly) ? m.readAll() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(markerText(), QByteArray("launched\n"), testWait::kHangMs);
}

void tst_keyactions_x11::launchRefusesEmptyTarget()
{
    QVERIFY(!keyActions::launchProgram(QString()));
}

QTEST_MAIN(tst_keyactions_x11)
#include "tst_keyactions_x11.moc"
