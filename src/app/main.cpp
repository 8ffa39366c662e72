#include <QApplication>

#include "ui/mainwidget/DMainWidget.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DMainWidget w;
    w.show();
    return app.exec();
}
