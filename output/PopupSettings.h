#pragma once

#include <QString>

#include <cstdint>

// The popup's behaviour as the behaviour page shows it. The page's controls are the only store;
// a copy is read from them at the moment files are generated.
struct TPopupSettings {
    bool ClickOpensLink = true;
    QString LinkURL = QStringLiteral("http://");
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
