// The macro editor against a real macro store: the dialog itself, the
// operations on whole macros and the edits of a macro's event list. After
// every edit the rows must show exactly what the store holds.
#include "macroFixture.h"
#include "app/QtLinguist.h"
#include "ui/widgets/CbNotice.h"
#include "../testWait.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>

using namespace macroTest;

class tst_macropage : public QObject
{
    Q_OBJECT
private slots:
    void dialogFrame();
    void escapeClosesLikeCloseButton();

    void addTakesFirstFreeIndex_data();
    void addTakesFirstFreeIndex();
    void addFailureIsShown();
    void toastCoversNoContent();
    void longToastKeepsClearOfTitle_data();
    void longToastKeepsClearOfTitle();
    void renameAndKeepNameThroughRewrite();
    void deleteCurrentSelectsFirst();
    void exportWritesSanitisedFile();
    void exportAsksBeforeReplacing();
    void exportNeverOverwritesTheStore();
    void importTakesLastMacroOfFile();
    void importRefusesBadFiles_data();
    void importRefusesBadFiles();
    void longPathsRefused();

    void insertPositions_data();
    void insertPositions();
    void insertMouseAndRepeatAfter();
    void insertRefusedAtLimits_data();
    void insertRefusedAtLimits();
    void insertWithoutSelectionOrKey();
    void modifyMouseReleaseToMiddle();
    void modifyUnchangedKeyChangesOnlyDelay();
    void modifyKeyIntoMouse();
    void propertyPanelEmptyWithoutSelection_data();
    void propertyPanelEmptyWithoutSelection();
    void deletePair();
    void deleteLoneRowRecountsPresses();
    void moveRefusals_data();
    void moveRefusals();
    void moveAcrossAnotherPair();
    void moveAfterInsertFollowsTheRow();
    void clearLeavesEmptyMacro();
    void eventRowLooks_data();
    void eventRowLooks();
    void eventRowHoverShowsDeleteOnly();
};

void tst_macropage::dialogFrame()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1)));
    DMacroPage *page = e.open();
    QCOMPARE(page->size(), QSize(1050, 690));
    QVERIFY(page->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(page->windowFlags() & Qt::FramelessWindowHint);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
    QCOMPARE(e.child<QWidget>("frame_Left")->maximumWidth(), 315);
    QCOMPARE(e.child<QWidget>("frame_Center")->maximumWidth(), 420);
    QCOMPARE(e.child<QWidget>("frame_Right")->maximumWidth(), 315);
    QVERIFY(e.child<QRadioButton>("radioButton_RecordDelay")->isChecked());
    QVERIFY(e.child<QRadioButton>("radioButton_InsertAfter")->isChecked());
    QVERIFY(e.child<QRadioButton>("radioButton_Delay")->isHidden());
    QCOMPARE(e.child<QLineEdit>("lineEdit_DefaultDelayNum")->text(), QStringLiteral("100"));
    QCOMPARE(e.child<QLabel>("label")->text(), QStringLiteral("Start record"));
    // The delay fields take 65535 and refuse 65536 (the Property panel's
    // with an event selected: it takes no input otherwise).
    e.clickRow(0);
    for (const char *name : {"lineEdit_DelayNum", "lineEdit_DefaultDelayNum", "lineEdit_EnterDelayNum"}) {
        QLineEdit *field = e.child<QLineEdit>(name);
        field->clear();
        QTest::keyClicks(field, QStringLiteral("65535"));
        QCOMPARE(field->text(), QStringLiteral("65535"));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("65536"));
        QCOMPARE(field->text(), QStringLiteral("6553"));
    }
    // The three delay modes are exclusive across their two frames.
    e.child<QRadioButton>("radioButton_DefaultDelay")->click();
    QVERIFY(!e.child<QRadioButton>("radioButton_RecordDelay")->isChecked());
}

void tst_macropage::escapeClosesLikeCloseButton()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1"));
    DMacroPage *page = e.open();
    QSignalSpy closed(page, &DMacroPage::sigMacroPageClose);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
    page->toggleRecording();
    QVERIFY(page->isRecording());
    e.now += 10;
    page->onKeyboardRecviveStream(65, 0x1E, 1, 0);
    e.hookRequests.clear();
    QTest::keyClick(page, Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(e.hookRequests, QList<bool>{false});
    QTRY_VERIFY_WITH_TIMEOUT(e.page.isNull(), testWait::kHangMs);
    // A running recording is not stored.
    QVERIFY(storedEvents(e.store, "1").isEmpty());
}

void tst_macropage::addTakesFirstFreeIndex_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("added");
    QTest::newRow("1 2 4") << QList<int>{1, 2, 4} << 3;
    QTest::newRow("2 3") << QList<int>{2, 3} << 1;
    QTest::newRow("1 2 3") << QList<int>{1, 2, 3} << 4;
    QTest::newRow("none") << QList<int>{} << 1;
}

