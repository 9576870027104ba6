#include "app/AppStart.h"

#include <QApplication>

#include <unistd.h>

void PrepareProcess()
{
    // The browser engine refuses to start its sandbox as root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

namespace {

QString &title()
{
    static QString t;
    return t;
}

} // namespace

void SetInitialTitle()
{
    SetApplicationTitle(QStringLiteral("SoftName"));
}

QString ApplicationTitle()
{
    return title();
}

void SetApplicationTitle(const QString &text)
{
    title() = text;
}
