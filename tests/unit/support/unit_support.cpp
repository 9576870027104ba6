#include "unit_support.h"

#include <QGuiApplication>

void EnsureGuiApp()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantelle_unit_tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// fontconfig keeps its configuration cache for the life of the process; that is not ours to
// free, so the leak check of the sanitizer build looks past it.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
