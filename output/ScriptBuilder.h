#pragma once

// The popup's script.js: the template carried in the program with its eleven placeholders
// filled from the design and the behaviour settings.

#include "output/PixelRect.h"
#include "output/PopupSettings.h"

#include <QByteArray>
#include <QString>

// Everything BuildScript reads besides the template, taken at the moment of generation.
struct TScriptValues {
    int DocumentSize = 500;
    QString ScriptFolderName;
    TPixelRect ClickArea;
    TPixelRect CloseArea;
    TPopupSettings Settings;
    // The design's texts in reading order, for the screen-reader text the settings leave empty.
    QString DesignText;
    // Whether logo@2x.png was written beside logo.png.
    bool HasSharpPicture = false;
};

// The template resource read as lines and joined again with CR LF after every line.
QByteArray ScriptTemplate();

// The part of the script that keeps the popup to its schedule and devices, as a template.
QByteArray AudienceTemplate();

// The settings of that part as a script object, or empty when the popup shows always and on
// every device: the line of the template that takes the part is then left out altogether.
QByteArray AudienceSettings(const TPopupSettings &settings);

// Fills the first occurrence of each placeholder of the template: the eleven of the header and
// the newer options' after it. All are found in the template as given and filled in one pass,
// so no inserted text is ever searched again. The preview leaves out the once-per-visitor
// marks, the schedule and the devices, so that it always shows the popup.
QByteArray BuildScript(const QByteArray &templateText, bool ForPreview,
                       const TScriptValues &values);

// The four corners of a rectangle: (Left, Bottom), (Left, Top), (Right, Top), (Right, Bottom).
QByteArray PointList(const TPixelRect &rect);

// Text for the inside of a script string literal in either kind of quotes: quotes, backslashes,
// "<", control characters and everything outside printable ASCII are escaped, so the literal's
// value is exactly the given text and the file stays plain ASCII.
QByteArray EscapeScriptString(const QString &text);

// The script template with its English words, each a whole string literal in single quotes,
// put into the popup's language (escaped as script strings, see PopupTexts.h). English, or a
// language the popup cannot speak, gives the template unchanged.
QByteArray TranslateScriptTemplate(const QByteArray &templateText, const QString &code);
