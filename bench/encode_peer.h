#pragma once

// The peer of the benches that write logo.png: turning the composed picture into logo.png's
// bytes, the work Add popup and Save design cannot avoid.

#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

inline void RunEncodeLogoPeer(benchmark::State &state, const Bitmap32 &picture)
{
    TPNGObject png;
    for (auto _ : state) {
        Bitmap32ToPng(picture, png);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        png.saveToStream(buffer);
        benchmark::DoNotOptimize(buffer.data().constData());
    }
}
