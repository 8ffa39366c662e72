// The embedded custom-light default files against the layouts that choose
// them: every key a new profile copies must be a real cell of the keyboard,
// and every file holds what new profiles expect of it.
#include "ui/mainwidget/devicePage/profileStoreOps.h"
#include "vardexSdk.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cjson/cJSON.h>

#include <map>
#include <memory>

namespace {

const QStringList kFiles = {"customLightDefaultConfig.xml",      "customLightDefaultConfig_84.xml",
                            "customLightDefaultConfig_83.xml",   "customLightDefaultConfig_98.xml",
                            "customLightDefaultConfig_68.xml",   "customLightDefaultConfig_61.xml",
                            "customLightDefaultConfig_34.xml",   "customLightDefaultConfig_82.xml",
                            "customLightDefaultConfig_Pasko.xml", "customLightDefaultConfig_Caspo.xml"};

const QList<int> kLetters = {20, 26, 8,  21, 23, 28, 24, 12, 18, 19, 47, 48, 49, 4,  22, 7,  9,
                             10, 11, 13, 14, 15, 51, 52, 29, 27, 6,  25, 5,  17, 16, 54, 55, 56};
const QList<int> kKeypad = {95, 96, 97, 92, 93, 94, 89, 90, 91, 98, 99};
const QList<int> kWasd = {26, 4, 22, 7};
const QList<int> kArrows = {82, 80, 81, 79};

std::list<customLightKeyRecord> fileKeys(const QString &file, int id, bool *found)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(file);
    std::list<customLightKeyRecord> keys;
    *found = QFile::copy(QStringLiteral(":/images/configDir/") + file, copy) &&
             CVardexXML_XmlCustomLightInfoSelectAll(QFile::encodeName(copy).constData(),
                                                    QByteArray::number(id).constData(), keys);
    return keys;
}

// Key code of every cell of a layout, by (row, column) of the key grid.
QMap<QPair<int, int>, int> layoutCells(const QString &model)
{
    QMap<QPair<int, int>, int> cells;
    QFile f(QStringLiteral(":/images/configDir/KeyInfo_%1.config").arg(model));
    if (!f.open(QIODevice::ReadOnly))
        return cells;
    std::unique_ptr<cJSON, void (*)(cJSON *)> root(cJSON_Parse(f.readAll().constData()), cJSON_Delete);
    for (int row = 0; root && row < 6; ++row) {
        const cJSON *list = cJSON_GetObjectItem(root.get(), QStringLiteral("EveryKeyInfo_Row0%1").arg(row + 1).toLatin1());
        for (int column = 0; column < cJSON_GetArraySize(list); ++column) {
            const cJSON *dec = cJSON_GetObjectItem(cJSON_GetArrayItem(list, column), "Dec");
            if (dec && dec->valueint != 0)
                cells[qMakePair(row, column)] = dec->valueint;
        }
    }
    return cells;
}

} // namespace

class tst_customlightdefaults : public QObject
{
    Q_OBJECT

private slots:
    void fileContents_data();
    void fileContents();
    void keysAreCellsOfChoosingLayouts_data();
    void keysAreCellsOfChoosingLayouts();
};

void tst_customlightdefaults::fileContents_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : kFiles)
        QTest::newRow(qPrintable(file)) << file;
}

void tst_customlightdefaults::fileContents()
{
    QFETCH(QString, file);
    const bool keypad = file.endsWith(QLatin1String("_34.xml"));
    const bool noArrows = file.endsWith(QLatin1String("_61.xml"));
    const QList<int> first = keypad ? kKeypad : kLetters;
    const QList<int> second = keypad ? kArrows : noArrows ? kWasd : kWasd + kArrows;
    for (int id = 0; id < 5; ++id) {
        bool found = false;
        const std::list<customLightKeyRecord> keys = fileKeys(file, id, &found);
        QVERIFY2(found, qPrintable(QStringLiteral("custom light %1").arg(id)));
        QList<int> codes;
        for (const customLightKeyRecord &k : keys) {
            codes << QByteArray(k.keyCode).toInt();
            QCOMPARE(k.transparentNum, 128);
            QCOMPARE(QColor(k.colorR, k.colorG, k.colorB), id == 0 ? QColor(0, 0, 255) : QColor(255, 0, 0));
            QVERIFY(k.keyName[0] != '\0');
        }
        const QList<int> expected = id == 0 ? first : id == 1 ? second : QList<int>();
        QCOMPARE(codes, expected);
    }
}

void tst_customlightdefaults::keysAreCellsOfChoosingLayouts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyCount");
    std::map<std::string, hidModelInfo> models;
    CVardexHid_GetHidInfoStuMapList(models);
    QVERIFY(!models.empty());
    for (const auto &m : models)
        QTest::newRow(m.first.c_str()) << QString::fromStdString(m.first) << int(m.second.keyCount);
}

void tst_customlightdefaults::keysAreCellsOfChoosingLayouts()
{
    QFETCH(QString, model);
    QFETCH(int, keyCount);
    const QString file = customLightDefaultFileFor(keyCount, model);
    const QMap<QPair<int, int>, int> cells = layoutCells(model);
    QVERIFY(!cells.isEmpty());
    for (int id = 0; id < 2; ++id) {
        bool found = false;
        const std::list<customLightKeyRecord> keys = fileKeys(file, id, &found);
        QVERIFY(found);
        QVERIFY(!keys.empty());
        for (const customLightKeyRecord &k : keys) {
            const int code = QByteArray(k.keyCode).toInt();
            QVERIFY2(cells.value(qMakePair(k.indexX, k.indexY)) == code,
                     qPrintable(QStringLiteral("%1: key %2 at (%3,%4) is not a cell of %5")
                                    .arg(file).arg(code).arg(k.indexX).arg(k.indexY).arg(model)));
        }
    }
}

QTEST_MAIN(tst_customlightdefaults)
#include "tst_customlightdefaults.moc"
