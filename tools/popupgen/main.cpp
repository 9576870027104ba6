// vantelle-popupgen: the output of "Add popup" (or "Save files", or a preview) from the
// command line. Positions are picture coordinates; colours are hexadecimal AARRGGBB.

#include "designer/DesignModel.h"
#include "designer/MovingObject.h"
#include "document/DesignDocument.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "output/PopupTexts.h"
#include "output/PopupWriter.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

// A flag that cannot be read: the usage is wrong, as with an unknown option (status 2).
class EUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// --from, --until, --days, --hours and --devices. A time with Z or an offset names the
// schedule's clock (both ends then name the same); without, the visitor's own clock counts.
void ReadAudience(const QCommandLineParser &args, TPopupSettings &s)
{
    TPopupSchedule &schedule = s.Schedule;
    bool named = false;
    for (const char *flag : {"from", "until"}) {
        if (!args.isSet(flag))
            continue;
        const QString text = args.value(flag);
        QString wallClock;
        bool hasOffset = false;
        int32_t offset = 0;
        if (!ParseScheduleTime(text, wallClock, hasOffset, offset))
            throw EUsage(std::string("--") + flag + " takes a date and time such as " +
                         "2026-12-24T18:00, 2026-12-24T18:00Z or 2026-12-24T18:00+01:00, not " +
                         text.toStdString());
        if (hasOffset != !schedule.VisitorTime && named)
            throw EUsage("--from and --until must both name the same clock (Z or an offset), "
                         "or neither");
        if (hasOffset && named && offset != schedule.UtcOffsetMinutes)
            throw EUsage("--from and --until name different offsets from UTC; give both on one "
                         "clock");
        named = true;
        schedule.VisitorTime = !hasOffset;
        schedule.UtcOffsetMinutes = offset;
        (std::string(flag) == "from" ? schedule.From : schedule.Until) = wallClock;
    }
    if (args.isSet("days") && !ParseWeekDays(args.value("days"), schedule.Days))
        throw EUsage("--days takes day names separated by commas (mon,tue,wed,thu,fri,sat,sun), "
                     "not " +
                     args.value("days").toStdString());
    if (args.isSet("hours")) {
        if (!ParseDailyHours(args.value("hours"), schedule.HoursFrom, schedule.HoursUntil))
            throw EUsage("--hours takes two times of the day as HH:MM-HH:MM (such as "
                         "09:00-17:30), not " +
                         args.value("hours").toStdString());
        schedule.HasHours = true;
    }
    if (args.isSet("devices") && !DevicesFromName(args.value("devices"), s.Devices))
        throw EUsage("--devices takes all, touch or desktop, not " +
                     args.value("devices").toStdString());
    try {
        CheckPopupSchedule(schedule);
    } catch (const EVantelleError &e) {
        throw EUsage(e.message().toStdString());
    }
}

uint32_t ParseColour(const QString &text)
{
    bool ok = false;
    const uint32_t value = text.toUInt(&ok, 16);
    if (!ok)
        throw std::runtime_error("not a hexadecimal AARRGGBB colour: " + text.toStdString());
    return value;
}

int ParseInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw std::runtime_error("not a whole number: " + text.toStdString());
    return value;
}

QPoint ParsePoint(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        throw std::runtime_error("expected X,Y: " + text.toStdString());
    return QPoint(ParseInt(parts[0]), ParseInt(parts[1]));
}

// A square picture of one colour, or that colour as a disc on a transparent square.
void SyntheticPicture(TPNGObject &picture, int width, int height, uint32_t colour, bool disc)
{
    Bitmap32 image(width, height);
    const double cx = (width - 1) / 2.0;
    const double cy = (height - 1) / 2.0;
    const double r = std::min(width, height) / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool inside = !disc || (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
            image.setPixel(x, y, inside ? colour : 0u);
        }
    Bitmap32ToPng(image, picture);
}

