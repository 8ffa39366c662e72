// Profiles crossing the store's boundary: imports bring in only what the
// store itself would write, exports add to export files and never to another
// store, and no file makes the saved store grow beyond its content.
#include "storeTestUtil.h"

#include <QTemporaryDir>
#include <QtTest>

#include <list>
#include <vector>

namespace {

QByteArray exportFile(const QByteArray &profileBody, const QByteArray &profileAttrs = "index=\"1\" name=\"X\"")
{
    return "<?xml version=\"1.0\"?>\n<vardexStore version=\"1\" kind=\"profileExport\" currentProfile=\"1\">"
           "<profile " + profileAttrs + ">" + profileBody + "</profile></vardexStore>\n";
}

QByteArray nested(const QByteArray &name, int depth)
{
    return QByteArray("<" + name + ">").repeated(depth) + QByteArray("</" + name + ">").repeated(depth);
}

QByteArray keyElement(int code, const QByteArray &value = "4", const QByteArray &caption = "K")
{
    return "<key code=\"" + QByteArray::number(code) + "\" caption=\"" + caption +
           "\" type=\"6\" playCount=\"1\" playMode=\"1\" value=\"" + value + "\"/>";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

// Byte sequences around the edges of UTF-8, each placed inside a name.
struct Utf8Case
{
    const char *label;
    QByteArray bytes;
    bool valid;
};

QList<Utf8Case> utf8Cases()
{
    return {
        {"overlong slash C0 AF", "\xc0\xaf", false},
        {"overlong U+007F C1 BF", "\xc1\xbf", false},
        {"overlong slash E0 80 AF", "\xe0\x80\xaf", false},
        {"overlong U+07FF E0 9F BF", "\xe0\x9f\xbf", false},
        {"overlong slash F0 80 80 AF", "\xf0\x80\x80\xaf", false},
        {"overlong U+FFFF F0 8F BF BF", "\xf0\x8f\xbf\xbf", false},
        {"first surrogate ED A0 80", "\xed\xa0\x80", false},
        {"last surrogate ED BF BF", "\xed\xbf\xbf", false},
        {"above U+10FFFF F4 90 80 80", "\xf4\x90\x80\x80", false},
        {"five-byte form F8 88 80 80 80", "\xf8\x88\x80\x80\x80", false},
        {"six-byte form FC 84 80 80 80 80", "\xfc\x84\x80\x80\x80\x80", false},
        // Read as four-byte forms these would be U+10000 and U+104000.
        {"lead F8 with three continuations", "\xf8\x90\x80\x80", false},
        {"lead FC with three continuations", "\xfc\x84\x80\x80", false},
        {"lone continuation 80", "\x80", false},
        {"lead without continuation E2 82", "\xe2\x82", false},
        {"lead where a continuation belongs C3 E9", "\xc3\xe9", false},
        {"byte FF", "\xff", false},
        // The first and last of each length are taken.
        {"U+0080 C2 80", "\xc2\x80", true},
        {"U+07FF DF BF", "\xdf\xbf", true},
        {"U+0800 E0 A0 80", "\xe0\xa0\x80", true},
        {"U+D7FF ED 9F BF", "\xed\x9f\xbf", true},
        {"U+E000 EE 80 80", "\xee\x80\x80", true},
        {"U+FFFF EF BF BF", "\xef\xbf\xbf", true},
        {"U+10000 F0 90 80 80", "\xf0\x90\x80\x80", true},
        {"U+10FFFF F4 8F BF BF", "\xf4\x8f\xbf\xbf", true},
    };
}

QStringList listedNames(const QString &path)
{
    std::vector<ProfileNodeEntry> list;
    CVardexXML_SelectProFileAllNodes(PathBuf(path), list);
    QStringList out;
    for (const auto &e : list)
        out << QString::fromUtf8(e.index) + ":" + QString::fromUtf8(e.name);
    return out;
}

} // namespace

class tst_storeImport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_store;

