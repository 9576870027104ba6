#include "designer/DesignModel.h"
#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"
#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "output/PopupComposer.h"
#include "output/PopupSettings.h"
#include "output/PopupWriter.h"
#include "output/ScriptBuilder.h"
#include "output/UniqueNumber.h"
#include "tests/cases/SettingsCases.h"
#include "unit_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QList<QByteArray> Lines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1); // the CR of every CR LF
    return lines;
}

// The line that assigns the variable, e.g. "position".
QByteArray Assignment(const QByteArray &script, const QByteArray &variable)
{
    for (const QByteArray &line : Lines(script))
        if (line.startsWith(variable) && !line.startsWith("//"))
            return line;
    return "(missing)";
}

// The template's lines as a script without schedule or device limits has them: the line that
// takes those limits goes.
QList<QByteArray> TemplateLinesWithoutAudience()
{
    QList<QByteArray> lines = Lines(ScriptTemplate());
    lines.removeIf([](const QByteArray &line) { return line.contains("---Audience---"); });
    return lines;
}

class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUniqueNumberSource([] { return 5538812u; });
    }
    void TearDown() override { SetUniqueNumberSource({}); }

    // The worked example: 300-pixel picture in page.popup, link offer.htm in a new window,
    // auto close after 10 s, once per session, manual position 20, 35.
    static TScriptValues Example()
    {
        TScriptValues v;
        v.DocumentSize = 300;
        v.ScriptFolderName = QStringLiteral("page.popup");
        v.ClickArea = {12, 30, 287, 270};
        v.CloseArea = {242 - 3, 22 - 3, 242 + 36 + 3, 22 + 56 + 3};
        v.Settings.LinkURL = QStringLiteral("offer.htm");
        v.Settings.LinkInSameWindow = false;
        v.Settings.AutoClose = true;
        v.Settings.AutoCloseDelay = 10;
        v.Settings.AutoCenter = false;
        v.Settings.ManualLeft = 20;
        v.Settings.ManualTop = 35;
        return v;
    }
};

TEST_F(ScriptTest, WorkedExampleGivesTheElevenLinesExactly)
{
    const QByteArray script = BuildScript(ScriptTemplate(), false, Example());
    const QList<QByteArray> expected = {
        "Cookie_unique = 'Cookie_ID_5538812';",
        "image_width = 300;",
        "image_height= 300;",
        "Path = \"page.popup/\";",
        "close_points = '239, 81, 239, 19, 281, 19, 281, 81';",
        "click_points = '12, 270, 12, 30, 287, 30, 287, 270';",
        "need_hide = '<script>timeHided(10000)</script>';",
        "target = \"_blank\";",
        "action = \"HREF='offer.htm'\";",
        "openhow=\"<script>timeHide()</script>\";",
        "position = \"left: 20px;  top: 35px;\";",
    };

    // The template's header has them as lines 3, 5, 6, 9, 13, 14, 21, 28, 35, 42, 49 in the
    // variables' order, behind the one line that opens the script's own scope; every other line
    // is copied unchanged and every line ends in CR LF.
    const QList<QByteArray> templateLines = TemplateLinesWithoutAudience();
    const QList<QByteArray> lines = Lines(script);
    ASSERT_EQ(lines.size(), templateLines.size());
    ASSERT_EQ(lines.size() + 1, Lines(ScriptTemplate()).size());
    const int assignmentLines[] = {3, 5, 6, 9, 13, 14, 21, 28, 35, 42, 49};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(lines[assignmentLines[i]], expected[i]) << "header line " << assignmentLines[i];
    // In the header only the eleven lines change; the further options follow it.
    int changed = 0;
    for (qsizetype i = 0; i < 50; ++i)
        changed += lines[i] != templateLines[i];
    EXPECT_EQ(changed, 11);
    EXPECT_EQ(script.count("\r\n"), script.count('\n'));
    EXPECT_TRUE(script.endsWith("\r\n"));
    EXPECT_FALSE(script.contains("---"));
}

