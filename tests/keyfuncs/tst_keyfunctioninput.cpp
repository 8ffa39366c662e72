// The pages that take typed, picked or chosen input: remap and combination
// capture, the macro binding with the profile's macro copies, the text limit,
// the program chooser and restoring the default.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include "keyFuncsFixture.h"
#include "ui/customKeys/DChangeKeyPage.h"
#include "ui/customKeys/DKeyCombinationPage.h"
#include "ui/customKeys/DKeyWithAppPage.h"
#include "ui/customKeys/DKeyWithTextPage.h"
#include "ui/customKeys/DMacroCmdPage.h"
#include "ui/customKeys/DResetDefaultPage.h"
#include "ui/widgets/DFileChooser.h"

using namespace keyFuncsTest;

namespace {

// Answers the file question with a prepared path ("" cancels).
class FakeChooser : public DFileChooser
{
public:
    QString answer;
    QString askedFilter;
    QString askedStart;
    int asked = 0;
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return QString(); }
    QString openFileName(QWidget *, const QString &, const QString &startDir, const QString &filter) override
    {
        ++asked;
        askedStart = startDir;
        askedFilter = filter;
        return answer;
    }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
};

bool hasLoneSurrogate(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate()))
            return true;
        if (c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate()))
            return true;
    }
    return false;
}

} // namespace

class tst_KeyFunctionInput : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void remapStoresPickedKey_data();
    void remapStoresPickedKey();
    void remapLoadShowsTarget();
    void combination_data();
    void combination();
    void combinationLoadShowsNames_data();
    void combinationLoadShowsNames();
    void macroFirstUserCopiesTheMacro();
    void macroBindsWhatTheComboShows();
    void macroWithEmptyStoreRefuses();
    void macroCountOnlyFromAcceptedText();
    void macroLoadShowsBinding();
    void textLimits_data();
    void textLimits();
    void textEmptyRefusedSpacesStored();
    void launchStoresChosenFile();
    void restoreDefaultReportsTheStore();

private:
    void loadKey(DKeyFunctionPage *page, int keyCode, const QString &caption);
    void addMacro(const char *index, const char *name, int events);
    Stores m_stores;
};

void tst_KeyFunctionInput::init()
{
    QVERIFY(m_stores.create());
}

void tst_KeyFunctionInput::loadKey(DKeyFunctionPage *page, int keyCode, const QString &caption)
{
    DDataManager::instance()->setCurrentKey(keyCode, caption);
    page->loadKeyBinding();
}

void tst_KeyFunctionInput::addMacro(const char *index, const char *name, int events)
{
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(m_stores.macros.constData(), index, name));
    std::list<MacroEventRecord> list;
    for (int i = 0; i < events; ++i)
        list.push_back(macroEvent(i / 2 + 1, 4 + i / 2, i % 2 == 0, 10 * i));
    if (events > 0)
        QVERIFY(CVardexXML_AddKeyOrMouseEventItem(m_stores.macros.constData(), list, index));
}

void tst_KeyFunctionInput::remapStoresPickedKey_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QByteArray>("value"); // "" nothing stored
    QTest::addColumn<QString>("shown");
    QTest::newRow("Esc") << 41 << QByteArray("41") << "Esc";
    QTest::newRow("Fn") << -10 << QByteArray("-10") << "Fn";
    QTest::newRow("unknown key") << 300 << QByteArray() << "";
}

void tst_KeyFunctionInput::remapStoresPickedKey()
{
    QFETCH(int, target);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    DChangeKeyPage page;
    loadKey(&page, 4, QStringLiteral("A"));
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    page.setKey(target);
    QCOMPARE(page.shownText(), shown);
    if (value.isEmpty()) {
        QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding()));
        QCOMPARE(success.count(), 0);
        return;
    }
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"0", "1", "1", value}));
    // The same target again is stored again.
    page.setKey(target);
    QCOMPARE(success.count(), 2);
}

void tst_KeyFunctionInput::remapLoadShowsTarget()
{
    const char *store = m_stores.profiles.constData();
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(store, "1", "4", "A", "0", "1", "1", "41"));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(store, "1", "5", "B", "0", "1", "1", "999"));
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(store, "1", "6", "C", "2", "1", "1", "1,41"));
    DChangeKeyPage page;
    loadKey(&page, 4, QStringLiteral("A"));
    QCOMPARE(page.shownText(), QStringLiteral("Esc"));
    loadKey(&page, 5, QStringLiteral("B"));
    QCOMPARE(page.shownText(), QString());
    loadKey(&page, 6, QStringLiteral("C"));
    QCOMPARE(page.shownText(), QString());
}

