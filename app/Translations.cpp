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

QString InstallTranslations(const QLocale &locale)
{
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());

    // The locale's languages in the user's order of preference (LANGUAGE may list several); the
    // first the program speaks wins, and English, the language of the texts themselves, needs no
    // translation.
    QString language;
    for (QString name : locale.uiLanguages()) {
        name.replace(u'-', u'_');
        const QString base = name.section(u'_', 0, 0);
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
