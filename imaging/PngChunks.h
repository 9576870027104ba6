#pragma once

// The chunk classes of a PNG picture. Every chunk keeps its name and data bytes; the typed
// chunks also parse their data. Image data itself lives in the picture object, so TChunkIDAT
// carries no bytes of its own: it marks where the picture writes its pixels.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

class QIODevice;

class TChunk {
public:
    explicit TChunk(const QByteArray &name);
    virtual ~TChunk();
    TChunk(const TChunk &) = delete;
    TChunk &operator=(const TChunk &) = delete;

    // The four-letter chunk name, e.g. "IHDR".
    const QByteArray &name() const noexcept { return m_name; }
    const QByteArray &data() const noexcept { return m_data; }

    // Reads length data bytes and the CRC after them (the length and name are already read);
    // a mismatching CRC raises EPngInvalidCRC.
    virtual void loadFromStream(QIODevice &stream, uint32_t length);
    // Writes length, name, data and CRC.
    virtual void saveToStream(QIODevice &stream) const;

    // Replaces the data bytes and parses them like a loaded chunk.
    void setData(const QByteArray &data);

    // Largest data length accepted for chunks that keep their bytes in memory.
    static constexpr uint32_t kMaxDataLength = 8u * 1024 * 1024;
    // Chunk data is read, and image data compressed, in blocks of at most this many bytes.
    static constexpr uint32_t kBlockSize = 65535;

protected:
    // Checks and interprets m_data after it was loaded or set.
    virtual void parse() {}
    static void writeChunk(QIODevice &stream, const QByteArray &name, const QByteArray &data);

    QByteArray m_data;

private:
    QByteArray m_name;
};

class TChunkIHDR : public TChunk {
public:
    TChunkIHDR();
    int width() const noexcept { return m_width; }
    int height() const noexcept { return m_height; }
    int bitDepth() const noexcept { return m_bitDepth; }
    int colorType() const noexcept { return m_colorType; }
    int compressionMethod() const noexcept { return m_compressionMethod; }
    int filterMethod() const noexcept { return m_filterMethod; }
    int interlaceMethod() const noexcept { return m_interlaceMethod; }
    void set(int width, int height, int bitDepth, int colorType, int interlaceMethod = 0);
    // Bytes of one stored sample group: channels x depth bits, at least one byte.
    int bitsPerPixel() const noexcept;
    // The depth the encoder writes: the stored depth, 2 as 4 and 16 as 8.
    int writtenBitDepth() const noexcept;
    void saveToStream(QIODevice &stream) const override;

protected:
    void parse() override;

private:
    uint32_t m_width = 0, m_height = 0;
    int m_bitDepth = 0, m_colorType = 0, m_compressionMethod = 0, m_filterMethod = 0;
    int m_interlaceMethod = 0;
};

class TChunkPLTE : public TChunk {
public:
    TChunkPLTE();
    int count() const noexcept { return static_cast<int>(m_data.size() / 3); }
    // Entry i as written in the file, 0x00BBGGRR, before any gamma correction.
    uint32_t entry(int i) const noexcept;

protected:
    void parse() override;
};

class TChunkgAMA : public TChunk {
public:
    TChunkgAMA();
    // The gamma value times 100000 (45455 for 1/2.2); 0 when the chunk is too short.
    uint32_t gamma() const noexcept;
};

class TChunktRNS : public TChunk {
public:
    // header is the picture's IHDR, which tells how the data reads; it must outlive the chunk.
    explicit TChunktRNS(const TChunkIHDR *header);
    // One alpha per palette entry; entries the chunk does not give are 255.
    const std::array<uint8_t, 256> &paletteAlpha() const noexcept { return m_alpha; }
    // Set for grey and RGB pictures, and for palette pictures when any given value is not 255.
    bool colorKeyMode() const noexcept { return m_colorKey; }
    // Grey key (one value) or red, green, blue key (three values) at the file's bit depth.
    uint16_t keySample(int channel) const noexcept;
    // Palette alphas: the first count values become the chunk's data.
    void setPaletteAlpha(const std::array<uint8_t, 256> &alpha, int count);
    void setColorKey(const QByteArray &data);
    // Grey and RGB keys are rescaled to the depth the encoder writes.
    void saveToStream(QIODevice &stream) const override;

protected:
    void parse() override;

private:
    const TChunkIHDR *m_header;
    std::array<uint8_t, 256> m_alpha{};
    bool m_colorKey = false;
};

class TChunkIDAT : public TChunk {
public:
    TChunkIDAT();
};

class TChunkIEND : public TChunk {
public:
    TChunkIEND();
};
