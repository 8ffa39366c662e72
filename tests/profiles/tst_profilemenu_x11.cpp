// The profile menu on a real X server with a window manager: the pointer and
// the keys come from the X server (xdotool), as a user's would. After the
// menu closes, by Escape or by any entry, keys typed go into the window's
// fields, and a single click on "..." opens the menu again.
#include "profilesFixture.h"

#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui/widgets/ArrowWidget.h"
#include "../testWait.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>

using namespace profilesTest;

namespace {

const QByteArray kSerial = "A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6";

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// A real click at the middle of the widget. The point is taken within the
// widget's own X window, where the X server has it: a loaded window manager
// may not yet have moved a new window where Qt already believes it is.
bool clickOn(QWidget *widget)
{
    QWidget *top = widget->window();
    const QPoint p = widget->mapTo(top, widget->rect().center());
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(top->winId()),
                    QStringLiteral("--sync"), QString::number(p.x()), QString::number(p.y())})
           && xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

// Types into `widget` once it has Qt's focus and its window has the X
// server's input focus, where typed keys go: a loaded window manager may
// hand that over after Qt already takes the window for active.
bool typeInto(QWidget *widget, const QString &text)
{
    const QString window = QString::number(widget->window()->winId());
    const bool focused = QTest::qWaitFor(
        [&] {
            if (!widget->hasFocus())
                return false;
            QProcess focus;
            focus.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
            return focus.waitForFinished(testWait::kHangMs)
                   && QString::fromLatin1(focus.readAllStandardOutput()).trimmed() == window;
        },
        testWait::kHangMs);
    if (!focused) {
        // Where the focus and the pointer were instead, for the failure.
        QProcess focus;
        focus.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
        focus.waitForFinished(testWait::kHangMs);
        const QWidget *has = QApplication::focusWidget();
        const QWidget *under = QApplication::widgetAt(QCursor::pos());
        qWarning("no focus for typing: Qt's focus on %s (%s), active window %s, X focus on %s (ours %s), "
                 "pointer at %d,%d over %s, the field at %d,%d",
                 has ? has->metaObject()->className() : "nothing", has ? qPrintable(has->objectName()) : "",
                 QApplication::activeWindow() ? QApplication::activeWindow()->metaObject()->className() : "none",
                 qPrintable(QString::fromLatin1(focus.readAllStandardOutput()).trimmed()), qPrintable(window),
                 QCursor::pos().x(), QCursor::pos().y(),
                 under ? qPrintable(under->objectName() + QLatin1Char(' ') + under->metaObject()->className()) : "nothing",
                 widget->mapToGlobal(QPoint(0, 0)).x(), widget->mapToGlobal(QPoint(0, 0)).y());
    }
    return focused && xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

} // namespace

class tst_profilemenu_x11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typingGoesOnAfterTheMenu_data();
    void typingGoesOnAfterTheMenu();
    void renameTakesTypedName();

private:
    QPushButton *menuButton() const
    {
        return m_page->findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    }
    // Opens the menu with one real click; false when it did not open.
    bool openMenu();

    std::unique_ptr<DDevicePage> m_page;
    std::shared_ptr<ScriptedChooser> m_chooser;
    QLineEdit *m_field = nullptr;
};

void tst_profilemenu_x11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server with a window manager (run-under-openbox.sh)");
    if (QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("version")}) != 0)
        QSKIP("xdotool is missing");
    QVERIFY(startLibrary());
}

void tst_profilemenu_x11::init()
{
    removeProfileFolders();
    m_page = startPage({{"Pravo", false, true, kSerial}});
    QVERIFY(m_page);
    m_chooser = std::make_shared<ScriptedChooser>();
    m_page->setFileChooser(m_chooser);
    // A field of the window besides the page's own: where the user types
    // after using the menu.
    m_field = new QLineEdit(m_page.get());
    m_field->setObjectName(QStringLiteral("typingProbe"));
    m_field->setGeometry(400, 10, 200, 28);
    m_field->show();
    m_field->raise();
    m_page->move(0, 0);
    m_page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
}

void tst_profilemenu_x11::cleanup()
{
    destroyPage(m_page);
    m_field = nullptr;
}

bool tst_profilemenu_x11::openMenu()
{
    if (!clickOn(menuButton()))
        return false;
    return QTest::qWaitFor([&] { return m_page->bubble() && m_page->bubble()->isVisible(); }, testWait::kHangMs);
}

void tst_profilemenu_x11::typingGoesOnAfterTheMenu_data()
{
    QTest::addColumn<QString>("entry"); // a label of the menu, "" for Escape, "-" for a press on the field
    QTest::newRow("Escape") << QString();
    QTest::newRow("press on the field") << "-";
    QTest::newRow("create") << "label_CreateNew";
    QTest::newRow("delete") << "label_Delete";
    QTest::newRow("export") << "label_Export";
    QTest::newRow("import") << "label_Import";
    QTest::newRow("modify name") << "label_ModifyNanme";
}

void tst_profilemenu_x11::typingGoesOnAfterTheMenu()
{
    QFETCH(QString, entry);
    QVERIFY(clickOn(m_field));
    QVERIFY(typeInto(m_field, QStringLiteral("ab")));
    QTRY_COMPARE_WITH_TIMEOUT(m_field->text(), QStringLiteral("ab"), testWait::kHangMs);

    QVERIFY(openMenu());
    ArrowWidget *bubble = m_page->bubble();
    if (entry.isEmpty()) {
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    } else if (entry == QLatin1String("-")) {
        QVERIFY(clickOn(m_field));
    } else {
        auto *label = bubble->findChild<QLabel *>(entry);
        QVERIFY(label);
        QVERIFY(clickOn(label));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!bubble->isVisible(), testWait::kHangMs);
    // A message the entry may show (import and export without a file) has
    // gone before the field is clicked.
    QVERIFY(clickOn(m_field));
    QVERIFY(typeInto(m_field, QStringLiteral("cd")));
    QTRY_COMPARE_WITH_TIMEOUT(m_field->text(), QStringLiteral("abcd"), testWait::kHangMs);

    // The first click on "..." after the menu opens it again.
    QVERIFY(openMenu());
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->bubble()->isVisible(), testWait::kHangMs);
}

void tst_profilemenu_x11::renameTakesTypedName()
{
    QVERIFY(openMenu());
    QVERIFY(clickOn(m_page->bubble()->findChild<QLabel *>(QStringLiteral("label_ModifyNanme"))));
    auto *name = m_page->findChild<QLineEdit *>(QStringLiteral("lineEdit_profileName"));
    QVERIFY(name);
    QTRY_VERIFY_WITH_TIMEOUT(name->isVisible(), testWait::kHangMs);
    // The name is selected and has the focus: typing replaces it.
    QVERIFY(typeInto(name, QStringLiteral("Games")));
    QTRY_COMPARE_WITH_TIMEOUT(name->text(), QStringLiteral("Games"), testWait::kHangMs);
    QVERIFY(clickOn(m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))));
    QTRY_COMPARE_WITH_TIMEOUT(profileName(m_page->profileXmlPath(), profileIndexes(m_page->profileXmlPath()).first()),
                 QStringLiteral("Games"), testWait::kHangMs);
}

QTEST_MAIN(tst_profilemenu_x11)
#include "tst_profilemenu_x11.moc"
