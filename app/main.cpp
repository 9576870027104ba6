#include "app/AppStart.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/SiteCommand.h"
#include "app/Translations.h"
#include "output/PopupTexts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <thread>

int main(int argc, char *argv[])
{
    const QStringList arguments = ArgumentsOf(argc, argv);
    const TCommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.exit) {
        // The help and the complaints in the desktop's language: translations live in an
        // application object, which the window's start does not need here.
        int coreArgc = 1;
        char *coreArgv[] = {argv[0], nullptr};
        const QCoreApplication core(coreArgc, coreArgv);
        InstallTranslations();
        const TCommandLine translated = ParseCommandLine(arguments);
        PrintCommandLineText(translated);
        return translated.exitCode;
    }
    if (commandLine.site.command != TSiteCommandLine::None)
        return RunSiteCommand(commandLine.site, argv[0]);
    PrepareProcess();
    // The font configuration takes the first text drawn some 15 ms to read; the second core
    // reads it while the application object connects to the window system.
    const std::jthread fontConfiguration([] { FcInit(); });
    // Qt sees only the program name; the command line above was the program's own.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    // The first control made starts the screen-reader bridge, which waits for a connection to
    // the session bus (where there is none, the failed attempt to launch one takes some 10 ms).
    // The second core connects while the window reads its picture base.
    const std::jthread sessionBus([] { QDBusConnection::sessionBus(); });
    // A new design's popup speaks the program's language until page 3 chooses another.
    SetDefaultPopupLanguage(InstallTranslations());
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantelle_pro.VantellePro"));
    SetInitialTitle();
    EndOnSignals();
    int result = 0;
    {
        TMainForm window;
        window.show();
        // Once the window is up: the design a crash or kill left behind, if any.
        QTimer::singleShot(0, &window, [&window] { window.Files->OfferRecovery(); });
        // Then the design named on the command line, after any recovered one was offered.
        if (!commandLine.designFile.isEmpty())
            QTimer::singleShot(0, &window, [&window, &commandLine] {
                window.OpenDesignFile(commandLine.designFile);
            });
        result = QApplication::exec();
    }
    return result;
}
