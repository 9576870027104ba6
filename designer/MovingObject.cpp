#include "designer/MovingObject.h"

#include "imaging/PngObject.h"

TMovingObject::TMovingObject(int documentSize) : ScaledPicture(std::make_unique<TPNGObject>())
{
    X = DocumentOrigin(documentSize) + 50;
    Y = X;
}

TMovingObject::~TMovingObject() = default;
