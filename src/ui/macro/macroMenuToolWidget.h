#ifndef MACROMENUTOOLWIDGET_H
#define MACROMENUTOOLWIDGET_H

#include <QWidget>

namespace Ui {
class macroMenuToolWidget;
}

// The menu of a macro row: Export, Delete, Modify Name. A release on one of
// them first asks the row to close the bubble, then names the action.
class macroMenuToolWidget : public QWidget
{
    Q_OBJECT
public:
    explicit macroMenuToolWidget(QWidget *parent = nullptr);
    ~macroMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::macroMenuToolWidget *ui;
};

#endif // MACROMENUTOOLWIDGET_H
