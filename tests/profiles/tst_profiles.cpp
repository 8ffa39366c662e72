// Profile management of the device page against a simulated keyboard: the
// menu's operations, their limits and messages, export and import through
// the file chooser, and the defaults of a new profile.
#include "profilesFixture.h"

#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "ui/mainwidget/devicePage/profileStoreOps.h"
#include "ui/widgets/ArrowWidget.h"
#include "../testWait.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

using namespace profilesTest;

namespace {

const QByteArray kSerialA = "A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6";
const QByteArray kSerialB = "Z9y8X7w6V5u4T3s2R1q0P9o8N7m6L5k4";

// Makes the store hold exactly these profiles (created through the store,
// without defaults), the first one current.
void setProfiles(const QByteArray &store, const QList<int> &indexes)
{
    CVardexXML_BeginBatch(store.constData());
    for (int existing : profileIndexes(store))
        CVardexXML_DeleteProFileSelectedNode(store.constData(), QByteArray::number(existing).constData());
    for (int index : indexes)
        CVardexXML_CreateProFileXmlParentNode(store.constData(), QByteArray::number(index).constData(),
                                              QStringLiteral("P%1").arg(index).toUtf8().constData(), 0);
    if (!indexes.isEmpty())
        CVardexXML_ModifyXMLFileProfileIndex(store.constData(), indexes.first());
    CVardexXML_EndBatch(store.constData());
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_profiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuEntriesCloseThenAnnounce_data();
    void menuEntriesCloseThenAnnounce();
    void menuOpensInTheBubble();
    void createTakesNextIndex_data();
    void createTakesNextIndex();
    void newProfileGetsDefaults();
    void deleteKeepsOneAndMakesFirstCurrent();
    void rename_data();
    void rename();
    void renameCancelLeavesStore();
    void renameByKeyboard_data();
    void renameByKeyboard();
    void comboChoiceBecomesCurrent();
    void exportStaysInChosenFolder();
    void exportAsksBeforeUsingExistingFile();
    void exportWithoutFolderOrIntoStoreRefused();
    void importIntoAnotherKeyboard();
    void importRefusals_data();
    void importRefusals();
    void importRefusesNameNotUtf8_data();
    void importRefusesNameNotUtf8();
    void defaultFileChoice_data();
    void defaultFileChoice();
    void exportFileNames_data();
    void exportFileNames();

private:
    QByteArray store() const { return m_page->profileXmlPath(); }
    QComboBox *combo() const { return m_page->findChild<QComboBox *>(QStringLiteral("comboBox_profileList")); }

    std::unique_ptr<DDevicePage> m_page;
    std::shared_ptr<ScriptedChooser> m_chooser;
    QTemporaryDir m_dir;
};

void tst_profiles::initTestCase()
{
    QVERIFY(startLibrary());
    QVERIFY(m_dir.isValid());
}

void tst_profiles::init()
{
    removeProfileFolders();
    m_page = startPage({{"Pravo", false, true, kSerialA}});
    QVERIFY(m_page);
    m_chooser = std::make_shared<ScriptedChooser>();
    m_page->setFileChooser(m_chooser);
}

void tst_profiles::cleanup()
{
    destroyPage(m_page);
}

void tst_profiles::menuEntriesCloseThenAnnounce_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("create") << "label_CreateNew" << QByteArray(SIGNAL(sigProfileCreate()));
    QTest::newRow("delete") << "label_Delete" << QByteArray(SIGNAL(sigProfileDelete()));
    QTest::newRow("export") << "label_Export" << QByteArray(SIGNAL(sigProfileExport()));
    QTest::newRow("import") << "label_Import" << QByteArray(SIGNAL(sigProfileImport()));
    QTest::newRow("rename") << "label_ModifyNanme" << QByteArray(SIGNAL(sigProfileModifyName()));
}

