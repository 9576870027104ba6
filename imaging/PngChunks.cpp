#include "imaging/PngChunks.h"

#include "imaging/PngErrors.h"

#include <QCoreApplication>
#include <QIODevice>

#include <zlib.h>

#include <algorithm>

namespace {

uint32_t readBE32(const uchar *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

void appendBE32(QByteArray &out, uint32_t v)
{
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(bytes, 4);
}

uint32_t crcOf(const QByteArray &name, const QByteArray &data)
{
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>(name.constData()), 4);
    return uint32_t(
        crc32(crc, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
}

} // namespace

TChunk::TChunk(const QByteArray &name) : m_name(name) {}

TChunk::~TChunk() = default;

void TChunk::loadFromStream(QIODevice &stream, uint32_t length)
{
    if (length > kMaxDataLength)
        throw EPNGChunkTooLarge();
    // The declared length is only trusted as far as the stream actually delivers bytes.
    m_data.clear();
    uint32_t remaining = length;
    while (remaining > 0) {
        const uint32_t step = std::min(remaining, kBlockSize);
        const qsizetype old = m_data.size();
        m_data.resize(old + step);
        if (stream.read(m_data.data() + old, step) != qint64(step))
            throw EPngUnexpectedEnd();
        remaining -= step;
    }
    uchar crc[4];
    if (stream.read(reinterpret_cast<char *>(crc), 4) != 4)
        throw EPngUnexpectedEnd();
    if (readBE32(crc) != crcOf(m_name, m_data))
        throw EPngInvalidCRC();
    parse();
}

void TChunk::saveToStream(QIODevice &stream) const
{
    writeChunk(stream, m_name, m_data);
}

void TChunk::setData(const QByteArray &data)
{
    m_data = data;
    parse();
}

void TChunk::writeChunk(QIODevice &stream, const QByteArray &name, const QByteArray &data)
{
    QByteArray out;
    out.reserve(data.size() + 12);
    appendBE32(out, uint32_t(data.size()));
    out.append(name);
    out.append(data);
    appendBE32(out, crcOf(name, data));
    if (stream.write(out) != out.size())
        throw EFileError(QCoreApplication::translate("PngErrors", "Cannot write the picture. %1")
                             .arg(stream.errorString()));
}

// ---- IHDR

TChunkIHDR::TChunkIHDR() : TChunk(QByteArrayLiteral("IHDR")) {}

void TChunkIHDR::parse()
{
    if (m_data.size() < 13)
        throw EPngInvalidIHDR();
    const auto *p = reinterpret_cast<const uchar *>(m_data.constData());
    m_width = readBE32(p);
    m_height = readBE32(p + 4);
    m_bitDepth = p[8];
    m_colorType = p[9];
    m_compressionMethod = p[10];
    m_filterMethod = p[11];
    m_interlaceMethod = p[12];
    if (m_width > 65535 || m_height > 65535)
        throw EPNGSizeExceeds();
    if (m_compressionMethod != 0)
        throw EPNGUnknownCompression();
    if (m_interlaceMethod != 0 && m_interlaceMethod != 1)
        throw EPNGUnknownInterlace();
    if (m_width == 0 || m_height == 0)
        throw EPngInvalidIHDR();
    bool supported = false;
    switch (m_colorType) {
    case 0:
        supported = m_bitDepth == 1 || m_bitDepth == 2 || m_bitDepth == 4 || m_bitDepth == 8 ||
                    m_bitDepth == 16;
        break;
    case 3:
        supported = m_bitDepth == 1 || m_bitDepth == 2 || m_bitDepth == 4 || m_bitDepth == 8;
        break;
    case 2:
    case 4:
    case 6:
        supported = m_bitDepth == 8 || m_bitDepth == 16;
        break;
    default:
        break;
    }
    if (!supported)
        throw EPNGUnsupportedFormat();
    // Refused before any pixel memory is reserved.
    if (uint64_t(m_width) * m_height > 100'000'000u)
        throw EPNGImageTooLarge();
}

void TChunkIHDR::set(int width, int height, int bitDepth, int colorType, int interlaceMethod)
{
    QByteArray d;
    appendBE32(d, uint32_t(width));
    appendBE32(d, uint32_t(height));
    d.append(char(bitDepth));
    d.append(char(colorType));
    d.append(char(0));
    d.append(char(0));
    d.append(char(interlaceMethod));
    setData(d);
}

int TChunkIHDR::bitsPerPixel() const noexcept
{
    static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
    return m_colorType <= 6 ? kChannels[m_colorType] * m_bitDepth : 0;
}

int TChunkIHDR::writtenBitDepth() const noexcept
{
    if (m_bitDepth == 2)
        return 4;
    if (m_bitDepth == 16)
        return 8;
    return m_bitDepth;
}

void TChunkIHDR::saveToStream(QIODevice &stream) const
{
    QByteArray d = m_data.left(13);
    d[8] = char(writtenBitDepth());
    d[10] = 0;
    d[11] = 0;
    d[12] = 0; // the encoder never interlaces
    writeChunk(stream, name(), d);
}

// ---- PLTE

TChunkPLTE::TChunkPLTE() : TChunk(QByteArrayLiteral("PLTE")) {}

void TChunkPLTE::parse()
{
    if (m_data.size() % 3 != 0 || m_data.size() > 256 * 3)
        throw EPNGInvalidPalette();
}

uint32_t TChunkPLTE::entry(int i) const noexcept
{
    if (i < 0 || i >= count())
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(m_data.constData()) + 3 * i;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

// ---- gAMA

TChunkgAMA::TChunkgAMA() : TChunk(QByteArrayLiteral("gAMA")) {}

uint32_t TChunkgAMA::gamma() const noexcept
{
    if (m_data.size() < 4)
        return 0;
    return readBE32(reinterpret_cast<const uchar *>(m_data.constData()));
}

// ---- tRNS

TChunktRNS::TChunktRNS(const TChunkIHDR *header)
    : TChunk(QByteArrayLiteral("tRNS")), m_header(header)
{
}

void TChunktRNS::parse()
{
    if (m_data.size() > 256)
        throw EPNGInvalidPalette();
    m_alpha.fill(255);
    const TChunkIHDR *header = m_header;
    const int colorType = header ? header->colorType() : 3;
    if (colorType == 3) {
        m_colorKey = false;
        for (int i = 0; i < m_data.size(); ++i) {
            m_alpha[size_t(i)] = uchar(m_data[i]);
            if (m_alpha[size_t(i)] != 255)
                m_colorKey = true;
        }
    } else {
        m_colorKey = true;
    }
}

uint16_t TChunktRNS::keySample(int channel) const noexcept
{
    const int at = 2 * channel;
    if (channel < 0 || at + 1 >= m_data.size())
        return 0;
    return uint16_t((uchar(m_data[at]) << 8) | uchar(m_data[at + 1]));
}

void TChunktRNS::setPaletteAlpha(const std::array<uint8_t, 256> &alpha, int count)
{
    count = std::clamp(count, 0, 256);
    setData(QByteArray(reinterpret_cast<const char *>(alpha.data()), count));
}

void TChunktRNS::setColorKey(const QByteArray &data)
{
    setData(data);
}

void TChunktRNS::saveToStream(QIODevice &stream) const
{
    const TChunkIHDR *header = m_header;
    if (!header || header->colorType() == 3 || header->bitDepth() == header->writtenBitDepth()) {
        TChunk::saveToStream(stream);
        return;
    }
    QByteArray d = m_data;
    for (int i = 0; i + 1 < d.size(); i += 2) {
        uint16_t v = uint16_t((uchar(d[i]) << 8) | uchar(d[i + 1]));
        v = header->bitDepth() == 16 ? uint16_t(v >> 8) : uint16_t(v * 5); // 16 -> 8, 2 -> 4
        d[i] = char(v >> 8);
        d[i + 1] = char(v);
    }
    writeChunk(stream, name(), d);
}

// ---- IDAT, IEND

TChunkIDAT::TChunkIDAT() : TChunk(QByteArrayLiteral("IDAT")) {}

TChunkIEND::TChunkIEND() : TChunk(QByteArrayLiteral("IEND")) {}
