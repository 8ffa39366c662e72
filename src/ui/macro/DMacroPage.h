#ifndef DMACROPAGE_H
#define DMACROPAGE_H

#include <QDialog>
#include <QFont>
#include <QList>
#include <QMap>
#include <QPointer>

#include <functional>
#include <list>
#include <memory>

#include "platform/winCompat.h"
#include "ui/macro/macroEventModel.h"
#include "vardexSdk.h"

class CbNotice;
#include "ui/macro/DCatchKeyAndMouseItem.h"
class DFileChooser;
#include "ui/macro/DMacroListItem.h"
class QVBoxLayout;

namespace Ui {
class DMacroPage;
}

// The macro editor: the list of macros with add, rename, delete, export and
// import; the selected macro's events with recording, insertion, editing
// and moving. Every change of a macro's events goes to the macro store at
// once and is announced with sigMacroListHaveChanged, so that profiles
// binding the macro take its new events.
class DMacroPage : public QDialog
{
    Q_OBJECT
public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    // False (and the path left unset) when the path does not fit 256 bytes.
    bool setMacroXmlPath(const char *path);

    // The file and folder questions; the dialog keeps ownership of a chooser
    // set here. Tests answer in place of the user.
    void setFileChooser(std::unique_ptr<DFileChooser> chooser);
    // Milliseconds of a steady clock, for the recorded delays.
    void setTickSource(std::function<qint64()> ticks);

    // State, as the tests and the main window look at it.
    QString currentMacroIndex() const { return m_currentMacroIndex; }
    QString currentMacroName() const { return m_currentMacroName; }
    bool isRecording() const { return m_isRecording; }
    int totalDelay() const { return m_totalDelay; }
    int pressCount() const { return m_recordMacroListDownOperateNum; }
    QList<DCatchKeyAndMouseItem *> eventRows() const;
    QList<DMacroListItem *> macroRows() const { return m_macroItemList; }
    QString lastNotice() const { return m_lastNotice; }

    int nextMarkNumber();
    void insertEventRow(QString mark, int delay, QString type, int keyCode, QString codeName, QString operate,
                        int position);
    void notifyMacroChanged();
    void loadMacroList();
    void clearMacroRows();
    void clearEventRows();
    void toggleRecording();

signals:
    void sigMacroPageClose();
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);

public slots:
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam);
    void onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                QString operateExplain);
    void onDeleteKeyAndMouseEvent();
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onLoadMacroList();
    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onModifyMacroItemNameFailed();
    void onExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void onDeleteMacro(QString strMacroIndex, QString strMacroName);
    void on_pushButton_Close_clicked();
    void on_pushButton_Import_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_ClearMacroLst_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();
    void on_pushButton_InsertMacro_clicked();
    void on_pushButton_ModifyMacro_clicked();

private:
    // Construction and looks (DMacroPage.cpp)
    void applyConstructorTexts();
    void setRecordLook(bool recording);
    void showNotice(const QString &text);
    void setEditingEnabled(bool enabled);

    // Recording (DMacroPageRecord.cpp)
    void recordKeyPress(QString codeName, int keyCode);
    void recordKeyRelease();
    void recordMousePress(QString codeName, int code);
    void recordMouseRelease(QString codeName, int code);
    // False when the event was refused at the event limit.
    bool addRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName, QString operate);
    void saveRecordedEvents();
    int delayForMode(int measured) const;
    qint64 nowTick() const;
    // Whether a press may start a pair now: the press and every release
    // still owed must fit the event limit.
    bool pressFits() const;

    // Shared event helpers (DMacroPageEvents.cpp)
    DCatchKeyAndMouseItem *createEventRow(const macroModel::EventText &event);
    int eventRowCount() const;
    int positionOf(DCatchKeyAndMouseItem *row) const;
    DCatchKeyAndMouseItem *rowAt(int position) const;
    QList<macroModel::EventText> shownEvents() const;
    void showTotalDelay();
    void recountPresses();
    // No event selected: the Property panel empties and takes no input.
    void clearEventSelection();
    void setPropertyInputEnabled(bool enabled);
    // The whole macro replaced by `events`, in one atomic store write.
    bool rewriteCurrentMacro(const QList<macroModel::EventText> &events);
    void removeEventRow(DCatchKeyAndMouseItem *row);

    // Macro list helpers (DMacroPageList.cpp)
    DMacroListItem *createMacroRow(const QString &index, const QString &name);
    QByteArray localPath(const QString &path, bool *fits) const;

    Ui::DMacroPage *ui;
    QString m_strDefaultFileDir;
    char *m_macroXmlPath;
    QVBoxLayout *m_macroListLayout = nullptr;
    QVBoxLayout *m_eventListLayout = nullptr;
    CbNotice *m_notice = nullptr;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyMap;
    QFont m_recordFont;
    std::unique_ptr<DFileChooser> m_fileChooser;
    std::function<qint64()> m_tickSource;
    QString m_lastNotice;
    bool m_closeAnnounced = false;

    // The macro list
    QPointer<DMacroListItem> m_currentMacroItem;
    QList<DMacroListItem *> m_macroItemList;
    bool m_selectFirstMacroItem = false;
    QString m_currentMacroIndex;
    QString m_currentMacroName;

    // The events of the current macro
    QList<DCatchKeyAndMouseItem *> m_eventRowList;
    std::list<MacroEventRecord> m_recordedEvents;
    int m_totalDelay = 0;
    int m_recordMacroListDownOperateNum = 0;

    // The selected event
    bool m_isEventSelected = false;
    QPointer<DCatchKeyAndMouseItem> m_selectedEventRow;
    QString m_selectMark;
    QString m_selectOperate;
    int m_selectOperateCode = -1;
    int m_selectEventPosition = 0;

    // Recording and key capture
    bool m_isRecording = false;
    bool m_ignoreMouseEvents = false;
    qint64 m_lastEventTick = 0;
    int m_lastDelay = 0;
    int m_markCounter = 0;
    QMap<int, int> m_heldPressMarks;
    int m_releaseKeyCode = -1;
    QString m_releaseCodeName;
    int m_releaseMark = -1;
    int m_captureKeyCode = -1;
    QString m_captureKeyName;
};

#endif // DMACROPAGE_H