void tst_profiles::menuEntriesCloseThenAnnounce()
{
    QFETCH(QString, label);
    QFETCH(QByteArray, signal);
    DProfileMenuToolWidget menu;
    menu.show();
    QStringList order;
    connect(&menu, &DProfileMenuToolWidget::sigCloseMenuWidow, [&] { order << "close"; });
    const QList<QByteArray> all = {SIGNAL(sigProfileCreate()), SIGNAL(sigProfileDelete()),
                                   SIGNAL(sigProfileExport()), SIGNAL(sigProfileImport()),
                                   SIGNAL(sigProfileModifyName())};
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (const QByteArray &s : all)
        spies << std::make_shared<QSignalSpy>(&menu, s.constData());
    QSignalSpy wanted(&menu, signal.constData());

    auto *target = menu.findChild<QLabel *>(label);
    QVERIFY(target);
    QTest::mousePress(target, Qt::LeftButton);
    QCOMPARE(order, QStringList()); // a press alone does nothing
    QTest::mouseRelease(target, Qt::LeftButton);
    QCOMPARE(order, QStringList{"close"});
    QCOMPARE(wanted.count(), 1);
    int total = 0;
    for (const auto &spy : spies)
        total += spy->count();
    QCOMPARE(total, 1); // only the entry released on
}

void tst_profiles::menuOpensInTheBubble()
{
    auto *button = m_page->findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    ArrowWidget *bubble = m_page->bubble();
    QVERIFY(bubble);
    QVERIFY(bubble->isVisible());
    auto *menu = bubble->findChild<DProfileMenuToolWidget *>();
    QVERIFY(menu);
    // The bubble's bottom edge sits above the button.
    const QPoint buttonTop = button->mapToGlobal(QPoint(0, 0));
    QVERIFY(bubble->geometry().bottom() < buttonTop.y());

    // An entry closes the bubble and runs its operation.
    QTest::mouseRelease(menu->findChild<QLabel *>(QStringLiteral("label_CreateNew")), Qt::LeftButton);
    QVERIFY(!bubble->isVisible());
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Create profile successful"));
}

void tst_profiles::createTakesNextIndex_data()
{
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<QList<int>>("after");
    QTest::addColumn<QString>("notice");
    QTest::newRow("one") << QList<int>{1} << QList<int>{1, 2} << "Create profile successful";
    QTest::newRow("gap after last") << QList<int>{1, 2, 5} << QList<int>{1, 2, 5, 6} << "Create profile successful";
    QTest::newRow("nine") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                          << "Create profile successful";
    QTest::newRow("ten") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                         << "The number of profile has reached the maximum";
}

void tst_profiles::createTakesNextIndex()
{
    QFETCH(QList<int>, existing);
    QFETCH(QList<int>, after);
    QFETCH(QString, notice);
    setProfiles(store(), existing);
    m_page->loadCurrentProfile();
    m_page->onProfileCreate();
    QCOMPARE(m_page->lastNotice(), notice);
    QCOMPARE(profileIndexes(store()), after);
    if (after != existing) {
        const int created = after.last();
        QCOMPARE(profileName(store(), created), QStringLiteral("Profile%1").arg(created));
        // Listed in the combo box, the current profile unchanged.
        QCOMPARE(combo()->count(), after.size());
        QCOMPARE(combo()->itemText(combo()->count() - 1), QStringLiteral("Profile%1").arg(created));
        QCOMPARE(m_page->currentProfileIndex(), existing.first());
        QCOMPARE(combo()->currentData().toInt(), existing.first());
    }
}

void tst_profiles::newProfileGetsDefaults()
{
    m_page->onProfileCreate();
    QCOMPARE(profileIndexes(store()), (QList<int>{1, 2}));

    std::list<CustomLightNodeEntry> lights;
    QVERIFY(CVardexXML_SelectProFileCustomLightAllNodes(store().constData(), "2", lights));
    QStringList described;
    for (const CustomLightNodeEntry &l : lights)
        described << QStringLiteral("%1 %2 %3 %4").arg(QString::fromUtf8(l.index), QString::fromUtf8(l.name),
                                                       QString::fromUtf8(l.isUsing)).arg(l.usingFlagIndex);
    QCOMPARE(described, (QStringList{"0 Alphabets Using 0", "1 WASD+Arrows Using 1", "2 Custom 3 UnUsing -1",
                                     "3 Custom 4 UnUsing -1", "4 Custom 5 UnUsing -1"}));

    // Pravo has 84 keys: its first two custom lights come from the _84 file.
    const QStringList letters = profileCustomLight(store(), 2, 0);
    QCOMPARE(letters.size(), 34);
    QCOMPARE(letters, defaultFileCustomLight(QStringLiteral("customLightDefaultConfig_84.xml"), 0));
    QCOMPARE(profileCustomLight(store(), 2, 1), defaultFileCustomLight(QStringLiteral("customLightDefaultConfig_84.xml"), 1));
    QVERIFY(profileCustomLight(store(), 2, 2).isEmpty());

    for (int part = 0; part < 3; ++part) {
        colorInfoData record {};
        QVERIFY(CVardexXML_SelectProfileColorDataInfo(store().constData(), "2", part, 2, &record));
        QCOMPARE(record.hidType, part);
        QCOMPARE(record.ledBrightness, 3);
        QCOMPARE(record.ledSpeed, 3);
        QCOMPARE(record.ledTopColor[0], 255);
        QCOMPARE(record.ledFullColor, 1);
    }
}