void tst_macropage::addTakesFirstFreeIndex()
{
    QFETCH(QList<int>, stored);
    QFETCH(int, added);
    Editor e;
    QStringList expected;
    for (int i : stored) {
        QVERIFY(addMacro(e.store, i, QStringLiteral("Mine%1").arg(i), pair(1)));
        expected << QStringLiteral("%1 Mine%1").arg(i);
    }
    DMacroPage *page = e.open();
    e.click("pushButton_Add");
    expected << QStringLiteral("%1 Macro%1").arg(added);
    expected.sort();
    QStringList listed = macroList(e.store);
    listed.sort();
    QCOMPARE(listed, expected);
    QCOMPARE(page->lastNotice(), QStringLiteral("Add macro successful"));
    QCOMPARE(page->macroRows().size(), stored.size() + 1);
    // The first listed macro is current, not the new one.
    QCOMPARE(page->currentMacroIndex(), QString::number(stored.isEmpty() ? added : qMin(added, stored.first())));
    QCOMPARE(e.changed->count(), 0);
}

// The toast sits on the title bar: it covers neither the event rows, nor
// "Record is empty", nor any control of the three columns.
void tst_macropage::toastCoversNoContent()
{
    Editor e;
    DMacroPage *page = e.open();
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
    e.click("pushButton_Add");
    auto *toast = page->findChild<CbNotice *>();
    QVERIFY(toast);
    QTRY_VERIFY_WITH_TIMEOUT(toast->isVisible(), testWait::kHangMs);
    const QRect shown = toast->geometry();
    auto *content = page->findChild<QWidget *>(QStringLiteral("frame_2"));
    auto *title = page->findChild<QWidget *>(QStringLiteral("frame_Title"));
    QVERIFY(content && title);
    const QRect contentRect(content->mapTo(page, QPoint(0, 0)), content->size());
    const QRect titleRect(title->mapTo(page, QPoint(0, 0)), title->size());
    QVERIFY2(!shown.intersects(contentRect), qPrintable(QStringLiteral("toast at y %1..%2, content from y %3")
                                                             .arg(shown.top()).arg(shown.bottom()).arg(contentRect.top())));
    auto *close = page->findChild<QWidget *>(QStringLiteral("pushButton_Close"));
    QVERIFY(!shown.intersects(QRect(close->mapTo(page, QPoint(0, 0)), close->size())));
    // Nor the title: the toast is see-through.
    auto *label = page->findChild<QLabel *>(QStringLiteral("label_Title"));
    const QSize textSize(label->fontMetrics().horizontalAdvance(label->text()), label->fontMetrics().height());
    const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(), textSize, label->contentsRect())
                           .translated(label->mapTo(page, QPoint(0, 0)));
    QVERIFY2(!shown.intersects(text), qPrintable(QStringLiteral("toast x %1..%2, title x %3..%4")
                                                     .arg(shown.left()).arg(shown.right()).arg(text.left()).arg(text.right())));
    QVERIFY(titleRect.contains(shown.center()));
}

void tst_macropage::longToastKeepsClearOfTitle_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(QtLinguist::English);
    QTest::newRow("German, the longest text") << int(QtLinguist::German);
    QTest::newRow("Arabic, right to left") << int(QtLinguist::Arabic);
}

// A message too long for the free stretch of the title bar is wrapped there:
// the see-through toast meets neither the title, nor the logo, nor the close
// button, nor the content, and its whole text is shown.
void tst_macropage::longToastKeepsClearOfTitle()
{
    QFETCH(int, language);
    QtLinguist linguist;
    QVERIFY(linguist.load(language));
    Editor e;
    QTemporaryDir in;
    const QString path = in.filePath(QStringLiteral("nokey.xml"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">"
            "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"260\" codeName=\"x\" operate=\"down\"/>"
            "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"260\" codeName=\"x\" operate=\"up\"/>"
            "</macro></vardexStore>");
    f.close();
    DMacroPage *page = e.open();
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
    e.chooser->file = path;
    e.click("pushButton_Import");
    auto *toast = page->findChild<CbNotice *>();
    QVERIFY(toast);
    QTRY_VERIFY_WITH_TIMEOUT(toast->isVisible(), testWait::kHangMs);
    QVERIFY2(page->lastNotice().contains(QLatin1String("260")), qPrintable(page->lastNotice()));
    const QRect shown = toast->geometry();

    const auto rectOf = [page](const QWidget *w) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); };
    auto *label = page->findChild<QLabel *>(QStringLiteral("label_Title"));
    const QSize textSize(label->fontMetrics().horizontalAdvance(label->text()), label->fontMetrics().height());
    const QRect titleText =
        QStyle::alignedRect(label->layoutDirection(), label->alignment(), textSize, label->contentsRect())
            .translated(label->mapTo(page, QPoint(0, 0)));
    const QList<QPair<QString, QRect>> keepClear = {
        {QStringLiteral("title"), titleText},
        {QStringLiteral("logo"), rectOf(page->findChild<QWidget *>(QStringLiteral("frame_LogoSet")))},
        {QStringLiteral("close"), rectOf(page->findChild<QWidget *>(QStringLiteral("pushButton_Close")))},
        {QStringLiteral("content"), rectOf(page->findChild<QWidget *>(QStringLiteral("frame_2")))}};
    // On one line the text is wider than any stretch the bar leaves free:
    // this is the case at issue.
    QList<QRect> onBar = {keepClear[0].second, keepClear[1].second, keepClear[2].second};
    std::sort(onBar.begin(), onBar.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    int widestGap = onBar.first().left() - rectOf(page->findChild<QWidget *>(QStringLiteral("frame_Title"))).left();
    for (int i = 1; i < onBar.size(); ++i)
        widestGap = qMax(widestGap, onBar[i].left() - onBar[i - 1].right());
    QVERIFY(toast->fontMetrics().horizontalAdvance(page->lastNotice()) + 36 > widestGap);

    for (const auto &other : keepClear)
        QVERIFY2(!shown.intersects(other.second),
                 qPrintable(QStringLiteral("toast (%1,%2 %3x%4) meets the %5 (%6,%7 %8x%9)")
                                .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                                .arg(other.first)
                                .arg(other.second.x()).arg(other.second.y())
                                .arg(other.second.width()).arg(other.second.height())));
    QVERIFY(page->rect().contains(shown));
    // Every line of the text lies inside the toast, clear of its rounded ends.
    const QRect textArea = toast->rect().adjusted(16, 0, -16, 0);
    const QRect needed =
        toast->fontMetrics().boundingRect(textArea, Qt::AlignCenter | Qt::TextWordWrap, page->lastNotice());
    QVERIFY2(textArea.contains(needed), qPrintable(QStringLiteral("text needs %1x%2, toast gives %3x%4")
                                                       .arg(needed.width()).arg(needed.height())
                                                       .arg(textArea.width()).arg(textArea.height())));
}

