#pragma once

#include <QLocale>
#include <QString>

// Installs the translations for a language on the running application: Qt's own (the standard
// dialogs and buttons) and the program's. The desktop's language is QLocale(), which follows
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG. Returns the language of the program's translation that
// was installed ("de", "fr", "es"), or an empty string when the program speaks English.
QString InstallTranslations(const QLocale &locale = QLocale());
