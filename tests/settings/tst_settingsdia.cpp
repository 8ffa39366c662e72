// The settings dialog: language choice and its stored values, the switches
// and their failures, and the title-bar logo.
#include "app/QtLinguist.h"
#include "data/DDataManager.h"
#include "platform/autostart.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/widgets/CbNotice.h"
#include "../testWait.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {

QString settingsFile()
{
    return DDataManager::instance()->userConfigDir() + QStringLiteral("/VardexConfig.ini");
}

QVariant storedValue(const QString &key)
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(key);
}

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

} // namespace

class tst_SettingsDia : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void languageChoiceStoresItsValue_data();
    void languageChoiceStoresItsValue();
    void unknownStoredLanguageShowsChinese_data();
    void unknownStoredLanguageShowsChinese();
    void languageThatDoesNotLoadChangesNoText();
    void autoStartSwitch();
    void toastCoversNoContent();
    void dividerOnThePageSide_data();
    void dividerOnThePageSide();
    void trayChoiceSaysWhenNoTrayRuns_data();
    void trayChoiceSaysWhenNoTrayRuns();
    void failedWritesAreReported();
    void logoDoubleClickOpensFirmwareInfo();
    void everyWayOutClosesTheDialog_data();
    void everyWayOutClosesTheDialog();

private:
    QtLinguist m_linguist;
};

void tst_SettingsDia::init()
{
    QFile::remove(settingsFile());
    QDir(settingsFile()).removeRecursively();
    autostart::removeEntry();
    DSettingsDia::languageLoader() = [this](int language) { return m_linguist.load(language); };
    QVERIFY(m_linguist.load(3));
}

void tst_SettingsDia::cleanup()
{
    QDir(settingsFile()).removeRecursively();
    QFile::remove(settingsFile());
    QFile::remove(autostart::entryPath());
    QDir(autostart::entryPath()).removeRecursively();
    QFile::remove(QFileInfo(autostart::entryPath()).absolutePath());
}

void tst_SettingsDia::languageChoiceStoresItsValue_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("languageLabel");
    QTest::newRow("English") << "English" << 3 << "Language";
    QTest::newRow("Japanese") << "日本語" << 4 << "言語";
    QTest::newRow("Czech") << "Čeština" << 15 << "Jazyk";
    QTest::newRow("Ukrainian") << "Україна" << 14 << "Мова";
    QTest::newRow("German") << "Deutsch" << 10 << "Sprache";
    QTest::newRow("Arabic") << QString(QChar(0x00A0)) + QStringLiteral("عربي ") + QChar(0x060C) << 7 << "اللغة";
}

void tst_SettingsDia::languageChoiceStoresItsValue()
{
    QFETCH(QString, item);
    QFETCH(int, stored);
    QFETCH(QString, languageLabel);
    QSettings(settingsFile(), QSettings::IniFormat).setValue(QStringLiteral("Language/selectLanguageIndex"), 1);
    QPointer<DSettingsDia> dialog = new DSettingsDia;
    QSignalSpy retranslated(dialog.data(), &DSettingsDia::sigUpdataAllUI);
    auto *combo = child<QComboBox>(dialog, "comboBox_Language");
    QCOMPARE(combo->count(), 15);
    combo->setCurrentIndex(combo->findText(item));
    QCOMPARE(storedValue(QStringLiteral("Language/selectLanguageIndex")).toInt(), stored);
    QCOMPARE(retranslated.count(), 1);
    QCOMPARE(child<QLabel>(dialog, "label")->text(), languageLabel);
    delete dialog;

    // Opened again, the dialog shows the stored language.
    DSettingsDia again;
    QCOMPARE(child<QComboBox>(&again, "comboBox_Language")->currentText(), item);
    QVERIFY(m_linguist.load(3));
}

void tst_SettingsDia::unknownStoredLanguageShowsChinese_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("missing") << QVariant();
    QTest::newRow("0") << QVariant(0);
    QTest::newRow("16") << QVariant(16);
    QTest::newRow("not a number") << QVariant(QStringLiteral("abc"));
}

