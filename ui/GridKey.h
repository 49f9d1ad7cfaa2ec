#pragma once

#include "Board.h"

namespace tavrelin::design {

// The keys that the grid answers while it has the keyboard focus.
enum class GridKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, Space, Enter };

// The current cell after a key that moves it: the arrows one cell, stopping at the edges; Home and
// End to the first and last column of the row; Page Up and Page Down to the top and bottom of the
// column. Space and Enter leave it where it is.
constexpr int MovedCell(int Index, GridKey key)
{
    const int row = CellRow(Index);
    const int col = CellCol(Index);
    constexpr int LAST = FIELD_SIZE - 1;
    switch (key) {
    case GridKey::Left: return CellIndex(row, col > 0 ? col - 1 : col);
    case GridKey::Right: return CellIndex(row, col < LAST ? col + 1 : col);
    case GridKey::Up: return CellIndex(row > 0 ? row - 1 : row, col);
    case GridKey::Down: return CellIndex(row < LAST ? row + 1 : row, col);
    case GridKey::Home: return CellIndex(row, 0);
    case GridKey::End: return CellIndex(row, LAST);
    case GridKey::PageUp: return CellIndex(0, col);
    case GridKey::PageDown: return CellIndex(LAST, col);
    case GridKey::Space:
    case GridKey::Enter: return Index;
    }
    return Index;
}

}  // namespace tavrelin::design
