#pragma once

// The designer's objects as plain data: the ordered objects (entry 0 is the close-button
// object) with the rules that act on them. The selection and a drag in progress are a view's:
// TDesignSelection, kept by the designer page.

#include "designer/MovingObject.h"

#include <QString>

#include <memory>
#include <vector>

class TDesignModel {
public:
    TDesignModel();
    ~TDesignModel();
    TDesignModel(const TDesignModel &) = delete;
    TDesignModel &operator=(const TDesignModel &) = delete;

    // List order is drawing order (first drawn lowest) and hit-test priority (last wins).
    std::vector<std::unique_ptr<TMovingObject>> DesignObjects;

    // Start-up: the close-button object (picture object, X = 500 - 2 x default X) becomes
    // entry 0. Replaces any earlier list.
    void CreateCloseButtonObject(int documentSize);
    // Entry 0, or null before start-up.
    TMovingObject *CloseButtonObject() const;

    // A new text object at the first default position that no object blocks (an object
    // blocks when both |dx| < 10 and |dy| < 10; each step moves by 20 on both axes), appended.
    // The caller then fills it from the controls and selects it.
    TMovingObject &AppendTextObject(int documentSize);
    // Removes and destroys a text object; the close-button object is never removed.
    void RemoveObject(TMovingObject *object);
    bool Contains(const TMovingObject *object) const;
    // The object's place in the list, or -1.
    int IndexOf(const TMovingObject *object) const;
    // The object at index, or null when there is none there.
    TMovingObject *At(int index) const;
};

// The index of the last of the bounds (list order, so the object drawn on top) that contain
// (x, y), or -1.
int HitTest(const std::vector<TRect> &bounds, int x, int y);

// A view's selection, by place in the model's list, and the drag that may be under way.
struct TDesignSelection {
    // -1: nothing selected.
    int Index = -1;
    int DragOffsetX = 0;
    int DragOffsetY = 0;

    // Mouse-down (any button) at (x, y) on a view whose objects cover bounds (list order):
    // returns the index of the object to select (or -1) and stores the drag offsets when one
    // is hit. The caller runs the selection itself.
    int MouseDown(const TDesignModel &model, const std::vector<TRect> &bounds, int x, int y);
    // Mouse-move: moves the selected object by the stored offsets when the left button is
    // held; returns whether anything moved (then the design needs a redraw).
    bool MouseMove(TDesignModel &model, bool leftButtonHeld, int x, int y) const;
};

// The four direction buttons by tag: 1 up, 2 down, 3 left, 4 right, 8 pixels a step, no
// clamping. Other tags change nothing.
void MoveObjectByTag(TMovingObject &object, int tag);

// Folds an angle into -179..180.
int NormaliseAngle(int degrees);

// Close-button scale: one press of "+" or "-" adds or subtracts 0.1 in binary floating point.
double StepButtonScale(double scale, bool increase);
bool CanIncreaseButtonScale(double scale);
// Strictly above 0.2 held at higher than double precision, so the double nearest 0.2 counts.
bool CanDecreaseButtonScale(double scale);
// "Scale (1.1)", "Scale (2)": up to 15 significant digits, no trailing zeros.
QString ButtonScaleLabel(double scale);
