// The device page as a container: tool-button tips, switching between the
// key, light and performance pages, the zoom buttons, and the company link.
#include "devicePageFixture.h"
#include "ui/widgets/BatteryItem.h"

#include "data/DDataManager.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/lightsConfig/DLightsConfigPage.h"
#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace devicePageTest;

class tst_devicepageshell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void toolButtonTip_data();
    void toolButtonTip();
    void pageSwitching_data();
    void pageSwitching();
    void zoomStopsAtBounds();
    void bandRouting_data();
    void bandRouting();
    void hoverAndPressRouting_data();
    void hoverAndPressRouting();
    void companyLinkHiddenByDefault();
    void noticeCentredBelowTop();
    void batteryGaugeAlignedWithToolRow();
    void everyKeyReachableWhenZoomed_data();
    void everyKeyReachableWhenZoomed();
    // Last: it replaces the page and the simulated keyboards.
    void refusedScenarioShownUnderTip_data();
    void refusedScenarioShownUnderTip();

private:
    // Shows the given sub-page, then lets the light page announce a
    // keyboard light type (the page switch forgets the previous one).
    void chooseLightType(int mainPage, int lightIndex);

    std::unique_ptr<DDevicePage> m_page;
};

void tst_devicepageshell::initTestCase()
{
    QVERIFY(startLibrary());
    QCOMPARE(CVardexSim_LoadScenarioText(scenarioJson({{"Brisko", false, true, QByteArray()}}).constData()), 0);
    m_page = std::make_unique<DDevicePage>();
    m_page->resize(1280, 700);
    m_page->show();
    QTRY_VERIFY_WITH_TIMEOUT(m_page->currentLink() && m_page->keyboardView(), kHangMs);
}

void tst_devicepageshell::cleanupTestCase()
{
    destroyPage(m_page);
}

void tst_devicepageshell::toolButtonTip_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("key page") << "toolButton_CustomKey" << "Key Custom";
    QTest::newRow("light page") << "toolButton_LightConfig" << "Light Setting";
    QTest::newRow("macro") << "toolButton_MacroDialog" << "Macro";
    QTest::newRow("performance") << "toolButton_Performance" << "Performance";
}

void tst_devicepageshell::toolButtonTip()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    auto *tool = m_page->findChild<QToolButton *>(button);
    QVERIFY(tool);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(tool, &enter);
    ArrowWidget *bubble = m_page->bubble();
    QVERIFY(bubble);
    QVERIFY(bubble->isVisible());
    QCOMPARE(bubble->size(), QSize(230, 70));
    const QPoint buttonTop = tool->mapToGlobal(QPoint(tool->width() / 2, 0));
    QCOMPARE(bubble->pos(), buttonTop - QPoint(38, 74));
    bool found = false;
    for (QLabel *label : bubble->findChildren<QLabel *>())
        found = found || label->text() == text;
    QVERIFY2(found, qPrintable(text));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(tool, &leave);
    QVERIFY(!bubble->isVisible());
}

void tst_devicepageshell::pageSwitching_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    QTest::newRow("performance") << "toolButton_Performance" << 2 << "page_Performance";
    QTest::newRow("light") << "toolButton_LightConfig" << 1 << "page_LightsConfig";
    QTest::newRow("keys") << "toolButton_CustomKey" << 0 << "page_CustomKeys";
}

void tst_devicepageshell::pageSwitching()
{
    QFETCH(QString, button);
    QFETCH(int, index);
    QFETCH(QString, page);
    auto *stack = m_page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QVERIFY(stack);
    const int performanceLoads = m_page->performancePage()->loadCount();

    QTest::mouseClick(m_page->findChild<QToolButton *>(button), Qt::LeftButton);
    QCOMPARE(m_page->currentMainPage(), index);
    QCOMPARE(stack->currentWidget()->objectName(), page);
    QVERIFY(m_page->findChild<QToolButton *>(button)->isChecked());
    // The performance page reloads from the profile each time it is shown.
    QCOMPARE(m_page->performancePage()->loadCount(), performanceLoads + (index == 2 ? 1 : 0));
    if (index == 0)
        QCOMPARE(m_page->customKeysPage()->currentLayer(), m_page->currentLayer());
}

void tst_devicepageshell::zoomStopsAtBounds()
{
    auto *bigger = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_MoreBig"));
    auto *smaller = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_MoreSmall"));
    auto *label = m_page->findChild<QLabel *>(QStringLiteral("label_Multiple"));
    QVERIFY(bigger && smaller && label);
    QCOMPARE(label->text(), QStringLiteral("1.0"));

    QTest::mouseClick(smaller, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("1.0"));
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(bigger, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("2.0"));
    QTest::mouseClick(bigger, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("2.0"));
    QVERIFY(qAbs(m_page->viewScale() - 2.0f) < 0.001f);
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(smaller, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("1.0"));
    QVERIFY(qAbs(m_page->viewScale() - 1.0f) < 0.001f);
}