void tst_macropage::addFailureIsShown()
{
    Editor e;
    e.store = local(e.dir.filePath(QStringLiteral("missing/folder/appMacro.xml")));
    DMacroPage *page = e.open();
    e.click("pushButton_Add");
    QCOMPARE(page->lastNotice(), QStringLiteral("Add macro failed"));
    QVERIFY(page->macroRows().isEmpty());
}

void tst_macropage::renameAndKeepNameThroughRewrite()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1)));
    DMacroPage *page = e.open();
    DMacroListItem *row = e.macroRow("1");
    QTest::mouseDClick(row, Qt::LeftButton);
    QVERIFY(row->isRenaming());
    QLineEdit *field = row->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"));
    field->clear();
    row->findChild<QAbstractButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(page->lastNotice(), QStringLiteral("Macro name can't be empty"));
    QVERIFY(row->isRenaming());
    field->setText(QString::fromUtf8("Schnell 速"));
    row->findChild<QAbstractButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(page->lastNotice(), QStringLiteral("Modify macro name successful"));
    QVERIFY(!row->isRenaming());
    QCOMPARE(page->currentMacroName(), QString::fromUtf8("Schnell 速"));
    // A name the store cannot hold is refused and said so.
    QTest::mouseDClick(row, Qt::LeftButton);
    field->setText(QString(70, QChar('x')));
    row->findChild<QAbstractButton *>(QStringLiteral("pushButton_Save"))->click();
    QCOMPARE(page->lastNotice(), QStringLiteral("Modify macro name failed"));
    row->findChild<QAbstractButton *>(QStringLiteral("pushButton_Cancel"))->click();
    // Clear re-creates the node under the new name.
    e.click("pushButton_ClearMacroLst");
    QCOMPARE(macroList(e.store), QStringList{QString::fromUtf8("1 Schnell 速")});
}

void tst_macropage::deleteCurrentSelectsFirst()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4)));
    QVERIFY(addMacro(e.store, 2, "Macro2", pair(1, 5)));
    QVERIFY(addMacro(e.store, 3, "Macro3", pair(1, 6)));
    DMacroPage *page = e.open();
    // Deleting one that is not current leaves the current one.
    emit e.macroRow("3")->sigDeleteMacro("3", "Macro3");
    QCOMPARE(page->lastNotice(), QStringLiteral("Delete macro successful"));
    QCOMPARE(page->currentMacroIndex(), QStringLiteral("1"));
    QCOMPARE(macroList(e.store), (QStringList{"1 Macro1", "2 Macro2"}));
    emit e.macroRow("1")->sigDeleteMacro("1", "Macro1");
    QCOMPARE(page->currentMacroIndex(), QStringLiteral("2"));
    QVERIFY(rowsMatchStore(page, e.store));
    emit e.macroRow("2")->sigDeleteMacro("2", "Macro2");
    QCOMPARE(page->currentMacroIndex(), QString());
    QVERIFY(page->eventRows().isEmpty());
    QCOMPARE(e.child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), QStringLiteral("page_isEmpty"));
    QCOMPARE(e.changed->count(), 0);
}

void tst_macropage::exportWritesSanitisedFile()
{
    Editor e;
    const QList<EventText> events = pair(1, 4, 0) + pair(2, 5, 30);
    QVERIFY(addMacro(e.store, 3, "Fast", events));
    QVERIFY(addMacro(e.store, 4, "../../escape", pair(1)));
    DMacroPage *page = e.open();
    QTemporaryDir out;
    e.chooser->directory = out.path();
    emit e.macroRow("3")->sigExportMacroChildList("3", "Fast");
    QCOMPARE(page->lastNotice(), QStringLiteral("Export macro successful"));
    const QByteArray file = local(out.filePath(QStringLiteral("Fast.xml")));
    QCOMPARE(macroList(file), QStringList{"3 Macro3"});
    QCOMPARE(describe(storedEvents(file, "3")), describe(events));
    QCOMPARE(e.chooser->lastStartDir, DFileChooser::startFolder());

    emit e.macroRow("4")->sigExportMacroChildList("4", "../../escape");
    QCOMPARE(page->lastNotice(), QStringLiteral("Export macro successful"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files, QDir::Name), (QStringList{"Fast.xml", "_.._escape.xml"}));

    e.chooser->directory.clear();
    emit e.macroRow("3")->sigExportMacroChildList("3", "Fast");
    QCOMPARE(page->lastNotice(), QStringLiteral("Please select save directory first"));
}

