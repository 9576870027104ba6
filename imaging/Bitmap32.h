#pragma once

#include <QImage>

#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// The program's one 32-bit picture type: pixels are the little-endian value 0xAARRGGBB
// (bytes blue, green, red, alpha in memory), not premultiplied, rows top to bottom without
// padding. asQImage() is a Format_ARGB32 view of the same memory, the bridge to QPainter.
class Bitmap32 {
public:
    Bitmap32() = default;
    Bitmap32(int width, int height) { setSize(width, height); }

    // Resizes to width x height; every pixel becomes 0 (transparent black).
    void setSize(int width, int height);
    // Resizes to width x height leaving the pixels unset, for a caller that writes every one.
    void setSizeForOverwrite(int width, int height);
    int width() const noexcept { return m_width; }
    int height() const noexcept { return m_height; }
    bool isEmpty() const noexcept { return m_width <= 0 || m_height <= 0; }

    uint32_t *row(int y) noexcept { return m_pixels.data() + static_cast<size_t>(y) * m_width; }
    const uint32_t *row(int y) const noexcept
    {
        return m_pixels.data() + static_cast<size_t>(y) * m_width;
    }
    uint32_t pixel(int x, int y) const noexcept { return row(y)[x]; }
    void setPixel(int x, int y, uint32_t value) noexcept { row(y)[x] = value; }
    void fill(uint32_t value);

    // Views that share this bitmap's memory; valid until the next setSize().
    QImage asQImage();
    const QImage asQImage() const;
    // A deep copy of an image in any format, converted to ARGB32 (not premultiplied).
    static Bitmap32 fromQImage(const QImage &image);

    bool operator==(const Bitmap32 &other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    // Grows without clearing; setSize clears on its own.
    template <typename T> struct Uncleared : std::allocator<T> {
        template <typename U> struct rebind {
            using other = Uncleared<U>;
        };
        Uncleared() = default;
        template <typename U> Uncleared(const Uncleared<U> &) noexcept {}
        template <typename U> void construct(U *p) noexcept { ::new (static_cast<void *>(p)) U; }
        template <typename U, typename... Args> void construct(U *p, Args &&...args)
        {
            ::new (static_cast<void *>(p)) U(std::forward<Args>(args)...);
        }
    };
    std::vector<uint32_t, Uncleared<uint32_t>> m_pixels;
};
