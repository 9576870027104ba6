#include "controls/TemplateGrid.h"

#include <QAbstractItemDelegate>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

// The cells of the grid, row by row: every cell of every row, the empty ones after the last
// picture included, so that the view lays out and paints the whole grid.
class TTemplateGrid::TCells : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setCount(int count)
    {
        if (count == m_count)
            return;
        beginResetModel();
        m_count = count;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : m_count;
    }
    QVariant data(const QModelIndex &, int) const override { return QVariant(); }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
    }

private:
    int m_count = 0;
};

// Hands the painting of each cell to the grid's owner and draws the grid lines.
class TTemplateGrid::TCellDelegate : public QAbstractItemDelegate {
public:
    TCellDelegate(TTemplateGrid *grid, int pitch)
        : QAbstractItemDelegate(grid), m_grid(grid), m_pitch(pitch)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        m_grid->drawCell(*painter, option.rect, index.row());
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return QSize(m_pitch, m_pitch);
    }

private:
    TTemplateGrid *m_grid;
    int m_pitch;
};

TTemplateGrid::TTemplateGrid(QWidget *parent, const QString &objectName, int columns, int cellSize)
    : QListView(parent), m_cells(new TCells(this)), m_columns(columns), m_cellSize(cellSize)
{
    setObjectName(objectName);
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setMouseTracking(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new TCellDelegate(this, cellSize + 1));
    setModel(m_cells);
    m_cells->setCount(m_rows * m_columns);
    verticalScrollBar()->setSingleStep((cellSize + 1) / 3);
}

TTemplateGrid::~TTemplateGrid()
{
    // The delegate calls back into the grid; nothing is painted while it goes.
    setModel(nullptr);
}

void TTemplateGrid::setRowCount(int rows)
{
    m_rows = std::max(rows, 1);
    m_row = std::min(m_row, m_rows - 1);
    m_cells->setCount(m_rows * m_columns);
    doItemsLayout();
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
    const QRect pitch = visualRect(m_cells->index(row * m_columns + column));
    return QRect(pitch.topLeft(), QSize(m_cellSize, m_cellSize));
}

bool TTemplateGrid::cellAt(const QPoint &point, int *column, int *row) const
{
    const QModelIndex index = indexAt(point);
    if (!index.isValid())
        return false;
    const int c = index.row() % m_columns;
    const int r = index.row() / m_columns;
    if (!cellRect(c, r).contains(point))
        return false;
    *column = c;
    *row = r;
    return true;
}

void TTemplateGrid::scrollToCurrent()
{
    executeDelayedItemsLayout();
    const int pitch = m_cellSize + 1;
    const int top = m_row * pitch;
    QScrollBar *bar = verticalScrollBar();
    if (top < bar->value())
        bar->setValue(top);
    else if (top + m_cellSize > bar->value() + viewport()->height())
        bar->setValue(top + m_cellSize - viewport()->height());
}

void TTemplateGrid::drawCell(QPainter &painter, const QRect &pitchRect, int cell) const
{
    const int column = cell % m_columns;
    const int row = cell / m_columns;
    const QRect inner(pitchRect.topLeft(), QSize(m_cellSize, m_cellSize));
    if (onDrawCell)
        onDrawCell(painter, column, row, inner, column == m_column && row == m_row);
    const QColor lineColor = palette().color(QPalette::Button);
    const int pitch = m_cellSize + 1;
    painter.fillRect(QRect(inner.right() + 1, inner.top(), 1, pitch), lineColor);
    painter.fillRect(QRect(inner.left(), inner.bottom() + 1, pitch, 1), lineColor);
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

// The cells are chosen by a press alone: no dragging, no rubber band, no double-click action.
void TTemplateGrid::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
}

void TTemplateGrid::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}

void TTemplateGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->ignore();
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
        // Past the item view's own keys (its search, its selection), as a plain scroll area.
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
    painter.drawText(
        text, Qt::AlignHCenter | Qt::AlignTop,
        QCoreApplication::translate("TTemplateGrid", "Damaged picture\nentry %1").arg(entry));
    painter.restore();
}
