// The main window with the performance page, and the settings dialog, in
// every interface language: no text is cut off, and Arabic lays them out
// right to left. With VARDEX_SCREENSHOT_DIR set, each state is also saved as
// a picture for a look by eye.
#include "../devicepage/devicePageFixture.h"

#include "app/QtLinguist.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/settings/DSettingsDia.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace devicePageTest;

namespace {

// The texts of `root` that do not fit the room their widget was given.
QStringList cutOffTexts(QWidget *root)
{
    QStringList found;
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText)
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin();
        if (needed > label->contentsRect().width())
            found << QStringLiteral("%1 \"%2\" needs %3, has %4")
                         .arg(label->objectName(), label->text())
                         .arg(needed)
                         .arg(label->contentsRect().width());
    }
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(root) || button->text().isEmpty())
            continue;
        if (button->width() < button->sizeHint().width())
            found << QStringLiteral("%1 \"%2\" needs %3, has %4")
                         .arg(button->objectName(), button->text())
                         .arg(button->sizeHint().width())
                         .arg(button->width());
    }
    return found;
}

void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("VARDEX_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class tst_LanguageLayout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void pagesFitEveryLanguage_data();
    void pagesFitEveryLanguage();

private:
    std::unique_ptr<DMainWidget> m_window;
    QtLinguist m_linguist;
};

void tst_LanguageLayout::initTestCase()
{
    QVERIFY(startLibrary());
    QCOMPARE(CVardexSim_LoadScenarioText(scenarioJson({{"Belvi", false, true, "L1a2N3g4L5a6Y7o8U9t0L1a2Y3o4U5t6"}})
                                             .constData()),
             0);
    DMainWidget::factories().devicePage = [](QWidget *parent) { return new DDevicePage(parent); };
    DMainWidget::factories().settingsDialog = [](QWidget *parent) { return new DSettingsDia(parent); };
    DMainWidget::trayAvailable() = [] { return false; };
    DSettingsDia::languageLoader() = [this](int language) { return m_linguist.load(language); };
    m_window = std::make_unique<DMainWidget>();
    m_window->resize(1280, 715);
    m_window->show();
    auto *page = m_window->findChild<DDevicePage *>();
    QVERIFY(page);
    QVERIFY(QTest::qWaitFor([&] { return page->currentLink() && !page->profileXmlPath().isEmpty(); }, testWait::kHangMs));
    page->findChild<QToolButton *>(QStringLiteral("toolButton_Performance"))->click();
    QVERIFY(page->performancePage()->isVisible());
}

void tst_LanguageLayout::cleanupTestCase()
{
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_linguist.load(3);
}

void tst_LanguageLayout::pagesFitEveryLanguage_data()
{
    QTest::addColumn<int>("language");
    const QMap<int, QString> files = QtLinguist().languageFiles();
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QTest::newRow(qPrintable(it.value().section(QLatin1Char('.'), 0, 0))) << it.key();
}

void tst_LanguageLayout::pagesFitEveryLanguage()
{
    QFETCH(int, language);
    QVERIFY(m_linguist.load(language));
    QCoreApplication::processEvents();
    m_window->omUpdataAllUI();
    QCoreApplication::processEvents();
    const Qt::LayoutDirection direction = language == QtLinguist::Arabic ? Qt::RightToLeft : Qt::LeftToRight;
    QCOMPARE(m_window->layoutDirection(), direction);

    auto *page = m_window->findChild<DDevicePage *>();
    DPerformancePage *performance = page->performancePage();
    QVERIFY(performance->isVisible());
    const QString name = QtLinguist().fileName(language).section(QLatin1Char('.'), 0, 0);
    saveShot(m_window.get(), QStringLiteral("main-performance-") + name);
    const QStringList pageProblems = cutOffTexts(performance);
    QVERIFY2(pageProblems.isEmpty(), qPrintable(pageProblems.join(QLatin1Char('\n'))));

    DSettingsDia dialog(m_window.get());
    dialog.show();
    QCoreApplication::processEvents();
    QCOMPARE(dialog.layoutDirection(), direction);
    saveShot(&dialog, QStringLiteral("settings-general-") + name);
    QStringList dialogProblems = cutOffTexts(&dialog);
    dialog.findChild<QPushButton *>(QStringLiteral("pushButton_About"))->click();
    QCoreApplication::processEvents();
    saveShot(&dialog, QStringLiteral("settings-about-") + name);
    dialogProblems += cutOffTexts(&dialog);
    QVERIFY2(dialogProblems.isEmpty(), qPrintable(dialogProblems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_LanguageLayout)
#include "tst_languagelayout.moc"
