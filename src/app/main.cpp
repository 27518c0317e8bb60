#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(lanewright);
    int result = 0;
    {
        QApplication app(argc, argv);
        MainWindow window;
        window.show();
        result = app.exec();
    }
    return result;
}
