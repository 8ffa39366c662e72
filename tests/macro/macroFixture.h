// Shared set-up of the macro editor tests: a macro store in a temporary
// folder, an editor over it whose file dialogs and clock the test answers,
// a global hook that always starts, and the one check that the event rows
// show exactly what the store holds.
#ifndef MACROFIXTURE_H
#define MACROFIXTURE_H

#include "data/DDataManager.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/macro/macroEventModel.h"
#include "ui/widgets/DFileChooser.h"
#include "../testWait.h"

#include <QAbstractButton>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace macroTest {

using macroModel::EventText;

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

inline EventText ev(int mark, const QString &operate, int keyCode = 4, int delay = 10, const QString &type = "key")
{
    QString name = type == QLatin1String("mouse") ? macroModel::mouseCodeName(keyCode) : QStringLiteral("K%1").arg(keyCode);
    return EventText{QString::number(mark), QString::number(delay), type, QString::number(keyCode), name, operate};
}

// A pair of key events with the given mark.
inline QList<EventText> pair(int mark, int keyCode = 4, int delay = 10)
{
    return {ev(mark, "down", keyCode, delay), ev(mark, "up", keyCode, delay)};
}

inline bool addMacro(const QByteArray &store, int index, const QString &name, const QList<EventText> &events = {})
{
    const QByteArray i = QByteArray::number(index);
    if (!CVardexXML_CreateMacroXmlParentNode(store.constData(), i.constData(), name.toUtf8().constData()))
        return false;
    if (events.isEmpty())
        return true;
    std::list<MacroEventRecord> records;
    for (const EventText &e : events)
        records.push_back(macroModel::toRecord(e));
    return CVardexXML_AddKeyOrMouseEventItem(store.constData(), records, i.constData());
}

inline QList<EventText> storedEvents(const QByteArray &store, const QString &index, bool *ok = nullptr)
{
    std::list<MacroEventRecord> records;
    const bool read = CVardexXML_SelectAllKeyOrMouseEvent(store.constData(), index.toLatin1().constData(), records);
    if (ok)
        *ok = read;
    QList<EventText> out;
    for (const MacroEventRecord &r : records)
        out << macroModel::fromRecord(r);
    return out;
}

inline QStringList macroList(const QByteArray &store)
{
    QStringList out;
    for (const MacroNodeEntry &e : macroModel::listMacros(store.constData()))
        out << QStringLiteral("%1 %2").arg(QString::fromLatin1(macroModel::entryIndex(e)), macroModel::entryName(e));
    return out;
}

inline QList<EventText> rowEvents(const DMacroPage *page)
{
    QList<EventText> out;
    for (DCatchKeyAndMouseItem *r : page->eventRows())
        out << EventText{r->mark(), r->delay(), r->type(), r->keyCode(), r->codeName(), r->operate()};
    return out;
}

inline QStringList describe(const QList<EventText> &events)
{
    QStringList out;
    for (const EventText &e : events)
        out << QStringLiteral("%1 %2 %3 %4 %5 %6").arg(e.mark, e.delay, e.type, e.keyCode, e.codeName, e.operate);
    return out;
}

// The editor's one promise after every operation: rows, total and press
// count are what the store holds for the current macro.
inline bool rowsMatchStore(const DMacroPage *page, const QByteArray &store)
{
    const QList<EventText> stored = storedEvents(store, page->currentMacroIndex());
    const QList<EventText> shown = rowEvents(page);
    int total = 0;
    for (const EventText &e : stored)
        total += macroModel::toInt(e.delay);
    const bool same = describe(stored) == describe(shown) && total == page->totalDelay()
                      && macroModel::countPresses(stored) == page->pressCount();
    if (!same) {
        qWarning() << "store:" << describe(stored) << "rows:" << describe(shown) << "total" << total << "vs"
                   << page->totalDelay() << "presses" << macroModel::countPresses(stored) << "vs"
                   << page->pressCount();
    }
    return same;
}

