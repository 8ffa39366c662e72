// The macro editor's event rows and the edits of the current macro's event
// list: selecting, inserting and modifying a pair, deleting a pair,
// clearing the macro and moving an event.
#include "ui/macro/DMacroPage.h"
#include "ui_DMacroPage.h"

#include <QDebug>

#include "ui/macro/DCatchKeyAndMouseItem.h"

using macroModel::EventText;

DCatchKeyAndMouseItem *DMacroPage::createEventRow(const EventText &event)
{
    auto *row = new DCatchKeyAndMouseItem(event.mark, ui->scrollAreaWidgetContents_3);
    row->setEventInfo(macroModel::toInt(event.delay), event.type, macroModel::toInt(event.keyCode), event.codeName,
                      event.operate);
    connect(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent, this, &DMacroPage::onDeleteKeyAndMouseEvent);
    return row;
}

void DMacroPage::insertEventRow(QString mark, int delay, QString type, int keyCode, QString codeName,
                                QString operate, int position)
{
    EventText event{mark, QString::number(delay), type, QString::number(keyCode), codeName, operate};
    DCatchKeyAndMouseItem *row = createEventRow(event);
    m_eventListLayout->insertWidget(qBound(0, position, m_eventListLayout->count() - 1), row);
    m_eventRowList.append(row);
}

int DMacroPage::nextMarkNumber()
{
    std::list<MacroEventRecord> events;
    const QByteArray index = m_currentMacroIndex.toLatin1();
    if (!CVardexXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, index.constData(), events))
        return 0;
    return macroModel::nextMark(events);
}

void DMacroPage::notifyMacroChanged()
{
    emit sigMacroListHaveChanged(m_currentMacroIndex, m_currentMacroName);
}

void DMacroPage::clearEventRows()
{
    m_eventListLayout = ui->verticalLayout_20;
    const int n = m_eventListLayout->count() - 1;
    for (int i = 0; i < n; ++i) {
        QLayoutItem *item = m_eventListLayout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
}

QList<DCatchKeyAndMouseItem *> DMacroPage::eventRows() const
{
    QList<DCatchKeyAndMouseItem *> rows;
    for (int i = 0; i < eventRowCount(); ++i)
        rows << rowAt(i);
    return rows;
}

int DMacroPage::eventRowCount() const
{
    return m_eventListLayout ? m_eventListLayout->count() - 1 : 0;
}

int DMacroPage::positionOf(DCatchKeyAndMouseItem *row) const
{
    return row ? m_eventListLayout->indexOf(row) : -1;
}

DCatchKeyAndMouseItem *DMacroPage::rowAt(int position) const
{
    if (position < 0 || position >= eventRowCount())
        return nullptr;
    return qobject_cast<DCatchKeyAndMouseItem *>(m_eventListLayout->itemAt(position)->widget());
}

QList<EventText> DMacroPage::shownEvents() const
{
    QList<EventText> events;
    for (DCatchKeyAndMouseItem *row : eventRows())
        events << EventText{row->mark(), row->delay(), row->type(), row->keyCode(), row->codeName(), row->operate()};
    return events;
}

void DMacroPage::showTotalDelay()
{
    ui->label_TotalTime->setText(QString::number(m_totalDelay) + QStringLiteral(" MS"));
}

void DMacroPage::recountPresses()
{
    m_recordMacroListDownOperateNum = macroModel::countPresses(shownEvents());
}

void DMacroPage::removeEventRow(DCatchKeyAndMouseItem *row)
{
    m_eventRowList.removeAll(row);
    m_eventListLayout->removeWidget(row);
    row->hide();
    // The row may be the sender of the running slot.
    row->deleteLater();
    m_totalDelay -= macroModel::toInt(row->delay());
}

bool DMacroPage::rewriteCurrentMacro(const QList<EventText> &events)
{
    const QByteArray index = m_currentMacroIndex.toLatin1();
    const QByteArray name = m_currentMacroName.toUtf8();
    std::list<MacroEventRecord> before;
    CVardexXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, index.constData(), before);
    std::list<MacroEventRecord> records;
    for (const EventText &event : events)
        records.push_back(macroModel::toRecord(event));

    // One file replacement: a crash leaves the old macro or the new one.
    if (!CVardexXML_BeginBatch(m_macroXmlPath))
        return false;
    auto write = [&](const std::list<MacroEventRecord> &list) {
        return CVardexXML_DeleteMacroNode(m_macroXmlPath, index.constData())
               && CVardexXML_CreateMacroXmlParentNode(m_macroXmlPath, index.constData(), name.constData())
               && (list.empty() || CVardexXML_AddKeyOrMouseEventItem(m_macroXmlPath, list, index.constData()));
    };
    bool ok = write(records);
    if (!ok)
        write(before);
    ok = CVardexXML_EndBatch(m_macroXmlPath) && ok;
    return ok;
}

