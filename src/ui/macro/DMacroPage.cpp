// The macro editor's frame: construction, looks, the toast, closing and the
// column widths. The operations live in DMacroPageList.cpp (macros),
// DMacroPageEvents.cpp (event rows and their editing) and
// DMacroPageRecord.cpp (recording and key capture).
#include "ui/macro/DMacroPage.h"
#include "ui_DMacroPage.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QElapsedTimer>
#include <QIntValidator>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>

#include "data/DDataManager.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/toastPlacement.h"
#include "ui/softKeyboard/DSoftKeyboardPage.h"
#include "ui/widgets/DFileChooser.h"

namespace {

const char kRecordFrameStyle[] = "QFrame#frame_Record{border-radius: 8px; border: 2px solid rgb(%1); "
                                 "background-color: rgb(32, 32, 55);}"
                                 "QFrame#frame_Record:hover{border: 2px solid rgb(%2);}";
const char kAccent[] = "255,143,31";

// Delays are typed as 0..65535; a digit that would pass the top is refused
// while typing, not left for the field to reject at the end.
class DelayValidator : public QIntValidator
{
public:
    explicit DelayValidator(QObject *parent) : QIntValidator(0, macroModel::kMaxDelay, parent) {}
    State validate(QString &input, int &pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        bool ok = false;
        const qlonglong value = input.toLongLong(&ok);
        if (state == Intermediate && ok && value > top())
            return Invalid;
        return state;
    }
};

} // namespace

DMacroPage::DMacroPage(QWidget *parent)
    : QDialog(parent),
      ui(new Ui::DMacroPage),
      m_macroXmlPath(static_cast<char *>(std::calloc(DDataManager::PathBufferSize, 1))),
      m_fileChooser(new DDialogFileChooser)
{
    ui->setupUi(this);
    applyConstructorTexts();

    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(1050, 690);
    ui->radioButton_Delay->hide();

    m_strDefaultFileDir = DFileChooser::startFolder();

    m_notice = new CbNotice(this);
    m_notice->setPixelSize(14);

    clearMacroRows();
    clearEventRows();

    auto *delayModes = new QButtonGroup(this);
    delayModes->addButton(ui->radioButton_RecordDelay, 0);
    delayModes->addButton(ui->radioButton_NoDelay, 1);
    delayModes->addButton(ui->radioButton_DefaultDelay, 2);
    ui->radioButton_InsertAfter->setChecked(true);
    ui->radioButton_Key->setChecked(true);
    ui->radioButton_MouseLeft->setChecked(true);

    m_recordFont = DDataManager::instance()->font(0);
    m_recordFont.setPointSize(12);
    m_recordFont.setPointSize(13);
    setRecordLook(false);

    auto *delayValidator = new DelayValidator(this);
    ui->lineEdit_EnterDelayNum->setValidator(delayValidator);
    ui->lineEdit_DelayNum->setValidator(delayValidator);
    ui->lineEdit_DefaultDelayNum->setValidator(delayValidator);

    ui->radioButton_RecordDelay->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
    clearEventSelection();

    ui->frame_Record->installEventFilter(this);
    ui->frame_Record->setCursor(Qt::PointingHandCursor);
    ui->lineEdit_EnterKey->installEventFilter(this);
    ui->lineEdit_PressKey->installEventFilter(this);

    DDataManager *data = DDataManager::instance();
    // The key tables come from the soft keyboard's layout; until a soft
    // keyboard has been built they are empty, and every recorded key would
    // be stored as unknown.
    if (data->virtualKeyMap().isEmpty()) {
        DSoftKeyboardPage layout;
        layout.loadKeyboardInfo(QString());
    }
    connect(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard, this, &DMacroPage::onKeyboardRecviveStream);
    connect(data, &DDataManager::sigRecviveStreamEX_MacroMouse, this, &DMacroPage::onMouseRecviveStream);
    m_keyNameMap = data->keyNameMap();
    m_virtualKeyMap = data->virtualKeyMap();

    QTimer::singleShot(200, this, &DMacroPage::onLoadMacroList);
}

DMacroPage::~DMacroPage()
{
    delete ui;
    std::free(m_macroXmlPath);
}

