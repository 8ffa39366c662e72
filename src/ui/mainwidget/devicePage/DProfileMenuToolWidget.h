#ifndef DPROFILEMENUTOOLWIDGET_H
#define DPROFILEMENUTOOLWIDGET_H

#include <QWidget>

namespace Ui {
class DProfileMenuToolWidget;
}

// The profile menu shown in the page's bubble above the profile row: five
// entries, each announced on the release of the mouse over it.
class DProfileMenuToolWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DProfileMenuToolWidget(QWidget *parent = nullptr);
    ~DProfileMenuToolWidget() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void sigCloseMenuWidow();
    void sigProfileCreate();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileModifyName();

private:
    Ui::DProfileMenuToolWidget *ui;
};

#endif // DPROFILEMENUTOOLWIDGET_H
