#include "imaging/JpegImage.h"

#include <QCoreApplication>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace {

// Pictures beyond this are refused before any pixel memory is taken: a few bytes of header
// can claim gigabytes.
constexpr long long MaxPixels = 1LL << 27;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Corrupt-data warnings (a truncated file among them) would otherwise decode as grey filler,
// so they end the decoding like errors. Warnings that leave the pixels whole are let through;
// trace messages are dropped.
void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    const int code = cinfo->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_EXTRANEOUS_DATA)
        return;
    errorExit(cinfo);
}

void outputMessage(j_common_ptr) {}

// Owns the decompressor; each stage that can fail runs under its own setjmp and keeps only
// trivially destructible state on its frame, so the jump skips no destructor.
class Decoder {
public:
    explicit Decoder(const QByteArray &bytes)
    {
        m_cinfo.err = jpeg_std_error(&m_err.pub);
        m_err.pub.error_exit = errorExit;
        m_err.pub.emit_message = emitMessage;
        m_err.pub.output_message = outputMessage;
        m_err.message[0] = '\0';
        if (setjmp(m_err.jump)) {
            m_failed = true;
            return;
        }
        jpeg_create_decompress(&m_cinfo);
        m_created = true;
        jpeg_mem_src(&m_cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&m_cinfo, TRUE);
    }
    ~Decoder()
    {
        if (m_created)
            jpeg_destroy_decompress(&m_cinfo);
    }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    void check() const
    {
        if (m_failed)
            throw EJpegError(QString::fromLocal8Bit(m_err.message));
    }

    int width() const { return static_cast<int>(m_cinfo.image_width); }
    int height() const { return static_cast<int>(m_cinfo.image_height); }
    J_COLOR_SPACE colorSpace() const { return m_cinfo.jpeg_color_space; }
    bool invertedCmyk() const { return m_cinfo.saw_Adobe_marker != 0; }

    // Decodes every row into rows[y], components per pixel as the output space has them.
    void decode(J_COLOR_SPACE out, unsigned char *const *rows)
    {
        if (setjmp(m_err.jump)) {
            m_failed = true;
            return;
        }
        m_cinfo.out_color_space = out;
        jpeg_start_decompress(&m_cinfo);
        while (m_cinfo.output_scanline < m_cinfo.output_height)
            jpeg_read_scanlines(&m_cinfo, const_cast<JSAMPARRAY>(rows + m_cinfo.output_scanline),
                                m_cinfo.output_height - m_cinfo.output_scanline);
        jpeg_finish_decompress(&m_cinfo);
    }

private:
    jpeg_decompress_struct m_cinfo{};
    ErrorManager m_err{};
    bool m_created = false;
    bool m_failed = false;
};

uint32_t cmykToArgb(const unsigned char *p, bool inverted)
{
    // Adobe writers store the inks inverted (255 = no ink), others store them plainly.
    const unsigned c = inverted ? p[0] : 255u - p[0];
    const unsigned m = inverted ? p[1] : 255u - p[1];
    const unsigned y = inverted ? p[2] : 255u - p[2];
    const unsigned k = inverted ? p[3] : 255u - p[3];
    const unsigned r = (c * k + 127) / 255;
    const unsigned g = (m * k + 127) / 255;
    const unsigned b = (y * k + 127) / 255;
    return 0xFF000000u | r << 16 | g << 8 | b;
}

} // namespace

Bitmap32 DecodeJpeg(const QByteArray &bytes)
{
    Decoder decoder(bytes);
    decoder.check();
    const int w = decoder.width();
    const int h = decoder.height();
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > MaxPixels)
        throw EJpegError(QCoreApplication::translate(
                             "JpegImage", "The JPEG picture is too large (%1 x %2 pixels).")
                             .arg(w)
                             .arg(h));

    Bitmap32 result(w, h);
    const J_COLOR_SPACE space = decoder.colorSpace();
    if (space == JCS_CMYK || space == JCS_YCCK) {
        std::vector<unsigned char> cmyk(static_cast<size_t>(w) * h * 4);
        std::vector<unsigned char *> rows(static_cast<size_t>(h));
        for (int y = 0; y < h; ++y)
            rows[y] = cmyk.data() + static_cast<size_t>(y) * w * 4;
        decoder.decode(JCS_CMYK, rows.data());
        decoder.check();
        const bool inverted = decoder.invertedCmyk();
        for (int y = 0; y < h; ++y) {
            uint32_t *out = result.row(y);
            for (int x = 0; x < w; ++x)
                out[x] = cmykToArgb(rows[y] + 4 * x, inverted);
        }
        return result;
    }
    if (space != JCS_GRAYSCALE && space != JCS_YCbCr && space != JCS_RGB)
        throw EJpegError(QCoreApplication::translate(
            "JpegImage", "The JPEG picture uses a colour space that cannot be shown."));

    // Grey and colour pictures decode straight into the 32-bit rows with an opaque alpha.
    std::vector<unsigned char *> rows(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y)
        rows[y] = reinterpret_cast<unsigned char *>(result.row(y));
    decoder.decode(JCS_EXT_BGRA, rows.data());
    decoder.check();
    return result;
}