void tst_SettingsDia::unknownStoredLanguageShowsChinese()
{
    QFETCH(QVariant, stored);
    if (stored.isValid())
        QSettings(settingsFile(), QSettings::IniFormat).setValue(QStringLiteral("Language/selectLanguageIndex"), stored);
    DSettingsDia dialog;
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_Language")->currentText(), QStringLiteral("简体中文"));
    QCOMPARE(storedValue(QStringLiteral("Language/selectLanguageIndex")), stored);
}

void tst_SettingsDia::languageThatDoesNotLoadChangesNoText()
{
    DSettingsDia::languageLoader() = [](int) { return false; };
    DSettingsDia dialog;
    QSignalSpy retranslated(&dialog, &DSettingsDia::sigUpdataAllUI);
    auto *combo = child<QComboBox>(&dialog, "comboBox_Language");
    combo->setCurrentIndex(combo->findText(QStringLiteral("Deutsch")));
    QCOMPARE(storedValue(QStringLiteral("Language/selectLanguageIndex")).toInt(), 10);
    QCOMPARE(retranslated.count(), 0);
    QCOMPARE(child<QLabel>(&dialog, "label")->text(), QStringLiteral("Language"));
}

void tst_SettingsDia::autoStartSwitch()
{
    DSettingsDia dialog;
    auto *box = child<QCheckBox>(&dialog, "checkBox_AutoStart");
    QVERIFY(!box->isChecked());
    box->click();
    QCOMPARE(dialog.lastNotice(), QStringLiteral("Set config success"));
    QVERIFY(autostart::entryExists());
    QCOMPARE(storedValue(QStringLiteral("AutoStart/isAutoStart")).toBool(), true);
    box->click();
    QCOMPARE(dialog.lastNotice(), QStringLiteral("Set config success"));
    QVERIFY(!QFile::exists(autostart::entryPath()));
    QCOMPARE(storedValue(QStringLiteral("AutoStart/isAutoStart")).toBool(), false);

    child<QCheckBox>(&dialog, "checkBox_Close")->click();
    QCOMPARE(storedValue(QStringLiteral("CloseToTray/isCloseToTray")).toBool(), true);
}

// The toast sits on the title bar, clear of the page and its buttons
// ("Firmware upgrade check" among them).
void tst_SettingsDia::toastCoversNoContent()
{
    DSettingsDia dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QCheckBox>(&dialog, "checkBox_AutoStart")->click();
    CbNotice *toast = dialog.notice();
    QTRY_VERIFY_WITH_TIMEOUT(toast->isVisible(), testWait::kHangMs);
    const QRect shown = toast->geometry();
    for (const char *name : {"stackedWidget", "frame_3", "pushButton_UpgradeCheck", "pushButton_Close", "label_Title",
                             "frame_LogoSet"}) {
        QWidget *w = child<QWidget>(&dialog, name);
        QVERIFY2(w, name);
        QVERIFY2(!shown.intersects(QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size())), name);
    }
}

void tst_SettingsDia::dividerOnThePageSide_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("left to right") << false;
    QTest::newRow("right to left") << true;
}

// The line between the page buttons and the page stays between them when
// the dialog runs right to left (the buttons then stand on the right).
void tst_SettingsDia::dividerOnThePageSide()
{
    QFETCH(bool, rightToLeft);
    // Arabic turns the whole interface right to left.
    QVERIFY(m_linguist.load(rightToLeft ? 7 : 3));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    DSettingsDia dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *buttons = child<QFrame>(&dialog, "frame_3");
    const QImage img = buttons->grab().toImage();
    const int y = img.height() / 2;
    const QColor line(52, 52, 86);
    const int pageSide = rightToLeft ? 1 : img.width() - 2;
    const int outerSide = rightToLeft ? img.width() - 2 : 1;
    QVERIFY(m_linguist.load(3));
    QCoreApplication::processEvents();
    QCOMPARE(img.pixelColor(pageSide, y), line);
    QVERIFY(img.pixelColor(outerSide, y) != line);
}

