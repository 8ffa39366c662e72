// The firmware update dialog in every shipped language, with the rows a user
// can meet at once (an offered keyboard with a long name, one waiting in
// update mode, one already updated, one whose image is refused and why):
// every text is whole, inside the visible part of its row, apart from its
// neighbours on either side, and the dialog fits a 1366 x 768 screen. With
// VARDEX_SCREENSHOT_DIR set, each language's dialog is saved as a picture.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>

#include "app/QtLinguist.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "firmwareTestSupport.h"

using namespace fwtest;
using UpdateFailure = DUpdateFirmwareDia::UpdateFailure;

namespace {

// The smallest screen the tool is meant for.
constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;
// Room between the texts of two columns of a row, and between a caption
// and its value, on whichever side they stand; and the most a value may
// stand off from its caption (or the percentage from its bar) before it
// no longer reads as theirs.
constexpr int kColumnGap = 12;
constexpr int kCaptionGap = 6;
constexpr int kBesideGap = 2 * kColumnGap;

// Where a label draws its text, in `to`'s coordinates. A plain-text label
// mirrors its alignment by its text's own direction, not by the layout's:
// a version or a model name stays left to right in a right-to-left row.
QRect textRect(const QLabel *label, const QWidget *to)
{
    const Qt::LayoutDirection direction = label->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment align = QStyle::visualAlignment(direction, label->alignment());
    const int flags = int(align) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect r = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
    return QRect(label->mapTo(to, r.topLeft()), r.size());
}

// The column of a row a widget stands in: the row frame's child above it.
const QWidget *columnOf(const QWidget *w, const QWidget *rowFrame)
{
    while (w && w->parentWidget() != rowFrame)
        w = w->parentWidget();
    return w;
}

// The list scrolls up and down, never across: only the sides count.
bool insideAcross(const QRect &shown, const QRect &visible)
{
    return shown.left() >= visible.left() && shown.right() <= visible.right();
}

QString describe(const QWidget *w, const QString &text)
{
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
}

QString shownText(const QWidget *w)
{
    auto *label = qobject_cast<const QLabel *>(w);
    return label ? label->text() : QString();
}

// What does not fit in `row`, whose visible part in `view` coordinates is
// `visible`.
QStringList rowProblems(UpdateFirmwareInfoItem *row, const QWidget *view, const QRect &visible)
{
    QStringList found;
    const QWidget *rowFrame = row->findChild<QWidget *>(QStringLiteral("frame_Bg110"));
    QList<QLabel *> labels;
    for (QLabel *label : row->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(row) || label->text().isEmpty())
            continue;
        labels << label;
        const QRect box = label->contentsRect();
        const QFontMetrics fm = label->fontMetrics();
        if (label->wordWrap()) {
            // Wrapped: no word wider than the label, and at most the two
            // lines a row has room for, all inside the label.
            if (label->minimumSizeHint().width() > box.width())
                found << describe(label, label->text())
                             + QStringLiteral(" has a word wider than its %1 px").arg(box.width());
            const int height = label->heightForWidth(label->width());
            if (height > box.height() || height > fm.lineSpacing() + fm.height())
                found << describe(label, label->text())
                             + QStringLiteral(" needs %1 px high at %2 px wide, has %3 (a line is %4)")
                                   .arg(height)
                                   .arg(label->width())
                                   .arg(box.height())
                                   .arg(fm.lineSpacing());
        } else {
            const int needed = fm.horizontalAdvance(label->text()) + 2 * label->margin();
            if (needed > box.width() || fm.height() > box.height())
                found << describe(label, label->text())
                             + QStringLiteral(" needs %1 x %2, has %3 x %4")
                                   .arg(needed)
                                   .arg(fm.height())
                                   .arg(box.width())
                                   .arg(box.height());
        }
        const QRect shown(label->mapTo(view, QPoint(0, 0)), label->size());
        if (!insideAcross(shown, visible))
            found << describe(label, label->text())
                         + QStringLiteral(" lies outside the row's visible part (%1,%2 %3 wide; visible %4..%5)")
                               .arg(shown.x())
                               .arg(shown.y())
                               .arg(shown.width())
                               .arg(visible.left())
                               .arg(visible.right());
    }
    for (QAbstractButton *button : row->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(row) || button->text().isEmpty())
            continue;
        if (button->width() < button->sizeHint().width())
            found << describe(button, button->text())
                         + QStringLiteral(" needs %1, has %2").arg(button->sizeHint().width()).arg(button->width());
        const QRect shown(button->mapTo(view, QPoint(0, 0)), button->size());
        if (!insideAcross(shown, visible))
            found << describe(button, button->text()) + QStringLiteral(" lies outside the row's visible part");
    }
    // Texts side by side keep apart: a caption from its value, a column
    // from the next.
    for (int i = 0; i < labels.size(); ++i) {
        for (int j = i + 1; j < labels.size(); ++j) {
            const QRect a = textRect(labels[i], row);
            const QRect b = textRect(labels[j], row);
            if (a.bottom() < b.top() || b.bottom() < a.top())
                continue;
            const int gap = a.left() < b.left() ? b.left() - a.right() - 1 : a.left() - b.right() - 1;
            const int wanted = columnOf(labels[i], rowFrame) == columnOf(labels[j], rowFrame) ? kCaptionGap
                                                                                               : kColumnGap;
            if (gap < wanted)
                found << QStringLiteral("%1 and %2 are %3 px apart")
                             .arg(describe(labels[i], labels[i]->text()), describe(labels[j], labels[j]->text()))
                             .arg(gap);
        }
    }
    // A value stands beside its caption, the percentage beside its bar,
    // whichever way the row runs.
    const auto child = [row](const char *name) { return row->findChild<QWidget *>(QLatin1String(name)); };
    const auto shownRect = [row](const QWidget *w) {
        if (auto *label = qobject_cast<const QLabel *>(w))
            return textRect(label, row);
        return QRect(w->mapTo(row, QPoint(0, 0)), w->size());
    };
    const std::pair<const char *, const char *> beside[] = {{"label", "label_HidLikeName"},
                                                            {"label_2", "label_OldVer"},
                                                            {"label_5", "label_NewVer"},
                                                            {"progressBar", "label_ProgressNum"}};
    for (const auto &[first, second] : beside) {
        const QWidget *a = child(first);
        const QWidget *b = child(second);
        if (!a || !b || !a->isVisibleTo(row) || !b->isVisibleTo(row))
            continue;
        const QRect ra = shownRect(a);
        const QRect rb = shownRect(b);
        const int gap = ra.left() < rb.left() ? rb.left() - ra.right() - 1 : ra.left() - rb.right() - 1;
        const bool leading = row->isRightToLeft() ? rb.right() < ra.left() : rb.left() > ra.right();
        if (gap > kBesideGap || !leading)
            found << QStringLiteral("%1 stands %2 px %3 %4")
                         .arg(describe(b, shownText(b)))
                         .arg(gap)
                         .arg(leading ? QStringLiteral("from") : QStringLiteral("on the wrong side of"))
                         .arg(describe(a, shownText(a)));
    }
    return found;
}

} // namespace

