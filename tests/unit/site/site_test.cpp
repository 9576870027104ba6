// Publishing a popup to a whole site and taking it down again, on a site made by the test.

#include "designer/DesignModel.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "output/PopupComposer.h"
#include "site/SiteJournal.h"
#include "site/SitePages.h"
#include "site/SitePublisher.h"

#include "made_site.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

namespace {
using namespace MadeSite;

class TTestSource : public TPopupSource {
public:
    TTestSource() { m_model.CreateCloseButtonObject(Size); }
    TComposedPopup ComposePopupImage() override
    {
        m_bitmap.setSize(Size, Size);
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x)
                m_bitmap.setPixel(x, y, 0xFF2050A0u);
        const TPixelRect close = ::ComposePopupImage(m_bitmap, m_model, Size, m_png);
        return TComposedPopup{m_bitmap, m_png, close};
    }
    int DocumentSize() const override { return Size; }
    TPopupSettings PopupSettings() const override { return Settings; }

    int Size = 150;
    TPopupSettings Settings;

private:
    TDesignModel m_model;
    Bitmap32 m_bitmap;
    TPNGObject m_png;
};

const QStringList kListed = {"about.htm",         "bom.html",        "index.html",
                             "marked.html",       "shop/bad.html",   "shop/index.html",
                             "shop/locked.html",  "shop/other.html", "shop/a/nobody.html",
                             "shop/a/b/deep.html"};

TEST(SitePages, ListsPagesBelowWithoutHiddenFoldersOrLinks)
{
    TMadeSite site;
    EXPECT_EQ(ListSitePages(site.Site), kListed);
    EXPECT_THROW(ListSitePages(site.Site + QStringLiteral("/none")), EVantelleError);
}

