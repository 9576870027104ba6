#include "base/ProgramPaths.h"
#include "designer/DesignRenderer.h"
#include "designer/FontPickers.h"
#include "document/DesignDocument.h"
#include "document/DesignFile.h"
#include "document/RecoveryFiles.h"
#include "document/SettingsJson.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "output/PageText.h"
#include "output/PopupWriter.h"
#include "unit_support.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A picture with colour and alpha gradients, so resampling and alpha both show in the output.
TDesignPicture GradientPicture(int width, int height, bool createAlpha = false)
{
    Bitmap32 image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           (uint32_t((x * 255) / width) << 24) | (uint32_t(y * 7 % 256) << 16) |
                               (uint32_t(x * 3 % 256) << 8) | uint32_t((x + y) % 256));
    TPNGObject png;
    Bitmap32ToPng(image, png);
    return DesignPictureOf(png, createAlpha);
}

QString InstalledOr(const QString &face)
{
    return IndexOfFace(FontFaceList(), face) >= 0 ? face : DefaultFontFace(FontFaceList());
}

// A design that uses every part of the file: rotated multi-line texts in several faces and
// colours, a scaled close button and settings away from their defaults.
void FillRichDesign(TDesignDocument &doc)
{
    doc.DocumentSize = 350;
    doc.SetTemplate(GradientPicture(97, 61));
    doc.SetCloseButton(GradientPicture(30, 24, true));
    TMovingObject &button = *doc.Model.CloseButtonObject();
    double scale = 1.0;
    for (int i = 0; i < 4; ++i)
        scale += 0.1; // as four presses of "+" make it, error and all
    button.ButtonScale = scale;
    button.X = 330;
    button.Y = 90;
    const struct {
        const char *lines;
        const char *face;
        int size;
        uint32_t color;
        bool bold, italic, underline;
        int angle, x, y;
    } texts[] = {
        {"Summer|sale", "Liberation Sans", 24, 0x0000FF, true, false, false, 30, 120, 160},
        {"Up to|50 %|off", "DejaVu Serif", 18, 0x804000, false, true, true, -45, 200, 220},
        {"today", "Comic Neue", 14, 0x00C000, false, false, false, 90, 260, 300},
    };
    for (const auto &t : texts) {
        TMovingObject &object = doc.Model.AppendTextObject(doc.DocumentSize);
        object.Lines = QString::fromUtf8(t.lines).split(u'|');
        object.Font = TFontDesc{InstalledOr(QString::fromLatin1(t.face)),
                                t.size,
                                t.color,
                                t.bold,
                                t.italic,
                                t.underline};
        object.Angle = t.angle;
        object.X = t.x;
        object.Y = t.y;
    }
    doc.Settings.ClickOpensLink = false;
    doc.Settings.LinkURL = QStringLiteral("https://example.org/offer?a=1&b=\"2\"");
    doc.Settings.LinkInSameWindow = false;
    doc.Settings.AutoClose = true;
    doc.Settings.AutoCloseDelay = 12;
    doc.Settings.OncePerSession = false;
    doc.Settings.AutoCenter = false;
    doc.Settings.ManualLeft = 20;
    doc.Settings.ManualTop = -35;
    doc.Settings.ShowTrigger = TPopupSettings::TShowTrigger::Scroll;
    doc.Settings.ShowDelay = 9;
    doc.Settings.ScrollPercent = 65;
    doc.Settings.RepeatDays = 4;
    doc.Settings.Backdrop = true;
    doc.Settings.BackdropColor = 0x0A1B2C;
    doc.Settings.BackdropOpacity = 35;
    doc.Settings.BackdropClickCloses = false;
    doc.Settings.Entrance = TPopupSettings::TEntrance::Zoom;
    doc.Settings.ScreenReaderTextOn = false;
    doc.Settings.ScreenReaderText = QStringLiteral("Sale \"now\"\nall week");
    doc.Settings.SharpPicture = false;
    doc.Settings.CookieName = QStringLiteral("Cookie_ID_5538812");
    doc.Settings.Schedule.From = QStringLiteral("2026-12-24T18:00:00");
    doc.Settings.Schedule.Until = QStringLiteral("2027-01-02T00:00:30");
    doc.Settings.Schedule.VisitorTime = false;
    doc.Settings.Schedule.UtcOffsetMinutes = -210;
    doc.Settings.Schedule.Days = 0x55;
    doc.Settings.Schedule.HasHours = true;
    doc.Settings.Schedule.HoursFrom = 22 * 60 + 30;
    doc.Settings.Schedule.HoursUntil = 2 * 60;
    doc.Settings.Devices = TPopupDevices::Touch;
    doc.Output.ExistingFile = QStringLiteral("/srv/www/index.htm");
    doc.Output.SaveToFolder = QStringLiteral("/srv/www/files");
}

