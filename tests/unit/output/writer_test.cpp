#include "FileSizeLimit.h"
#include "designer/DesignModel.h"
#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"
#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "output/PopupComposer.h"
#include "output/PopupWriter.h"
#include "output/UniqueNumber.h"
#include "unit_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A design of a half-transparent template with one text, composed by the real renderer.
class TTestSource : public TPopupSource {
public:
    TTestSource()
    {
        m_model.CreateCloseButtonObject(Size);
        TMovingObject &text = m_model.AppendTextObject(Size);
        text.Lines = QStringList{QStringLiteral("Sale")};
        text.Font.Name = QStringLiteral("Liberation Sans");
    }
    TComposedPopup ComposePopupImage() override
    {
        ++Compositions;
        m_bitmap.setSize(Size, Size);
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x)
                m_bitmap.setPixel(x, y, y < Size / 2 ? 0xFF2050A0u : 0x00000000u);
        const TPixelRect close = ::ComposePopupImage(m_bitmap, m_model, Size, m_png);
        return TComposedPopup{m_bitmap, m_png, close};
    }
    int DocumentSize() const override { return Size; }
    TPopupSettings PopupSettings() const override { return Settings; }

    int Size = 200;
    int Compositions = 0;
    TPopupSettings Settings;

private:
    TDesignModel m_model;
    Bitmap32 m_bitmap;
    TPNGObject m_png;
};

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EVantelleError &e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

class WriterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureGuiApp(); }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    TTestSource m_source;
};

TEST_F(WriterTest, AddPopupWritesTheThreeFilesBesideThePage)
{
    const QString page = Path(QStringLiteral("my page.htm"));
    Write(page, "<html>\n<body bgcolor=white>\n<p>Welcome</p>\n</body></html>\n");
    const QString folder = PopupFolderForPage(page);
    const TWrittenPopup written = WritePopupFiles(m_source, page, folder, false);

    EXPECT_EQ(written.ScriptFolderName, QStringLiteral("my page.popup"));
    EXPECT_EQ(Read(page), "<html>\n<body bgcolor=white><!-- POPUP --><script src=my%20page.popup/"
                          "script.js></script><!-- END -->\n<p>Welcome</p>\n</body></html>\n");
    TPNGObject logo;
    logo.loadFromFile(folder + QStringLiteral("/logo.png"));
    EXPECT_EQ(logo.width(), 200);
    EXPECT_EQ(logo.height(), 200);
    ASSERT_NE(logo.alphaScanline(150), nullptr);
    EXPECT_EQ(logo.alphaScanline(0)[0], 255);
    EXPECT_EQ(logo.alphaScanline(199)[0], 0);
    EXPECT_EQ(Read(folder + QStringLiteral("/pix.gif")),
              QByteArray::fromHex("474946383961010001008000"
                                  "00ffffff000000"
                                  "21f90401000000002c"
                                  "00000000010001000002024401003b"));
    const QByteArray script = Read(folder + QStringLiteral("/script.js"));
    EXPECT_TRUE(script.contains("\r\nPath = \"my%20page.popup/\";\r\n"));
    EXPECT_TRUE(script.contains("\r\nclick_points = '0, 99, 0, 0, 199, 0, 199, 99';\r\n"));
    EXPECT_TRUE(script.contains("openhow=\"<script>timeHide()</script>\";"));

    // Again: the same page, the files replaced.
    const QByteArray pageOnce = Read(page);
    WritePopupFiles(m_source, page, folder, false);
    EXPECT_EQ(Read(page), pageOnce);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{"logo.png", "pix.gif", "script.js"}));

    // A new page in folders that do not exist yet gets them.
    const QString newPage = Path(QStringLiteral("new/site/index.htm"));
    WritePopupFiles(m_source, newPage, PopupFolderForPage(newPage), false);
    EXPECT_TRUE(Read(newPage).startsWith("<BODY>\r\n<!-- POPUP --><script src=index.popup/"));
}

TEST_F(WriterTest, SaveFilesGivesTheCodeToPasteAndWritesNoPage)
{
    const QString folder = Path(QStringLiteral("out/site/files/"));
    for (int run = 0; run < 2; ++run) {
        const TWrittenPopup written = WritePopupFiles(m_source, QString(), folder, false);
        EXPECT_EQ(written.PageText, "<BODY>\r\n<!-- POPUP --><script src=files/script.js></script>"
                                    "<!-- END -->\r\n</BODY>\r\n");
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{"logo.png", "pix.gif", "script.js"}));
    EXPECT_EQ(QDir(Path(QStringLiteral("out/site"))).entryList(QDir::Files), QStringList());
}

