// Stock widgets dressed in the theme: the scroll bar without arrow buttons
// in the theme's track and handle colours, the combo pop-up with its border
// and a highlighted row, the menu with its background and active item - for
// both shipped themes, read from the pixels drawn.
#include "data/DDataManager.h"
#include "ui/customKeys/DMacroCmdPage.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DFileChooser.h"
#include "ui/widgets/themeStyle.h"
#include "../testWait.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QColor themeColor(const QString &text)
{
    const QStringList p = text.split(',');
    return p.size() >= 3 ? QColor(p[0].toInt(), p[1].toInt(), p[2].toInt()) : QColor();
}

// The colours the stock widgets must show. The dark theme dresses them in
// the pages' dark blue; the light theme in its own record's colours.
struct Look
{
    QString panel, edge, hover, selected, track, handle;
};

Look expectedLook(const QString &file, const themeColorData &theme)
{
    if (file.contains("Black"))
        return {"#22223a", "#343456", "#343456", "#2e2e4c", "#22223a", "#4b4b6f"};
    return {themeColor(theme.SettingsBgColor).name(),
            themeColor(theme.SettingsControlBorderColor).name(),
            themeColor(theme.SettingsControlHoverBgColor).name(),
            themeColor(theme.SettingsControlSelectedBgColor).name(),
            themeColor(theme.HomeScrollBarBgColor).name(),
            themeColor(theme.TextHoverColor).name()};
}

// A scroll area around content of `contentSize`, dressed and on screen.
bool showStyled(QScrollArea &area, const QSize &contentSize, const QSize &size, const themeColorData &theme)
{
    auto *content = new QWidget;
    content->setFixedSize(contentSize);
    area.setWidget(content);
    area.resize(size);
    themeStyle::styleScrollArea(&area, theme);
    area.show();
    return QTest::qWaitForWindowExposed(&area);
}

} // namespace

class tst_themestyle : public QObject
{
    Q_OBJECT
private slots:
    void cssColor_data();
    void cssColor();
    void scrollBar_data() { themes(); }
    void scrollBar();
    void scrollCorner_data() { themes(); }
    void scrollCorner();
    void comboPopup_data();
    void comboPopup();
    void menu_data() { themes(); }
    void menu();
    void bubbleMenusHaveNoFrame_data();
    void bubbleMenusHaveNoFrame();
    void disabledPlayCountLooksDisabled();
    void fileDialog();

private:
    void themes();
};

void tst_themestyle::themes()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("black") << ":/images/StyleQss/BlackThemeConfig.ini";
    QTest::newRow("light") << ":/images/StyleQss/LightThemeConfig.ini";
}

void tst_themestyle::cssColor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("css");
    QTest::newRow("three") << "35,35,35" << "rgb(35, 35, 35)";
    QTest::newRow("with alpha") << "35,35,35,60" << "rgba(35, 35, 35, 60)";
    QTest::newRow("empty theme") << "" << "rgb(1, 2, 3)";
    QTest::newRow("garbage") << "a,b,c" << "rgb(1, 2, 3)";
    QTest::newRow("out of range") << "300,0,0" << "rgb(1, 2, 3)";
    QTest::newRow("five parts") << "1,2,3,4,5" << "rgb(1, 2, 3)";
}

void tst_themestyle::cssColor()
{
    QFETCH(QString, text);
    QFETCH(QString, css);
    QCOMPARE(themeStyle::cssColor(text, "1,2,3"), css);
}

void tst_themestyle::scrollBar()
{
    QFETCH(QString, file);
    const themeColorData theme = DDataManager::readThemeFile(file, false);
    QScrollArea area;
    QVERIFY(showStyled(area, QSize(100, 3000), QSize(200, 300), theme));
    QScrollBar *bar = area.verticalScrollBar();
    QCOMPARE(bar->width(), 8);
    const QImage img = bar->grab().toImage();
    // At the top the handle, at the very bottom (where an arrow button would
    // sit) the bare track.
    const Look look = expectedLook(file, theme);
    QCOMPARE(img.pixelColor(4, 12).name(), look.handle);
    QCOMPARE(img.pixelColor(4, img.height() - 6).name(), look.track);
    QCOMPARE(img.pixelColor(4, img.height() / 2).name(), look.track);
}

// With both bars shown (the zoomed keyboard), the square between them is
// the track's colour, not the platform's.
void tst_themestyle::scrollCorner()
{
    QFETCH(QString, file);
    const themeColorData theme = DDataManager::readThemeFile(file, false);
    QScrollArea area;
    themeStyle::styleScrollArea(&area, theme); // styling twice keeps one corner
    QVERIFY(showStyled(area, QSize(3000, 3000), QSize(300, 200), theme));
    QCOMPARE(area.findChildren<QWidget *>("themeStyleCorner").size(), 1);
    const QImage img = area.grab().toImage();
    const QPoint corner(area.width() - 4, area.height() - 4);
    QCOMPARE(img.pixelColor(corner).name(), expectedLook(file, theme).track);
}

