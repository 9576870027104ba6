#include "output/ScriptBuilder.h"

#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "output/PopupTexts.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <vector>

QByteArray ScriptTemplate()
{
    QFile resource(QStringLiteral(":/SCRIPT"));
    if (!resource.open(QIODevice::ReadOnly))
        throw EVantelleError(QCoreApplication::translate(
            "ScriptBuilder", "The script template is missing from the program"));
    return NormalizeLineBreaks(resource.readAll());
}

QByteArray AudienceTemplate()
{
    QFile resource(QStringLiteral(":/AUDIENCE"));
    if (!resource.open(QIODevice::ReadOnly))
        throw EVantelleError(QCoreApplication::translate(
            "ScriptBuilder", "The script template is missing from the program"));
    return NormalizeLineBreaks(resource.readAll());
}

QByteArray AudienceSettings(const TPopupSettings &settings)
{
    const TPopupSchedule &schedule = settings.Schedule;
    if (!schedule.IsSet() && settings.Devices == TPopupDevices::All)
        return QByteArray();
    const auto time = [](const QString &wallClock) {
        return wallClock.isEmpty() ? QByteArray("null")
                                   : QByteArray::number(WallClockMilliseconds(wallClock));
    };
    const QByteArray hours = schedule.HasHours
                                 ? "[" + QByteArray::number(schedule.HoursFrom) + ", " +
                                       QByteArray::number(schedule.HoursUntil) + "]"
                                 : QByteArray("null");
    return "{ from: " + time(schedule.From) + ", until: " + time(schedule.Until) + ", offset: " +
           (schedule.VisitorTime ? QByteArray("null")
                                 : QByteArray::number(schedule.UtcOffsetMinutes)) +
           ", days: " + QByteArray::number(schedule.Days & TPopupSchedule::AllDays) +
           ", hours: " + hours + ", devices: '" + DevicesName(settings.Devices).toLatin1() + "' }";
}

QByteArray PointList(const TPixelRect &rect)
{
    const int numbers[8] = {rect.Left,  rect.Bottom, rect.Left,  rect.Top,
                            rect.Right, rect.Top,    rect.Right, rect.Bottom};
    QByteArray text;
    for (int i = 0; i < 8; ++i) {
        if (i > 0)
            text += ", ";
        text += QByteArray::number(numbers[i]);
    }
    return text;
}

