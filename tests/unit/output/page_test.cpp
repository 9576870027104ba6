#include "imaging/VantelleError.h"
#include "output/PageText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

const QByteArray kTag = "<!-- POPUP --><script src=index.popup/script.js></script><!-- END -->";

// Each row is a page before Add popup and the page after it, or the error that leaves it as it
// was. Every row runs three times: Add popup on its own result finds its block again and gives
// the same page.
TEST(PageInsertionTest, EveryKindOfPageGetsExactlyOneBlock)
{
    const QByteArray tag = kTag;
    const QString path = QStringLiteral("/site/index.htm");
    const struct {
        const char *name;
        std::optional<QByteArray> page;
        QByteArray expected; // the page after Add popup, or empty when it is refused
        const char *error = nullptr;
    } cases[] = {
        {"body tag with attributes",
         QByteArray("<html>\r\n<body bgcolor=white>\r\n<p>Welcome</p>\r\n</body></html>\r\n"),
         "<html>\r\n<body bgcolor=white>" + tag + "\r\n<p>Welcome</p>\r\n</body></html>\r\n"},
        {"earlier block replaced in place",
         QByteArray("<html>\r\n<body bgcolor=white><!-- POPUP --><script "
                    "src=old.popup/script.js></script><!-- END "
                    "-->\r\n<p>Welcome</p>\r\n</body></html>\r\n"),
         "<html>\r\n<body bgcolor=white>" + tag + "\r\n<p>Welcome</p>\r\n</body></html>\r\n"},
        {"block spanning lines, written by hand",
         QByteArray("<body>\nA<!-- POPUP -->\n\t<SCRIPT type=\"text/javascript\" "
                    "src='old.popup/script.js' defer>\n</SCRIPT >\n<!-- END -->B\nC\n"),
         "<body>\nA" + tag + "B\nC\n"},
        {"empty block", QByteArray("<body><!-- POPUP -->  <!-- END -->x"), "<body>" + tag + "x"},
        {"start marker without end: stays, tag behind body",
         QByteArray("<BODY onload=init()>rest\r\n<!-- POPUP -->\r\n"),
         "<BODY onload=init()>" + tag + "rest\r\n<!-- POPUP -->\r\n"},
        {"end before start: both stay, tag behind body",
         QByteArray("<body><!-- END -->x<!-- POPUP -->y\r\n"),
         "<body>" + tag + "<!-- END -->x<!-- POPUP -->y\r\n"},
        {"lone start in the head stays, the block behind body is the one replaced",
         QByteArray("<html><head><!-- POPUP --><title>T</title>\r\n<style>p{}</style></head>\r\n"
                    "<body>\r\n<p>Welcome</p>\r\n</body></html>\r\n"),
         "<html><head><!-- POPUP --><title>T</title>\r\n<style>p{}</style></head>\r\n<body>" + tag +
             "\r\n<p>Welcome</p>\r\n</body></html>\r\n"},
        {"two starts before one end: the nearer start pairs",
         QByteArray("<!-- POPUP -->a<body><!-- POPUP --><script src=x.js></script><!-- END -->b"),
         "<!-- POPUP -->a<body>" + tag + "b"},
        {"only the first of two blocks is replaced",
         QByteArray("<body><!-- POPUP --><script src=a/script.js></script><!-- END -->x"
                    "<!-- POPUP --><script src=b/script.js></script><!-- END -->\r\n"),
         "<body>" + tag + "x<!-- POPUP --><script src=b/script.js></script><!-- END -->\r\n"},
        {"lower-case marker is no marker", QByteArray("<body><!-- popup -->z<!-- END -->\r\n"),
         "<body>" + tag + "<!-- popup -->z<!-- END -->\r\n"},

        // Markers around anything but a block: the page is not touched.
        {"start marker after <head>, end marker as the last line",
         QByteArray("<html><head><!-- POPUP -->\n<title>T</title>\n</head>\n<body>\n<p>x</p>\n"
                    "</body></html>\n<!-- END -->\n"),
         {},
         "on lines 1 and 7 do not pair"},
        {"lone start in the head, lone end behind the body tag",
         QByteArray("<html>\r\n<head><!-- POPUP --><title>T</title><meta charset=utf-8>\r\n"
                    "</head>\r\n<body><!-- END -->\r\n<p>x</p>\r\n"),
         {},
         "on lines 2 and 4 do not pair"},
        {"a proper block does not excuse a later pair",
         QByteArray("<body><!-- POPUP --><script src=a/script.js></script><!-- END -->\r"
                    "<!-- POPUP -->\r<p>mine</p>\r<!-- END -->\r<!-- POPUP -->x<!-- END -->"),
         {},
         "on lines 2 and 4, and on line 5 do not pair"},
        {"a script with code of its own is not a block",
         QByteArray("<body><!-- POPUP --><script>go()</script><!-- END -->"),
         {},
         "on line 1 do not pair"},
        {"two scripts are not a block",
         QByteArray("<body><!-- POPUP --><script src=a.js></script><script src=b.js></script>"
                    "<!-- END -->"),
         {},
         "on line 1 do not pair"},
        {"an end marker inside the script's address",
         QByteArray("<body><!-- POPUP --><script src=\"<!-- END -->\"></script><!-- END -->"),
         {},
         "on line 1 do not pair"},

        // The body start tag as HTML reads it.
        {"'>' inside a quoted attribute value",
         QByteArray("<body onload=\"if (w > 600) x();\" class='a>b'>\n<p>x</p>\n"),
         "<body onload=\"if (w > 600) x();\" class='a>b'>" + tag + "\n<p>x</p>\n"},
        {"body tag inside a comment",
         QByteArray("<head><!-- the <body> below --></head>\n<body>\n"),
         "<head><!-- the <body> below --></head>\n<body>" + tag + "\n"},
        {"body tag inside a script, a style, a title and a text area",
         QByteArray("<head><script>var s=\"<body>\";</script><style>p:after{content:'<body>'}"
                    "</style><title><body></title></head><textarea><body></textarea>"
                    "<body class=a>x"),
         "<head><script>var s=\"<body>\";</script><style>p:after{content:'<body>'}</style>"
         "<title><body></title></head><textarea><body></textarea><body class=a>" +
             tag + "x"},
        {"an end tag inside an escaped script",
         QByteArray("<script><!--<script></script><body>--></script><body id=real>"),
         "<script><!--<script></script><body>--></script><body id=real>" + tag},
        {"<bodyx> is no body tag", QByteArray("<bodyx><BoDy\nclass=a>\n"),
         "<bodyx><BoDy\nclass=a>" + tag + "\n"},
        {"no body tag but one in a comment: last line", QByteArray("<!-- <body> -->\n<p>x</p>"),
         "<!-- <body> -->\n<p>x</p>\n" + tag},

        // The page's bytes stay; what the block adds uses the page's own line end.
        {"no body tag, no final line break", QByteArray("<p>hi</p>\n<p>2</p>"),
         "<p>hi</p>\n<p>2</p>\n" + tag},
        {"no body tag, final line break", QByteArray("<p>hi</p>\r"), "<p>hi</p>\r" + tag + "\r"},
        {"body without '>': last line", QByteArray("<body\r\n"), "<body\r\n" + tag + "\r\n"},
        {"empty file", QByteArray(""), tag + "\r\n"},
        {"no file: new page", std::nullopt, "<BODY>\r\n" + tag + "\r\n</BODY>\r\n"},
        {"mixed line ends stay", QByteArray("a\nb\rc\r\n\n<body>d"),
         "a\nb\rc\r\n\n<body>" + tag + "d"},
        {"byte-order mark and bytes above 127 stay",
         QByteArray("\xEF\xBB\xBF\xE9\xFF<body>\x80\x01\n"),
         "\xEF\xBB\xBF\xE9\xFF<body>" + tag + "\x80\x01\n"},
    };
    for (const auto &c : cases) {
        std::optional<QByteArray> page = c.page;
        for (int run = 1; run <= 3; ++run) {
            try {
                page = InsertPopupTag(page, tag, path);
                EXPECT_EQ(*page, c.expected) << c.name << " (run " << run << ")";
            } catch (const EVantelleError &e) {
                EXPECT_TRUE(c.error && e.message().contains(QLatin1String(c.error)) &&
                            e.message().contains(QStringLiteral("\"/site/index.htm\"")))
                    << c.name << ": " << e.what();
            }
            if (c.error) {
                EXPECT_EQ(page, c.page) << c.name;
            }
        }
        // Built in the memory of a buffer that held other bytes, longer or shorter: the same.
        if (!c.page || c.error)
            continue;
        for (const QByteArray &storage : {QByteArray(4096, 'J'), QByteArray("J")}) {
            EXPECT_EQ(InsertPopupTag(c.page, tag, path, storage), c.expected)
                << c.name << " (in a buffer of " << storage.size() << ")";
        }
    }
}