TEST_F(ScriptTest, SettingsReachTheirLines)
{
    struct Case {
        const char *name;
        void (*change)(TScriptValues &);
        bool preview;
        QByteArray variable;
        QByteArray line;
    };
    const Case cases[] = {
        {"preview leaves out the once-per-session code", [](TScriptValues &) {}, true, "openhow",
         "openhow=\"\";"},
        {"every page load", [](TScriptValues &v) { v.Settings.OncePerSession = false; }, false,
         "openhow", "openhow=\"\";"},
        {"auto close off", [](TScriptValues &v) { v.Settings.AutoClose = false; }, false,
         "need_hide", "need_hide = '';"},
        {"auto close at 0", [](TScriptValues &v) { v.Settings.AutoCloseDelay = 0; }, false,
         "need_hide", "need_hide = '<script>timeHided(0000)</script>';"},
        {"negative delay", [](TScriptValues &v) { v.Settings.AutoCloseDelay = -3; }, false,
         "need_hide", "need_hide = '<script>timeHided(-3000)</script>';"},
        {"close popup keeps the window choice",
         [](TScriptValues &v) { v.Settings.ClickOpensLink = false; }, false, "action",
         "action = \"HREF='#1' onClick='close_up();'\";"},
        {"same window", [](TScriptValues &v) { v.Settings.LinkInSameWindow = true; }, false,
         "target", "target = \"_self\";"},
        {"centred", [](TScriptValues &v) { v.Settings.AutoCenter = true; }, false, "position",
         "position = \"width:100%;  top:50%;\";"},
        {"negative position",
         [](TScriptValues &v) {
             v.Settings.ManualLeft = -5;
             v.Settings.ManualTop = 0;
         },
         false, "position", "position = \"left: -5px;  top: 0px;\";"},
        {"nothing opaque in a 200-pixel picture",
         [](TScriptValues &v) {
             v.DocumentSize = 200;
             v.ClickArea = {200, 200, -1, -1};
         },
         false, "click_points", "click_points = '200, -1, 200, 200, -1, 200, -1, -1';"},
        {"no close button: one point four times",
         [](TScriptValues &v) {
             v.CloseArea = {240, 20, 240, 20};
         },
         false, "close_points", "close_points = '240, 20, 240, 20, 240, 20, 240, 20';"},
        {"folder at the root", [](TScriptValues &v) { v.ScriptFolderName.clear(); }, false, "Path",
         "Path = \"/\";"},
        // The further options, each in its own line after the header.
        {"shows at load", [](TScriptValues &) {}, false, "show_when", "show_when = \"load\";"},
        {"shows after a delay",
         [](TScriptValues &v) {
             v.Settings.ShowTrigger = TPopupSettings::TShowTrigger::Delay;
             v.Settings.ShowDelay = 12;
         },
         false, "show_delay", "show_delay = 12;"},
        {"shows on exit intent",
         [](TScriptValues &v) {
             v.Settings.ShowTrigger = TPopupSettings::TShowTrigger::ExitIntent;
         },
         false, "show_when", "show_when = \"exit\";"},
        {"shows after scrolling",
         [](TScriptValues &v) {
             v.Settings.ShowTrigger = TPopupSettings::TShowTrigger::Scroll;
             v.Settings.ScrollPercent = 75;
         },
         false, "scroll_percent", "scroll_percent = 75;"},
        {"not again for days", [](TScriptValues &v) { v.Settings.RepeatDays = 3; }, false,
         "repeat_days", "repeat_days = 3;"},
        {"the preview shows it on every refresh",
         [](TScriptValues &v) { v.Settings.RepeatDays = 3; }, true, "repeat_days",
         "repeat_days = 0;"},
        {"no backdrop", [](TScriptValues &) {}, false, "backdrop_color", "backdrop_color = \"\";"},
        {"backdrop colour",
         [](TScriptValues &v) {
             v.Settings.Backdrop = true;
             v.Settings.BackdropColor = 0x0A2B3C;
         },
         false, "backdrop_color", "backdrop_color = \"#0A2B3C\";"},
        {"backdrop opacity", [](TScriptValues &v) { v.Settings.BackdropOpacity = 140; }, false,
         "backdrop_opacity", "backdrop_opacity = 100;"},
        {"backdrop click stays", [](TScriptValues &v) { v.Settings.BackdropClickCloses = false; },
         false, "backdrop_click_closes", "backdrop_click_closes = 0;"},
        {"zoom entrance",
         [](TScriptValues &v) { v.Settings.Entrance = TPopupSettings::TEntrance::Zoom; }, false,
         "entrance", "entrance = \"zoom\";"},
        {"reader text from the design",
         [](TScriptValues &v) { v.DesignText = QStringLiteral("Summer \"sale\"!  Today"); }, false,
         "reader_text", "reader_text = \"Summer \\\"sale\\\"! Today\";"},
        {"reader text typed by the user",
         [](TScriptValues &v) {
             v.DesignText = QStringLiteral("Summer");
             v.Settings.ScreenReaderText = QStringLiteral("Half price\nall week");
         },
         false, "reader_text", "reader_text = \"Half price all week\";"},
        {"reader text off",
         [](TScriptValues &v) {
             v.DesignText = QStringLiteral("Summer");
             v.Settings.ScreenReaderTextOn = false;
         },
         false, "reader_text", "reader_text = \"\";"},
        {"no link: a click on the body does nothing",
         [](TScriptValues &v) { v.Settings.LinkURL.clear(); }, false, "action", "action = \"\";"},
        {"a link box of blanks is no link",
         [](TScriptValues &v) { v.Settings.LinkURL = QStringLiteral(" \t "); }, false, "action",
         "action = \"\";"},
        {"the link without the blanks around it",
         [](TScriptValues &v) { v.Settings.LinkURL = QStringLiteral(" offer.htm "); }, false,
         "action", "action = \"HREF='offer.htm'\";"},
        {"the design's cookie name",
         [](TScriptValues &v) { v.Settings.CookieName = QStringLiteral("Cookie_ID_77"); }, false,
         "Cookie_unique", "Cookie_unique = 'Cookie_ID_77';"},
        {"no sharp picture written", [](TScriptValues &) {}, false, "sharp_picture",
         "sharp_picture = 0;"},
        {"sharp picture written", [](TScriptValues &v) { v.HasSharpPicture = true; }, false,
         "sharp_picture", "sharp_picture = 1;"},
    };
    for (const Case &c : cases) {
        TScriptValues values = Example();
        c.change(values);
        const QByteArray script = BuildScript(ScriptTemplate(), c.preview, values);
        EXPECT_EQ(Assignment(script, c.variable), c.line) << c.name;
        // The close action still writes the link-window choice.
        if (!values.Settings.ClickOpensLink) {
            EXPECT_EQ(Assignment(script, "target"), "target = \"_blank\";") << c.name;
        }
    }
}