void tst_macropage::exportAsksBeforeReplacing()
{
    Editor e;
    QVERIFY(addMacro(e.store, 3, "Fast", pair(1)));
    DMacroPage *page = e.open();
    QTemporaryDir out;
    const QString target = out.filePath(QStringLiteral("Fast.xml"));
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    e.chooser->directory = out.path();
    e.chooser->confirmAnswer = false;
    emit e.macroRow("3")->sigExportMacroChildList("3", "Fast");
    QCOMPARE(e.chooser->confirmCount, 1);
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("keep me"));
    f.close();
    e.chooser->confirmAnswer = true;
    emit e.macroRow("3")->sigExportMacroChildList("3", "Fast");
    QCOMPARE(page->lastNotice(), QStringLiteral("Export macro successful"));
    QCOMPARE(macroList(local(target)), QStringList{"3 Macro3"});
}

void tst_macropage::exportNeverOverwritesTheStore()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "appMacro", pair(1)));
    QVERIFY(addMacro(e.store, 2, "Other", pair(1)));
    DMacroPage *page = e.open();
    e.chooser->directory = e.dir.path();
    e.chooser->confirmAnswer = true;
    emit e.macroRow("1")->sigExportMacroChildList("1", "appMacro");
    QCOMPARE(page->lastNotice(), QStringLiteral("Export macro failed"));
    QCOMPARE(macroList(e.store), (QStringList{"1 appMacro", "2 Other"}));
}

void tst_macropage::importTakesLastMacroOfFile()
{
    Editor e;
    for (int i : {1, 2, 4})
        QVERIFY(addMacro(e.store, i, QStringLiteral("Macro%1").arg(i), pair(1)));
    QTemporaryDir in;
    const QByteArray file = local(in.filePath(QStringLiteral("two.xml")));
    QVERIFY(CVardexXML_CreateXMLFile(file.constData()));
    QVERIFY(addMacro(file, 6, "First", pair(1, 9)));
    const QList<EventText> last = pair(3, 7, 25) + QList<EventText>{ev(4, "down", 513, 5, "mouse"), ev(4, "up", 514, 6, "mouse")};
    QVERIFY(addMacro(file, 8, "Second", last));
    DMacroPage *page = e.open();
    e.chooser->file = QFile::decodeName(file);
    e.click("pushButton_Import");
    QCOMPARE(page->lastNotice(), QStringLiteral("Import macro successful"));
    QCOMPARE(macroList(e.store), (QStringList{"1 Macro1", "2 Macro2", "4 Macro4", "5 Macro5"}));
    QCOMPARE(describe(storedEvents(e.store, "5")), describe(last));
    QCOMPARE(page->macroRows().size(), 4);
    QCOMPARE(e.changed->count(), 0);
}