void tst_KeyFunctionInput::combination_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QByteArray>("value"); // "" nothing stored
    QTest::addColumn<QString>("shown");
    QTest::newRow("L_CTRL A") << QList<int>{224, 4} << QByteArray("1,4") << "L_CTRL+A";
    QTest::newRow("L_CTRL L_SHIFT A") << QList<int>{224, 225, 4} << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
    QTest::newRow("L_CTRL twice A") << QList<int>{224, 224, 4} << QByteArray("1,4") << "L_CTRL+A";
    QTest::newRow("A alone") << QList<int>{4} << QByteArray() << "";
    QTest::newRow("third modifier refused") << QList<int>{224, 225, 226, 4} << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
    QTest::newRow("R_WIN Esc") << QList<int>{231, 41} << QByteArray("128,41") << "R_WIN+Esc";
    QTest::newRow("unknown key ends it") << QList<int>{224, 300} << QByteArray() << "L_CTRL";
    QTest::newRow("after an unknown key a fresh start") << QList<int>{224, 300, 4, 225, 5} << QByteArray("2,5")
                                                         << "L_SHIFT+B";
}

void tst_KeyFunctionInput::combination()
{
    QFETCH(QList<int>, keys);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    DKeyCombinationPage page;
    loadKey(&page, 6, QStringLiteral("C"));
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    for (int key : keys)
        page.setKey(key);
    QCOMPARE(page.shownText(), shown);
    if (value.isEmpty()) {
        QCOMPARE(describe(stored(m_stores.profiles, 6)), describe(Binding()));
        QCOMPARE(success.count(), 0);
    } else {
        QCOMPARE(describe(stored(m_stores.profiles, 6)), describe(Binding{"2", "1", "1", value}));
        QCOMPARE(success.count(), 1);
    }
}

void tst_KeyFunctionInput::combinationLoadShowsNames_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("bits above 7 ignored") << QByteArray("300,4") << "L_ALT+L_WIN+R_SHIFT+A";
    QTest::newRow("key without a name") << QByteArray("17,300") << "L_CTRL+R_CTRL";
    QTest::newRow("no comma") << QByteArray("1") << "L_CTRL";
}

void tst_KeyFunctionInput::combinationLoadShowsNames()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_stores.profiles.constData(), "1", "6", "C", "2", "1", "1",
                                                      value.constData()));
    DKeyCombinationPage page;
    loadKey(&page, 6, QStringLiteral("C"));
    QCOMPARE(page.shownText(), shown);
}

void tst_KeyFunctionInput::macroFirstUserCopiesTheMacro()
{
    addMacro("2", "Two", 2);
    addMacro("3", "Three", 4);
    const char *store = m_stores.profiles.constData();
    DMacroCmdPage page;
    auto *combo = page.findChild<QComboBox *>("comboBox_Macro");
    loadKey(&page, 4, QStringLiteral("A"));
    QCOMPARE(combo->count(), 2);
    combo->setCurrentIndex(1);
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"1", "1", "1", "3"}));
    std::list<MacroEventRecord> source, copy;
    QVERIFY(CVardexXML_SelectAllKeyOrMouseEvent(m_stores.macros.constData(), "3", source));
    QVERIFY(CVardexXML_ProFileMacroWithKeyInfoSelectAll(store, "1", "3", "Macro3", copy));
    QCOMPARE(eventLines(copy), eventLines(source));
    QCOMPARE(int(copy.size()), 4);

    // The macro changes in the macro store; a second key bound to it makes no
    // new copy, nor does a new play mode of the first key.
    std::list<MacroEventRecord> more{macroEvent(9, 30, true, 5), macroEvent(9, 30, false, 5)};
    QVERIFY(CVardexXML_AddKeyOrMouseEventItem(m_stores.macros.constData(), more, "3"));
    loadKey(&page, 5, QStringLiteral("B"));
    combo->setCurrentIndex(1);
    QCOMPARE(describe(stored(m_stores.profiles, 5)), describe(Binding{"1", "1", "1", "3"}));
    loadKey(&page, 4, QStringLiteral("A"));
    page.findChild<QRadioButton *>("radioButton_playWhellKeyPress")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"1", "1", "4", "3"}));
    copy.clear();
    QVERIFY(CVardexXML_ProFileMacroWithKeyInfoSelectAll(store, "1", "3", "Macro3", copy));
    QCOMPARE(int(copy.size()), 4);

    // Restoring one of the two users keeps the copy, the last removes it.
    DResetDefaultPage reset;
    loadKey(&reset, 4, QStringLiteral("A"));
    reset.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding()));
    copy.clear();
    QVERIFY(CVardexXML_ProFileMacroWithKeyInfoSelectAll(store, "1", "3", "Macro3", copy));
    loadKey(&reset, 5, QStringLiteral("B"));
    reset.findChild<QPushButton *>("pushButton_OK")->click();
    copy.clear();
    QVERIFY(!CVardexXML_ProFileMacroWithKeyInfoSelectAll(store, "1", "3", "Macro3", copy));
}

