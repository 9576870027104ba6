#include "app/ErrorGuard.h"

#include "app/AppStart.h"
#include "app/Dialogs.h"

#include <QPointer>
#include <QWidget>

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

namespace {
QPointer<QWidget> &ErrorBoxOwner()
{
    static QPointer<QWidget> owner;
    return owner;
}
} // namespace

void SetErrorBoxOwner(QWidget *window)
{
    ErrorBoxOwner() = window;
}

void ShowErrorBox(const QString &message)
{
    Dialogs::message(ErrorBoxOwner().data(), ApplicationTitle(), ErrorBoxText(message),
                     QMessageBox::Critical, QMessageBox::Ok);
}
