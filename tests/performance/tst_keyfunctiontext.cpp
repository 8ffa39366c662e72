// The function and detail texts of a stored key binding.
#include "data/DDataManager.h"
#include "vardexSdk.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

// The data manager's singleton is built on first use; tests use their own.
class TestDataManager : public DDataManager
{
public:
    TestDataManager() = default;
};

KeyOperateInfo binding(const char *type, const char *value, const char *subCode = "0")
{
    KeyOperateInfo record {};
    std::strcpy(record.keyCode, "4");
    std::strncpy(record.type, type, sizeof record.type - 1);
    std::strcpy(record.playCount, "1");
    std::strncpy(record.playMode, subCode, sizeof record.playMode - 1);
    std::strncpy(record.value, value, sizeof record.value - 1);
    return record;
}

} // namespace

class tst_KeyFunctionText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void describes_data();
    void describes();
    void macroAndProfileNamesComeFromTheStores();

private:
    QTemporaryDir m_dir;
    QByteArray m_macroPath;
    QByteArray m_profilePath;
};

void tst_KeyFunctionText::initTestCase()
{
    QVERIFY(m_dir.isValid());
    CVardexXML_Init();
    m_macroPath = QFile::encodeName(m_dir.filePath(QStringLiteral("appMacro.xml")));
    m_profilePath = QFile::encodeName(m_dir.filePath(QStringLiteral("appProfile_Default.xml")));
    QVERIFY(CVardexXML_CreateXMLFile(m_macroPath.constData()));
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(m_macroPath.constData(), "2", "Combo"));
    QVERIFY(CVardexXML_CreateMacroXmlParentNode(m_macroPath.constData(), "12", "Twelve"));
    QVERIFY(CVardexXML_CreateXMLFile(m_profilePath.constData()));
    QVERIFY(CVardexXML_CreateProFileXmlParentNode(m_profilePath.constData(), "3", "Gaming", 0));
}

