#pragma once

#include <emscripten/val.h>

#include "CellFace.h"
#include "WebSupport.h"

namespace tavrelin::ui {

class CellGrid;

// The grid as a screen reader sees it: a grid named as the window's grid, of 14 rows of 14 cells,
// each named by its place and what it shows, in every mode of the screen reader, and shot by a
// screen reader's command to activate it.
class CellGridAccessible : public EventHandler {
public:
    // Activates the cells of this grid.
    explicit CellGridAccessible(CellGrid& grid) : grid_(grid) {}

    // Makes the table a named grid.
    void Describe(const emscripten::val& table) const;
    // Makes the template cell a cell of the grid whose caption a screen reader does not read: the
    // cell's name says what it shows.
    void DescribeCell(const emscripten::val& cell) const;
    // Makes a cell of the table one that a screen reader can activate.
    void Attach(const emscripten::val& cell) const;
    // Names the cell by its place and what it shows now.
    static void Rename(const emscripten::val& cell, int Index, const CellFace& face);

    // A click on a cell.
    void HandleEvent(emscripten::val event) override;

private:
    CellGrid& grid_;
};

}  // namespace tavrelin::ui
