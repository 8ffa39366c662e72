#pragma once

#include "ui/widgets/CbNoticeInterface.h"

#include <QColor>
#include <QPainterPath>
#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// The toast: a rounded label that appears at a point, stays fully visible
// for 1300 ms, fades out over 1000 ms and hides itself. A click hides it
// at once.
class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT

public:
    explicit CbNotice(QWidget *parent = nullptr);

    void showNotice() override;
    void showNotice(const QString &text) override;
    void showNotice(const QString &text, const QPoint &centre) override;
    // Shown with the given geometry (in the parent's coordinates), as
    // sizeFor() measured it.
    void showNoticeIn(const QString &text, const QRect &geometry);

    // The toast's size for text: one line when that is at most maxWidth
    // wide, otherwise the text wrapped into the fewest lines that maxWidth
    // allows, each as short as that line count permits.
    QSize sizeFor(const QString &text, int maxWidth = QWIDGETSIZE_MAX) const;

    void setPixelSize(int pixels);

    QString text() const { return m_text; }
    QPoint defaultCentre() const { return m_defaultCentre; }
    int visibleTime() const { return m_visibleTime; }
    int fadeTime() const { return m_fadeTime; }
    // Opacity as the effect applies it (0..1).
    qreal currentOpacity() const;

signals:
    void sigFinished();

public slots:
    void onActiveHideAnimation();
    void onHideAnimotionFinish();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPainterPath outline() const;

    void showAt(const QPoint &centre);

    static constexpr int kPadding = 36;      // beside the text, both ends together
    static constexpr int kWrappedMargin = 4; // above and below wrapped lines, together

    int m_height = 40;
    int m_visibleTime = 1300;
    int m_fadeTime = 1000;
    QColor m_textColor{255, 143, 31};
    QColor m_backgroundColor{52, 52, 85, 200};
    QPoint m_defaultCentre;
    QString m_text;
    QPropertyAnimation *m_animation;
    QGraphicsOpacityEffect *m_opacityEffect;
};
