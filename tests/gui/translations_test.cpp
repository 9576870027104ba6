// The program's languages: every shipped translation is whole and keeps what the program fills
// in, and the desktop's language picks the program's texts and Qt's own.

#include "gui_helpers.h"

#include "app/Translations.h"
#include "imaging/PngErrors.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// "%1".."%99" in a text, sorted, with repeats: a translation must fill in the same values.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9][0-9]?"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallTranslations(QLocale(QLocale::English)); }

    void shippedLanguagesAreWhole_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    // Nothing left for a translator, nothing lost on the way: the values the program fills in
    // and the line breaks of every text.
    void shippedLanguagesAreWhole()
    {
        QFETCH(QString, language);
        QFile file(
            QStringLiteral(VANTELLE_SOURCE_DIR "/translations/vantelle-pro_%1.ts").arg(language));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString source;
        bool plural = false;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("TS"))
                QCOMPARE(xml.attributes().value(QLatin1String("language")).toString(), language);
            else if (xml.name() == QLatin1String("message"))
                plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == QLatin1String("translation") ||
                     xml.name() == QLatin1String("numerusform")) {
                // A plural's translation is its forms, each checked on its own.
                if (xml.name() == QLatin1String("translation")) {
                    QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(),
                             qPrintable(source));
                    if (plural)
                        continue;
                }
                // A carriage return is written as an element of its own; the text around it counts.
                const QString translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
                ++messages;
                QVERIFY2(!translation.isEmpty(), qPrintable(source));
                QVERIFY2(placeholders(translation) == placeholders(source),
                         qPrintable(source + QStringLiteral(" -> ") + translation));
                QVERIFY2(translation.count(u'\n') == source.count(u'\n'), qPrintable(source));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
    }

    void environmentNamesTheLanguages_data()
    {
        // Variables as "NAME=value" pairs; the languages as DesktopLanguages lists them and the
        // one the program then speaks ("" for English).
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char *name, QStringList variables, QStringList languages,
                            const char *spoken) {
            QTest::newRow(name) << variables << languages << QString::fromLatin1(spoken);
        };
        row("nothing set", {}, {}, "");
        row("LANG", {"LANG=de_DE.UTF-8"}, {"de_DE.UTF-8"}, "de");
        row("LANG with a modifier", {"LANG=fr_FR.UTF-8@euro"}, {"fr_FR.UTF-8@euro"}, "fr");
        row("LC_MESSAGES over LANG", {"LANG=fr_FR.UTF-8", "LC_MESSAGES=es_ES.UTF-8"},
            {"es_ES.UTF-8"}, "es");
        row("LC_ALL over LC_MESSAGES",
            {"LANG=fr_FR.UTF-8", "LC_MESSAGES=es_ES.UTF-8", "LC_ALL=de_AT.UTF-8"}, {"de_AT.UTF-8"},
            "de");
        row("LANGUAGE over LC_ALL", {"LC_ALL=de_DE.UTF-8", "LANGUAGE=es"}, {"es"}, "es");
        row("LANGUAGE in order, the first spoken wins", {"LANG=it_IT.UTF-8", "LANGUAGE=it:fr:de"},
            {"it", "fr", "de"}, "fr");
        row("English early in LANGUAGE", {"LANG=de_DE.UTF-8", "LANGUAGE=en_GB:de"}, {"en_GB", "de"},
            "");
        row("an empty LANGUAGE", {"LANG=de_DE.UTF-8", "LANGUAGE=:"}, {"de_DE.UTF-8"}, "de");
        // Asking for the C locale asks for no translation, and LANGUAGE does not override it.
        row("LANGUAGE without a locale", {"LANGUAGE=de"}, {}, "");
        row("LANGUAGE with LANG=C", {"LANG=C", "LANGUAGE=fr"}, {}, "");
        row("LC_ALL=C over LANG and LANGUAGE", {"LANG=de_DE.UTF-8", "LC_ALL=C", "LANGUAGE=de"}, {},
            "");
        row("LC_MESSAGES=POSIX", {"LANG=es_ES.UTF-8", "LC_MESSAGES=POSIX", "LANGUAGE=es"}, {}, "");
        row("C.UTF-8", {"LANG=C.UTF-8", "LANGUAGE=de"}, {}, "");
    }
    // The desktop's language as gettext programs beside this one read it from the environment.
    void environmentNamesTheLanguages()
    {
        QFETCH(QStringList, variables);
        QFETCH(QStringList, languages);
        QFETCH(QString, spoken);
        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QCOMPARE(DesktopLanguages(environment), languages);
        InstallTranslations(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(InstallTranslations(DesktopLanguages(environment)), spoken);
    }

    void desktopLanguageChoosesTheTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("programText");
        QTest::addColumn<QString>("qtText");
        const QString english =
            QStringLiteral("This \"Portable Network Graphics\" image contains no data.");
        QTest::newRow("German")
            << "de_DE"
            << "de"
            << QString::fromUtf8(
                   "Dieses PNG-Bild („Portable Network Graphics“) enthält keine Daten.")
            << "Abbrechen";
        QTest::newRow("French of Canada")
            << "fr_CA"
            << "fr"
            << QString::fromUtf8("Cette image PNG (\u00ab\u00a0Portable Network "
                                 "Graphics\u00a0\u00bb) ne contient aucune donnée.")
            << "Annuler";
        QTest::newRow("Spanish of Mexico")
            << "es_MX"
            << "es"
            << QString::fromUtf8("Esta imagen PNG («Portable Network Graphics») no contiene datos.")
            << "Cancelar";
        QTest::newRow("English") << "en_GB"
                                 << "" << english << "Cancel";
        QTest::newRow("a language not shipped") << "it_IT"
                                                << "" << english << "Cancel";
        QTest::newRow("no language") << "C"
                                     << "" << english << "Cancel";
    }
    void desktopLanguageChoosesTheTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, programText);
        QFETCH(QString, qtText);
        // Another language first: the choice replaces it rather than adding to it.
        InstallTranslations(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(InstallTranslations(QLocale(locale)), language);
        QCOMPARE(EPNGNoImageData().message(), programText);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtText);
    }
};

VANTELLE_GUI_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"
