#pragma once

#include <vector>

#include <QWidget>

#include "CellFace.h"

namespace tavrelin::ui {

// The grid of cells, painted by one widget: each cell is a label with a 1-pixel black border, its
// background colour, and its caption at its top. A press and release on one cell is a
// click on it. A double-click on a cell is one click; a quick second click on another cell is a
// click of its own.
class CellGrid : public QWidget {
    Q_OBJECT

public:
    // Captions stand across their cells as the alignment says, always at the top.
    CellGrid(Qt::Alignment alignment, QWidget* parent);

    // Lays the cells out at these places, given on the parent, every cell white and empty; the grid
    // covers them all.
    void SetCells(const std::vector<QRect>& places);
    // Shows a new face on one cell, repainting only that cell and telling a screen reader its new name.
    void SetFace(int Index, const CellFace& face);
    // A click on the cell, from a screen reader's press as from the mouse.
    void Click(int Index);

    int CellCount() const { return static_cast<int>(places_.size()); }
    const CellFace& Face(int Index) const { return faces_[Index]; }
    // Where the cell stands on the grid.
    QRect CellRect(int Index) const { return places_[Index]; }
    // The cell under a point of the grid, or NO_CELL.
    int CellAt(QPoint point) const;

    static constexpr int NO_CELL = -1;

signals:
    void clicked(int Index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::Alignment alignment_;
    std::vector<QRect> places_;
    std::vector<CellFace> faces_;
    // The cell the left button went down on; a click needs the button to come up over it again.
    int pressed_ = NO_CELL;
    // The cell the last release clicked, whose double-click is no second click.
    int clicked_ = NO_CELL;
};

}  // namespace tavrelin::ui