void tst_SettingsDia::trayChoiceSaysWhenNoTrayRuns_data()
{
    QTest::addColumn<bool>("trayRuns");
    QTest::newRow("tray") << true;
    QTest::newRow("no tray") << false;
}

// Without a tray the close button ends the program: the choice says so
// under itself, and stays available for when a tray runs.
void tst_SettingsDia::trayChoiceSaysWhenNoTrayRuns()
{
    QFETCH(bool, trayRuns);
    const std::function<bool()> saved = DMainWidget::trayAvailable();
    bool available = trayRuns;
    DMainWidget::trayAvailable() = [&available] { return available; };
    DSettingsDia dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *note = child<QLabel>(&dialog, "label_NoTray");
    auto *box = child<QCheckBox>(&dialog, "checkBox_Close");
    QVERIFY(note);
    QCOMPARE(note->isVisible(), !trayRuns);
    QVERIFY(box->isEnabled());
    if (!trayRuns) {
        QVERIFY(note->text().contains(QStringLiteral("tray")));
        // Right under the choice.
        QVERIFY(note->geometry().top() >= box->geometry().bottom());
        QVERIFY(note->geometry().top() - box->geometry().bottom() < 20);
    }
    // A tray that starts later: the note goes at the next opening.
    dialog.hide();
    available = true;
    dialog.show();
    QVERIFY(!note->isVisible());
    DMainWidget::trayAvailable() = saved;
}

// A settings file or autostart folder that cannot be written is reported,
// never "Set config success" (a folder in the file's place fails for root
// as well).
void tst_SettingsDia::failedWritesAreReported()
{
    {
        QVERIFY(QDir().mkpath(settingsFile()));
        DSettingsDia dialog;
        child<QCheckBox>(&dialog, "checkBox_Close")->click();
        QCOMPARE(dialog.lastNotice(), QStringLiteral("Set config failed"));
        QDir(settingsFile()).removeRecursively();
    }
    {
        const QString autostartDir = QFileInfo(autostart::entryPath()).absolutePath();
        QDir(autostartDir).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(autostartDir).absolutePath()));
        QFile blocker(autostartDir);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        DSettingsDia dialog;
        child<QCheckBox>(&dialog, "checkBox_AutoStart")->click();
        QCOMPARE(dialog.lastNotice(), QStringLiteral("Set config failed"));
        QFile::remove(autostartDir);
    }
}

void tst_SettingsDia::everyWayOutClosesTheDialog_data()
{
    QTest::addColumn<int>("way"); // 0 Close button, 1 Escape, 2 the window manager's close
    QTest::newRow("Close button") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window close") << 2;
}

// The dialog is shown over the main window and deletes itself when it goes;
// the main window takes its dimming away on the one close signal.
void tst_SettingsDia::everyWayOutClosesTheDialog()
{
    QFETCH(int, way);
    QPointer<DSettingsDia> dialog = new DSettingsDia;
    QSignalSpy closed(dialog.data(), &DSettingsDia::sigSettingsWindowClose);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    if (way == 0)
        child<QPushButton>(dialog.data(), "pushButton_Close")->click();
    else if (way == 1)
        QTest::keyClick(dialog.data(), Qt::Key_Escape);
    else
        dialog->close();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), testWait::kHangMs);
    QCOMPARE(closed.count(), 1);
}

void tst_SettingsDia::logoDoubleClickOpensFirmwareInfo()
{
    int opened = 0;
    DSettingsDia::firmwareInfoOpener() = [&](QWidget *) { ++opened; };
    DSettingsDia dialog;
    dialog.show();
    auto *logo = child<QFrame>(&dialog, "frame_LogoSet");
    QTest::mouseClick(logo, Qt::LeftButton);
    QCOMPARE(opened, 0);
    QTest::mouseDClick(logo, Qt::RightButton);
    QCOMPARE(opened, 0);
    QTest::mouseDClick(logo, Qt::LeftButton);
    QCOMPARE(opened, 1);
    DSettingsDia::firmwareInfoOpener() = nullptr;
}

QTEST_MAIN(tst_SettingsDia)
#include "tst_settingsdia.moc"
