#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui_DCatchKeyAndMouseItem.h"

#include <QMouseEvent>

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget *parent)
    : QWidget(parent), ui(new Ui::DCatchKeyAndMouseItem), m_mark(std::move(mark))
{
    ui->setupUi(this);
    setFixedHeight(46);
    setAttribute(Qt::WA_StyledBackground);
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(m_mark);
    ui->frame_2->setStyleSheet(
        QStringLiteral("QFrame#frame_2{border: none; border-right: 1px solid rgb(%1); background-color: %2;}")
            .arg(m_lineColor, QStringLiteral("transparent")));
    applyLook(LookPlain);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem()
{
    delete ui;
}

void DCatchKeyAndMouseItem::setEventInfo(int delay, QString type, int keyCode, QString codeName, QString operate)
{
    if (type == QLatin1String("key"))
        ui->pushButton_EventSelect->setStyleSheet(
            QStringLiteral("QPushButton{ border-image:url(:/images/macro/keyboardSel.png);}"));
    else if (type == QLatin1String("mouse"))
        ui->pushButton_EventSelect->setStyleSheet(
            QStringLiteral("QPushButton{ border-image:url(:/images/macro/mouseSel.png);}"));
    else
        ui->pushButton_EventSelect->setStyleSheet(
            QStringLiteral("QPushButton{ border-image:url(:/images/macro/timeSel.png);}"));

    if (type == QLatin1String("key") || type == QLatin1String("mouse")) {
        if (operate == QLatin1String("down"))
            ui->pushButton_EventStatus->setStyleSheet(
                QStringLiteral("QPushButton{ border-image:url(:/images/macro/keyDownSel.png);}"));
        else if (operate == QLatin1String("up"))
            ui->pushButton_EventStatus->setStyleSheet(
                QStringLiteral("QPushButton{ border-image:url(:/images/macro/keyUpDef.png);}"));
    }

    ui->label_DelayTime->setText(QString::number(delay) + QStringLiteral(" MS"));

    QString explain = codeName;
    if (type.contains(QLatin1String("mouse"))) {
        if (codeName.contains(QLatin1String("Left")))
            explain = tr("Left Click");
        else if (codeName.contains(QLatin1String("Center")))
            explain = tr("Center Click");
        else if (codeName.contains(QLatin1String("Right")))
            explain = tr("Right Click");
        else
            explain.clear();
    }
    ui->label_CatchEventExplain->setText(explain);

    m_delay = QString::number(delay);
    m_keyCode = QString::number(keyCode);
    m_type = type;
    m_codeName = codeName;
    m_operate = operate;
}

void DCatchKeyAndMouseItem::setDelay(int delay)
{
    m_delay = QString::number(delay);
    ui->label_DelayTime->setText(m_delay + QStringLiteral(" MS"));
}

void DCatchKeyAndMouseItem::setPartnerSelected(bool on)
{
    applyLook(on ? LookPartner : LookPlain);
}

void DCatchKeyAndMouseItem::setSelected(bool on)
{
    applyLook(on ? LookSelected : LookPlain);
}

void DCatchKeyAndMouseItem::applyLook(Look look)
{
    m_look = look;
    if (look == LookPlain)
        ui->frame->setStyleSheet(
            QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}")
                .arg(m_lineColor, m_normalColor));
    else
        ui->frame->setStyleSheet(
            QStringLiteral("QFrame#frame{ border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}")
                .arg(m_lineColor, m_selectedColor));
    const QString label = QStringLiteral("QLabel{ color: rgb(%1); font: 75 10pt \"%2\"; }")
                              .arg(look == LookSelected ? m_accentTextColor : m_textColor, m_fontFamily);
    ui->label_DelayTime->setStyleSheet(label);
    ui->label_CatchEventExplain->setStyleSheet(label);
}

QString DCatchKeyAndMouseItem::explainText() const
{
    return ui->label_CatchEventExplain->text();
}

QString DCatchKeyAndMouseItem::delayText() const
{
    return ui->label_DelayTime->text();
}

bool DCatchKeyAndMouseItem::isDeleteButtonShown() const
{
    return !ui->pushButton_Delete->isHidden();
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operate);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void DCatchKeyAndMouseItem::enterEvent(QEnterEvent *event)
#else
void DCatchKeyAndMouseItem::enterEvent(QEvent *event)
#endif
{
    ui->pushButton_Delete->show();
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent *event)
{
    ui->pushButton_Delete->hide();
    QWidget::leaveEvent(event);
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    emit sigDeleteKeyAndMouseEvent();
}
