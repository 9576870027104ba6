#pragma once

// The grid of the template chooser: a list view over a fixed number of columns, fixed-size cells
// with 1-pixel grid lines, a vertical scroll bar only. Its owner draws every cell (the view's
// delegate hands the painting on) and may refuse a cell before it becomes current, by mouse or
// by key. The arrow keys, Page Up/Down, Home and End move the current cell; Enter and Delete are
// handed to the owner. Each cell's accessible name comes from the owner too.

#include <QAbstractListModel>
#include <QListView>
#include <QRect>

#include <functional>

class QPainter;

class TTemplateGrid : public QListView {
    Q_OBJECT
public:
    using DrawCellHandler =
        std::function<void(QPainter &, int column, int row, const QRect &cell, bool selected)>;
    using SelectCellHandler = std::function<bool(int column, int row)>;
    using CellNameHandler = std::function<QString(int column, int row)>;

    TTemplateGrid(QWidget *parent, const QString &objectName, int columns, int cellSize);
    ~TTemplateGrid() override;

    DrawCellHandler onDrawCell;
    // Asked before a cell becomes current by a click or a key; false refuses it.
    SelectCellHandler onSelectCell;
    // What a screen reader says for a cell: which picture it is and what kind.
    CellNameHandler onCellName;
    // Enter (or Return) on the current cell.
    std::function<void()> onActivate;
    // Delete on the current cell.
    std::function<void()> onDelete;

    int columnCount() const noexcept { return m_columns; }
    int rowCount() const noexcept { return m_rows; }
    void setRowCount(int rows);
    int currentColumn() const noexcept { return m_column; }
    int currentRow() const noexcept { return m_row; }
    // Moves the current cell without asking onSelectCell and scrolls it into view.
    void setCurrentCell(int column, int row);
    // The cell rectangle in viewport coordinates.
    QRect cellRect(int column, int row) const;
    // The cell under a viewport point, or false on a grid line or past the last cell.
    bool cellAt(const QPoint &point, int *column, int *row) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class TCells;
    class TCellDelegate;

    void scrollToCurrent();
    // Tries to make a cell current as the user asked; returns whether it moved.
    bool userSelect(int column, int row);
    void drawCell(QPainter &painter, const QRect &pitchRect, int cell) const;

    TCells *m_cells;
    int m_columns;
    int m_cellSize;
    int m_rows = 1;
    int m_column = 0;
    int m_row = 0;
};

// The cell of a picture that is kept in the base but cannot be shown: drawn, never decoded, so
// it looks the same whatever is wrong with the bytes. entry is its number in the container.
void PaintDamagedCell(QPainter &painter, const QRect &cell, int entry);
