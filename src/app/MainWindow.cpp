#include "MainWindow.h"

MainWindow::MainWindow(QWidget *aParent) : QMainWindow(aParent)
{
    resize(1614, 861);
}
