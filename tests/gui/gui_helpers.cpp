#include "gui_helpers.h"

#include "app/AppStart.h"
#include "base/FileStorage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace GuiTest {

void PrepareProcess()
{
    ::PrepareProcess();
}

ProgramFolder::ProgramFolder() = default;

QString ProgramFolder::path(const QString &name) const
{
    return name.isEmpty() ? m_dir.path() + QLatin1Char('/') : m_dir.filePath(name);
}

QString ProgramFolder::png(const QString &name, int width, int height, QColor color)
{
    const QString file = path(name);
    QDir().mkpath(QFileInfo(file).path());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    if (!image.save(file, "PNG"))
        qFatal("cannot write %s", qPrintable(file));
    return file;
}

QString ProgramFolder::garbage(const QString &name)
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.write("\x89PNG but then nothing that decodes");
    return file.fileName();
}

void ProgramFolder::container(const QString &name, const QStringList &sources)
{
    WriteStorage(sources, path(name));
}

QByteArray ProgramFolder::bytes(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::unique_ptr<TMainForm> openWindow(const ProgramFolder &folder)
{
    SetInitialTitle();
    auto window = std::make_unique<TMainForm>(folder.path());
    // The test programs are not in the program's folder, where its preview module is.
    window->Preview->Loader().ModuleFolders.prepend(QStringLiteral(VANTELLE_BINARY_DIR "/bin"));
    window->show();
    // Every check that follows needs the window on screen; without it the test cannot pass.
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window never appeared on the screen");
    return window;
}

QColor pixelOf(QWidget *widget, int x, int y)
{
    return widget->grab(QRect(x, y, 1, 1)).toImage().pixelColor(0, 0);
}

} // namespace GuiTest