inline qint64 inode(const QByteArray &path)
{
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 ? qint64(st.st_ino) : qint64(-1);
}

// Key tables of a small keyboard: desktop key code to key code to caption.
inline void installKeyTables()
{
    DDataManager *data = DDataManager::instance();
    data->setVirtualKeyMap({{65, 4}, {66, 5}, {67, 6}, {68, 7}, {69, 8}, {70, 9}, {71, 10}, {72, 11}, {73, 12},
                            {74, 13}, {75, 14}, {76, 15}, {77, 16}, {78, 17}, {79, 18}, {80, 19}, {81, 20},
                            {82, 21}, {83, 22}, {84, 23}, {85, 24}, {86, 25}, {87, 26}, {88, 27}, {89, 28},
                            {999, 40}, {998, 88}, {981, 135}, {987, 137}, {988, 136}, {984, 138}, {986, 139}});
    QMap<int, QString> names;
    for (int code = 4; code <= 29; ++code)
        names.insert(code, QString(QChar('A' + code - 4)));
    names.insert(40, QStringLiteral("Enter"));
    names.insert(88, QStringLiteral("Num Enter"));
    names.insert(135, QStringLiteral("Ro"));
    names.insert(136, QStringLiteral("Kana"));
    names.insert(137, QStringLiteral("Yen"));
    names.insert(138, QStringLiteral("Henkan"));
    names.insert(139, QStringLiteral("Muhenkan"));
    data->setKeyNameMap(names);
}

// The editor over a store of its own. The hook "starts" whenever asked.
class Editor
{
public:
    Editor()
    {
        installKeyTables();
        store = local(dir.filePath(QStringLiteral("appMacro.xml")));
        CVardexXML_CreateXMLFile(store.constData());
        hookConnection = QObject::connect(DDataManager::instance(), &DDataManager::sigHookRuningStrtusCtrl_MacroRecord,
                                          [this](bool start) {
                                              hookRequests << start;
                                              DDataManager::instance()->setHookRunning(hookStarts || !start);
                                          });
    }
    ~Editor()
    {
        QObject::disconnect(hookConnection);
        delete page.data();
    }
    // Builds the editor and lets its deferred list load run, as the main
    // window's exec would.
    DMacroPage *open()
    {
        page = new DMacroPage;
        page->setMacroXmlPath(store.constData());
        auto owned = std::make_unique<ScriptedChooser>();
        chooser = owned.get();
        page->setFileChooser(std::move(owned));
        page->setTickSource([this] { return now; });
        changed.reset(new QSignalSpy(page.data(), &DMacroPage::sigMacroListHaveChanged));
        QTest::qWait(260);
        // A slow build may run the load later still.
        const int listed = int(macroModel::listMacros(store.constData()).size());
        for (int waited = 0; page->macroRows().size() != listed && waited < testWait::kHangMs; waited += 20)
            QTest::qWait(20);
        return page;
    }
    DMacroListItem *macroRow(const QString &index) const
    {
        for (DMacroListItem *r : page->macroRows())
            if (r->macroIndex() == index)
                return r;
        return nullptr;
    }
    void select(const QString &index)
    {
        QTest::mouseClick(macroRow(index), Qt::LeftButton);
    }
    DCatchKeyAndMouseItem *row(int position) const { return page->eventRows().value(position); }
    void clickRow(int position) { QTest::mouseClick(row(position), Qt::LeftButton); }
    template <typename T>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name)
    {
        QAbstractButton *b = child<QAbstractButton>(name);
        QVERIFY2(b, name);
        b->click();
    }

    QTemporaryDir dir;
    QByteArray store;
    QPointer<DMacroPage> page;
    ScriptedChooser *chooser = nullptr;
    std::unique_ptr<QSignalSpy> changed;
    QList<bool> hookRequests;
    bool hookStarts = true;
    qint64 now = 1000;
    QMetaObject::Connection hookConnection;
};

} // namespace macroTest

#endif // MACROFIXTURE_H