class TstFirmwareLayout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanupTestCase();
    void rowsFitEveryLanguage_data();
    void rowsFitEveryLanguage();

private:
    FakeDevicePage *m_page = nullptr;
    QtLinguist m_linguist;
};

void TstFirmwareLayout::init()
{
    prepareWindows(&m_page);
    // The offscreen platform's own screen is smaller than any the tool is
    // meant for; the dialog is sized as on the smallest real one.
    DUpdateFirmwareDia::screenArea() = [](const QWidget *) { return QRect(0, 0, kScreenWidth, kScreenHeight); };
}

void TstFirmwareLayout::cleanupTestCase()
{
    m_linguist.load(QtLinguist::English);
}

void TstFirmwareLayout::rowsFitEveryLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("refusalCode");
    // Every shipped language, as the list of the tree names them, loaded
    // the way the tool loads them.
    QFile list(QStringLiteral(VARDEX_TS_DIR "/languages.txt"));
    QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
    const QMap<int, QString> files = QtLinguist().languageFiles();
    int shipped = 0;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString name = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        const int language = files.key(name + QStringLiteral(".qm"), -1);
        QVERIFY2(language >= 0, qPrintable(name));
        ++shipped;
        for (UpdateFailure refusal : {UpdateFailure::ImageDamaged, UpdateFailure::ImageEmpty,
                                      UpdateFailure::ImageTooLarge, UpdateFailure::ImageOtherModel,
                                      UpdateFailure::ImageUnreadable})
            QTest::addRow("%s, refused %d", qPrintable(name), int(refusal)) << language << int(refusal);
    }
    QCOMPARE(shipped, files.size());
}