void tst_profiles::deleteKeepsOneAndMakesFirstCurrent()
{
    m_page->onProfileDelete();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Need keep at least one profile"));
    QCOMPARE(profileIndexes(store()), QList<int>{1});

    setProfiles(store(), {1, 3, 4});
    CVardexXML_ModifyXMLFileProfileIndex(store().constData(), 3);
    m_page->loadCurrentProfile();
    QCOMPARE(m_page->currentProfileIndex(), 3);
    m_page->onProfileDelete();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Delete profile successful"));
    QCOMPARE(profileIndexes(store()), (QList<int>{1, 4}));
    QCOMPARE(m_page->currentProfileIndex(), 1);
    QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(store().constData()), 1);
    QCOMPARE(combo()->count(), 2);
    QCOMPARE(combo()->currentData().toInt(), 1);
}

void tst_profiles::rename_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("notice");
    const QString euro = QString(QChar(0x20ac)); // three bytes in UTF-8
    QTest::newRow("empty") << QString() << false << "Profile name can't empty";
    QTest::newRow("plain") << "Office" << true << "Modify profile info successful";
    QTest::newRow("63 bytes") << euro.repeated(21) << true << "Modify profile info successful";
    QTest::newRow("64 bytes") << euro.repeated(21) + "x" << false << "The profile name is too long";
    QTest::newRow("66 bytes") << euro.repeated(22) << false << "The profile name is too long";
}

void tst_profiles::rename()
{
    QFETCH(QString, name);
    QFETCH(bool, kept);
    QFETCH(QString, notice);
    auto *stack = m_page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_2"));
    auto *edit = m_page->findChild<QLineEdit *>(QStringLiteral("lineEdit_profileName"));
    m_page->onProfileModifyName();
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
    QCOMPARE(edit->text(), QStringLiteral("Profile1"));
    edit->setText(name);
    QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Save")), Qt::LeftButton);
    QCOMPARE(m_page->lastNotice(), notice);
    QCOMPARE(profileName(store(), 1), kept ? name : QStringLiteral("Profile1"));
    QCOMPARE(stack->currentWidget()->objectName(), kept ? QStringLiteral("page_ProfileList")
                                                        : QStringLiteral("page_ModifyName"));
    if (kept)
        QCOMPARE(combo()->currentText(), name);
}

void tst_profiles::renameCancelLeavesStore()
{
    const QByteArray before = fileBytes(QString::fromLocal8Bit(store()));
    m_page->onProfileModifyName();
    m_page->findChild<QLineEdit *>(QStringLiteral("lineEdit_profileName"))->setText(QStringLiteral("Other"));
    QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Cancel")), Qt::LeftButton);
    QCOMPARE(m_page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_2"))->currentWidget()->objectName(),
             QStringLiteral("page_ProfileList"));
    QVERIFY(m_page->findChild<QLineEdit *>(QStringLiteral("lineEdit_profileName"))->text().isEmpty());
    QCOMPARE(fileBytes(QString::fromLocal8Bit(store())), before);
}