TEST(PageInsertionTest, NamesOfFoldersAndFiles)
{
    EXPECT_EQ(FileBaseName(QStringLiteral("/site/a.b.htm")), QStringLiteral("a.b"));
    EXPECT_EQ(FileBaseName(QStringLiteral("/site/index")), QStringLiteral("index"));
    EXPECT_EQ(ScriptFolderNameOf(QStringLiteral("/site/news.popup")), QStringLiteral("news.popup"));
    EXPECT_EQ(ScriptFolderNameOf(QStringLiteral("/site/my files//")), QStringLiteral("my files"));
    EXPECT_EQ(ScriptFolderNameOf(QStringLiteral("/")), QString());
    // Names become addresses: only characters that need it are percent-encoded.
    const struct {
        QString name;
        QByteArray src;
    } names[] = {{"news.popup", "news.popup"},
                 {"my files", "my%20files"},
                 {"a#b>c\"d'e=f", "a%23b%3Ec%22d%27e%3Df"},
                 {"100%.popup", "100%25.popup"},
                 {QString::fromUtf8("na\u00efve-_~"), "na%C3%AFve-_~"},
                 {"", ""}};
    for (const auto &n : names)
        EXPECT_EQ(ScriptTag(n.name),
                  "<!-- POPUP --><script src=" + n.src + "/script.js></script><!-- END -->")
            << n.name.toStdString();
    EXPECT_EQ(PopupFolderForPage(QStringLiteral("/site/a.b.htm")),
              QStringLiteral("/site/a.b.popup"));

    // A page typed without a folder lies in the working directory, and so do its files.
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString folder = PopupFolderForPage(QStringLiteral("index.htm"));
    QDir::setCurrent(previous);
    EXPECT_EQ(folder, QDir(dir.path()).absoluteFilePath(QStringLiteral("index.popup")));
}

