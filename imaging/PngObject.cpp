#include "imaging/PngObject.h"

#include "imaging/PngPictureData.h"

void pngdata::Picture::clear()
{
    chunks.clear();
    paletteSlot = gammaSlot = SIZE_MAX;
    header = nullptr;
    transparency = nullptr;
    setGamma(0);
    colors.fill(0);
    colorCount = 0;
    maxIndex = -1;
    pixels.clear();
    alpha.clear();
    keyMask.clear();
    hasImage = false;
}

std::vector<std::unique_ptr<TChunk>>::iterator pngdata::Picture::findChunk(const char *name)
{
    ++chunkSearches;
    return std::find_if(chunks.begin(), chunks.end(),
                        [name](const auto &c) { return c->name() == name; });
}

void pngdata::Picture::setupPlanes()
{
    const int w = header->width(), h = header->height();
    pixels.reset(isRgb() ? size_t(w) * 4 : size_t(w), h);
    if (header->colorType() == 4)
        alpha.reset(size_t(w), h);
    else
        alpha.clear();
    keyMask.clear();
}

TPNGObject::TPNGObject() : m_impl(std::make_unique<pngdata::Picture>()) {}

TPNGObject::~TPNGObject() = default;

bool TPNGObject::isEmpty() const noexcept
{
    return !m_impl->header || !m_impl->hasImage;
}

int TPNGObject::width() const noexcept
{
    return isEmpty() ? 0 : m_impl->header->width();
}

int TPNGObject::height() const noexcept
{
    return isEmpty() ? 0 : m_impl->header->height();
}

int TPNGObject::colorType() const noexcept
{
    return m_impl->header ? m_impl->header->colorType() : 0;
}

int TPNGObject::bitDepth() const noexcept
{
    return m_impl->header ? m_impl->header->bitDepth() : 0;
}

int TPNGObject::interlaceMethod() const noexcept
{
    return m_impl->header ? m_impl->header->interlaceMethod() : 0;
}

TPNGTransparencyMode TPNGObject::transparencyMode() const noexcept
{
    if (!m_impl->header)
        return ptmNone;
    switch (m_impl->header->colorType()) {
    case 4:
    case 6:
        return ptmPartial;
    case 3:
        if (const TChunktRNS *t = m_impl->trns())
            return t->colorKeyMode() ? ptmBit : ptmPartial;
        return ptmNone;
    default:
        return m_impl->trns() ? ptmBit : ptmNone;
    }
}

size_t TPNGObject::chunkListSearches() const noexcept
{
    return m_impl->chunkSearches;
}

const std::vector<std::unique_ptr<TChunk>> &TPNGObject::chunks() const noexcept
{
    return m_impl->chunks;
}

TChunkIHDR *TPNGObject::header() noexcept
{
    return m_impl->header;
}

const TChunkIHDR *TPNGObject::header() const noexcept
{
    return m_impl->header;
}
