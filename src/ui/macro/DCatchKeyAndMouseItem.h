#ifndef DCATCHKEYANDMOUSEITEM_H
#define DCATCHKEYANDMOUSEITEM_H

#include <QWidget>

namespace Ui {
class DCatchKeyAndMouseItem;
}

// One event row of the macro editor: delay, type and press/release icons,
// the key or button, and a delete button shown while the pointer is over
// the row. A press and its release are two rows sharing one mark.
class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT
public:
    explicit DCatchKeyAndMouseItem(QString mark, QWidget *parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setEventInfo(int delay, QString type, int keyCode, QString codeName, QString operate);
    void setDelay(int delay);
    // The looks: the selected event, its partner, or (false) the plain row.
    void setPartnerSelected(bool on);
    void setSelected(bool on);

    QString mark() const { return m_mark; }
    QString delay() const { return m_delay; }
    QString type() const { return m_type; }
    QString keyCode() const { return m_keyCode; }
    QString codeName() const { return m_codeName; }
    QString operate() const { return m_operate; }

    // What the row shows (for checks of the look).
    QString explainText() const;
    QString delayText() const;
    bool isDeleteButtonShown() const;
    bool isSelectedLook() const { return m_look == LookSelected; }
    bool isPartnerLook() const { return m_look == LookPartner; }

signals:
    void sigKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName, QString operate);
    void sigDeleteKeyAndMouseEvent();

protected:
    void mousePressEvent(QMouseEvent *event) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEnterEvent *event) override;
#else
    void enterEvent(QEvent *event) override;
#endif
    void leaveEvent(QEvent *event) override;

private slots:
    void on_pushButton_Delete_clicked();

private:
    enum Look { LookPlain, LookPartner, LookSelected };
    void applyLook(Look look);

    Ui::DCatchKeyAndMouseItem *ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operate;
    QString m_lineColor = QStringLiteral("52,52,86");
    QString m_selectedColor = QStringLiteral("42,42,65");
    QString m_normalColor = QStringLiteral("32,32,55");
    QString m_textColor = QStringLiteral("175,175,175");
    QString m_accentTextColor = QStringLiteral("255,143,31");
    QString m_fontFamily = QStringLiteral("Microsoft YaHei");
    Look m_look = LookPlain;
};

#endif // DCATCHKEYANDMOUSEITEM_H
