#pragma once

// How a picture of the base becomes something the popup can be built on: the template path
// that Load... tries before storing a picture and that the composition runs on the chosen one,
// and the alpha that close-button pictures are given when they are read.

#include "imaging/Bitmap32.h"

class TPNGObject;

// A copy of source whose sides are at least 2 pixels, its last column and row repeated; the
// resampler needs two pixels to work between on each axis.
Bitmap32 PadToResamplable(const Bitmap32 &source);

// The picture converted with its alpha and resampled into out as a side x side square; its
// proportions are not kept. Pictures of 1 pixel in either direction are padded first.
void RenderTemplatePicture(const TPNGObject &picture, int side, Bitmap32 &out);

// Gives a close-button picture an alpha plane that holds the transparency the picture shows:
// a palette's transparency table and a transparent colour become per-pixel alpha, so they stay
// transparent wherever the button is drawn. A picture without transparency becomes opaque with
// alpha, one with an alpha plane is left as it is.
void CreateShownAlpha(TPNGObject &picture);

// Converts every row of the picture as the template path does, raising the codec's error for
// a picture that decodes but cannot be drawn (a palette index past the palette).
void CheckConvertible(const TPNGObject &picture);