void tst_macropage::importRefusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QString failed = QStringLiteral("Import macro failed");
    QTest::newRow("no macro") << QByteArray("<?xml version=\"1.0\"?>\n<vardexStore version=\"1\"/>\n") << failed;
    QTest::newRow("not xml") << QByteArray("this is not a macro") << failed;
    QTest::newRow("lone press")
        << QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">"
                      "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"down\"/>"
                      "</macro></vardexStore>")
        << failed;
    QTest::newRow("bad type")
        << QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">"
                      "<event mark=\"1\" delay=\"0\" type=\"run\" keyCode=\"4\" codeName=\"A\" operate=\"down\"/>"
                      "<event mark=\"1\" delay=\"0\" type=\"run\" keyCode=\"4\" codeName=\"A\" operate=\"up\"/>"
                      "</macro></vardexStore>")
        << failed;
    QByteArray many = "<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">";
    for (int i = 1; i <= 21; ++i)
        many += QStringLiteral("<event mark=\"%1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"down\"/>"
                               "<event mark=\"%1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"up\"/>")
                    .arg(i)
                    .toLatin1();
    QTest::newRow("42 events") << many + "</macro></vardexStore>" << failed;

    // A pair of key A (4), then one pair of the given type and code.
    auto withCode = [](const char *type, const char *code) {
        return QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">"
                          "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"down\"/>"
                          "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"up\"/>"
                          "<event mark=\"2\" delay=\"0\" type=\"")
               + type + "\" keyCode=\"" + code + "\" codeName=\"x\" operate=\"down\"/>"
               + "<event mark=\"2\" delay=\"0\" type=\"" + type + "\" keyCode=\"" + code
               + "\" codeName=\"x\" operate=\"up\"/></macro></vardexStore>";
    };
    const QString noKey = QStringLiteral("Import macro failed: event 3 has the key code %1, which is no key");
    for (const char *code : {"260", "65540", "99999", "-5", "-1", "412"})
        QTest::newRow(qPrintable(QStringLiteral("key code %1").arg(code))) << withCode("key", code) << noKey.arg(code);
    const QString noButton =
        QStringLiteral("Import macro failed: event 3 has the mouse code %1, which is no button action");
    for (const char *code : {"999", "4", "512"})
        QTest::newRow(qPrintable(QStringLiteral("mouse code %1").arg(code))) << withCode("mouse", code)
                                                                              << noButton.arg(code);

    const QByteArray pairOfA = "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"down\"/>"
                               "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"up\"/>";
    QTest::newRow("entity declaration")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE vardexStore [<!ENTITY k \"4\">]>"
                      "<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">"
                      "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"&k;\" codeName=\"A\" operate=\"down\"/>"
                      "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"&k;\" codeName=\"A\" operate=\"up\"/>"
                      "</macro></vardexStore>")
        << QStringLiteral("Import macro failed: the file declares a document type or entity");
    const QString foreign = QStringLiteral("Import macro failed: the file holds more than macros and their events");
    QTest::newRow("events 4000 elements deep")
        << QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">") + QByteArray("<x>").repeated(4000)
               + pairOfA + QByteArray("</x>").repeated(4000) + "</macro></vardexStore>"
        << foreign;
    QTest::newRow("macro inside an unknown element")
        << QByteArray("<vardexStore version=\"1\"><old><macro index=\"1\" name=\"a\">") + pairOfA
               + "</macro></old></vardexStore>"
        << foreign;
    QTest::newRow("text beside the events")
        << QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">press") + pairOfA
               + "</macro></vardexStore>"
        << foreign;
    QTest::newRow("name not UTF-8")
        << QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"\xe9t\xe9\">") + pairOfA
               + "</macro></vardexStore>"
        << QStringLiteral("Import macro failed: the file is not UTF-8 text");
    QTest::newRow("code name cut inside a character")
        << QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"a\">"
                      "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"\xc3\" operate=\"down\"/>"
                      "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" operate=\"up\"/>"
                      "</macro></vardexStore>")
        << QStringLiteral("Import macro failed: the file is not UTF-8 text");
    // Overlong forms, surrogates and code points past U+10FFFF would reach the
    // store as bytes every other reader refuses.
    const QList<QByteArray> notUtf8 = {"\xc0\xaf", "\xe0\x80\xaf", "\xe0\x9f\xbf", "\xf0\x8f\xbf\xbf",
                                       "\xed\xa0\x80", "\xed\xbf\xbf", "\xf4\x90\x80\x80"};
    for (const QByteArray &bytes : notUtf8)
        QTest::newRow(qPrintable("name with " + bytes.toHex(' ')))
            << QByteArray("<vardexStore version=\"1\"><macro index=\"1\" name=\"m" + bytes + "\">") + pairOfA
                   + "</macro></vardexStore>"
            << QStringLiteral("Import macro failed: the file is not UTF-8 text");
}

void tst_macropage::importRefusesBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1)));
    QTemporaryDir in;
    const QString path = in.filePath(QStringLiteral("bad.xml"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    DMacroPage *page = e.open();
    const qint64 before = inode(e.store);
    e.chooser->file = path;
    e.click("pushButton_Import");
    QCOMPARE(page->lastNotice(), message);
    QCOMPARE(macroList(e.store), QStringList{"1 Macro1"});
    QCOMPARE(inode(e.store), before);
}

void tst_macropage::longPathsRefused()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1)));
    DMacroPage *page = e.open();
    e.chooser->file = QStringLiteral("/tmp/") + QString(260, QChar('m')) + QStringLiteral(".xml");
    e.click("pushButton_Import");
    QCOMPARE(page->lastNotice(), QStringLiteral("The file path is too long"));
    e.chooser->directory = QStringLiteral("/tmp/") + QString(252, QChar('d'));
    emit e.macroRow("1")->sigExportMacroChildList("1", "Macro1");
    QCOMPARE(page->lastNotice(), QStringLiteral("The file path is too long"));
    QCOMPARE(macroList(e.store), QStringList{"1 Macro1"});
    // The editor itself refuses a store path that does not fit.
    DMacroPage other;
    QVERIFY(!other.setMacroXmlPath(QByteArray(300, 'p').constData()));
}

// ---------------------------------------------------------------- event edits

void tst_macropage::insertPositions_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("after");
    QTest::addColumn<int>("at");
    QTest::newRow("after the last") << 3 << true << 4;
    QTest::newRow("before the first") << 0 << false << 0;
    QTest::newRow("after the first") << 0 << true << 1;
    QTest::newRow("before the last") << 3 << false << 3;
}

void tst_macropage::insertPositions()
{
    QFETCH(int, selected);
    QFETCH(bool, after);
    QFETCH(int, at);
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(3, 4) + pair(7, 5)));
    DMacroPage *page = e.open();
    e.clickRow(selected);
    // A key reaches a field only while that field has the focus.
    page->onKeyboardRecviveStream(67, 0x2E, 1, 0);
    QVERIFY(e.child<QLineEdit>("lineEdit_EnterKey")->text().isEmpty());
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page));
    e.child<QLineEdit>("lineEdit_EnterKey")->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(e.child<QLineEdit>("lineEdit_EnterKey")->hasFocus(), testWait::kHangMs);
    QCOMPARE(e.hookRequests.value(0, false), true);
    page->onKeyboardRecviveStream(67, 0x2E, 1, 0);
    QCOMPARE(e.child<QLineEdit>("lineEdit_EnterKey")->text(), QStringLiteral("C"));
    e.click(after ? "radioButton_InsertAfter" : "radioButton_InsertBefore");
    e.click("pushButton_InsertMacro");
    QCOMPARE(page->lastNotice(), QStringLiteral("Insert successful"));
    QCOMPARE(page->eventRows().size(), 6);
    QCOMPARE(e.row(at)->keyCode(), QStringLiteral("6"));
    QCOMPARE(e.row(at)->operate(), QStringLiteral("down"));
    QCOMPARE(e.row(at + 1)->keyCode(), QStringLiteral("6"));
    QCOMPARE(e.row(at + 1)->operate(), QStringLiteral("up"));
    // One above the highest stored mark.
    QCOMPARE(e.row(at)->mark(), QStringLiteral("8"));
    QCOMPARE(e.row(at)->delay(), QStringLiteral("0"));
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(e.changed->count(), 1);
    QCOMPARE(e.changed->first(), (QList<QVariant>{"1", "Macro1"}));
}