TEST_F(WriterTest, FailuresStopAtTheirStepAndLoseNothing)
{
    EXPECT_EQ(ErrorOf([&] { WritePopupFiles(m_source, QString(), QString(), false); }),
              QStringLiteral("Unable to create directory"));

    // A file where the folder should be: nothing can be made inside it, not even by root.
    const QString blocker = Path(QStringLiteral("blocker"));
    Write(blocker, "keep");
    EXPECT_TRUE(ErrorOf([&] {
                    WritePopupFiles(m_source, QString(), blocker + "/x.popup", false);
                }).startsWith("Cannot create file \"" + blocker + "/x.popup/logo.png\". "));
    EXPECT_EQ(Read(blocker), "keep");

    // A page stored as UTF-16 is refused before anything is written to it.
    const QString wide = Path(QStringLiteral("wide.htm"));
    const QByteArray utf16("\xFF\xFE<\0b\0o\0d\0y\0>\0", 14);
    Write(wide, utf16);
    EXPECT_TRUE(ErrorOf([&] {
                    WritePopupFiles(m_source, wide, PopupFolderForPage(wide), false);
                }).contains(QStringLiteral("not single-byte text")));
    EXPECT_EQ(Read(wide), utf16);
}

// A page that cannot be replaced, or whose markers do not pair, stays as it was, and no popup
// folder is made for it.
TEST_F(WriterTest, APageThatCannotBeReplacedGetsNoFiles)
{
    const QString folderPage = Path(QStringLiteral("folder.htm"));
    ASSERT_TRUE(QDir().mkpath(folderPage));
    const QString marked = Path(QStringLiteral("marked.htm"));
    Write(marked,
          "<html><head><!-- POPUP -->\n</head><body>\n<p>x</p>\n</body></html>\n<!-- END -->");
    const struct {
        QString page;
        QString error;
    } cases[] = {
        // /proc refuses new files to everyone, root included: the page reads fine but cannot be
        // replaced.
        {QStringLiteral("/proc/sys/kernel/ostype"),
         QStringLiteral("Cannot create file \"/proc/sys/kernel/ostype\". ")},
        {folderPage, "Cannot create file \"" + folderPage + "\". "},
        {marked, "The page \"" + marked +
                     "\" was left unchanged. Its popup markers on lines 1 and 5 do not pair"},
    };
    for (const auto &c : cases) {
        const QByteArray before = Read(c.page);
        const QString folder = Path(QFileInfo(c.page).completeBaseName() + ".popup");
        const QString error = ErrorOf([&] { WritePopupFiles(m_source, c.page, folder, false); });
        EXPECT_TRUE(error.startsWith(c.error)) << error.toStdString();
        EXPECT_EQ(Read(c.page), before) << c.page.toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder)) << c.page.toStdString();
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"folder.htm", "marked.htm"}));
}

// The disk filling up while the page is written (the file-size limit stands in for it): the
// earlier page survives whole, logo.png written before stays, later files are not written.
TEST_F(WriterTest, FullDiskWhileWritingThePageKeepsTheOldPage)
{
    const QString page = Path(QStringLiteral("big.htm"));
    const QByteArray original = "<body>\r\n" + QByteArray(300000, 'p') + "\r\n</body>\r\n";
    Write(page, original);
    const QString folder = PopupFolderForPage(page);

    const QString error = [&] {
        const FileSizeLimit full(100000);
        return ErrorOf([&] { WritePopupFiles(m_source, page, folder, false); });
    }();

    EXPECT_TRUE(error.startsWith("Cannot create file \"" + page + "\". ")) << error.toStdString();
    EXPECT_EQ(Read(page), original);
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/logo.png")));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/script.js")));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("big.htm")});
}

