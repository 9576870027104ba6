#pragma once

#include "output/PixelRect.h"
#include "output/PopupSchedule.h"
#include "output/PopupTexts.h"

#include <QString>

#include <cstdint>
#include <limits>

// The popup's behaviour: what the behaviour page and "More options..." set. The design document
// keeps it; the script, the design file and undo read it from there.
struct TPopupSettings {
    bool ClickOpensLink = true;
    // Empty: no link, and a click on the popup's body does nothing (see CheckedLink).
    QString LinkURL;
    bool LinkInSameWindow = true;
    bool AutoClose = false;
    int32_t AutoCloseDelay = 7;
    bool OncePerSession = true;
    bool AutoCenter = true;
    int32_t ManualLeft = 0;
    int32_t ManualTop = 0;

    // The newer options below sit behind "More options..." and the screen-reader box; each
    // default keeps the popup as the fields above alone make it.
    enum class TShowTrigger { Load, Delay, ExitIntent, Scroll };
    enum class TEntrance { None, Fade, Zoom };

    TShowTrigger ShowTrigger = TShowTrigger::Load;
    // Seconds before a delayed popup shows; also when the exit-intent popup shows on touch
    // screens, which have no pointer to leave the page with.
    int32_t ShowDelay = 5;
    int32_t ScrollPercent = 50;
    // Above 0: once every so many days, remembered across browser restarts; takes the place of
    // OncePerSession.
    int32_t RepeatDays = 0;
    bool Backdrop = false;
    uint32_t BackdropColor = 0x000000; // 0xRRGGBB
    int32_t BackdropOpacity = 50;      // percent
    bool BackdropClickCloses = true;
    TEntrance Entrance = TEntrance::None;
    // The popup's name and the picture's alt text for screen readers; an empty text while it is
    // on is made from the design's texts.
    bool ScreenReaderTextOn = true;
    QString ScreenReaderText;
    // logo@2x.png beside logo.png for screens of density 2 and more.
    bool SharpPicture = true;
    // The name under which browsers remember that a visitor has seen the popup. It stays with
    // the design, so publishing it again does not show it again to those who have seen it;
    // empty until the design is first published (the script then gets a new name).
    QString CookieName;
    // When and on which devices it shows; by default always and everywhere.
    TPopupSchedule Schedule;
    TPopupDevices Devices = TPopupDevices::All;
    // The language of the words the popup script shows and says (see PopupTexts.h): a new
    // design takes the program's language.
    QString Language = DefaultPopupLanguage();

    bool operator==(const TPopupSettings &other) const = default;
};

// Names of the trigger and entrance as the script and the design file write them.
QString ShowTriggerName(TPopupSettings::TShowTrigger trigger);
QString EntranceName(TPopupSettings::TEntrance entrance);
// The reverse; false for an unknown name.
bool ShowTriggerFromName(const QString &name, TPopupSettings::TShowTrigger &trigger);
bool EntranceFromName(const QString &name, TPopupSettings::TEntrance &entrance);

// A number box's text as a whole decimal number with an optional sign; anything else, an empty
// text and numbers outside the 32-bit range read as 0.
int32_t ReadSpinValue(const QString &text);

// The numbers the behaviour settings take. The page's and the "More options" number boxes, the
// design file and the checks below all take their bounds from here.
struct TSettingRange {
    int32_t Lowest;
    int32_t Highest;
};
namespace SettingRanges {
inline constexpr TSettingRange AutoCloseDelay{1, std::numeric_limits<int32_t>::max()}; // seconds
inline constexpr TSettingRange ShowDelay{0, 86400};                                    // seconds
inline constexpr TSettingRange ScrollPercent{0, 100};
inline constexpr TSettingRange RepeatDays{1, 3650};     // 0 besides these: no limit in days
inline constexpr TSettingRange BackdropOpacity{0, 100}; // percent
inline constexpr int CookieNameLength = 64;
} // namespace SettingRanges

// The checks every way of making a popup runs: the behaviour page before it is left, the file
// writer (Add popup, Save files, the preview and vantelle-popupgen) before it writes anything.
// Each raises an EVantelleError that says what is wrong and what is allowed.

// Refuses numbers outside their ranges, an unusable link when a click opens it, a cookie name
// that is neither empty nor usable, and a schedule that makes no sense.
void CheckPopupSettings(const TPopupSettings &settings);

// The address a click on the popup opens: the typed text without surrounding blanks, empty for
// no link. An http or https address with a site name, mailto: with an address, tel: with a
// number, or an address relative to the page; anything else is refused with a message that
// names the link and says what a link may be.
QString CheckedLink(const QString &typed);
// Whether a click on the popup's body opens a link (it does nothing with an empty link box).
bool OpensLink(const TPopupSettings &settings);

// A name a script, a cookie and the browser's storage take as they are: a letter, then letters,
// digits or underscores, at most CookieNameLength.
bool IsUsableCookieName(const QString &name);
// Raises EVantelleError naming a name that is not usable.
void CheckCookieName(const QString &name);
// "Cookie_ID_" and a new unique number, as every new name is made.
QString NewCookieName();

// Refuses a close button whose middle lies outside the picture of side documentSize: the
// visitor would see at most a sliver of it. drawn is the button's rectangle in picture
// coordinates, Right and Bottom exclusive (or the rectangle grown evenly on all sides); an empty
// rectangle, "No close button", is never refused.
void CheckCloseButtonPlace(int documentSize, const TPixelRect &drawn);
