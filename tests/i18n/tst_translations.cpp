#include <QtTest>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QTemporaryDir>
#include <QApplication>

#include "app/QtLinguist.h"
#include "data/DDataManager.h"
#include "ui/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"

namespace {

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    QString type; // "", "unfinished", "vanished" or "obsolete"
    QString comment; // the disambiguation, "" when none
};

// Reads every message of a .ts file; an XML error fails the read.
bool readTs(const QString &path, QVector<TsMessage> *messages, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = TsMessage{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages->append(message);
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
        return false;
    }
    return true;
}

// The %n markers of a text, sorted: a translation must keep every argument.
QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%L?\\d+")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void translatesRepresentativeTexts_data();
    void translatesRepresentativeTexts();
    void placeholderPageFollowsLanguage();
    void tsFilesComplete_data();
    void tsFilesComplete();
    void oneSourcePerText_data();
    void oneSourcePerText();
    void everyLanguageFileHandled_data();
    void everyLanguageFileHandled();
    void arabicLaysOutRightToLeft();
    void iconButtonsCentredRightToLeft_data();
    void iconButtonsCentredRightToLeft();
};

void tst_Translations::translatesRepresentativeTexts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");

    // Code texts of the main window and start-up.
    QTest::newRow("tray action") << 1 << "" << "Quit(&Q)" << "退出(&Q)";
    QTest::newRow("main window placeholder") << 1 << "QObject" << "Device not connected" << "设备未连接";
    QTest::newRow("start-up conflict") << 1 << "QObject" << "Conflict, software out of operation!"
                                       << "冲突，软件停止运行！";
    QTest::newRow("key function detail") << 1 << "DDataManager" << "Unknow" << "未知";
    // Device page texts and its toasts.
    QTest::newRow("device list title") << 1 << "DDevicePage" << "Device List" << "设备列表";
    QTest::newRow("page button tip") << 1 << "DDevicePage" << "Light Setting" << "灯光设置";
    QTest::newRow("toast offline") << 1 << "DDevicePage" << "The device is offline" << "设备已离线";
    QTest::newRow("toast folder") << 1 << "DDevicePage" << "The profile folder cannot be created"
                                  << "无法创建配置文件夹";
    QTest::newRow("key bubble") << 1 << "keySelectFrame" << "Cannot remapped" << "不可重新映射";
    // A form text in the context of its class.
    QTest::newRow("device page form") << 1 << "DDevicePage" << "产品列表" << "产品列表";
    QTest::newRow("login form") << 1 << "DLoginWidget" << "Login" << "登录";
    // The same text in another context is not translated by accident.
    QTest::newRow("wrong context") << 1 << "DMainWidget" << "Device List" << "Device List";
    // English, the source language, shows the sources; the form's Chinese
    // designer texts get English ones.
    QTest::newRow("English toast") << 3 << "DDevicePage" << "The device is offline" << "The device is offline";
    QTest::newRow("English form text") << 3 << "DDevicePage" << "产品列表" << "Product List";
    // The other thirteen languages.
    QTest::newRow("German toast") << 10 << "DDevicePage" << "Sleep time set failed"
                                  << "Ruhezeit konnte nicht gesetzt werden";
    QTest::newRow("Japanese settings") << 4 << "DSettingsDia" << "Language" << "言語";
    QTest::newRow("Arabic key function") << 7 << "QObject" << "Macro" << "ماكرو";
    QTest::newRow("Czech performance form") << 15 << "DPerformancePage" << "Keyboard properties"
                                            << "Vlastnosti klávesnice";
    QTest::newRow("Traditional Chinese tray") << 2 << "" << "Quit(&Q)" << "結束(&Q)";
}

void tst_Translations::translatesRepresentativeTexts()
{
    QFETCH(int, language);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QtLinguist linguist;
    QVERIFY(linguist.load(language));
    QCOMPARE(QCoreApplication::translate(context.toUtf8().constData(), source.toUtf8().constData()), expected);
}

