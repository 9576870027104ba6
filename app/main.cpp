#include "app/MainWindow.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // The browser engine refuses to start its sandbox as root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("SoftName"));
    int result = 0;
    {
        TMainForm window;
        window.show();
        result = QApplication::exec();
    }
    return result;
}
