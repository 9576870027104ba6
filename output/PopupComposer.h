#pragma once

// The final popup picture: the template with the close button and the text objects drawn at
// their picture positions, and an alpha channel that keeps the template's transparency, makes
// every painted text pixel opaque and carries the close button's own transparency.

#include "imaging/Bitmap32.h"
#include "output/PixelRect.h"

#include <QString>

#include <vector>

class TDesignModel;
class TPNGObject;
struct TRect;

// The first and last rows and columns that hold more than 25 pixels with alpha above 128,
// inclusive; a side with none gives Left/Top = the size and Right/Bottom = -1.
TPixelRect FindClickArea(const Bitmap32 &image);

// Draws the design into TemplateBitmap, which RenderTemplate has just filled with the chosen
// template at documentSize, fixes its alpha and stores the result in OutputPicture. No object
// is drawn selected and the model is not changed. Returns the close button's bounds in the
// picture, the close area; bounds, when given, gets every object's bounds in the picture, in
// list order.
TPixelRect ComposePopupImage(Bitmap32 &TemplateBitmap, const TDesignModel &model, int documentSize,
                             TPNGObject &OutputPicture, std::vector<TRect> *bounds = nullptr);

// The close button's picture as the composition will draw it, in picture coordinates (Right
// and Bottom exclusive); an empty rectangle at its place for "No close button". Draws nothing.
TPixelRect CloseButtonRect(const TDesignModel &model, int documentSize);

// logo@2x.png: the same design at twice the size for dense screens. The texts and the close
// button are drawn at twice their size; the template (none: transparent) is resampled from its
// original picture when that has the pixels for the larger size, and is otherwise the one of
// logo.png with each pixel doubled. The model is not changed.
void ComposeSharpPopupImage(const TPNGObject *templatePicture, const TDesignModel &model,
                            int documentSize, TPNGObject &picture);

// The design's texts in reading order (top to bottom, then left to right), each text's lines
// joined by blanks and the texts joined as sentences: what a screen reader says for the popup.
QString DesignReadingText(const TDesignModel &model);
