// Save design and Open design of a 500 x 500 design with ten texts, beside their peer, the
// encoding of the same popup's logo.png alone (the work a design cannot avoid either: its
// template is a PNG of that kind). Budget: each within 1.5 times the encoding. Also one undo
// and one redo step with the redraw that follows them, against the designer's redraw budget
// of a tenth of a 60 Hz frame (1.67 ms).

#include "bench/encode_peer.h"
#include "designer/DesignRenderer.h"
#include "designer/FontPickers.h"
#include "document/DesignDocument.h"
#include "document/DesignFile.h"
#include "document/DesignHistory.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct TBenchDesign {
    TDesignDocument Document;
    Bitmap32 TemplateBitmap;
    TPNGObject Output;
    QTemporaryDir Dir;
    QString Path;

    TBenchDesign()
    {
        TPNGObject picture;
        picture.loadFromFile(QStringLiteral(VANTELLE_SOURCE_DIR "/content/Templates/1.png"));
        Document.SetTemplate(DesignPictureOf(picture));
        TPNGObject button;
        button.loadFromFile(QStringLiteral(VANTELLE_SOURCE_DIR "/content/CloseButtons/1.png"));
        Document.SetCloseButton(DesignPictureOf(button, true));
        const QStringList faces = FontFaceList();
        for (int i = 0; i < 10; ++i) {
            TMovingObject &text = Document.Model.AppendTextObject(500);
            text.Lines =
                QStringList{QStringLiteral("Text number %1").arg(i), QStringLiteral("second line")};
            text.Font.Name = faces.value(i % std::max<qsizetype>(1, faces.size()));
            text.Font.Size = 12 + 2 * i;
            text.Font.Color = 0x102030u * static_cast<uint32_t>(i);
            text.Angle = i * 15;
        }
        Path = Dir.filePath(QStringLiteral("bench.vpopup"));
        WriteDesignFile(Path, Document.Snapshot());
    }
};

TBenchDesign &Design()
{
    static int argc = 1;
    static char name[] = "document_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static TBenchDesign design;
    return design;
}

void BM_SaveDesign(benchmark::State &state)
{
    TBenchDesign &design = Design();
    for (auto _ : state)
        WriteDesignFile(design.Path, design.Document.Snapshot());
}
BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_OpenDesign(benchmark::State &state)
{
    TBenchDesign &design = Design();
    const QStringList faces = FontFaceList();
    TDesignDocument opened;
    for (auto _ : state) {
        TDesignState read = ReadDesignFile(design.Path);
        SubstituteMissingFaces(read, faces);
        opened.Restore(read);
        benchmark::DoNotOptimize(opened.TemplatePicture());
    }
}
BENCHMARK(BM_OpenDesign)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Opening a design at the file's limits, with the redraw the window makes once it is open:
// range(0) 0 for the largest template and close button, 1 for one text
// of the most lines, each as long as the texts' characters allow, 2 for the most texts, which
// share those characters.
void BM_OpenDesignAtLimits(benchmark::State &state)
{
    Design();
    TDesignState limits;
    const auto noise = [](int width, int height, uint32_t seed) {
        Bitmap32 image(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                seed = seed * 1664525u + 1013904223u;
                image.setPixel(x, y, seed | 0x80000000u);
            }
        TPNGObject png;
        Bitmap32ToPng(image, png);
        return DesignPictureOf(png);
    };
    const int side = 1000;
    static_assert(int64_t(side) * side == DesignLimits::PicturePixels);
    const QStringList faces = FontFaceList();
    const auto text = [&](int lines, qsizetype length) {
        TDesignText t;
        t.Font.Name = faces.value(0);
        t.Font.Size = 12;
        t.Angle = 30;
        t.X = 20;
        t.Y = 20;
        for (int i = 0; i < lines; ++i)
            t.Lines << QString(length, QLatin1Char('a' + i % 26));
        return t;
    };
    switch (state.range(0)) {
    case 0:
        limits.Template = noise(side, side, 1);
        limits.CloseButton = DecodeDesignPicture(noise(side, side, 2).Bytes, true);
        // The most pixels a close button may be drawn with.
        limits.CloseButtonScale = 1.0;
        break;
    case 1:
        limits.Texts.push_back(text(DesignLimits::LinesPerText,
                                    DesignLimits::TextCharacters / DesignLimits::LinesPerText));
        break;
    default:
        for (int i = 0; i < DesignLimits::Texts; ++i)
            limits.Texts.push_back(text(1, DesignLimits::TextCharacters / DesignLimits::Texts));
        break;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("limits.vpopup"));
    WriteDesignFile(path, limits, false);
    TDesignDocument opened;
    Bitmap32 designBitmap(500, 500);
    for (auto _ : state) {
        const TDesignState read = ReadDesignFile(path);
        SubstituteMissingFaces(read, faces);
        opened.Restore(read);
        RenderDesign(designBitmap, opened.TemplatePicture(), opened.DocumentSize, opened.Model, -1,
                     Qt::white);
    }
}
BENCHMARK(BM_OpenDesignAtLimits)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The peer: turning the composed picture into logo.png's bytes.
void BM_PeerEncodeLogo(benchmark::State &state)
{
    TBenchDesign &design = Design();
    TDocumentPopupSource source(design.Document, design.TemplateBitmap, design.Output);
    RunEncodeLogoPeer(state, source.ComposePopupImage().Picture);
}
BENCHMARK(BM_PeerEncodeLogo)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One step undone and redone, each followed by the redraw the designer makes after it.
void BM_UndoRedoStep(benchmark::State &state)
{
    TBenchDesign &design = Design();
    TDesignHistory history(design.Document);
    const TDesignState before = design.Document.Snapshot();
    design.Document.Model.DesignObjects[3]->X += 8;
    history.Record(QStringLiteral("move"), before);
    Bitmap32 designBitmap(500, 500);
    for (auto _ : state) {
        history.Stack().undo();
        RenderDesign(designBitmap, design.Document.TemplatePicture(), design.Document.DocumentSize,
                     design.Document.Model, -1, Qt::white);
        history.Stack().redo();
        RenderDesign(designBitmap, design.Document.TemplatePicture(), design.Document.DocumentSize,
                     design.Document.Model, -1, Qt::white);
    }
    state.SetItemsProcessed(2 * static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_UndoRedoStep)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
