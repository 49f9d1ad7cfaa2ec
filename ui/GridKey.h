#pragma once

#include <optional>

#include "Board.h"

namespace tavrelin::design {

// The keys that the grid answers while it has the keyboard focus.
enum class GridKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, Space, Enter, CtrlHome, CtrlEnd };

// The modifier keys held down with a key; Alt stands for the system's other modifiers too.
struct Modifiers {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

// The grid's key for a key pressed with modifiers: every key alone is the grid's, and so are Home
// and End with Ctrl alone, as Ctrl+Home and Ctrl+End. Any other combination stays the system's.
constexpr std::optional<GridKey> WithModifiers(GridKey key, Modifiers held)
{
    if (held.Shift || held.Alt) {
        return std::nullopt;
    }
    if (!held.Ctrl) {
        return key;
    }
    switch (key) {
    case GridKey::Home: return GridKey::CtrlHome;
    case GridKey::End: return GridKey::CtrlEnd;
    default: return std::nullopt;
    }
}

// The current cell after a key that moves it: the arrows one cell, stopping at the edges; Home and
// End to the first and last column of the row; Page Up and Page Down to the top and bottom of the
// column; Ctrl+Home and Ctrl+End to the first and the last cell. Space and Enter leave it where it is.
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
    case GridKey::CtrlHome: return CellIndex(0, 0);
    case GridKey::CtrlEnd: return CellIndex(LAST, LAST);
    case GridKey::Space:
    case GridKey::Enter: return Index;
    }
    return Index;
}

}  // namespace tavrelin::design
