#pragma once

// The shipped close-button pictures: round, square and pill shapes from 16 to 48 pixels.

#include <QImage>
#include <QList>

namespace CloseButtonArt {

QList<QImage> all();

} // namespace CloseButtonArt