void tst_profiles::renameByKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("notice");
    QTest::newRow("Return confirms") << int(Qt::Key_Return) << int(Qt::NoModifier) << "Office" << "Office"
                                     << "page_ProfileList" << "Modify profile info successful";
    QTest::newRow("keypad Enter confirms") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "Office" << "Office"
                                           << "page_ProfileList" << "Modify profile info successful";
    QTest::newRow("Return on an empty name") << int(Qt::Key_Return) << int(Qt::NoModifier) << "" << "Profile1"
                                             << "page_ModifyName" << "Profile name can't empty";
    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << int(Qt::NoModifier) << "Office" << "Profile1"
                                    << "page_ProfileList" << "";
}

// The in-place rename answers the keyboard as the tick and the cross do.
void tst_profiles::renameByKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, page);
    QFETCH(QString, notice);
    auto *stack = m_page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_2"));
    auto *edit = m_page->findChild<QLineEdit *>(QStringLiteral("lineEdit_profileName"));
    m_page->onProfileModifyName();
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(stack->currentWidget()->objectName(), page);
    QCOMPARE(profileName(store(), 1), stored);
    QCOMPARE(m_page->lastNotice(), notice);
    QCOMPARE(combo()->currentText(), stored);
    if (key == Qt::Key_Escape)
        QVERIFY(edit->text().isEmpty());
}

void tst_profiles::comboChoiceBecomesCurrent()
{
    m_page->onProfileCreate();
    QCOMPARE(combo()->count(), 2);
    combo()->setCurrentIndex(1);
    QCOMPARE(m_page->currentProfileIndex(), 2);
    QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(store().constData()), 2);
    QCOMPARE(DDataManager::instance()->currentProfileIndex(), 2);
    // Reloading the list does not count as a choice.
    CVardexXML_ModifyXMLFileProfileIndex(store().constData(), 1);
    m_page->loadProfileListAndKeyMarks();
    QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(store().constData()), 1);
}

void tst_profiles::exportStaysInChosenFolder()
{
    const QString folder = m_dir.filePath(QStringLiteral("out/deep"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(CVardexXML_ModifyProfileNodeInfo(store().constData(), "1", "../x/evil"));
    m_chooser->directory = folder;
    m_page->onProfileExport();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Export profile successful"));
    QCOMPARE(m_chooser->lastStartDir, DFileChooser::startFolder());
    const QStringList written = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(written, QStringList{"_x_evil.xml"});
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("out/x/evil.xml"))));
    QCOMPARE(profileIndexes(local(QDir(folder).filePath(written.first()))), QList<int>{1});
    QCOMPARE(m_chooser->confirmCount, 0);
}

void tst_profiles::exportAsksBeforeUsingExistingFile()
{
    const QString folder = m_dir.filePath(QStringLiteral("reuse"));
    QVERIFY(QDir().mkpath(folder));
    const QString target = QDir(folder).filePath(QStringLiteral("Profile1.xml"));
    m_chooser->directory = folder;
    m_page->onProfileExport();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Export profile successful"));
    const QByteArray first = fileBytes(target);

    // Declined: the file stays as it was.
    m_chooser->confirmAnswer = false;
    m_page->onProfileExport();
    QCOMPARE(m_chooser->confirmCount, 1);
    QCOMPARE(fileBytes(target), first);

    // Accepted: the profile is added to the export file, the earlier one kept.
    m_chooser->confirmAnswer = true;
    m_page->onProfileExport();
    QCOMPARE(m_chooser->confirmCount, 2);
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Export profile successful"));
    QCOMPARE(profileIndexes(local(target)).size(), 2);

    // A file of the user's that is no export is never replaced.
    QFile other(target);
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("my own notes");
    other.close();
    m_page->onProfileExport();
    QCOMPARE(m_chooser->confirmCount, 3);
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Export profile failed"));
    QCOMPARE(fileBytes(target), QByteArray("my own notes"));
}

void tst_profiles::exportWithoutFolderOrIntoStoreRefused()
{
    m_chooser->directory.clear();
    m_page->onProfileExport();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Please select save directory first"));

    // A profile named like the other layer's store, exported into the
    // keyboard's own folder, must not replace that store.
    const QString fnStore = m_page->profileFolder() + QStringLiteral("/appProfile_FN.xml");
    const QByteArray before = fileBytes(fnStore);
    QVERIFY(!before.isEmpty());
    QVERIFY(CVardexXML_ModifyProfileNodeInfo(store().constData(), "1", "appProfile_FN"));
    m_chooser->directory = m_page->profileFolder();
    m_chooser->confirmAnswer = true;
    m_page->onProfileExport();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Export profile failed"));
    QCOMPARE(fileBytes(fnStore), before);
}

