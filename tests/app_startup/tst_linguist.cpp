#include <QtTest>

#include <QDir>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/DAppllication.h"
#include "app/QtLinguist.h"

class tst_Linguist : public QObject
{
    Q_OBJECT
private slots:
    void languageForLocale_data();
    void languageForLocale();
    void fileNames();
    void load_data();
    void load();
    void failedLoadFallsBackToSource();
    void storedLanguageWrittenBack_data();
    void storedLanguageWrittenBack();
    void interfaceFontResolvesToInstalledFont();
    void arabicStaysJoined_data();
    void arabicStaysJoined();
};

void tst_Linguist::languageForLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("language");
    QTest::newRow("Chinese, China") << "zh_CN" << 1;
    QTest::newRow("Chinese, Taiwan") << "zh_TW" << 2;
    QTest::newRow("Chinese, Hong Kong") << "zh_HK" << 2;
    QTest::newRow("English, US") << "en_US" << 3;
    QTest::newRow("English, GB") << "en_GB" << 3;
    QTest::newRow("Japanese") << "ja_JP" << 4;
    QTest::newRow("Korean") << "ko_KR" << 5;
    QTest::newRow("Russian") << "ru_RU" << 6;
    QTest::newRow("Arabic") << "ar_EG" << 7;
    QTest::newRow("Spanish") << "es_ES" << 8;
    QTest::newRow("Portuguese, Brazil") << "pt_BR" << 9;
    QTest::newRow("German") << "de_DE" << 10;
    QTest::newRow("Italian") << "it_IT" << 11;
    QTest::newRow("Polish") << "pl_PL" << 12;
    QTest::newRow("French, Canada") << "fr_CA" << 13;
    QTest::newRow("Ukrainian") << "uk_UA" << 14;
    QTest::newRow("Czech") << "cs_CZ" << 15;
    QTest::newRow("Swedish is not listed") << "sv_SE" << 3;
    QTest::newRow("C locale") << "C" << 3;
}

void tst_Linguist::languageForLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, language);
    QCOMPARE(QtLinguist::languageForLocale(QLocale(locale)), language);
}

void tst_Linguist::fileNames()
{
    QtLinguist linguist;
    const QMap<int, QString> files = linguist.languageFiles();
    QCOMPARE(files.size(), 15);
    QCOMPARE(files.firstKey(), 1);
    QCOMPARE(files.lastKey(), 15);
    QCOMPARE(files.value(1), QStringLiteral("Zh_SM.qm"));
    QCOMPARE(files.value(3), QStringLiteral("English.qm"));
    QCOMPARE(files.value(9), QStringLiteral("Portugal.qm"));
    QCOMPARE(files.value(15), QStringLiteral("Czech.qm"));
}

void tst_Linguist::load_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 is not a language") << 0 << false << "软件退出";
    QTest::newRow("16 is not a language") << 16 << false << "软件退出";
    QTest::newRow("-1 is not a language") << -1 << false << "软件退出";
    QTest::newRow("English") << 3 << true << "Software exit";
    QTest::newRow("Simplified Chinese") << 1 << true << "软件退出";
}

void tst_Linguist::load()
{
    QFETCH(int, language);
    QFETCH(bool, loaded);
    QFETCH(QString, text);
    QtLinguist linguist;
    // Start from Chinese, so that a refused value visibly changes nothing.
    QVERIFY(linguist.load(1));
    QCOMPARE(linguist.load(language), loaded);
    QCOMPARE(QObject::tr("Software exit"), text);
}

void tst_Linguist::failedLoadFallsBackToSource()
{
    QtLinguist linguist;
    QVERIFY(linguist.load(1));
    QCOMPARE(QObject::tr("Software exit"), QStringLiteral("软件退出"));
    // A language whose file is missing.
    QTemporaryDir empty;
    linguist.setTranslationDir(empty.path());
    QVERIFY(!linguist.load(4));
    QCOMPARE(QObject::tr("Software exit"), QStringLiteral("Software exit"));
}

