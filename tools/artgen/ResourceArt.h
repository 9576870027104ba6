#pragma once

// The pictures compiled into the program: the page background, the logo, the two headings
// and the icons of the Load... and Remove buttons.

#include <QImage>
#include <QString>

namespace ResourceArt {

QImage background();   // 800 x 600, opaque
QImage logo();         // 200 x 48
QImage previewText();  // 190 x 40
QImage moreText();     // 460 x 40
QImage loadButton();   // 24 x 24
QImage removeButton(); // 24 x 24

// Writes BG.jpg and the PNGs into folder.
void writeAll(const QString &folder);

} // namespace ResourceArt
