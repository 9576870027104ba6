#include "app/ErrorGuard.h"

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString &message)
{
    Dialogs::message(MainForm, ApplicationTitle(), ErrorBoxText(message),
                     QMessageBox::Critical, QMessageBox::Ok);
}