    void makeStore(const QString &path, int count)
    {
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(path)));
        for (int i = 1; i <= count; ++i)
            QVERIFY(CVardexXML_CreateProFileXmlParentNode(PathBuf(path), std::to_string(i).c_str(),
                                                          ("Profile" + std::to_string(i)).c_str(), 0));
        QVERIFY(CVardexXML_ModifyXMLFileProfileIndex(PathBuf(path), 1));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(m_dir.filePath(name));
        m_store = m_dir.filePath(QStringLiteral("appProfile_Default.xml"));
        CVardexXML_Init();
    }

    void importRefusesWhatTheStoreWouldNotWrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("unknown element nested 4000 deep") << exportFile(nested("a", 4000));
        QTest::newRow("known names nested") << exportFile(nested("keys", 3));
        QTest::newRow("deep inside a binding") << exportFile("<keys>" + nested("key", 4000) + "</keys>");
        QTest::newRow("unknown element") << exportFile("<macros/>");
        QTest::newRow("text in an element") << exportFile("<keys>hello</keys>");
        QTest::newRow("second keys element") << exportFile("<keys/><keys/>");
        QTest::newRow("1 MiB value") << exportFile("<keys>" + keyElement(4, QByteArray(1 << 20, 'v')) + "</keys>");
        QByteArray many;
        for (int code = 1; code <= 257; ++code)
            many += keyElement(code);
        QTest::newRow("257 bindings") << exportFile("<keys>" + many + "</keys>");
        QTest::newRow("one key bound twice") << exportFile("<keys>" + keyElement(4) + keyElement(4) + "</keys>");
        QTest::newRow("control character in a name")
            << exportFile("", "index=\"1\" name=\"a&#1;b\"");
        QTest::newRow("escape sequence in a value") << exportFile("<keys>" + keyElement(4, "&#27;[2J") + "</keys>");
        QTest::newRow("64-byte name") << exportFile("", "index=\"1\" name=\"" + QByteArray(64, 'n') + "\"");
        QTest::newRow("64-byte caption") << exportFile("<keys>" + keyElement(4, "4", QByteArray(64, 'c')) + "</keys>");
        QTest::newRow("type not a number")
            << exportFile("<keys><key code=\"4\" caption=\"K\" type=\"six\" playCount=\"1\" playMode=\"1\" "
                          "value=\"4\"/></keys>");
        QTest::newRow("binding without value")
            << exportFile("<keys><key code=\"4\" caption=\"K\" type=\"6\" playCount=\"1\" playMode=\"1\"/></keys>");
        QTest::newRow("custom light in use as 'yes'")
            << exportFile("<customLights><customLed index=\"0\" name=\"A\" isUsing=\"yes\" usingFlagIndex=\"0\"/>"
                          "</customLights>");
        QTest::newRow("macro event field over its record width")
            << exportFile("<boundMacros><macro index=\"3\" name=\"M\"><event mark=\"1\" delay=\"0\" type=\"key\" "
                          "keyCode=\"4\" codeName=\"A\" operate=\"" + QByteArray(64, 'd') + "\"/></macro>"
                          "</boundMacros>");
    }

    // The file is refused whole: the store keeps every byte.
    void importRefusesWhatTheStoreWouldNotWrite()
    {
        QFETCH(QByteArray, content);
        makeStore(m_store, 2);
        const QString file = m_dir.filePath(QStringLiteral("import.xml"));
        QVERIFY(writeFile(file, content));
        const QByteArray before = readAll(m_store);
        QVERIFY(!CVardexXML_ProFileImport(PathBuf(m_store), PathBuf(file), "1"));
        QCOMPARE(readAll(m_store), before);
        reopenStores();
        QCOMPARE(listedNames(m_store), QStringList({"1:Profile1", "2:Profile2"}));
    }

    // What the store writes is what it takes: unknown attributes are left out,
    // numbers normalised, custom lights and macro copies put in index order.
    void importKeepsOnlyTheStoresOwnContent()
    {
        makeStore(m_store, 1);
        const QByteArray body =
            "<keys><key code=\"04\" caption=\"A\" type=\"6\" playCount=\"1\" playMode=\"1\" value=\"hi\" "
            "secret=\"drop me\"/></keys>"
            "<lights><light part=\"0\" type=\"2\" brightness=\"3\" speed=\"3\" topR=\"255\" topG=\"0\" topB=\"0\" "
            "bottomR=\"0\" bottomG=\"0\" bottomB=\"0\" direction=\"0\" fullColor=\"1\" extra=\"0\" reserved=\"0\"/>"
            "</lights>"
            "<customLights><customLed index=\"4\" name=\"B\" isUsing=\"UnUsing\" usingFlagIndex=\"-1\"/>"
            "<customLed index=\"1\" name=\"A\" isUsing=\"Using\" usingFlagIndex=\"0\"><item keyCode=\"20\" "
            "codeName=\"Q\" indexX=\"2\" indexY=\"1\" colorR=\"0\" colorG=\"0\" colorB=\"255\" transparentNum=\"128\"/>"
            "</customLed></customLights>"
            "<sleepTime lightSeconds=\"120\" keyboardMinutes=\"10\"/>";
        const QString file = m_dir.filePath(QStringLiteral("import.xml"));
        QVERIFY(writeFile(file, exportFile(body, "index=\"7\" name=\"Office\" colour=\"red\"")));
        QVERIFY(CVardexXML_ProFileImport(PathBuf(m_store), PathBuf(file), "7"));
        reopenStores();
        QCOMPARE(listedNames(m_store), QStringList({"1:Profile1", "2:Office"}));
        const QByteArray saved = readAll(m_store);
        QVERIFY(!saved.contains("secret"));
        QVERIFY(!saved.contains("colour"));
        QVERIFY(saved.indexOf("<customLed index=\"1\"") < saved.indexOf("<customLed index=\"4\""));
        KeyOperateInfo key;
        std::memset(&key, 0, sizeof key);
        QVERIFY(CVardexXML_SelectProFileKeyOperateInfo(PathBuf(m_store), "2", "4", &key));
        QCOMPARE(QByteArray(key.value), QByteArray("hi"));
        colorInfoData light;
        QVERIFY(CVardexXML_SelectProfileColorDataInfo(PathBuf(m_store), "2", 0, 2, &light));
        QCOMPARE(light.ledTopColor[0], 255);
        std::list<customLightKeyRecord> items;
        QVERIFY(CVardexXML_ProFileCustomLightInfoSelectAll(PathBuf(m_store), "2", "1", items));
        QCOMPARE(int(items.size()), 1);
        QCOMPARE(items.front().colorB, 255);
    }

    // A hand-edited store nested deep keeps its content, and a save writes it
    // no larger than it was: indenting by depth made 4000 levels 32 MB.
    void deepHandEditedStoreDoesNotGrowOnSave()
    {
        const QByteArray store = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vardexStore version=\"1\" "
                                 "currentProfile=\"1\">\n  <profile index=\"1\" name=\"Profile1\">\n" +
                                 nested("note", 4000) + "\n  </profile>\n</vardexStore>\n";
        QVERIFY(writeFile(m_store, store));
        QVERIFY(CVardexXML_ModifyProfileNodeInfo(PathBuf(m_store), "1", "Renamed"));
        const QByteArray saved = readAll(m_store);
        QVERIFY2(saved.size() < store.size() + 1024, qPrintable(QString::number(saved.size())));
        QCOMPARE(saved.count("<note"), 4000); // the innermost one is written "<note />"
        reopenStores();
        QCOMPARE(listedNames(m_store), QStringList({"1:Renamed"}));
    }

    // ------------------------------------------------------------- export

    // A second export into the same file adds to it; the newest export is
    // listed last, which is the one an import takes.
    void exportAddsToAnExportFile()
    {
        makeStore(m_store, 3);
        const QString target = m_dir.filePath(QStringLiteral("Profile1.xml"));
        QVERIFY(CVardexXML_CreateXMLFile(PathBuf(target)));
        QVERIFY(CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "2", 0));
        QVERIFY(CVardexXML_ModifyProfileNodeInfo(PathBuf(m_store), "1", "Later"));
        QVERIFY(CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "1", 0));
        QVERIFY(CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "3", 0));
        reopenStores();
        QCOMPARE(listedNames(target), QStringList({"2:Profile2", "3:Later", "4:Profile3"}));
        QCOMPARE(CVardexXML_GetCreateXMLFileProfileIndex(PathBuf(target)), 4);

        // ... and an import of the last listed profile brings in the newest export.
        const QString other = m_dir.filePath(QStringLiteral("appProfile_FN.xml"));
        makeStore(other, 1);
        QVERIFY(CVardexXML_ProFileImport(PathBuf(other), PathBuf(target), "4"));
        QCOMPARE(listedNames(other), QStringList({"1:Profile1", "2:Profile3"}));
    }

    void exportNeverWritesIntoAnotherStore_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("the keyboard's FN store") << "profiles";
        QTest::newRow("a macro store") << "macros";
        QTest::newRow("an emptied keyboard store") << "emptied";
        QTest::newRow("a full export file") << "full export";
    }

    void exportNeverWritesIntoAnotherStore()
    {
        QFETCH(QString, kind);
        makeStore(m_store, 2);
        const QString target = m_dir.filePath(QStringLiteral("appProfile_FN.xml"));
        if (kind == "profiles") {
            makeStore(target, 3);
        } else if (kind == "macros") {
            QVERIFY(CVardexXML_CreateXMLFile(PathBuf(target)));
            QVERIFY(CVardexXML_CreateMacroXmlParentNode(PathBuf(target), "1", "Macro1"));
        } else if (kind == "emptied") {
            makeStore(target, 1);
            QVERIFY(CVardexXML_DeleteProFileSelectedNode(PathBuf(target), "1"));
        } else {
            QVERIFY(CVardexXML_CreateXMLFile(PathBuf(target)));
            for (int i = 0; i < 10; ++i)
                QVERIFY(CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "1", 0));
        }
        const QByteArray before = readAll(target);
        QVERIFY(!CVardexXML_ProFileExport(PathBuf(m_store), PathBuf(target), "2", 0));
        QCOMPARE(readAll(target), before);
    }

    void importRefusesWhatIsNotUtf8_data()
    {
        QTest::addColumn<bool>("macro");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        for (const Utf8Case &c : utf8Cases()) {
            QTest::newRow(qPrintable(QStringLiteral("macro, %1").arg(c.label))) << true << c.bytes << c.valid;
            QTest::newRow(qPrintable(QStringLiteral("profile, %1").arg(c.label))) << false << c.bytes << c.valid;
        }
    }

    // A name the store could not carry refuses the whole file as not UTF-8,
    // and the store keeps every byte; its valid neighbours come in whole.
    void importRefusesWhatIsNotUtf8()
    {
        QFETCH(bool, macro);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        const QString file = m_dir.filePath(QStringLiteral("import.xml"));
        if (macro) {
            QVERIFY(writeFile(file, "<vardexStore version=\"1\"><macro index=\"1\" name=\"m" + bytes + "\">"
                                    "<event mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
                                    "operate=\"down\"/></macro></vardexStore>"));
            std::list<MacroEventRecord> events;
            QCOMPARE(CVardexXML_ReadMacroFile(PathBuf(file), events), valid ? int(MacroFileOk) : int(MacroFileNotUtf8));
            QCOMPARE(int(events.size()), valid ? 1 : 0);
            return;
        }
        makeStore(m_store, 1);
        QVERIFY(writeFile(file, exportFile("", "index=\"1\" name=\"p" + bytes + "\"")));
        const QByteArray before = readAll(m_store);
        QCOMPARE(CVardexXML_ProFileImport(PathBuf(m_store), PathBuf(file), "1"), valid);
        reopenStores();
        if (valid) {
            QCOMPARE(listedNames(m_store), QStringList({"1:Profile1", "2:p" + QString::fromUtf8(bytes)}));
        } else {
            QCOMPARE(readAll(m_store), before);
            QCOMPARE(listedNames(m_store), QStringList({"1:Profile1"}));
        }
    }
};

QTEST_GUILESS_MAIN(tst_storeImport)
#include "tst_storeImport.moc"
