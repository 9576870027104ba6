#pragma once

// Pictures painted at the screen's density. The program carries each piece of artwork twice:
// at its size in the window and at twice that size. A screen at ratio 1 gets the first as it
// is; any other ratio gets the larger one, resampled to the ratio when it is not exactly 2.

#include <QImage>
#include <QString>

// The picture to paint where normal would be painted, at dpr device pixels per logical pixel.
// The result carries dpr as its device pixel ratio, so it paints at normal's logical size.
// Without twice, normal itself is resampled.
QImage PictureForScreen(const QImage &normal, const QImage &twice, qreal dpr);

// The size in device pixels of size logical pixels at dpr, rounded.
QSize DeviceSize(QSize size, qreal dpr);

// A picture of the resources (the PNG at twice its size), decoded by the program's codec.
QImage TwiceImage(const QString &resource);
