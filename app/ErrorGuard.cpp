#include "app/ErrorGuard.h"

#include "app/Dialogs.h"
#include "app/MainWindow.h"

#include <QGuiApplication>

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString &message)
{
    Dialogs::message(MainForm, QGuiApplication::applicationDisplayName(), ErrorBoxText(message),
                     QMessageBox::Critical, QMessageBox::Ok);
}
