#include "CellGridAccessible.h"

#include "CellGrid.h"
#include "ScreenReader.h"

namespace tavrelin::ui {

using emscripten::val;

void CellGridAccessible::Describe(const val& table) const
{
    table.call<void>("setAttribute", std::string("role"), std::string("grid"));
    table.call<void>("setAttribute", std::string("aria-label"), std::string(design::GRID_NAME));
}

void CellGridAccessible::DescribeCell(const val& cell) const
{
    cell.call<void>("setAttribute", std::string("role"), std::string("gridcell"));
    cell["firstChild"].call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
}

void CellGridAccessible::Attach(const val& cell) const
{
    // A cell that handles clicks is one that a screen reader offers to activate.
    Listen(cell, "click");
}

void CellGridAccessible::Rename(const val& cell, int Index, const CellFace& face)
{
    cell.call<void>("setAttribute", std::string("aria-label"), design::CellName(Index, face));
}

void CellGridAccessible::HandleEvent(val event)
{
    grid_.Clicked(CellGrid::IndexOf(event["currentTarget"]));
}

}  // namespace tavrelin::ui