void tst_profiles::importIntoAnotherKeyboard()
{
    destroyPage(m_page);
    m_page = startPage({{"Pravo", false, true, kSerialA}, {"Zelto", false, true, kSerialB}});
    QVERIFY(m_page);
    m_page->setFileChooser(m_chooser);
    const QByteArray storeA = store();

    // Profile 2 of keyboard A with a binding and a light of its own.
    m_page->onProfileCreate();
    QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(storeA.constData(), "2", "4", "A", "0", "1", "0", "5"));
    colorInfoData light {};
    light.hidType = 0;
    light.ledType = 7;
    light.ledBrightness = 2;
    light.ledSpeed = 4;
    light.ledTopColor[1] = 200;
    QVERIFY(CVardexXML_AddProFileLightInfoItem(storeA.constData(), "2", light));
    QVERIFY(CVardexXML_ModifyProfileNodeInfo(storeA.constData(), "2", "../x/evil"));
    combo()->setCurrentIndex(1);
    QCOMPARE(m_page->currentProfileIndex(), 2);
    m_chooser->directory = m_dir.path();
    m_page->onProfileExport();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Export profile successful"));
    const QString exported = m_dir.filePath(QStringLiteral("_x_evil.xml"));
    QVERIFY(QFileInfo::exists(exported));

    // Keyboard B imports it.
    const QString pathB = pathOfModel("Zelto", false);
    m_page->onHidItemMouseClicked(m_page->connectedDevices().value(pathB));
    QVERIFY(QTest::qWaitFor([&] { return store() != storeA && !store().isEmpty(); }, testWait::kHangMs));
    const QByteArray storeB = store();
    m_chooser->file = exported;
    m_page->onProfileImport();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Import profile successful"));
    QCOMPARE(profileIndexes(storeB), (QList<int>{1, 2}));
    QCOMPARE(profileName(storeB, 2), QStringLiteral("../x/evil"));
    QCOMPARE(m_page->currentProfileIndex(), 1);
    QCOMPARE(combo()->count(), 2);
    KeyOperateInfo binding {};
    QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(storeB.constData(), "2", "4", &binding));
    QCOMPARE(QByteArray(binding.value), QByteArray("5"));
    colorInfoData copied {};
    QVERIFY(CVardexXML_SelectProfileColorDataInfo(storeB.constData(), "2", 0, 7, &copied));
    QCOMPARE(copied.ledTopColor[1], 200);
    QCOMPARE(copied.ledSpeed, 4);
    // The custom lights travel with the profile (A's keys from the _84 file).
    QCOMPARE(profileCustomLight(storeB, 2, 0), profileCustomLight(storeA, 2, 0));
}

void tst_profiles::importRefusals_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("profiles");
    QTest::addColumn<QString>("notice");
    QTest::newRow("no file chosen") << QByteArray() << 1 << "Please select import file first";
    QTest::newRow("not xml") << QByteArray("hello") << 1 << "Import profile failed";
    QTest::newRow("entity") << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x \"y\">]><a>&x;</a>") << 1
                            << "Import profile failed";
    QTest::newRow("oversized") << QByteArray(17 * 1024 * 1024, ' ') << 1 << "Import profile failed";
    QTest::newRow("full store") << QByteArray("valid") << 10 << "The number of profile has reached the maximum";
}

