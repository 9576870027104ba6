// Publishing to a whole site and taking it down, beside the work no publisher can avoid: copying
// the same pages (read every byte, write each to a new file). Listing the site's pages beside a
// plain walk of its folders. Publishing to a one-page site beside Add popup on that page.
// The copy with each page renamed over shows, on a disk, the file system's own cost of replacing.
// Publish and take down are also run from memory given back to the system, as in a process that
// publishes once, and publish also in one pass, as the command line runs it. Budgets: publish and
// take down within 2 times the copy, the listing within 2 times the walk, one page as fast as Add
// popup.

#include "designer/DesignModel.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "output/PageText.h"
#include "output/PopupComposer.h"
#include "output/PopupWriter.h"
#include "site/SitePages.h"
#include "site/SitePublisher.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include <malloc.h>
#include <sys/resource.h>

namespace {

class TBenchSource : public TPopupSource {
public:
    TBenchSource()
    {
        m_template.loadFromFile(QStringLiteral(VANTELLE_SOURCE_DIR "/content/Templates/1.png"));
        PngToBitmap32(m_template, m_templateSource);
        m_model.CreateCloseButtonObject(500);
        TMovingObject &text = m_model.AppendTextObject(500);
        text.Lines = QStringList{QStringLiteral("Summer sale")};
    }
    TComposedPopup ComposePopupImage() override
    {
        m_bitmap.setSize(0, 0);
        m_bitmap.setSize(500, 500);
        StretchBitmap32(m_templateSource, m_bitmap);
        const TPixelRect close = ::ComposePopupImage(m_bitmap, m_model, 500, m_output);
        return TComposedPopup{m_bitmap, m_output, close};
    }
    int DocumentSize() const override { return 500; }
    TPopupSettings PopupSettings() const override
    {
        TPopupSettings settings;
        settings.CookieName = QStringLiteral("Cookie_ID_1");
        return settings;
    }

private:
    TPNGObject m_template;
    Bitmap32 m_templateSource;
    TDesignModel m_model;
    Bitmap32 m_bitmap;
    TPNGObject m_output;
};

TBenchSource &Source()
{
    static int argc = 1;
    static char name[] = "site_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static TBenchSource source;
    return source;
}

QByteArray PageText(int number)
{
    QByteArray text = "<!DOCTYPE html>\n<html><head><title>Page " + QByteArray::number(number) +
                      "</title></head>\n<body class=page>\n";
    while (text.size() < 20000)
        text += "<p>A line of the page's own text, on page " + QByteArray::number(number) +
                ", as a site generator writes it.</p>\n";
    return text + "</body></html>\n";
}

constexpr int kPages = 5000;
constexpr int kFolders = 5;

// The site: 5,000 pages of about 20 KB in five folders, made once.
const QString &Site()
{
    static QTemporaryDir root;
    static const QString site = [] {
        const QString path = root.path() + QStringLiteral("/site");
        for (int f = 0; f < kFolders; ++f)
            QDir().mkpath(path + QStringLiteral("/section%1").arg(f));
        for (int i = 0; i < kPages; ++i) {
            QFile file(path + QStringLiteral("/section%1/page%2.html").arg(i % kFolders).arg(i));
            if (file.open(QIODevice::WriteOnly))
                file.write(PageText(i));
        }
        return path;
    }();
    return site;
}

// The page faults of the process so far: on a virtual machine each first touch of a page of
// memory costs about as much as copying it several times, so the rows report how many they take.
long PageFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

// Publishing and taking down, each timed alone. Fresh: the memory the process freed is given
// back to the system before each run, as a process that publishes once finds it (what a run
// holds it must first touch); else the run reuses what the last one freed.
// onePass: as the command line publishes, each page worked out as the run comes to it rather
// than planned first.
void PublishRuns(benchmark::State &state, bool fresh, bool onePass = false)
{
    TBenchSource &source = Source();
    TSitePublisher publisher(Site(), {}, QStringLiteral("Sale"));
    long faults = 0;
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            malloc_trim(0);
            state.ResumeTiming();
        }
        const long before = PageFaults();
        const TSiteResult result =
            publisher.Publish(source, onePass ? publisher.ChoosePages() : publisher.PlanPublish());
        faults += PageFaults() - before;
        state.PauseTiming();
        if (result.Count(TSitePageAction::Add) != kPages)
            state.SkipWithError("not every page was published");
        publisher.TakeDown(publisher.PlanTakeDown());
        state.ResumeTiming();
    }
    state.counters["faults"] =
        benchmark::Counter(double(faults), benchmark::Counter::kAvgIterations);
}

