#ifndef DMAINWIDGET_H
#define DMAINWIDGET_H

#include <QWidget>

// The tool's frameless main window.
class DMainWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DMainWidget(QWidget *parent = nullptr);
    ~DMainWidget() override;

    void updateEdgeCursor();
};

#endif // DMAINWIDGET_H
