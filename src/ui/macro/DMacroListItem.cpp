#include "ui/macro/DMacroListItem.h"
#include "ui_DMacroListItem.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstdlib>

#include "data/DDataManager.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui/widgets/ArrowWidget.h"
#include "vardexSdk.h"

DMacroListItem::DMacroListItem(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::DMacroListItem),
      m_macroXmlPath(static_cast<char *>(std::calloc(DDataManager::PathBufferSize, 1)))
{
    ui->setupUi(this);
    setFixedHeight(46);
    ui->label_BindingStatus->hide();
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}

DMacroListItem::~DMacroListItem()
{
    qApp->removeEventFilter(this);
    delete ui;
    std::free(m_macroXmlPath);
}

bool DMacroListItem::setMacroXmlPath(const char *path)
{
    return DDataManager::copyBoundedPath(m_macroXmlPath, path);
}

void DMacroListItem::setMacroInfo(QString index, QString name)
{
    m_macroIndex = std::move(index);
    m_macroName = std::move(name);
    ui->label_MacroName->setText(m_macroName);
}

void DMacroListItem::setSelected(bool selected)
{
    if (selected)
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
                                                  "QFrame#frame_5{background-color: rgb(%2); }")
                                       .arg(m_lineColor, m_selectedColor));
    else
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
                                                  "QFrame#frame_5:hover{\tbackground-color: rgb(%2); }")
                                       .arg(m_lineColor, m_hoverColor));
}

bool DMacroListItem::isRenaming() const
{
    return ui->stackedWidget->currentWidget() == ui->page_ModifyName;
}

void DMacroListItem::startRename()
{
    ui->lineEdit_MacroName->setText(m_macroName);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
    ui->lineEdit_MacroName->setFocus();
    ui->lineEdit_MacroName->selectAll();
}

void DMacroListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigMacroItemMouseClicked(m_macroIndex, m_macroName);
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    startRename();
}

void DMacroListItem::onCloseMenuWidow()
{
    hideMenu();
}

void DMacroListItem::hideMenu()
{
    if (!m_menuPopup || !m_menuPopup->isVisible())
        return;
    m_menuPopup->hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroModifyNanme()
{
    startRename();
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    auto *menu = new macroMenuToolWidget(this);
    connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
    connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
    connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
    connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);

    // A bubble of an earlier press is not reused.
    if (m_menuPopup)
        m_menuPopup->deleteLater();
    m_menuPopup = new ArrowWidget(0, this);
    m_menuPopup->setBubbleSize(160, 130);
    m_menuPopup->setArrowPosition(73);
    m_menuPopup->setContentWidget(menu);
    const QPoint anchor(ui->pushButton_MacroOperate->width() / 2, ui->pushButton_MacroOperate->height() - 6);
    m_menuPopup->move(ui->pushButton_MacroOperate->mapToGlobal(anchor) - QPoint(80, 20));
    // Shown without taking the activation: an activated bubble keeps the
    // keyboard focus in Qt after it hides, and the editor then gets no keys
    // (Escape, the key fields) until it is closed.
    m_menuPopup->show();
    // A bubble that never got the activation (window managers do not
    // activate pop-ups) is not hidden by losing it: a press anywhere else
    // closes it.
    qApp->installEventFilter(this);
}

bool DMacroListItem::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (!m_menuPopup || !m_menuPopup->isVisible()) {
            qApp->removeEventFilter(this);
        } else if (widget->window() != m_menuPopup) {
            hideMenu();
            qApp->removeEventFilter(this);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString name = ui->lineEdit_MacroName->text();
    if (name.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    const QByteArray index = m_macroIndex.toLatin1();
    const QByteArray utf8 = name.toUtf8();
    if (!CVardexXML_ModifyMacroNodeName(m_macroXmlPath, index.constData(), utf8.constData())) {
        emit sigModifyMacroItemNameFailed();
        return;
    }
    ui->label_MacroName->setText(name);
    m_macroName = name;
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
