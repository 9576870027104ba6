#pragma once

// The PNG codec's errors. Each class carries its fixed user-facing message; EPNGZLIBError adds
// zlib's description of the failing result code.

#include "imaging/VantelleError.h"

#define VANTELLE_PNG_ERROR(Class)                                                                  \
    class Class : public EVantelleError {                                                          \
    public:                                                                                        \
        Class();                                                                                   \
    };

VANTELLE_PNG_ERROR(EPngError)
VANTELLE_PNG_ERROR(EPNGOutMemory)
VANTELLE_PNG_ERROR(EPngUnexpectedEnd)
VANTELLE_PNG_ERROR(EPngInvalidCRC)
VANTELLE_PNG_ERROR(EPngInvalidIHDR)
VANTELLE_PNG_ERROR(EPNGMissingMultipleIDAT)
VANTELLE_PNG_ERROR(EPNGInvalidFileHeader)
VANTELLE_PNG_ERROR(EPNGIHDRNotFirst)
VANTELLE_PNG_ERROR(EPNGSizeExceeds)
VANTELLE_PNG_ERROR(EPNGUnknownCriticalChunk)
VANTELLE_PNG_ERROR(EPNGUnknownCompression)
VANTELLE_PNG_ERROR(EPNGUnknownInterlace)
VANTELLE_PNG_ERROR(EPNGNoImageData)
VANTELLE_PNG_ERROR(EPNGCouldNotLoadResource)
VANTELLE_PNG_ERROR(EPNGInvalidPalette)
// Colour type and bit depth pairs that no PNG decoder can lay out.
VANTELLE_PNG_ERROR(EPNGUnsupportedFormat)
// More pixels than the program is willing to hold in memory.
VANTELLE_PNG_ERROR(EPNGImageTooLarge)
// A piece of data whose declared length is beyond what the program accepts.
VANTELLE_PNG_ERROR(EPNGChunkTooLarge)

#undef VANTELLE_PNG_ERROR

class EPNGZLIBError : public EVantelleError {
public:
    explicit EPNGZLIBError(int zlibResult);
    int zlibResult() const noexcept { return m_result; }
    // zlib's description of a negative result code, e.g. "data error (-3)".
    static QString describe(int zlibResult);

private:
    int m_result;
};