void tst_devicepageshell::chooseLightType(int mainPage, int lightIndex)
{
    static const char *const buttons[] = {"toolButton_CustomKey", "toolButton_LightConfig", "toolButton_Performance"};
    QTest::mouseClick(m_page->findChild<QToolButton *>(QLatin1String(buttons[mainPage])), Qt::LeftButton);
    QCOMPARE(m_page->currentMainPage(), mainPage);
    if (lightIndex >= 0)
        emit m_page->lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(lightIndex, colorInfoData {});
}

void tst_devicepageshell::bandRouting_data()
{
    QTest::addColumn<int>("mainPage");
    QTest::addColumn<int>("lightIndex");
    QTest::addColumn<bool>("preselectAll");
    QTest::addColumn<QRectF>("band"); // start (x, y) and end (x, y) as fractions of the view
    QTest::addColumn<bool>("expectAll");

    const QRectF forward(0, 0, 1, 1);
    QTest::newRow("custom light, top-left to bottom-right") << 1 << 10 << false << forward << true;
    QTest::newRow("custom light, bottom-right to top-left") << 1 << 10 << false << QRectF(1, 1, 0, 0) << true;
    QTest::newRow("custom light, top-right to bottom-left") << 1 << 10 << false << QRectF(1, 0, 0, 1) << true;
    QTest::newRow("custom light, bottom-left to top-right") << 1 << 10 << false << QRectF(0, 1, 1, 0) << true;
    QTest::newRow("custom light, zero-width band clears") << 1 << 10 << true << QRectF(0.5, 0, 0.5, 1) << false;
    QTest::newRow("custom light, zero-height band clears") << 1 << 10 << true << QRectF(0, 0.5, 1, 0.5) << false;
    QTest::newRow("custom light, click keeps the selection") << 1 << 10 << true << QRectF(0.5, 0.5, 0.5, 0.5) << true;
    QTest::newRow("another light type") << 1 << 3 << false << forward << false;
    QTest::newRow("another light type keeps the selection") << 1 << 3 << true << QRectF(0.5, 0, 0.5, 1) << true;
    QTest::newRow("custom light chosen, then the key page") << 0 << 10 << false << forward << false;
    QTest::newRow("light page without a choice") << 1 << -1 << false << forward << false;
}

void tst_devicepageshell::bandRouting()
{
    QFETCH(int, mainPage);
    QFETCH(int, lightIndex);
    QFETCH(bool, preselectAll);
    QFETCH(QRectF, band);
    QFETCH(bool, expectAll);
    hidDeviceJoinFrame *view = m_page->keyboardView();
    QVERIFY(view);
    if (mainPage == 0 && lightIndex >= 0) {
        // The choice was made on the light page; the key page is shown after.
        chooseLightType(1, lightIndex);
        QTest::mouseClick(m_page->findChild<QToolButton *>(QStringLiteral("toolButton_CustomKey")), Qt::LeftButton);
    } else {
        chooseLightType(mainPage, lightIndex);
    }

    // Every key of the drawing lies inside a band over the whole view.
    view->selectKeysInRect(0, 0, view->width(), view->height());
    const int allKeys = view->selectedKeyButtons().size();
    QVERIFY(allKeys > 30);
    view->selectKeysInRect(0, 0, 0, 0);
    if (preselectAll)
        view->selectKeysInRect(0, 0, view->width(), view->height());
    QCOMPARE(view->selectedKeyButtons().size(), preselectAll ? allKeys : 0);

    const int w = view->width();
    const int h = view->height();
    m_page->onDragArea_SelectKeys(int(band.x() * w), int(band.y() * h), int(band.width() * w),
                                  int(band.height() * h));
    QCOMPARE(view->selectedKeyButtons().size(), expectAll ? allKeys : 0);
    for (keyboardButCustom *key : view->selectedKeyButtons())
        QVERIFY(key->isRangeSelected());
    view->selectKeysInRect(0, 0, 0, 0);
}

void tst_devicepageshell::hoverAndPressRouting_data()
{
    QTest::addColumn<int>("mainPage");
    QTest::addColumn<int>("lightIndex");
    QTest::addColumn<bool>("routed");
    QTest::newRow("light page, custom light") << 1 << 10 << true;
    QTest::newRow("light page, another light type") << 1 << 5 << false;
    QTest::newRow("performance page") << 2 << -1 << false;
}

