#pragma once

// The pictures compiled into the program: the page background, the logo, the two headings
// and the icons of the Load..., Remove and Keep buttons.

#include <QImage>
#include <QString>

namespace ResourceArt {

// Each is drawn at its size in the window times scale: 1 for ordinary screens, 2 for the
// high-density versions the program uses on screens scaled above 1.
QImage background(qreal scale = 1);   // 800 x 600, opaque
QImage logo(qreal scale = 1);         // 200 x 48
QImage previewText(qreal scale = 1);  // 190 x 40
QImage moreText(qreal scale = 1);     // 460 x 40
QImage loadButton(qreal scale = 1);   // 24 x 24
QImage removeButton(qreal scale = 1); // 24 x 24
QImage keepButton(qreal scale = 1);   // 24 x 24
// The desktop icon, size x size.
QImage appIcon(int size);

// Writes BG.jpg and the PNGs into folder, and their @2x versions.
void writeAll(const QString &folder);
// Writes the desktop icon at the usual sizes into hicolor/NxN/apps/name.png.
void writeIcons(const QString &hicolor, const QString &name);

} // namespace ResourceArt