void tst_KeyFunctionText::describes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("subCode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("detail");

    auto row = [](const char *name, const char *type, const char *sub, const char *value, const char *function,
                  const char *detail) {
        QTest::newRow(name) << QString::fromLatin1(type) << QString::fromLatin1(sub) << QString::fromUtf8(value)
                            << QString::fromLatin1(function) << QString::fromUtf8(detail);
    };
    row("no binding", "-1", "0", "", "Default", "Unknow");
    row("remap", "0", "0", "6", "Remap Key", "C");
    row("remap to a key without caption", "0", "0", "250", "Remap Key", "");
    row("macro", "1", "0", "12", "Macro", "Twelve");
    row("macro deleted from the store", "1", "0", "7", "Macro", "Unknow");
    row("combination ctrl+alt+C", "2", "0", "5,6", "Key Combination", "L_CTRL+L_ALT+C");
    row("combination without names", "2", "0", "0,250", "Key Combination", "");
    row("combination all modifiers", "2", "0", "255", "Key Combination",
        "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN");
    row("combination high bits ignored", "2", "0", "768,6", "Key Combination", "C");
    row("multimedia", "3", "0", "4", "Multimedia", "Next track");
    row("multimedia 7", "3", "0", "7", "Multimedia", "Unknow");
    row("multimedia out of table", "3", "0", "16", "Multimedia", "Unknow");
    row("mouse", "4", "0", "7", "Mouse", "Sniper Key");
    row("mouse out of table", "4", "0", "-1", "Mouse", "Unknow");
    row("disable", "5", "0", "", "Disable", "Disable");
    row("text", "6", "0", "héllo, wörld", "Text", "héllo, wörld");
    row("switch profile", "7", "0", "3", "Switch Profile", "Gaming");
    row("switch to a missing profile", "7", "0", "9", "Switch Profile", "");
    row("launch", "8", "0", "/usr/bin/gedit", "Launch Application", "/usr/bin/gedit");
    row("shortcut", "9", "0", "11", "Shortcuts", "Save");
    row("shortcut out of table", "9", "0", "12", "Shortcuts", "Unknow");
    row("type 10", "10", "0", "0", "Unknow", "Unknow");
    row("type 11", "11", "0", "0", "Default", "Unknow");
    row("type 28", "28", "0", "0", "Default", "Unknow");
    row("type with trailing text", "3x", "0", "2", "Multimedia", "Mute");
    row("lock keyboard", "19", "0", "5", "Key Config", "Lock keyboard");
    row("lock win toggle", "19", "2", "0", "Key Config", "Lock/Unlock Win");
    row("unlock win", "19", "2", "2", "Key Config", "Unlock win");
    row("lock win out of table", "19", "2", "3", "Key Config", "Unknow");
    row("FN1 layer", "19", "8", "2", "Key Config", "FN1 layer");
    row("power query", "19", "10", "9", "Key Config", "Power query");
    row("bluetooth 3", "19", "11", "0,2", "Key Config", "Bluetooth 3");
    row("bluetooth without slot", "19", "11", "0", "Key Config", "Unknow");
    row("2.4G switching", "19", "11", "1,0", "Key Config", "2.4G switching");
    row("USB switching", "19", "11", "2", "Key Config", "USB switching");
    row("key config unknown sub code", "19", "5", "0", "Key Config", "Unknow");
    row("light static", "20", "0", "3", "Keyboard Light", "Static");
    row("light brightness", "21", "0", "1", "Keyboard Light", "Brightness -");
    row("light speed", "22", "0", "0", "Keyboard Light", "Speed +");
    row("light direction loop", "23", "0", "2", "Keyboard Light", "Direction Loop");
    row("light bottom colour", "24", "0", "2", "Keyboard Light", "Bottom color changed");
    row("light custom 2", "25", "0", "1", "Keyboard Light", "Custom 2");
    row("light close back light", "26", "0", "1", "Keyboard Light", "Close back light");
    row("light stop whatever value", "26", "1", "9", "Keyboard Light", "Stop back light");
    row("light 26 other sub code", "26", "2", "0", "Keyboard Light", "Unknow");
    row("light recording", "27", "0", "5", "Keyboard Light", "Light recording");
    row("light out of table", "20", "0", "4", "Keyboard Light", "Unknow");
    row("side all light", "30", "0", "2", "Atmosphere Light", "All light");
    row("side static has no item", "30", "0", "3", "Atmosphere Light", "Unknow");
    row("side brightness", "31", "0", "0", "Atmosphere Light", "Brightness +");
    row("side speed", "32", "0", "1", "Atmosphere Light", "Speed -");
    row("side full colour", "33", "0", "0", "Atmosphere Light", "Into full color");
    row("side close", "34", "0", "5", "Atmosphere Light", "Close side light");
    row("side stop", "34", "1", "0", "Atmosphere Light", "Stop side light");
}

void tst_KeyFunctionText::describes()
{
    QFETCH(QString, type);
    QFETCH(QString, subCode);
    QFETCH(QString, value);
    QFETCH(QString, function);
    QFETCH(QString, detail);
    TestDataManager data;
    data.setKeyNameMap({{4, QStringLiteral("A")}, {6, QStringLiteral("C")}});
    QVERIFY(data.setMacroXmlPath(m_macroPath.constData()));
    QVERIFY(data.setProfileXmlPath(m_profilePath.constData()));
    const QByteArray v = value.toUtf8();
    const KeyOperateInfo record = binding(type.toLatin1().constData(), v.constData(), subCode.toLatin1().constData());
    QCOMPARE(data.describeKeyFunction(record), function);
    QCOMPARE(data.keyFunctionDetailText(), detail);
}

// Without stores the names cannot be found; nothing breaks.
void tst_KeyFunctionText::macroAndProfileNamesComeFromTheStores()
{
    TestDataManager data;
    QCOMPARE(data.describeKeyFunction(binding("1", "12")), QStringLiteral("Macro"));
    QCOMPARE(data.keyFunctionDetailText(), QStringLiteral("Unknow"));
    QCOMPARE(data.describeKeyFunction(binding("7", "3")), QStringLiteral("Switch Profile"));
    QCOMPARE(data.keyFunctionDetailText(), QString());
}

QTEST_MAIN(tst_KeyFunctionText)
#include "tst_keyfunctiontext.moc"
