// Every picture the tool names must be embedded, readable and drawn.

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

struct ListedImage {
    QString path;
    QSize size;
};

QVector<ListedImage> readList()
{
    QVector<ListedImage> out;
    QFile f(QStringLiteral(VARDEX_SOURCE_ROOT "/resources/imagesrc/image-list.txt"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const QStringList wh = parts.value(1).split(QLatin1Char('x'));
        out.append({parts.value(0), QSize(wh.value(0).toInt(), wh.value(1).toInt())});
    }
    return out;
}

} // namespace

class tst_imageresources : public QObject
{
    Q_OBJECT

private slots:
    void listIsComplete();
    void builtNamesAreEmbedded_data();
    void builtNamesAreEmbedded();
    void listedImages_data();
    void listedImages();
    void pairsLookDifferent();
    void loadingAnimationPlays();
    void everyPictureLiteralInSourcesIsEmbedded();
};

void tst_imageresources::listIsComplete()
{
    const auto list = readList();
    QVERIFY(list.size() > 140);
    QSet<QString> seen;
    for (const auto &e : list) {
        QVERIFY2(!seen.contains(e.path), qPrintable("listed twice: " + e.path));
        seen.insert(e.path);
        QVERIFY2(e.path.startsWith(QLatin1String("images/")), qPrintable(e.path));
    }
    // Names the tool builds in code from name lists.
    const QStringList built = {
        QStringLiteral("images/deviceLed/keyboard/MusicalRhythmSel.png"),
        QStringLiteral("images/deviceLed/side/sideCollisionDef.png"),
        QStringLiteral("images/deviceLed/LightUncwSel.png"),
        QStringLiteral("images/device/onboardLight/keyConfigDef.png"),
        QStringLiteral("images/mainpage/intoMaxWindowSel.png"),
        QStringLiteral("images/trayLogo.ico"),
        QStringLiteral("images/Loading.gif"),
    };
    for (const QString &p : built)
        QVERIFY2(seen.contains(p), qPrintable(p));
}

// Pages build these names at run time (folder + base + "Def.png"/"Sel.png"),
// so no literal in the sources shows them; each group is checked whole.
void tst_imageresources::builtNamesAreEmbedded_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("bases");
    QTest::newRow("window buttons") << QStringLiteral("mainpage/")
        << QStringList{"setting", "minWindow", "maxWindow", "intoMaxWindow", "closeWindow", "listCtrlHide",
                       "listCtrlShow"};
    QTest::newRow("key function buttons") << QStringLiteral("device/")
        << QStringList{"default", "macro", "RemapKey", "mouse", "text", "disable", "multimedia", "combinationKey",
                       "Shortcuts", "SwitchProfile", "openApp"};
    QTest::newRow("onboard light buttons") << QStringLiteral("device/onboardLight/")
        << QStringList{"KBLightModeChanged", "SideLightModeChanged", "keyConfig"};
    QTest::newRow("keyboard light effects") << QStringLiteral("deviceLed/keyboard/")
        << QStringList{"Static", "Neon", "Breath", "Wave", "Twinkle", "Snack", "Radar", "AutoRipple", "Striation",
                       "Aurora", "Ripple", "Reactive", "Cross", "Dpi", "Fireworks", "SpeedRespond", "MusicalRhythm",
                       "CustomLed"};
    QTest::newRow("side light effects") << QStringLiteral("deviceLed/side/")
        << QStringList{"sideStatic", "sideNeon", "sideBreath", "sideWave", "sideCollision", "sideClose"};
    QTest::newRow("light directions") << QStringLiteral("deviceLed/Light")
        << QStringList{"Left", "Right", "Up", "Down", "Gather", "Dispersion", "Cw", "Uncw"};
    QTest::newRow("macro editor") << QStringLiteral("macro/")
        << QStringList{"add", "cancel", "clearMacro", "delete", "download", "moveDown", "moveUp", "record", "sure",
                       "time"};
    QTest::newRow("device page tools") << QString()
        << QStringList{"customMade", "led", "performance", "macro"};
    QTest::newRow("small controls") << QStringLiteral("publicIco/") << QStringList{"checkBox", "combox", "dian"};
}

void tst_imageresources::builtNamesAreEmbedded()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, bases);
    QStringList missing;
    for (const QString &base : bases)
        for (const char *look : {"Def.png", "Sel.png"}) {
            const QString path = QStringLiteral(":/images/") + folder + base + QLatin1String(look);
            if (!QFile::exists(path))
                missing << path;
        }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
}

void tst_imageresources::listedImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const auto &e : readList())
        QTest::newRow(qPrintable(e.path)) << e.path << e.size;
}

void tst_imageresources::listedImages()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QString res = QStringLiteral(":/") + path;
    QVERIFY2(QFile::exists(res), qPrintable(res + " is not embedded"));
    QImageReader reader(res);
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(res + ": " + reader.errorString()));
    QCOMPARE(img.size(), size);
    // Something was drawn.
    int opaque = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            opaque += qAlpha(img.pixel(x, y)) > 128;
    QVERIFY2(opaque > img.width() * img.height() / 50, qPrintable(res + " is nearly empty"));
}

void tst_imageresources::pairsLookDifferent()
{
    int pairs = 0;
    for (const auto &e : readList()) {
        if (!e.path.endsWith(QLatin1String("Def.png")))
            continue;
        QString sel = e.path;
        sel.replace(sel.size() - 7, 3, QStringLiteral("Sel"));
        if (!QFile::exists(QStringLiteral(":/") + sel))
            continue;
        ++pairs;
        const QImage def(QStringLiteral(":/") + e.path);
        const QImage hi(QStringLiteral(":/") + sel);
        QVERIFY2(def != hi, qPrintable(e.path + " and its Sel look the same"));
    }
    QVERIFY(pairs > 60);
}

void tst_imageresources::loadingAnimationPlays()
{
    QMovie movie(QStringLiteral(":/images/Loading.gif"));
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() >= 8);
    QVERIFY(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    for (int k = 0; k < 3; ++k)
        QVERIFY(movie.jumpToNextFrame());
    QVERIFY(movie.currentImage() != first);
    QVERIFY(movie.nextFrameDelay() > 0);
}

void tst_imageresources::everyPictureLiteralInSourcesIsEmbedded()
{
    const QRegularExpression literal(QStringLiteral(":/images/[A-Za-z0-9_./-]+\\.(?:png|gif|ico|svg|jpg)"));
    QDirIterator it(QStringLiteral(VARDEX_SOURCE_ROOT "/src"), {"*.cpp", "*.h", "*.ui", "*.qss"}, QDir::Files,
                    QDirIterator::Subdirectories);
    int found = 0;
    QStringList missing;
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        auto m = literal.globalMatch(text);
        while (m.hasNext()) {
            const QString path = m.next().captured(0);
            ++found;
            if (!QFile::exists(path))
                missing << QStringLiteral("%1 (in %2)").arg(path, it.fileName());
        }
    }
    qInfo("%d picture paths found in the sources", found);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
}

QTEST_MAIN(tst_imageresources)
#include "tst_imageresources.moc"