// ---------------------------------------------------------------- selection

void DMacroPage::clearEventSelection()
{
    m_isEventSelected = false;
    m_selectedEventRow = nullptr;
    ui->lineEdit_DelayNum->clear();
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
    for (QRadioButton *button : {ui->radioButton_KeyboardEvent, ui->radioButton_MouseEvent, ui->radioButton_1left,
                                 ui->radioButton_2center, ui->radioButton_3right}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    setPropertyInputEnabled(false);
}

// Modify stays live either way: it says that an event must be selected first.
void DMacroPage::setPropertyInputEnabled(bool enabled)
{
    ui->frame_14->setEnabled(enabled);
    ui->frame_15->setEnabled(enabled);
    ui->stackedWidget_Property->setEnabled(enabled);
}

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    ui->lineEdit_PressKey->clear();
    m_selectedEventRow = row;
    if (operateExplain.contains(QLatin1String("down"))) {
        m_selectOperate = QStringLiteral("down");
        m_selectOperateCode = 0;
    } else {
        m_selectOperate = QStringLiteral("up");
        m_selectOperateCode = 1;
    }
    m_selectMark = row->mark();
    m_selectEventPosition = positionOf(row);
    ui->lineEdit_DelayNum->setText(delay);
    if (type == QLatin1String("key")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == QLatin1String("mouse")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    } else {
        // A kind this editor does not make: the panel starts as for a key.
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    }
    if (!type.contains(QLatin1String("mouse"))) {
        ui->lineEdit_PressKey->setMaxLength(qMax(1, codeName.length()));
        ui->lineEdit_PressKey->setText(codeName);
    } else {
        switch (macroModel::mouseButtonOf(keyCode.toInt())) {
        case macroModel::ButtonLeft:
            ui->radioButton_1left->setChecked(true);
            break;
        case macroModel::ButtonMiddle:
            ui->radioButton_2center->setChecked(true);
            break;
        case macroModel::ButtonRight:
            ui->radioButton_3right->setChecked(true);
            break;
        default:
            break;
        }
    }
    m_isEventSelected = true;
    setPropertyInputEnabled(true);

    for (DCatchKeyAndMouseItem *item : qAsConst(m_eventRowList))
        item->setPartnerSelected(item->mark() == m_selectMark && item->operate() != operateExplain);
    row->setPartnerSelected(true);
    for (DCatchKeyAndMouseItem *item : qAsConst(m_eventRowList)) {
        if (item->mark() == m_selectMark && item->operate() == operateExplain)
            item->setSelected(true);
    }
}

void DMacroPage::on_radioButton_Key_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Mouse);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    ui->radioButton_1left->setChecked(true);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
}

