#include "imaging/TickCount.h"
#include "output/PageText.h"
#include "output/PopupSettings.h"
#include "output/ScriptBuilder.h"
#include "tests/cases/SettingsCases.h"

#include <gtest/gtest.h>

#include <QList>

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
        SetTickCountSource([] { return 5538812u; });
    }
    void TearDown() override { SetTickCountSource({}); }

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

TEST_F(ScriptTest, EachGenerationTakesTheTickCounterAtThatMoment)
{
    uint32_t tick = 41;
    SetTickCountSource([&] { return ++tick; });
    const QByteArray first =
        Assignment(BuildScript(ScriptTemplate(), false, Example()), "Cookie_unique");
    const QByteArray second =
        Assignment(BuildScript(ScriptTemplate(), false, Example()), "Cookie_unique");
    EXPECT_EQ(first, "Cookie_unique = 'Cookie_ID_42';");
    EXPECT_EQ(second, "Cookie_unique = 'Cookie_ID_43';");
}

TEST(SpinValueTest, WholeDecimalNumbersOnlyAndNoBounds)
{
    for (const auto &c : SpinTextCases)
        EXPECT_EQ(ReadSpinValue(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
}

} // namespace