QByteArray WithoutCookie(QByteArray script)
{
    const qsizetype at = script.indexOf("Cookie_ID_");
    const qsizetype end = script.indexOf('\'', at);
    return script.remove(at, end - at);
}

class DesignFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureGuiApp();
        ASSERT_TRUE(m_dir.isValid());
    }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(DesignFileTest, SavedAndOpenedDesignWritesTheSamePopup)
{
    TDesignDocument before;
    FillRichDesign(before);
    Bitmap32 bitmapA;
    TPNGObject outputA;
    TDocumentPopupSource sourceA(before, bitmapA, outputA);
    // The script names its folder, so both outputs go to folders of the same name.
    ASSERT_TRUE(QDir().mkpath(Path("a/out")));
    WritePopupFiles(sourceA, QString(), Path("a/out"), false);
    WriteDesignFile(Path("rich.vpopup"), before.Snapshot());

    TDesignDocument after;
    after.Restore(ReadDesignFile(Path("rich.vpopup")));
    EXPECT_TRUE(after.Snapshot() == before.Snapshot());
    Bitmap32 bitmapB;
    TPNGObject outputB;
    TDocumentPopupSource sourceB(after, bitmapB, outputB);
    ASSERT_TRUE(QDir().mkpath(Path("b/out")));
    WritePopupFiles(sourceB, QString(), Path("b/out"), false);

    EXPECT_EQ(Read(Path("a/out/logo.png")), Read(Path("b/out/logo.png")));
    const QByteArray scriptA = Read(Path("a/out/script.js"));
    const QByteArray scriptB = Read(Path("b/out/script.js"));
    ASSERT_TRUE(scriptA.contains("Cookie_ID_"));
    EXPECT_EQ(WithoutCookie(scriptA).toStdString(), WithoutCookie(scriptB).toStdString());
    EXPECT_TRUE(scriptA.contains("timeHided(12000)"));
    EXPECT_TRUE(scriptB.contains("Cookie_unique = 'Cookie_ID_5538812';"));
    // Saving the opened design again gives the same file.
    EXPECT_EQ(DesignFileBytes(after.Snapshot()), Read(Path("rich.vpopup")));
}

TEST_F(DesignFileTest, RestoreKeepsTheCloseButtonObjectAndTheTextsInPlace)
{
    TDesignDocument doc;
    FillRichDesign(doc);
    const TMovingObject *button = doc.Model.CloseButtonObject();
    const TDesignText second = doc.Snapshot().Texts[1];
    TDesignState state = doc.Snapshot();
    state.Texts.pop_back();
    state.CloseButton = {};
    doc.Restore(state);
    EXPECT_EQ(doc.Model.CloseButtonObject(), button);
    EXPECT_EQ(button->ButtonPicture, nullptr);
    EXPECT_EQ(doc.Model.DesignObjects.size(), 3u);
    // A view's selection by place stays on the same text.
    EXPECT_EQ(doc.Model.At(2)->Lines, second.Lines);
    EXPECT_EQ(doc.Model.At(2)->X, second.X);
    state.Texts.clear();
    doc.Restore(state);
    EXPECT_EQ(doc.Model.At(2), nullptr);
    // Scale and position stay while there is no picture, as "No close button" keeps them.
    EXPECT_EQ(button->X, 330);
}

