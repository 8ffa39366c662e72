// Every function of the key pages, assigned through the custom-keys page of
// a device page as a user does, carried into the simulated keyboard by the
// onboard download: the entry the keyboard holds for each key, against the
// key-table encoding (kind byte and three parameter bytes).
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "devicePageFixture.h"
#include "keyFuncsFixture.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/customKeys/DKeyWithAppPage.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/widgets/DFileChooser.h"

using namespace devicePageTest;

namespace {

const QByteArray kSerial = "F1e2D3c4B5a6F7e8D9c0B1a2F3e4D5c6";

class FixedChooser : public DFileChooser
{
public:
    QString answer;
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return QString(); }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return answer; }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
};

// One assignment: the function button, what the user does on the page, and
// the entry expected in the keyboard ("kk" stands for the key's own code).
struct Assignment
{
    QString name;
    int layer;
    int functionId;
    std::function<void(DKeyFunctionPage *)> act;
    QByteArray entry;
};

std::function<void(DKeyFunctionPage *)> clickRadio(const char *name)
{
    const QString object = QString::fromLatin1(name);
    return [object](DKeyFunctionPage *page) {
        auto *button = page->findChild<QRadioButton *>(object);
        QVERIFY2(button, qPrintable(object));
        button->click();
    };
}

const char *toolButtonOf(int id)
{
    switch (id) {
    case DCustomKeysPage::IdDefault: return "toolButton_Default";
    case DCustomKeysPage::IdMacro: return "toolButton_Macro";
    case DCustomKeysPage::IdRemapKey: return "toolButton_RemapKey";
    case DCustomKeysPage::IdMouse: return "toolButton_Mouse";
    case DCustomKeysPage::IdText: return "toolButton_Text";
    case DCustomKeysPage::IdDisable: return "toolButton_Disable";
    case DCustomKeysPage::IdMultimedia: return "toolButton_Multimedia";
    case DCustomKeysPage::IdCombinationKey: return "toolButton_CombinationKey";
    case DCustomKeysPage::IdShortcuts: return "toolButton_Shortcuts";
    case DCustomKeysPage::IdOpenApp: return "toolButton_OpenApp";
    case DCustomKeysPage::IdKeyConfig: return "toolButton_KeyConfigFunction";
    case DCustomKeysPage::IdKeyboardLight: return "toolButton_KBLightAbout";
    case DCustomKeysPage::IdSideLight: return "toolButton_SideLightAbout";
    default: return "";
    }
}

QByteArray entryFor(QByteArray pattern, int keyCode)
{
    pattern.replace("kk", QByteArray::number(keyCode & 0xFF, 16).rightJustified(2, '0'));
    return QByteArray::fromHex(pattern);
}

} // namespace

class tst_KeyFunctionDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void everyFunctionReachesTheKeyboard();

private:
    QList<Assignment> assignments() const;
    QTemporaryDir m_dir;
    std::unique_ptr<DDevicePage> m_page;
    std::shared_ptr<FixedChooser> m_chooser = std::make_shared<FixedChooser>();
};

void tst_KeyFunctionDownload::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(startLibrary());
}

void tst_KeyFunctionDownload::cleanup()
{
    destroyPage(m_page);
}

