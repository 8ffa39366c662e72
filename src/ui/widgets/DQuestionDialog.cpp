#include "ui/widgets/DQuestionDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The colours of the pages' panels and outlined buttons.
const QColor kPanel(34, 34, 58);
const QColor kEdge(52, 52, 86);

const char kSheet[] =
    "QLabel#label_Title { color: rgb(255, 143, 31); font-family: \"Microsoft YaHei\"; font-size: 11pt;"
    " font-weight: bold; background: transparent; }"
    "QLabel#label_Text { color: rgb(175, 175, 175); font-family: \"Microsoft YaHei\"; font-size: 11pt;"
    " background: transparent; }"
    "QPushButton { color: rgb(255, 143, 31); font-family: \"Microsoft YaHei\"; font-size: 10pt; font-weight: bold;"
    " background: transparent; border: 2px solid rgb(52, 52, 86); border-radius: 6px; min-width: 80px;"
    " min-height: 30px; padding: 0 12px; outline: 0; }"
    "QPushButton:hover, QPushButton:focus { border-color: rgb(255, 143, 31); }"
    "QPushButton:pressed { background-color: rgb(52, 52, 86); }";

} // namespace

DQuestionDialog::DQuestionDialog(const QString &title, const QString &text, const QString &yesText,
                                 const QString &noText, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_title(new QLabel(title, this))
    , m_text(new QLabel(text, this))
    , m_yes(new QPushButton(yesText, this))
    , m_no(new QPushButton(noText, this))
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("DQuestionDialog"));
    setStyleSheet(QLatin1String(kSheet));
    m_title->setObjectName(QStringLiteral("label_Title"));
    m_text->setObjectName(QStringLiteral("label_Text"));
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(300);
    m_text->setTextInteractionFlags(Qt::NoTextInteraction);
    m_yes->setObjectName(QStringLiteral("pushButton_Yes"));
    m_no->setObjectName(QStringLiteral("pushButton_No"));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 20);
    layout->setSpacing(14);
    layout->addWidget(m_title);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
    setYesDefault(true);
}

void DQuestionDialog::setYesDefault(bool yes)
{
    QPushButton *preferred = yes ? m_yes : m_no;
    (yes ? m_no : m_yes)->setDefault(false);
    preferred->setDefault(true);
    preferred->setFocus();
}

bool DQuestionDialog::ask(QWidget *parent, const QString &title, const QString &text, const QString &yesText,
                          const QString &noText, bool yesIsDefault)
{
    DQuestionDialog dialog(title, text, yesText, noText, parent);
    dialog.setYesDefault(yesIsDefault);
    return dialog.exec() == QDialog::Accepted;
}

void DQuestionDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kPanel);
    painter.setPen(kEdge);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// Frameless: the panel itself moves the window.
void DQuestionDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->globalPos() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void DQuestionDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton && !m_dragFrom.isNull())
        move(event->globalPos() - m_dragFrom);
    QDialog::mouseMoveEvent(event);
}