// The design is made as the window makes it, in a design document, and written by the same
// popup source as the window's Add popup.
int Run(const QCommandLineParser &args)
{
    TDesignDocument document;
    const int size = args.isSet("size") ? ParseInt(args.value("size")) : 300;
    if (size < 2 || size > 500)
        throw std::runtime_error("--size must lie between 2 and 500");
    document.DocumentSize = size;
    const int origin = DocumentOrigin(size);

    TPNGObject templatePicture;
    if (args.isSet("template"))
        templatePicture.loadFromFile(args.value("template"));
    else
        SyntheticPicture(templatePicture, 64, 64,
                         ParseColour(args.isSet("disc") ? args.value("disc") : args.value("fill")),
                         args.isSet("disc"));
    document.SetTemplate(DesignPictureOf(templatePicture));

    document.Model.CreateCloseButtonObject(size);
    TMovingObject &close = *document.Model.CloseButtonObject();
    if (args.isSet("close-button") || args.isSet("close-fill")) {
        TPNGObject closePicture;
        if (args.isSet("close-button")) {
            closePicture.loadFromFile(args.value("close-button"));
        } else {
            const QPoint at = ParsePoint(args.value("close-size"));
            SyntheticPicture(closePicture, at.x(), at.y(), ParseColour(args.value("close-fill")),
                             false);
        }
        document.SetCloseButton(DesignPictureOf(closePicture));
        close.ButtonScale = args.value("close-scale").toDouble();
    }
    if (args.isSet("close-at")) {
        const QPoint at = ParsePoint(args.value("close-at"));
        close.X = at.x() + origin;
        close.Y = at.y() + origin;
    }

    const QStringList texts = args.values("text");
    const QStringList places = args.values("text-at");
    for (qsizetype i = 0; i < texts.size(); ++i) {
        TMovingObject &text = document.Model.AppendTextObject(size);
        text.Lines = texts[i].split(u'|');
        text.Font.Name = args.value("font");
        text.Font.Size = ParseInt(args.value("font-size"));
        text.Font.Color = SwapRedBlue(ParseColour(args.value("text-color")) & 0xFFFFFFu);
        text.Font.Bold = args.isSet("bold");
        text.Angle = ParseInt(args.value("angle"));
        if (i < places.size()) {
            const QPoint at = ParsePoint(places[i]);
            text.X = at.x() + origin;
            text.Y = at.y() + origin;
        }
    }

    TPopupSettings &s = document.Settings;
    s.ClickOpensLink = !args.isSet("close-popup");
    s.LinkURL = args.value("url");
    s.LinkInSameWindow = !args.isSet("new-window");
    s.AutoClose = args.isSet("auto-close");
    s.AutoCloseDelay = s.AutoClose ? ParseInt(args.value("auto-close")) : 7;
    s.OncePerSession = !args.isSet("every-time");
    s.AutoCenter = !args.isSet("manual");
    if (args.isSet("manual")) {
        const QPoint at = ParsePoint(args.value("manual"));
        s.ManualLeft = at.x();
        s.ManualTop = at.y();
    }

    if (args.isSet("show")) {
        const QStringList show = args.value("show").split(u':');
        if (!ShowTriggerFromName(show[0], s.ShowTrigger))
            throw std::runtime_error("--show takes load, delay:N, exit:N or scroll:N");
        if (show.size() > 1) {
            if (s.ShowTrigger == TPopupSettings::TShowTrigger::Scroll)
                s.ScrollPercent = ParseInt(show[1]);
            else
                s.ShowDelay = ParseInt(show[1]);
        }
    }
    if (args.isSet("repeat-days"))
        s.RepeatDays = ParseInt(args.value("repeat-days"));
    if (args.isSet("backdrop")) {
        // RRGGBB[,opacity[,stay]]
        const QStringList parts = args.value("backdrop").split(u',');
        s.Backdrop = true;
        s.BackdropColor = ParseColour(parts[0]) & 0xFFFFFFu;
        if (parts.size() > 1)
            s.BackdropOpacity = ParseInt(parts[1]);
        s.BackdropClickCloses = !(parts.size() > 2 && parts[2] == QStringLiteral("stay"));
    }
    if (args.isSet("entrance") && !EntranceFromName(args.value("entrance"), s.Entrance))
        throw std::runtime_error("--entrance takes none, fade or zoom");
    if (args.isSet("reader-text"))
        s.ScreenReaderText = args.value("reader-text");
    s.ScreenReaderTextOn = !args.isSet("no-reader-text");
    s.SharpPicture = !args.isSet("no-sharp");
    s.CookieName = args.value("cookie");
    s.Language = args.isSet("language") ? args.value("language") : QStringLiteral("en");
    if (!IsPopupLanguage(s.Language))
        throw std::runtime_error("--language takes " +
                                 PopupLanguages().join(QStringLiteral(", ")).toStdString());
    ReadAudience(args, s);

    Bitmap32 templateBitmap;
    TPNGObject outputPicture;
    TDocumentPopupSource source(document, templateBitmap, outputPicture);
    const bool preview = args.isSet("preview");
    if (args.isSet("page")) {
        const QString page = args.value("page");
        WritePopupFiles(source, page, PopupFolderForPage(page), preview);
    } else if (args.isSet("folder")) {
        const TWrittenPopup written =
            WritePopupFiles(source, QString(), args.value("folder"), preview);
        std::fwrite(written.PageText.constData(), 1, static_cast<size_t>(written.PageText.size()),
                    stdout);
    } else {
        throw std::runtime_error("give --page or --folder");
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral(
        "Writes logo.png, script.js and pix.gif for a popup and adds it to a page."));
    args.addHelpOption();
    args.addOptions({
        {"page", "Page to add the popup to (its files go beside it).", "file"},
        {"folder", "Folder for the files; the page to paste from is printed.", "folder"},
        {"preview", "Leave out the once-per-session code, as the preview does."},
        {"size", "Side of the popup picture (default 300).", "pixels"},
        {"template", "Template picture (PNG).", "file"},
        {"fill", "Template of one colour (default FF3366CC).", "AARRGGBB", "FF3366CC"},
        {"disc", "Template: a disc of this colour on transparency.", "AARRGGBB"},
        {"close-button", "Close-button picture (PNG).", "file"},
        {"close-fill", "Close button of one colour.", "AARRGGBB"},
        {"close-size", "Size of a one-colour close button.", "W,H", "30,30"},
        {"close-at", "Close button's top-left corner.", "X,Y"},
        {"close-scale", "Close button's scale.", "scale", "1"},
        {"text", "A text object; '|' breaks lines (repeatable).", "text"},
        {"text-at", "The matching text's anchor (repeatable).", "X,Y"},
        {"font", "Font of the texts.", "family", "Liberation Sans"},
        {"font-size", "Size of the texts in points.", "points", "20"},
        {"text-color", "Colour of the texts.", "AARRGGBB", "FFFFFFFF"},
        {"bold", "Bold texts."},
        {"angle", "Rotation of the texts in degrees.", "degrees", "0"},
        {"close-popup", "A click on the picture closes the popup."},
        {"url",
         "The link: http(s)://..., mailto:..., tel:... or relative to the page (default: none, a "
         "click on the picture does nothing).",
         "url"},
        {"new-window", "Open the link in a new window."},
        {"auto-close", "Close after this many seconds.", "seconds"},
        {"every-time", "Show on every page load instead of once per session."},
        {"manual", "Place at this page position instead of centring.", "X,Y"},
        {"show",
         "When it shows: load, delay:SECONDS, exit:SECONDS (touch screens), scroll:PERCENT.",
         "when"},
        {"repeat-days", "Show once in this many days instead of once per session.", "days"},
        {"backdrop",
         "Dim the page behind: colour, opacity in percent, 'stay' when a click on it "
         "does not close.",
         "RRGGBB[,PERCENT[,stay]]"},
        {"entrance", "none, fade or zoom.", "kind"},
        {"language", "Language of the popup's own words: en (default), de, fr or es.", "code"},
        {"reader-text", "Text for screen readers (default: the texts of the design).", "text"},
        {"no-reader-text", "No text for screen readers."},
        {"no-sharp", "No logo@2x.png for dense screens."},
        {"cookie",
         "Name under which browsers remember who has seen the popup; give the name of an earlier "
         "output to keep those visitors from seeing it again (default: a new name).",
         "name"},
        {"from",
         "Show it from this date and time on: YYYY-MM-DDTHH:MM, the visitor's local time, or "
         "with Z or +HH:MM for that clock.",
         "date-time"},
        {"until", "Show it no longer from this date and time on (written as --from).", "date-time"},
        {"days", "Show it only on these days of the week.", "mon,tue,..."},
        {"hours", "Show it only between these times of the day (a span may pass midnight).",
         "HH:MM-HH:MM"},
        {"devices", "Show it on all devices, on touch screens only or on desktops only.",
         "all|touch|desktop"},
    });
    args.process(app);
    try {
        return Run(args);
    } catch (const EUsage &e) {
        std::fprintf(stderr, "vantelle-popupgen: %s\n", e.what());
        return 2;
    } catch (const EVantelleError &e) {
        std::fprintf(stderr, "vantelle-popupgen: %s\n", e.what());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "vantelle-popupgen: %s\n", e.what());
    }
    return 1;
}
