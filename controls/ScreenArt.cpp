#include "controls/ScreenArt.h"

#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <cmath>

QSize DeviceSize(QSize size, qreal dpr)
{
    return QSize(static_cast<int>(std::lround(size.width() * dpr)),
                 static_cast<int>(std::lround(size.height() * dpr)));
}

QImage PictureForScreen(const QImage &normal, const QImage &twice, qreal dpr)
{
    if (dpr <= 1 || normal.isNull()) {
        QImage same = normal;
        same.setDevicePixelRatio(1);
        return same;
    }
    const QImage &source = twice.isNull() ? normal : twice;
    const QSize target = DeviceSize(normal.size(), dpr);
    QImage picture;
    if (source.size() == target) {
        picture = source;
    } else {
        // Premultiplied, so that the colour of transparent pixels cannot bleed into the edges.
        const bool alpha = source.hasAlphaChannel();
        picture =
            source
                .convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
                .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(dpr);
    return picture;
}

QImage TwiceImage(const QString &resource)
{
    TPNGObject picture;
    picture.loadFromResource(resource);
    Bitmap32 pixels;
    PngToBitmap32(picture, pixels);
    return pixels.asQImage().copy();
}
