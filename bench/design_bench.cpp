// Re-rendering the whole design, as every control change and mouse movement while dragging
// does, beside a peer that paints the same scene with plain QPainter calls (QImage::scaled for
// the template, drawImage for the close button, drawText for the lines, a dotted focus frame).

#include "designer/DesignModel.h"
#include "designer/DesignRenderer.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct Scene {
    TPNGObject templatePicture;
    TPNGObject closeButton;
    QImage templateImage;
    QImage closeImage;
    // The object drawn with the focus frame.
    static constexpr int Selected = 3;
    TDesignModel model;
    Bitmap32 design{500, 500};
    std::vector<TRect> bounds;

    Scene()
    {
        templatePicture.loadFromFile(
            QStringLiteral(VANTELLE_SOURCE_DIR "/content/Templates/1.png"));
        closeButton.loadFromFile(QStringLiteral(VANTELLE_SOURCE_DIR "/content/CloseButtons/1.png"));
        closeButton.createAlpha();
        templateImage = QImage(QStringLiteral(VANTELLE_SOURCE_DIR "/content/Templates/1.png"))
                            .convertToFormat(QImage::Format_ARGB32);
        closeImage = QImage(QStringLiteral(VANTELLE_SOURCE_DIR "/content/CloseButtons/1.png"))
                         .convertToFormat(QImage::Format_ARGB32);
        model.CreateCloseButtonObject(500);
        model.CloseButtonObject()->ButtonPicture = &closeButton;
        model.CloseButtonObject()->ButtonScale = 1.5;
        const int angles[] = {0, 0, 15, 90, -30, 0, 45, 180, 0, -90};
        for (int i = 0; i < 10; ++i) {
            TMovingObject &text = model.AppendTextObject(500);
            text.Lines = (i % 3 == 0) ? QStringList{"Summer sale", "Up to 50% off", "Today only"}
                                      : QStringList{QStringLiteral("Text object %1").arg(i)};
            text.Angle = angles[i];
            text.Font.Size = 10 + 2 * i;
            text.Font.Bold = i % 2 == 1;
            text.Font.Color = 0x2040C0u + 0x101010u * i;
        }
        bounds = RenderDesign(design, &templatePicture, 500, model, Selected, Qt::white);
    }
};

Scene &TheScene()
{
    static int argc = 1;
    static char name[] = "design_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static Scene scene;
    return scene;
}

void BM_RenderDesign(benchmark::State &state)
{
    Scene &scene = TheScene();
    for (auto _ : state) {
        RenderDesign(scene.design, &scene.templatePicture, 500, scene.model, Scene::Selected,
                     Qt::white);
        benchmark::DoNotOptimize(scene.design.row(0));
    }
}
BENCHMARK(BM_RenderDesign)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The peer: the same pixels' worth of work with stock QPainter calls.
void BM_PeerQPainterScene(benchmark::State &state)
{
    Scene &scene = TheScene();
    QImage target(500, 500, QImage::Format_ARGB32);
    for (auto _ : state) {
        target.fill(Qt::white);
        QPainter painter(&target);
        painter.drawImage(QPoint(0, 0), scene.templateImage.scaled(500, 500, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation));
        for (const auto &object : scene.model.DesignObjects) {
            if (object->IsPicture) {
                painter.resetTransform();
                const QSize size = scene.closeImage.size() * object->ButtonScale;
                painter.drawImage(
                    QRect(QPoint(object->X, object->Y), size),
                    scene.closeImage.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                continue;
            }
            const QFont font = MakeFont(object->Font);
            const QFontMetrics metrics(font);
            painter.setFont(font);
            painter.setPen(ColorFromValue(object->Font.Color));
            painter.resetTransform();
            painter.translate(object->X, object->Y);
            painter.rotate(-object->Angle);
            int y = metrics.ascent();
            for (const QString &line : object->Lines) {
                painter.drawText(QPoint(0, y), line);
                y += metrics.height();
            }
        }
        // The focus frame around the selected object, dotted as the designer draws it.
        const TRect &current = scene.bounds[Scene::Selected];
        painter.resetTransform();
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawRect(QRect(QPoint(current.Left, current.Top),
                               QPoint(current.Right - 1, current.Bottom - 1)));
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
// Qt spreads smooth scaling over worker threads, so both count the CPU time of the process.
BENCHMARK(BM_PeerQPainterScene)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