TEST_F(WriterTest, PreviewFoldersAreFreshAndAllRemovedAtTheEnd)
{
    // The first two previews draw the same number: the second draws again.
    const uint32_t ticks[] = {700, 700, 700, 701, 900};
    size_t next = 0;
    SetUniqueNumberSource([&] { return ticks[std::min(next++, std::size(ticks) - 1)]; });
    QStringList files, folders;
    QStringList pages;
    for (int i = 0; i < 3; ++i)
        pages << WritePreviewFiles(m_source, m_dir.path(), files, folders);
    SetUniqueNumberSource({});

    const QString base = m_dir.path() + QStringLiteral("/Popup_");
    EXPECT_EQ(pages, (QStringList{base + "700/index.htm", base + "701/index.htm",
                                  base + "900/index.htm"}));
    EXPECT_EQ(folders, (QStringList{base + "700", base + "700/files", base + "701",
                                    base + "701/files", base + "900", base + "900/files"}));
    // logo@2x.png is listed too, so that it is removed where a source writes it; this one
    // composes none.
    ASSERT_EQ(files.size(), 15);
    EXPECT_EQ(files.mid(0, 5),
              (QStringList{base + "700/index.htm", base + "700/files/logo.png",
                           base + "700/files/logo@2x.png", base + "700/files/pix.gif",
                           base + "700/files/script.js"}));
    for (const QString &file : files)
        EXPECT_EQ(QFileInfo(file).isFile(), !file.endsWith(QStringLiteral("@2x.png")))
            << file.toStdString();
    EXPECT_EQ(Read(pages[0]), "<BODY>\r\n<!-- POPUP --><script src=files/script.js></script>"
                              "<!-- END -->\r\n</BODY>\r\n");
    // Once per session is chosen, but a preview shows the popup every time.
    EXPECT_TRUE(Read(base + "700/files/script.js").contains("\r\nopenhow=\"\";\r\n"));

    RemoveTempFiles(files, folders);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// The preview's pictures are encoded at zlib's fastest level: the same pixels as the output's,
// whose bytes stay at the default level.
TEST_F(WriterTest, PreviewPicturesAreEncodedFastWithTheSamePixels)
{
    class TSharpSource : public TTestSource {
    public:
        bool ComposeSharpImage(TPNGObject &picture) override
        {
            QImage image(40, 30, QImage::Format_ARGB32);
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x)
                    image.setPixel(x, y, qRgba(x * 6, y * 8, (x * y) & 0xFF, 255));
            picture.assignImage(image);
            return true;
        }
    } source;
    source.Settings.SharpPicture = true;
    QStringList files, folders;
    const QDir preview = QFileInfo(WritePreviewFiles(source, m_dir.path(), files, folders)).dir();
    const QString output = Path(QStringLiteral("out"));
    WritePopupFiles(source, QString(), output, false);

    // The zlib header after the first IDAT name: its level bits are 0 for the fastest level.
    const auto levelBits = [](const QByteArray &png) {
        const qsizetype at = png.indexOf("IDAT");
        return at < 0 ? -1 : (uchar(png[at + 5]) >> 6);
    };
    const auto rows = [](const QByteArray &png) {
        TPNGObject picture;
        picture.loadFromData(png);
        std::vector<uint32_t> argb(size_t(picture.width() * picture.height()));
        for (int y = 0; y < picture.height(); ++y)
            picture.argbScanline(y, argb.data() + size_t(y) * size_t(picture.width()));
        return std::make_tuple(picture.width(), picture.height(), argb);
    };
    for (const char *name : {"logo.png", "logo@2x.png"}) {
        SCOPED_TRACE(name);
        const QByteArray fast = Read(preview.filePath("files/" + QLatin1String(name)));
        const QByteArray normal = Read(output + "/" + QLatin1String(name));
        EXPECT_EQ(levelBits(fast), 0);
        EXPECT_EQ(levelBits(normal), 3); // above 6
        EXPECT_EQ(rows(fast), rows(normal));
        EXPECT_GT(std::get<0>(rows(fast)), 0);
    }
    RemoveTempFiles(files, folders);
}

// A preview that fails half-way (script.js meets the file-size limit) still leaves nothing in
// the temporary folder once the lists are cleaned up.
TEST_F(WriterTest, FailedPreviewIsCleanedUpAsWell)
{
    QStringList files, folders;
    const QString error = [&] {
        const FileSizeLimit full(6000);
        return ErrorOf([&] { WritePreviewFiles(m_source, m_dir.path(), files, folders); });
    }();

    EXPECT_TRUE(error.contains(QStringLiteral("/files/script.js\". "))) << error.toStdString();
    ASSERT_EQ(folders.size(), 2);
    EXPECT_TRUE(QFileInfo(folders[1] + QStringLiteral("/logo.png")).isFile());
    RemoveTempFiles(files, folders);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

} // namespace
