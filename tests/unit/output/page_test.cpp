#include "imaging/VantelleError.h"
#include "output/PageText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

const QByteArray kTag = "<!-- POPUP --><script src=index.popup/script.js></script><!-- END -->";

TEST(PageInsertionTest, EveryKindOfPageGetsExactlyOneBlock)
{
    const QByteArray tag = kTag;
    const struct {
        const char *name;
        std::optional<QByteArray> page;
        QByteArray expected;
    } cases[] = {
        {"body tag with attributes",
         QByteArray("<html>\r\n<body bgcolor=white>\r\n<p>Welcome</p>\r\n</body></html>\r\n"),
         "<html>\r\n<body bgcolor=white>" + tag + "\r\n<p>Welcome</p>\r\n</body></html>\r\n"},
        {"earlier block replaced in place",
         QByteArray("<html>\r\n<body bgcolor=white><!-- POPUP --><script "
                    "src=old.popup/script.js></script><!-- END "
                    "-->\r\n<p>Welcome</p>\r\n</body></html>\r\n"),
         "<html>\r\n<body bgcolor=white>" + tag + "\r\n<p>Welcome</p>\r\n</body></html>\r\n"},
        {"block spanning lines", QByteArray("<body>\nA<!-- POPUP -->\nold\n<!-- END -->B\nC\n"),
         "<body>\r\nA" + tag + "B\r\nC\r\n"},
        {"start marker without end: stays, tag behind body",
         QByteArray("<BODY onload=init()>rest\r\n<!-- POPUP -->\r\n"),
         "<BODY onload=init()>" + tag + "rest\r\n<!-- POPUP -->\r\n"},
        {"end before start: nothing removed, tag behind body",
         QByteArray("<body><!-- END -->x<!-- POPUP -->y\r\n"),
         "<body>" + tag + "<!-- END -->x<!-- POPUP -->y\r\n"},
        {"lone start in the head stays, the block behind body is the one replaced",
         QByteArray("<html><head><!-- POPUP --><title>T</title>\r\n<style>p{}</style></head>\r\n"
                    "<body>\r\n<p>Welcome</p>\r\n</body></html>\r\n"),
         "<html><head><!-- POPUP --><title>T</title>\r\n<style>p{}</style></head>\r\n<body>" + tag +
             "\r\n<p>Welcome</p>\r\n</body></html>\r\n"},
        {"two starts before one end: the nearer start pairs",
         QByteArray("<!-- POPUP -->a<body><!-- POPUP -->old<!-- END -->b\r\n"),
         "<!-- POPUP -->a<body>" + tag + "b\r\n"},
        {"only the first pair is replaced",
         QByteArray("<body><!-- POPUP -->1<!-- END -->x<!-- POPUP -->2<!-- END -->\r\n"),
         "<body>" + tag + "x<!-- POPUP -->2<!-- END -->\r\n"},
        {"lower-case marker is no marker", QByteArray("<body><!-- popup -->z<!-- END -->\r\n"),
         "<body>" + tag + "<!-- popup -->z<!-- END -->\r\n"},
        {"mixed-case body tag", QByteArray("<html><BoDy\nclass=a>\n"),
         "<html><BoDy\r\nclass=a>" + tag + "\r\n"},
        {"no body tag: last line", QByteArray("<p>hi</p>"), "<p>hi</p>\r\n" + tag + "\r\n"},
        {"body without '>': last line", QByteArray("<body\r\n"), "<body\r\n" + tag + "\r\n"},
        {"empty file", QByteArray(""), tag + "\r\n"},
        {"no file: new page", std::nullopt, "<BODY>\r\n" + tag + "\r\n</BODY>\r\n"},
        {"LF and lone CR become CR LF", QByteArray("a\nb\rc\r\n\n<body>d"),
         "a\r\nb\r\nc\r\n\r\n<body>" + tag + "d\r\n"},
        {"bytes above 127 pass unchanged", QByteArray("\xE9\xFF<body>\x80\x01\r\n"),
         "\xE9\xFF<body>" + tag + "\x80\x01\r\n"},
    };
    for (const auto &c : cases) {
        const QByteArray once = InsertPopupTag(c.page, tag);
        EXPECT_EQ(once, c.expected) << c.name;
        // Every later Add popup finds the block it wrote and puts the same one back, whatever
        // stray markers the page holds around it.
        QByteArray again = once;
        for (int run = 2; run <= 3; ++run) {
            again = InsertPopupTag(again, tag);
            EXPECT_EQ(again, once) << c.name << " (run " << run << ")";
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