void tst_macropage::insertMouseAndRepeatAfter()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4) + pair(2, 5)));
    DMacroPage *page = e.open();
    e.clickRow(1);
    e.click("radioButton_Mouse");
    e.click("radioButton_MouseCenter");
    e.click("pushButton_InsertMacro");
    QCOMPARE(e.row(2)->keyCode(), QStringLiteral("519"));
    QCOMPARE(e.row(3)->keyCode(), QStringLiteral("520"));
    QCOMPARE(e.row(2)->codeName(), QStringLiteral("Center Click"));
    // A second insert after the same selection lands right after the
    // selected row again.
    e.click("radioButton_MouseRight");
    e.click("pushButton_InsertMacro");
    QCOMPARE(e.row(2)->keyCode(), QStringLiteral("516"));
    QCOMPARE(e.row(3)->keyCode(), QStringLiteral("517"));
    QCOMPARE(e.row(4)->keyCode(), QStringLiteral("519"));
    QCOMPARE(e.row(2)->mark(), QStringLiteral("4"));
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(page->pressCount(), 4);
}

void tst_macropage::insertRefusedAtLimits_data()
{
    QTest::addColumn<int>("pairs");
    QTest::addColumn<bool>("lonePress");
    QTest::addColumn<bool>("refused");
    QTest::newRow("38 events") << 19 << false << false;
    QTest::newRow("39 events") << 19 << true << true;
    QTest::newRow("40 events") << 20 << false << true;
}

void tst_macropage::insertRefusedAtLimits()
{
    QFETCH(int, pairs);
    QFETCH(bool, lonePress);
    QFETCH(bool, refused);
    Editor e;
    QList<EventText> events;
    for (int i = 1; i <= pairs; ++i)
        events += pair(i, 4 + i % 20);
    if (lonePress)
        events << ev(99, "up", 5, 0);
    QVERIFY(addMacro(e.store, 1, "Macro1", events));
    DMacroPage *page = e.open();
    e.clickRow(0);
    e.click("radioButton_Mouse");
    const qint64 before = inode(e.store);
    e.click("pushButton_InsertMacro");
    if (refused) {
        QCOMPARE(page->lastNotice(), QStringLiteral("The record of events has reached the limit"));
        QCOMPARE(inode(e.store), before);
        QCOMPARE(e.changed->count(), 0);
    } else {
        QCOMPARE(page->lastNotice(), QStringLiteral("Insert successful"));
    }
    QVERIFY(page->eventRows().size() <= macroModel::kMaxEvents);
    QVERIFY(rowsMatchStore(page, e.store));
}

void tst_macropage::insertWithoutSelectionOrKey()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1)));
    DMacroPage *page = e.open();
    e.click("pushButton_InsertMacro");
    QCOMPARE(page->lastNotice(), QStringLiteral("Please select a specific location first"));
    e.clickRow(0);
    e.click("pushButton_InsertMacro");
    QCOMPARE(page->lastNotice(), QStringLiteral("Please enter a key"));
    QCOMPARE(page->eventRows().size(), 2);
    QCOMPARE(e.changed->count(), 0);
}

void tst_macropage::modifyMouseReleaseToMiddle()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", QList<EventText>{ev(2, "down", 513, 10, "mouse"), ev(2, "up", 514, 20, "mouse")}));
    DMacroPage *page = e.open();
    e.clickRow(1);
    QVERIFY(e.row(1)->isSelectedLook());
    QVERIFY(e.row(0)->isPartnerLook());
    QVERIFY(e.child<QRadioButton>("radioButton_1left")->isChecked());
    e.click("radioButton_2center");
    e.child<QLineEdit>("lineEdit_DelayNum")->setText("70");
    e.click("pushButton_ModifyMacro");
    QCOMPARE(page->lastNotice(), QStringLiteral("Modify successful"));
    const QList<EventText> stored = storedEvents(e.store, "1");
    QCOMPARE(describe(stored), (QStringList{"2 10 mouse 519 Center Click down", "2 70 mouse 520 Center Click up"}));
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(page->totalDelay(), 80);
    QCOMPARE(e.changed->count(), 1);
}

