#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DQuestionDialog.h"
#include "ui/widgets/DToolTipExplain.h"
#include "../testWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

class tst_popups : public QObject
{
    Q_OBJECT

private slots:
    void toastWidth_data();
    void toastWidth();
    void toastOpaqueThenFadedAndHidden();
    void secondMessageRestartsOpaque();
    void clickHidesToastButFinishStillFollows();
    void pressReachesParentPastTheLeftEdge_data();
    void pressReachesParentPastTheLeftEdge();
    void defaultCentreFixedAtConstruction();
    void arrowBubbleHidesAndSignalsOnDeactivation();
    void arrowBubbleShape_data();
    void arrowBubbleShape();
    void contentMarginsFollowDirection_data();
    void contentMarginsFollowDirection();
    void tooltipText();
    void questionAnswers_data();
    void questionAnswers();
    void questionLooksLikeThePages();
};

void tst_popups::toastWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("empty") << QString() << 20;
    QTest::newRow("short") << QStringLiteral("Saved") << 20;
    QTest::newRow("long at 14") << QStringLiteral("The device is offline") << 14;
    QTest::newRow("long at 16") << QStringLiteral("Download succeeded") << 16;
}

void tst_popups::toastWidth()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QWidget parent;
    parent.resize(800, 600);
    CbNotice notice(&parent);
    notice.setPixelSize(pixelSize);
    notice.showNotice(text, QPoint(400, 100));
    const int expected = QFontMetrics(notice.font()).horizontalAdvance(text) + 36;
    QCOMPARE(notice.width(), expected);
    QCOMPARE(notice.height(), 40);
    // Centred on the point, halves truncated.
    QCOMPARE(notice.pos(), QPoint(400 - expected / 2, 100 - 20));
    QVERIFY(notice.isVisible() || !parent.isVisible());
}

void tst_popups::toastOpaqueThenFadedAndHidden()
{
    QWidget parent;
    parent.resize(600, 400);
    parent.show();
    CbNotice notice(&parent);
    QSignalSpy finished(&notice, &CbNotice::sigFinished);
    QElapsedTimer clock;
    clock.start();
    notice.showNotice(QStringLiteral("Profile saved"));
    QVERIFY(notice.isVisible());
    QCOMPARE(notice.currentOpacity(), 1.0);

    // The opacity as it was seen, and when. The animation's time never runs
    // ahead of this clock, so what is seen holds on a loaded machine too.
    QList<QPair<qint64, qreal>> seen;
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, &notice, [&] { seen.append({clock.elapsed(), notice.currentOpacity()}); });
    watch.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    watch.stop();
    QVERIFY(!notice.isVisible());
    QVERIFY2(clock.elapsed() >= notice.visibleTime() + notice.fadeTime(), qPrintable(QString::number(clock.elapsed())));
    for (const auto &s : qAsConst(seen))
        if (s.first < notice.visibleTime()) // still inside the visible time
            QCOMPARE(s.second, 1.0);
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
    // A fade, not a jump: seen half way. How often a loaded sanitizer build
    // gets to look is a question of speed.
    QVERIFY(std::any_of(seen.cbegin(), seen.cend(), [](const auto &s) { return s.second > 0.1 && s.second < 0.9; }));
#endif
}

void tst_popups::secondMessageRestartsOpaque()
{
    QWidget parent;
    parent.resize(600, 400);
    parent.show();
    CbNotice notice(&parent);
    notice.showNotice(QStringLiteral("first"));
    QTRY_VERIFY_WITH_TIMEOUT(notice.currentOpacity() < 1.0, 60000);
    QElapsedTimer clock;
    clock.start();
    notice.showNotice(QStringLiteral("a second, longer message"));
    QCOMPARE(notice.currentOpacity(), 1.0);
    QCOMPARE(notice.text(), QStringLiteral("a second, longer message"));
    // Opaque again for a whole visible time: the first fade did not go on.
    // The visible time is a coarse timer, which Qt may fire up to 5 % early.
    QTRY_VERIFY_WITH_TIMEOUT(notice.currentOpacity() < 1.0, 60000);
    QVERIFY2(clock.elapsed() >= notice.visibleTime() * 95 / 100, qPrintable(QString::number(clock.elapsed())));
}

void tst_popups::clickHidesToastButFinishStillFollows()
{
    QWidget parent;
    parent.resize(600, 400);
    parent.show();
    CbNotice notice(&parent);
    QSignalSpy finished(&notice, &CbNotice::sigFinished);
    notice.showNotice(QStringLiteral("click me"));
    QVERIFY(notice.isVisible());
    QTest::mouseClick(&notice, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QVERIFY(!notice.isVisible());
    QCOMPARE(finished.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
}

namespace {
// Counts the presses that reach it from its children.
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};
} // namespace

void tst_popups::pressReachesParentPastTheLeftEdge_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("reachesParent");
    QTest::newRow("on the left edge") << 0 << 0;
    QTest::newRow("5 px in") << 5 << 0;
    QTest::newRow("6 px in") << 6 << 1;
    QTest::newRow("middle") << 30 << 1;
}

void tst_popups::pressReachesParentPastTheLeftEdge()
{
    QFETCH(int, x);
    QFETCH(int, reachesParent);
    PressCounter parent;
    parent.resize(600, 400);
    parent.show();
    CbNotice notice(&parent);
    notice.showNotice(QStringLiteral("a message to press on"));
    QTest::mousePress(&notice, Qt::LeftButton, Qt::NoModifier, QPoint(x, 20));
    QVERIFY(!notice.isVisible());
    QCOMPARE(parent.presses, reachesParent);
}