// ---------------------------------------------------------------- insert, modify

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    const int selected = positionOf(m_selectedEventRow);
    if (!m_isEventSelected || selected < 0) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    const bool key = ui->radioButton_Key->isChecked();
    if (key && m_captureKeyName.isEmpty()) {
        showNotice(tr("Please enter a key"));
        return;
    }
    // The pair must fit whole, and it adds a press.
    if (eventRowCount() + 2 > macroModel::kMaxEvents
        || macroModel::countPresses(shownEvents()) >= macroModel::kMaxPresses) {
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    const int mark = nextMarkNumber();
    qDebug() << "----------------------------------------- markNum:" << mark;
    // The position comes from the selected row itself, wherever earlier
    // inserts and moves have put it.
    const int p = ui->radioButton_InsertAfter->isChecked() ? selected + 1 : selected;
    m_selectEventPosition = selected;

    const QString markText = QString::number(mark);
    if (key) {
        insertEventRow(markText, 0, QStringLiteral("key"), m_captureKeyCode, m_captureKeyName, QStringLiteral("down"), p);
        insertEventRow(markText, 0, QStringLiteral("key"), m_captureKeyCode, m_captureKeyName, QStringLiteral("up"),
                       p + 1);
    } else {
        macroModel::MouseButton button = macroModel::ButtonLeft;
        if (ui->radioButton_MouseCenter->isChecked())
            button = macroModel::ButtonMiddle;
        else if (ui->radioButton_MouseRight->isChecked())
            button = macroModel::ButtonRight;
        const QString name = macroModel::mouseButtonName(button);
        insertEventRow(markText, 0, QStringLiteral("mouse"), macroModel::mouseMessage(button, true), name,
                       QStringLiteral("down"), p);
        insertEventRow(markText, 0, QStringLiteral("mouse"), macroModel::mouseMessage(button, false), name,
                       QStringLiteral("up"), p + 1);
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);

    if (!rewriteCurrentMacro(shownEvents())) {
        // Back to what the store holds.
        removeEventRow(m_eventRowList.takeLast());
        removeEventRow(m_eventRowList.takeLast());
        showNotice(tr("Insert failed"));
        return;
    }
    m_selectEventPosition = positionOf(m_selectedEventRow);
    showNotice(tr("Insert successful"));
    notifyMacroChanged();
    recountPresses();
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    DCatchKeyAndMouseItem *row = m_selectedEventRow;
    if (!m_isEventSelected || !row) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    QString text = ui->lineEdit_PressKey->text();
    const bool keyEvent = ui->radioButton_KeyboardEvent->isChecked();
    if (text.isEmpty() && keyEvent) {
        showNotice(tr("Please enter a key"));
        return;
    }
    int keyCode = 0;
    QString codeName;
    if (text != row->codeName()) {
        keyCode = m_captureKeyCode;
        codeName = text;
    } else {
        keyCode = row->keyCode().toInt();
        m_captureKeyCode = keyCode;
        codeName = row->codeName();
    }
    const QString type = keyEvent ? QStringLiteral("key") : QStringLiteral("mouse");
    macroModel::MouseButton button = macroModel::ButtonNone;
    if (!keyEvent) {
        if (ui->radioButton_1left->isChecked())
            button = macroModel::ButtonLeft;
        else if (ui->radioButton_2center->isChecked())
            button = macroModel::ButtonMiddle;
        else if (ui->radioButton_3right->isChecked())
            button = macroModel::ButtonRight;
        if (button != macroModel::ButtonNone) {
            keyCode = macroModel::mouseMessage(button, m_selectOperateCode == 0);
            codeName = macroModel::mouseButtonName(button);
            text = codeName;
        }
    }
    const int newDelay = macroModel::clampDelay(macroModel::toInt(ui->lineEdit_DelayNum->text()));
    const EventText selected{row->mark(), QString::number(newDelay), type, QString::number(keyCode), codeName,
                             row->operate()};

    DCatchKeyAndMouseItem *partner = nullptr;
    for (DCatchKeyAndMouseItem *item : qAsConst(m_eventRowList)) {
        if (item != row && item->mark() == m_selectMark && item->operate() != row->operate()) {
            partner = item;
            break;
        }
    }
    const int partnerOperateCode = m_selectOperateCode == 0 ? 1 : 0;
    EventText partnerEvent;
    if (partner) {
        int partnerCode = keyCode;
        if (type == QLatin1String("mouse") && button != macroModel::ButtonNone)
            partnerCode = macroModel::mouseMessage(button, partnerOperateCode == 0);
        partnerEvent = EventText{partner->mark(), partner->delay(), type, QString::number(partnerCode), codeName,
                                 partner->operate()};
    }

    // Both events of the pair change in one file replacement.
    const QByteArray index = m_currentMacroIndex.toLatin1();
    const QByteArray mark = m_selectMark.toLatin1();
    bool ok = CVardexXML_BeginBatch(m_macroXmlPath);
    if (ok) {
        ok = CVardexXML_UpdateEventItem(m_macroXmlPath, index.constData(), mark.constData(), m_selectOperateCode,
                                        macroModel::toRecord(selected));
        if (ok && partner)
            ok = CVardexXML_UpdateEventItem(m_macroXmlPath, index.constData(), mark.constData(), partnerOperateCode,
                                            macroModel::toRecord(partnerEvent));
        ok = CVardexXML_EndBatch(m_macroXmlPath) && ok;
    }
    if (!ok) {
        showNotice(tr("Modify failed"));
        // The store may hold either state now; show what it holds.
        onMacroItemMouseClicked(m_currentMacroIndex, m_currentMacroName);
        return;
    }

    m_totalDelay = m_totalDelay - macroModel::toInt(row->delay()) + newDelay;
    showTotalDelay();
    row->setEventInfo(newDelay, type, keyCode, codeName, row->operate());
    if (partner)
        partner->setEventInfo(macroModel::toInt(partnerEvent.delay), type, partnerEvent.keyCode.toInt(), codeName,
                              partner->operate());
    showNotice(tr("Modify successful"));
    notifyMacroChanged();
}

