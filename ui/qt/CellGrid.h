#pragma once

#include <array>
#include <optional>

#include <QString>
#include <QWidget>

#include "Board.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// The grid of cells, painted by one widget: each cell is a label with the design's border, its
// background colour, and its caption at its top, as the window's behaviour says it shows. The
// mouse's presses and releases on the cells go to the behaviour, which makes clicks of them. While
// a screen reader runs, Tab reaches the grid, whose keys go to the behaviour too, and the current
// cell shows the focus mark.
class CellGrid : public QWidget {
    Q_OBJECT

public:
    // Captions stand across their cells as the alignment says, always at the top.
    CellGrid(design::WindowBehaviour& behaviour, Qt::Alignment alignment, QWidget* parent);

    // Takes the grid's place of the design on the parent, and works out where each cell stands.
    void LayOut();
    // Cell Index shows a new face: repaints only that cell and tells a screen reader its new name.
    void ShowCell(int Index);
    // The current cell moved: its focus mark follows, and a screen reader hears the cell.
    void ShowCurrentCell(int previous, int current);
    // Whether Tab reaches the grid; one that no longer takes the focus gives it up.
    void LetTakeFocus(bool takes);

    // What the grid shows, and the events a screen reader's press delivers.
    design::WindowBehaviour& Behaviour() const { return behaviour_; }
    // Where the cell stands on the grid.
    const QRect& CellRect(int Index) const { return places_[Index]; }
    // The cell under a point of the grid, if any.
    std::optional<int> CellAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Tells a screen reader which cell has the focus.
    void FocusCurrentCell();

    design::WindowBehaviour& behaviour_;
    Qt::Alignment alignment_;
    std::array<QRect, CELL_COUNT> places_{};
    // Each cell's caption as the toolkit draws it.
    std::array<QString, CELL_COUNT> captions_{};
};

}  // namespace tavrelin::ui