TEST_F(DesignFileTest, DamagedFilesAreRefusedWithTheirReasonAndChangeNothing)
{
    TDesignDocument source;
    FillRichDesign(source);
    const QByteArray good = DesignFileBytes(source.Snapshot());
    const QString goodTemplate = QString::fromLatin1(source.Template().Bytes.toBase64());
    auto edited = [&](const char *from, const char *to) {
        QByteArray bytes = good;
        EXPECT_TRUE(bytes.contains(from)) << from;
        return bytes.replace(from, to);
    };
    auto rewritten = [&](const char *pattern, const char *to) {
        QString text = QString::fromUtf8(good);
        const QRegularExpression re{QString::fromLatin1(pattern)};
        EXPECT_TRUE(text.contains(re)) << pattern;
        return text.replace(re, QLatin1String(to)).toUtf8();
    };
    QByteArray badPicture = good;
    badPicture.replace(goodTemplate.toLatin1(), QByteArray("not a png at all").toBase64());

    const struct {
        const char *name;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"empty", QByteArray(), "The file is empty"},
        {"truncated", good.left(good.size() / 2), "cut short"},
        {"not JSON", QByteArray("\x89PNG\r\n\x1a\n garbage"), "It is not a design file"},
        {"JSON but no object", QByteArray("[1, 2, 3]"), "holds no JSON object"},
        {"no format", QByteArray("{\"documentSize\": 300}"), "has no \"format\" number"},
        {"newer format", edited("\"format\": 1", "\"format\": 2"),
         "newer version of Vantelle Pro (design format 2; this version reads format 1)."},
        {"size as text", edited("\"documentSize\": 350", "\"documentSize\": \"350\""),
         "\"documentSize\" must be a whole number from 150 to 500"},
        {"size out of range", edited("\"documentSize\": 350", "\"documentSize\": 550"),
         "\"documentSize\" must be a whole number from 150 to 500"},
        {"size between steps", edited("\"documentSize\": 350", "\"documentSize\": 360"),
         "must be one of 150"},
        {"texts not a list", QByteArray("{\"format\": 1, \"texts\": {\"a\": 1}}"),
         "\"texts\" must be a list"},
        {"lines of numbers", edited("\"Summer\"", "7"), "\"texts[0].lines\" must be a list"},
        {"bold as text", edited("\"bold\": true", "\"bold\": \"yes\""),
         "\"texts[0].bold\" must be true or false"},
        {"colour not #RRGGBB", edited("\"#FF0000\"", "\"red\""), "\"texts[0].color\""},
        {"position far away", edited("\"x\": 120", "\"x\": 1e9"), "\"texts[0].x\""},
        {"scale zero", rewritten("\"scale\": [0-9.e+-]+", "\"scale\": 0"), "\"closeButton.scale\""},
        {"scale huge", rewritten("\"scale\": [0-9.e+-]+", "\"scale\": 1e300"),
         "\"closeButton.scale\""},
        {"unknown trigger", edited("\"showWhen\": \"scroll\"", "\"showWhen\": \"hover\""),
         "\"behaviour.showWhen\" must be"},
        {"unknown entrance", edited("\"entrance\": \"zoom\"", "\"entrance\": \"spin\""),
         "\"behaviour.entrance\" must be"},
        {"backdrop colour not #RRGGBB", edited("\"#0A1B2C\"", "\"#0A1B2\""),
         "\"behaviour.backdropColor\""},
        {"opacity past 100", edited("\"backdropOpacity\": 35", "\"backdropOpacity\": 101"),
         "\"behaviour.backdropOpacity\" must be a whole number from 0 to 100"},
        {"picture not base64", edited("\"template\": \"", "\"template\": \"*"), "not valid base64"},
        {"picture does not decode", badPicture, "\"template\" does not decode"},
        {"behaviour wrong type", edited("\"autoCloseDelay\": 12", "\"autoCloseDelay\": true"),
         "\"behaviour.autoCloseDelay\""},
        {"close button not an object",
         rewritten("\"closeButton\": \\{[^}]*\\}", "\"closeButton\": 5"),
         "\"closeButton\" must be an object"},
        {"behaviour a list", QByteArray("{\"format\": 1, \"behaviour\": []}"),
         "\"behaviour\" must be an object"},
        {"output a text", QByteArray("{\"format\": 1, \"output\": \"x\"}"),
         "\"output\" must be an object"},
        // Values no popup can use, as the window and the generator refuse them too.
        {"auto close after 0 s", edited("\"autoCloseDelay\": 12", "\"autoCloseDelay\": 0"),
         "\"behaviour.autoCloseDelay\" must be a whole number from 1 to 2147483647"},
        {"shown 3 s before load", edited("\"showDelay\": 9", "\"showDelay\": -3"),
         "\"behaviour.showDelay\" must be a whole number from 0 to 86400"},
        {"scrolled 150 %", edited("\"scrollPercent\": 65", "\"scrollPercent\": 150"),
         "\"behaviour.scrollPercent\" must be a whole number from 0 to 100"},
        {"cookie name with a quote",
         edited("\"cookieName\": \"Cookie_ID_5538812\"", "\"cookieName\": \"Cookie'1\""),
         "\"behaviour.cookieName\" must begin with a letter"},
        {"schedule a list", rewritten("\"schedule\": \\{[^}]*\\}", "\"schedule\": []"),
         "\"behaviour.schedule\" must be an object"},
        {"schedule ends before it begins",
         edited("\"2027-01-02T00:00:30\"", "\"2026-12-24T17:59:59\""),
         "The schedule ends (2026-12-24T17:59:59) before it begins (2026-12-24T18:00:00)"},
        {"schedule's date with a clock of its own",
         edited("\"2027-01-02T00:00:30\"", "\"2027-01-02T00:00:30Z\""),
         "\"behaviour.schedule.until\" must be a date and time"},
        {"schedule's date without seconds",
         edited("\"2026-12-24T18:00:00\"", "\"2026-12-24T18:00\""),
         "\"behaviour.schedule.from\" must be a date and time"},
        {"schedule on no day", edited("\"mon,wed,fri,sun\"", "\"\""),
         "\"behaviour.schedule.days\" must name days"},
        {"schedule on a day that is none", edited("\"mon,wed,fri,sun\"", "\"mon,fun\""),
         "\"behaviour.schedule.days\" must name days"},
        {"schedule's hours in one time", edited("\"22:30-02:00\"", "\"22:30\""),
         "\"behaviour.schedule.hours\" must be two times"},
        {"schedule's hours that begin where they end", edited("\"22:30-02:00\"", "\"02:00-02:00\""),
         "The schedule's hours begin and end"},
        {"schedule on a zone's name", edited("\"UTC-03:30\"", "\"CET\""),
         "\"behaviour.schedule.clock\" must be"},
        {"schedule's clock beyond +14:00", edited("\"UTC-03:30\"", "\"UTC+14:30\""),
         "The schedule's clock must be UTC-12:00 to UTC+14:00"},
        {"unknown devices", edited("\"devices\": \"touch\"", "\"devices\": \"phone\""),
         "\"behaviour.devices\" must be \"all\", \"touch\" or \"desktop\""},
    };
    TDesignDocument open;
    FillRichDesign(open);
    const TDesignState unchanged = open.Snapshot();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(QStringLiteral("damaged.vpopup"));
        Write(path, c.bytes);
        try {
            open.Restore(ReadDesignFile(path));
            ADD_FAILURE() << "opened";
        } catch (const EDesignFileError &e) {
            EXPECT_TRUE(
                e.message().startsWith(QStringLiteral("Cannot open design \"%1\". ").arg(path)))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QLatin1String(c.reason))) << e.message().toStdString();
        }
        EXPECT_TRUE(open.Snapshot() == unchanged);
    }
}

