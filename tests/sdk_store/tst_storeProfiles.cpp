// The profile store: profiles, key bindings, macro copies, lights, custom
// lights, device settings, export/import, limits and damaged files.
#include "storeTestUtil.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <thread>
#include <vector>

class tst_storeProfiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_store;

    // A store with profiles 1..count, each named "Profile<n>".
    void makeStore(int count)
    {
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(m_store)));
        for (int i = 1; i <= count; ++i)
            QVERIFY(CVardexXML_CreateProFileXmlParentNode(PathBuf(m_store), std::to_string(i).c_str(),
                                                          ("Profile" + std::to_string(i)).c_str(), 0));
        QVERIFY(CVardexXML_ModifyXMLFileProfileIndex(PathBuf(m_store), 1));
    }

    QStringList listedIndexes(const QString &path)
    {
        std::vector<ProfileNodeEntry> list;
        CVardexXML_SelectProFileAllNodes(PathBuf(path), list);
        QStringList out;
        for (const auto &e : list)
            out << QString::fromUtf8(e.index);
        return out;
    }

    static KeyOperateInfo presetRecord()
    {
        KeyOperateInfo info;
        std::memset(&info, 0x5A, sizeof info);
        std::strcpy(info.keyCode, "-1");
        std::strcpy(info.type, "-1");
        std::strcpy(info.playCount, "-1");
        std::strcpy(info.playMode, "-1");
        std::strcpy(info.value, "-1");
        return info;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_store = m_dir.filePath(QStringLiteral("appProfile_Default.xml"));
        QFile::remove(m_store);
        CVardexXML_Init();
    }

    // ------------------------------------------------------------ profiles

    void profilesKeepAscendingOrderAndCurrentIndex()
    {
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(m_store)));
        QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(PathBuf(m_store)), -1);
        for (const char *index : {"1", "2", "5"})
            QVERIFY(CVardexXML_CreateProFileXmlParentNode(PathBuf(m_store), index, "P", 0));
        QVERIFY(CVardexXML_CreateProFileXmlParentNode(PathBuf(m_store), "3", "Office \xc3\xa9", 0));
        reopenStores();
        QCOMPARE(listedIndexes(m_store), QStringList({"1", "2", "3", "5"}));

        QVERIFY(CVardexXML_ModifyXMLFileProfileIndex(PathBuf(m_store), 5));
        QVERIFY(!CVardexXML_ModifyXMLFileProfileIndex(PathBuf(m_store), 4)); // no such profile
        reopenStores();
        QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(PathBuf(m_store)), 5);

        ProfileNodeInfo info;
        std::memset(&info, 0, sizeof info);
        QVERIFY(CVardexXML_SelectProfileNodeInfo(PathBuf(m_store), "3", &info));
        QCOMPARE(QString::fromUtf8(reinterpret_cast<const char *>(&info) + 8), QString::fromUtf8("Office \xc3\xa9"));
        QVERIFY(CVardexXML_ModifyProfileNodeInfo(PathBuf(m_store), "3", "Gaming"));
        QVERIFY(CVardexXML_IsExistenceSelectProfileNode(PathBuf(m_store), "3"));
        QVERIFY(!CVardexXML_IsExistenceSelectProfileNode(PathBuf(m_store), "4"));

        QVERIFY(CVardexXML_DeleteProFileSelectedNode(PathBuf(m_store), "2"));
        QVERIFY(!CVardexXML_DeleteProFileSelectedNode(PathBuf(m_store), "2"));
        reopenStores();
        QCOMPARE(listedIndexes(m_store), QStringList({"1", "3", "5"}));
        QVERIFY(CVardexXML_SelectProfileNodeInfo(PathBuf(m_store), "3", &info));
        QCOMPARE(QString::fromUtf8(info.name), QStringLiteral("Gaming"));
        QVERIFY(!CVardexXML_SelectProfileNodeInfo(PathBuf(m_store), "2", &info));
    }

    void profileLimitIsTen()
    {
        makeStore(10);
        QVERIFY(!CVardexXML_CreateProFileXmlParentNode(PathBuf(m_store), "11", "Profile11", 0));
        QCOMPARE(listedIndexes(m_store).size(), 10);
        // Re-creating an existing profile (the reset road) is not an eleventh one.
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "4", "41", "Esc", "5", "1", "1", "-1"));
        QVERIFY(CVardexXML_CreateProFileXmlParentNode(PathBuf(m_store), "4", "Profile4", 0));
        std::list<std::string> keys;
        QVERIFY(CVardexXML_ProFileKeyInfoSelectAll(PathBuf(m_store), "4", keys));
        QVERIFY(keys.empty());
        QCOMPARE(listedIndexes(m_store), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    }

    // -------------------------------------------------------- key bindings

    // One binding per key, of at most 256 keys: an import is held to the same.
    void bindingLimit()
    {
        makeStore(1);
        CVardexXML_BeginBatch(PathBuf(m_store));
        for (int code = 1; code <= 256; ++code)
            QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", std::to_string(code).c_str(),
                                                              "K", "6", "1", "1", "x"));
        QVERIFY(CVardexXML_EndBatch(PathBuf(m_store)));
        QVERIFY(!CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "257", "K", "6", "1", "1", "x"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "256", "K", "6", "1", "1", "y"));
        std::list<std::string> keys;
        QVERIFY(CVardexXML_ProFileKeyInfoSelectAll(PathBuf(m_store), "1", keys));
        QCOMPARE(int(keys.size()), 256);
    }

    void bindingRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("keyCode");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("playCount");
        QTest::addColumn<QByteArray>("playMode");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("remap") << QByteArray("41") << QByteArray("0") << QByteArray("1") << QByteArray("1")
                               << QByteArray("40");
        QTest::newRow("macro") << QByteArray("4") << QByteArray("1") << QByteArray("255") << QByteArray("2")
                               << QByteArray("3");
        QTest::newRow("combination") << QByteArray("5") << QByteArray("2") << QByteArray("1") << QByteArray("1")
                                     << QByteArray("5,4");
        QTest::newRow("fn key") << QByteArray("-10") << QByteArray("19") << QByteArray("1") << QByteArray("11")
                                << QByteArray("0,2");
        QTest::newRow("text with markup and lines")
            << QByteArray("6") << QByteArray("6") << QByteArray("1") << QByteArray("1")
            << QByteArray(" <a href=\"x\">&amp;</a>\n\tline 2\r\n 'end' ");
        QTest::newRow("utf8 program path") << QByteArray("7") << QByteArray("8") << QByteArray("1")
                                           << QByteArray("1") << QByteArray("/opt/\xe6\x96\x87/app \xc3\xa9");
        QTest::newRow("value of 5119 bytes") << QByteArray("8") << QByteArray("6") << QByteArray("1")
                                             << QByteArray("1") << QByteArray(5119, 'v');
        QTest::newRow("5118 bytes of two-byte chars plus one")
            << QByteArray("9") << QByteArray("6") << QByteArray("1") << QByteArray("1")
            << QByteArray(QByteArray::fromStdString(utf8Repeat("\xc3\xa9", 2559)) + "x");
    }

    void bindingRoundTrip()
    {
        QFETCH(QByteArray, keyCode);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, playCount);
        QFETCH(QByteArray, playMode);
        QFETCH(QByteArray, value);
        makeStore(2);
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "2", keyCode, "Cap", type, playCount,
                                                          playMode, value));
        reopenStores();
        KeyOperateInfo info = presetRecord();
        QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "2", keyCode, &info));
        QCOMPARE(QByteArray(info.keyCode), keyCode);
        QCOMPARE(QByteArray(info.type), type);
        QCOMPARE(QByteArray(info.playCount), playCount);
        QCOMPARE(QByteArray(info.playMode), playMode);
        QCOMPARE(QByteArray(info.value), value);
        // The same key in another profile stays unbound.
        KeyOperateInfo other = presetRecord();
        QVERIFY(!CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "1", keyCode, &other));
        QCOMPARE(QByteArray(other.keyCode), QByteArray("-1"));
    }

    void unboundKeyLeavesPresetUntouched()
    {
        makeStore(1);
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "41", "Esc", "5", "1", "1", "-1"));
        const KeyOperateInfo preset = presetRecord();
        KeyOperateInfo info = preset;
        QVERIFY(!CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "1", "42", &info));
        QVERIFY(std::memcmp(&info, &preset, sizeof info) == 0);
        QVERIFY(!CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "9", "41", &info));
        QVERIFY(std::memcmp(&info, &preset, sizeof info) == 0);

        // Saving replaces the whole binding; deleting leaves the preset again.
        QVERIFY(CVardexXML_DeleteProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "41", "Esc"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "41", "Esc", "4", "1", "1", "2"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "41", "Esc", "3", "1", "1", "7"));
        std::list<std::string> bound;
        QVERIFY(CVardexXML_ProFileKeyInfoSelectAll(PathBuf(m_store), "1", bound));
        QCOMPARE(bound.size(), size_t(1));
        QVERIFY(CVardexXML_DeleteProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "41", "Esc"));
        reopenStores();
        info = preset;
        QVERIFY(!CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "1", "41", &info));
        QVERIFY(std::memcmp(&info, &preset, sizeof info) == 0);
    }

    void valueNumFollowsBindings()
    {
        makeStore(2);
        auto count = [this](const char *profile) {
            return CVardexXML_GetProFileValueNum(PathBuf(m_store), profile, "1", "3");
        };
        QCOMPARE(count("1"), 0);
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "4", "A", "1", "1", "1", "3"));
        QCOMPARE(count("1"), 1);
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "5", "B", "1", "5", "2", "3"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "6", "C", "1", "1", "1", "4"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "7", "D", "0", "1", "1", "3"));
        QCOMPARE(count("1"), 2);
        QCOMPARE(count("2"), 0);
        // Rebinding a key to another function takes it out of the count.
        QVERIFY(CVardexXML_DeleteProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "4", "A"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "4", "A", "4", "1", "1", "3"));
        QCOMPARE(count("1"), 1);
        QVERIFY(CVardexXML_DeleteProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "5", "B"));
        reopenStores();
        QCOMPARE(count("1"), 0);
    }

    // ----------------------------------------------------- refused input

    void refusedInputChangesNothing_data()
    {
        QTest::addColumn<int>("caseId");
        QTest::newRow("value of 5120 bytes") << 0;
        QTest::newRow("caption of 64 bytes") << 1;
        QTest::newRow("profile name of 64 bytes (32 two-byte chars)") << 2;
        QTest::newRow("path without terminator") << 3;
        QTest::newRow("profile index not decimal") << 4;
        QTest::newRow("key code not decimal") << 5;
        QTest::newRow("macro event without terminator") << 6;
        QTest::newRow("play mode longer than its field") << 7;
        QTest::newRow("custom light state unknown") << 8;
        QTest::newRow("control character XML cannot carry") << 9;
    }

    void refusedInputChangesNothing()
    {
        QFETCH(int, caseId);
        makeStore(1);
        QVERIFY(CVardexXML_AddProFileCustomLightNode(PathBuf(m_store), "1", "0", "Alphabets", "Using", 0));
        const QByteArray before = readAll(m_store);
        bool result = true;
        switch (caseId) {
        case 0:
            result = CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "6", "T", "6", "1", "1",
                                                               std::string(5120, 'x').c_str());
            break;
        case 1:
            result = CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "6",
                                                               std::string(64, 'c').c_str(), "6", "1", "1", "x");
            break;
        case 2:
            result = CVardexXML_ModifyProfileNodeInfo(PathBuf(m_store), "1", utf8Repeat("\xc3\xa9", 32).c_str());
            break;
        case 3: {
            std::vector<char> path(300, 'a');
            std::memcpy(path.data(), "/tmp/", 5);
            result = CVardexXML_CreateXMLFile(path.data());
            break;
        }
        case 4:
            result = CVardexXML_SetProFileIntoSleepTimeInfo(PathBuf(m_store), "1; DROP", 1, 5);
            break;
        case 5:
            result = CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "A", "A", "0", "1", "1", "4");
            break;
        case 6: {
            MacroEventRecord r = makeEvent("1", "0", "key", "4", "A", "down");
            std::memset(r.operate, 'x', sizeof r.operate);
            result = CVardexXML_AddProFileBindMacroItem(PathBuf(m_store), "1", {r}, "1", "Macro1");
            break;
        }
        case 7:
            result = CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "6", "T", "1", "1",
                                                               "123456789", "1");
            break;
        case 8:
            result = CVardexXML_ModifyProFileCustomLightNodeUsingStatus(PathBuf(m_store), "1", "0", "Maybe", 1);
            break;
        case 9:
            result = CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "6", "T", "6", "1", "1",
                                                               "bell\x07");
            break;
        }
        QVERIFY(!result);
        QCOMPARE(readAll(m_store), before);
    }

    void longestAcceptedNames()
    {
        makeStore(1);
        const std::string name = utf8Repeat("\xe6\x96\x87", 21); // 63 bytes
        QVERIFY(CVardexXML_ModifyProfileNodeInfo(PathBuf(m_store), "1", name.c_str()));
        reopenStores();
        std::vector<ProfileNodeEntry> list;
        QVERIFY(CVardexXML_SelectProFileAllNodes(PathBuf(m_store), list));
        QCOMPARE(std::string(list.at(0).name), name);
        ProfileNodeInfo info;
        std::memset(&info, 0, sizeof info);
        QVERIFY(CVardexXML_SelectProfileNodeInfo(PathBuf(m_store), "1", &info));
        QCOMPARE(std::string(info.name), name);
    }

    // A hand-edited store may hold longer texts than a record field: they are
    // cut at a character boundary, never inside one.
    void overlongStoredNameIsCutAtCharacterBoundary()
    {
        QFile f(m_store);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?><vardexStore version=\"1\"><profile index=\"1\" name=\"");
        f.write(QByteArray::fromStdString("a" + utf8Repeat("\xe6\x96\x87", 30)));
        f.write("\"/></vardexStore>");
        f.close();
        std::vector<ProfileNodeEntry> list;
        QVERIFY(CVardexXML_SelectProFileAllNodes(PathBuf(m_store), list));
        QCOMPARE(std::string(list.at(0).name), "a" + utf8Repeat("\xe6\x96\x87", 20)); // 61 bytes
    }

    // --------------------------------------------------- macro copies

    void boundMacroCopies()
    {
        makeStore(2);
        const std::list<MacroEventRecord> events = {makeEvent("1", "0", "key", "4", "A", "down"),
                                                    makeEvent("1", "30", "key", "4", "A", "up"),
                                                    makeEvent("2", "300", "mouse", "513", "Left Click", "down"),
                                                    makeEvent("2", "65535", "mouse", "514", "Left Click", "up")};
        QVERIFY(CVardexXML_AddProFileBindMacroItem(PathBuf(m_store), "1", events, "3", "Macro3"));
        reopenStores();
        std::list<MacroEventRecord> read;
        QVERIFY(CVardexXML_ProFileMacroWithKeyInfoSelectAll(PathBuf(m_store), "1", "3", "", read));
        QCOMPARE(read.size(), events.size());
        auto it = read.begin();
        for (const auto &e : events)
            QVERIFY(std::memcmp(&e, &*it++, sizeof e) == 0);
        std::list<MacroEventRecord> none;
        QVERIFY(!CVardexXML_ProFileMacroWithKeyInfoSelectAll(PathBuf(m_store), "2", "3", "", none));
        QVERIFY(none.empty());

        // A new copy replaces the old one; deleting removes it.
        QVERIFY(CVardexXML_AddProFileBindMacroItem(PathBuf(m_store), "1", {events.front()}, "3", "Macro3"));
        read.clear();
        QVERIFY(CVardexXML_ProFileMacroWithKeyInfoSelectAll(PathBuf(m_store), "1", "3", "", read));
        QCOMPARE(read.size(), size_t(1));
        QVERIFY(CVardexXML_DeleteProFileBindMacroNode(PathBuf(m_store), "1", "3", "Macro3"));
        reopenStores();
        read.clear();
        QVERIFY(!CVardexXML_ProFileMacroWithKeyInfoSelectAll(PathBuf(m_store), "1", "3", "", read));
    }

    // --------------------------------------------------------- lights

    void lightModifyOrAddRoad_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("type");
        QTest::newRow("keys, wave") << 0 << 2;
        QTest::newRow("side light, close") << 1 << 5;
        QTest::newRow("keys, musical rhythm") << 0 << 100;
    }

    void lightModifyOrAddRoad()
    {
        QFETCH(int, part);
        QFETCH(int, type);
        makeStore(1);
        colorInfoData record = {part, type, 3, 3, {255, 0, 0}, {0, 0, 0}, 0, 1, 0, 0};
        // The road of a light report: ask, then add or modify.
        for (int round = 0; round < 2; ++round) {
            record.ledBrightness = 4 + round;
            record.ledExtra = 17 + round;
            if (CVardexXML_IsProFileAlreadyHaveLightInfo(PathBuf(m_store), "1", part, type))
                QVERIFY(CVardexXML_ModifyProFileLightInfoItem(PathBuf(m_store), "1", part, type, record));
            else
                QVERIFY(CVardexXML_AddProFileLightInfoItem(PathBuf(m_store), "1", record));
            QVERIFY(CVardexXML_IsProFileAlreadyHaveLightInfo(PathBuf(m_store), "1", part, type));
        }
        QVERIFY(CVardexXML_ModifyProFileMouseLightUsingIndex(PathBuf(m_store), "1", part, type));
        reopenStores();
        colorInfoData read;
        std::memset(&read, 0, sizeof read);
        QVERIFY(CVardexXML_SelectProfileColorDataInfo(PathBuf(m_store), "1", part, type, &read));
        QVERIFY(std::memcmp(&read, &record, sizeof read) == 0);
        QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(PathBuf(m_store), "1", part), type);

        // Another type of the part: not there, and the record is left alone.
        colorInfoData untouched = read;
        QVERIFY(!CVardexXML_SelectProfileColorDataInfo(PathBuf(m_store), "1", part, type + 1, &untouched));
        QVERIFY(std::memcmp(&read, &untouched, sizeof read) == 0);
        QVERIFY(!CVardexXML_ModifyProFileLightInfoItem(PathBuf(m_store), "1", part, type + 1, record));
    }

    void lightDefaultsAndSynchronisation()
    {
        makeStore(1);
        // A profile without light records runs type 0 on every part, none marked.
        QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(PathBuf(m_store), "1", 0), 0);
        QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(PathBuf(m_store), "1", 1), 0);
        QCOMPARE(CVardexXML_SelectProFileLightTypeRuningStatus(PathBuf(m_store), "1"), 0);
        for (int part = 0; part < 3; ++part) {
            colorInfoData d = {part, 2, 3, 3, {255, 0, 0}, {0, 0, 0}, 0, 1, 0, 0};
            QVERIFY(CVardexXML_AddProFileLightInfoItem(PathBuf(m_store), "1", d));
        }
        // Adding a record of a stored part and type replaces it.
        colorInfoData again = {1, 2, 9, 9, {1, 2, 3}, {4, 5, 6}, 7, 0, 0, 0};
        QVERIFY(CVardexXML_AddProFileLightInfoItem(PathBuf(m_store), "1", again));
        colorInfoData read;
        QVERIFY(CVardexXML_SelectProfileColorDataInfo(PathBuf(m_store), "1", 1, 2, &read));
        QCOMPARE(read.ledBrightness, 9);
        // No type marked yet: the stored record stands in.
        QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(PathBuf(m_store), "1", 0), 2);
        QCOMPARE(CVardexXML_SelectProFileLightTypeRuningStatus(PathBuf(m_store), "1"), 0);
        QCOMPARE(CVardexXML_SelectProFileLightSynchronizeStatus(PathBuf(m_store), "1"), 0);
        QVERIFY(CVardexXML_ModifyProFileLightSynchronizeStatus(PathBuf(m_store), "1", 1));
        QVERIFY(CVardexXML_ModifyProFileMouseLightUsingIndex(PathBuf(m_store), "1", 0, 10));
        reopenStores();
        QCOMPARE(CVardexXML_SelectProFileLightSynchronizeStatus(PathBuf(m_store), "1"), 1);
        QCOMPARE(CVardexXML_SelectProFileLightTypeRuningStatus(PathBuf(m_store), "1"), 1);
        QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(PathBuf(m_store), "1", 0), 10);
        QCOMPARE(CVardexXML_SelectProFileMouseLightTypeUsingIndex(PathBuf(m_store), "7", 0), -1);
    }

    // --------------------------------------------------- custom lights

    void customLights()
    {
        makeStore(1);
        const char *names[] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
        for (int id = 0; id < 5; ++id)
            QVERIFY(CVardexXML_AddProFileCustomLightNode(PathBuf(m_store), "1", std::to_string(id).c_str(),
                                                         names[id], id < 2 ? "Using" : "UnUsing", id < 2 ? id : -1));
        customLightKeyRecord key;
        std::memset(&key, 0, sizeof key);
        std::strcpy(key.keyCode, "26");
        std::strcpy(key.keyName, "W");
        key.indexX = 2;
        key.indexY = 2;
        key.colorR = 255;
        key.transparentNum = 128;
        QVERIFY(CVardexXML_AddProFileCustomLightDataInfo(PathBuf(m_store), "1", "1", key));
        key.indexY = 3;
        std::strcpy(key.keyCode, "8");
        QVERIFY(CVardexXML_AddProFileCustomLightDataInfo(PathBuf(m_store), "1", "1", key));
        key.colorB = 9; // same cell again: replaced, not doubled
        QVERIFY(CVardexXML_AddProFileCustomLightDataInfo(PathBuf(m_store), "1", "1", key));
        QVERIFY(!CVardexXML_AddProFileCustomLightDataInfo(PathBuf(m_store), "1", "9", key));

        QVERIFY(CVardexXML_ModifyProFileCustomLightNodeName(PathBuf(m_store), "1", "2", "Night"));
        QVERIFY(CVardexXML_ModifyProFileCustomLightNodeUsingStatus(PathBuf(m_store), "1", "0", "UnUsing", -1));
        QVERIFY(CVardexXML_ModifyProFileCustomLightNodeUsingStatus(PathBuf(m_store), "1", "2", "Using", 0));
        reopenStores();

        std::list<CustomLightNodeEntry> lights;
        QVERIFY(CVardexXML_SelectProFileCustomLightAllNodes(PathBuf(m_store), "1", lights));
        QCOMPARE(lights.size(), size_t(5));
        auto it = lights.begin();
        QCOMPARE(QByteArray(it->index), QByteArray("0"));
        QCOMPARE(QByteArray(it->isUsing), QByteArray("UnUsing"));
        QCOMPARE(it->usingFlagIndex, -1);
        std::advance(it, 2);
        QCOMPARE(QByteArray(it->name), QByteArray("Night"));
        QCOMPARE(QByteArray(it->isUsing), QByteArray("Using"));
        QCOMPARE(it->usingFlagIndex, 0);

        std::list<customLightKeyRecord> keys;
        QVERIFY(CVardexXML_ProFileCustomLightInfoSelectAll(PathBuf(m_store), "1", "1", keys));
        QCOMPARE(keys.size(), size_t(2));
        QVERIFY(std::memcmp(&keys.back(), &key, sizeof key) == 0);
        QVERIFY(CVardexXML_ClearProFileCustomLightNode(PathBuf(m_store), "1", "1"));
        QVERIFY(!CVardexXML_ClearProFileCustomLightNode(PathBuf(m_store), "1", "8"));
        keys.clear();
        QVERIFY(CVardexXML_ProFileCustomLightInfoSelectAll(PathBuf(m_store), "1", "1", keys));
        QVERIFY(keys.empty());
    }

    void customLightDefaultFile()
    {
        const QString file = m_dir.filePath(QStringLiteral("customLightDefaultConfig_84.xml"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<customLight>\n"
                " <customLed index=\"0\" name=\"Custom 0\" isUsing=\"Using\" usingFlagIndex=\"0\">\n"
                "  <item keyCode=\"20\" codeName=\"Q\" indexX=\"2\" indexY=\"1\" colorR=\"0\" colorG=\"0\""
                " colorB=\"255\" transparentNum=\"128\"/>\n"
                "  <item keyCode=\"26\" codeName=\"W\" indexX=\"2\" indexY=\"2\" colorR=\"0\" colorG=\"0\""
                " colorB=\"255\" transparentNum=\"128\"/>\n"
                " </customLed>\n"
                " <customLed index=\"2\" name=\"Custom 2\" isUsing=\"UnUsing\" usingFlagIndex=\"-1\"/>\n"
                "</customLight>\n");
        f.close();
        std::list<customLightKeyRecord> keys;
        QVERIFY(CVardexXML_XmlCustomLightInfoSelectAll(PathBuf(file), "0", keys));
        QCOMPARE(keys.size(), size_t(2));
        QCOMPARE(QByteArray(keys.front().keyCode), QByteArray("20"));
        QCOMPARE(QByteArray(keys.front().keyName), QByteArray("Q"));
        QCOMPARE(keys.front().indexX, 2);
        QCOMPARE(keys.front().indexY, 1);
        QCOMPARE(keys.front().colorB, 255);
        QCOMPARE(keys.front().transparentNum, 128);
        keys.clear();
        QVERIFY(CVardexXML_XmlCustomLightInfoSelectAll(PathBuf(file), "2", keys));
        QVERIFY(keys.empty());
        // A failed temporary copy hands over an empty path.
        QVERIFY(!CVardexXML_XmlCustomLightInfoSelectAll("", "0", keys));
    }

    // ------------------------------------------------------ settings

    void settingsAndSleepTimes()
    {
        makeStore(2);
        ProfileFunctionInfo lock;
        std::memset(&lock, 0, sizeof lock);
        for (char *f : {lock.altTab, lock.altF4, lock.shiftTab, lock.winKey})
            std::strcpy(f, "0");
        ProfileSleepTimeInfo sleep = {600, 30};
        // Nothing stored yet: the presets stay.
        QVERIFY(!CVardexXML_GetProFileFunctionInfo(PathBuf(m_store), "1", &lock));
        QVERIFY(!CVardexXML_GetProFileIntoSleepTimeInfo(PathBuf(m_store), "1", &sleep));
        QCOMPARE(QByteArray(lock.altTab), QByteArray("0"));
        QCOMPARE(sleep.lightSleepSeconds, 600);
        QCOMPARE(sleep.keyboardSleepMinutes, 30);

        QVERIFY(CVardexXML_AddProFileFunctionInfo(PathBuf(m_store), "1", "1", "0", "0", "1"));
        QVERIFY(CVardexXML_SetProFileIntoSleepTimeInfo(PathBuf(m_store), "1", 0, 5));
        QVERIFY(CVardexXML_SetProFileIntoSleepTimeInfo(PathBuf(m_store), "2", 60000, 1000));
        reopenStores();
        QVERIFY(CVardexXML_GetProFileFunctionInfo(PathBuf(m_store), "1", &lock));
        QCOMPARE(QByteArray(lock.altTab), QByteArray("1"));
        QCOMPARE(QByteArray(lock.altF4), QByteArray("0"));
        QCOMPARE(QByteArray(lock.shiftTab), QByteArray("0"));
        QCOMPARE(QByteArray(lock.winKey), QByteArray("1"));
        QVERIFY(CVardexXML_GetProFileIntoSleepTimeInfo(PathBuf(m_store), "1", &sleep));
        QCOMPARE(sleep.lightSleepSeconds, 0);
        QCOMPARE(sleep.keyboardSleepMinutes, 5);
        QVERIFY(CVardexXML_GetProFileIntoSleepTimeInfo(PathBuf(m_store), "2", &sleep));
        QCOMPARE(sleep.lightSleepSeconds, 60000);
        QCOMPARE(sleep.keyboardSleepMinutes, 1000);
    }

    // ---------------------------------------------- export and import

    void exportThenImport()
    {
        makeStore(3);
        QVERIFY(CVardexXML_ModifyProfileNodeInfo(PathBuf(m_store), "2", "Office"));
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "2", "4", "A", "6", "1", "1", "hello"));
        QVERIFY(CVardexXML_SetProFileIntoSleepTimeInfo(PathBuf(m_store), "2", 120, 10));
        const QString target = m_dir.filePath(QStringLiteral("Office.xml"));
        QFile::remove(target);
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(target)));
        QVERIFY(CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "2", 0));
        QCOMPARE(listedIndexes(target), QStringList({"2"}));

        const QString other = m_dir.filePath(QStringLiteral("appProfile_FN.xml"));
        QFile::remove(other);
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(other)));
        for (const char *index : {"1", "4"})
            QVERIFY(CVardexXML_CreateProFileXmlParentNode(PathBuf(other), index, "P", 0));
        QVERIFY(CVardexXML_ProFileImport(PathBuf(other), PathBuf(target), "2"));
        reopenStores();
        // The imported profile follows the last listed one and keeps its name and contents.
        QCOMPARE(listedIndexes(other), QStringList({"1", "4", "5"}));
        ProfileNodeInfo info;
        QVERIFY(CVardexXML_SelectProfileNodeInfo(PathBuf(other), "5", &info));
        QCOMPARE(QByteArray(info.name), QByteArray("Office"));
        KeyOperateInfo key = presetRecord();
        QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(PathBuf(other), "5", "4", &key));
        QCOMPARE(QByteArray(key.value), QByteArray("hello"));
        ProfileSleepTimeInfo sleep = {600, 30};
        QVERIFY(CVardexXML_GetProFileIntoSleepTimeInfo(PathBuf(other), "5", &sleep));
        QCOMPARE(sleep.lightSleepSeconds, 120);
    }

    void importRefusesHostileFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("sourceIndex");
        const QByteArray good = "<?xml version=\"1.0\"?><vardexStore version=\"1\" kind=\"profileExport\">"
                                "<profile index=\"1\" name=\"X\"/></vardexStore>";
        QTest::newRow("a profile store, not an export")
            << QByteArray("<vardexStore version=\"1\"><profile index=\"1\" name=\"X\"/></vardexStore>")
            << QByteArray("1");
        QTest::newRow("foreign xml") << QByteArray("<customLight><customLed index=\"1\"/></customLight>")
                                     << QByteArray("1");
        QTest::newRow("entity expansion")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE vardexStore [<!ENTITY a \"aaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;\">]><vardexStore version=\"1\" kind=\"profileExport\">"
                          "<profile index=\"1\" name=\"&b;\"/></vardexStore>")
            << QByteArray("1");
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE x SYSTEM \"file:///etc/passwd\">" + good.mid(21)) << QByteArray("1");
        QTest::newRow("truncated") << good.left(good.size() - 20) << QByteArray("1");
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe garbage", 12) << QByteArray("1");
        QTest::newRow("no such profile") << good << QByteArray("3");
        QTest::newRow("over 16 MiB") << QByteArray(good + QByteArray(16 * 1024 * 1024, ' ')) << QByteArray("1");
        // Bytes that are not UTF-8 would be written raw into the store, which
        // other XML readers then refuse.
        const QByteArray named = "<vardexStore version=\"1\" kind=\"profileExport\"><profile index=\"1\" name=\"";
        for (const char *name : {"caf\xe9", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82"})
            QTest::newRow(qPrintable("name " + QByteArray(name).toHex()))
                << QByteArray(named + name + "\"/></vardexStore>") << QByteArray("1");
    }

    void importRefusesHostileFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, sourceIndex);
        makeStore(1);
        const QString file = m_dir.filePath(QStringLiteral("import.xml"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        const QByteArray before = readAll(m_store);
        QVERIFY(!CVardexXML_ProFileImport(PathBuf(m_store), PathBuf(file), sourceIndex));
        QCOMPARE(readAll(m_store), before);
    }

    void importAndExportLimits()
    {
        makeStore(10);
        const QString target = m_dir.filePath(QStringLiteral("Profile3.xml"));
        QFile::remove(target);
        QVERIFY(CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "3", 0));
        QVERIFY(!CVardexXML_ProFileImport(PathBuf(m_store), PathBuf(target), "3")); // store is full
        QVERIFY(CVardexXML_DeleteProFileSelectedNode(PathBuf(m_store), "10"));
        QVERIFY(CVardexXML_ProFileImport(PathBuf(m_store), PathBuf(target), "3"));
        QCOMPARE(listedIndexes(m_store).last(), QStringLiteral("10"));

        // Export never replaces a file that is not one of our stores, nor the store itself.
        const QString foreign = m_dir.filePath(QStringLiteral("notes.xml"));
        QFile f(foreign);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("<notes>keep me</notes>");
        f.close();
        QVERIFY(!CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(foreign), "3", 0));
        QCOMPARE(readAll(foreign), QByteArray("<notes>keep me</notes>"));
        QVERIFY(!CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(m_store), "3", 0));
        QCOMPARE(listedIndexes(m_store).size(), 10);
    }

    // Users' files must be plain XML that any reader accepts.
    void filesAreWellFormedForOtherReaders()
    {
        makeStore(1);
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "4", "A", "6", "1", "1",
                                                          "a\tb\r\n <&> \"q\" \xc3\xa9"));
        const QString target = m_dir.filePath(QStringLiteral("Profile1.xml"));
        QFile::remove(target);
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(target)));
        QVERIFY(CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "1", 0));
        for (const QString &file : {m_store, target}) {
            const QByteArray bytes = readAll(file);
            QCOMPARE(bytes.count("<?xml"), 1);
            QXmlStreamReader reader(bytes);
            int keys = 0;
            while (!reader.atEnd())
                if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("key"))
                    ++keys;
            QVERIFY2(!reader.hasError(), qPrintable(file + ": " + reader.errorString()));
            QCOMPARE(keys, 1);
        }
    }

    // ------------------------------------------- damaged stores, cache

    void damagedStoreIsKeptAside()
    {
        const QByteArray damaged = "<?xml version=\"1.0\"?><vardexStore><profile index=\"1\" na";
        QFile f(m_store);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(damaged);
        f.close();

        std::vector<ProfileNodeEntry> list;
        QVERIFY(!CVardexXML_SelectProFileAllNodes(PathBuf(m_store), list));
        QVERIFY(list.empty());
        QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(PathBuf(m_store)), -1);
        KeyOperateInfo info = presetRecord();
        QVERIFY(!CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "1", "4", &info));
        // A write that finds nothing to change leaves the file alone.
        QVERIFY(!CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "4", "A", "0", "1", "1", "5"));
        QCOMPARE(readAll(m_store), damaged);

        // The first write that replaces it keeps the damaged file aside.
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(m_store)));
        const QStringList aside = QDir(m_dir.path()).entryList({"appProfile_Default.xml.damaged-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(m_dir.filePath(aside.first())), damaged);
        QVERIFY(CVardexXML_SelectProFileAllNodes(PathBuf(m_store), list));
        QFile::remove(m_dir.filePath(aside.first()));
    }

    void cacheSeesChangesMadeByOthers()
    {
        makeStore(1);
        QVERIFY(CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", "4", "A", "0", "1", "1", "5"));
        KeyOperateInfo info = presetRecord();
        QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "1", "4", &info));
        // Another program rewrites the file in place, same length.
        QByteArray bytes = readAll(m_store);
        QVERIFY(bytes.contains("value=\"5\""));
        bytes.replace("value=\"5\"", "value=\"6\"");
        QFile f(m_store);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        // Make sure the modification time moved even on coarse clocks.
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        f.close();
        QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "1", "4", &info));
        QCOMPARE(QByteArray(info.value), QByteArray("6"));
    }

    void parallelCallersKeepTheStoreWhole()
    {
        makeStore(2);
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([this, t] {
                for (int i = 0; i < 25; ++i) {
                    const std::string code = std::to_string(t * 100 + i);
                    CVardexXML_AddProFileMacroWithKeyInfoItem(PathBuf(m_store), "1", code.c_str(), "K", "0", "1",
                                                              "1", "4");
                    KeyOperateInfo info;
                    CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "1", code.c_str(), &info);
                }
            });
        for (auto &t : threads)
            t.join();
        reopenStores();
        std::list<std::string> keys;
        QVERIFY(CVardexXML_ProFileKeyInfoSelectAll(PathBuf(m_store), "1", keys));
        QCOMPARE(keys.size(), size_t(100));
    }
};

QTEST_GUILESS_MAIN(tst_storeProfiles)
#include "tst_storeProfiles.moc"
