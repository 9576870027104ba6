// Loading the template base at start-up: 100 pictures of 500 x 500 read from a container and
// decoded, beside libpng decoding the same 100 files from disk.

#include "base/FileStorage.h"
#include "base/PictureBase.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace {

struct Base {
    QTemporaryDir dir;
    QStringList files;
    QString container;

    Base()
    {
        for (int n = 1; n <= 100; ++n) {
            // Gradients, shapes and transparency, like the shipped templates.
            QImage image(500, 500, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            QRadialGradient gradient(250, 200, 320);
            gradient.setColorAt(0, QColor::fromHsv((n * 37) % 360, 120, 250));
            gradient.setColorAt(1, QColor::fromHsv((n * 37 + 60) % 360, 200, 160));
            painter.setBrush(gradient);
            painter.setPen(QPen(QColor(40, 40, 40, 160), 6));
            painter.drawRoundedRect(20 + n % 10, 20, 460 - n % 10, 440, 40, 40);
            painter.setBrush(QColor(255, 255, 255, 90));
            painter.drawEllipse(60 + n, 80, 200, 120);
            painter.end();
            const QString file = dir.filePath(QStringLiteral("%1.png").arg(n));
            image.save(file, "PNG");
            files << file;
        }
        container = dir.filePath(QStringLiteral("img.stg"));
        WriteStorage(files, container);
    }
};

Base &base()
{
    static Base b;
    return b;
}

void BM_LoadTemplateContainer(benchmark::State &state)
{
    const QString container = base().container;
    for (auto _ : state) {
        TLoadedPictures loaded = LoadContainerPictures(container);
        if (loaded.pictures.size() != 100 || !loaded.errors.isEmpty())
            state.SkipWithError("container did not load whole");
        benchmark::DoNotOptimize(loaded.pictures.data());
    }
}
BENCHMARK(BM_LoadTemplateContainer)->Unit(benchmark::kMillisecond);

// Peer: libpng's simplified API decoding each file to RGBA. Like the program's picture list, it
// keeps every decoded picture until the whole base is loaded, each in memory of its own.
void BM_LibpngDecodeFiles(benchmark::State &state)
{
    std::vector<QByteArray> paths;
    for (const QString &file : base().files)
        paths.push_back(file.toLocal8Bit());
    for (auto _ : state) {
        std::vector<std::unique_ptr<png_byte[]>> kept;
        kept.reserve(paths.size());
        for (const QByteArray &path : paths) {
            png_image image{};
            image.version = PNG_IMAGE_VERSION;
            if (!png_image_begin_read_from_file(&image, path.constData())) {
                state.SkipWithError("libpng could not read a file");
                break;
            }
            image.format = PNG_FORMAT_RGBA;
            auto pixels = std::make_unique_for_overwrite<png_byte[]>(PNG_IMAGE_SIZE(image));
            png_image_finish_read(&image, nullptr, pixels.get(), 0, nullptr);
            kept.push_back(std::move(pixels));
        }
        benchmark::DoNotOptimize(kept.data());
    }
}
BENCHMARK(BM_LibpngDecodeFiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