// A design without a schedule or device limit is written without them, so its file is what it
// was before they existed; a file without them opens as showing always and everywhere.
TEST_F(DesignFileTest, ScheduleAndDevicesAreWrittenOnlyWhenTheyLimitThePopup)
{
    TDesignDocument doc;
    FillRichDesign(doc);
    const QByteArray limited = DesignFileBytes(doc.Snapshot());
    EXPECT_TRUE(limited.contains("\"clock\": \"UTC-03:30\"")) << limited.toStdString();
    EXPECT_TRUE(limited.contains("\"hours\": \"22:30-02:00\""));
    doc.Settings.Schedule = TPopupSchedule();
    doc.Settings.Devices = TPopupDevices::All;
    const QByteArray plain = DesignFileBytes(doc.Snapshot());
    EXPECT_FALSE(plain.contains("\"schedule\"")) << plain.toStdString();
    EXPECT_FALSE(plain.contains("\"devices\""));

    TDesignDocument opened;
    FillRichDesign(opened);
    Write(Path("older.vpopup"), plain);
    opened.Restore(ReadDesignFile(Path("older.vpopup")));
    EXPECT_TRUE(opened.Settings.Schedule == TPopupSchedule());
    EXPECT_EQ(opened.Settings.Devices, TPopupDevices::All);
    EXPECT_TRUE(opened.Snapshot() == doc.Snapshot());
}

