#include "designer/MovingObject.h"

TMovingObject::TMovingObject(int documentSize)
{
    X = DocumentOrigin(documentSize) + 50;
    Y = X;
}
