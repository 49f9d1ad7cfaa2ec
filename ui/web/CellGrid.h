#pragma once

#include <emscripten/val.h>

#include <optional>
#include <vector>

#include "CellFace.h"
#include "CellGridAccessible.h"
#include "WebSupport.h"
#include "WindowDesign.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// The grid of cells as a table of 14 rows of 14 cells: each cell a label with a 1-pixel black
// border, its background colour, and its caption at its top, as the window's behaviour says it
// shows. The mouse's presses on the cells, and their releases wherever they happen, go to the
// behaviour, which makes clicks of them.
class CellGrid : public EventHandler {
public:
    // Captions stand across their cells as the alignment says, always at the top.
    CellGrid(design::WindowBehaviour& behaviour, design::Alignment alignment);

    // Makes the grid's table on the parent, without cells yet.
    void Create(const emscripten::val& parent);
    // Takes the grid's place of the design and fills it with copies of the template cell, each as
    // the behaviour says it shows.
    void LayOut();
    // The grid's table, or null before it is made.
    emscripten::val Element() const { return table_; }
    // Cell Index shows a new face: repaints only that cell and tells a screen reader its new name.
    void ShowCell(int Index);
    // A click on the cell, from a screen reader's command.
    void Click(int Index);

    // How many cells the grid has, and what cell Index shows now, as the behaviour says.
    int CellCount() const;
    const CellFace& Face(int Index) const;
    // The cell under a point given from the grid's top-left corner, if any.
    std::optional<int> CellAt(Point point) const;

    // A press on the grid, and its release wherever it happens.
    void HandleEvent(emscripten::val event) override;

private:
    // Shows a cell's colour and caption.
    static void Paint(emscripten::val& cell, const CellFace& face);

    design::WindowBehaviour& behaviour_;
    design::Alignment alignment_;
    CellGridAccessible accessible_{*this};
    emscripten::val table_ = emscripten::val::null();
    // The cells' elements, by cell index.
    std::vector<emscripten::val> cells_;
};

}  // namespace tavrelin::ui
