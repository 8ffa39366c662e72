#include "ui/widgets/CbNotice.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

#include "ui/widgets/shapedWindow.h"

CbNotice::CbNotice(QWidget *parent)
    : QWidget(parent)
{
    if (parent) {
        // Fixed at construction: a later resize of the parent does not move it.
        m_defaultCentre = QPoint(parent->x() + parent->width() / 2, parent->height() * 2 / 3);
    } else {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 1280, 720);
        m_defaultCentre = geometry.topLeft() + QPoint(geometry.width() / 2, geometry.height() * 2 / 3);
        setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
        setAttribute(Qt::WA_TranslucentBackground);
    }

    QFont f(QStringLiteral("Microsoft YaHei"));
    f.setPixelSize(20);
    setFont(f);

    m_opacityEffect = new QGraphicsOpacityEffect(this);
    m_opacityEffect->setOpacity(1);
    setGraphicsEffect(m_opacityEffect);
    m_animation = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);

    connect(m_animation, &QPropertyAnimation::finished, this, &CbNotice::onHideAnimotionFinish);
    hide();
}

void CbNotice::showNotice()
{
    hide();
    const QSize size(fontMetrics().horizontalAdvance(m_text) + kPadding, m_height);
    // Only resized: a size fixed by an earlier message stays in force.
    resize(size);
    showAt(m_defaultCentre);
}

void CbNotice::showNotice(const QString &text)
{
    showNotice(text, QPoint());
}

void CbNotice::showNotice(const QString &text, const QPoint &centre)
{
    hide();
    m_text = text;
    setFixedSize(fontMetrics().horizontalAdvance(m_text) + kPadding, m_height);
    showAt(centre.isNull() ? m_defaultCentre : centre);
}

void CbNotice::showNoticeIn(const QString &text, const QRect &geometry)
{
    hide();
    m_text = text;
    setFixedSize(geometry.size());
    showAt(geometry.topLeft() + QPoint(geometry.width() / 2, geometry.height() / 2));
}

QSize CbNotice::sizeFor(const QString &text, int maxWidth) const
{
    const QFontMetrics metrics = fontMetrics();
    const int oneLine = metrics.horizontalAdvance(text);
    if (oneLine + kPadding <= maxWidth)
        return QSize(oneLine + kPadding, m_height);
    const auto wrappedHeight = [&](int width) {
        return metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::AlignCenter | Qt::TextWordWrap, text)
            .height();
    };
    // The narrowest width that needs no more lines than the widest one.
    int high = qMax(1, maxWidth - kPadding);
    const int height = wrappedHeight(high);
    int low = 1;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (wrappedHeight(mid) <= height)
            high = mid;
        else
            low = mid + 1;
    }
    return QSize(high + kPadding, qMax(m_height, height + kWrappedMargin));
}

void CbNotice::showAt(const QPoint &centre)
{
    move(centre.x() - width() / 2, centre.y() - height() / 2);
    m_animation->stop();
    show();
    raise();
    activateWindow();
    m_opacityEffect->setOpacity(1);
    onActiveHideAnimation();
    update();
}

void CbNotice::onActiveHideAnimation()
{
    // The effect clamps the opacity to 1, so starting above 1 keeps the toast
    // fully opaque for the visible time before the fade.
    const int total = m_visibleTime + m_fadeTime;
    m_animation->setDuration(total);
    m_animation->setStartValue(qreal(total) / 1000.0);
    m_animation->setEndValue(0.0);
    m_animation->start();
}

void CbNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

void CbNotice::setPixelSize(int pixels)
{
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
    update();
}

qreal CbNotice::currentOpacity() const
{
    return m_opacityEffect->opacity();
}

void CbNotice::mousePressEvent(QMouseEvent *event)
{
    if (event->pos().x() > 5)
        QWidget::mousePressEvent(event);
    hide();
}

QPainterPath CbNotice::outline() const
{
    const int radius = height() >= 38 ? 22 : height() / 2;
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), radius, radius);
    return path;
}

void CbNotice::resizeEvent(QResizeEvent *event)
{
    // Only the toast of its own (a window) can show black corners.
    if (isWindow())
        shapedWindow::applyShape(this, outline());
    QWidget::resizeEvent(event);
}

void CbNotice::showEvent(QShowEvent *event)
{
    if (isWindow())
        shapedWindow::applyShape(this, outline());
    QWidget::showEvent(event);
}

void CbNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    painter.drawPath(outline());
    painter.setPen(m_textColor);
    painter.setFont(font());
    // The wrapped lines keep clear of the rounded ends.
    painter.drawText(rect().adjusted(kPadding / 2 - 2, 0, 2 - kPadding / 2, 0), Qt::AlignCenter | Qt::TextWordWrap,
                     m_text);
}