void tst_macropage::modifyUnchangedKeyChangesOnlyDelay()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4, 10) + pair(2, 5, 20)));
    DMacroPage *page = e.open();
    e.clickRow(2);
    QCOMPARE(e.child<QLineEdit>("lineEdit_PressKey")->text(), QStringLiteral("K5"));
    e.child<QLineEdit>("lineEdit_DelayNum")->setText("333");
    e.click("pushButton_ModifyMacro");
    QCOMPARE(describe(storedEvents(e.store, "1")),
             (QStringList{"1 10 key 4 K4 down", "1 10 key 4 K4 up", "2 333 key 5 K5 down", "2 20 key 5 K5 up"}));
    QVERIFY(rowsMatchStore(page, e.store));
}

void tst_macropage::modifyKeyIntoMouse()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4, 10)));
    DMacroPage *page = e.open();
    e.clickRow(0);
    e.click("radioButton_MouseEvent");
    e.click("pushButton_ModifyMacro");
    QCOMPARE(describe(storedEvents(e.store, "1")),
             (QStringList{"1 10 mouse 513 Left Click down", "1 10 mouse 514 Left Click up"}));
    QVERIFY(rowsMatchStore(page, e.store));
    // And back: a key field emptied by the switch asks for a key.
    e.click("radioButton_KeyboardEvent");
    e.click("pushButton_ModifyMacro");
    QCOMPARE(page->lastNotice(), QStringLiteral("Please enter a key"));
}

void tst_macropage::propertyPanelEmptyWithoutSelection_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("the pair deleted") << "delete";
    QTest::newRow("the list cleared") << "clear";
    QTest::newRow("another macro chosen") << "macro";
    QTest::newRow("the same macro chosen again") << "same macro";
}

// The Property panel shows the selected event only: once no event is
// selected it is empty and takes no input, and Modify says why.
void tst_macropage::propertyPanelEmptyWithoutSelection()
{
    QFETCH(QString, ending);
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", QList<EventText>{ev(1, "down", 13, 500, "key"), ev(1, "up", 13, 20, "key")}
                                               + QList<EventText>{ev(2, "down", 513, 5, "mouse"), ev(2, "up", 514, 5, "mouse")}));
    QVERIFY(addMacro(e.store, 2, "Macro2", pair(1)));
    DMacroPage *page = e.open();
    auto *delay = e.child<QLineEdit>("lineEdit_DelayNum");
    auto *key = e.child<QLineEdit>("lineEdit_PressKey");
    auto *left = e.child<QRadioButton>("radioButton_1left");
    auto *keyboardEvent = e.child<QRadioButton>("radioButton_KeyboardEvent");
    auto empty = [&] {
        return delay->text().isEmpty() && key->text().isEmpty() && !left->isChecked()
               && e.child<QRadioButton>("radioButton_2center")->isChecked() == false
               && e.child<QRadioButton>("radioButton_3right")->isChecked() == false && !keyboardEvent->isChecked()
               && !e.child<QRadioButton>("radioButton_MouseEvent")->isChecked() && !delay->isEnabled()
               && !key->isEnabled() && !keyboardEvent->isEnabled() && !left->isEnabled();
    };
    QVERIFY(empty()); // nothing selected when the dialog opens

    e.clickRow(2); // the mouse press: its button shows
    QVERIFY(left->isChecked() && left->isEnabled());
    e.clickRow(0);
    QCOMPARE(delay->text(), QStringLiteral("500"));
    QVERIFY(!key->text().isEmpty());
    QVERIFY(delay->isEnabled() && key->isEnabled());

    if (ending == "delete")
        emit e.row(0)->sigDeleteKeyAndMouseEvent();
    else if (ending == "clear")
        e.click("pushButton_ClearMacroLst");
    else
        e.select(ending == "macro" ? QStringLiteral("2") : QStringLiteral("1"));
    QVERIFY(empty());

    const QStringList before = describe(storedEvents(e.store, page->currentMacroIndex()));
    e.click("pushButton_ModifyMacro");
    QCOMPARE(page->lastNotice(), QStringLiteral("Please select a specific location first"));
    QCOMPARE(describe(storedEvents(e.store, page->currentMacroIndex())), before);
}

void tst_macropage::deletePair()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4, 10) + pair(2, 5, 20)));
    DMacroPage *page = e.open();
    QCOMPARE(page->totalDelay(), 60);
    emit e.row(3)->sigDeleteKeyAndMouseEvent();
    QCOMPARE(page->eventRows().size(), 2);
    QCOMPARE(describe(storedEvents(e.store, "1")), describe(pair(1, 4, 10)));
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(e.changed->count(), 1);
    // The only pair: an empty list, still on the event page.
    emit e.row(0)->sigDeleteKeyAndMouseEvent();
    QVERIFY(page->eventRows().isEmpty());
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(e.child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), QStringLiteral("page_catchList"));
}

void tst_macropage::deleteLoneRowRecountsPresses()
{
    Editor e;
    // A release whose press is gone, as older stores may hold.
    QList<EventText> events = pair(1, 4);
    events << ev(9, "up", 5);
    QVERIFY(addMacro(e.store, 1, "Macro1", events));
    DMacroPage *page = e.open();
    QCOMPARE(page->pressCount(), 1);
    emit e.row(2)->sigDeleteKeyAndMouseEvent();
    QCOMPARE(page->pressCount(), 1);
    QVERIFY(rowsMatchStore(page, e.store));
}

void tst_macropage::moveRefusals_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("up");
    QTest::newRow("up at the top") << 0 << true;
    QTest::newRow("down at the bottom") << 3 << false;
    QTest::newRow("press down past its release") << 0 << false;
    QTest::newRow("release up past its press") << 3 << true;
}