void TakeDownRuns(benchmark::State &state, bool fresh)
{
    TBenchSource &source = Source();
    TSitePublisher publisher(Site(), {}, QStringLiteral("Sale"));
    long faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        publisher.Publish(source, publisher.PlanPublish());
        if (fresh)
            malloc_trim(0);
        state.ResumeTiming();
        const long before = PageFaults();
        const TSiteResult result = publisher.TakeDown(publisher.PlanTakeDown());
        faults += PageFaults() - before;
        if (result.Count(TSitePageAction::Remove) != kPages)
            state.SkipWithError("not every page was taken down");
    }
    state.counters["faults"] =
        benchmark::Counter(double(faults), benchmark::Counter::kAvgIterations);
}

void BM_SitePublish(benchmark::State &state)
{
    PublishRuns(state, false);
}
BENCHMARK(BM_SitePublish)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
void BM_SiteTakeDown(benchmark::State &state)
{
    TakeDownRuns(state, false);
}
BENCHMARK(BM_SiteTakeDown)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
void BM_SitePublishFresh(benchmark::State &state)
{
    PublishRuns(state, true);
}
BENCHMARK(BM_SitePublishFresh)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
void BM_SitePublishOnePass(benchmark::State &state)
{
    PublishRuns(state, false, true);
}
BENCHMARK(BM_SitePublishOnePass)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
void BM_SitePublishOnePassFresh(benchmark::State &state)
{
    PublishRuns(state, true, true);
}
BENCHMARK(BM_SitePublishOnePassFresh)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
void BM_SiteTakeDownFresh(benchmark::State &state)
{
    TakeDownRuns(state, true);
}
BENCHMARK(BM_SiteTakeDownFresh)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// A page read whole and written to a new file, closed before it returns.
void CopyPage(const QString &from, const QString &to)
{
    QFile in(from);
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    QFile out(to);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
}

// The peer: every page read whole and written to a new file beside it.
void BM_PeerCopyPages(benchmark::State &state)
{
    const QStringList pages = ListSitePages(Site());
    long faults = 0;
    for (auto _ : state) {
        const long before = PageFaults();
        for (const QString &page : pages) {
            const QString path = Site() + u'/' + page;
            CopyPage(path, path + QStringLiteral(".copy"));
        }
        faults += PageFaults() - before;
        state.PauseTiming();
        for (const QString &page : pages)
            QFile::remove(Site() + u'/' + page + QStringLiteral(".copy"));
        state.ResumeTiming();
    }
    state.counters["faults"] =
        benchmark::Counter(double(faults), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PeerCopyPages)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// A second peer: the same copy with each new file then renamed over its page, the least any
// publisher that replaces pages whole must do. On a disk it shows what the file system's rename
// over a file costs apart from our code.
void BM_PeerCopyRenameOver(benchmark::State &state)
{
    const QStringList pages = ListSitePages(Site());
    for (auto _ : state) {
        for (const QString &page : pages) {
            const QString path = Site() + u'/' + page;
            const QString copy = path + QStringLiteral(".copy");
            CopyPage(path, copy);
            if (std::rename(QFile::encodeName(copy).constData(),
                            QFile::encodeName(path).constData()) != 0)
                state.SkipWithError("a page could not be replaced");
        }
    }
}
BENCHMARK(BM_PeerCopyRenameOver)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

void BM_ListPages(benchmark::State &state)
{
    Site();
    for (auto _ : state)
        benchmark::DoNotOptimize(ListSitePages(Site()).size());
}
BENCHMARK(BM_ListPages)->Unit(benchmark::kMillisecond);

// The peer: every entry below the site visited once.
void BM_PeerWalkFolders(benchmark::State &state)
{
    const std::string site = QFile::encodeName(Site()).toStdString();
    for (auto _ : state) {
        size_t files = 0;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(site))
            files += entry.is_regular_file();
        benchmark::DoNotOptimize(files);
    }
}
BENCHMARK(BM_PeerWalkFolders)->Unit(benchmark::kMillisecond);

void BM_SitePublishOnePage(benchmark::State &state)
{
    TBenchSource &source = Source();
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("index.htm"));
    WriteFileBytes(page, PageText(1));
    TSitePublisher publisher(dir.path(), {}, QStringLiteral("Sale"));
    for (auto _ : state) {
        const TSiteResult result = publisher.Publish(source, publisher.PlanPublish());
        state.PauseTiming();
        if (result.Count(TSitePageAction::Add) != 1)
            state.SkipWithError("the page was not published");
        publisher.TakeDown(publisher.PlanTakeDown());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SitePublishOnePage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The peer: Add popup on the same page.
void BM_PeerAddPopup(benchmark::State &state)
{
    TBenchSource &source = Source();
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("index.htm"));
    WriteFileBytes(page, PageText(1));
    for (auto _ : state) {
        const TWrittenPopup written =
            WritePopupFiles(source, page, PopupFolderForPage(page), false);
        benchmark::DoNotOptimize(written.PageText.constData());
    }
}
BENCHMARK(BM_PeerAddPopup)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
