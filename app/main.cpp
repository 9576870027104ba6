#include "app/AppStart.h"
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    PrepareProcess();
    QApplication app(argc, argv);
    SetInitialTitle();
    int result = 0;
    {
        TMainForm window;
        window.show();
        result = QApplication::exec();
    }
    return result;
}
