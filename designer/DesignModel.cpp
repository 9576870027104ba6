#include "designer/DesignModel.h"

#include <QLocale>

#include <algorithm>
#include <cstdlib>

TDesignModel::TDesignModel() = default;
TDesignModel::~TDesignModel() = default;

void TDesignModel::CreateCloseButtonObject(int documentSize)
{
    CurrentObject = nullptr;
    DesignObjects.clear();
    auto button = std::make_unique<TMovingObject>(documentSize);
    button->IsPicture = true;
    button->X = DesignSize - 2 * button->X;
    DesignObjects.push_back(std::move(button));
}

TMovingObject *TDesignModel::CloseButtonObject() const
{
    return DesignObjects.empty() ? nullptr : DesignObjects.front().get();
}

TMovingObject &TDesignModel::AppendTextObject(int documentSize)
{
    auto object = std::make_unique<TMovingObject>(documentSize);
    bool blocked = true;
    while (blocked) {
        blocked = std::any_of(DesignObjects.begin(), DesignObjects.end(), [&](const auto &other) {
            return std::abs(static_cast<long long>(other->X) - object->X) < 10 &&
                   std::abs(static_cast<long long>(other->Y) - object->Y) < 10;
        });
        if (blocked) {
            object->X += 20;
            object->Y += 20;
        }
    }
    CurrentObject = object.get();
    DesignObjects.push_back(std::move(object));
    return *CurrentObject;
}

void TDesignModel::RemoveObject(TMovingObject *object)
{
    if (!object || object == CloseButtonObject())
        return;
    const auto it = std::find_if(DesignObjects.begin(), DesignObjects.end(),
                                 [&](const auto &entry) { return entry.get() == object; });
    if (it == DesignObjects.end())
        return;
    if (CurrentObject == object)
        CurrentObject = nullptr;
    DesignObjects.erase(it);
}

bool TDesignModel::Contains(const TMovingObject *object) const
{
    return std::any_of(DesignObjects.begin(), DesignObjects.end(),
                       [&](const auto &entry) { return entry.get() == object; });
}

TMovingObject *TDesignModel::HitTest(int x, int y) const
{
    TMovingObject *hit = nullptr;
    for (const auto &object : DesignObjects)
        if (object->Bounds.Contains(x, y))
            hit = object.get();
    return hit;
}

TMovingObject *TDesignModel::MouseDown(int x, int y)
{
    TMovingObject *hit = HitTest(x, y);
    if (hit) {
        DragOffsetX = x - hit->X;
        DragOffsetY = y - hit->Y;
    }
    return hit;
}

bool TDesignModel::MouseMove(bool leftButtonHeld, int x, int y)
{
    if (!leftButtonHeld || !CurrentObject)
        return false;
    CurrentObject->X = x - DragOffsetX;
    CurrentObject->Y = y - DragOffsetY;
    return true;
}

void MoveObjectByTag(TMovingObject &object, int tag)
{
    switch (tag) {
    case 1:
        object.Y -= 8;
        break;
    case 2:
        object.Y += 8;
        break;
    case 3:
        object.X -= 8;
        break;
    case 4:
        object.X += 8;
        break;
    default:
        break;
    }
}

int NormaliseAngle(int degrees)
{
    // The box holds -360..360, but folding by remainder keeps any input in range in one step.
    int v = degrees % 360;
    if (v > 180)
        v -= 360;
    if (v <= -180)
        v += 360;
    return v;
}

double StepButtonScale(double scale, bool increase)
{
    return increase ? scale + 0.1 : scale - 0.1;
}

bool CanIncreaseButtonScale(double scale)
{
    return scale < 2.0;
}

bool CanDecreaseButtonScale(double scale)
{
    return static_cast<long double>(scale) > 0.2L;
}

QString ButtonScaleLabel(double scale)
{
    return QStringLiteral("Scale (") + QLocale().toString(scale, 'g', 15) + QLatin1Char(')');
}
