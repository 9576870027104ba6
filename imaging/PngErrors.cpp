#include "imaging/PngErrors.h"

#include <zlib.h>

namespace {
const QString kInvalidImage = QStringLiteral("This \"Portable Network Graphics\" image ");
}

#define VANTELLE_PNG_MESSAGE(Class, text)                                                          \
    Class::Class() : EVantelleError(text) {}

VANTELLE_PNG_MESSAGE(EPngError, QStringLiteral("There is no such palette entry."))
VANTELLE_PNG_MESSAGE(EPNGOutMemory,
                     QStringLiteral("Some operation could not be performed because the system is "
                                    "out of resources. Close some windows and try again."))
VANTELLE_PNG_MESSAGE(EPngUnexpectedEnd,
                     kInvalidImage + QStringLiteral("is invalid because the decoder found an "
                                                    "unexpected end of the file."))
VANTELLE_PNG_MESSAGE(EPngInvalidCRC,
                     kInvalidImage + QStringLiteral("is not valid because it contains invalid "
                                                    "pieces of data (crc error)"))
VANTELLE_PNG_MESSAGE(EPngInvalidIHDR,
                     QStringLiteral("The \"Portable Network Graphics\" image could not be loaded "
                                    "because one of its main piece of data (ihdr) might be "
                                    "corrupted"))
VANTELLE_PNG_MESSAGE(EPNGMissingMultipleIDAT,
                     kInvalidImage +
                         QStringLiteral("is invalid because it has missing image parts."))
VANTELLE_PNG_MESSAGE(EPNGInvalidFileHeader,
                     QStringLiteral("The file being read is not a valid \"Portable Network "
                                    "Graphics\" image because it contains an invalid header. This "
                                    "file may be corruped, try obtaining it again."))
VANTELLE_PNG_MESSAGE(EPNGIHDRNotFirst,
                     kInvalidImage + QStringLiteral("is not supported or it might be invalid.\n"
                                                    "(IHDR chunk is not the first)"))
VANTELLE_PNG_MESSAGE(EPNGSizeExceeds,
                     kInvalidImage + QStringLiteral("is not supported because either it's width "
                                                    "or height exceeds the maximum size, which is "
                                                    "65535 pixels length."))
VANTELLE_PNG_MESSAGE(EPNGUnknownCriticalChunk,
                     kInvalidImage + QStringLiteral("contains an unknown critical part which could "
                                                    "not be decoded."))
VANTELLE_PNG_MESSAGE(EPNGUnknownCompression,
                     kInvalidImage + QStringLiteral("is encoded with an unknown compression scheme "
                                                    "which could not be decoded."))
VANTELLE_PNG_MESSAGE(EPNGUnknownInterlace,
                     kInvalidImage + QStringLiteral("uses an unknown interlace scheme which could "
                                                    "not be decoded."))
VANTELLE_PNG_MESSAGE(EPNGNoImageData, kInvalidImage + QStringLiteral("contains no data."))
VANTELLE_PNG_MESSAGE(EPNGCouldNotLoadResource,
                     QStringLiteral("The png image could not be loaded from the resource ID."))
VANTELLE_PNG_MESSAGE(EPNGInvalidPalette,
                     QStringLiteral("The \"Portable Network Graphics\" image contains an invalid "
                                    "palette."))
VANTELLE_PNG_MESSAGE(EPNGUnsupportedFormat,
                     kInvalidImage + QStringLiteral("uses a combination of colour type and bit "
                                                    "depth which could not be decoded."))
VANTELLE_PNG_MESSAGE(EPNGImageTooLarge,
                     kInvalidImage + QStringLiteral("is too large to be loaded: it has more than "
                                                    "100,000,000 pixels."))
VANTELLE_PNG_MESSAGE(EPNGChunkTooLarge,
                     kInvalidImage + QStringLiteral("contains a piece of data which is too large "
                                                    "to be loaded."))

#undef VANTELLE_PNG_MESSAGE

EPNGZLIBError::EPNGZLIBError(int zlibResult)
    : EVantelleError(QStringLiteral("Could not decompress the image because it contains invalid "
                                    "compressed data.\n Description: ") +
                     describe(zlibResult)),
      m_result(zlibResult)
{
}

QString EPNGZLIBError::describe(int zlibResult)
{
    switch (zlibResult) {
    case Z_VERSION_ERROR:
        return QStringLiteral("incompatible version (-6)");
    case Z_BUF_ERROR:
        return QStringLiteral("buffer error (-5)");
    case Z_MEM_ERROR:
        return QStringLiteral("insufficient memory (-4)");
    case Z_DATA_ERROR:
        return QStringLiteral("data error (-3)");
    case Z_STREAM_ERROR:
        return QStringLiteral("stream error (-2)");
    case Z_ERRNO:
        return QStringLiteral("file error (-1)");
    default:
        return QStringLiteral("unknown error (%1)").arg(zlibResult);
    }
}
