#pragma once

#include <emscripten/val.h>

#include "WebSupport.h"

namespace tavrelin::ui {

class CellGrid;

// The grid as a screen reader sees it: a table of 14 rows of 14 cells, each named by its place and
// what it shows, and shot by a screen reader's command to activate it. Such a command moves no
// keyboard focus, and no cell takes a stop of Tab.
class CellGridAccessible : public EventHandler {
public:
    // Names and activates the cells of this grid.
    explicit CellGridAccessible(CellGrid& grid) : grid_(grid) {}

    // Makes a cell of the table one that a screen reader can activate.
    void Attach(const emscripten::val& cell) const;
    // Names the cell by its place and what it shows now.
    void Rename(const emscripten::val& cell, int Index) const;

    // A click that no pointer made on a cell: a screen reader's command.
    void HandleEvent(emscripten::val event) override;

private:
    CellGrid& grid_;
};

}  // namespace tavrelin::ui
