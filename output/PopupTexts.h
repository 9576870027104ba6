#pragma once

// The words the popup script itself shows or says to visitors (the close control's name, the
// popup's name when the design gives screen readers no text, the link's description) in the
// languages a design can choose for its popup. They follow the design, never the program.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Language codes a popup can speak, English first: "en", "de", "fr", "es".
QStringList PopupLanguages();
bool IsPopupLanguage(const QString &code);
// The language's own name ("Deutsch"), as a list of languages shows it to everyone.
QString PopupLanguageName(const QString &code);

// The language a new design's popup speaks: the program's language when the popup can speak
// it, else English. Set once at start-up from the translation installed.
QString DefaultPopupLanguage();
void SetDefaultPopupLanguage(const QString &code);

// One of the script's words in a language: the English text as the template writes it and the
// language's text (the English one for English or an unknown language).
struct TPopupWord {
    QByteArray English;
    QString Text;
};
QList<TPopupWord> PopupWords(const QString &code);