// "http://" alone is what the link box of a new design held before an empty box meant no link:
// such a design opens without a link. Any other link opens as it was, to be mended in the window.
TEST_F(DesignFileTest, TheFormerDefaultLinkOpensAsNoLink)
{
    for (const auto &[saved, opened] :
         {std::pair{"http://", ""}, std::pair{"www.example.org", "www.example.org"},
          std::pair{"https://", "https://"}, std::pair{"offer.htm", "offer.htm"}}) {
        QJsonObject behaviour;
        behaviour.insert(QStringLiteral("linkUrl"), QLatin1String(saved));
        EXPECT_EQ(PopupSettingsFromJson(behaviour).LinkURL, QLatin1String(opened)) << saved;
    }
}

// Each limit of the format at its boundary: the limit itself opens, one more is refused.
TEST_F(DesignFileTest, EachLimitOpensAtItsValueAndRefusesOneMore)
{
    const auto design = [](const QByteArray &rest) {
        return QByteArray("{\"format\": 1, ") + rest + "}";
    };
    const auto repeated = [](const QByteArray &item, qsizetype count) {
        QByteArrayList items;
        for (qsizetype i = 0; i < count; ++i)
            items << item;
        return "[" + items.join(',') + "]";
    };
    const auto quoted = [](qsizetype length) { return "\"" + QByteArray(length, 'a') + "\""; };
    const auto picture = [](int width, int height) {
        Bitmap32 image(width, height);
        image.fill(0xFF336699u);
        TPNGObject png;
        Bitmap32ToPng(image, png);
        return DesignPictureOf(png).Bytes;
    };
    // A small PNG made exactly `size` bytes long with chunks the reader skips (of 1 MiB at most).
    const auto pngOfSize = [&](qsizetype size) {
        QByteArray png = picture(4, 4);
        while (png.size() < size) {
            const qsizetype dataLength = std::min<qsizetype>(size - png.size() - 12, 1 << 20);
            QByteArray chunk;
            for (int shift = 24; shift >= 0; shift -= 8)
                chunk.append(char((dataLength >> shift) & 0xFF));
            chunk += "vpAd" + QByteArray(dataLength, 'p');
            const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(chunk.constData()) + 4,
                                    static_cast<uInt>(chunk.size() - 4));
            for (int shift = 24; shift >= 0; shift -= 8)
                chunk.append(char((crc >> shift) & 0xFF));
            png.insert(png.size() - 12, chunk); // before IEND
        }
        EXPECT_EQ(png.size(), size);
        return png;
    };
    const auto base64 = [](const QByteArray &bytes) { return "\"" + bytes.toBase64() + "\""; };
    const auto closeButton = [&](const QByteArray &png) {
        return "\"closeButton\": {\"picture\": " + base64(png) + "}";
    };
    const auto scaledButton = [&](const QByteArray &png) {
        return "\"closeButton\": {\"scale\": 2, \"picture\": " + base64(png) + "}";
    };
    const qsizetype lines = DesignLimits::LinesPerText, texts = DesignLimits::Texts,
                    length = DesignLimits::LineLength, face = DesignLimits::FaceLength,
                    bytes = DesignLimits::PictureBytes,
                    characters = DesignLimits::TextCharacters / 20;
    const int side = 1000;
    ASSERT_EQ(qint64(side) * side, DesignLimits::PicturePixels);
    const struct {
        const char *name;
        QByteArray atLimit, beyond;
        const char *reason;
    } cases[] = {
        {"lines of a text", design("\"texts\": [{\"lines\": " + repeated("\"a\"", lines) + "}]"),
         design("\"texts\": [{\"lines\": " + repeated("\"a\"", lines + 1) + "}]"),
         "\"texts[0].lines\" holds more than 1000 lines"},
        {"texts", design("\"texts\": " + repeated("{}", texts)),
         design("\"texts\": " + repeated("{}", texts + 1)), "\"texts\" holds more than 1000"},
        {"line length", design("\"texts\": [{\"lines\": [" + quoted(length) + "]}]"),
         design("\"texts\": [{\"lines\": [" + quoted(length + 1) + "]}]"),
         "A line of \"texts[0]\" is longer than 10000 characters"},
        {"characters of all texts",
         design("\"texts\": " + repeated("{\"lines\": [" + quoted(characters) + "]}", 20)),
         // Twenty texts of a twentieth each, the last with a character more.
         design(
             "\"texts\": " + repeated("{\"lines\": [" + quoted(characters) + "]}", 19).chopped(1) +
             ",{\"lines\": [" + quoted(characters + 1) + "]}]"),
         "The texts hold more than 100000 characters together"},
        {"face name", design("\"texts\": [{\"face\": " + quoted(face) + "}]"),
         design("\"texts\": [{\"face\": " + quoted(face + 1) + "}]"), "\"texts[0].face\""},
        {"picture bytes", design("\"template\": " + base64(pngOfSize(bytes))),
         design("\"template\": " + base64(pngOfSize(bytes + 1))),
         "The picture \"template\" is larger than 16777216 bytes"},
        {"template pixels", design("\"template\": " + base64(picture(side, side))),
         design("\"template\": " + base64(picture(side, side + 1))),
         "The picture \"template\" is 1000 x 1001 pixels; a design's pictures may have at most "
         "1,000,000 pixels"},
        {"close button pixels", design(closeButton(picture(side, side))),
         design(closeButton(picture(side + 1, side))),
         "The picture \"closeButton.picture\" is 1001 x 1000 pixels"},
        {"close button drawn", design(scaledButton(picture(side / 2, side / 2))),
         design(scaledButton(picture(side / 2 + 1, side / 2))),
         "The close button of 501 x 500 pixels at scale 2 is drawn 1002 x 1000 pixels"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NO_THROW(ParseDesignFile(c.atLimit, QStringLiteral("limit.vpopup")));
        try {
            ParseDesignFile(c.beyond, QStringLiteral("beyond.vpopup"));
            ADD_FAILURE() << "opened";
        } catch (const EDesignFileError &e) {
            EXPECT_TRUE(
                e.message().startsWith(QStringLiteral("Cannot open design \"beyond.vpopup\". ")))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QLatin1String(c.reason))) << e.message().toStdString();
        }
    }
}

