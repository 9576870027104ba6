// Feeds arbitrary bytes to the PNG decoder and runs whatever decodes through the program's
// picture paths: conversion to a 32-bit picture, drawing, re-encoding and decoding again.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer input;
    input.setData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    input.open(QIODevice::ReadOnly);
    TPNGObject png;
    try {
        png.loadFromStream(input);
    } catch (const EVantelleError &) {
        return 0;
    }
    if (png.isEmpty())
        std::abort();
    try {
        Bitmap32 image;
        PngToBitmap32(png, image);

        QImage surface(17, 11, QImage::Format_ARGB32);
        surface.fill(0x80402010u);
        png.draw(surface, QRect(-3, 2, 23, 7));
        png.draw(surface, QRect(0, 0, png.width() % 29 + 1, png.height() % 13 + 1));
        (void)png.pixel(png.width() - 1, png.height() - 1);

        TPNGObject copy;
        Bitmap32ToPng(image, copy);
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        copy.saveToStream(encoded);
        encoded.close();
        encoded.open(QIODevice::ReadOnly);
        TPNGObject again;
        again.loadFromStream(encoded);
        Bitmap32 back;
        PngToBitmap32(again, back);
        // What the encoder wrote must read back as the same picture.
        if (!(back == image))
            std::abort();

        // Asking for an RGBA picture's alpha rows leaves the picture as it was.
        if (png.alphaScanline(0)) {
            Bitmap32 after;
            PngToBitmap32(png, after);
            if (!(after == image))
                std::abort();
        }

        // The file without the chunks no decode reads (as Load... stores it) is the same
        // picture wherever it still decodes.
        input.seek(0);
        const QByteArray stripped = PngWithoutUnreadChunks(input);
        TPNGObject bare;
        bool bareDecodes = true;
        try {
            bare.loadFromData(stripped);
        } catch (const EVantelleError &) {
            bareDecodes = false;
        }
        if (bareDecodes) {
            Bitmap32 bareImage;
            PngToBitmap32(bare, bareImage);
            if (!(bareImage == image))
                std::abort();
        }

        // Re-encoding the decoded picture itself exercises every stored form.
        QBuffer direct;
        direct.open(QIODevice::WriteOnly);
        png.saveToStream(direct);
        direct.close();
        direct.open(QIODevice::ReadOnly);
        TPNGObject reread;
        reread.loadFromStream(direct);
        if (reread.width() != png.width() || reread.height() != png.height())
            std::abort();
    } catch (const EVantelleError &) {
    }
    return 0;
}
