// The macro editor's left column: the list of macros and the operations on
// whole macros (select, add, rename, delete, export, import).
#include "ui/macro/DMacroPage.h"
#include "ui_DMacroPage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSet>

#include <iterator>

#include "data/DDataManager.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/widgets/DFileChooser.h"

namespace {

// An imported macro file is one small macro; anything bigger is not one.
constexpr qint64 kMaxImportBytes = 1 << 20;

bool sameFile(const QString &a, const char *b)
{
    const QFileInfo first(a);
    const QFileInfo second(QFile::decodeName(b));
    if (!first.exists() || !second.exists())
        return false;
    return first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace

QByteArray DMacroPage::localPath(const QString &path, bool *fits) const
{
    const QByteArray local = QFile::encodeName(path);
    *fits = local.size() < DDataManager::PathBufferSize;
    return local;
}

void DMacroPage::onLoadMacroList()
{
    loadMacroList();
}

void DMacroPage::clearMacroRows()
{
    m_macroListLayout = ui->verticalLayout_17;
    const int n = m_macroListLayout->count() - 1;
    for (int i = 0; i < n; ++i) {
        QLayoutItem *item = m_macroListLayout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
}

DMacroListItem *DMacroPage::createMacroRow(const QString &index, const QString &name)
{
    auto *row = new DMacroListItem(ui->scrollAreaWidgetContents_2);
    connect(row, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
    connect(row, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this, &DMacroPage::onModifyMacroItemNameIsEmpty);
    connect(row, &DMacroListItem::sigModifyMacroItemNameSuccess, this, &DMacroPage::onModifyMacroItemNameSuccess);
    connect(row, &DMacroListItem::sigModifyMacroItemNameFailed, this, &DMacroPage::onModifyMacroItemNameFailed);
    connect(row, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
    connect(row, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
    row->setMacroXmlPath(m_macroXmlPath);
    row->setMacroInfo(index, name);
    m_macroListLayout->insertWidget(m_macroListLayout->count() - 1, row);
    return row;
}

void DMacroPage::loadMacroList()
{
    clearMacroRows();
    m_macroItemList.clear();
    m_currentMacroItem = nullptr;
    QString firstIndex;
    QString firstName;

    const std::vector<MacroNodeEntry> macros = macroModel::listMacros(m_macroXmlPath);
    if (macros.empty())
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    for (const MacroNodeEntry &entry : macros) {
        const QString index = QString::fromUtf8(macroModel::entryIndex(entry));
        const QString name = macroModel::entryName(entry);
        DMacroListItem *row = createMacroRow(index, name);
        if (!m_currentMacroItem) {
            m_currentMacroItem = row;
            row->setSelected(true);
            firstIndex = index;
            firstName = name;
        }
        m_macroItemList.append(row);
    }
    if (m_currentMacroItem) {
        onMacroItemMouseClicked(firstIndex, firstName);
    } else {
        // Nothing is current: the event area must not keep a deleted macro's rows.
        m_currentMacroIndex.clear();
        m_currentMacroName.clear();
        clearEventRows();
        m_eventRowList.clear();
        clearEventSelection();
        m_totalDelay = 0;
        m_recordMacroListDownOperateNum = 0;
        showTotalDelay();
    }
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    if (m_isRecording)
        return;
    DMacroListItem *row = nullptr;
    if (m_selectFirstMacroItem && !m_macroItemList.isEmpty()) {
        row = m_macroItemList.first();
        m_selectFirstMacroItem = false;
    } else {
        row = qobject_cast<DMacroListItem *>(sender());
    }
    if (row && row != m_currentMacroItem) {
        for (DMacroListItem *item : qAsConst(m_macroItemList))
            item->setSelected(item == row);
        m_selectEventPosition = 0;
        m_currentMacroItem = row;
        m_recordedEvents.clear();
    }

    clearEventSelection();
    m_currentMacroIndex = strMacroIndex;
    m_currentMacroName = strMacroName;
    m_recordMacroListDownOperateNum = 0;
    m_lastDelay = 0;
    m_lastEventTick = 0;
    m_totalDelay = 0;
    clearEventRows();
    m_eventRowList.clear();
    ui->label_TotalTime->setText(QStringLiteral("0 MS"));

    std::list<MacroEventRecord> events;
    const QByteArray index = strMacroIndex.toLatin1();
    if (CVardexXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, index.constData(), events) && !events.empty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        for (const MacroEventRecord &record : events) {
            const macroModel::EventText event = macroModel::fromRecord(record);
            if (event.isPress())
                ++m_recordMacroListDownOperateNum;
            DCatchKeyAndMouseItem *eventRow = createEventRow(event);
            m_eventListLayout->insertWidget(m_eventListLayout->count() - 1, eventRow);
            m_eventRowList.append(eventRow);
            m_lastDelay = macroModel::toInt(event.delay);
            m_totalDelay += m_lastDelay;
        }
        showTotalDelay();
        ui->scrollArea_3->verticalScrollBar()->setValue(0);
    } else {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    }
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showNotice(tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    showNotice(tr("Modify macro name successful"));
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (row && row == m_currentMacroItem)
        m_currentMacroName = row->macroName();
}

void DMacroPage::onModifyMacroItemNameFailed()
{
    showNotice(tr("Modify macro name failed"));
}

void DMacroPage::on_pushButton_Add_clicked()
{
    const std::vector<MacroNodeEntry> macros = macroModel::listMacros(m_macroXmlPath);
    const QByteArray index = QByteArray::number(macroModel::firstFreeIndex(macros));
    const QByteArray name = "Macro" + index;
    if (!CVardexXML_CreateMacroXmlParentNode(m_macroXmlPath, index.constData(), name.constData())) {
        showNotice(tr("Add macro failed"));
        return;
    }
    loadMacroList();
    showNotice(tr("Add macro successful"));
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName)
    if (m_isRecording)
        return;
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (!row)
        return;
    const QByteArray index = strMacroIndex.toLatin1();
    if (!CVardexXML_DeleteMacroNode(m_macroXmlPath, index.constData())) {
        showNotice(tr("Delete macro failed"));
        return;
    }
    m_macroListLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    m_macroItemList.removeAll(row);
    showNotice(tr("Delete macro successful"));

    if (strMacroIndex != m_currentMacroIndex)
        return;
    m_currentMacroItem = nullptr;
    const std::vector<MacroNodeEntry> macros = macroModel::listMacros(m_macroXmlPath);
    if (!macros.empty() && !m_macroItemList.isEmpty()) {
        m_selectFirstMacroItem = true;
        onMacroItemMouseClicked(QString::fromUtf8(macroModel::entryIndex(macros.front())),
                                macroModel::entryName(macros.front()));
    } else {
        m_currentMacroIndex.clear();
        m_currentMacroName.clear();
        clearEventRows();
        m_eventRowList.clear();
        clearEventSelection();
        m_totalDelay = 0;
        m_recordMacroListDownOperateNum = 0;
        showTotalDelay();
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    }
}

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    const QString folder = m_fileChooser->existingDirectory(this, tr("Save directory"), m_strDefaultFileDir);
    if (folder.isEmpty()) {
        showNotice(tr("Please select save directory first"));
        return;
    }
    const QByteArray index = strMacroIndex.toLatin1();
    std::list<MacroEventRecord> events;
    if (!CVardexXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, index.constData(), events)) {
        showNotice(tr("Export macro failed"));
        return;
    }
    const QString target =
        QDir(folder).filePath(macroModel::exportFileName(strMacroName, strMacroIndex) + QStringLiteral(".xml"));
    bool fits = false;
    const QByteArray file = localPath(target, &fits);
    if (!fits) {
        showNotice(tr("The file path is too long"));
        return;
    }
    // Creating the export file empties it: never the store itself.
    if (sameFile(target, m_macroXmlPath)) {
        showNotice(tr("Export macro failed"));
        return;
    }
    if (QFileInfo::exists(target)) {
        const QString question =
            tr("The file %1 already exists. Replace it?").arg(QDir::toNativeSeparators(target));
        if (!m_fileChooser->confirm(this, tr("Export"), question))
            return;
    }
    const QByteArray nodeName = "Macro" + index;
    bool ok = CVardexXML_BeginBatch(file.constData());
    if (ok) {
        ok = CVardexXML_CreateXMLFile(file.constData())
             && CVardexXML_CreateMacroXmlParentNode(file.constData(), index.constData(), nodeName.constData())
             && CVardexXML_AddKeyOrMouseEventItem(file.constData(), events, index.constData());
        ok = CVardexXML_EndBatch(file.constData()) && ok;
    }
    showNotice(ok ? tr("Export macro successful") : tr("Export macro failed"));
}

void DMacroPage::on_pushButton_Import_clicked()
{
    const QString path =
        m_fileChooser->openFileName(this, tr("Open macro file"), m_strDefaultFileDir, tr("Macro files(*.xml)"));
    if (path.isEmpty())
        return;
    bool fits = false;
    const QByteArray file = localPath(path, &fits);
    if (!fits) {
        showNotice(tr("The file path is too long"));
        return;
    }
    if (QFileInfo(path).size() > kMaxImportBytes) {
        showNotice(tr("Import macro failed"));
        return;
    }
    // Take the file's last macro, whole and well formed, or nothing.
    std::list<MacroEventRecord> events;
    switch (CVardexXML_ReadMacroFile(file.constData(), events)) {
    case MacroFileOk:
        break;
    case MacroFileDeclarations:
        showNotice(tr("Import macro failed: the file declares a document type or entity"));
        return;
    case MacroFileNotUtf8:
        showNotice(tr("Import macro failed: the file is not UTF-8 text"));
        return;
    case MacroFileForeignContent:
        showNotice(tr("Import macro failed: the file holds more than macros and their events"));
        return;
    default:
        showNotice(tr("Import macro failed"));
        return;
    }
    if (!macroModel::isWellFormed(events)) {
        showNotice(tr("Import macro failed"));
        return;
    }
    // The keyboard plays only a code's low byte: a code that is no key (or
    // no button action) would play some other key.
    const QList<int> keys = m_keyNameMap.keys();
    const int unplayable = macroModel::firstUnplayableEvent(events, QSet<int>(keys.begin(), keys.end()));
    if (unplayable >= 0) {
        const MacroEventRecord &e = *std::next(events.begin(), unplayable);
        const QString code = QString::fromLatin1(e.keyCode, int(qstrnlen(e.keyCode, sizeof e.keyCode)));
        showNotice(qstrncmp(e.type, "mouse", sizeof e.type) == 0
                       ? tr("Import macro failed: event %1 has the mouse code %2, which is no button action")
                             .arg(unplayable + 1)
                             .arg(code)
                       : tr("Import macro failed: event %1 has the key code %2, which is no key")
                             .arg(unplayable + 1)
                             .arg(code));
        return;
    }

    const QByteArray index = QByteArray::number(macroModel::importIndex(macroModel::listMacros(m_macroXmlPath)));
    const QByteArray name = "Macro" + index;
    bool ok = CVardexXML_BeginBatch(m_macroXmlPath);
    if (ok) {
        ok = CVardexXML_CreateMacroXmlParentNode(m_macroXmlPath, index.constData(), name.constData());
        if (ok && !events.empty())
            ok = CVardexXML_AddKeyOrMouseEventItem(m_macroXmlPath, events, index.constData());
        if (!ok)
            CVardexXML_DeleteMacroNode(m_macroXmlPath, index.constData());
        ok = CVardexXML_EndBatch(m_macroXmlPath) && ok;
    }
    loadMacroList();
    showNotice(ok ? tr("Import macro successful") : tr("Import macro failed"));
}