void tst_themestyle::comboPopup_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pageSheet");
    // A page that dresses only the field: the list takes the theme.
    const QString field = "QComboBox{color:rgb(175,175,175);background-color:rgb(26,27,49);border:1px solid rgb(52,52,86);}";
    // A page that dresses the list too (the profile list, the macro list):
    // the list keeps the page's colours whatever the theme.
    const QString list = field
        + "QComboBox QAbstractItemView{color:rgb(175,175,175);background-color:rgb(34,34,58);"
          "border:1px solid rgb(52,52,86);outline:0px;selection-background-color:rgb(52,52,86);"
          "selection-color:rgb(255,143,31);}"
          "QComboBox QAbstractItemView::item:hover{color:rgb(255,143,31);background-color:rgb(52,52,86);}";
    QTest::newRow("black, bare list") << ":/images/StyleQss/BlackThemeConfig.ini" << field;
    QTest::newRow("light, bare list") << ":/images/StyleQss/LightThemeConfig.ini" << field;
    QTest::newRow("black, page's list") << ":/images/StyleQss/BlackThemeConfig.ini" << list;
    QTest::newRow("light, page's list") << ":/images/StyleQss/LightThemeConfig.ini" << list;
}

void tst_themestyle::comboPopup()
{
    QFETCH(QString, file);
    QFETCH(QString, pageSheet);
    const themeColorData theme = DDataManager::readThemeFile(file, false);
    const bool pageList = pageSheet.contains("QAbstractItemView");
    QComboBox combo;
    combo.addItems({"Profile1", "Profile2", "Profile3"});
    combo.resize(160, 26);
    combo.setStyleSheet(pageSheet);
    themeStyle::styleComboBox(&combo, theme);
    QCOMPARE(combo.styleSheet(), pageSheet);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QAbstractItemView *view = combo.view();
    QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), testWait::kHangMs);
    // The row under the pointer is the current one of the pop-up.
    view->setCurrentIndex(combo.model()->index(1, 0));
    QTest::qWait(50);
    const QImage img = view->window()->grab().toImage();
    const QPoint viewAt = view->mapTo(view->window(), QPoint(0, 0));
    const QRect row1 = view->visualRect(combo.model()->index(1, 0)).translated(viewAt);
    const QRect row2 = view->visualRect(combo.model()->index(2, 0)).translated(viewAt);
    const QPoint plain(row2.right() - 4, row2.center().y());
    const QPoint lit(row1.right() - 4, row1.center().y());
    const Look look = expectedLook(file, theme);
    const QString listColour = pageList ? QColor(34, 34, 58).name() : look.panel;
    const QString edgeColour = pageList ? QColor(52, 52, 86).name() : look.edge;
    QCOMPARE(img.pixelColor(plain).name(), listColour);
    const QString highlight = img.pixelColor(lit).name();
    if (pageList) {
        // The selected row may be blended by a channel step or two.
        const QColor got = img.pixelColor(lit);
        QVERIFY2(qAbs(got.red() - 52) <= 3 && qAbs(got.green() - 52) <= 3 && qAbs(got.blue() - 86) <= 3,
                 qPrintable(highlight));
    }
    else
        QVERIFY2(highlight == look.hover || highlight == look.selected, qPrintable(highlight));
    QVERIFY(highlight != listColour);
    // The pop-up's edge is the list's own, not a grey frame.
    QCOMPARE(img.pixelColor(0, img.height() / 2).name(), edgeColour);
    combo.hidePopup();
}

void tst_themestyle::menu()
{
    QFETCH(QString, file);
    const themeColorData theme = DDataManager::readThemeFile(file, false);
    QMenu menu;
    QAction *first = menu.addAction("Minimize(&N)");
    QAction *second = menu.addAction("Maximize(&X)");
    menu.addSeparator();
    menu.addAction("Quit(&Q)");
    themeStyle::styleMenu(&menu, theme);
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(second);
    QTest::qWait(50);
    const QImage img = menu.grab().toImage();
    const QRect plain = menu.actionGeometry(first);
    const QRect lit = menu.actionGeometry(second);
    const Look look = expectedLook(file, theme);
    QCOMPARE(img.pixelColor(plain.right() - 3, plain.center().y()).name(), look.panel);
    QCOMPARE(img.pixelColor(lit.right() - 3, lit.center().y()).name(), look.hover);
    QCOMPARE(img.pixelColor(0, img.height() / 2).name(), look.edge);
}

void tst_themestyle::bubbleMenusHaveNoFrame_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("profile menu") << "profile";
    QTest::newRow("macro row menu") << "macro";
}

