// Recording keys and mouse buttons from the global hook into the current
// macro, and capturing one key into the Insert or Property field.
#include "ui/macro/DMacroPage.h"
#include "ui_DMacroPage.h"

#include <QDebug>
#include <QEvent>
#include <QScrollBar>

#include "data/DDataManager.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Record) {
        if (event->type() == QEvent::Enter)
            m_ignoreMouseEvents = true;
        else if (event->type() == QEvent::Leave)
            m_ignoreMouseEvents = false;
        else if (event->type() == QEvent::MouseButtonRelease)
            toggleRecording();
    } else if (watched == ui->lineEdit_EnterKey || watched == ui->lineEdit_PressKey) {
        if (event->type() == QEvent::FocusIn) {
            qDebug() << "---------------- QEvent::FocusIn -------------------";
            m_ignoreMouseEvents = true;
            DDataManager::instance()->requestMacroRecordHook(true);
        } else if (event->type() == QEvent::FocusOut) {
            qDebug() << "---------------- QEvent::FocusOut -------------------";
            // A recording that starts while a key field has the focus takes
            // the focus away; the recording keeps its hook.
            if (!m_isRecording)
                DDataManager::instance()->requestMacroRecordHook(false);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DMacroPage::toggleRecording()
{
    DDataManager *data = DDataManager::instance();
    if (!m_isRecording) {
        if (!m_currentMacroItem)
            return;
        if (!data->requestMacroRecordHook(true))
            return;
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        m_isRecording = true;
        m_markCounter = nextMarkNumber();
        // Presses held over from an earlier recording belong to another
        // macro, or to events already stored: their releases are not ours.
        m_heldPressMarks.clear();
        m_releaseKeyCode = -1;
        m_releaseCodeName.clear();
        m_releaseMark = -1;
        m_recordedEvents.clear();
        setRecordLook(true);
        showNotice(tr("Start record macro"));
        m_lastEventTick = 0;
        m_lastDelay = 0;
        showTotalDelay();
        setEditingEnabled(false);
        return;
    }

    if (!data->requestMacroRecordHook(false))
        return;
    m_isRecording = false;
    setRecordLook(false);
    showNotice(tr("Stop record macro"));
    saveRecordedEvents();
    m_recordedEvents.clear();
    m_heldPressMarks.clear();
    setEditingEnabled(true);
    notifyMacroChanged();
}

void DMacroPage::saveRecordedEvents()
{
    const QByteArray index = m_currentMacroIndex.toLatin1();
    if (!m_recordedEvents.empty()
        && !CVardexXML_AddKeyOrMouseEventItem(m_macroXmlPath, m_recordedEvents, index.constData()))
        showNotice(tr("Save record macro failed"));
    // The rows, the total and the press counter as the store has them.
    onMacroItemMouseClicked(m_currentMacroIndex, m_currentMacroName);
}

void DMacroPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    qDebug() << "------------------------- *** DMacroPage::onKeyboardRecviveStream *** -------------------------keyCode:"
             << keyCode << " scCode:" << scCode << " flag:" << flag << "  hookFlag:" << hookFlag;
    bool press = flag == 1;
    const int virtualKey = macroModel::rewriteVirtualKey(keyCode, scCode, hookFlag, press);
    qDebug() << "------------------------- *** onKeyboardRecviveStream *** -------------------------keyCode:"
             << virtualKey << " flag:" << int(press) << "  hookFlag:" << hookFlag;

    if (press && m_recordMacroListDownOperateNum >= macroModel::kMaxPresses) {
        qDebug() << "------------------------- *** onKeyboardRecviveStream *** "
                    "-------------------------m_recordMacroListDownOperateNum:"
                 << m_recordMacroListDownOperateNum;
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    const int code = m_virtualKeyMap.value(virtualKey, -1);
    const QString caption = m_keyNameMap.value(code);

    if (m_isRecording) {
        if (press) {
            ++m_recordMacroListDownOperateNum;
            recordKeyPress(caption, code);
        } else {
            m_releaseKeyCode = code;
            m_releaseCodeName = caption;
            const auto held = m_heldPressMarks.find(code);
            if (held != m_heldPressMarks.end()) {
                m_releaseMark = held.value();
                m_heldPressMarks.erase(held);
                recordKeyRelease();
            }
        }
        return;
    }

    // Key capture: the key goes into the focused key field.
    QLineEdit *field = nullptr;
    if (ui->lineEdit_EnterKey->hasFocus())
        field = ui->lineEdit_EnterKey;
    else if (ui->lineEdit_PressKey->hasFocus())
        field = ui->lineEdit_PressKey;
    if (!field)
        return;
    m_captureKeyName = caption;
    m_captureKeyCode = code;
    qDebug() << "---------------------*** Insert/Modify charDefDec:" << code << "  strKeyChar:" << caption;
    field->setMaxLength(qMax(1, caption.length()));
    field->setText(caption);
}

void DMacroPage::onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(nCode)
    Q_UNUSED(lParam)
    if (m_ignoreMouseEvents || !m_isRecording)
        return;
    const int message = int(wParam);
    const QString name = macroModel::mouseCodeName(message);
    if (macroModel::isMousePressMessage(message))
        recordMousePress(name, message);
    else if (macroModel::isMouseReleaseMessage(message))
        recordMouseRelease(name, message);
    else
        return;
    qDebug() << "-------------- *** onMouseRecviveStream  mouse_data_callback:" << name;
}

bool DMacroPage::pressFits() const
{
    // Room for this pair and for the release of every press still held.
    return eventRowCount() + m_heldPressMarks.size() + 2 <= macroModel::kMaxEvents;
}

void DMacroPage::recordKeyPress(QString codeName, int keyCode)
{
    if (!pressFits()) {
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    ++m_markCounter;
    m_heldPressMarks.insert(keyCode, m_markCounter);
    const qint64 now = nowTick();
    if (m_lastEventTick != 0)
        m_lastDelay = macroModel::clampDelay(now - m_lastEventTick);
    m_lastEventTick = now;
    addRecordedEvent(QString::number(m_markCounter), m_lastDelay, QStringLiteral("key"), keyCode, codeName,
                     QStringLiteral("down"));
}

void DMacroPage::recordKeyRelease()
{
    const qint64 now = nowTick();
    m_lastDelay = macroModel::clampDelay(now - m_lastEventTick);
    m_lastEventTick = now;
    addRecordedEvent(QString::number(m_releaseMark), m_lastDelay, QStringLiteral("key"), m_releaseKeyCode,
                     m_releaseCodeName, QStringLiteral("up"));
}

void DMacroPage::recordMousePress(QString codeName, int code)
{
    if (!pressFits()) {
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    ++m_markCounter;
    m_heldPressMarks.insert(code, m_markCounter);
    const qint64 now = nowTick();
    if (m_lastEventTick != 0)
        m_lastDelay = macroModel::clampDelay(now - m_lastEventTick);
    m_lastEventTick = now;
    addRecordedEvent(QString::number(m_markCounter), m_lastDelay, QStringLiteral("mouse"), code, codeName,
                     QStringLiteral("down"));
}

void DMacroPage::recordMouseRelease(QString codeName, int code)
{
    const auto held = m_heldPressMarks.find(code - 1);
    if (held == m_heldPressMarks.end())
        return;
    m_releaseMark = held.value();
    m_heldPressMarks.erase(held);
    const qint64 now = nowTick();
    m_lastDelay = macroModel::clampDelay(now - m_lastEventTick);
    m_lastEventTick = now;
    addRecordedEvent(QString::number(m_releaseMark), m_lastDelay, QStringLiteral("mouse"), code, codeName,
                     QStringLiteral("up"));
}

int DMacroPage::delayForMode(int measured) const
{
    if (ui->radioButton_NoDelay->isChecked())
        return 0;
    if (ui->radioButton_DefaultDelay->isChecked())
        return macroModel::clampDelay(macroModel::toInt(ui->lineEdit_DefaultDelayNum->text()));
    return macroModel::clampDelay(measured);
}

bool DMacroPage::addRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName,
                                  QString operate)
{
    if (eventRowCount() >= macroModel::kMaxEvents) {
        showNotice(tr("The record of events has reached the limit"));
        return false;
    }
    const int stored = delayForMode(delay);
    const macroModel::EventText event{mark, QString::number(stored), type, QString::number(keyCode), codeName,
                                      operate};
    m_recordedEvents.push_back(macroModel::toRecord(event));
    m_totalDelay += stored;
    showTotalDelay();
    DCatchKeyAndMouseItem *row = createEventRow(event);
    m_eventListLayout->insertWidget(m_eventListLayout->count() - 1, row);
    m_eventRowList.append(row);
    QScrollBar *bar = ui->scrollArea_3->verticalScrollBar();
    const int value = bar->maximum() + 40;
    qDebug() << "------------------------------------------ setScrollAreaIndex:" << value;
    bar->setValue(value);
    return true;
}