// ---------------------------------------------------------------- delete, clear, move

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row || !m_eventRowList.contains(row))
        return;
    const QString mark = row->mark();
    const QByteArray index = m_currentMacroIndex.toLatin1();
    const QByteArray markText = mark.toLatin1();
    if (!CVardexXML_DeleteEventItem(m_macroXmlPath, index.constData(), markText.constData())) {
        showNotice(tr("Delete failed"));
        return;
    }
    removeEventRow(row);
    for (DCatchKeyAndMouseItem *item : qAsConst(m_eventRowList)) {
        if (item->mark() == mark) {
            removeEventRow(item);
            break;
        }
    }
    showTotalDelay();
    notifyMacroChanged();
    clearEventSelection();
    // A lone row may have been a release: count what is left.
    recountPresses();
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (m_currentMacroName.isEmpty()) {
        showNotice(tr("Please select a macro first"));
        return;
    }
    if (!rewriteCurrentMacro({})) {
        showNotice(tr("Clear record macro failed"));
        return;
    }
    clearEventRows();
    m_eventRowList.clear();
    m_recordedEvents.clear();
    clearEventSelection();
    m_totalDelay = 0;
    ui->label_TotalTime->setText(QStringLiteral("0 MS"));
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    showNotice(tr("Clear record macro successful"));
    notifyMacroChanged();
    m_recordMacroListDownOperateNum = 0;
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    const int p = positionOf(m_selectedEventRow);
    if (!m_isEventSelected || p < 0) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    if (p == 0)
        return;
    DCatchKeyAndMouseItem *row = m_selectedEventRow;
    DCatchKeyAndMouseItem *neighbour = rowAt(p - 1);
    if (!neighbour || (neighbour->mark() == row->mark() && neighbour->operate() != row->operate()))
        return;
    const QByteArray index = m_currentMacroIndex.toLatin1();
    const QByteArray mark = row->mark().toLatin1();
    if (!CVardexXML_MacroEventItemUpOrDownOperate(m_macroXmlPath, index.constData(), mark.constData(), 1,
                                                  row->operate() == QLatin1String("down") ? 0 : 1)) {
        showNotice(tr("Move failed"));
        return;
    }
    m_eventListLayout->removeWidget(row);
    m_eventListLayout->insertWidget(p - 1, row);
    m_selectEventPosition = p - 1;
    notifyMacroChanged();
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    const int p = positionOf(m_selectedEventRow);
    if (!m_isEventSelected || p < 0) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    if (p == eventRowCount() - 1)
        return;
    DCatchKeyAndMouseItem *row = m_selectedEventRow;
    DCatchKeyAndMouseItem *neighbour = rowAt(p + 1);
    if (!neighbour || (neighbour->mark() == row->mark() && neighbour->operate() != row->operate()))
        return;
    const QByteArray index = m_currentMacroIndex.toLatin1();
    const QByteArray mark = row->mark().toLatin1();
    if (!CVardexXML_MacroEventItemUpOrDownOperate(m_macroXmlPath, index.constData(), mark.constData(), 0,
                                                  row->operate() == QLatin1String("down") ? 0 : 1)) {
        showNotice(tr("Move failed"));
        return;
    }
    m_eventListLayout->removeWidget(row);
    m_eventListLayout->insertWidget(p + 1, row);
    m_selectEventPosition = p + 1;
    notifyMacroChanged();
}