TEST_F(ScriptTest, TypedTextCannotBreakTheScriptOrReachAnotherPlaceholder)
{
    TScriptValues values = Example();
    values.Settings.LinkURL = QStringLiteral("a\"b'c\\d---Position---</script>\r\n\u00e9");
    values.ScriptFolderName = QStringLiteral("say \"hi\".popup");
    const QByteArray script = BuildScript(ScriptTemplate(), false, values);

    EXPECT_EQ(Assignment(script, "action"),
              "action = \"HREF='a\\\"b\\'c\\\\d---Position---\\x3C/script>\\r\\n\\u00E9'\";");
    EXPECT_EQ(Assignment(script, "Path"), "Path = \"say%20%22hi%22.popup/\";");
    EXPECT_EQ(Assignment(script, "position"), "position = \"left: 20px;  top: 35px;\";");
    EXPECT_EQ(Lines(script).size(), TemplateLinesWithoutAudience().size());
}

// The schedule and the devices reach the script as one object, and only when they limit the
// popup; the preview always shows it.
TEST_F(ScriptTest, ScheduleAndDevicesReachTheScriptOnlyWhenTheyLimitIt)
{
    const struct {
        const char *name;
        void (*change)(TPopupSettings &);
        bool preview;
        const char *audience; // nullptr: none
    } cases[] = {
        {"always and everywhere", [](TPopupSettings &) {}, false, nullptr},
        {"a UTC clock alone limits nothing",
         [](TPopupSettings &s) { s.Schedule.VisitorTime = false; }, false, nullptr},
        {"touch screens only", [](TPopupSettings &s) { s.Devices = TPopupDevices::Touch; }, false,
         "{ from: null, until: null, offset: null, days: 127, hours: null, devices: 'touch' }"},
        {"from and until on UTC+01:00",
         [](TPopupSettings &s) {
             s.Schedule.From = QStringLiteral("2026-12-24T18:00:00");
             s.Schedule.Until = QStringLiteral("2027-01-02T00:00:00");
             s.Schedule.VisitorTime = false;
             s.Schedule.UtcOffsetMinutes = 60;
         },
         false,
         "{ from: 1798135200000, until: 1798848000000, offset: 60, days: 127, hours: null, "
         "devices: 'all' }"},
        {"weekends at night on desktops",
         [](TPopupSettings &s) {
             s.Schedule.Days = 0x60;
             s.Schedule.HasHours = true;
             s.Schedule.HoursFrom = 22 * 60;
             s.Schedule.HoursUntil = 2 * 60;
             s.Devices = TPopupDevices::Desktop;
         },
         false,
         "{ from: null, until: null, offset: null, days: 96, hours: [1320, 120], devices: "
         "'desktop' }"},
        {"the preview shows it all the same",
         [](TPopupSettings &s) {
             s.Schedule.Until = QStringLiteral("2001-01-01T00:00:00");
             s.Devices = TPopupDevices::Touch;
         },
         true, nullptr},
    };
    const qsizetype fragmentLines = Lines(AudienceTemplate()).size();
    for (const auto &c : cases) {
        TScriptValues values = Example();
        c.change(values.Settings);
        const QByteArray script = BuildScript(ScriptTemplate(), c.preview, values);
        const QByteArray line = Assignment(script, "  var audience = ");
        if (!c.audience) {
            EXPECT_EQ(line, "(missing)") << c.name;
            EXPECT_EQ(Lines(script).size(), TemplateLinesWithoutAudience().size()) << c.name;
        } else {
            EXPECT_EQ(line, "  var audience = " + QByteArray(c.audience) + ";") << c.name;
            EXPECT_EQ(Lines(script).size(), TemplateLinesWithoutAudience().size() + fragmentLines)
                << c.name;
            // Right at the start of the popup's code, before it registers itself anywhere.
            EXPECT_LT(script.indexOf("if (!forThisVisitor) return;"),
                      script.indexOf("var sharedKey"))
                << c.name;
        }
        EXPECT_FALSE(script.contains("---")) << c.name;
        EXPECT_EQ(script.count("\r\n"), script.count('\n')) << c.name;
    }
}