QByteArray EscapeScriptString(const QString &text)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        switch (c) {
        case u'\\':
            out += "\\\\";
            break;
        case u'"':
            out += "\\\"";
            break;
        case u'\'':
            out += "\\'";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'<':
            out += "\\x3C";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else if (c > 0x7F) {
                out += "\\u";
                out += hex[(c >> 12) & 0xF];
                out += hex[(c >> 8) & 0xF];
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

QByteArray BuildScript(const QByteArray &englishTemplate, bool ForPreview,
                       const TScriptValues &values)
{
    const TPopupSettings &s = values.Settings;
    // The template's own words in the design's language first; the placeholders are then
    // found in that text.
    const QByteArray templateText = TranslateScriptTemplate(englishTemplate, s.Language);
    const QByteArray size = QByteArray::number(values.DocumentSize);

    QByteArray hideCode;
    if (s.AutoClose)
        hideCode = "<script>timeHided(" + QByteArray::number(s.AutoCloseDelay) + "000)</script>";

    // With an empty link box a click on the body does nothing: the action stays empty, which
    // the script reads as no link (and the target is written all the same).
    const QString link = s.LinkURL.trimmed();
    const QByteArray action = !s.ClickOpensLink ? QByteArray("HREF='#1' onClick='close_up();'")
                              : link.isEmpty()  ? QByteArray()
                                                : "HREF='" + EscapeScriptString(link) + "'";

    const QByteArray position = s.AutoCenter
                                    ? QByteArray("width:100%;  top:50%")
                                    : "left: " + QByteArray::number(s.ManualLeft) +
                                          "px;  top: " + QByteArray::number(s.ManualTop) + "px";

    QByteArray readerText;
    if (s.ScreenReaderTextOn)
        readerText = EscapeScriptString(
            (s.ScreenReaderText.trimmed().isEmpty() ? values.DesignText : s.ScreenReaderText)
                .simplified());
    const QByteArray backdropColour =
        s.Backdrop ? QColor(QRgb(s.BackdropColor)).name(QColor::HexRgb).toUpper().toLatin1()
                   : QByteArray();

    struct Replacement {
        QByteArray placeholder;
        QByteArray text;
        qsizetype at = -1;
    };
    std::vector<Replacement> replacements = {
        {"---RandomCookie---",
         EscapeScriptString(s.CookieName.isEmpty() ? NewCookieName() : s.CookieName)},
        {"---Width---", size},
        {"---Height---", size},
        {"---Path---", FolderAddress(values.ScriptFolderName) + "/"},
        {"---ClickPoints---", PointList(values.ClickArea)},
        {"---ClosePoints---", PointList(values.CloseArea)},
        {"---HideCode---", hideCode},
        {"---Target---", s.LinkInSameWindow ? QByteArray("_self") : QByteArray("_blank")},
        {"---ActionForClick---", action},
        {"---OncePerSessionCode---", s.OncePerSession && !ForPreview
                                         ? QByteArray("<script>timeHide()</script>")
                                         : QByteArray()},
        {"---Position---", position},
        {"---ShowWhen---", ShowTriggerName(s.ShowTrigger).toLatin1()},
        {"---ShowDelay---", QByteArray::number(s.ShowDelay)},
        {"---ScrollPercent---", QByteArray::number(s.ScrollPercent)},
        // The preview shows the popup on every refresh, as it does for once per session.
        {"---RepeatDays---", QByteArray::number(ForPreview ? 0 : std::max(0, s.RepeatDays))},
        {"---BackdropColor---", backdropColour},
        {"---BackdropOpacity---", QByteArray::number(std::clamp(s.BackdropOpacity, 0, 100))},
        {"---BackdropClickCloses---", s.BackdropClickCloses ? "1" : "0"},
        {"---Entrance---", EntranceName(s.Entrance).toLatin1()},
        {"---ReaderText---", readerText},
        {"---SharpPicture---", values.HasSharpPicture ? "1" : "0"},
        {"---Audience---", QByteArray()},
    };
    for (Replacement &r : replacements)
        r.at = templateText.indexOf(r.placeholder);

    // The schedule and devices take the whole line of their placeholder; without them the line
    // goes, and the script is byte for byte the one made before they existed.
    Replacement &audience = replacements.back(); // the last entry above
    if (audience.at >= 0) {
        const qsizetype lineStart = templateText.lastIndexOf('\n', audience.at) + 1;
        const qsizetype lineEnd = templateText.indexOf('\n', audience.at);
        const qsizetype end = lineEnd < 0 ? templateText.size() : lineEnd + 1;
        const QByteArray settings = ForPreview ? QByteArray() : AudienceSettings(s);
        if (!settings.isEmpty())
            audience.text = AudienceTemplate().replace("---Audience---", settings);
        audience.placeholder = templateText.mid(lineStart, end - lineStart);
        audience.at = lineStart;
    }
    std::erase_if(replacements, [](const Replacement &r) { return r.at < 0; });
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement &a, const Replacement &b) { return a.at < b.at; });

    QByteArray script;
    script.reserve(templateText.size() + 512);
    qsizetype from = 0;
    for (const Replacement &r : replacements) {
        if (r.at < from)
            continue; // overlaps the placeholder before it
        script.append(templateText.constData() + from, r.at - from);
        script += r.text;
        from = r.at + r.placeholder.size();
    }
    script.append(templateText.constData() + from, templateText.size() - from);
    return script;
}

QByteArray TranslateScriptTemplate(const QByteArray &templateText, const QString &code)
{
    if (!IsPopupLanguage(code) || code == QLatin1String("en"))
        return templateText;
    QByteArray text = templateText;
    for (const TPopupWord &word : PopupWords(code))
        text.replace(word.English, '\'' + EscapeScriptString(word.Text) + '\'');
    return text;
}