void DMacroPage::applyConstructorTexts()
{
    ui->label_Title->setText(tr("Macro Record"));
    ui->label_MacroGroup->setText(tr("Macro Group"));
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Create"));
    ui->label_10->setText(tr("Delay Setting"));
    ui->radioButton_RecordDelay->setText(tr("Recording delay"));
    ui->radioButton_NoDelay->setText(tr("No delay"));
    ui->radioButton_DefaultDelay->setText(tr("Default delay"));
    ui->label_12->setText(tr("Event List"));
    ui->pushButton_ClearMacroLst->setToolTip(tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(tr("Up"));
    ui->pushButton_MoveDown->setToolTip(tr("Down"));
    ui->label_14->setText(tr("Record is empty"));
    ui->label_InsertMacro->setText(tr("Insert Event"));
    ui->label_Property->setText(tr("Property"));
    ui->label_5->setText(tr("Position"));
    ui->radioButton_InsertAfter->setText(tr("Insert event after"));
    ui->radioButton_InsertBefore->setText(tr("Insert event before"));
    ui->label_6->setText(tr("Event"));
    ui->label_4->setText(tr("Event"));
    ui->radioButton_Key->setText(tr("Keyboard Event"));
    ui->radioButton_KeyboardEvent->setText(tr("Keyboard Event"));
    ui->radioButton_Mouse->setText(tr("Mouse Event"));
    ui->radioButton_MouseEvent->setText(tr("Mouse Event"));
    ui->label_7->setText(tr("Operate"));
    ui->lineEdit_EnterKey->setPlaceholderText(tr("Please enter a key"));
    ui->lineEdit_PressKey->setPlaceholderText(tr("Please enter a key"));
    ui->radioButton_MouseLeft->setText(tr("Left Click"));
    ui->radioButton_1left->setText(tr("Left Click"));
    ui->radioButton_MouseCenter->setText(tr("Center Click"));
    ui->radioButton_2center->setText(tr("Center Click"));
    ui->radioButton_MouseRight->setText(tr("Right Click"));
    ui->radioButton_3right->setText(tr("Right Click"));
    ui->pushButton_InsertMacro->setText(tr("Insert"));
    ui->pushButton_ModifyMacro->setText(tr("Modify"));
    ui->label_2->setText(tr("Delay"));
    ui->label_3->setText(tr("Press Key"));
}

bool DMacroPage::setMacroXmlPath(const char *path)
{
    return DDataManager::copyBoundedPath(m_macroXmlPath, path);
}

void DMacroPage::setFileChooser(std::unique_ptr<DFileChooser> chooser)
{
    if (chooser)
        m_fileChooser = std::move(chooser);
}

void DMacroPage::setTickSource(std::function<qint64()> ticks)
{
    m_tickSource = std::move(ticks);
}

qint64 DMacroPage::nowTick() const
{
    if (m_tickSource)
        return m_tickSource();
    // One steady clock for the process; 1 is added so that no event is
    // ever taken for "no event yet" (tick 0).
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed() + 1;
}

void DMacroPage::setRecordLook(bool recording)
{
    ui->label->setStyleSheet(QStringLiteral("QLabel#label{color: rgb(%1);}").arg(QLatin1String(kAccent)));
    ui->label->setFont(m_recordFont);
    if (recording) {
        ui->frame_Record->setStyleSheet(
            QString::fromLatin1(kRecordFrameStyle).arg(QLatin1String(kAccent), QLatin1String(kAccent)));
        ui->frame_RecordIco->setStyleSheet(QStringLiteral("border-image:url(:/images/macro/recordSel.png);"));
        ui->label->setText(tr("Stop record"));
    } else {
        ui->frame_Record->setStyleSheet(
            QString::fromLatin1(kRecordFrameStyle).arg(QStringLiteral("52, 52, 86"), QLatin1String(kAccent)));
        ui->frame_RecordIco->setStyleSheet(QStringLiteral("border-image:url(:/images/macro/recordDef.png);"));
        ui->label->setText(tr("Start record"));
    }
}

void DMacroPage::showNotice(const QString &text)
{
    m_lastNotice = text;
    // On the title bar: over the middle of the dialog a toast hides the rows
    // and buttons the user is working with.
    m_notice->showNoticeIn(text, toastPlacement::onTitleBar(this, ui->frame_Title, m_notice, text));
}

void DMacroPage::setEditingEnabled(bool enabled)
{
    ui->frame_Right->setEnabled(enabled);
    ui->frame_Center->setEnabled(enabled);
    ui->frame_29->setEnabled(enabled);
    ui->frame_34->setEnabled(enabled);
}

void DMacroPage::on_pushButton_Close_clicked()
{
    DDataManager::instance()->requestMacroRecordHook(false);
    m_isRecording = false;
    m_closeAnnounced = true;
    emit sigMacroPageClose();
    close();
}

void DMacroPage::reject()
{
    on_pushButton_Close_clicked();
}

void DMacroPage::closeEvent(QCloseEvent *event)
{
    qDebug() << "------------------------- *** closeEvent *** -------------------------";
    // A close from elsewhere (the window manager, the main window going
    // away) must neither leave the global hook withholding every key for a
    // dialog that is gone nor leave the main window dimmed.
    if (!m_closeAnnounced) {
        DDataManager::instance()->requestMacroRecordHook(false);
        m_isRecording = false;
        m_closeAnnounced = true;
        emit sigMacroPageClose();
    }
    event->accept();
}

void DMacroPage::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int q = contentsRect().width() / 10;
    ui->frame_Left->setMaximumWidth(int(double(q) * 3));
    ui->frame_Center->setMaximumWidth(int(double(q) * 4));
    ui->frame_Right->setMaximumWidth(int(double(q) * 3));
}