// Dates, days and hours as the generator's flags and the design file write them.
TEST(ScheduleTextTest, WrittenFormsAreReadAndTheRestRefused)
{
    const struct {
        const char *text;
        const char *wallClock; // nullptr: refused
        bool hasOffset;
        int offset;
    } times[] = {
        {"2026-12-24T18:00", "2026-12-24T18:00:00", false, 0},
        {"2026-12-24T18:00:30", "2026-12-24T18:00:30", false, 0},
        {"2026-12-24T18:00Z", "2026-12-24T18:00:00", true, 0},
        {"2026-12-24T18:00+05:30", "2026-12-24T18:00:00", true, 330},
        {"2026-12-24T18:00-03:00", "2026-12-24T18:00:00", true, -180},
        {"2028-02-29T00:00", "2028-02-29T00:00:00", false, 0},
        {"2026-02-29T00:00", nullptr, false, 0},
        {"2026-12-24", nullptr, false, 0},
        {"2026-12-24 18:00", nullptr, false, 0},
        {"2026-12-24T24:00", nullptr, false, 0},
        {"2026-12-24T18:60", nullptr, false, 0},
        {"2026-12-24T18:00+01:75", nullptr, false, 0},
        {"2026-12-24T18:00CET", nullptr, false, 0},
        {"", nullptr, false, 0},
    };
    for (const auto &t : times) {
        QString wallClock;
        bool hasOffset = false;
        int32_t offset = 0;
        const bool read =
            ParseScheduleTime(QString::fromLatin1(t.text), wallClock, hasOffset, offset);
        EXPECT_EQ(read, t.wallClock != nullptr) << t.text;
        if (read && t.wallClock) {
            EXPECT_EQ(wallClock, QString::fromLatin1(t.wallClock)) << t.text;
            EXPECT_EQ(hasOffset, t.hasOffset) << t.text;
            EXPECT_EQ(offset, t.offset) << t.text;
        }
    }

    const struct {
        const char *text;
        int from, until; // -1: refused
    } hours[] = {
        {"09:00-17:30", 540, 1050}, {"22:00-02:00", 1320, 120}, {"18:00-24:00", 1080, 0},
        {"00:00-00:01", 0, 1},      {"9:00-17:00", -1, -1},     {"24:00-02:00", -1, -1},
        {"09:00-24:01", -1, -1},    {"09:60-10:00", -1, -1},    {"09:00", -1, -1},
    };
    for (const auto &h : hours) {
        int32_t from = -1, until = -1;
        const bool read = ParseDailyHours(QString::fromLatin1(h.text), from, until);
        EXPECT_EQ(read, h.from >= 0) << h.text;
        if (read) {
            EXPECT_EQ(std::make_pair(from, until), std::make_pair(h.from, h.until)) << h.text;
        }
    }

    uint32_t days = 0;
    EXPECT_TRUE(ParseWeekDays(QStringLiteral("Mon, fri,SUN"), days));
    EXPECT_EQ(days, 0x51u);
    EXPECT_EQ(WeekDaysText(days), QStringLiteral("mon,fri,sun"));
    for (const char *bad : {"", "mon,,tue", "monday", "mon;tue"})
        EXPECT_FALSE(ParseWeekDays(QString::fromLatin1(bad), days)) << bad;
    EXPECT_EQ(days, 0x51u);
}