QList<Assignment> tst_KeyFunctionDownload::assignments() const
{
    using Id = DCustomKeysPage::FunctionId;
    QList<Assignment> list;
    auto add = [&list](const QString &name, int layer, int id, std::function<void(DKeyFunctionPage *)> act,
                       const char *entry) { list.append({name, layer, id, std::move(act), QByteArray(entry)}); };
    auto radios = [&add](const char *page, int id, std::initializer_list<std::pair<const char *, const char *>> rows) {
        for (const auto &row : rows)
            add(QStringLiteral("%1 %2").arg(QLatin1String(page), QLatin1String(row.first)), 0, id,
                clickRadio(row.first), row.second);
    };
    radios("mouse", Id::IdMouse,
           {{"radioButton_mouseLeft", "12000100"}, {"radioButton_mouseCenter", "12000400"},
            {"radioButton_mouseRight", "12000200"}, {"radioButton_mouseScrollUp", "12010100"},
            {"radioButton_mouseScrollDown", "1201ff00"}, {"radioButton_Forward", "12000800"},
            {"radioButton_Backward", "12001000"}});
    radios("multimedia", Id::IdMultimedia,
           {{"radioButton_volAdd", "07100000"}, {"radioButton_volLower", "07110000"}, {"radioButton_mute", "07120000"},
            {"radioButton_playOrPause", "07130000"}, {"radioButton_next", "07140000"},
            {"radioButton_previous", "07150000"}, {"radioButton_videoStop", "07160000"},
            {"radioButton_Player", "07300000"}, {"radioButton_Calculator", "07320000"},
            {"radioButton_Computer", "07340000"}, {"radioButton_Browser", "07230000"},
            {"radioButton_Email", "07200000"}, {"radioButton_ScreenBrightnessAdd", "07380000"},
            {"radioButton_ScreenBrightnessLess", "07390000"}, {"radioButton_wwwSearch", "07210000"}});
    radios("shortcut", Id::IdShortcuts,
           {{"radioButton_CloseWindow", "13e23d00"}, {"radioButton_ShowDesktop", "13e30700"},
            {"radioButton_OpenMyComputer", "13e30800"}, {"radioButton_LockingComputer", "13e30f00"},
            {"radioButton_Copy", "13e00600"}, {"radioButton_Cut", "13e01b00"}, {"radioButton_Paste", "13e01900"},
            {"radioButton_Find", "13e00900"}, {"radioButton_CreateNew", "13e01100"},
            {"radioButton_Print", "13e01300"}, {"radioButton_Save", "13e01600"}});
    radios("keyboard light", Id::IdKeyboardLight,
           {{"radioButton_OverallLightList", "02000000"}, {"radioButton_InteractionLightList", "02010000"},
            {"radioButton_AllLightList", "02020000"}, {"radioButton_StaticMode", "02030000"},
            {"radioButton_BrightnessUp", "03000000"}, {"radioButton_BrightnessDown", "03010000"},
            {"radioButton_SpeedAdd", "04000000"}, {"radioButton_SpeedLessen", "04010000"},
            {"radioButton_DirectionAddOne", "05000000"}, {"radioButton_DirectionLessenOne", "05010000"},
            {"radioButton_DirectionLoop", "05020000"}, {"radioButton_FullColor", "06000000"},
            {"radioButton_TopColor", "06010000"}, {"radioButton_BottomColor", "06020000"},
            {"radioButton_IntoCustomLight01", "08000000"}, {"radioButton_IntoCustomLight02", "08010000"},
            {"radioButton_CloseAll", "11040000"}, {"radioButton_CloseBackLight", "11040100"},
            {"radioButton_StopBackLight", "11050000"}, {"radioButton_LightRecording", "09000000"}});
    radios("side light", Id::IdSideLight,
           {{"radioButton_AllLightList", "0a020000"}, {"radioButton_BrightnessUp", "0b000000"},
            {"radioButton_BrightnessDown", "0b010000"}, {"radioButton_SpeedAdd", "0c000000"},
            {"radioButton_SpeedLessen", "0c010000"}, {"radioButton_FullColor", "0d000000"},
            {"radioButton_TopColor", "0d010000"}, {"radioButton_BottomColor", "0d020000"},
            {"radioButton_CloseSideLight", "11040200"}, {"radioButton_StopSideLight", "11060000"}});
    radios("key config", Id::IdKeyConfig,
           {{"radioButton_SwitchLoopWin", "11020000"}, {"radioButton_LockKeyboard", "11000000"},
            {"radioButton_PowerQuery", "110a0000"}, {"radioButton_USB", "110b0200"}, {"radioButton_24G", "110b0100"},
            {"radioButton_Pattern1", "110b0000"}, {"radioButton_Pattern2", "110b0001"},
            {"radioButton_Pattern3", "110b0002"}});
    add("remap Esc", 0, Id::IdRemapKey, [](DKeyFunctionPage *p) { p->setKey(41); }, "00290000");
    add("remap Fn", 0, Id::IdRemapKey, [](DKeyFunctionPage *p) { p->setKey(-10); }, "01000000");
    add("combination L_CTRL+A", 0, Id::IdCombinationKey,
        [](DKeyFunctionPage *p) { p->setKey(224); p->setKey(4); }, "13e00400");
    add("combination L_CTRL+L_SHIFT+A", 0, Id::IdCombinationKey,
        [](DKeyFunctionPage *p) { p->setKey(224); p->setKey(225); p->setKey(4); }, "13e0e104");
    add("macro", 0, Id::IdMacro,
        [](DKeyFunctionPage *p) { p->findChild<QComboBox *>("comboBox_Macro")->setCurrentIndex(1); }, "10kk0000");
    add("disable", 0, Id::IdDisable,
        [](DKeyFunctionPage *p) { p->findChild<QPushButton *>("pushButton_OK")->click(); }, "00000000");
    add("text", 0, Id::IdText, [](DKeyFunctionPage *p) {
            p->findChild<QTextEdit *>("textEdit_keyText")->setPlainText(QStringLiteral("Gr\u00fc\u00dfe"));
            p->findChild<QPushButton *>("pushButton_OK")->click();
        }, "160000kk");
    add("launch", 0, Id::IdOpenApp,
        [](DKeyFunctionPage *p) { p->findChild<QPushButton *>("pushButton_selectAppPath")->click(); }, "160000kk");
    add("profile switch", 0, Id::IdSwitchProfile,
        [](DKeyFunctionPage *p) { p->findChild<QComboBox *>("comboBox_Profile")->setCurrentIndex(1); }, "160000kk");
    add("default after a mouse binding", 0, Id::IdDefault, [](DKeyFunctionPage *p) {
            p->findChild<QPushButton *>("pushButton_OK")->click();
        }, "00kk0000");
    // The FN layer.
    add("FN remap Esc", 1, Id::IdRemapKey, [](DKeyFunctionPage *p) { p->setKey(41); }, "00290000");
    add("FN side light stop", 1, Id::IdSideLight, clickRadio("radioButton_StopSideLight"), "11060000");
    add("FN macro", 1, Id::IdMacro, [](DKeyFunctionPage *p) {
            p->findChild<QRadioButton *>("radioButton_playWhellKeyPress")->click();
        }, "10kk0100");
    return list;
}

