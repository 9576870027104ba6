#pragma once

// Overview pictures for looking at the artwork: each picture as it will be seen, together.

#include <QImage>
#include <QList>

namespace ContactSheet {

// The page background with the logo, the headings and the two icons where the program shows
// them, plus the icons enlarged.
QImage resources();
// Thumbnails of 125 x 125 in rows of six, numbered from 1, on white or on a checkerboard.
QImage thumbnails(const QList<QImage> &pictures, bool checkerboard);
// Every close button at its own size and at twice it, on light, dark and checkered ground.
QImage closeButtons(const QList<QImage> &buttons);

} // namespace ContactSheet