TEST_F(DesignFileTest, MissingFacesAreDrawnInTheLookAlikeAndKeptInTheDesign)
{
    const QStringList installed = FontFaceList();
    ASSERT_GE(IndexOfFace(installed, QStringLiteral("Comic Neue")), 0);
    ASSERT_LT(IndexOfFace(installed, QStringLiteral("Comic Sans MS")), 0);
    TDesignState state;
    for (const char *face : {"Comic Sans MS", "DejaVu Sans", "No Such Face", "comic sans ms",
                             "No Such Face", "Times New Roman"})
        state.Texts.push_back(TDesignText{{QStringLiteral("x")}, TFontDesc{QLatin1String(face)}});
    const TDesignState read = state;
    const auto missing = SubstituteMissingFaces(state, installed);
    const std::vector<std::pair<QString, QString>> expected{
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
        {QStringLiteral("No Such Face"), DefaultFontFace(installed)},
        {QStringLiteral("comic sans ms"), QStringLiteral("Comic Neue")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}};
    EXPECT_EQ(missing, expected);
    // The design keeps its faces; drawing uses the look-alike.
    EXPECT_TRUE(state == read);
    EXPECT_TRUE(DesignFileBytes(state).contains("\"face\": \"No Such Face\""));
    for (const auto &[face, drawnIn] : expected)
        EXPECT_EQ(QFontInfo(MakeFont(TFontDesc{face, 14})).family(), drawnIn) << face.toStdString();
}