void tst_popups::defaultCentreFixedAtConstruction()
{
    QWidget parent;
    parent.setGeometry(30, 40, 600, 300);
    CbNotice notice(&parent);
    QCOMPARE(notice.defaultCentre(), QPoint(30 + 300, 200));
    parent.resize(1000, 900);
    notice.showNotice(QStringLiteral("x"), QPoint());
    QCOMPARE(notice.pos(), QPoint(330 - notice.width() / 2, 200 - 20));
}

void tst_popups::arrowBubbleHidesAndSignalsOnDeactivation()
{
    ArrowWidget bubble(1);
    bubble.setBubbleSize(230, 70);
    QSignalSpy hidden(&bubble, &ArrowWidget::sigArrowWidgetHide);
    bubble.show();
    QVERIFY(bubble.isVisible());
    QEvent other(QEvent::WindowActivate);
    QApplication::sendEvent(&bubble, &other);
    QCOMPARE(hidden.count(), 0);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&bubble, &deactivate);
    QVERIFY(!bubble.isVisible());
    QCOMPARE(hidden.count(), 1);
}

// Paints the bubble body only (no shadow) and reads where the fill lands.
static QImage paintBubble(ArrowWidget &bubble)
{
    bubble.setGraphicsEffect(nullptr);
    QImage img(bubble.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    bubble.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

void tst_popups::arrowBubbleShape_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPoint>("arrowPixel"); // inside the triangle
    QTest::addColumn<bool>("arrowFilled");
    QTest::newRow("top") << 0 << QPoint(30 + 7, 21) << true;
    QTest::newRow("bottom") << 1 << QPoint(30 + 7, 70 - 6) << true;
    QTest::newRow("none, top spot") << 2 << QPoint(30 + 7, 10) << false;
    QTest::newRow("none, bottom spot") << 2 << QPoint(30 + 7, 70 - 6) << false;
}

void tst_popups::arrowBubbleShape()
{
    QFETCH(int, direction);
    QFETCH(QPoint, arrowPixel);
    QFETCH(bool, arrowFilled);
    ArrowWidget bubble(direction);
    bubble.setBubbleSize(230, 70);
    bubble.setArrowPosition(30);
    const QImage img = paintBubble(bubble);
    const QColor fill(46, 47, 80);
    QCOMPARE(QColor(img.pixel(115, 35)), fill); // the body
    QCOMPARE(qAlpha(img.pixel(5, 35)), 0);      // the 15 px inset
    QCOMPARE(qAlpha(img.pixel(arrowPixel)) > 200, arrowFilled);
}

void tst_popups::contentMarginsFollowDirection_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("top");
    QTest::newRow("arrow on top") << 0 << 25;
    QTest::newRow("arrow at bottom") << 1 << 15;
}

void tst_popups::contentMarginsFollowDirection()
{
    QFETCH(int, direction);
    QFETCH(int, top);
    ArrowWidget bubble(direction);
    bubble.setBubbleSize(230, 70);
    auto *tip = new DToolTipExplain;
    bubble.setContentWidget(tip);
    QCOMPARE(tip->parentWidget(), &bubble);
    QCOMPARE(bubble.layout()->contentsMargins(), QMargins(15, top, 15, 15));
}

void tst_popups::tooltipText()
{
    DToolTipExplain tip;
    QCOMPARE(tip.text(), QStringLiteral("ABC66666666666"));
    tip.setText(QStringLiteral("Macro: Copy"));
    QCOMPARE(tip.findChild<QLabel *>()->text(), QStringLiteral("Macro: Copy"));
    QVERIFY(tip.findChild<QLabel *>()->minimumHeight() >= 40);
}

void tst_popups::questionAnswers_data()
{
    QTest::addColumn<bool>("yesIsDefault");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answer");
    QTest::newRow("enter, yes default") << true << int(Qt::Key_Return) << true;
    QTest::newRow("enter, no default") << false << int(Qt::Key_Return) << false;
    QTest::newRow("escape, yes default") << true << int(Qt::Key_Escape) << false;
    QTest::newRow("space on no") << false << int(Qt::Key_Space) << false;
}

void tst_popups::questionAnswers()
{
    QFETCH(bool, yesIsDefault);
    QFETCH(int, key);
    QFETCH(bool, answer);
    QString title;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<DQuestionDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->focusWidget(), testWait::kHangMs);
        QTest::keyClick(dialog->focusWidget(), Qt::Key(key));
    });
    QCOMPARE(DQuestionDialog::ask(nullptr, "Tip", "Whether to reset the current profile?", "Yes", "No", yesIsDefault),
             answer);
    QCOMPARE(title, QStringLiteral("Tip"));
}

// The question is drawn in the pages' colours: the panel's dark blue, the
// buttons outlined and without a grey face.
void tst_popups::questionLooksLikeThePages()
{
    DQuestionDialog dialog("Tip", "Whether to reset the current profile?", "Yes", "No");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage img = dialog.grab().toImage();
    QCOMPARE(img.pixelColor(img.width() / 2, 4), QColor(34, 34, 58));
    QCOMPARE(img.pixelColor(0, img.height() / 2), QColor(52, 52, 86));
    QPushButton *no = dialog.noButton();
    const QPoint inside = no->mapTo(&dialog, QPoint(6, no->height() / 2));
    QCOMPARE(img.pixelColor(inside), QColor(34, 34, 58));
    QVERIFY(dialog.yesButton()->isDefault());
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("label_Text"))->text().isEmpty());
}

QTEST_MAIN(tst_popups)
#include "tst_popups.moc"