void tst_KeyFunctionInput::macroBindsWhatTheComboShows()
{
    addMacro("2", "Same", 2);
    addMacro("5", "Same", 2);
    DMacroCmdPage page;
    auto *combo = page.findChild<QComboBox *>("comboBox_Macro");
    // An unbound key shows the first macro: a play mode click binds that one.
    loadKey(&page, 4, QStringLiteral("A"));
    page.findChild<QRadioButton *>("radioButton_playKeyPressRelStop")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"1", "1", "3", "2"}));
    std::list<MacroEventRecord> copy;
    QVERIFY(!CVardexXML_ProFileMacroWithKeyInfoSelectAll(m_stores.profiles.constData(), "1", "1", "Macro1", copy));

    // A binding to the second of two macros of one name shows that one, and
    // a play mode change keeps it.
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_stores.profiles.constData(), "1", "5", "B", "1", "1", "1", "5"));
    loadKey(&page, 5, QStringLiteral("B"));
    QCOMPARE(combo->currentData().toString(), QStringLiteral("5"));
    page.findChild<QRadioButton *>("radioButton_playOne")->click();
    QCOMPARE(stored(m_stores.profiles, 5).value, QByteArray("5"));

    // A binding whose macro is gone from the list shows no macro; a play
    // mode change keeps the key on its own macro, never on the first listed.
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_stores.profiles.constData(), "1", "6", "C", "1", "1", "1", "9"));
    loadKey(&page, 6, QStringLiteral("C"));
    QCOMPARE(combo->currentIndex(), -1);
    page.findChild<QRadioButton *>("radioButton_playKeyPressRelStop")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 6)), describe(Binding{"1", "1", "3", "9"}));
    page.findChild<QRadioButton *>("radioButton_playOne")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 6)), describe(Binding{"1", "1", "1", "9"}));
    // Choosing a listed macro binds that one.
    combo->setCurrentIndex(1);
    QCOMPARE(stored(m_stores.profiles, 6).value, QByteArray("5"));
    // An unbound key still starts on the first listed macro.
    loadKey(&page, 7, QStringLiteral("D"));
    QCOMPARE(combo->currentIndex(), 0);
}

void tst_KeyFunctionInput::macroWithEmptyStoreRefuses()
{
    DMacroCmdPage page;
    loadKey(&page, 4, QStringLiteral("A"));
    QSignalSpy failed(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed);
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    page.findChild<QRadioButton *>("radioButton_playOne")->click();
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toInt(), 1);
    QCOMPARE(failed.at(0).at(1).toInt(), 0);
    QCOMPARE(success.count(), 0);
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding()));
    std::list<MacroEventRecord> copy;
    QVERIFY(!CVardexXML_ProFileMacroWithKeyInfoSelectAll(m_stores.profiles.constData(), "1", "1", "Macro1", copy));
}

void tst_KeyFunctionInput::macroCountOnlyFromAcceptedText()
{
    addMacro("2", "Two", 2);
    DMacroCmdPage page;
    auto *count = page.findChild<QLineEdit *>("lineEdit_playMany");
    loadKey(&page, 4, QStringLiteral("A"));
    QVERIFY(!count->isEnabled());
    page.findChild<QRadioButton *>("radioButton_playMany")->click();
    QVERIFY(count->isEnabled());
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"1", "1", "2", "2"}));
    count->setText(QStringLiteral("7"));
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"1", "7", "2", "2"}));
    for (const char *half : {"", "0", "999", "256"}) {
        count->setText(QString::fromLatin1(half));
        QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"1", "7", "2", "2"}));
    }
    // A play mode click while the count is half typed stores nothing either.
    page.findChild<QRadioButton *>("radioButton_playMany")->click();
    QCOMPARE(stored(m_stores.profiles, 4).count, QByteArray("7"));
    count->setText(QStringLiteral("255"));
    QCOMPARE(stored(m_stores.profiles, 4).count, QByteArray("255"));
    // Play once stores a count of 1 while the field keeps its text.
    page.findChild<QRadioButton *>("radioButton_playOne")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"1", "1", "1", "2"}));
    QCOMPARE(count->text(), QStringLiteral("255"));
    QVERIFY(!count->isEnabled());
}

