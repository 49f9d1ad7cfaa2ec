#include "CellGridAccessible.h"

#include "Board.h"
#include "CellGrid.h"
#include "ScreenReader.h"

namespace tavrelin::ui {

using emscripten::val;

void CellGridAccessible::Attach(const val& cell) const
{
    // A cell that handles clicks is one that a screen reader offers to activate.
    Listen(cell, "click");
}

void CellGridAccessible::Rename(const val& cell, int Index) const
{
    cell.call<void>("setAttribute", std::string("aria-label"), design::CellName(Index, grid_.Face(Index)));
}

void CellGridAccessible::HandleEvent(val event)
{
    // The pointer's clicks are the grid's, made of its presses and releases.
    if (IsFromPointer(event)) {
        return;
    }
    // The table's rows are the grid's rows, and a cell's place in its row is its column.
    const val cell = event["currentTarget"];
    grid_.Click(CellIndex(cell["parentElement"]["rowIndex"].as<int>(), cell["cellIndex"].as<int>()));
}

}  // namespace tavrelin::ui
