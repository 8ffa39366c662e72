// A process killed (SIGKILL) in the middle of profile operations (create,
// import, delete, reset) must leave both profile stores of the keyboard
// readable, each with whole profiles only: a profile is there with all its
// defaults, or not at all.
//
// The test runs itself a second time as the child that works the profile
// menu of a device page in a loop.
#include "profilesFixture.h"

#include "ui/mainwidget/devicePage/profileReset.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>

using namespace profilesTest;

namespace {

const QByteArray kSerial = "C0ffee00C0ffee00C0ffee00C0ffee00";
const char kChildVariable[] = "VARDEX_PROFILE_CRASH_CHILD";

int runChild()
{
    if (!startLibrary())
        return 2;
    std::unique_ptr<DDevicePage> page = startPage({{"Pravo", false, true, kSerial}});
    if (!page)
        return 3;
    auto chooser = std::make_shared<ScriptedChooser>();
    chooser->directory = page->profileFolder() + QStringLiteral("/../exports");
    QDir().mkpath(chooser->directory);
    chooser->confirmAnswer = true;
    page->setFileChooser(chooser);
    page->onProfileExport();
    chooser->file = chooser->directory + QStringLiteral("/Profile1.xml");

    std::printf("ready\n");
    std::fflush(stdout);
    for (unsigned round = 0;; ++round) {
        page->onDefaultLayerAndFnLayerSwitch(int(round / 7 % 2));
        const int count = int(profileIndexes(page->profileXmlPath()).size());
        switch (round % 4) {
        case 0:
            if (count < 10)
                page->onProfileCreate();
            break;
        case 1:
            if (count < 10)
                page->onProfileImport();
            break;
        case 2:
            if (count > 4)
                page->onProfileDelete();
            break;
        default: {
            // The reset of the performance page, without its question.
            DDevicePage *p = page.get();
            resetProfileInStore(p->profileXmlPath().constData(), p->currentProfileIndex(), [p](int index) {
                p->addDefaultLightItems(index);
                p->addDefaultCustomLights(index);
            });
            break;
        }
        }
    }
}

} // namespace

class tst_profilecrash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedDuringOperationsLeavesWholeStores();
};

void tst_profilecrash::initTestCase()
{
    QVERIFY(startLibrary());
    removeProfileFolders();
}

void tst_profilecrash::killedDuringOperationsLeavesWholeStores()
{
    QString folder;
    for (int run = 0; run < 12; ++run) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kChildVariable), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForStarted());
        // The child's start-up takes what a loaded machine gives it; the
        // bound only ends a hang.
        QVERIFY2(child.waitForReadyRead(120000), qPrintable(child.readAllStandardError().right(2000)));
        QTest::qWait(int(QRandomGenerator::global()->bounded(30, 600)));
        child.kill(); // SIGKILL: no clean-up of any kind
        QVERIFY(child.waitForFinished(60000));

        if (folder.isEmpty()) {
            const QDir model(DDataManager::instance()->userConfigDir() + QStringLiteral("/Pravo"));
            folder = model.filePath(QString::fromLatin1(kSerial));
        }
        for (const char *file : {"/appProfile_Default.xml", "/appProfile_FN.xml"}) {
            const QByteArray store = local(folder + QLatin1String(file));
            std::vector<ProfileNodeEntry> profiles;
            QVERIFY2(CVardexXML_SelectProFileAllNodes(store.constData(), profiles), store.constData());
            QVERIFY(!profiles.empty());
            QVERIFY(profiles.size() <= 10);
            const int current = CVardexXML_GetCreateXMLFileProfileIndex(store.constData());
            QVERIFY(profileIndexes(store).contains(current));
            for (const ProfileNodeEntry &p : profiles) {
                std::list<CustomLightNodeEntry> lights;
                QVERIFY(CVardexXML_SelectProFileCustomLightAllNodes(store.constData(), p.index, lights));
                QCOMPARE(int(lights.size()), 5);
                QCOMPARE(profileCustomLight(store, QByteArray(p.index).toInt(), 0).size(), 34);
                for (int part = 0; part < 3; ++part)
                    QVERIFY(CVardexXML_IsProFileAlreadyHaveLightInfo(store.constData(), p.index, part, 2));
            }
        }
    }
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildVariable)) {
        QApplication app(argc, argv);
        return runChild();
    }
    QApplication app(argc, argv);
    tst_profilecrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profilecrash.moc"