void tst_devicepageshell::hoverAndPressRouting()
{
    QFETCH(int, mainPage);
    QFETCH(int, lightIndex);
    QFETCH(bool, routed);
    hidDeviceJoinFrame *view = m_page->keyboardView();
    QVERIFY(view);
    chooseLightType(mainPage, lightIndex);
    view->selectKeysInRect(0, 0, 0, 0);
    view->hoverAt(-1, -1);
    QVERIFY(!view->hoveredKey());

    // The centre of a letter key, in view coordinates.
    keyboardButCustom *key = nullptr;
    for (keyboardButCustom *b : DDataManager::instance()->keyButtonMap())
        if (b && b->keyCharacter() == QLatin1String("G"))
            key = b;
    QVERIFY(key);
    const QPoint centre = key->mapTo(view, key->rect().center());
    m_page->onDragShowAreaMouseMovePoint(centre.x(), centre.y());
    QCOMPARE(view->hoveredKey() == key, routed);
    m_page->onDragAreaMousePressOrRelease(true);
    m_page->onDragAreaMousePressOrRelease(false);
    QCOMPARE(view->selectedKeyButtons().contains(key), routed);
    view->selectKeysInRect(0, 0, 0, 0);
    view->hoverAt(-1, -1);
}

void tst_devicepageshell::companyLinkHiddenByDefault()
{
    // The shipped configuration does not show the link frame.
    auto *frame = m_page->findChild<QWidget *>(QStringLiteral("frame_Url"));
    QVERIFY(frame);
    QVERIFY(frame->isHidden());
    auto *link = m_page->findChild<QLabel *>(QStringLiteral("label_Url"));
    QVERIFY(link->text().contains(QLatin1String("text-decoration:underline")));
    QVERIFY(link->text().contains(QLatin1String("255,143,31")));
}

void tst_devicepageshell::noticeCentredBelowTop()
{
    m_page->resize(1000, 700);
    QCOMPARE(m_page->noticePosition(), QPoint(m_page->rect().center().x(), 40));
    emit m_page->customKeysPage()->sigSomeMessageTip_CustomKeysPage(QStringLiteral("Download successful"));
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Download successful"));
}

void tst_devicepageshell::batteryGaugeAlignedWithToolRow()
{
    m_page->resize(1280, 700);
    QTest::qWait(50);
    auto *gauge = m_page->findChild<QWidget *>(QStringLiteral("label_ElectricityNum"));
    auto *zoom = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_MoreBig"));
    auto *connection = m_page->findChild<QLabel *>(QStringLiteral("label_Mode"));
    QVERIFY(gauge && zoom && connection);
    QVERIFY(gauge->isVisible() && zoom->isVisible());
    // The outline takes its charge colour with the keyboard's first report.
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<BatteryItem *>(gauge)->isLevelKnown(), testWait::kHangMs);

    // Where the gauge's outline is actually drawn, in page coordinates.
    const QImage image = m_page->grab().toImage();
    const QRect area(gauge->mapTo(m_page.get(), QPoint(0, 0)), gauge->size());
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == QColor(136, 205, 12)) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    QVERIFY2(top >= 0, "the gauge draws nothing");
    const int drawnCentre = (top + bottom) / 2;
    const int zoomCentre = zoom->mapTo(m_page.get(), zoom->rect().center()).y();
    const int labelCentre = connection->mapTo(m_page.get(), connection->rect().center()).y();
    QVERIFY2(qAbs(drawnCentre - zoomCentre) <= 2,
             qPrintable(QStringLiteral("gauge centre %1, zoom buttons %2").arg(drawnCentre).arg(zoomCentre)));
    QVERIFY2(qAbs(drawnCentre - labelCentre) <= 2,
             qPrintable(QStringLiteral("gauge centre %1, connection label %2").arg(drawnCentre).arg(labelCentre)));
}

void tst_devicepageshell::everyKeyReachableWhenZoomed_data()
{
    QTest::addColumn<int>("steps"); // presses of the enlarge button from 1.0
    QTest::newRow("1.0") << 0;
    QTest::newRow("1.5") << 5;
    QTest::newRow("2.0") << 10;
}

