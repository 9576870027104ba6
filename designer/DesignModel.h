#pragma once

// The designer's state as plain data: the ordered objects (entry 0 is the close-button
// object), the selection and the drag offsets, with the rules that act on them. The page
// wires these to its controls; selecting through the page also refreshes controls and canvas.

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
    TMovingObject *CurrentObject = nullptr;
    int DragOffsetX = 0;
    int DragOffsetY = 0;

    // Start-up: the close-button object (picture object, X = 500 - 2 x default X) becomes
    // entry 0. Replaces any earlier list.
    void CreateCloseButtonObject(int documentSize);
    // Entry 0, or null before start-up.
    TMovingObject *CloseButtonObject() const;

    // A new text object at the first default position that no object blocks (an object
    // blocks when both |dx| < 10 and |dy| < 10; each step moves by 20 on both axes), appended
    // and made current. The caller then fills it from the controls and selects it.
    TMovingObject &AppendTextObject(int documentSize);
    // Removes and destroys a text object; the close-button object is never removed.
    void RemoveObject(TMovingObject *object);
    bool Contains(const TMovingObject *object) const;

    // The last object whose Bounds contain (x, y), or null.
    TMovingObject *HitTest(int x, int y) const;
    // Mouse-down (any button): returns the object to select (or null) and stores the drag
    // offsets when one is hit. The caller runs the selection itself.
    TMovingObject *MouseDown(int x, int y);
    // Mouse-move: moves the current object by the stored offsets when the left button is held;
    // returns whether anything moved (then the design needs a redraw).
    bool MouseMove(bool leftButtonHeld, int x, int y);
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