void TstFirmwareLayout::rowsFitEveryLanguage()
{
    QFETCH(int, language);
    QFETCH(int, refusalCode);
    const auto refusal = UpdateFailure(refusalCode);
    QVERIFY(m_linguist.load(language));
    QCoreApplication::processEvents();
    const bool rightToLeft = language == QtLinguist::Arabic;
    QCOMPARE(qApp->layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    // The longest names of the model table, an offered update, a keyboard
    // in update mode, one updated, one refused.
    hidStructInfoAll offered = record("/offered", "Quendo", "V1.0.3");
    SET(offered.likeName, "Quendo 108");
    SET(offered.newFirmwareVersion, "V1.1");
    hidStructInfoAll waiting = record("/waiting", "Torvi", "");
    SET(waiting.newFirmwareVersion, "V1.0.10");
    hidStructInfoAll updated = record("/updated", "Mirvan", "V1.0.3");
    SET(updated.likeName, "Mirvan 104");
    SET(updated.newFirmwareVersion, "V1.0.10");
    hidStructInfoAll refused = record("/refused", "Gampel", "V1.0.10.0");
    SET(refused.likeName, "Gampel 104");

    // More keyboards than the list shows at once: its scroll bar takes
    // its share of the width.
    QList<hidStructInfoAll> rows = {offered, waiting, updated, refused};
    for (const char *path : {"/more1", "/more2", "/more3"}) {
        hidStructInfoAll more = record(path, "Dravil", "V1.0.3");
        SET(more.likeName, "Dravil 104");
        SET(more.newFirmwareVersion, "V1.0.10");
        rows << more;
    }

    DUpdateFirmwareDia dia;
    dia.setAttribute(Qt::WA_DeleteOnClose, false);
    dia.setUpgradeDeviceList(rows, {}, {QStringLiteral("/waiting")}, {{QStringLiteral("/refused"), refusal}});
    dia.items().at(2)->showCompletePage();
    dia.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dia));
    QCOMPARE(dia.layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QCoreApplication::processEvents();

    const QString dir = qEnvironmentVariable("VARDEX_SCREENSHOT_DIR");
    if (!dir.isEmpty() && refusal == UpdateFailure::ImageOtherModel)
        dia.grab().save(QStringLiteral("%1/firmware-update-%2.png")
                            .arg(dir, QtLinguist().fileName(language).section(QLatin1Char('.'), 0, 0)));

    QStringList problems;
    if (dia.width() > kScreenWidth || dia.height() > kScreenHeight)
        problems << QStringLiteral("the dialog is %1 x %2").arg(dia.width()).arg(dia.height());
    auto *scroll = dia.findChild<QScrollArea *>(QStringLiteral("scrollArea_2"));
    QVERIFY(scroll);
    const QWidget *view = scroll->viewport();
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    for (UpdateFirmwareInfoItem *row : dia.items())
        problems += rowProblems(row, view, view->rect());
    auto *title = dia.findChild<QLabel *>(QStringLiteral("label_Title"));
    if (title->fontMetrics().horizontalAdvance(title->text()) > title->contentsRect().width())
        problems << describe(title, title->text()) + QStringLiteral(" is cut off");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TstFirmwareLayout)
#include "tst_firmwarelayout.moc"
