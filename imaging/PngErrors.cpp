#include "imaging/PngErrors.h"

#include <QCoreApplication>

#include <zlib.h>

// Each message is one whole sentence for the translators, although several begin alike. The
// texts are marked where they stand, for lupdate, and translated when an error is raised.
#define VANTELLE_PNG_MESSAGE(Class, text)                                                          \
    Class::Class() : EVantelleError(QCoreApplication::translate("PngErrors", text)) {}

VANTELLE_PNG_MESSAGE(EPngError, QT_TRANSLATE_NOOP("PngErrors", "There is no such palette entry."))
VANTELLE_PNG_MESSAGE(
    EPNGOutMemory,
    QT_TRANSLATE_NOOP("PngErrors",
                      "Some operation could not be performed because the system is out of "
                      "resources. Close some windows and try again."))
VANTELLE_PNG_MESSAGE(
    EPngUnexpectedEnd,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image is invalid because the decoder "
                      "found an unexpected end of the file."))
VANTELLE_PNG_MESSAGE(
    EPngInvalidCRC,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image is not valid because it contains "
                      "invalid pieces of data (crc error)"))
VANTELLE_PNG_MESSAGE(
    EPngInvalidIHDR,
    QT_TRANSLATE_NOOP("PngErrors",
                      "The \"Portable Network Graphics\" image could not be loaded because one of "
                      "its main piece of data (ihdr) might be corrupted"))
VANTELLE_PNG_MESSAGE(
    EPNGMissingMultipleIDAT,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image is invalid because it has missing "
                      "image parts."))
VANTELLE_PNG_MESSAGE(
    EPNGInvalidFileHeader,
    QT_TRANSLATE_NOOP("PngErrors",
                      "The file being read is not a valid \"Portable Network Graphics\" image "
                      "because it contains an invalid header. This file may be corruped, try "
                      "obtaining it again."))
VANTELLE_PNG_MESSAGE(
    EPNGIHDRNotFirst,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image is not supported or it might be "
                      "invalid.\n(IHDR chunk is not the first)"))
VANTELLE_PNG_MESSAGE(
    EPNGSizeExceeds,
    QT_TRANSLATE_NOOP(
        "PngErrors",
        "This \"Portable Network Graphics\" image is not supported because either "
        "it's width or height exceeds the maximum size, which is 65535 pixels length."))
VANTELLE_PNG_MESSAGE(
    EPNGUnknownCriticalChunk,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image contains an unknown critical part "
                      "which could not be decoded."))
VANTELLE_PNG_MESSAGE(
    EPNGUnknownCompression,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image is encoded with an unknown "
                      "compression scheme which could not be decoded."))
VANTELLE_PNG_MESSAGE(
    EPNGUnknownInterlace,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image uses an unknown interlace scheme "
                      "which could not be decoded."))
VANTELLE_PNG_MESSAGE(
    EPNGNoImageData,
    QT_TRANSLATE_NOOP("PngErrors", "This \"Portable Network Graphics\" image contains no data."))
VANTELLE_PNG_MESSAGE(EPNGCouldNotLoadResource,
                     QT_TRANSLATE_NOOP("PngErrors",
                                       "The png image could not be loaded from the resource ID."))
VANTELLE_PNG_MESSAGE(
    EPNGInvalidPalette,
    QT_TRANSLATE_NOOP("PngErrors",
                      "The \"Portable Network Graphics\" image contains an invalid palette."))
VANTELLE_PNG_MESSAGE(
    EPNGUnsupportedFormat,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image uses a combination of colour type "
                      "and bit depth which could not be decoded."))
VANTELLE_PNG_MESSAGE(
    EPNGImageTooLarge,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image is too large to be loaded: it has "
                      "more than 100,000,000 pixels."))
VANTELLE_PNG_MESSAGE(
    EPNGChunkTooLarge,
    QT_TRANSLATE_NOOP("PngErrors",
                      "This \"Portable Network Graphics\" image contains a piece of data which is "
                      "too large to be loaded."))

#undef VANTELLE_PNG_MESSAGE

EPNGZLIBError::EPNGZLIBError(int zlibResult)
    : EVantelleError(QCoreApplication::translate(
                         "PngErrors", "Could not decompress the image because it "
                                      "contains invalid compressed data.\n Description: ") +
                     describe(zlibResult)),
      m_result(zlibResult)
{
}

QString EPNGZLIBError::describe(int zlibResult)
{
    switch (zlibResult) {
    case Z_VERSION_ERROR:
        return QCoreApplication::translate("PngErrors", "incompatible version (-6)");
    case Z_BUF_ERROR:
        return QCoreApplication::translate("PngErrors", "buffer error (-5)");
    case Z_MEM_ERROR:
        return QCoreApplication::translate("PngErrors", "insufficient memory (-4)");
    case Z_DATA_ERROR:
        return QCoreApplication::translate("PngErrors", "data error (-3)");
    case Z_STREAM_ERROR:
        return QCoreApplication::translate("PngErrors", "stream error (-2)");
    case Z_ERRNO:
        return QCoreApplication::translate("PngErrors", "file error (-1)");
    default:
        return QCoreApplication::translate("PngErrors", "unknown error (%1)").arg(zlibResult);
    }
}
