#pragma once

#include <array>
#include <cstdint>

namespace tavrelin {

// The playing field is 14 x 14 cells.
constexpr int FIELD_SIZE = 14;
// The hidden board has one more row and column than the field: a margin that only ever holds marks.
constexpr int BOARD_SIZE = FIELD_SIZE + 1;
// One cell label per field cell.
constexpr int CELL_COUNT = FIELD_SIZE * FIELD_SIZE;
// The fleet: one ship of 4 cells, three of 3, four of 2 and four of 1.
constexpr int FLEET_CELLS = 4 + 3 * 3 + 4 * 2 + 4 * 1;

// What the hidden board holds at a cell.
using CellCode = std::int16_t;
// Open water.
constexpr CellCode CELL_EMPTY = 0;
// Open water touching a ship cell, sideways or diagonally.
constexpr CellCode CELL_NEAR = 1;
// A cell of a ship.
constexpr CellCode CELL_SHIP = 2;

// The hidden board, addressed Board[Row][Col]; row 0 is the top row, column 0 the left column.
using BoardArray = std::array<std::array<CellCode, BOARD_SIZE>, BOARD_SIZE>;

// A cell index names a cell label and runs down each column in turn: index = 14 * Col + Row.
constexpr int CellIndex(int row, int col)
{
    return FIELD_SIZE * col + row;
}
constexpr int CellRow(int index)
{
    return index % FIELD_SIZE;
}
constexpr int CellCol(int index)
{
    return index / FIELD_SIZE;
}

// A placement position runs along each row in turn: Pos = 14 * Row + Col.
constexpr int Position(int row, int col)
{
    return FIELD_SIZE * row + col;
}
constexpr int PositionRow(int pos)
{
    return pos / FIELD_SIZE;
}
constexpr int PositionCol(int pos)
{
    return pos % FIELD_SIZE;
}

}  // namespace tavrelin
