// Resampling speed: Stretch with the box filter against QImage::scaled with smooth
// transformation on the same ARGB32 picture. Both run in this binary; compare the medians.

#include "imaging/AlphaStretch.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <random>

namespace {

// Soft gradients with noise and varying alpha, like a template picture.
Bitmap32 makePicture(int w, int h)
{
    std::mt19937 rng(7);
    Bitmap32 b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t n = rng() & 0x0F;
            const uint32_t r = (x * 255 / w + n) & 0xFF;
            const uint32_t g = (y * 255 / h + n) & 0xFF;
            const uint32_t bl = ((x + y) * 127 / (w + h)) & 0xFF;
            const uint32_t a = (x < w / 4) ? 0 : 128 + ((x + y) & 0x7F);
            b.setPixel(x, y, a << 24 | r << 16 | g << 8 | bl);
        }
    }
    return b;
}

void BM_Stretch(benchmark::State &state)
{
    const Bitmap32 src = makePicture(int(state.range(0)), int(state.range(0)));
    Bitmap32 dst(int(state.range(1)), int(state.range(1)));
    for (auto _ : state) {
        Stretch(src, dst, BoxFilter, 1.0f);
        benchmark::DoNotOptimize(dst.row(0));
    }
}

void BM_QImageSmoothScaled(benchmark::State &state)
{
    const Bitmap32 src = makePicture(int(state.range(0)), int(state.range(0)));
    const QImage image = src.asQImage().copy();
    const int side = int(state.range(1));
    for (auto _ : state) {
        QImage out = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(out.constBits());
    }
}

// Enlarging with the box filter takes one source pixel per destination pixel, which is what
// Qt's fast (nearest-pixel) scaling does; shrinking averages like smooth scaling.
void BM_QImageFastScaled(benchmark::State &state)
{
    const Bitmap32 src = makePicture(int(state.range(0)), int(state.range(0)));
    const QImage image = src.asQImage().copy();
    const int side = int(state.range(1));
    for (auto _ : state) {
        QImage out = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        benchmark::DoNotOptimize(out.constBits());
    }
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->Args({1000, 500})->Args({150, 500});
    // Qt spreads smooth scaling over worker threads, so CPU time counts the whole process.
    b->Repetitions(5)->ReportAggregatesOnly(true)->MeasureProcessCPUTime()->UseRealTime();
    b->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(BM_Stretch)->Apply(sizes);
BENCHMARK(BM_QImageSmoothScaled)->Apply(sizes);
BENCHMARK(BM_QImageFastScaled)->Apply(sizes);

BENCHMARK_MAIN();