// A design without a cookie name gets a new one with a new number at each generation; one
// with a name keeps it, so publishing again does not show the popup again to those who saw it.
TEST_F(ScriptTest, TheCookieNameIsTheDesignsOrMadeAtThatMoment)
{
    uint32_t tick = 41;
    SetUniqueNumberSource([&] { return ++tick; });
    TScriptValues values = Example();
    const auto cookie = [&] {
        return Assignment(BuildScript(ScriptTemplate(), false, values), "Cookie_unique");
    };
    EXPECT_EQ(cookie(), "Cookie_unique = 'Cookie_ID_42';");
    EXPECT_EQ(cookie(), "Cookie_unique = 'Cookie_ID_43';");
    values.Settings.CookieName = NewCookieName();
    EXPECT_EQ(values.Settings.CookieName, QStringLiteral("Cookie_ID_44"));
    EXPECT_EQ(cookie(), "Cookie_unique = 'Cookie_ID_44';");
    EXPECT_EQ(cookie(), "Cookie_unique = 'Cookie_ID_44';");
}

// Names made one right after the other, as two designs made in the same moment get them, differ
// and keep the form a script and a cookie take.
TEST(CookieNameTest, NewNamesDifferEvenWhenMadeAtOnce)
{
    static const QRegularExpression form(QStringLiteral("^Cookie_ID_[0-9]+$"));
    QStringList names;
    for (int i = 0; i < 8; ++i)
        names << NewCookieName();
    for (const QString &name : names) {
        EXPECT_TRUE(form.match(name).hasMatch()) << name.toStdString();
        EXPECT_TRUE(IsUsableCookieName(name)) << name.toStdString();
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 8);
}

