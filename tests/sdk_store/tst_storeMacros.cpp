// The macro store: macros ascending by index, events in playing order,
// editing by mark.
#include "storeTestUtil.h"

#include <QTemporaryDir>
#include <QtTest>

#include <vector>

class tst_storeMacros : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_store;

    // "mark:operate" of every stored event, in order.
    QStringList events(const char *index)
    {
        std::list<MacroEventRecord> list;
        CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(m_store), index, list);
        QStringList out;
        for (const auto &e : list)
            out << QString::fromLatin1(e.mark) + ":" + QString::fromLatin1(e.operate);
        return out;
    }

    // A macro "1" with pairs of marks 1, 2, 3 (press then release each).
    void makeThreePairs()
    {
        QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(m_store), "1", "Macro1"));
        std::list<MacroEventRecord> list;
        for (const char *mark : {"1", "2", "3"}) {
            list.push_back(makeEvent(mark, "10", "key", "4", "A", "down"));
            list.push_back(makeEvent(mark, "20", "key", "4", "A", "up"));
        }
        QVERIFY(CVardexXML_AddKeyOrMouseEventItem(PathBuf(m_store), list, "1"));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_store = m_dir.filePath(QStringLiteral("appMacro.xml"));
        QFile::remove(m_store);
        CVardexXML_Init();
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(m_store)));
    }

    void macrosListedAscending()
    {
        for (const char *index : {"3", "1", "10", "2"})
            QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(m_store), index,
                                                        (std::string("Macro") + index).c_str()));
        QVERIFY(CVardexXML_ModifyMacroNodeName(PathBuf(m_store), "2", "Copy \xe2\x86\x92 paste"));
        QVERIFY(!CVardexXML_ModifyMacroNodeName(PathBuf(m_store), "2", ""));
        QVERIFY(!CVardexXML_ModifyMacroNodeName(PathBuf(m_store), "7", "Nope"));
        QVERIFY(CVardexXML_DeleteMacroNode(PathBuf(m_store), "3"));
        // Deleting a macro that is not there succeeds (it is gone) and writes nothing.
        const QByteArray before = readAll(m_store);
        QVERIFY(CVardexXML_DeleteMacroNode(PathBuf(m_store), "3"));
        QVERIFY(CVardexXML_DeleteMacroNode(PathBuf(m_store), "99"));
        QCOMPARE(readAll(m_store), before);
        reopenStores();
        std::vector<MacroNodeEntry> list;
        QVERIFY(CVardexXML_SelectMacroAllNodes(PathBuf(m_store), list));
        QStringList got;
        for (const auto &e : list)
            got << QString::fromUtf8(e.index) + "=" + QString::fromUtf8(e.name);
        QCOMPARE(got, QStringList({"1=Macro1", QString::fromUtf8("2=Copy \xe2\x86\x92 paste"), "10=Macro10"}));
    }

    void eventsAppendInPlayingOrderAndSurviveReopen()
    {
        QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(m_store), "1", "Macro1"));
        std::list<MacroEventRecord> none;
        QVERIFY(CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(m_store), "1", none));
        QVERIFY(none.empty());
        QVERIFY(!CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(m_store), "2", none));

        const std::list<MacroEventRecord> first = {makeEvent("1", "0", "key", "-1", "", "down"),
                                                   makeEvent("1", "65535", "key", "-1", "", "up")};
        const std::list<MacroEventRecord> second = {
            makeEvent("2", "5", "mouse", "516", "Right Click", "down"),
            makeEvent("2", "6", "mouse", "517", "Right Click", "up")};
        QVERIFY(CVardexXML_AddKeyOrMouseEventItem(PathBuf(m_store), first, "1"));
        QVERIFY(CVardexXML_AddKeyOrMouseEventItem(PathBuf(m_store), second, "1"));
        reopenStores();
        std::list<MacroEventRecord> read;
        QVERIFY(CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(m_store), "1", read));
        std::list<MacroEventRecord> expected = first;
        expected.insert(expected.end(), second.begin(), second.end());
        QCOMPARE(read.size(), expected.size());
        auto it = read.begin();
        for (const auto &e : expected)
            QVERIFY(std::memcmp(&e, &*it++, sizeof e) == 0);

        // Re-creating the macro (Clear, Insert) leaves it without events.
        QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(m_store), "1", "Macro1"));
        QCOMPARE(events("1"), QStringList());
    }

    void editByMark_data()
    {
        QTest::addColumn<int>("operation"); // 0 update, 1 delete, 2 up, 3 down
        QTest::addColumn<QByteArray>("mark");
        QTest::addColumn<int>("operate");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("expected");
        const QStringList original = {"1:down", "1:up", "2:down", "2:up", "3:down", "3:up"};
        QTest::newRow("update release of 2") << 0 << QByteArray("2") << 1 << true << original;
        QTest::newRow("update unknown mark") << 0 << QByteArray("9") << 0 << false << original;
        QTest::newRow("delete pair 2") << 1 << QByteArray("2") << 0 << true
                                       << QStringList({"1:down", "1:up", "3:down", "3:up"});
        QTest::newRow("delete unknown mark") << 1 << QByteArray("9") << 0 << false << original;
        QTest::newRow("move press of 2 up")
            << 2 << QByteArray("2") << 0 << true << QStringList({"1:down", "2:down", "1:up", "2:up", "3:down", "3:up"});
        QTest::newRow("move release of 2 down")
            << 3 << QByteArray("2") << 1 << true << QStringList({"1:down", "1:up", "2:down", "3:down", "2:up", "3:up"});
        QTest::newRow("move first event up") << 2 << QByteArray("1") << 0 << false << original;
        QTest::newRow("move last event down") << 3 << QByteArray("3") << 1 << false << original;
    }

    void editByMark()
    {
        QFETCH(int, operation);
        QFETCH(QByteArray, mark);
        QFETCH(int, operate);
        QFETCH(bool, result);
        QFETCH(QStringList, expected);
        makeThreePairs();
        bool done = false;
        const MacroEventRecord replacement = makeEvent(mark.constData(), "777", "key", "5", "B",
                                                       operate == 0 ? "down" : "up");
        switch (operation) {
        case 0:
            done = CVardexXML_UpdateEventItem(PathBuf(m_store), "1", mark, operate, replacement);
            break;
        case 1:
            done = CVardexXML_DeleteEventItem(PathBuf(m_store), "1", mark);
            break;
        default:
            done = CVardexXML_MacroEventItemUpOrDownOperate(PathBuf(m_store), "1", mark, operation == 2 ? 1 : 0,
                                                            operate);
        }
        QCOMPARE(done, result);
        reopenStores();
        QCOMPARE(events("1"), expected);
        if (operation == 0 && result) {
            std::list<MacroEventRecord> read;
            QVERIFY(CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(m_store), "1", read));
            auto it = std::next(read.begin(), 3);
            QVERIFY(std::memcmp(&*it, &replacement, sizeof replacement) == 0);
            QCOMPARE(QByteArray(std::prev(it)->delay), QByteArray("10")); // its press is untouched
        }
    }

    void exportedMacroFileHasTheSameForm()
    {
        makeThreePairs();
        const QString file = m_dir.filePath(QStringLiteral("Macro1.xml"));
        std::list<MacroEventRecord> list;
        QVERIFY(CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(m_store), "1", list));
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(file)));
        QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(file), "1", "Macro1"));
        QVERIFY(CVardexXML_AddKeyOrMouseEventItem(PathBuf(file), list, "1"));
        // Exporting again into the same file starts from an empty store.
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(file)));
        QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(file), "1", "Macro1"));
        QVERIFY(CVardexXML_AddKeyOrMouseEventItem(PathBuf(file), list, "1"));
        std::list<MacroEventRecord> back;
        QVERIFY(CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(file), "1", back));
        QCOMPARE(back.size(), size_t(6));
    }

    void unreadableMacroStore()
    {
        QFile f(m_store);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("<vardexStore><macro index=\"1\" name=\"M\"><event mark=");
        f.close();
        std::vector<MacroNodeEntry> list;
        QVERIFY(!CVardexXML_SelectMacroAllNodes(PathBuf(m_store), list));
        QVERIFY(list.empty());
        std::list<MacroEventRecord> none;
        QVERIFY(!CVardexXML_SelectAllKeyOrMouseEvent(PathBuf(m_store), "1", none));
        // Creating a macro replaces the damaged file, which is kept aside.
        QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(m_store), "1", "Macro1"));
        QCOMPARE(QDir(m_dir.path()).entryList({"appMacro.xml.damaged-*"}, QDir::Files).size(), 1);
        QVERIFY(CVardexXML_SelectMacroAllNodes(PathBuf(m_store), list));
        QCOMPARE(list.size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(tst_storeMacros)
#include "tst_storeMacros.moc"