void tst_Linguist::storedLanguageWrittenBack_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<int>("written");
    QTest::addColumn<QString>("text");

    // The test runs with LANG=en_US.UTF-8: the system language is English (3).
    QTest::newRow("absent") << QByteArray() << true << 3 << "Software exit";
    QTest::newRow("first start") << QByteArray("[Language]\nselectLanguageIndex=1\n") << false << 3
                                 << "Software exit";
    QTest::newRow("Chinese") << QByteArray("[Language]\nselectLanguageIndex=1\n") << true << 1 << "软件退出";
    QTest::newRow("0 kept") << QByteArray("[Language]\nselectLanguageIndex=0\n") << true << 0 << "Software exit";
    QTest::newRow("16 kept") << QByteArray("[Language]\nselectLanguageIndex=16\n") << true << 16
                             << "Software exit";
    QTest::newRow("missing file kept") << QByteArray("[Language]\nselectLanguageIndex=4\n") << true << 4
                                       << "Software exit";
    QTest::newRow("garbage") << QByteArray("[Language]\nselectLanguageIndex=zz\n") << true << 3
                             << "Software exit";
}

void tst_Linguist::storedLanguageWrittenBack()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, folderExists);
    QFETCH(int, written);
    QFETCH(QString, text);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VardexConfig.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content + "[Keep]\nme=yes\n");
    }
    QtLinguist linguist;
    // The files of the folder are missing for this row.
    if (QByteArray(QTest::currentDataTag()) == "missing file kept")
        linguist.setTranslationDir(dir.path());
    {
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(DAppllication::applyStoredLanguage(settings, folderExists, linguist), written);
    }
    QCOMPARE(QObject::tr("Software exit"), text);
    QSettings check(path, QSettings::IniFormat);
    QCOMPARE(check.value(QStringLiteral("Language/selectLanguageIndex")).toInt(), written);
    QCOMPARE(check.value(QStringLiteral("Keep/me")).toString(), QStringLiteral("yes"));
}

void tst_Linguist::interfaceFontResolvesToInstalledFont()
{
    DAppllication::installFontSubstitutions();
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("WenQuanYi Micro Hei"));
}

namespace {

struct ArabicLine
{
    QStringList families;
    qreal width = 0;
};

ArabicLine layOut(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    ArabicLine result;
    result.width = line.naturalTextWidth();
    for (const QGlyphRun &run : layout.glyphRuns())
        result.families << run.rawFont().familyName();
    return result;
}

} // namespace

void tst_Linguist::arabicStaysJoined_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("text");
    const QString zh = QString::fromUtf8("\xe5\xbe\xae\xe8\xbd\xaf\xe9\x9b\x85\xe9\xbb\x91");
    const QString byDefault = QString::fromUtf8("\xd8\xa7\xd9\x81\xd8\xaa\xd8\xb1\xd8\xa7\xd8\xb6\xd9\x8a");
    const QString ok = QString::fromUtf8("\xd9\x85\xd9\x88\xd8\xa7\xd9\x81\xd9\x82");
    const QString type = QString::fromUtf8("\xd8\xa7\xd9\x84\xd9\x86\xd9\x88\xd8\xb9");
    QTest::newRow("default") << "Microsoft YaHei" << byDefault;
    QTest::newRow("ok") << "Microsoft YaHei" << ok;
    QTest::newRow("type, Chinese family name") << zh << type;
}

// Arabic in the interface font must come from a font made for joined Arabic
// text: the fallback fontconfig picks on its own (DejaVu Sans) sets the
// letters apart, and its bold runs about a fifth wider still.
void tst_Linguist::arabicStaysJoined()
{
    QFETCH(QString, family);
    QFETCH(QString, text);
    DAppllication::installFontSubstitutions();
    if (!QFontDatabase().families().contains(QStringLiteral("Noto Sans Arabic UI")))
        QFAIL("Noto Sans Arabic UI is missing: install fonts-noto-ui-core (scripts/setup-deps.sh)");
    QFont regular(family, 10, QFont::Normal);
    QFont bold(family, 10, QFont::Bold);
    const ArabicLine plain = layOut(text, regular);
    const ArabicLine strong = layOut(text, bold);
    QCOMPARE(plain.families, QStringList {QStringLiteral("Noto Sans Arabic UI")});
    QCOMPARE(strong.families, QStringList {QStringLiteral("Noto Sans Arabic UI")});
    QVERIFY2(strong.width < plain.width * 1.1,
             qPrintable(QStringLiteral("bold %1 px, regular %2 px").arg(strong.width).arg(plain.width)));
}

QTEST_MAIN(tst_Linguist)
#include "tst_linguist.moc"
