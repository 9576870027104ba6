#pragma once

// The designer page driven by the keyboard alone, for walks that make a design without the
// mouse. Every key goes to the widget that has the keyboard focus, as a keyboard's keys do, and
// the Alt letters are read from the controls' own texts, so the walk works in every language.

#include "app/MainWindow.h"
#include "controls/PaintBox.h"
#include "designer/DesignModel.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

namespace DesignerKeys {

// Presses key with modifiers on the widget that has the keyboard focus (the active window when
// no widget has it). Returns false when no window of the program is active.
inline bool Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target) {
        qWarning("no window of the program has the keyboard");
        return false;
    }
    QTest::keyClick(target, key, modifiers);
    return true;
}

// Presses the Alt letter that a control's text shows (its "&" letter).
inline bool PressMnemonicOf(const QString &text)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    if (mnemonic.isEmpty()) {
        qWarning("\"%s\" has no Alt letter", qPrintable(text));
        return false;
    }
    const QKeyCombination combination = mnemonic[0];
    return Press(combination.key(), combination.keyboardModifiers());
}

// Presses Tab (or Shift+Tab) until widget has the focus; false when it never gets it.
inline bool TabTo(QWidget *widget, bool backwards = false, int most = 60)
{
    for (int i = 0; i < most && QApplication::focusWidget() != widget; ++i)
        if (!Press(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier))
            return false;
    return QApplication::focusWidget() == widget;
}

// With the designer page shown: adds a text object (the page's add button by its Alt letter),
// types text into it (its label's Alt letter, select all, the keys of text; "\n" is Enter),
// goes back to the canvas with Shift+Tab and moves the object by dx, dy pixels with the arrow
// keys (tens with Shift). Returns false, with a warning saying which step failed, when a key
// did not do what it should.
inline bool AddTextByKeys(TMainForm &form, const QString &text, int dx, int dy)
{
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        qWarning("the window did not become active");
        return false;
    }
    auto *add = form.findChild<QPushButton *>(QStringLiteral("AddText"));
    auto *textLabel = form.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *canvas = form.findChild<TPaintBox *>(QStringLiteral("PaintBox1"));
    if (!add || !textLabel || !canvas || !textLabel->buddy()) {
        qWarning("the designer page's controls are missing");
        return false;
    }
    TDesignModel &model = form.Designer->Model();
    const size_t objects = model.DesignObjects.size();
    // A button's Alt letter clicks it after a moment, as it shows the press.
    if (!PressMnemonicOf(add->text()) ||
        !QTest::qWaitFor([&] { return model.DesignObjects.size() == objects + 1; }, 2000)) {
        qWarning("the add button's Alt letter added no text");
        return false;
    }
    TMovingObject *object = form.Designer->CurrentObject();
    if (!object || object != model.DesignObjects.back().get()) {
        qWarning("the new text is not the selected object");
        return false;
    }
    if (!PressMnemonicOf(textLabel->text()) || QApplication::focusWidget() != textLabel->buddy()) {
        qWarning("the text label's Alt letter did not reach the text box");
        return false;
    }
    Press(Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            Press(Qt::Key_Return);
        else
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
    if (object->Lines != text.split(QLatin1Char('\n'))) {
        qWarning("the typed text did not reach the object");
        return false;
    }
    if (!TabTo(canvas, true)) {
        qWarning("Shift+Tab did not lead back to the canvas");
        return false;
    }
    const int x = object->X;
    const int y = object->Y;
    const auto move = [](int by, Qt::Key less, Qt::Key more) {
        const Qt::Key key = by < 0 ? less : more;
        for (int i = 0; i < std::abs(by) / 10; ++i)
            Press(key, Qt::ShiftModifier);
        for (int i = 0; i < std::abs(by) % 10; ++i)
            Press(key);
    };
    move(dx, Qt::Key_Left, Qt::Key_Right);
    move(dy, Qt::Key_Up, Qt::Key_Down);
    if (object->X != x + dx || object->Y != y + dy) {
        qWarning("the arrow keys did not move the text by %d, %d", dx, dy);
        return false;
    }
    return true;
}

} // namespace DesignerKeys
