#include "output/PopupTexts.h"

namespace {

struct TLanguage {
    const char *Code;
    const char16_t *Name;
    // In the order of kEnglish below.
    const char16_t *Words[4];
};

// The template's words as it writes them, quotes included, so that a word is replaced only
// where it is a whole string.
const char *const kEnglish[4] = {"'Close'", "'Popup'", "'Go to '", "' (opens in a new window)'"};

const TLanguage kLanguages[] = {
    {"en", u"English", {u"Close", u"Popup", u"Go to ", u" (opens in a new window)"}},
    {"de",
     u"Deutsch",
     {u"Schließen", u"Popup", u"Weiter zu ", u" (öffnet sich in einem neuen Fenster)"}},
    {"fr",
     u"Français",
     {u"Fermer", u"Fenêtre pop-up", u"Aller à ", u" (s’ouvre dans une nouvelle fenêtre)"}},
    {"es",
     u"Español",
     {u"Cerrar", u"Ventana emergente", u"Ir a ", u" (se abre en una ventana nueva)"}},
};

const TLanguage *Find(const QString &code)
{
    for (const TLanguage &language : kLanguages)
        if (code == QLatin1String(language.Code))
            return &language;
    return nullptr;
}

QString &DefaultLanguage()
{
    static QString language = QStringLiteral("en");
    return language;
}

} // namespace

QStringList PopupLanguages()
{
    QStringList codes;
    for (const TLanguage &language : kLanguages)
        codes << QLatin1String(language.Code);
    return codes;
}

bool IsPopupLanguage(const QString &code)
{
    return Find(code) != nullptr;
}

QString PopupLanguageName(const QString &code)
{
    const TLanguage *language = Find(code);
    return language ? QString::fromUtf16(language->Name) : code;
}

QString DefaultPopupLanguage()
{
    return DefaultLanguage();
}

void SetDefaultPopupLanguage(const QString &code)
{
    DefaultLanguage() = IsPopupLanguage(code) ? code : QStringLiteral("en");
}

QList<TPopupWord> PopupWords(const QString &code)
{
    const TLanguage *language = Find(code);
    if (!language)
        language = &kLanguages[0];
    QList<TPopupWord> words;
    for (int i = 0; i < 4; ++i)
        words.append({QByteArray(kEnglish[i]), QString::fromUtf16(language->Words[i])});
    return words;
}
