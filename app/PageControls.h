#pragma once

// Small makers of the controls that pages 3 to 5 place by hand: each control gets its object
// name and its place in its parent.

#include "controls/Panel.h"
#include "document/DesignHistory.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <initializer_list>

namespace PageControls {

template <class W> W *Place(W *widget, const QString &name, int x, int y, int w, int h)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

inline QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y,
                         int w)
{
    return Place(new QLabel(text, parent), name, x, y, w, 18);
}

inline QRadioButton *MakeRadio(QWidget *parent, const QString &name, const QString &text, int x,
                               int y, int w, bool checked)
{
    auto *radio = Place(new QRadioButton(text, parent), name, x, y, w, 20);
    radio->setChecked(checked);
    return radio;
}

inline QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, int x,
                               int y)
{
    return Place(new QPushButton(text, parent), name, x, y, 75, 23);
}

inline TPanel *MakeGroup(QWidget *page, const QString &name, const QString &caption, int x, int y,
                         int w, int h)
{
    auto *group = new TPanel(page, name, caption);
    group->setGeometry(x, y, w, h);
    return group;
}

inline QLabel *GreyLabel(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    QLabel *label = MakeLabel(parent, name, text, x, y, 660);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 128, 128));
    label->setPalette(palette);
    return label;
}

// Tab goes through controls in this order, from the place of the first.
inline void SetReadingOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace PageControls

// Records an edit of a page's settings made since before as one undoable step. Keystrokes go to
// the box with the focus and join the step before them in the same box; a button or a choice is
// a step of its own.
inline void RecordSettingsStep(TDesignHistory &history, const TDesignState &before,
                               const QWidget &page)
{
    const QWidget *focus = QApplication::focusWidget();
    const bool typing =
        focus &&
        (qobject_cast<const QLineEdit *>(focus) || qobject_cast<const QAbstractSpinBox *>(focus)) &&
        page.isAncestorOf(focus);
    const int box = typing ? static_cast<int>(qHash(focus->objectName()) & 0x7FFFFFFF) : -1;
    history.Record(QCoreApplication::translate("PageControls", "Settings"), before,
                   typing ? TChangeKind::Field : TChangeKind::Other, box);
}
