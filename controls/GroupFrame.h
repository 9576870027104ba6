#pragma once

// The painted frame of a group panel: a rounded rectangle with a caption tab on its top-left,
// drawn behind the panel's controls.

#include <QColor>
#include <QString>

class QPainter;
class TPanel;

// Colour of the group panel itself, seen around the frame's rounded corners and beside its tab.
inline const QColor GroupPanelColor(225, 225, 225);

// Draws the frame for a paint area of width x height with the panel's caption.
void PaintGroupFrame(QPainter &painter, int width, int height, const QString &caption,
                     const QColor &fillColor);

// Puts a frame-painting area behind the panel's controls, recolours the panel, makes its labels
// transparent and gives its check boxes, radio buttons and panels the fill colour.
void StyleGroupPanel(TPanel *panel, const QColor &fillColor);
