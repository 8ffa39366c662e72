#include "ui/widgets/ArrowWidget.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "ui/widgets/shapedWindow.h"

namespace {

QColor colorFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return QColor(46, 47, 80);
    return QColor(parts[0].trimmed().toInt(), parts[1].trimmed().toInt(), parts[2].trimmed().toInt(), 255);
}

} // namespace

ArrowWidget::ArrowWidget(int direction, QWidget *parent)
    : QDialog(parent)
    , m_direction(direction)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::ToolTip);
    setWindowOpacity(0.9);
    // No QGraphicsEffect here: on a top-level window it paints the whole
    // content shifted by the effect's margin, which the X11 shape then cuts.

    installEventFilter(this);
    m_fillColor = colorFromText(QStringLiteral("46,47,80"));
}

void ArrowWidget::setBubbleSize(int width, int height)
{
    setFixedSize(width, height);
}

void ArrowWidget::setArrowPosition(int x)
{
    m_arrowPosition = x;
    if (isVisible())
        shapedWindow::applyShape(this, bubblePath());
}

void ArrowWidget::setContentWidget(QWidget *content)
{
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(15, m_direction == 0 ? 25 : 15, 15, 15);
    layout->addWidget(content);
}

void ArrowWidget::showAsMenu()
{
    if (!m_menuMode) {
        m_menuMode = true;
        qApp->installEventFilter(this);
    }
    show();
}

void ArrowWidget::closeMenu()
{
    hide();
    emit sigArrowWidgetHide();
}

void ArrowWidget::hideEvent(QHideEvent *event)
{
    if (m_menuMode) {
        m_menuMode = false;
        qApp->removeEventFilter(this);
    }
    QDialog::hideEvent(event);
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Seen twice (as our own filter and as the application's): act once.
    if (watched == this && event->type() == QEvent::WindowDeactivate && isVisible()) {
        hide();
        emit sigArrowWidgetHide();
    }
    if (m_menuMode && isVisible()) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            closeMenu();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window() != this)
                closeMenu();
        }
    }
    return QDialog::eventFilter(watched, event);
}

QPainterPath ArrowWidget::bubblePath() const
{
    const int w = width();
    const int h = height();
    const int a = m_arrowPosition;
    QPainterPath path;
    if (m_direction == 0) {
        path.addRoundedRect(QRectF(15, 25, w - 30, h - 40), 5, 5);
        QPolygonF triangle;
        triangle << QPointF(a, 25) << QPointF(a + 7, 15) << QPointF(a + 15, 25);
        path.addPolygon(triangle);
    } else if (m_direction == 1) {
        path.addRoundedRect(QRectF(15, 15, w - 30, h - 30), 5, 5);
        QPolygonF triangle;
        triangle << QPointF(a, h - 15) << QPointF(a + 7, h) << QPointF(a + 15, h - 15);
        path.addPolygon(triangle);
    } else {
        path.addRoundedRect(QRectF(15, 15, w - 30, h - 30), 5, 5);
    }
    // Winding fill so the arrow and the body merge where they touch.
    path.setFillRule(Qt::WindingFill);
    return path;
}

void ArrowWidget::showEvent(QShowEvent *event)
{
    shapedWindow::applyShape(this, bubblePath());
    QDialog::showEvent(event);
}

void ArrowWidget::resizeEvent(QResizeEvent *event)
{
    shapedWindow::applyShape(this, bubblePath());
    QDialog::resizeEvent(event);
}

void ArrowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = bubblePath();
    // A soft grey halo in the 15 px margin; only a compositor can show it,
    // without one the window is clipped to the bubble itself.
    if (shapedWindow::compositingActive()) {
        painter.setBrush(Qt::NoBrush);
        for (int ring = 1; ring <= 6; ++ring) {
            painter.setPen(QPen(QColor(128, 128, 128, 60 - ring * 9), ring * 2.0));
            painter.drawPath(path);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_fillColor);
    painter.drawPath(path);
}
