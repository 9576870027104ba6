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
        Document.Model.CurrentObject = nullptr;
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
        ReplaceMissingFaces(read, faces);
        opened.Restore(read);
        benchmark::DoNotOptimize(opened.TemplatePicture());
    }
}
BENCHMARK(BM_OpenDesign)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
                     design.Document.Model, Qt::white);
        history.Stack().redo();
        RenderDesign(designBitmap, design.Document.TemplatePicture(), design.Document.DocumentSize,
                     design.Document.Model, Qt::white);
    }
    state.SetItemsProcessed(2 * static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_UndoRedoStep)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
