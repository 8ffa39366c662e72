#ifndef QTLINGUIST_H
#define QTLINGUIST_H

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QTranslator>

// Loads the interface language. The file of a language is
// "<program folder>/translation/<key name of Language>.qm".
class QtLinguist : public QObject
{
    Q_OBJECT
public:
    enum Language {
        Zh_SM = 1,
        Zh_TR,
        English,
        Japanese,
        Korean,
        Russian,
        Arabic,
        Spanish,
        Portugal,
        German,
        Italian,
        Polish,
        French,
        Ukrainian,
        Czech
    };
    Q_ENUM(Language)

    explicit QtLinguist(QObject *parent = nullptr);

    // The language of the system locale, English for any unlisted one.
    static int systemLanguage();
    static int languageForLocale(const QLocale &locale);

    // Loads and installs the file of `language`. False for a value that is not
    // a language (nothing changes) or a file that does not load (the interface
    // then shows the source texts).
    bool load(int language);

    QString fileName(int language) const;
    // The folder the files are read from: "<program folder>/translation"
    // unless another is set (an empty text restores that).
    void setTranslationDir(const QString &dir) { m_dir = dir; }
    QString translationDir() const;
    QMap<int, QString> languageFiles() const;

private:
    QTranslator m_translator;
    QMap<int, QString> m_files;
    QString m_dir;
};

#endif // QTLINGUIST_H
