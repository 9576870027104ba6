#include "controls/TemplateGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

TTemplateGrid::TTemplateGrid(QWidget *parent, const QString &objectName, int columns, int cellSize)
    : QAbstractScrollArea(parent), m_columns(columns), m_cellSize(cellSize)
{
    setObjectName(objectName);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep((cellSize + 1) / 3);
    updateScrollRange();
}

void TTemplateGrid::setRowCount(int rows)
{
    m_rows = std::max(rows, 1);
    m_row = std::min(m_row, m_rows - 1);
    updateScrollRange();
    viewport()->update();
}

void TTemplateGrid::setCurrentCell(int column, int row)
{
    m_column = std::clamp(column, 0, m_columns - 1);
    m_row = std::clamp(row, 0, m_rows - 1);
    scrollToCurrent();
    viewport()->update();
}

QRect TTemplateGrid::cellRect(int column, int row) const
{
    const int pitch = m_cellSize + 1;
    return QRect(column * pitch, row * pitch - verticalScrollBar()->value(), m_cellSize,
                 m_cellSize);
}

bool TTemplateGrid::cellAt(const QPoint &point, int *column, int *row) const
{
    const int pitch = m_cellSize + 1;
    const int y = point.y() + verticalScrollBar()->value();
    if (point.x() < 0 || y < 0)
        return false;
    const int c = point.x() / pitch;
    const int r = y / pitch;
    if (c >= m_columns || r >= m_rows || point.x() % pitch == m_cellSize || y % pitch == m_cellSize)
        return false;
    *column = c;
    *row = r;
    return true;
}

void TTemplateGrid::updateScrollRange()
{
    const int pitch = m_cellSize + 1;
    const int total = m_rows * pitch;
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, total - viewport()->height()));
    bar->setPageStep(viewport()->height());
}

void TTemplateGrid::scrollToCurrent()
{
    const int pitch = m_cellSize + 1;
    const int top = m_row * pitch;
    QScrollBar *bar = verticalScrollBar();
    if (top < bar->value())
        bar->setValue(top);
    else if (top + m_cellSize > bar->value() + viewport()->height())
        bar->setValue(top + m_cellSize - viewport()->height());
}

void TTemplateGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TTemplateGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    painter.fillRect(dirty, palette().color(QPalette::Base));
    const int pitch = m_cellSize + 1;
    const int offset = verticalScrollBar()->value();
    const int firstRow = std::max(0, (dirty.top() + offset) / pitch);
    const int lastRow = std::min(m_rows - 1, (dirty.bottom() + offset) / pitch);
    const QColor lineColor = palette().color(QPalette::Button);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            const QRect cell = cellRect(column, row);
            if (!cell.intersects(dirty))
                continue;
            if (onDrawCell)
                onDrawCell(painter, column, row, cell, column == m_column && row == m_row);
            painter.fillRect(QRect(cell.right() + 1, cell.top(), 1, pitch), lineColor);
            painter.fillRect(QRect(cell.left(), cell.bottom() + 1, pitch, 1), lineColor);
        }
    }
}

bool TTemplateGrid::userSelect(int column, int row)
{
    if (column == m_column && row == m_row)
        return false;
    if (onSelectCell && !onSelectCell(column, row))
        return false;
    setCurrentCell(column, row);
    return true;
}

void TTemplateGrid::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    int column = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint(), &column, &row))
        userSelect(column, row);
}

void TTemplateGrid::keyPressEvent(QKeyEvent *event)
{
    const int visibleRows = std::max(1, viewport()->height() / (m_cellSize + 1));
    int column = m_column;
    int row = m_row;
    switch (event->key()) {
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_PageUp:
        row -= visibleRows;
        break;
    case Qt::Key_PageDown:
        row += visibleRows;
        break;
    case Qt::Key_Home:
        column = 0;
        if (event->modifiers().testFlag(Qt::ControlModifier))
            row = 0;
        break;
    case Qt::Key_End:
        column = m_columns - 1;
        if (event->modifiers().testFlag(Qt::ControlModifier))
            row = m_rows - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    column = std::clamp(column, 0, m_columns - 1);
    row = std::clamp(row, 0, m_rows - 1);
    userSelect(column, row);
}

void PaintDamagedCell(QPainter &painter, const QRect &cell, int entry)
{
    painter.save();
    painter.setClipRect(cell);
    painter.fillRect(cell, QColor(246, 240, 240));
    painter.setRenderHint(QPainter::Antialiasing);

    // A picture frame torn by a jagged crack.
    const QRect frame(cell.left() + (cell.width() - 64) / 2, cell.top() + 18, 64, 48);
    painter.setPen(QPen(QColor(150, 150, 150), 2));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);
    const QPointF crack[] = {
        {frame.left() + 22.0, frame.top() - 2.0},    {frame.left() + 30.0, frame.top() + 14.0},
        {frame.left() + 22.0, frame.top() + 24.0},   {frame.left() + 36.0, frame.top() + 34.0},
        {frame.left() + 30.0, frame.bottom() + 2.0},
    };
    painter.setPen(QPen(QColor(192, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(crack, 5);
    painter.setRenderHint(QPainter::Antialiasing, false);

    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(128, 0, 0));
    const QRect text(cell.left(), frame.bottom() + 8, cell.width(), cell.bottom() - frame.bottom());
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Damaged picture\nentry %1").arg(entry));
    painter.restore();
}
