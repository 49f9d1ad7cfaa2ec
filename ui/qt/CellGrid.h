#pragma once

#include <optional>
#include <string>

#include <QWidget>

#include "CellFace.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// The grid of cells, painted by one widget: each cell is a label with a 1-pixel black border, its
// background colour, and its caption at its top, as the window's behaviour says it shows. The
// mouse's presses and releases on the cells go to the behaviour, which makes clicks of them. While
// a screen reader runs, Tab reaches the grid, whose keys go to the behaviour too, and the current
// cell shows the focus mark.
class CellGrid : public QWidget {
    Q_OBJECT

public:
    // Captions stand across their cells as the alignment says, always at the top.
    CellGrid(design::WindowBehaviour& behaviour, Qt::Alignment alignment, QWidget* parent);

    // Takes the grid's place of the design on the parent.
    void LayOut();
    // Cell Index shows a new face: repaints only that cell and tells a screen reader its new name.
    void ShowCell(int Index);
    // A click on the cell, from a screen reader's press.
    void Click(int Index);
    // The current cell moved: its focus mark follows, and a screen reader hears the cell.
    void ShowCurrentCell(int previous, int current);
    // Whether Tab reaches the grid; one that no longer takes the focus gives it up.
    void LetTakeFocus(bool takes);

    int CellCount() const;
    const CellFace& Face(int Index) const;
    // Where the cell stands on the grid.
    QRect CellRect(int Index) const;
    // The cell under a point of the grid, if any.
    std::optional<int> CellAt(QPoint point) const;
    int CurrentCell() const;
    // What the current cell says besides its name, while it has the focus.
    const std::string& Phrase() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Tells a screen reader which cell has the focus.
    void FocusCurrentCell();

    design::WindowBehaviour& behaviour_;
    Qt::Alignment alignment_;
};

}  // namespace tavrelin::ui
