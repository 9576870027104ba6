#include "designer/DesignModel.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cstdlib>

TDesignModel::TDesignModel() = default;
TDesignModel::~TDesignModel() = default;

void TDesignModel::CreateCloseButtonObject(int documentSize)
{
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
    DesignObjects.push_back(std::move(object));
    return *DesignObjects.back();
}

void TDesignModel::RemoveObject(TMovingObject *object)
{
    if (!object || object == CloseButtonObject())
        return;
    const auto it = std::find_if(DesignObjects.begin(), DesignObjects.end(),
                                 [&](const auto &entry) { return entry.get() == object; });
    if (it == DesignObjects.end())
        return;
    DesignObjects.erase(it);
}

bool TDesignModel::Contains(const TMovingObject *object) const
{
    return std::any_of(DesignObjects.begin(), DesignObjects.end(),
                       [&](const auto &entry) { return entry.get() == object; });
}

int TDesignModel::IndexOf(const TMovingObject *object) const
{
    for (size_t i = 0; i < DesignObjects.size(); ++i)
        if (DesignObjects[i].get() == object)
            return static_cast<int>(i);
    return -1;
}

TMovingObject *TDesignModel::At(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < DesignObjects.size()
               ? DesignObjects[static_cast<size_t>(index)].get()
               : nullptr;
}

int HitTest(const std::vector<TRect> &bounds, int x, int y)
{
    int hit = -1;
    for (size_t i = 0; i < bounds.size(); ++i)
        if (bounds[i].Contains(x, y))
            hit = static_cast<int>(i);
    return hit;
}

int TDesignSelection::MouseDown(const TDesignModel &model, const std::vector<TRect> &bounds, int x,
                                int y)
{
    const int hit = HitTest(bounds, x, y);
    if (const TMovingObject *object = model.At(hit)) {
        DragOffsetX = x - object->X;
        DragOffsetY = y - object->Y;
        return hit;
    }
    return -1;
}

bool TDesignSelection::MouseMove(TDesignModel &model, bool leftButtonHeld, int x, int y) const
{
    TMovingObject *object = model.At(Index);
    if (!leftButtonHeld || !object)
        return false;
    object->X = x - DragOffsetX;
    object->Y = y - DragOffsetY;
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
    return QCoreApplication::translate("TDesignModel", "Scale (%1)")
        .arg(QLocale().toString(scale, 'g', 15));
}
