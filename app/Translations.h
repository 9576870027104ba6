#pragma once

#include <QLocale>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The languages the desktop asks for, best first, read from the environment as gettext programs
// read it: the messages locale is LC_ALL, else LC_MESSAGES, else LANG; when it is unset, "C" or
// "POSIX" the user asked for no translation and the list is empty, whatever LANGUAGE says;
// otherwise LANGUAGE, a colon-separated list, wins when it names any language, and the messages
// locale is the only entry when it does not. Entries keep their form ("de_DE.UTF-8", "pt_BR").
QStringList
DesktopLanguages(const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Installs the translations for the first of the languages the program speaks on the running
// application: Qt's own (the standard dialogs and buttons) and the program's. English, the
// language of the texts themselves, ends the search. Returns the language installed ("de",
// "fr", "es"), or an empty string when the program speaks English.
QString InstallTranslations(const QStringList &languages);
inline QString InstallTranslations(const QLocale &locale)
{
    return InstallTranslations(locale.uiLanguages());
}
inline QString InstallTranslations()
{
    return InstallTranslations(DesktopLanguages());
}
