#include "app/QtLinguist.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaEnum>

#include "data/DDataManager.h"

QtLinguist::QtLinguist(QObject *parent)
    : QObject(parent)
{
    const QMetaEnum languages = QMetaEnum::fromType<Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        m_files.insert(languages.value(i), QStringLiteral("%1.qm").arg(QLatin1String(languages.key(i))));
    qDebug() << "--------------------language mapCount:" << m_files.count();
}

int QtLinguist::systemLanguage()
{
    return languageForLocale(QLocale::system());
}

int QtLinguist::languageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Arabic:
        return Arabic;
    case QLocale::Chinese:
        return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    case QLocale::Czech:
        return Czech;
    case QLocale::English:
        return English;
    case QLocale::French:
        return French;
    case QLocale::German:
        return German;
    case QLocale::Italian:
        return Italian;
    case QLocale::Japanese:
        return Japanese;
    case QLocale::Korean:
        return Korean;
    case QLocale::Polish:
        return Polish;
    case QLocale::Portuguese:
        return Portugal;
    case QLocale::Russian:
        return Russian;
    case QLocale::Spanish:
        return Spanish;
    case QLocale::Ukrainian:
        return Ukrainian;
    default:
        return English;
    }
}

// Qt lays the interface out right to left when the loaded language
// translates this entry of its own as "RTL" (Arabic does), "LTR" otherwise.
struct TranslatableWithComment
{
    const char *source;
    const char *comment;
};
Q_DECL_UNUSED static const TranslatableWithComment kLayoutDirectionMarker = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages "
    "(such as Hebrew and Arabic) to get proper widget layout.");

bool QtLinguist::load(int language)
{
    const auto it = m_files.constFind(language);
    if (it == m_files.constEnd())
        return false;
    const QString path = translationDir() + QLatin1Char('/') + it.value();
    if (!m_translator.load(path)) {
        qWarning() << "Translation not loaded:" << path;
        return false;
    }
    QCoreApplication::installTranslator(&m_translator);
    return true;
}

QString QtLinguist::translationDir() const
{
    return m_dir.isEmpty() ? DDataManager::instance()->applicationDir() + QStringLiteral("/translation") : m_dir;
}

QString QtLinguist::fileName(int language) const
{
    return m_files.value(language);
}

QMap<int, QString> QtLinguist::languageFiles() const
{
    return m_files;
}
