// The peer of the start-up bench: an empty Qt Widgets window of the size given on the command
// line, started the way the program starts its own.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int width = args.size() > 2 ? args[1].toInt() : 724;
    const int height = args.size() > 2 ? args[2].toInt() : 559;
    QWidget window;
    window.setFixedSize(width, height);
    window.show();
    return QApplication::exec();
}
