// Every failure of the decoder from a minimal crafted file, with the exact message the user
// sees, and the limits that keep hostile files from taking memory their data cannot fill.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>

using namespace pngtest;

namespace {

const QByteArray kGreyRow("\0\x10", 2); // one 8-bit grey pixel, filter 0
const QByteArray kGreyIhdr = ihdrData(1, 1, 8, 0);

QByteArray withBadCrc(QByteArray chunkBytes)
{
    chunkBytes[chunkBytes.size() - 1] = char(chunkBytes[chunkBytes.size() - 1] ^ 1);
    return chunkBytes;
}

const QString kPng = QStringLiteral("This \"Portable Network Graphics\" image ");

struct ErrorCase {
    const char *what;
    QByteArray file;
    std::function<void(const EVantelleError &)> checkType;
    QString message;
};

template <class E> std::function<void(const EVantelleError &)> isA()
{
    return [](const EVantelleError &e) {
        EXPECT_NE(dynamic_cast<const E *>(&e), nullptr) << "got " << typeid(e).name();
    };
}

} // namespace

TEST(PngErrors, EachFailureHasItsClassAndMessage)
{
    const QByteArray sig = signature();
    const QByteArray ihdr = chunk("IHDR", kGreyIhdr);
    const QByteArray idat = chunk("IDAT", zlibCompress(kGreyRow));
    const QByteArray iend = chunk("IEND", {});
    const QByteArray twoRows = zlibCompress(QByteArray("\0\x10\0\x20", 4));
    QByteArray withBadAdler = zlibCompress(kGreyRow);
    withBadAdler[withBadAdler.size() - 1] = char(withBadAdler[withBadAdler.size() - 1] ^ 1);
    const QString kDataError =
        QStringLiteral("Could not decompress the image because it contains invalid compressed "
                       "data.\n Description: data error (-3)");
    const ErrorCase cases[] = {
        {"bad signature", QByteArray("\x89PNG\r\n\x1a\x0b", 8) + ihdr + idat + iend,
         isA<EPNGInvalidFileHeader>(),
         QStringLiteral("The file being read is not a valid \"Portable Network Graphics\" image "
                        "because it contains an invalid header. This file may be corruped, try "
                        "obtaining it again.")},
        {"IHDR not first", sig + chunk("gAMA", be32(45455)) + ihdr + idat + iend,
         isA<EPNGIHDRNotFirst>(),
         kPng + QStringLiteral("is not supported or it might be invalid.\n(IHDR chunk is not the "
                               "first)")},
        {"end after IHDR", sig + ihdr, isA<EPngUnexpectedEnd>(),
         kPng + QStringLiteral("is invalid because the decoder found an unexpected end of the "
                               "file.")},
        {"end inside IDAT", sig + ihdr + idat.left(idat.size() - 6), isA<EPngUnexpectedEnd>(), {}},
        {"bad CRC", sig + withBadCrc(ihdr) + idat + iend, isA<EPngInvalidCRC>(),
         kPng + QStringLiteral("is not valid because it contains invalid pieces of data (crc "
                               "error)")},
        {"bad IDAT CRC", sig + ihdr + withBadCrc(idat) + iend, isA<EPngInvalidCRC>(), {}},
        {"short IHDR", sig + chunk("IHDR", kGreyIhdr.left(12)) + idat + iend,
         isA<EPngInvalidIHDR>(),
         QStringLiteral("The \"Portable Network Graphics\" image could not be loaded because one "
                        "of its main piece of data (ihdr) might be corrupted")},
        {"width 65536", sig + chunk("IHDR", ihdrData(65536, 1, 8, 0)) + idat + iend,
         isA<EPNGSizeExceeds>(),
         kPng + QStringLiteral("is not supported because either it's width or height exceeds the "
                               "maximum size, which is 65535 pixels length.")},
        {"compression 1", sig + chunk("IHDR", ihdrData(1, 1, 8, 0, 0, 1)) + idat + iend,
         isA<EPNGUnknownCompression>(),
         kPng + QStringLiteral("is encoded with an unknown compression scheme which could not be "
                               "decoded.")},
        {"interlace 2", sig + chunk("IHDR", ihdrData(1, 1, 8, 0, 2)) + idat + iend,
         isA<EPNGUnknownInterlace>(),
         kPng + QStringLiteral("uses an unknown interlace scheme which could not be decoded.")},
        {"unknown critical chunk", sig + ihdr + chunk("ABCD", "x") + idat + iend,
         isA<EPNGUnknownCriticalChunk>(),
         kPng + QStringLiteral("contains an unknown critical part which could not be decoded.")},
        {"PLTE of 4 bytes",
         sig + chunk("IHDR", ihdrData(1, 1, 8, 3)) + chunk("PLTE", "abcd") + idat + iend,
         isA<EPNGInvalidPalette>(),
         QStringLiteral("The \"Portable Network Graphics\" image contains an invalid palette.")},
        {"PLTE of 257 entries",
         sig + chunk("IHDR", ihdrData(1, 1, 8, 3)) + chunk("PLTE", QByteArray(771, 'a')) + idat +
             iend,
         isA<EPNGInvalidPalette>(),
         {}},
        {"tRNS of 257 bytes",
         sig + chunk("IHDR", ihdrData(1, 1, 8, 3)) + chunk("PLTE", "abc") +
             chunk("tRNS", QByteArray(257, 'a')) + idat + iend,
         isA<EPNGInvalidPalette>(),
         {}},
        {"ancillary chunk between IDATs",
         sig + ihdr + chunk("IDAT", twoRows.left(3)) + chunk("tEXt", QByteArray("a\0b", 3)) +
             chunk("IDAT", twoRows.mid(3)) + iend,
         isA<EPNGMissingMultipleIDAT>(),
         kPng + QStringLiteral("is invalid because it has missing image parts.")},
        {"compressed data ends before the last row",
         sig + chunk("IHDR", ihdrData(1, 2, 8, 0)) + idat + iend,
         isA<EPNGMissingMultipleIDAT>(),
         {}},
        {"not zlib data", sig + ihdr + chunk("IDAT", "garbage!") + iend, isA<EPNGZLIBError>(),
         kDataError},
        {"wrong Adler-32", sig + ihdr + chunk("IDAT", withBadAdler) + iend, isA<EPNGZLIBError>(),
         kDataError},
        // The rows are complete before the checksum arrives in its own chunk.
        {"wrong Adler-32 in a later IDAT",
         sig + ihdr + chunk("IDAT", withBadAdler.chopped(4)) +
             chunk("IDAT", withBadAdler.right(4)) + iend,
         isA<EPNGZLIBError>(), kDataError},
        // ... or spread over two later chunks, each of which must be read on to the end.
        {"wrong Adler-32 in two later IDATs (2 + 2)",
         sig + ihdr + chunk("IDAT", withBadAdler.chopped(4)) +
             chunk("IDAT", withBadAdler.right(4).left(2)) + chunk("IDAT", withBadAdler.right(2)) +
             iend,
         isA<EPNGZLIBError>(), kDataError},
        {"wrong Adler-32 in two later IDATs (1 + 3)",
         sig + ihdr + chunk("IDAT", withBadAdler.chopped(4)) +
             chunk("IDAT", withBadAdler.right(4).left(1)) + chunk("IDAT", withBadAdler.right(3)) +
             iend,
         isA<EPNGZLIBError>(), kDataError},
        {"no IDAT", sig + ihdr + iend, isA<EPNGNoImageData>(),
         kPng + QStringLiteral("contains no data.")},
        {"RGB at 4 bits",
         sig + chunk("IHDR", ihdrData(1, 1, 4, 2)) + idat + iend,
         isA<EPNGUnsupportedFormat>(),
         {}},
        {"colour type 5",
         sig + chunk("IHDR", ihdrData(1, 1, 8, 5)) + idat + iend,
         isA<EPNGUnsupportedFormat>(),
         {}},
        {"palette at 16 bits",
         sig + chunk("IHDR", ihdrData(1, 1, 16, 3)) + idat + iend,
         isA<EPNGUnsupportedFormat>(),
         {}},
        {"width 0",
         sig + chunk("IHDR", ihdrData(0, 1, 8, 0)) + idat + iend,
         isA<EPngInvalidIHDR>(),
         {}},
        {"second IHDR", sig + ihdr + ihdr + idat + iend, isA<EPngInvalidIHDR>(), {}},
    };
    for (const ErrorCase &c : cases) {
        SCOPED_TRACE(c.what);
        TPNGObject png;
        try {
            png.loadFromData(c.file);
            ADD_FAILURE() << "decoded without error";
        } catch (const EVantelleError &e) {
            c.checkType(e);
            if (!c.message.isEmpty()) {
                EXPECT_EQ(e.message(), c.message);
            }
        }
        // A failed decode leaves nothing half-built behind.
        EXPECT_TRUE(png.isEmpty());
        EXPECT_EQ(png.pixel(0, 0), 0u);
    }
}

