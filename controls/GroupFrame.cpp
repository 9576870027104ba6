#include "controls/GroupFrame.h"

#include "controls/PaintBox.h"
#include "controls/Panel.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPolygon>
#include <QRadioButton>

namespace {

QFont captionFont()
{
    // 9 points at 96 dots per inch, whatever the screen reports, so the tab keeps its size.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

void fillBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    // Buttons fill with the Button role by default; the group's colour is a window colour.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

// Keeps the frame area as large as its panel when the panel is resized later.
class TFillParent : public QObject {
public:
    TFillParent(QWidget *child) : QObject(child), m_child(child)
    {
        child->parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched == m_child->parentWidget())
            m_child->setGeometry(m_child->parentWidget()->rect());
        return false;
    }

private:
    QWidget *m_child;
};

} // namespace

void PaintGroupFrame(QPainter &painter, int width, int height, const QString &caption,
                     const QColor &fillColor)
{
    const QFont font = captionFont();
    const QFontMetrics metrics(font);
    const int tw = metrics.horizontalAdvance(caption);
    const int th = metrics.height();
    const QColor lineColor(128, 128, 128);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Corner square: framed, then filled below, so the frame's top-left corner reads square.
    const QRect corner(1, th + 7, 19, 19);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fillColor);
    painter.drawRect(corner);

    painter.setPen(lineColor);
    painter.setBrush(fillColor);
    painter.drawRoundedRect(QRect(0, th + 6, width - 1, height - th - 7), 5, 5);

    painter.setPen(Qt::NoPen);
    painter.drawRect(corner);

    painter.setPen(lineColor);
    const QPolygon tab(
        {QPoint(0, th + 6), QPoint(0, 0), QPoint(tw + 29 - th, 0), QPoint(tw + 35, th + 6)});
    painter.drawPolygon(tab);

    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(10, 3 + metrics.ascent()), caption);
    painter.restore();
}

void StyleGroupPanel(TPanel *panel, const QColor &fillColor)
{
    const QObjectList children = panel->children();
    auto *frame = new TPaintBox(panel, panel->objectName() + QStringLiteral("Frame"));
    frame->setGeometry(panel->rect());
    frame->lower();
    frame->onPaint = [frame, panel, fillColor](QPainter &painter) {
        PaintGroupFrame(painter, frame->width(), frame->height(), panel->caption(), fillColor);
    };
    new TFillParent(frame);
    frame->show();

    panel->setFrameShape(QFrame::NoFrame);
    fillBackground(panel, GroupPanelColor);

    for (QObject *child : children) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setAutoFillBackground(false);
        } else if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget) ||
                   qobject_cast<TPanel *>(widget)) {
            fillBackground(widget, fillColor);
        }
    }
}
