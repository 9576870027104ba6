// vantelle-artgen: paints the program's artwork and the shipped picture base.
//
//   vantelle-artgen SOURCE_DIR [SHEET_DIR]
//
// writes SOURCE_DIR/resources/* (each picture also as NAME@2x for high-density screens),
// SOURCE_DIR/content/Templates/N.png, SOURCE_DIR/content/CloseButtons/N.png, the desktop icons in
// SOURCE_DIR/packaging/icons/hicolor/, and contact sheets for review into SHEET_DIR
// (default /tmp/vantelle-art). The output is committed; the build never runs this program.

#include "ArtKit.h"
#include "CloseButtonArt.h"
#include "ContactSheet.h"
#include "ResourceArt.h"
#include "TemplateArt.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

// Replaces a numbered picture set, so that a set that shrank leaves no stale numbers behind.
void writeNumbered(const QList<QImage> &pictures, const QString &folder)
{
    QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    for (const QString &name : dir.entryList({QStringLiteral("*.png")}, QDir::Files))
        dir.remove(name);
    for (int i = 0; i < pictures.size(); ++i)
        ArtKit::savePng(pictures[i], dir.filePath(QString::number(i + 1) + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: vantelle-artgen SOURCE_DIR [SHEET_DIR]\n");
        return 2;
    }
    const QDir source(args[1]);
    const QString sheets = args.size() > 2 ? args[2] : QStringLiteral("/tmp/vantelle-art");
    try {
        ResourceArt::writeAll(source.filePath(QStringLiteral("resources")));
        ResourceArt::writeIcons(source.filePath(QStringLiteral("packaging/icons/hicolor")),
                                QStringLiteral("com.vantelle_pro.VantellePro"));
        const QList<QImage> templates = TemplateArt::all();
        writeNumbered(templates, source.filePath(QStringLiteral("content/Templates")));
        const QList<QImage> buttons = CloseButtonArt::all();
        writeNumbered(buttons, source.filePath(QStringLiteral("content/CloseButtons")));

        const QDir sheetDir(sheets);
        sheetDir.mkpath(QStringLiteral("."));
        ArtKit::savePng(ContactSheet::resources(),
                        sheetDir.filePath(QStringLiteral("resources.png")));
        ArtKit::savePng(ContactSheet::thumbnails(templates, false),
                        sheetDir.filePath(QStringLiteral("templates-white.png")));
        ArtKit::savePng(ContactSheet::thumbnails(templates, true),
                        sheetDir.filePath(QStringLiteral("templates-checker.png")));
        ArtKit::savePng(ContactSheet::closeButtons(buttons),
                        sheetDir.filePath(QStringLiteral("close-buttons.png")));
        std::printf("%lld templates, %lld close buttons; sheets in %s\n",
                    static_cast<long long>(templates.size()),
                    static_cast<long long>(buttons.size()), qPrintable(sheets));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "vantelle-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
