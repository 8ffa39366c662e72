#ifndef DLOGINWIDGET_H
#define DLOGINWIDGET_H

#include <QWidget>

namespace Ui {
class DLoginWidget;
}

// The invisible start-up window: it stands in as the activation window until
// the main window exists and hands over to it through sigLoginFinished.
class DLoginWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DLoginWidget(QWidget *parent = nullptr);
    ~DLoginWidget() override;

    void fadeOut();

signals:
    void sigLoginFinished(bool ok);

public slots:
    void on_pushButton_Login_clicked();

private:
    Ui::DLoginWidget *ui;
};

#endif // DLOGINWIDGET_H
