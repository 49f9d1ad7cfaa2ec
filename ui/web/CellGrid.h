#pragma once

#include <emscripten/val.h>

#include <optional>
#include <vector>

#include "CellGridAccessible.h"
#include "LabelPointer.h"
#include "WebSupport.h"
#include "WindowDesign.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// The grid of cells as a table of 14 rows of 14 cells: each cell a label with the design's border,
// its background colour, and its caption at its top, as the window's behaviour says it shows. The
// mouse's presses on the cells, and their releases wherever they happen, go to the behaviour, which
// makes clicks of them. While the grid takes the focus, its current cell is its one stop of Tab;
// with the focus, the keys go to the behaviour and the current cell shows a mark.
class CellGrid : public EventHandler {
public:
    // Captions stand across their cells as the alignment says, always at the top.
    CellGrid(design::WindowBehaviour& behaviour, design::Alignment alignment);

    // Makes the grid's table on the parent, without cells yet.
    void Create(const emscripten::val& parent);
    // Fills the grid with copies of the template cell, each as the behaviour says it shows; the
    // page's layout then gives the grid its place and the cells their size.
    void LayOut();
    // Moves the grid to this place on the page, with square cells of this side.
    void Fit(design::Rect place, int cell);
    // The grid's table, or null before it is made.
    emscripten::val Element() const { return table_; }
    // Cell Index shows a new face: repaints only that cell and tells a screen reader its new name.
    void ShowCell(int Index);
    // The current cell moved: its stop of Tab and its mark move with it, and so does the focus.
    void ShowCurrentCell(int previous, int current);
    // From now on the current cell is a stop of Tab, or no cell is.
    void LetTakeFocus(bool takes);
    // Whether one of the cells has the keyboard focus.
    bool HasFocus() const { return hasFocus_; }
    // A click event on the cell. The pointer's clicks are made of its presses and releases, so only
    // a click that they did not make shoots: a screen reader's command to activate the cell.
    void Clicked(int Index);

    // The cell at a mouse event's point, if any: the browser's own hit test finds the cell that the
    // player sees there, at every scale.
    std::optional<int> CellUnder(const emscripten::val& event) const;
    // The index of one of the grid's cells.
    static int IndexOf(const emscripten::val& cell);

    // A key, and the focus coming and going.
    void HandleEvent(emscripten::val event) override;

private:
    // Shows a cell's colour and caption, and the focus mark on the current cell while the grid has
    // the focus.
    void Paint(int Index);
    void Key(const emscripten::val& event);

    design::WindowBehaviour& behaviour_;
    design::Alignment alignment_;
    CellGridAccessible accessible_{*this};
    LabelPointer pointer_;
    emscripten::val table_ = emscripten::val::null();
    // The cells' elements, by cell index.
    std::vector<emscripten::val> cells_;
    // A cell's side now, in CSS pixels.
    int cell_ = 0;
    bool takesFocus_ = false;
    bool hasFocus_ = false;
};

}  // namespace tavrelin::ui
