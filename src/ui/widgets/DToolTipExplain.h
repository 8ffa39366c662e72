#pragma once

#include <QWidget>

class QLabel;

// The one-line body of a hover tip, placed inside an ArrowWidget.
class DToolTipExplain : public QWidget
{
    Q_OBJECT

public:
    explicit DToolTipExplain(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;

private:
    QLabel *m_label;
};
