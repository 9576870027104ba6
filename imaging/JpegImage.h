#pragma once

// JPEG decoding through libjpeg. Fatal library errors become EJpegError, never exit().

#include "imaging/Bitmap32.h"
#include "imaging/VantelleError.h"

#include <QByteArray>

class EJpegError : public EVantelleError {
public:
    using EVantelleError::EVantelleError;
};

// Decodes a whole JPEG file's bytes into an opaque 32-bit picture (alpha 255).
Bitmap32 DecodeJpeg(const QByteArray &bytes);
