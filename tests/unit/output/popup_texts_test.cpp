// The words the popup script shows or says follow the design's language: each language puts
// every English word of the template into its own, as a whole script string, and English
// leaves the template as it is.

#include "output/PopupSettings.h"
#include "output/PopupTexts.h"
#include "output/ScriptBuilder.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>

namespace {

// The script strings in single quotes, decoded enough to compare: \uXXXX escapes as the
// characters.
QStringList SingleQuotedStrings(const QByteArray &script)
{
    static const QRegularExpression literal(QStringLiteral("'((?:[^'\\\\\\r\\n]|\\\\.)*)'"));
    static const QRegularExpression escape(QStringLiteral("\\\\u([0-9A-Fa-f]{4})"));
    QStringList strings;
    for (auto it = literal.globalMatch(QString::fromLatin1(script)); it.hasNext();) {
        QString text = it.next().captured(1);
        for (auto m = escape.match(text); m.hasMatch(); m = escape.match(text))
            text.replace(m.capturedStart(), m.capturedLength(),
                         QChar(m.captured(1).toUShort(nullptr, 16)));
        strings << text;
    }
    return strings;
}

TScriptValues Values(const QString &language)
{
    TScriptValues values;
    values.ScriptFolderName = QStringLiteral("page.popup");
    values.Settings.CookieName = QStringLiteral("Cookie_ID_1");
    values.Settings.Language = language;
    return values;
}

} // namespace

TEST(PopupTextsTest, EachLanguageSaysEveryWordOfTheTemplateInItsOwn)
{
    const QByteArray templateText = ScriptTemplate();
    const QStringList english = SingleQuotedStrings(BuildScript(templateText, false, Values("en")));
    ASSERT_EQ(PopupLanguages().first(), QStringLiteral("en"));
    for (const QString &language : PopupLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const QByteArray script = BuildScript(templateText, false, Values(language));
        EXPECT_FALSE(script.contains("---")) << "a placeholder is left";
        // Plain ASCII stays plain ASCII whatever the language.
        EXPECT_TRUE(std::all_of(script.begin(), script.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        const QStringList strings = SingleQuotedStrings(script);
        // The same strings in the same places: only the words differ.
        ASSERT_EQ(strings.size(), english.size());
        for (const TPopupWord &word : PopupWords(language)) {
            const QString englishWord = QString::fromLatin1(word.English.mid(1).chopped(1));
            const qsizetype times = english.count(englishWord);
            EXPECT_GT(times, 0) << "the template no longer says " << word.English.constData();
            EXPECT_EQ(strings.count(word.Text), times) << word.Text.toStdString();
        }
    }
}

TEST(PopupTextsTest, TheWordsAreThoseOfEachLanguage)
{
    struct Case {
        const char *language;
        const char16_t *close;
        const char16_t *popup;
    };
    for (const Case &c :
         {Case{"en", u"Close", u"Popup"}, Case{"de", u"Schließen", u"Popup"},
          Case{"fr", u"Fermer", u"Fenêtre pop-up"}, Case{"es", u"Cerrar", u"Ventana emergente"}}) {
        const QStringList strings = SingleQuotedStrings(
            BuildScript(ScriptTemplate(), false, Values(QLatin1String(c.language))));
        // The close control's name, the screen readers' fallback name.
        EXPECT_TRUE(strings.contains(QString::fromUtf16(c.close))) << c.language;
        EXPECT_TRUE(strings.contains(QString::fromUtf16(c.popup))) << c.language;
    }
}

TEST(PopupTextsTest, EnglishAndUnknownLanguagesLeaveTheTemplateAsItIs)
{
    const QByteArray templateText = ScriptTemplate();
    EXPECT_EQ(TranslateScriptTemplate(templateText, QStringLiteral("en")), templateText);
    EXPECT_EQ(TranslateScriptTemplate(templateText, QStringLiteral("xx")), templateText);
    EXPECT_NE(TranslateScriptTemplate(templateText, QStringLiteral("de")), templateText);
}

// The program's language chooses only what a new design starts with.
TEST(PopupTextsTest, ANewDesignStartsInTheProgramsLanguage)
{
    SetDefaultPopupLanguage(QStringLiteral("fr"));
    EXPECT_EQ(TPopupSettings().Language, QStringLiteral("fr"));
    SetDefaultPopupLanguage(QStringLiteral("it")); // not a popup language
    EXPECT_EQ(TPopupSettings().Language, QStringLiteral("en"));
    SetDefaultPopupLanguage(QString());
    EXPECT_EQ(TPopupSettings().Language, QStringLiteral("en"));
}