TEST(SitePages, PatternsChooseAndLeaveOutPages)
{
    const struct {
        const char *pattern;
        const char *page;
        bool matches;
    } cases[] = {
        {"shop/**", "shop/index.html", true},
        {"shop/**", "shop/a/b/deep.html", true},
        {"shop/**", "shopping/x.html", false},
        {"shop", "shop/a/nobody.html", true},
        {"shop/", "shop/index.html", true},
        {"shop", "shopping/x.html", false},
        {"*.html", "index.html", true},
        {"*.html", "shop/index.html", false},
        {"**/*.html", "index.html", true},
        {"**/index.html", "shop/index.html", true},
        {"shop/*/*.html", "shop/a/nobody.html", true},
        {"shop/*/*.html", "shop/a/b/deep.html", false},
        {"shop/**/deep.html", "shop/a/b/deep.html", true},
        {"?ndex.html", "index.html", true},
        {"index.html", "index.html", true},
        {"", "index.html", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MatchesPagePattern(c.pattern, c.page), c.matches) << c.pattern << " " << c.page;
    EXPECT_EQ(FilterPages(kListed, {"shop/**"}, {"shop/a/**", "*/bad.html"}),
              (QStringList{"shop/index.html", "shop/locked.html", "shop/other.html"}));
}

TEST(SitePages, ScriptAddressesResolveFromEveryDepth)
{
    const QString script = QStringLiteral("/s/popup/Big sale/script.js");
    const struct {
        const char *page;
        const char *address;
    } cases[] = {
        {"/s/index.html", "popup/Big%20sale/script.js"},
        {"/s/a/index.html", "../popup/Big%20sale/script.js"},
        {"/s/a/b/c/index.html", "../../../popup/Big%20sale/script.js"},
    };
    for (const auto &c : cases) {
        const QByteArray address = RelativeScriptAddress(c.page, script);
        EXPECT_EQ(address, c.address);
        EXPECT_EQ(ResolveScriptAddress(c.page, address), script);
    }
    EXPECT_EQ(ResolveScriptAddress("/s/index.html", "https://x.example/script.js"), QString());
    EXPECT_EQ(ResolveScriptAddress("/s/index.html", "/popup/script.js"), QString());
}

TEST(SitePublish, PlansEachPageWithItsStateAndWritesNothing)
{
    TMadeSite site;
    TSitePublisher publisher(site.Site, {}, QStringLiteral("Sale"));
    const TSitePlan plan = publisher.PlanPublish();
    std::map<QString, std::pair<TSitePageState, TSitePageAction>> got;
    for (const TSitePagePlan &page : plan.Pages)
        got[page.Page] = {page.State, page.Action};
    using S = TSitePageState;
    using A = TSitePageAction;
    const std::map<QString, std::pair<S, A>> expected = {
        {"about.htm", {S::NoPopup, A::Add}},          {"bom.html", {S::NoPopup, A::Add}},
        {"index.html", {S::NoPopup, A::Add}},         {"marked.html", {S::NoPopup, A::Add}},
        {"shop/bad.html", {S::BadMarkers, A::Skip}},  {"shop/index.html", {S::NoPopup, A::Add}},
        {"shop/locked.html", {S::Unusable, A::Skip}}, {"shop/other.html", {S::OtherPopup, A::Skip}},
        {"shop/a/nobody.html", {S::NoPopup, A::Add}}, {"shop/a/b/deep.html", {S::NoPopup, A::Add}},
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(plan.Count(A::Add), 7);
    EXPECT_TRUE(plan.ExampleDiff.startsWith(QStringLiteral("--- a/about.htm\n+++ b/about.htm\n@@")))
        << plan.ExampleDiff.toStdString();
    EXPECT_TRUE(plan.ExampleDiff.contains(
        QStringLiteral("\n+<BODY class=\"x>y\"><!-- POPUP --><script src=popup/Sale/script.js>")));
    for (const auto &[page, bytes] : site.Pages)
        EXPECT_EQ(Read(site.Path(page)), bytes) << page.toStdString();
    EXPECT_FALSE(QFileInfo::exists(publisher.PopupFolder()));
}

TEST(SitePublish, PublishesOnceThenTakesDownToTheOriginalBytes)
{
    TMadeSite site;
    TTestSource source;
    TSitePublisher publisher(site.Site, {}, QStringLiteral("Sale"));
    const TSiteResult published = publisher.Publish(source, publisher.PlanPublish());
    EXPECT_EQ(published.Count(TSitePageAction::Add), 7);
    EXPECT_EQ(published.Count(TSitePageAction::Skip), 3);
    for (const char *file : {"logo.png", "script.js", "pix.gif"})
        EXPECT_TRUE(QFileInfo::exists(publisher.PopupFolder() + u'/' + QLatin1String(file)));

    for (const TSitePageResult &page : published.Pages) {
        const QString path = site.Path(page.Page);
        const QByteArray bytes = Read(path);
        const TPopupMarkers markers = ReadPopupMarkers(bytes);
        if (page.Action != TSitePageAction::Add) {
            EXPECT_EQ(bytes, site.Pages[page.Page]) << page.Page.toStdString();
            continue;
        }
        ASSERT_EQ(markers.Blocks.size(), 1u) << page.Page.toStdString();
        EXPECT_EQ(ResolveScriptAddress(path, markers.Blocks[0].Source), publisher.ScriptFile());
        // Only the block was added.
        QByteArray without = bytes;
        without.remove(markers.Blocks[0].Start, markers.Blocks[0].End - markers.Blocks[0].Start);
        const qsizetype added = page.Page == QLatin1String("shop/a/nobody.html") ? 2   // CR LF
                                : page.Page == QLatin1String("marked.html")      ? -26 // markers
                                                                                 : 0;
        EXPECT_EQ(without.size() - site.Pages[page.Page].size(), added) << page.Page.toStdString();
    }
    EXPECT_EQ(Read(site.Path("about.htm")),
              "<html>\r\n<BODY class=\"x>y\"><!-- POPUP --><script src=popup/Sale/script.js>"
              "</script><!-- END -->\r\n<p>About</p>\r\n</BODY>\r\n</html>");

    // Again: every page already holds it.
    const TSitePlan again = publisher.PlanPublish();
    EXPECT_EQ(again.Count(TSitePageAction::Add), 0);
    EXPECT_EQ(again.Count(TSitePageAction::Unchanged), 7);
    EXPECT_TRUE(again.ExampleDiff.isEmpty());

    const TSitePlan down = publisher.PlanTakeDown();
    EXPECT_EQ(down.Count(TSitePageAction::Remove), 7);
    EXPECT_TRUE(down.ExampleDiff.contains(QStringLiteral("\n-<BODY class=\"x>y\"><!-- POPUP -->")));
    const TSiteResult takenDown = publisher.TakeDown(down);
    EXPECT_EQ(takenDown.Count(TSitePageAction::Remove), 7);
    for (const auto &[page, bytes] : site.Pages)
        EXPECT_EQ(Read(site.Path(page)), bytes) << page.toStdString();
    EXPECT_FALSE(QFileInfo::exists(publisher.PopupFolder()));
    EXPECT_FALSE(QFileInfo::exists(site.Site + QStringLiteral("/popup")));
    EXPECT_FALSE(QFileInfo::exists(site.Path("shop/a/b/.deep.html.vantelle-new")));
}

TEST(SitePublish, TakeDownKeepsEditsMadeSinceAndTakesOnlyTheBlock)
{
    TMadeSite site;
    TTestSource source;
    TSitePublisher publisher(site.Site, QStringLiteral("assets/pop"), QStringLiteral("Sale"));
    publisher.Publish(source, publisher.PlanPublish({"shop/**", "index.html", "marked.html"}));
    EXPECT_EQ(Read(site.Path("about.htm")), site.Pages["about.htm"]);
    const QString deep = site.Path("shop/a/b/deep.html");
    EXPECT_TRUE(Read(deep).contains("<script src=../../../assets/pop/script.js>"));
    QByteArray edited = Read(deep);
    edited.replace("deep", "deeper, edited");
    Write(deep, edited);
    QByteArray nobody = Read(site.Path("shop/a/nobody.html"));
    Write(site.Path("shop/a/nobody.html"), "<!-- edited -->" + nobody);
    QByteArray marked = Read(site.Path("marked.html"));
    Write(site.Path("marked.html"), marked.replace("ready", "set"));

    publisher.TakeDown(publisher.PlanTakeDown());
    EXPECT_EQ(Read(deep), "<html>\n<body>\ndeeper, edited\n</body>\n</html>\n");
    EXPECT_EQ(Read(site.Path("shop/a/nobody.html")),
              "<!-- edited -->" + site.Pages["shop/a/nobody.html"]);
    EXPECT_EQ(Read(site.Path("index.html")), site.Pages["index.html"]);
    EXPECT_EQ(Read(site.Path("marked.html")),
              "<html><body>\n<!-- POPUP --><!-- END -->\n<p>set</p></body>\n");
}

TEST(SitePublish, UpdateKeepsTheCookieNameAndThePages)
{
    TMadeSite site;
    TTestSource source;
    TSitePublisher publisher(site.Site, {}, QStringLiteral("Sale"));
    publisher.Publish(source, publisher.PlanPublish({"index.html", "shop/index.html"}));
    const QString cookie = publisher.JournalCookieName();
    ASSERT_FALSE(cookie.isEmpty());
    const QString script = publisher.ScriptFile();
    EXPECT_TRUE(Read(script).contains(cookie.toUtf8()));

    source.Size = 200;
    const TSitePlan update = publisher.PlanUpdate();
    ASSERT_EQ(update.Pages.size(), 2u);
    EXPECT_EQ(update.Count(TSitePageAction::Unchanged), 2);
    publisher.Publish(source, update);
    EXPECT_TRUE(Read(script).contains("image_width = 200;"));
    EXPECT_TRUE(Read(script).contains(cookie.toUtf8()));
    EXPECT_EQ(publisher.JournalCookieName(), cookie);
}

TEST(SitePublish, CancelLeavesEveryPageWholeAndTheJournalTrue)
{
    QTemporaryDir root;
    const QString site = root.path();
    std::map<QString, QByteArray> pages;
    for (int i = 0; i < 600; ++i) {
        const QString page = QStringLiteral("f%1/p%2.html").arg(i % 3).arg(i);
        pages[page] = "<html><body>\npage " + QByteArray::number(i) + "\n</body></html>\n";
        Write(site + u'/' + page, pages[page]);
    }
    TTestSource source;
    TSitePublisher publisher(site, {}, QStringLiteral("Sale"));
    int calls = 0;
    const TSiteResult result =
        publisher.Publish(source, publisher.PlanPublish(), [&](int done, int total) {
            EXPECT_EQ(total, 600);
            EXPECT_GT(done, 0);
            return ++calls < 1;
        });
    EXPECT_TRUE(result.Cancelled);
    const int added = result.Count(TSitePageAction::Add);
    EXPECT_GT(added, 0);
    EXPECT_LT(added, 600);
    int holding = 0;
    for (const auto &[page, bytes] : pages) {
        const QByteArray now = Read(site + u'/' + page);
        if (now != bytes) {
            ++holding;
            EXPECT_EQ(ReadPopupMarkers(now).Blocks.size(), 1u);
        }
    }
    EXPECT_EQ(holding, added);
    EXPECT_EQ(static_cast<int>(publisher.PlanTakeDown().Pages.size()), added);

    publisher.TakeDown(publisher.PlanTakeDown());
    for (const auto &[page, bytes] : pages)
        EXPECT_EQ(Read(site + u'/' + page), bytes);

    // Every page, in more than one group, and back.
    EXPECT_EQ(publisher.Publish(source, publisher.PlanPublish()).Count(TSitePageAction::Add), 600);
    for (const auto &[page, bytes] : pages) {
        QByteArray now = Read(site + u'/' + page);
        const TPopupMarkers markers = ReadPopupMarkers(now);
        ASSERT_EQ(markers.Blocks.size(), 1u) << page.toStdString();
        now.remove(markers.Blocks[0].Start, markers.Blocks[0].End - markers.Blocks[0].Start);
        EXPECT_EQ(now, bytes) << page.toStdString();
    }
    EXPECT_EQ(publisher.TakeDown(publisher.PlanTakeDown()).Count(TSitePageAction::Remove), 600);
    for (const auto &[page, bytes] : pages)
        EXPECT_EQ(Read(site + u'/' + page), bytes) << page.toStdString();
}

// More folders than are held open at once, and pages edited between a plan and its run: each
// page is found in its own folder, and an edit made after the plan is kept.
TEST(SitePublish, ManyFoldersAndPagesEditedAfterThePlan)
{
    QTemporaryDir root;
    const QString site = root.path();
    std::map<QString, QByteArray> pages;
    for (int i = 0; i < 120; ++i) {
        const QString page = QStringLiteral("f%1/p%2.html").arg(i % 60).arg(i);
        pages[page] = "<html><body>\npage " + QByteArray::number(i) + "\n</body></html>\n";
        Write(site + u'/' + page, pages[page]);
    }
    const QString first = QStringLiteral("f7/p67.html");
    const QString second = QStringLiteral("f59/p119.html");
    TTestSource source;
    TSitePublisher publisher(site, {}, QStringLiteral("Sale"));

    const TSitePlan publish = publisher.PlanPublish();
    pages[first] += "<!-- edited after the plan -->\n";
    Write(site + u'/' + first, pages[first]);
    EXPECT_EQ(publisher.Publish(source, publish).Count(TSitePageAction::Add), 120);
    for (const auto &[page, bytes] : pages) {
        const QString path = site + u'/' + page;
        QByteArray now = Read(path);
        const TPopupMarkers markers = ReadPopupMarkers(now);
        ASSERT_EQ(markers.Blocks.size(), 1u) << page.toStdString();
        EXPECT_EQ(ResolveScriptAddress(path, markers.Blocks[0].Source), publisher.ScriptFile());
        now.remove(markers.Blocks[0].Start, markers.Blocks[0].End - markers.Blocks[0].Start);
        EXPECT_EQ(now, bytes) << page.toStdString();
    }
    // The journal holds each page's hash as the run found it, the edited page's too.
    const TSiteJournal journal = ParseSiteJournal(Read(publisher.JournalFile()), "j");
    ASSERT_EQ(journal.Records.size(), pages.size());
    for (const TJournalRecord &record : journal.Records)
        EXPECT_EQ(record.Splice.Before, PageHash(pages[record.Page])) << record.Page.toStdString();

    const TSitePlan down = publisher.PlanTakeDown();
    EXPECT_EQ(down.Count(TSitePageAction::Remove), 120);
    const QByteArray later = "<!-- edited after the plan -->\n";
    Write(site + u'/' + second, Read(site + u'/' + second) + later);
    EXPECT_EQ(publisher.TakeDown(down).Count(TSitePageAction::Remove), 120);
    pages[second] += later;
    for (const auto &[page, bytes] : pages)
        EXPECT_EQ(Read(site + u'/' + page), bytes) << page.toStdString();
}

// Between a plan and its run the site can change under it: a block taken out by hand, or
// another publisher's run. The run works from the journal and the pages as they are then.
TEST(SitePublish, TakeDownFollowsChangesMadeAfterItsPlan)
{
    TMadeSite site;
    TTestSource source;
    TSitePublisher publisher(site.Site, {}, QStringLiteral("Sale"));
    publisher.Publish(source, publisher.PlanPublish({"index.html", "shop/index.html"}));

    // A page whose block was taken out by hand after the plan: every page is down after the
    // run, so the popup's folder and journal go.
    const TSitePlan down = publisher.PlanTakeDown();
    ASSERT_EQ(down.Count(TSitePageAction::Remove), 2);
    Write(site.Path("shop/index.html"), site.Pages["shop/index.html"] + "<!-- by hand -->");
    EXPECT_EQ(publisher.TakeDown(down).Count(TSitePageAction::Remove), 1);
    EXPECT_EQ(Read(site.Path("index.html")), site.Pages["index.html"]);
    EXPECT_FALSE(QFileInfo::exists(publisher.PopupFolder()));

    // Another publisher runs between this one's plan and its run: the pages it published stay
    // in the journal, and a later take down gives them back.
    publisher.Publish(source, publisher.PlanPublish({"index.html"}));
    const TSitePlan first = publisher.PlanTakeDown();
    TSitePublisher other(site.Site, {}, QStringLiteral("Sale"));
    other.Publish(source, other.PlanPublish({"about.htm"}));
    EXPECT_EQ(publisher.TakeDown(first).Count(TSitePageAction::Remove), 1);
    const TSitePlan rest = publisher.PlanTakeDown();
    ASSERT_EQ(rest.Pages.size(), 1u);
    EXPECT_EQ(rest.Pages[0].Page, QStringLiteral("about.htm"));
    publisher.TakeDown(rest);
    for (const char *page : {"index.html", "about.htm"})
        EXPECT_EQ(Read(site.Path(page)), site.Pages[page]) << page;
    EXPECT_FALSE(QFileInfo::exists(publisher.PopupFolder()));
}

// A page replaced keeps its permissions whatever the creation mask, and (for the superuser)
// its owner and group, also in a folder whose group new files inherit.
TEST(SitePublish, ReplacedPagesKeepTheirModeAndOwner)
{
    const bool root = ::geteuid() == 0;
    struct TCase {
        const char *Page;
        mode_t Mode;
        mode_t Mask;
        bool OtherOwner;       // superuser only: the page belongs to nobody
        bool InheritingFolder; // superuser only: the folder's group is nobody's, set-group-ID
    };
    const TCase cases[] = {
        {"plain.html", 0644, 022, false, false},       {"shared.html", 0666, 022, false, false},
        {"group.html", 0664, 077, false, false},       {"private.html", 0600, 0, false, false},
        {"odd.html", 0751, 027, false, false},         {"nobody.html", 0644, 022, true, false},
        {"inherit/page.html", 0640, 022, false, true},
    };
    QTemporaryDir folder;
    const QString site = folder.path();
    const QByteArray page = "<html><body>\npage\n</body></html>\n";
    for (const TCase &c : cases) {
        Write(site + u'/' + QLatin1String(c.Page), page);
        const QByteArray path = QFile::encodeName(site + u'/' + QLatin1String(c.Page));
        ASSERT_EQ(::chmod(path.constData(), c.Mode), 0);
        if (root && c.OtherOwner) {
            ASSERT_EQ(::chown(path.constData(), 65534, 65534), 0);
        }
        if (root && c.InheritingFolder) {
            const QByteArray folder = path.left(path.lastIndexOf('/'));
            ASSERT_EQ(::chown(folder.constData(), 0, 65534), 0);
            ASSERT_EQ(::chmod(folder.constData(), 02775), 0);
            ASSERT_EQ(::chown(path.constData(), 0, 0), 0);
        }
    }
    const auto expectKept = [&](const char *when) {
        for (const TCase &c : cases) {
            struct stat info {};
            ASSERT_EQ(
                ::stat(QFile::encodeName(site + u'/' + QLatin1String(c.Page)).constData(), &info),
                0);
            EXPECT_EQ(info.st_mode & 07777, c.Mode) << c.Page << ' ' << when;
            if (!root)
                continue;
            EXPECT_EQ(info.st_uid, c.OtherOwner ? 65534u : 0u) << c.Page << ' ' << when;
            EXPECT_EQ(info.st_gid, c.OtherOwner ? 65534u : 0u) << c.Page << ' ' << when;
        }
    };
    TTestSource source;
    TSitePublisher publisher(site, {}, QStringLiteral("Sale"));
    // Each run under the masks of the cases in turn.
    for (const TCase &c : cases) {
        const mode_t old = ::umask(c.Mask);
        const TSitePlan plan = publisher.PlanPages({QLatin1String(c.Page)});
        EXPECT_EQ(publisher.Publish(source, plan).Count(TSitePageAction::Add), 1) << c.Page;
        ::umask(old);
    }
    expectKept("published");
    for (const TCase &c : cases) {
        const mode_t old = ::umask(c.Mask);
        TSitePlan plan = publisher.PlanTakeDown();
        plan.Pages.erase(
            std::remove_if(plan.Pages.begin(), plan.Pages.end(),
                           [&](const TSitePagePlan &p) { return p.Page != QLatin1String(c.Page); }),
            plan.Pages.end());
        EXPECT_EQ(publisher.TakeDown(plan).Count(TSitePageAction::Remove), 1) << c.Page;
        ::umask(old);
    }
    expectKept("taken down");
    for (const TCase &c : cases)
        EXPECT_EQ(Read(site + u'/' + QLatin1String(c.Page)), page) << c.Page;
}

// The smallest change from a to b: their common start, then their common end in what is left.
TPageSplice SmallestChange(const QByteArray &a, const QByteArray &b)
{
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype start = 0;
    while (start < limit && a[start] == b[start])
        ++start;
    qsizetype end = 0;
    while (end < limit - start && a[a.size() - 1 - end] == b[b.size() - 1 - end])
        ++end;
    return {PageHash(a), PageHash(b), start, a.mid(start, a.size() - start - end),
            b.mid(start, b.size() - start - end)};
}

TEST(SitePublish, JournalHoldsTheSmallestChangeAndOnePassPublishesTheSame)
{
    // Pages whose change reaches into the bytes beside the tag: a comment after the body tag
    // starts as the tag does, a last line ends as the tag does, blanks in a block of this popup.
    const std::map<QString, QByteArray> pages = {
        {"comment.html", "<html><body><!-- c -->\n</body></html>\n"},
        {"crlf.html", "<html>\r\n<body>\r\n<p>x</p>\r\n</body>\r\n</html>\r\n"},
        {"marked.html", "<html><body>\n<!-- POPUP --><!-- END -->\n<p>ready</p></body>\n"},
        {"blanks.html", "<body><!-- POPUP --> <script src=popup/Sale/script.js></script> "
                        "<!-- END -->\n</body>\n"},
        {"a/tail.html", "<p>no body, ends as the tag: END -->"},
        {"a/last.html", "<p>no body</p>\n"},
    };
    QTemporaryDir planned, onePass;
    for (const QTemporaryDir *dir : {&planned, &onePass})
        for (const auto &[page, bytes] : pages)
            Write(dir->filePath(page), bytes);
    TTestSource source;
    TSitePublisher first(planned.path(), {}, QStringLiteral("Sale"));
    const TSiteResult a = first.Publish(source, first.PlanPublish());
    TSitePublisher second(onePass.path(), {}, QStringLiteral("Sale"));
    const TSiteResult b = second.Publish(source, second.ChoosePages());
    EXPECT_EQ(a.Count(TSitePageAction::Add), 5);
    EXPECT_EQ(a.Count(TSitePageAction::Update), 1);
    ASSERT_EQ(a.Pages.size(), b.Pages.size());
    for (size_t i = 0; i < a.Pages.size(); ++i) {
        EXPECT_EQ(a.Pages[i].Page, b.Pages[i].Page);
        EXPECT_EQ(a.Pages[i].Action, b.Pages[i].Action) << a.Pages[i].Page.toStdString();
    }
    // The same journal (each site has a cookie name of its own).
    const TSiteJournal read = ParseSiteJournal(Read(first.JournalFile()), QStringLiteral("j"));
    const TSiteJournal other = ParseSiteJournal(Read(second.JournalFile()), QStringLiteral("j"));
    ASSERT_EQ(read.Records.size(), pages.size());
    ASSERT_EQ(other.Records.size(), pages.size());
    for (size_t i = 0; i < pages.size(); ++i)
        EXPECT_EQ(JournalRecordLine(other.Records[i]), JournalRecordLine(read.Records[i]));
    for (const TJournalRecord &record : read.Records) {
        const QByteArray now = Read(planned.filePath(record.Page));
        EXPECT_EQ(Read(onePass.filePath(record.Page)), now) << record.Page.toStdString();
        EXPECT_EQ(record.Splice, SmallestChange(pages.at(record.Page), now))
            << record.Page.toStdString();
    }
    // And back, byte for byte.
    first.TakeDown(first.PlanTakeDown());
    second.TakeDown(second.PlanTakeDown());
    for (const auto &[page, bytes] : pages) {
        EXPECT_EQ(Read(planned.filePath(page)), bytes) << page.toStdString();
        EXPECT_EQ(Read(onePass.filePath(page)), bytes) << page.toStdString();
    }
}

TEST(SiteJournal, PageHashKeepsItsValuesWhateverTheParts)
{
    // Journals already written hold these hashes: they must not change.
    QByteArray big;
    for (int i = 0; i < 1000; ++i)
        big += char(i * 7 + i / 13);
    const struct {
        QByteArray Bytes;
        uint64_t Hash;
    } known[] = {
        {"", 0xeffa8636212cbb16ull},
        {"a", 0xaaaa944d6405f567ull},
        {"<!DOCTYPE html>", 0x7854c87dd19086e2ull},
        {"0123456789abcdef0123456789abcdef", 0x148806ed0481a599ull},
        {"0123456789abcdef0123456789abcdef0123456789abcdef01234", 0x5f0a57075f152093ull},
        {big, 0xf83a048d932fc3f4ull},
    };
    for (const auto &c : known) {
        EXPECT_EQ(PageHash(c.Bytes), c.Hash) << c.Bytes.size();
        // In three parts cut anywhere, empty ones too, the hash is the whole's.
        const qsizetype n = c.Bytes.size();
        const qsizetype step = n > 100 ? 37 : 1;
        for (qsizetype a = 0; a <= n; a += step)
            for (qsizetype b = a; b <= n; b += step) {
                const QByteArrayView bytes(c.Bytes);
                TPageHasher hasher;
                hasher.Add(bytes.first(a)).Add(bytes.sliced(a, b - a)).Add(bytes.sliced(b));
                ASSERT_EQ(hasher.Finish(), c.Hash) << n << ' ' << a << ' ' << b;
            }
    }
}

TEST(SiteJournal, ReadsWhatItWritesAndIgnoresATornLastLine)
{
    TJournalRecord publish{TJournalRecord::Publish,
                           QStringLiteral("a b/é.html"),
                           {1, 0xFFFFFFFFFFFFFFFFull, 42, "", "<x>\r\n"}};
    TJournalRecord down{TJournalRecord::TakeDown, QStringLiteral("x.htm"), {7, 8, 0, {}, {}}};
    const QByteArray text = JournalHeader() + JournalCookieLine(QStringLiteral("Cookie_ID_1")) +
                            JournalRecordLine(publish) + JournalRecordLine(down);
    for (const QByteArray &bytes : {text, text + "publish a.html 00"}) {
        const TSiteJournal journal = ParseSiteJournal(bytes, QStringLiteral("j"));
        EXPECT_EQ(journal.CookieName, QStringLiteral("Cookie_ID_1"));
        ASSERT_EQ(journal.Records.size(), 2u);
        EXPECT_EQ(journal.Records[0].Page, publish.Page);
        EXPECT_EQ(journal.Records[0].Splice, publish.Splice);
        EXPECT_EQ(journal.Records[1].Type, TJournalRecord::TakeDown);
        EXPECT_EQ(journal.Records[1].Splice.After, 8u);
    }
    // The lines' form is what journals already written hold: names percent-encoded but for
    // "/" and the unreserved characters, hashes as 16 lower-case digits.
    const struct {
        TJournalRecord Record;
        const char *Line;
    } lines[] = {
        {publish, "publish a%20b/%C3%A9.html 0000000000000001 ffffffffffffffff 42 - PHg+DQo=\n"},
        {down, "takedown x.htm 0000000000000007 0000000000000008\n"},
        {{TJournalRecord::TakeDown, QStringLiteral("d-1/p_2.~x.html"), {0xA, 0, 0, {}, {}}},
         "takedown d-1/p_2.~x.html 000000000000000a 0000000000000000\n"},
        {{TJournalRecord::TakeDown, QStringLiteral("100%.htm"), {0, 0, 0, {}, {}}},
         "takedown 100%25.htm 0000000000000000 0000000000000000\n"},
        {{TJournalRecord::TakeDown, QStringLiteral("a+b#?.htm"), {0, 0, 0, {}, {}}},
         "takedown a%2Bb%23%3F.htm 0000000000000000 0000000000000000\n"},
    };
    for (const auto &c : lines) {
        EXPECT_EQ(JournalRecordLine(c.Record), QByteArray(c.Line));
        const TSiteJournal read = ParseSiteJournal(JournalHeader() + c.Line, "j");
        ASSERT_EQ(read.Records.size(), 1u) << c.Line;
        EXPECT_EQ(read.Records[0].Page, c.Record.Page);
    }

    const QByteArray h = "0000000000000001";
    for (const QByteArray &line : QList<QByteArray>{
             "publish ../up.html " + h + ' ' + h + " 0 - -",
             "publish /abs.html " + h + ' ' + h + " 0 - -",
             "publish a.html " + h + " 1 0 - -",
             "publish a.html " + h + ' ' + h + " -1 - -",
             "publish a.html " + h + ' ' + h + " 0 *** -",
             "takedown a.html " + h,
             "remove a.html",
         })
        EXPECT_THROW(ParseSiteJournal(JournalHeader() + line + '\n', "j"), EVantelleError)
            << line.constData();
    EXPECT_THROW(ParseSiteJournal("something else\n", "j"), EVantelleError);
}

} // namespace