TEST(PngErrors, MissingResource)
{
    TPNGObject png;
    try {
        png.loadFromResource(QStringLiteral("NO_SUCH_PICTURE"));
        FAIL() << "loaded a missing resource";
    } catch (const EPNGCouldNotLoadResource &e) {
        EXPECT_EQ(e.message(), QStringLiteral("The png image could not be loaded from the "
                                              "resource ID."));
    }
}

TEST(PngErrors, PaletteIndexPastTheLastEntry)
{
    // The index equal to the palette size is the first one past it.
    for (int entries : {1, 2, 16}) {
        SCOPED_TRACE(entries);
        TPNGObject png;
        png.loadFromData(craftFile(ihdrData(2, 1, 8, 3),
                                   chunk("PLTE", QByteArray(3 * entries, '\x40')),
                                   QByteArray("\0\0", 2) + char(entries)));
        EXPECT_EQ(png.pixel(0, 0), 0x404040u);
        EXPECT_THROW(png.pixel(1, 0), EPngError);
        Bitmap32 image;
        EXPECT_THROW(PngToBitmap32(png, image), EPngError);
    }

    // Two palette entries, pixels 0 and 5.
    TPNGObject png;
    png.loadFromData(craftFile(ihdrData(2, 1, 8, 3),
                               chunk("PLTE", QByteArray("\x10\x20\x30\x40\x50\x60", 6)),
                               QByteArray("\0\0\x05", 3)));
    EXPECT_EQ(png.pixel(0, 0), 0x302010u);
    try {
        png.pixel(1, 0);
        FAIL() << "no error for index 5";
    } catch (const EPngError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("There is no such palette entry."));
    }
    Bitmap32 image;
    EXPECT_THROW(PngToBitmap32(png, image), EPngError);
    // Drawing shows the bad index as black instead of failing a paint.
    QImage surface(2, 1, QImage::Format_RGB32);
    surface.fill(0xFFFFFFFFu);
    EXPECT_NO_THROW(png.draw(surface, surface.rect()));
    EXPECT_EQ(surface.pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(surface.pixel(1, 0), 0xFF000000u);
}

TEST(PngErrors, FileLayerFailuresNameThePath)
{
    TPNGObject png;
    const QString path = QStringLiteral("/nonexistent-folder/picture.png");
    try {
        png.loadFromFile(path);
        FAIL();
    } catch (const EFileError &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)))
            << e.message().toStdString();
    }
    png.assignImage(QImage(2, 2, QImage::Format_RGB32));
    try {
        png.saveToFile(path);
        FAIL();
    } catch (const EFileError &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)))
            << e.message().toStdString();
    }
}
