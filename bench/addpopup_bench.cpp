// "Add popup" end to end (compose the picture, encode logo.png, build script.js, insert the tag
// into a page, write the four files) beside its peer, the encoding of the same 500 x 500 picture
// alone. Budget: no more than 1.2 times the encoding.

#include "bench/encode_peer.h"
#include "designer/DesignModel.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "output/PageText.h"
#include "output/PopupComposer.h"
#include "output/PopupWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class TBenchSource : public TPopupSource {
public:
    TBenchSource()
    {
        m_template.loadFromFile(QStringLiteral(VANTELLE_SOURCE_DIR "/content/Templates/1.png"));
        m_closeButton.loadFromFile(
            QStringLiteral(VANTELLE_SOURCE_DIR "/content/CloseButtons/1.png"));
        m_closeButton.createAlpha();
        PngToBitmap32(m_template, m_templateSource);
        m_model.CreateCloseButtonObject(500);
        m_model.CloseButtonObject()->ButtonPicture = &m_closeButton;
        const char *lines[] = {"Summer sale", "Up to 50% off|Today only", "Click here"};
        for (int i = 0; i < 3; ++i) {
            TMovingObject &text = m_model.AppendTextObject(500);
            text.Lines = QString::fromLatin1(lines[i]).split(u'|');
            text.Font.Size = 18 + 6 * i;
            text.Font.Bold = i == 0;
            text.Angle = i == 2 ? 20 : 0;
        }
    }

    // What the window's RenderTemplate and composition do.
    TComposedPopup ComposePopupImage() override
    {
        m_bitmap.setSize(0, 0);
        m_bitmap.setSize(500, 500);
        StretchBitmap32(m_templateSource, m_bitmap);
        const TPixelRect close = ::ComposePopupImage(m_bitmap, m_model, 500, m_output);
        return TComposedPopup{m_bitmap, m_output, close};
    }
    int DocumentSize() const override { return 500; }
    TPopupSettings PopupSettings() const override { return TPopupSettings{}; }

    const TPNGObject &Output() const { return m_output; }

private:
    TPNGObject m_template;
    TPNGObject m_closeButton;
    Bitmap32 m_templateSource;
    TDesignModel m_model;
    Bitmap32 m_bitmap;
    TPNGObject m_output;
};

TBenchSource &Source()
{
    static int argc = 1;
    static char name[] = "addpopup_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static TBenchSource source;
    return source;
}

void BM_AddPopup(benchmark::State &state)
{
    TBenchSource &source = Source();
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("index.htm"));
    QByteArray text = "<html>\r\n<head><title>Shop</title></head>\r\n<body class=shop>\r\n";
    for (int i = 0; i < 300; ++i)
        text += "<p>A line of the page's own text, number " + QByteArray::number(i) + ".</p>\r\n";
    text += "</body></html>\r\n";
    WriteFileBytes(page, text);
    for (auto _ : state) {
        const TWrittenPopup written =
            WritePopupFiles(source, page, PopupFolderForPage(page), false);
        benchmark::DoNotOptimize(written.PageText.constData());
    }
}
BENCHMARK(BM_AddPopup)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The peer: turning the composed picture into logo.png's bytes.
void BM_PeerEncodeOnly(benchmark::State &state)
{
    TBenchSource &source = Source();
    RunEncodeLogoPeer(state, source.ComposePopupImage().Picture);
}
BENCHMARK(BM_PeerEncodeOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