// The stand-in device area of the main window is not a Q_OBJECT class: its
// text must be looked up where the translation files keep it.
void tst_Translations::placeholderPageFollowsLanguage()
{
    DMainWidget::vendorSdk() = VendorSdkCalls{};
    DMainWidget::factories().devicePage = nullptr;
    DMainWidget::trayAvailable() = [] { return false; };
    QtLinguist linguist;
    QVERIFY(linguist.load(1));
    DMainWidget w;
    QStringList texts;
    for (QLabel *label : w.findChildren<QLabel *>())
        texts << label->text();
    QVERIFY2(texts.contains(QStringLiteral("设备未连接")), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(!texts.contains(QStringLiteral("Device not connected")));
}

// The shipped languages, as translations/languages.txt lists them.
static QStringList shippedLanguages()
{
    QStringList languages;
    QFile list(QStringLiteral(VARDEX_TS_DIR "/languages.txt"));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return languages;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            languages << line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    }
    return languages;
}

void tst_Translations::tsFilesComplete_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("sourceLanguage");
    const QStringList languages = shippedLanguages();
    // Every language the tool offers is shipped, so every text must arrive
    // in all fifteen.
    const QMap<int, QString> offered = QtLinguist().languageFiles();
    QCOMPARE(offered.size(), 15);
    for (const QString &file : offered)
        QVERIFY2(languages.contains(file.section(QLatin1Char('.'), 0, 0)), qPrintable(file));
    const QDir root(QStringLiteral(VARDEX_TS_DIR));
    const QStringList areas = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(areas.contains(QStringLiteral("core")));
    // Every area carries every shipped language: a missing file is reported
    // as a failing row, not skipped.
    for (const QString &area : areas) {
        for (const QString &language : languages) {
            const QString file = root.filePath(area + QLatin1Char('/') + language + QStringLiteral(".ts"));
            QTest::newRow(qPrintable(area + QLatin1Char('/') + language))
                << file << (language == QLatin1String("English"));
        }
    }
}

// Every text of the interface has a finished translation that keeps the
// arguments of its source, and no file carries dead entries.
void tst_Translations::tsFilesComplete()
{
    QFETCH(QString, file);
    QFETCH(bool, sourceLanguage);
    QVector<TsMessage> messages;
    QString error;
    QVERIFY2(readTs(file, &messages, &error), qPrintable(error));
    QVERIFY2(!messages.isEmpty(), qPrintable(file + QStringLiteral(": no messages")));

    QStringList problems;
    QSet<QString> seen;
    for (const TsMessage &m : messages) {
        const QString where = QStringLiteral("[%1] \"%2\"").arg(m.context, m.source);
        if (m.source.isEmpty())
            problems << where + QStringLiteral(": empty source");
        if (seen.contains(m.context + QChar(0) + m.source))
            problems << where + QStringLiteral(": listed twice");
        seen.insert(m.context + QChar(0) + m.source);
        if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete")) {
            problems << where + QStringLiteral(": obsolete entry");
            continue;
        }
        // The source language may leave an entry empty: the source shows.
        if (sourceLanguage && m.type == QLatin1String("unfinished") && m.translation.isEmpty())
            continue;
        if (m.type == QLatin1String("unfinished") || m.translation.isEmpty()) {
            problems << where + QStringLiteral(": not translated");
            continue;
        }
        if (placeholders(m.source) != placeholders(m.translation))
            problems << where + QStringLiteral(": arguments differ in \"%1\"").arg(m.translation);
        if (m.source.contains(QLatin1Char('&')) && !m.source.contains(QLatin1String("&&"))) {
            const QRegularExpression accel(QStringLiteral("&(\\w)"));
            const QString key = accel.match(m.source).captured(1);
            if (!key.isEmpty() && !m.translation.contains(QLatin1Char('&') + key))
                problems << where + QStringLiteral(": accelerator &%1 lost").arg(key);
        }
    }
    QVERIFY2(problems.isEmpty(),
             qPrintable(problems.join(QLatin1Char('\n')) + QStringLiteral("\n(run scripts/update-translations.sh, "
                                                                          "then translate)")));
}