void tst_macropage::moveRefusals()
{
    QFETCH(int, selected);
    QFETCH(bool, up);
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4) + pair(2, 5)));
    DMacroPage *page = e.open();
    e.clickRow(selected);
    const qint64 before = inode(e.store);
    e.click(up ? "pushButton_MoveUp" : "pushButton_MoveDown");
    QCOMPARE(inode(e.store), before);
    QCOMPARE(e.changed->count(), 0);
    QVERIFY(rowsMatchStore(page, e.store));
}

void tst_macropage::moveAcrossAnotherPair()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4) + pair(2, 5)));
    DMacroPage *page = e.open();
    e.click("pushButton_MoveUp");
    QCOMPARE(page->lastNotice(), QStringLiteral("Please select a specific location first"));
    e.clickRow(2); // press of mark 2
    e.click("pushButton_MoveUp");
    e.click("pushButton_MoveUp"); // now above the press of mark 1
    QCOMPARE(describe(rowEvents(page)).first(), QStringLiteral("2 10 key 5 K5 down"));
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(e.changed->count(), 2);
    e.click("pushButton_MoveDown");
    QVERIFY(rowsMatchStore(page, e.store));
}

void tst_macropage::moveAfterInsertFollowsTheRow()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4) + pair(2, 5)));
    DMacroPage *page = e.open();
    e.clickRow(2); // press of mark 2
    e.click("radioButton_Mouse");
    e.click("radioButton_InsertBefore");
    e.click("pushButton_InsertMacro"); // the selected row is now at 4
    e.click("pushButton_MoveDown");    // refused: its release follows
    QVERIFY(rowsMatchStore(page, e.store));
    e.click("pushButton_MoveUp");
    QVERIFY(rowsMatchStore(page, e.store));
    QCOMPARE(e.row(3)->mark(), QStringLiteral("2"));
    QCOMPARE(e.row(3)->operate(), QStringLiteral("down"));
}

void tst_macropage::clearLeavesEmptyMacro()
{
    Editor e;
    QVERIFY(addMacro(e.store, 1, "Macro1", pair(1, 4) + pair(2, 5)));
    QVERIFY(addMacro(e.store, 2, "Macro2", pair(1, 6)));
    DMacroPage *page = e.open();
    e.click("pushButton_ClearMacroLst");
    QCOMPARE(page->lastNotice(), QStringLiteral("Clear record macro successful"));
    bool ok = false;
    QVERIFY(storedEvents(e.store, "1", &ok).isEmpty());
    QVERIFY(ok);
    QCOMPARE(macroList(e.store), (QStringList{"1 Macro1", "2 Macro2"}));
    QCOMPARE(describe(storedEvents(e.store, "2")), describe(pair(1, 6)));
    QVERIFY(page->eventRows().isEmpty());
    QCOMPARE(page->totalDelay(), 0);
    QCOMPARE(page->pressCount(), 0);
    QCOMPARE(e.child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), QStringLiteral("page_isEmpty"));
    QCOMPARE(e.changed->count(), 1);
}

void tst_macropage::eventRowLooks_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("codeName");
    QTest::addColumn<QString>("explain");
    QTest::newRow("key") << "key" << QString::fromUtf8("Ä") << QString::fromUtf8("Ä");
    QTest::newRow("left") << "mouse" << "Left Click" << "Left Click";
    QTest::newRow("center") << "mouse" << "Center Click" << "Center Click";
    QTest::newRow("right") << "mouse" << "Right Click" << "Right Click";
    QTest::newRow("mouse, no button") << "mouse" << "Wheel" << "";
    QTest::newRow("other type") << "delay" << "x" << "x";
}

void tst_macropage::eventRowLooks()
{
    QFETCH(QString, type);
    QFETCH(QString, codeName);
    QFETCH(QString, explain);
    DCatchKeyAndMouseItem row(QStringLiteral("4"));
    row.setEventInfo(100, type, 513, codeName, QStringLiteral("down"));
    QCOMPARE(row.explainText(), explain);
    QCOMPARE(row.delayText(), QStringLiteral("100 MS"));
    QCOMPARE(row.codeName(), codeName);
    QCOMPARE(row.mark(), QStringLiteral("4"));
    row.setDelay(7);
    QCOMPARE(row.delay(), QStringLiteral("7"));
    QCOMPARE(row.delayText(), QStringLiteral("7 MS"));
}

void tst_macropage::eventRowHoverShowsDeleteOnly()
{
    DCatchKeyAndMouseItem row(QStringLiteral("1"));
    row.setEventInfo(0, QStringLiteral("key"), 4, QStringLiteral("A"), QStringLiteral("down"));
    QVERIFY(!row.isDeleteButtonShown());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&row, &enter);
    QVERIFY(row.isDeleteButtonShown());
    QVERIFY(!row.isSelectedLook() && !row.isPartnerLook());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&row, &leave);
    QVERIFY(!row.isDeleteButtonShown());
    QSignalSpy clicked(&row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick);
    QTest::mouseClick(&row, Qt::RightButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QList<QVariant>{"0", "key", "4", "A", "down"}));
}

QTEST_MAIN(tst_macropage)
#include "tst_macropage.moc"
