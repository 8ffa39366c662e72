// An edit in the macro editor reaches the copies of the macro that profiles
// binding it keep, through the device page's relay, as the main window
// wires the two together.
#include "../profiles/profilesFixture.h"

#include "macroFixture.h"

#include <QLineEdit>

using namespace profilesTest;

namespace {

const QByteArray kSerial = "A1b2C3d4E5f6A7b8C9d0E1f2A3b4C5d6";

QStringList copyOfMacro(const QByteArray &store, int profile, const char *macro)
{
    std::list<MacroEventRecord> events;
    if (!CVardexXML_ProFileMacroWithKeyInfoSelectAll(store.constData(), QByteArray::number(profile).constData(),
                                                     macro, "", events))
        return {QStringLiteral("<no copy>")};
    QList<macroTest::EventText> out;
    for (const MacroEventRecord &e : events)
        out << macroModel::fromRecord(e);
    return macroTest::describe(out);
}

} // namespace

class tst_macrorelay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(startLibrary()); }
    void editsReachEveryBindingProfile();
};

void tst_macrorelay::editsReachEveryBindingProfile()
{
    removeProfileFolders();
    std::unique_ptr<DDevicePage> devicePage = startPage({{"Pravo", false, true, kSerial}});
    QVERIFY(devicePage);

    macroTest::Editor e;
    QVERIFY(macroTest::addMacro(e.store, 3, "Macro3", macroTest::pair(1, 4) + macroTest::pair(2, 5)));
    QVERIFY(macroTest::addMacro(e.store, 4, "Macro4", macroTest::pair(1, 6)));
    QVERIFY(DDataManager::instance()->setMacroXmlPath(e.store.constData()));

    const QString folder = devicePage->profileFolder();
    const QList<QByteArray> stores = {local(folder + QStringLiteral("/appProfile_Default.xml")),
                                      local(folder + QStringLiteral("/appProfile_FN.xml"))};
    std::list<MacroEventRecord> old;
    for (const macroTest::EventText &ev : macroTest::pair(1, 4) + macroTest::pair(2, 5))
        old.push_back(macroModel::toRecord(ev));
    for (const QByteArray &s : stores) {
        QVERIFY(CVardexXML_CreateProFileXmlParentNode(s.constData(), "2", "2", 0));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(s.constData(), "1", "30", "1", "1", "1", "0", "3"));
        QVERIFY(CVardexXML_AddProFileBindMacroItem(s.constData(), "1", old, "3", "Macro3"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(s.constData(), "2", "31", "1", "1", "1", "0", "4"));
        QVERIFY(CVardexXML_AddProFileBindMacroItem(s.constData(), "2", {macroModel::toRecord(macroTest::ev(1, "down", 6))},
                                                   "4", "Macro4"));
    }

    DMacroPage *editor = e.open();
    // The main window chains the editor's signal by its signature.
    QVERIFY(QObject::connect(editor, SIGNAL(sigMacroListHaveChanged(QString, QString)), devicePage.get(),
                             SIGNAL(sigMacroListHaveChangedSendToDevice(QString, QString))));
    QCOMPARE(editor->currentMacroIndex(), QStringLiteral("3"));

    auto expectCopies = [&]() {
        const QStringList now = macroTest::describe(macroTest::storedEvents(e.store, "3"));
        for (const QByteArray &s : stores) {
            if (copyOfMacro(s, 1, "3") != now)
                return false;
            // A profile binding another macro keeps its own copy.
            if (copyOfMacro(s, 2, "4") != QStringList{"1 10 key 6 K6 down"})
                return false;
        }
        return true;
    };

    e.clickRow(0);
    e.child<QLineEdit>("lineEdit_DelayNum")->setText("250");
    e.click("pushButton_ModifyMacro");
    QVERIFY(expectCopies());
    QCOMPARE(copyOfMacro(stores.at(0), 1, "3").first(), QStringLiteral("1 250 key 4 K4 down"));

    emit e.row(2)->sigDeleteKeyAndMouseEvent();
    QVERIFY(expectCopies());
    QCOMPARE(copyOfMacro(stores.at(1), 1, "3").size(), 2);

    editor->toggleRecording();
    editor->onKeyboardRecviveStream(67, 0, 1, 0);
    editor->onKeyboardRecviveStream(67, 0, 0, 0x80);
    editor->toggleRecording();
    QVERIFY(expectCopies());
    QCOMPARE(copyOfMacro(stores.at(0), 1, "3").size(), 4);

    e.click("pushButton_ClearMacroLst");
    QVERIFY(expectCopies());

    DDataManager::instance()->setMacroXmlPath("");
    destroyPage(devicePage);
}

QTEST_MAIN(tst_macrorelay)
#include "tst_macrorelay.moc"