void tst_Translations::oneSourcePerText_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// The areas are released into one file per language: a text that two areas
// both list is translated twice, the release keeps one of the two at random
// and the two translations drift apart. Each text belongs to one area.
void tst_Translations::oneSourcePerText()
{
    QFETCH(QString, language);
    const QDir root(QStringLiteral(VARDEX_TS_DIR));
    QHash<QString, QString> owner;
    QStringList problems;
    for (const QString &area : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QVector<TsMessage> messages;
        QString error;
        const QString file = root.filePath(area + QLatin1Char('/') + language + QStringLiteral(".ts"));
        if (!QFile::exists(file))
            continue; // reported by tsFilesComplete
        QVERIFY2(readTs(file, &messages, &error), qPrintable(error));
        for (const TsMessage &m : messages) {
            const QString key = m.context + QChar(0) + m.source + QChar(0) + m.comment;
            const QString first = owner.value(key);
            if (!first.isEmpty() && first != area)
                problems << QStringLiteral("[%1] \"%2\" in %3 and %4").arg(m.context, m.source, first, area);
            else
                owner.insert(key, area);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void tst_Translations::everyLanguageFileHandled_data()
{
    QTest::addColumn<int>("language");
    for (int language = 1; language <= 15; ++language)
        QTest::newRow(qPrintable(QString::number(language))) << language;
}

// Each of the fifteen languages either loads its shipped file or, when the
// file is missing, refuses cleanly and leaves the source texts in force.
void tst_Translations::everyLanguageFileHandled()
{
    QFETCH(int, language);
    QtLinguist linguist;
    const QString file = linguist.fileName(language);
    QVERIFY(file.endsWith(QLatin1String(".qm")));
    const QString path = linguist.translationDir() + QLatin1Char('/') + file;
    // All fifteen languages ship.
    QVERIFY2(QFile::exists(path), qPrintable(path));

    QVERIFY(linguist.load(1));
    QVERIFY(linguist.load(language));
    const QString text = QCoreApplication::translate("DDevicePage", "Device List");
    if (language == 3)
        QCOMPARE(text, QStringLiteral("Device List"));
    else
        QVERIFY2(text != QLatin1String("Device List"), qPrintable(text));

    // Without its file a language is refused cleanly: the source texts show.
    QTemporaryDir empty;
    linguist.setTranslationDir(empty.path());
    QVERIFY(!linguist.load(language));
    QCOMPARE(QCoreApplication::translate("DDevicePage", "Device List"), QStringLiteral("Device List"));
}

// Arabic lays the whole interface out right to left; switching back restores
// left to right.
void tst_Translations::arabicLaysOutRightToLeft()
{
    QtLinguist linguist;
    QVERIFY(linguist.load(7));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    QVERIFY(linguist.load(10));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
}

void tst_Translations::iconButtonsCentredRightToLeft_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("download") << "pushButton_Download";
    QTest::newRow("reset profile") << "pushButton_Restore";
}

// A button with an icon and a text keeps the pair in its middle when the
// whole interface runs right to left; the style sheet's own layout otherwise
// pushes the text against the left border.
void tst_Translations::iconButtonsCentredRightToLeft()
{
    QFETCH(QString, button);
    QtLinguist linguist;
    QVERIFY(linguist.load(7));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    QScopedPointer<QWidget> page(button == "pushButton_Download" ? static_cast<QWidget *>(new DCustomKeysPage)
                                                                 : static_cast<QWidget *>(new DPerformancePage));
    page->resize(1200, 600);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.data()));
    auto *b = page->findChild<QPushButton *>(button);
    QVERIFY(b && b->isVisible() && !b->icon().isNull());
    const QImage img = b->grab().toImage();
    // The text and the icon are the accent orange; the border is not.
    int left = img.width();
    int right = -1;
    for (int y = 6; y < img.height() - 6; ++y)
        for (int x = 6; x < img.width() - 6; ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() > 90 && c.green() < 200 && c.blue() < 120) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    QVERIFY2(right > left, "no text drawn");
    const int leftGap = left;
    const int rightGap = img.width() - 1 - right;
    QVERIFY2(qAbs(leftGap - rightGap) <= 12,
             qPrintable(QStringLiteral("%1 px left, %2 px right").arg(leftGap).arg(rightGap)));
    QVERIFY(linguist.load(3));
    QCoreApplication::processEvents();
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