void tst_KeyFunctionInput::macroLoadShowsBinding()
{
    addMacro("2", "Two", 2);
    addMacro("3", "Three", 2);
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_stores.profiles.constData(), "1", "4", "A", "1", "12", "2", "3"));
    DMacroCmdPage page;
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    loadKey(&page, 4, QStringLiteral("A"));
    QVERIFY(page.findChild<QRadioButton *>("radioButton_playMany")->isChecked());
    QCOMPARE(page.findChild<QLineEdit *>("lineEdit_playMany")->text(), QStringLiteral("12"));
    QVERIFY(page.findChild<QLineEdit *>("lineEdit_playMany")->isEnabled());
    QCOMPARE(page.findChild<QComboBox *>("comboBox_Macro")->currentText(), QStringLiteral("Three"));
    QCOMPARE(success.count(), 0);
    // A key of another type shows the defaults.
    loadKey(&page, 5, QStringLiteral("B"));
    QVERIFY(page.findChild<QRadioButton *>("radioButton_playOne")->isChecked());
    QCOMPARE(page.findChild<QLineEdit *>("lineEdit_playMany")->text(), QStringLiteral("1"));
    QCOMPARE(page.findChild<QComboBox *>("comboBox_Macro")->currentIndex(), 0);
    QCOMPARE(success.count(), 0);
}

void tst_KeyFunctionInput::textLimits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("expected");
    const QString base = QString(4990, QLatin1Char('a'));
    const QString twenty = QStringLiteral("0123456789ABCDEFGHIJ");
    QTest::newRow("paste 20 at 4990 keeps 10") << base << 4990 << twenty << base + twenty.left(10);
    QTest::newRow("paste into the middle cuts the block")
        << base << 10 << twenty << base.left(10) + twenty.left(10) + base.mid(10);
    QTest::newRow("typing at 5000") << QString(5000, QLatin1Char('b')) << 5000 << "x" << QString(5000, QLatin1Char('b'));
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("no split emoji at the unit limit")
        << QString(4999, QLatin1Char('c')) << 4999 << emoji + emoji << QString(4999, QLatin1Char('c'));
    QString euros(1706, QChar(0x20AC));
    QTest::newRow("5000 euro signs are byte-limited") << QString() << 0 << QString(5000, QChar(0x20AC)) << euros;
    QString emojis;
    for (int i = 0; i < 1279; ++i)
        emojis += emoji;
    QTest::newRow("no split emoji at the byte limit") << emojis << emojis.size() << emoji + emoji << emojis;
}

void tst_KeyFunctionInput::textLimits()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, insert);
    QFETCH(QString, expected);
    DKeyWithTextPage page;
    loadKey(&page, 4, QStringLiteral("A"));
    auto *edit = page.findChild<QTextEdit *>("textEdit_keyText");
    edit->setPlainText(before);
    QSignalSpy failed(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed);
    QTextCursor c = edit->textCursor();
    c.setPosition(cursor);
    edit->setTextCursor(c);
    edit->insertPlainText(insert); // as a paste does
    QCOMPARE(page.currentText().size(), expected.size());
    QVERIFY(page.currentText() == expected);
    QVERIFY(!hasLoneSurrogate(page.currentText()));
    QVERIFY(page.currentText().toUtf8().size() <= DKeyFunctionPage::MaxValueBytes);
    QCOMPARE(failed.count(), 1); // the toast
    QCOMPARE(failed.at(0).at(0).toInt(), 6);
    QCOMPARE(failed.at(0).at(1).toInt(), 1);
    // The cursor stands after what was kept of the insertion.
    QCOMPARE(edit->textCursor().position(), cursor + (expected.size() - before.size()));

    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(stored(m_stores.profiles, 4).value, expected.toUtf8());
}

