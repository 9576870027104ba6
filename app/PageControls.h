#pragma once

// Small makers of the controls that pages 3 to 5 place by hand: each control gets its object
// name and its place in its parent.

#include "controls/Panel.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

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

} // namespace PageControls
