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
    const QList<QByteArray> templateLines = Lines(ScriptTemplate());
    const QList<QByteArray> lines = Lines(script);
    ASSERT_EQ(lines.size(), templateLines.size());
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
    EXPECT_EQ(Lines(script).size(), Lines(ScriptTemplate()).size());
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