// The entries of both bubble menus sit on the bubble without a panel frame:
// a stock styled panel draws a light-grey line round them.
void tst_themestyle::bubbleMenusHaveNoFrame()
{
    QFETCH(QString, which);
    // In the bubble the pages show it in.
    ArrowWidget bubble(0);
    QWidget *menu = which == "profile" ? static_cast<QWidget *>(new DProfileMenuToolWidget)
                                       : static_cast<QWidget *>(new macroMenuToolWidget);
    bubble.setBubbleSize(160, 160);
    bubble.setContentWidget(menu);
    bubble.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bubble));
    const QImage img = bubble.grab().toImage();
    const QList<QLabel *> labels = menu->findChildren<QLabel *>();
    QVERIFY(!labels.isEmpty());
    QRect entries;
    for (QLabel *label : labels)
        entries |= QRect(label->mapTo(&bubble, QPoint(0, 0)), label->size());
    // No pixel between the entries' edge and the menu's edge is lighter than
    // the entries themselves.
    int lightest = 0;
    for (int y = entries.top(); y <= entries.bottom(); ++y)
        for (int x : {entries.left() - 1, entries.left() - 2, entries.right() + 1, entries.right() + 2})
            if (x >= 0 && x < img.width())
                lightest = qMax(lightest, qGray(img.pixel(x, y)));
    QVERIFY2(lightest < 80, qPrintable(QString::number(lightest)));
}

// The play-count field is off unless "Play multiple times" is chosen; it must
// not look like a field that takes input.
void tst_themestyle::disabledPlayCountLooksDisabled()
{
    DMacroCmdPage page;
    page.resize(463, 180);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *field = page.findChild<QLineEdit *>(QStringLiteral("lineEdit_playMany"));
    QVERIFY(field && !field->isEnabled());
    const QImage off = field->grab().toImage();
    page.findChild<QRadioButton *>(QStringLiteral("radioButton_playMany"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(field->isEnabled(), testWait::kHangMs);
    // Compared at rest: neither focused nor under the pointer.
    field->clearFocus();
    page.setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(!field->hasFocus(), testWait::kHangMs);
    const QImage on = field->grab().toImage();
    const QPoint inside(field->width() - 6, field->height() / 2);
    const QPoint edge(field->width() / 2, 0);
    QVERIFY2(on.pixelColor(inside) != off.pixelColor(inside), qPrintable(on.pixelColor(inside).name()));
    QVERIFY2(on.pixelColor(edge) != off.pixelColor(edge), qPrintable(on.pixelColor(edge).name()));
}

// The file dialog opens wide enough for its columns, with the typing going
// to the file-name field and a default button that does not look like an
// error mark.
void tst_themestyle::fileDialog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("profile export.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(644, 'x'));
    file.close();

    QFileDialog dialog(nullptr, "Import", dir.path(), "*.xml");
    dialog.setFileMode(QFileDialog::ExistingFile);
    DDialogFileChooser::dress(dialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() * 0.9;
    QCOMPARE(dialog.size(), QSize(860, 520).boundedTo(room));

    QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget(), testWait::kHangMs);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget()->objectName(), QStringLiteral("fileNameEdit"), testWait::kHangMs);
    QTest::keyClicks(QApplication::focusWidget(), "abc");
    QCOMPARE(dialog.findChild<QLineEdit *>("fileNameEdit")->text(), QStringLiteral("abc"));

    auto *tree = dialog.findChild<QTreeView *>("treeView");
    QVERIFY(tree);
    QTRY_VERIFY_WITH_TIMEOUT(tree->model()->rowCount(tree->rootIndex()) > 0, testWait::kHangMs);
    const QModelIndex size = tree->model()->index(0, 1, tree->rootIndex());
    const QString sizeText = size.data().toString();
    QVERIFY(!sizeText.isEmpty());
    QTRY_VERIFY2_WITH_TIMEOUT(tree->header()->sectionSize(1) >= tree->fontMetrics().horizontalAdvance(sizeText),
             qPrintable(QString("%1 px for \"%2\"").arg(tree->header()->sectionSize(1)).arg(sizeText)), testWait::kHangMs);

    QPushButton *preferred = nullptr;
    QPushButton *other = nullptr;
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->isVisible())
            (button->isDefault() ? preferred : other) = button;
    QVERIFY(preferred && other);
    const QImage a = preferred->grab().toImage();
    const QImage b = other->grab().toImage();
    const QColor edge = a.pixelColor(a.width() / 2, 0);
    const QColor accent = QColor(255, 143, 31);
    QVERIFY2(qAbs(edge.red() - accent.red()) + qAbs(edge.green() - accent.green()) + qAbs(edge.blue() - accent.blue()) > 120,
             qPrintable(edge.name()));
    // Told apart by its face instead.
    QVERIFY(a.pixelColor(4, a.height() / 2) != b.pixelColor(4, b.height() / 2));
    dialog.reject();
}

QTEST_MAIN(tst_themestyle)
#include "tst_themestyle.moc"