TEST(PageInsertionTest, WideTextIsRefusedEverythingElsePasses)
{
    const struct {
        QByteArray text;
        bool refused;
    } cases[] = {
        {QByteArray("\xFF\xFE<\0b\0", 6), true},      {QByteArray("\xFE\xFF\0<\0b", 6), true},
        {QByteArray("\xFF\xFE\0\0<\0\0\0", 8), true}, {QByteArray("\0\0\xFE\xFF\0\0\0<", 8), true},
        {QByteArray("<body>\0</body>", 14), true},    {QByteArray("\xEF\xBB\xBF<body>"), false},
        {QByteArray("<body>\xFE\xFF</body>"), false}, {QByteArray(), false},
    };
    for (const auto &c : cases) {
        bool refused = false;
        try {
            CheckSingleByteText(c.text, QStringLiteral("/p.htm"));
        } catch (const EVantelleError &e) {
            refused = true;
            EXPECT_TRUE(e.message().contains(QStringLiteral("\"/p.htm\""))) << e.what();
        }
        EXPECT_EQ(refused, c.refused) << c.text.toHex().constData();
    }
}

TEST(PageFileTest, UnreadableAndUnwritablePlacesGiveTheFileErrors)
{
    QTemporaryDir dir;
    // A plain file where a folder should be stops even root from creating files "inside" it.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    WriteFileBytes(blocker, "x");
    const QString inside = blocker + QStringLiteral("/page.htm");
    try {
        WriteFileBytes(inside, "y");
        ADD_FAILURE() << "wrote inside a file";
    } catch (const EFileError &e) {
        EXPECT_TRUE(e.message().startsWith("Cannot create file \"" + inside + "\". ")) << e.what();
    }
    try {
        ReadFileBytes(dir.filePath(QStringLiteral("missing.htm")));
        ADD_FAILURE() << "read a missing file";
    } catch (const EFileError &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot open file \""))) << e.what();
    }
    EXPECT_EQ(ReadFileBytes(blocker), "x");
}

} // namespace