void tst_KeyFunctionDownload::everyFunctionReachesTheKeyboard()
{
    // The macro store: macro 4 ("Two taps") and 7 ("Hold").
    const QByteArray macros = QFile::encodeName(m_dir.filePath(QStringLiteral("appMacro.xml")));
    QVERIFY(CVardexXML_CreateXMLFile(macros.constData()));
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(macros.constData(), "4", "Two taps"));
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(macros.constData(), "7", "Hold"));
    QVERIFY(CVardexXML_AddKeyOrMouseEventItem(
        macros.constData(), {keyFuncsTest::macroEvent(1, 4, true, 0), keyFuncsTest::macroEvent(1, 4, false, 50)}, "7"));
    QVERIFY(DDataManager::instance()->setMacroXmlPath(macros.constData()));
    const QString program = m_dir.filePath(QStringLiteral("tool.sh"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_chooser->answer = program;

    QDir config(DDataManager::instance()->userConfigDir());
    for (const QString &sub : config.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(config.filePath(sub)).removeRecursively();
    QCOMPARE(CVardexSim_LoadScenarioText(scenarioJson({{"Brisko", false, true, kSerial}}, 0).constData()), 0);
    m_page = std::make_unique<DDevicePage>();
    m_page->resize(1280, 700);
    m_page->show();
    QVERIFY(QTest::qWaitFor([&] { return m_page->currentLink() && !m_page->profileFolder().isEmpty(); }, testWait::kHangMs));
    const QString path = currentPath(m_page.get());
    CVardexSim_ClearOnboard(path.toLatin1().constData());
    const QByteArray defaultStore = QFile::encodeName(m_page->profileFolder() + QStringLiteral("/appProfile_Default.xml"));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(defaultStore.constData(), "2", "Second", 0));

    DCustomKeysPage *keys = m_page->customKeysPage();
    qobject_cast<DKeyWithAppPage *>(keys->functionPage(DCustomKeysPage::IdOpenApp))->setFileChooser(m_chooser);

    // Keys of the drawing that have no default entry of their own.
    QList<int> free;
    for (keyboardButCustom *button : DDataManager::instance()->keyButtonList()) {
        const int code = button ? button->keyDec() : 0;
        if (code > 0 && code < 224 && code != 127 && code != 128 && code != 129 && !free.contains(code))
            free << code;
    }
    const QList<Assignment> all = assignments();
    QVERIFY2(free.size() >= all.size(), qPrintable(QString::number(free.size())));

    QMap<int, QByteArray> expected[2];
    QMap<int, QString> nameOf[2];
    int layer = 0;
    int next = 0;
    for (const Assignment &a : all) {
        if (a.layer != layer) {
            keys->findChild<QPushButton *>(a.layer == 0 ? "pushButton_DefaultLayer" : "pushButton_FnLayer")->click();
            QCOMPARE(keys->currentLayer(), a.layer);
            layer = a.layer;
        }
        const int key = free.at(next++);
        if (a.functionId == DCustomKeysPage::IdDefault) {
            // Restoring a bound key gives it its default entry back.
            DDataManager::instance()->setCurrentKey(key, QStringLiteral("K"));
            keys->findChild<QToolButton *>("toolButton_Mouse")->click();
            clickRadio("radioButton_mouseRight")(keys->functionPage(DCustomKeysPage::IdMouse));
        }
        DDataManager::instance()->setCurrentKey(key, QStringLiteral("K"));
        DKeyFunctionPage *page = keys->functionPage(a.functionId);
        if (a.functionId == DCustomKeysPage::IdSwitchProfile)
            page->loadKeyBinding(); // its button is hidden: no user road but an existing binding
        else
            keys->findChild<QToolButton *>(toolButtonOf(a.functionId))->click();
        if (a.functionId != DCustomKeysPage::IdSwitchProfile)
            QCOMPARE(keys->shownFunctionId(), a.functionId);
        QCOMPARE(page->keyCode(), key);
        a.act(page);
        if (QTest::currentTestFailed())
            return;
        keyboardButCustom *button = DDataManager::instance()->keyButtonMap().value(key);
        QVERIFY(button);
        QCOMPARE(button->hasCustomMark(), a.functionId != DCustomKeysPage::IdDefault);
        expected[a.layer].insert(key, entryFor(a.entry, key));
        nameOf[a.layer].insert(key, a.name);
    }

    m_page->onTheKeyboardIntoDownloading();
    QCOMPARE(m_page->lastNotice(), QStringLiteral("Download config successful"));

    QList<int> registry;
    for (keyboardButCustom *button : DDataManager::instance()->keyButtonList())
        registry << (button ? button->keyDec() : 0);
    const int pages = (registry.size() + 13) / 14;
    for (int l = 0; l < 2; ++l) {
        QByteArray table;
        for (int p = 0; p < pages; ++p) {
            unsigned char entries[56];
            const int n = CVardexSim_GetKeyPage(path.toLatin1().constData(), 2 * l, p, entries);
            QVERIFY(n >= 0);
            table += QByteArray(reinterpret_cast<const char *>(entries), 4 * n);
        }
        QCOMPARE(table.size(), 4 * registry.size());
        int checked = 0;
        for (int i = 0; i < registry.size(); ++i) {
            const auto want = expected[l].constFind(registry.at(i));
            if (want == expected[l].constEnd())
                continue;
            QVERIFY2(table.mid(4 * i, 4) == want.value(),
                     qPrintable(QStringLiteral("%1: key %2 holds %3, expected %4")
                                    .arg(nameOf[l].value(registry.at(i)))
                                    .arg(registry.at(i))
                                    .arg(QString::fromLatin1(table.mid(4 * i, 4).toHex()),
                                         QString::fromLatin1(want.value().toHex()))));
            ++checked;
        }
        QCOMPARE(checked, expected[l].size());
    }
}

QTEST_MAIN(tst_KeyFunctionDownload)
#include "tst_keyfunctiondownload.moc"