TEST(LinkCheckTest, UsableAddressesPassAndTheRestIsRefusedWithTheReason)
{
    const struct {
        const char *typed;
        const char *link;   // what is written, when it is taken
        const char *reason; // part of the message, when it is refused
    } cases[] = {
        {"", "", nullptr},
        {" \t ", "", nullptr},
        {" https://example.org/offer?a=1&b=2 ", "https://example.org/offer?a=1&b=2", nullptr},
        {"HTTP://Example.org", "HTTP://Example.org", nullptr},
        {"http://localhost:8080/x", "http://localhost:8080/x", nullptr},
        {"https://b\u00fccher.de/", "https://b\u00fccher.de/", nullptr},
        {"offer page.htm", "offer page.htm", nullptr},
        {"../sale/index.htm#top", "../sale/index.htm#top", nullptr},
        {"/sale", "/sale", nullptr},
        {"//cdn.example.org/x", "//cdn.example.org/x", nullptr},
        {"mailto:info@example.com?subject=Sale", "mailto:info@example.com?subject=Sale", nullptr},
        {"tel:+1 (555) 010-0199", "tel:+1 (555) 010-0199", nullptr},
        {"http://", nullptr, "names no site"},
        {"https:///offer.htm", nullptr, "names no site"},
        {"http:example.org", nullptr, "names no site"},
        {"http://exa mple.org", nullptr, "is not a valid address"},
        {"https://example.org:99999/", nullptr, "is not a valid address"},
        {"//", nullptr, "is not a valid address"},
        {"www.example.org", nullptr, "write https:// before the site's name"},
        {"javascript:alert(1)", nullptr, "cannot be used: a link is a web address"},
        {"ftp://example.org/x", nullptr, "cannot be used"},
        {"C:\\site\\offer.htm", nullptr, "cannot be used"},
        {"mailto:", nullptr, "names no e-mail address"},
        {"mailto:info", nullptr, "names no e-mail address"},
        {"tel:", nullptr, "names no telephone number"},
        {"tel:call-me", nullptr, "names no telephone number"},
        {"offer.htm\nx", nullptr, "control character"},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        try {
            const QString link = CheckedLink(typed);
            EXPECT_TRUE(c.link) << c.typed << " was taken";
            if (c.link) {
                EXPECT_EQ(link, QString::fromUtf8(c.link)) << c.typed;
            }
        } catch (const EVantelleError &e) {
            EXPECT_TRUE(c.reason) << c.typed << ": " << e.message().toStdString();
            if (c.reason) {
                EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason)))
                    << c.typed << ": " << e.message().toStdString();
            }
            if (!typed.contains(u'\n')) {
                EXPECT_TRUE(e.message().contains(u'"' + typed.trimmed() + u'"'))
                    << "names the link: " << e.message().toStdString();
            }
        }
    }
}

// A popup of an opaque 200-pixel template with a 30 x 30 close button.
class TCheckedSource : public TPopupSource {
public:
    TCheckedSource()
    {
        Bitmap32 image(30, 30);
        image.fill(0xFF202020u);
        Bitmap32ToPng(image, m_button);
        Model.CreateCloseButtonObject(Size);
        Model.CloseButtonObject()->ButtonPicture = &m_button;
        PlaceButton(160, 10);
    }
    void PlaceButton(int x, int y)
    {
        Model.CloseButtonObject()->X = x + DocumentOrigin(Size);
        Model.CloseButtonObject()->Y = y + DocumentOrigin(Size);
    }
    TComposedPopup ComposePopupImage() override
    {
        m_bitmap.setSize(Size, Size);
        m_bitmap.fill(0xFF3366CCu);
        const TPixelRect close = ::ComposePopupImage(m_bitmap, Model, Size, m_png);
        return TComposedPopup{m_bitmap, m_png, close};
    }
    int DocumentSize() const override { return Size; }
    TPopupSettings PopupSettings() const override { return Settings; }