TEST_F(DesignFileTest, APublishedPageLeadsToItsDesign)
{
    TDesignDocument doc;
    FillRichDesign(doc);
    Bitmap32 bitmap;
    TPNGObject output;
    TDocumentPopupSource source(doc, bitmap, output);
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("my site"))));
    const QString page = Path(QStringLiteral("my site/index page.htm"));
    const QString folder = PopupFolderForPage(page);
    // Every page that Add popup succeeded on opens, whatever else the page holds.
    const QByteArray pages[] = {
        "<html>\r\n<body bgcolor=white>\r\n<p>Hi</p>\r\n</body></html>\r\n",
        "<html><head><!-- POPUP --><script src=\"lib/site.js\"></script></head>\n<body>\n",
    };
    for (const QByteArray &before : pages) {
        Write(page, before);
        QDir(folder).removeRecursively();
        WritePopupFiles(source, page, folder, false);

        // Without a design beside the script the page cannot be edited.
        try {
            FindPublishedPopup(page);
            ADD_FAILURE() << "found a design that is not there";
        } catch (const EDesignFileError &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("holds no design.vpopup"))) << e.what();
        }
        WriteDesignFile(JoinPath(folder, DesignFileName), doc.Snapshot());
        try {
            const TPublishedPopup found = FindPublishedPopup(page);
            EXPECT_EQ(found.Page, page);
            EXPECT_EQ(found.Folder, folder);
            EXPECT_EQ(found.DesignFile, JoinPath(folder, DesignFileName));
        } catch (const EDesignFileError &e) {
            ADD_FAILURE() << before.constData() << ": " << e.what();
        }
    }

    const QString plain = Path(QStringLiteral("plain.htm"));
    Write(plain, "<body><!-- POPUP --></body>");
    EXPECT_THROW(FindPublishedPopup(plain), EDesignFileError);
    // Markers that Add popup refuses are named in the same words.
    Write(plain, "<head><!-- POPUP -->\n</head><body>\n<!-- END -->");
    try {
        FindPublishedPopup(plain);
        ADD_FAILURE() << "opened a page whose markers do not pair";
    } catch (const EDesignFileError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("markers on lines 1 and 3 do not pair")))
            << e.what();
    }
    EXPECT_TRUE(IsPageFileName(page));
    EXPECT_FALSE(IsPageFileName(JoinPath(folder, DesignFileName)));
}

TEST_F(DesignFileTest, AFailedSaveLeavesTheEarlierFile)
{
    TDesignDocument doc;
    const QString path = Path(QStringLiteral("keep.vpopup"));
    WriteDesignFile(path, doc.Snapshot());
    const QByteArray earlier = Read(path);
    // A folder where the temporary file would go makes the write fail before the rename.
    EXPECT_THROW(WriteDesignFile(Path(QStringLiteral("missing/dir/x.vpopup")), doc.Snapshot()),
                 EDesignFileError);
    FillRichDesign(doc);
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral(".d")));
    EXPECT_EQ(Read(path), earlier);
}

} // namespace

