// Shared set-up of the profile and relay tests: one device page over
// simulated keyboards, with a file chooser that answers for the user.
#ifndef PROFILESFIXTURE_H
#define PROFILESFIXTURE_H

#include "../devicepage/devicePageFixture.h"

#include "data/DDataManager.h"
#include "ui/widgets/DFileChooser.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace profilesTest {

using namespace devicePageTest;

// Answers the page's dialogs from fields the test sets, and records what the
// page asked.
class ScriptedChooser : public DFileChooser
{
public:
    QString directory;
    QString file;
    bool confirmAnswer = false;
    int confirmCount = 0;
    QString lastStartDir;

    QString existingDirectory(QWidget *, const QString &, const QString &startDir) override
    {
        lastStartDir = startDir;
        return directory;
    }
    QString openFileName(QWidget *, const QString &, const QString &startDir, const QString &) override
    {
        lastStartDir = startDir;
        return file;
    }
    bool confirm(QWidget *, const QString &, const QString &) override
    {
        ++confirmCount;
        return confirmAnswer;
    }
};

inline QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

inline QList<int> profileIndexes(const QByteArray &store)
{
    std::vector<ProfileNodeEntry> profiles;
    CVardexXML_SelectProFileAllNodes(store.constData(), profiles);
    QList<int> out;
    for (const ProfileNodeEntry &p : profiles)
        out << QByteArray(p.index).toInt();
    return out;
}

inline QString profileName(const QByteArray &store, int index)
{
    ProfileNodeInfo info {};
    if (!CVardexXML_SelectProfileNodeInfo(store.constData(), QByteArray::number(index).constData(), &info))
        return QString();
    return QString::fromUtf8(info.name);
}

// The keys of one custom light as "code@row,col#rrggbb/alpha" texts, sorted.
inline QStringList keyTexts(const std::list<customLightKeyRecord> &keys)
{
    QStringList out;
    for (const customLightKeyRecord &k : keys)
        out << QStringLiteral("%1@%2,%3#%4%5%6/%7")
                   .arg(QString::fromLatin1(k.keyCode))
                   .arg(k.indexX)
                   .arg(k.indexY)
                   .arg(k.colorR, 2, 16, QLatin1Char('0'))
                   .arg(k.colorG, 2, 16, QLatin1Char('0'))
                   .arg(k.colorB, 2, 16, QLatin1Char('0'))
                   .arg(k.transparentNum);
    out.sort();
    return out;
}

inline QStringList profileCustomLight(const QByteArray &store, int profile, int id)
{
    std::list<customLightKeyRecord> keys;
    CVardexXML_ProFileCustomLightInfoSelectAll(store.constData(), QByteArray::number(profile).constData(),
                                               QByteArray::number(id).constData(), keys);
    return keyTexts(keys);
}

// The keys of custom light id of an embedded default file.
inline QStringList defaultFileCustomLight(const QString &fileName, int id)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(fileName);
    if (!QFile::copy(QStringLiteral(":/images/configDir/") + fileName, copy))
        return {QStringLiteral("<missing %1>").arg(fileName)};
    std::list<customLightKeyRecord> keys;
    CVardexXML_XmlCustomLightInfoSelectAll(local(copy).constData(), QByteArray::number(id).constData(), keys);
    return keyTexts(keys);
}

inline void removeProfileFolders()
{
    QDir dir(DDataManager::instance()->userConfigDir());
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(dir.filePath(sub)).removeRecursively();
}

// A page over the given keyboards, the first cable one current with its
// stores set up; null when that did not happen in time.
inline std::unique_ptr<DDevicePage> startPage(const QList<SimDevice> &devices)
{
    if (CVardexSim_LoadScenarioText(scenarioJson(devices).constData()) != 0)
        return nullptr;
    auto page = std::make_unique<DDevicePage>();
    page->resize(1280, 700);
    page->show();
    if (!QTest::qWaitFor([&] { return page->currentLink() && !page->profileFolder().isEmpty(); }, testWait::kHangMs))
        return nullptr;
    return page;
}

} // namespace profilesTest

#endif // PROFILESFIXTURE_H