void tst_KeyFunctionInput::textEmptyRefusedSpacesStored()
{
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(m_stores.profiles.constData(), "1", "4", "A", "6", "1", "1",
                                                      "<b>&amp;</b>"));
    DKeyWithTextPage page;
    auto *edit = page.findChild<QTextEdit *>("textEdit_keyText");
    loadKey(&page, 4, QStringLiteral("A"));
    QCOMPARE(edit->toPlainText(), QStringLiteral("<b>&amp;</b>"));
    QSignalSpy failed(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed);
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    edit->clear();
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(1).toInt(), 0);
    QCOMPARE(success.count(), 0);
    QCOMPARE(stored(m_stores.profiles, 4).value, QByteArray("<b>&amp;</b>"));

    edit->setPlainText(QStringLiteral("  \n "));
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"6", "1", "1", "  \n "}));
    QCOMPARE(success.count(), 1);
    // Cancel stores nothing and keeps the text.
    edit->setPlainText(QStringLiteral("other"));
    QSignalSpy cancel(&page, &DKeyFunctionPage::sigClickedCancel);
    page.findChild<QPushButton *>("pushButton_Cancel")->click();
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(edit->toPlainText(), QStringLiteral("other"));
    QCOMPARE(stored(m_stores.profiles, 4).value, QByteArray("  \n "));
}

void tst_KeyFunctionInput::launchStoresChosenFile()
{
    const QString program = m_stores.dir.filePath(QStringLiteral("Spiel \u00e9t\u00e9 \u20ac.sh"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    auto chooser = std::make_shared<FakeChooser>();
    DKeyWithAppPage page;
    page.setFileChooser(chooser);
    loadKey(&page, 4, QStringLiteral("A"));
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);

    // Relative to the working folder, as a dialog may answer: stored absolute.
    chooser->answer = program;
    page.findChild<QPushButton *>("pushButton_selectAppPath")->click();
    QCOMPARE(chooser->askedFilter, DKeyWithAppPage::fileFilter());
    QCOMPARE(chooser->askedStart, DKeyWithAppPage::startFolder());
    QCOMPARE(describe(stored(m_stores.profiles, 4)), describe(Binding{"8", "1", "1", program.toUtf8()}));
    QCOMPARE(page.shownPath(), program);
    QCOMPARE(success.count(), 1);

    // Cancel, a folder or a missing file: nothing changes.
    for (const QString &answer : {QString(), m_stores.dir.path(), program + QStringLiteral(".gone")}) {
        chooser->answer = answer;
        page.findChild<QPushButton *>("pushButton_selectAppPath")->click();
        QCOMPARE(stored(m_stores.profiles, 4).value, program.toUtf8());
        QCOMPARE(page.shownPath(), program);
    }
    QCOMPARE(success.count(), 1);
    QCOMPARE(chooser->asked, 4);

    // A stored path whose file is gone is still shown.
    QVERIFY(QFile::remove(program));
    loadKey(&page, 5, QStringLiteral("B"));
    QCOMPARE(page.shownPath(), QString());
    loadKey(&page, 4, QStringLiteral("A"));
    QCOMPARE(page.shownPath(), program);
}

void tst_KeyFunctionInput::restoreDefaultReportsTheStore()
{
    const char *store = m_stores.profiles.constData();
    // Stored with a UTF-8 caption; the removal matches profile and key only.
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(store, "1", "51", "\xc3\x84", "4", "1", "1", "2"));
    DResetDefaultPage page;
    auto *caption = page.findChild<QLabel *>("label_KeyChar");
    QCOMPARE(caption->text(), QStringLiteral("NULL"));
    QSignalSpy update(&page, &DKeyFunctionPage::sigShoudUpdateKeyboard);
    QSignalSpy success(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    QSignalSpy failed(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed);
    loadKey(&page, 51, QString::fromUtf8("\xc3\x84"));
    QCOMPARE(caption->text(), QString::fromUtf8("\xc3\x84"));
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(describe(stored(m_stores.profiles, 51)), describe(Binding()));
    QCOMPARE(update.count(), 1);
    QCOMPARE(success.count(), 1);

    // A key without a binding: nothing to remove, still a success.
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(success.count(), 2);

    // The store refuses (the profile is gone): a failure, no success.
    DDataManager::instance()->setCurrentProfileIndex(7);
    loadKey(&page, 51, QString::fromUtf8("\xc3\x84"));
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(success.count(), 2);
    QCOMPARE(update.count(), 2);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toInt(), 10);
    QCOMPARE(failed.at(0).at(1).toInt(), 1);

    // Without a key: the key is asked for.
    page.clearKey();
    QCOMPARE(caption->text(), QStringLiteral("NULL"));
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(failed.count(), 2);
    QCOMPARE(failed.at(1).at(1).toInt(), 0);
}

QTEST_MAIN(tst_KeyFunctionInput)
#include "tst_keyfunctioninput.moc"
