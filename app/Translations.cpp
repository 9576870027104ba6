#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// One of each for the process: installing again replaces the language instead of stacking.
QTranslator &programTranslator()
{
    static QTranslator translator;
    return translator;
}

QTranslator &qtTranslator()
{
    static QTranslator translator;
    return translator;
}

} // namespace

QStringList DesktopLanguages(const QProcessEnvironment &environment)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(name));
        if (!locale.isEmpty())
            break;
    }
    // "C.UTF-8" is the C locale with another character set: no language either.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
        locale.startsWith(QLatin1String("C.")))
        return {};
    QStringList languages;
    for (const QString &language :
         environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts))
        languages << language;
    if (languages.isEmpty())
        languages << locale;
    return languages;
}

QString InstallTranslations(const QStringList &languages)
{
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());

    // The locale's languages in the user's order of preference (LANGUAGE may list several); the
    // first the program speaks wins, and English, the language of the texts themselves, needs no
    // translation.
    QString language;
    for (QString name : languages) {
        name.replace(u'-', u'_');
        // "de_DE.UTF-8@euro", "de-Latn-DE", "de": the language is the part before the first
        // separator.
        const QString base = name.section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0);
        if (base == QLatin1String("en") || base == QLatin1String("C"))
            break;
        if (programTranslator().load(QStringLiteral("vantelle-pro_") + base,
                                     QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(&programTranslator());
            language = base;
            break;
        }
    }
    // Qt's texts only beside the program's, so a window is never half in another language.
    if (!language.isEmpty() &&
        qtTranslator().load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
    return language;
}
