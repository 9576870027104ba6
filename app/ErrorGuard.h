#pragma once

// Every control handler of every page runs inside Guarded(): an error ends that user action,
// is shown in the standard error box, and the program goes on with the next event.

#include "imaging/VantelleError.h"

#include <QString>

class QWidget;

#include <concepts>
#include <exception>
#include <utility>

// The text of the standard error box: the message with a full stop added when its last
// character sorts after ".".
QString ErrorBoxText(const QString &message);
// The standard error box: critical icon, one OK button, the application title as caption,
// centred over the window set below.
void ShowErrorBox(const QString &message);
// The window the error boxes belong to (the main window sets itself; null for none).
void SetErrorBoxOwner(QWidget *window);

template <class F> void Guarded(F &&f)
{
    try {
        std::forward<F>(f)();
    } catch (const EVantelleError &e) {
        ShowErrorBox(e.message());
    } catch (const std::exception &e) {
        ShowErrorBox(QString::fromLocal8Bit(e.what()));
    }
}

// Wraps a handler for QObject::connect: guarded([this] { FooClick(); }). The returned callable
// takes whatever arguments the signal passes on to f.
template <class F> auto guarded(F f)
{
    return [f = std::move(f)]<class... A>
    requires std::invocable<const F &, A...>(A && ...args)
    {
        Guarded([&] { f(std::forward<A>(args)...); });
    };
}
