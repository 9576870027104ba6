#pragma once

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <functional>

// A paint area whose painting and mouse handling are given by its owner: the page that places it
// says what it shows and what a click on it does.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using PaintHandler = std::function<void(QPainter &)>;
    using MouseHandler = std::function<void(QMouseEvent &)>;

    explicit TPaintBox(QWidget *parent, const QString &objectName) : QWidget(parent)
    {
        setObjectName(objectName);
    }

    PaintHandler onPaint;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!onPaint)
            return;
        QPainter painter(this);
        onPaint(painter);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (onMouseDown)
            onMouseDown(*event);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (onMouseMove)
            onMouseMove(*event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (onMouseUp)
            onMouseUp(*event);
        if (onClick && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint()))
            onClick();
    }
};