namespace {

TEST_F(DesignFileTest, RecoveryFileKeepsTheDesignAndItsName)
{
    qputenv("XDG_STATE_HOME", m_dir.path().toUtf8());
    TRecoveryFiles files(ProgramStateFolder());
    qunsetenv("XDG_STATE_HOME");
    const QString path = files.OwnPath();
    EXPECT_EQ(path, m_dir.path() + QStringLiteral("/vantelle-pro/recovery.vpopup"));
    TDesignDocument doc;
    FillRichDesign(doc);
    WriteRecoveryFile(path, doc.Snapshot(), QStringLiteral("/home/ann/sale.vpopup"));
    const TRecoveredDesign recovered = ReadRecoveryFile(path);
    EXPECT_TRUE(recovered.State == doc.Snapshot());
    EXPECT_EQ(recovered.DesignFile, QStringLiteral("/home/ann/sale.vpopup"));
}

// Copies running side by side each have a file; only the files of ended copies are offered.
TEST_F(DesignFileTest, EachRunningCopyKeepsItsOwnRecoveryFile)
{
    const QString folder = m_dir.filePath(QStringLiteral("state"));
    auto write = [](const QString &path) {
        WriteRecoveryFile(path, TDesignState{}, QString());
        return QFile::exists(path);
    };
    auto first = std::make_unique<TRecoveryFiles>(folder);
    TRecoveryFiles second(folder);
    EXPECT_TRUE(second.TakeLeftFile().isEmpty());
    ASSERT_TRUE(write(first->OwnPath()));
    ASSERT_EQ(second.OwnPath(), folder + QStringLiteral("/recovery-2.vpopup"));
    ASSERT_TRUE(write(second.OwnPath()));
    // A running copy's file is not offered to another, and stays when that one ends.
    {
        TRecoveryFiles third(folder);
        EXPECT_TRUE(third.TakeLeftFile().isEmpty());
        EXPECT_EQ(third.OwnPath(), folder + QStringLiteral("/recovery-3.vpopup"));
        second.RemoveOwn();
        EXPECT_FALSE(QFile::exists(second.OwnPath()));
    }
    EXPECT_TRUE(QFile::exists(first->OwnPath()));

    // A copy that ends without removing its file (its lock goes with it, as with a crash)
    // leaves it for the next start, which does not write over it.
    first.reset();
    TRecoveryFiles next(folder);
    EXPECT_EQ(next.OwnPath(), folder + QStringLiteral("/recovery-3.vpopup"));
    TRecoveryFiles last(folder);
    const QString left = last.TakeLeftFile();
    EXPECT_EQ(left, folder + QStringLiteral("/recovery.vpopup"));
    // Held while it is offered: nobody else takes it, and there is no other.
    EXPECT_TRUE(TRecoveryFiles(folder).TakeLeftFile().isEmpty());
    EXPECT_TRUE(last.TakeLeftFile().isEmpty());
    EXPECT_TRUE(last.Adopt(left));
    EXPECT_EQ(last.OwnPath(), left);
    last.RemoveOwn();
    EXPECT_FALSE(QFile::exists(left));

    // Names of no slot are left alone; a discarded file goes.
    ASSERT_TRUE(write(folder + QStringLiteral("/recovery-02.vpopup")));
    ASSERT_TRUE(write(folder + QStringLiteral("/recovery-7.vpopup")));
    TRecoveryFiles another(folder);
    ASSERT_FALSE(another.OwnPath().isEmpty());
    EXPECT_EQ(another.TakeLeftFile(), folder + QStringLiteral("/recovery-7.vpopup"));
    // A copy with a file of its own keeps it; the left one is not taken over.
    EXPECT_FALSE(another.Adopt(folder + QStringLiteral("/recovery-7.vpopup")));
    another.Discard(folder + QStringLiteral("/recovery-7.vpopup"));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/recovery-7.vpopup")));
    EXPECT_TRUE(another.TakeLeftFile().isEmpty());
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/recovery-02.vpopup")));
}

} // namespace