void tst_devicepageshell::everyKeyReachableWhenZoomed()
{
    QFETCH(int, steps);
    m_page->resize(1280, 700);
    auto *bigger = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_MoreBig"));
    auto *smaller = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_MoreSmall"));
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(smaller, Qt::LeftButton);
    for (int i = 0; i < steps; ++i)
        QTest::mouseClick(bigger, Qt::LeftButton);

    auto *area = m_page->findChild<QScrollArea *>(QStringLiteral("scrollArea_keyboardView"));
    QVERIFY(area);
    // The scroll area takes in the drawing's new size once the layouts ran.
    QWidget *drawing = m_page->keyboardView()->drawingArea();
    QTRY_VERIFY_WITH_TIMEOUT(area->widget()->rect().contains(QRect(drawing->mapTo(area->widget(), QPoint(0, 0)), drawing->size())), testWait::kHangMs);
    QWidget *viewport = area->viewport();
    // The drawing's window on the page stays above the tool row and on the page.
    const QRect shown(viewport->mapTo(m_page.get(), QPoint(0, 0)), viewport->size());
    const QRect toolButton(bigger->mapTo(m_page.get(), QPoint(0, 0)), bigger->size());
    QVERIFY2(shown.bottom() < toolButton.top(), qPrintable(QStringLiteral("drawing down to %1, tool row from %2")
                                                                .arg(shown.bottom()).arg(toolButton.top())));
    QVERIFY(m_page->rect().contains(shown));

    const QMap<int, keyboardButCustom *> keys = m_page->keyboardView()->keyLayer()->keyButtonMap();
    QVERIFY(keys.size() > 30);
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        keyboardButCustom *key = it.value();
        area->ensureWidgetVisible(key, 0, 0);
        const QPoint centre = key->mapTo(viewport, key->rect().center());
        QVERIFY2(viewport->rect().contains(centre),
                 qPrintable(QStringLiteral("key %1 at %2,%3 cannot be brought into view")
                                .arg(it.key()).arg(centre.x()).arg(centre.y())));
    }
    // At 1.0 the whole drawing fits: nothing to scroll.
    if (steps == 0) {
        QTRY_VERIFY_WITH_TIMEOUT(!area->horizontalScrollBar()->isVisible(), testWait::kHangMs);
        QTRY_VERIFY_WITH_TIMEOUT(!area->verticalScrollBar()->isVisible(), testWait::kHangMs);
    }
    for (int i = 0; i < steps; ++i)
        QTest::mouseClick(smaller, Qt::LeftButton);
}

QTEST_MAIN(tst_devicepageshell)
#include "tst_devicepageshell.moc"

void tst_devicepageshell::refusedScenarioShownUnderTip_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown model") << QByteArray("{\"devices\":[{\"model\":\"Nonesuch\"}]}")
                                   << "device 0: unknown model \"Nonesuch\"";
    QTest::newRow("battery out of range")
        << QByteArray("{\"devices\":[{\"model\":\"Brisko\"},{\"model\":\"Pravo\",\"battery\":140}]}")
        << "device 1: ";
    QTest::newRow("no such file") << QByteArray() << "the file cannot be read";
}

// A scenario the simulator refuses leaves the page without keyboards; the
// reason shows under "Device not connected", in the page's own look, and
// goes once a scenario is accepted.
void tst_devicepageshell::refusedScenarioShownUnderTip()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    destroyPage(m_page);
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\":[]}"), 0);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("scenario.json"));
    if (!content.isNull()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QCOMPARE(CVardexSim_Enable(QFile::encodeName(file).constData()), -1);

    m_page = std::make_unique<DDevicePage>();
    m_page->resize(1280, 700);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    auto *stack = m_page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"));
    auto *tip = m_page->findChild<QLabel *>(QStringLiteral("label_Tip"));
    auto *detail = m_page->findChild<QLabel *>(QStringLiteral("label_TipDetail"));
    QVERIFY(stack && tip && detail);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_TipShow"));
    QCOMPARE(tip->text(), QStringLiteral("Device not connected"));
    QVERIFY(detail->isVisible());
    // The library's English text stays left to right in any language.
    const QString expected = QStringLiteral("The simulator did not start: \u2066%1: %2").arg(file, reason);
    QVERIFY2(detail->text().startsWith(expected), qPrintable(detail->text()));

    // Below the tip, whole and inside the page.
    const auto rectOf = [this](const QWidget *w) { return QRect(w->mapTo(m_page.get(), QPoint(0, 0)), w->size()); };
    QVERIFY(rectOf(detail).top() > rectOf(tip).bottom());
    QVERIFY(m_page->rect().contains(rectOf(detail)));
    QVERIFY(detail->height() >= detail->heightForWidth(detail->width()));

    // A language change keeps it; an accepted scenario takes it away.
    m_page->retranslate();
    QVERIFY2(detail->text().startsWith(expected), qPrintable(detail->text()));
    QCOMPARE(CVardexSim_LoadScenarioText("{\"devices\":[]}"), 0);
    m_page->retranslate();
    QVERIFY(detail->isHidden());
}
