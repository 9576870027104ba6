#include "design_helpers.h"

#include "imaging/AdditionalPng.h"
#include "imaging/PngImage.h"

#include <QGuiApplication>

void EnsureGuiApp()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "designer_tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

std::unique_ptr<TPNGObject> SolidPicture(int width, int height, uint32_t argb)
{
    Bitmap32 bitmap(width, height);
    bitmap.fill(argb);
    auto png = std::make_unique<TPNGObject>();
    Bitmap32ToPng(bitmap, *png);
    return png;
}

// fontconfig keeps its configuration cache for the life of the process; that is not ours to
// free, so the leak check of the sanitizer build looks past it.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
