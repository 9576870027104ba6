#include "imaging/Bitmap32.h"

#include <algorithm>
#include <cstring>

void Bitmap32::setSize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign(static_cast<size_t>(m_width) * m_height, 0u);
}

void Bitmap32::setSizeForOverwrite(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    const size_t count = static_cast<size_t>(m_width) * m_height;
    // A picture that shrinks or grows is not kept: copying the old pixels would be wasted work.
    if (m_pixels.size() != count) {
        m_pixels.clear();
        m_pixels.shrink_to_fit();
        m_pixels.resize(count);
    }
}

void Bitmap32::fill(uint32_t value)
{
    std::fill(m_pixels.begin(), m_pixels.end(), value);
}

QImage Bitmap32::asQImage()
{
    if (isEmpty())
        return QImage();
    return QImage(reinterpret_cast<uchar *>(m_pixels.data()), m_width, m_height, m_width * 4,
                  QImage::Format_ARGB32);
}

const QImage Bitmap32::asQImage() const
{
    if (isEmpty())
        return QImage();
    return QImage(reinterpret_cast<const uchar *>(m_pixels.data()), m_width, m_height, m_width * 4,
                  QImage::Format_ARGB32);
}

Bitmap32 Bitmap32::fromQImage(const QImage &image)
{
    Bitmap32 result;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    result.setSize(argb.width(), argb.height());
    for (int y = 0; y < result.height(); ++y)
        std::memcpy(result.row(y), argb.constScanLine(y), static_cast<size_t>(result.width()) * 4);
    return result;
}
