#include "app/AppStart.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

void PrepareProcess()
{
    // The browser engine refuses to start its sandbox as root.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
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

namespace {

// A signal handler may do almost nothing: it writes one byte into a pipe, whose other end the
// event loop watches.
int signalPipe[2] = {-1, -1};

void OnEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void EndOnSignals()
{
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier =
        new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        // exit(), not quit(): quit() would ask every window to close, and the window would ask
        // about unsaved changes, which nobody is there to answer.
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