    static constexpr int Size = 200;
    TPopupSettings Settings;
    TDesignModel Model;

private:
    TPNGObject m_button;
    Bitmap32 m_bitmap;
    TPNGObject m_png;
};

// Every way of making a popup goes through the writer: nonsense is refused there with its
// reason, before the folder is made; the bounds themselves are taken.
TEST(SettingsCheckTest, NonsenseIsRefusedBeforeAnythingIsWritten)
{
    EnsureGuiApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    using TChange = void (*)(TCheckedSource &);
    const struct {
        const char *name;
        TChange change;
        const char *reason; // nullptr: written
    } cases[] = {
        {"scrolled 150 %", [](TCheckedSource &p) { p.Settings.ScrollPercent = 150; },
         "scrolled before the popup shows must be from 0 to 100 percent, not 150"},
        {"shown 3 s before load", [](TCheckedSource &p) { p.Settings.ShowDelay = -3; },
         "The delay before the popup shows must be from 0 to 86400 seconds, not -3"},
        {"closed after 0 s",
         [](TCheckedSource &p) {
             p.Settings.AutoClose = true;
             p.Settings.AutoCloseDelay = 0;
         },
         "The auto close delay must be from 1 to 2147483647 seconds, not 0"},
        {"again after 3651 days", [](TCheckedSource &p) { p.Settings.RepeatDays = 3651; },
         "not 3651"},
        {"again after -1 days", [](TCheckedSource &p) { p.Settings.RepeatDays = -1; }, "not -1"},
        {"backdrop at 101 %", [](TCheckedSource &p) { p.Settings.BackdropOpacity = 101; },
         "The backdrop's opacity must be from 0 to 100 percent, not 101"},
        {"link to no site",
         [](TCheckedSource &p) { p.Settings.LinkURL = QStringLiteral("http://"); },
         "The link \"http://\" names no site"},
        {"cookie name with a quote",
         [](TCheckedSource &p) { p.Settings.CookieName = QStringLiteral("Sale'1"); },
         "The cookie name \"Sale'1\" must begin with a letter"},
        {"cookie name of a digit",
         [](TCheckedSource &p) { p.Settings.CookieName = QStringLiteral("9a"); },
         "The cookie name"},
        {"close button's middle right of the picture",
         [](TCheckedSource &p) { p.PlaceButton(185, 10); },
         "The close button lies outside the popup's picture"},
        {"close button above the picture", [](TCheckedSource &p) { p.PlaceButton(10, -16); },
         "outside the popup's picture"},
        {"a schedule that ends as it begins",
         [](TCheckedSource &p) {
             p.Settings.Schedule.From = QStringLiteral("2026-12-24T18:00:00");
             p.Settings.Schedule.Until = QStringLiteral("2026-12-24T18:00:00");
         },
         "The schedule ends (2026-12-24T18:00:00) before it begins (2026-12-24T18:00:00)"},
        {"a schedule's date that is none",
         [](TCheckedSource &p) {
             p.Settings.Schedule.Until = QStringLiteral("2026-02-30T00:00:00");
         },
         "The schedule's end \"2026-02-30T00:00:00\" is not a date and time"},
        {"a schedule in the year 1999",
         [](TCheckedSource &p) {
             p.Settings.Schedule.From = QStringLiteral("1999-12-31T23:00:00");
         },
         "must lie in the years 2000 to 9999"},
        {"a schedule on no day", [](TCheckedSource &p) { p.Settings.Schedule.Days = 0; },
         "The schedule names no day of the week"},
        {"a day past Sunday", [](TCheckedSource &p) { p.Settings.Schedule.Days = 0xFF; },
         "The schedule names no day of the week"},
        {"hours that begin where they end",
         [](TCheckedSource &p) {
             p.Settings.Schedule.HasHours = true;
             p.Settings.Schedule.HoursFrom = p.Settings.Schedule.HoursUntil = 600;
         },
         "The schedule's hours begin and end at 10:00"},
        {"hours past midnight",
         [](TCheckedSource &p) {
             p.Settings.Schedule.HasHours = true;
             p.Settings.Schedule.HoursUntil = 1440;
         },
         "from 00:00 to 23:59"},
        {"a clock 15 hours ahead of UTC",
         [](TCheckedSource &p) {
             p.Settings.Schedule.VisitorTime = false;
             p.Settings.Schedule.UtcOffsetMinutes = 15 * 60;
         },
         "The schedule's clock must be UTC-12:00 to UTC+14:00, not 900 minutes"},
        {"the schedule's bounds",
         [](TCheckedSource &p) {
             TPopupSchedule &s = p.Settings.Schedule;
             s.From = QStringLiteral("2000-01-01T00:00:00");
             s.Until = QStringLiteral("9999-12-31T23:59:59");
             s.VisitorTime = false;
             s.UtcOffsetMinutes = -12 * 60;
             s.Days = 0x40;
             s.HasHours = true;
             s.HoursFrom = 23 * 60 + 59;
             s.HoursUntil = 0;
             p.Settings.Devices = TPopupDevices::Desktop;
         },
         nullptr},
        {"the bounds",
         [](TCheckedSource &p) {
             p.Settings.ShowTrigger = TPopupSettings::TShowTrigger::Scroll;
             p.Settings.ScrollPercent = 100;
             p.Settings.ShowDelay = 86400;
             p.Settings.AutoClose = true;
             p.Settings.AutoCloseDelay = 1;
             p.Settings.RepeatDays = 3650;
             p.Settings.BackdropOpacity = 0;
             p.Settings.CookieName = QString(64, u'x');
             p.PlaceButton(184, -15);
         },
         nullptr},
        {"the other bounds",
         [](TCheckedSource &p) {
             p.Settings.ShowDelay = 0;
             p.Settings.ScrollPercent = 0;
             p.Settings.RepeatDays = 1;
             p.Settings.BackdropOpacity = 100;
             p.PlaceButton(-15, 184);
         },
         nullptr},
        {"an unusable link that no click opens",
         [](TCheckedSource &p) {
             p.Settings.LinkURL = QStringLiteral("http://");
             p.Settings.ClickOpensLink = false;
         },
         nullptr},
        {"no close button anywhere",
         [](TCheckedSource &p) {
             p.Model.CloseButtonObject()->ButtonPicture = nullptr;
             p.PlaceButton(900, 900);
         },
         nullptr},
    };
    int i = 0;
    for (const auto &c : cases) {
        TCheckedSource source;
        c.change(source);
        const QString folder = dir.filePath(QString::number(i++));
        QString message;
        try {
            WritePopupFiles(source, QString(), folder, false);
        } catch (const EVantelleError &e) {
            message = e.message();
        }
        if (c.reason) {
            EXPECT_TRUE(message.contains(QString::fromUtf8(c.reason)))
                << c.name << ": " << message.toStdString();
            EXPECT_FALSE(QDir(folder).exists()) << c.name;
        } else {
            EXPECT_EQ(message, QString()) << c.name;
            EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/script.js"))) << c.name;
        }
    }
    EXPECT_THROW(CheckCookieName(QString(65, u'x')), EVantelleError);
}

TEST(SpinValueTest, WholeDecimalNumbersOnlyAndNoBounds)
{
    for (const auto &c : SpinTextCases)
        EXPECT_EQ(ReadSpinValue(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
}

} // namespace