void tst_profiles::importRefusals()
{
    QFETCH(QByteArray, content);
    QFETCH(int, profiles);
    QFETCH(QString, notice);
    QString file;
    if (content == "valid") {
        m_chooser->directory = m_dir.path();
        m_page->onProfileExport();
        file = m_dir.filePath(QStringLiteral("Profile1.xml"));
    } else if (!content.isEmpty()) {
        file = m_dir.filePath(QStringLiteral("hostile.xml"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    if (profiles > 1) {
        QList<int> all;
        for (int i = 1; i <= profiles; ++i)
            all << i;
        setProfiles(store(), all);
    }
    const QByteArray before = fileBytes(QString::fromLocal8Bit(store()));
    m_chooser->file = file;
    m_page->onProfileImport();
    QCOMPARE(m_page->lastNotice(), notice);
    QCOMPARE(fileBytes(QString::fromLocal8Bit(store())), before);
}

void tst_profiles::importRefusesNameNotUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    const QList<QByteArray> notUtf8 = {"\xc0\xaf", "\xe0\x80\xaf", "\xe0\x9f\xbf", "\xf0\x8f\xbf\xbf",
                                       "\xed\xa0\x80", "\xed\xbf\xbf", "\xf4\x90\x80\x80"};
    for (const QByteArray &bytes : notUtf8)
        QTest::newRow(qPrintable(bytes.toHex(' '))) << bytes << false;
    // Their nearest valid neighbours come in.
    for (const QByteArray &bytes : QList<QByteArray>{"\xe0\xa0\x80", "\xf0\x90\x80\x80", "\xf4\x8f\xbf\xbf"})
        QTest::newRow(qPrintable(bytes.toHex(' ') + " (valid)")) << bytes << true;
}

// The page's own export with the name changed: refused whole, store kept.
void tst_profiles::importRefusesNameNotUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    const QString file = m_dir.filePath(QStringLiteral("Profile1.xml"));
    QFile::remove(file); // an export adds to a file already there
    m_chooser->directory = m_dir.path();
    m_page->onProfileExport();
    QByteArray content = fileBytes(file);
    QVERIFY(content.contains("name=\"Profile1\""));
    content.replace("name=\"Profile1\"", "name=\"P" + bytes + "\"");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    f.close();
    const QByteArray before = fileBytes(QString::fromLocal8Bit(store()));
    m_chooser->file = file;
    m_page->onProfileImport();
    if (valid) {
        QCOMPARE(m_page->lastNotice(), QStringLiteral("Import profile successful"));
        QCOMPARE(profileName(store(), 2), QString::fromUtf8("P" + bytes));
    } else {
        QCOMPARE(m_page->lastNotice(), QStringLiteral("Import profile failed"));
        QCOMPARE(fileBytes(QString::fromLocal8Bit(store())), before);
    }
}

void tst_profiles::defaultFileChoice_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("file");
    QTest::newRow("69 keys") << 69 << "Zelto" << "customLightDefaultConfig_84.xml";
    QTest::newRow("84 keys") << 84 << "Tuvel" << "customLightDefaultConfig_84.xml";
    QTest::newRow("61 keys") << 61 << "Zelto" << "customLightDefaultConfig_61.xml";
    QTest::newRow("99 keys") << 99 << "Nelta" << "customLightDefaultConfig_98.xml";
    QTest::newRow("34 keys") << 34 << "X" << "customLightDefaultConfig_34.xml";
    QTest::newRow("Tuvel by model") << 87 << "Tuvel" << "customLightDefaultConfig_Pasko.xml";
    QTest::newRow("Pasko by model") << 91 << "Pasko" << "customLightDefaultConfig_Pasko.xml";
    QTest::newRow("Caspo by model") << 87 << "Caspo" << "customLightDefaultConfig_Caspo.xml";
    QTest::newRow("anything else") << 104 << "Mirvan" << "customLightDefaultConfig.xml";
}

void tst_profiles::defaultFileChoice()
{
    QFETCH(int, keys);
    QFETCH(QString, model);
    QFETCH(QString, file);
    QCOMPARE(customLightDefaultFileFor(keys, model), file);
}

void tst_profiles::exportFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "Office" << "Office";
    QTest::newRow("parent folders") << "../x/evil" << "_x_evil";
    QTest::newRow("only dots") << ".." << "Profile";
    QTest::newRow("backslash and colon") << "a\\b:c" << "a_b_c";
    QTest::newRow("control") << QStringLiteral("a\nb") << "a_b";
    QTest::newRow("non-latin kept") << QString::fromUtf8("Büro €") << QString::fromUtf8("Büro €");
}

void tst_profiles::exportFileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(profileStore::exportFileName(name), file);
}

QTEST_MAIN(tst_profiles)
#include "tst_profiles.moc"
