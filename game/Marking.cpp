#include <array>

#include "Game.h"

namespace tavrelin {

namespace {

struct Step {
    int Rows;
    int Cols;
};

// The eight neighbours of a cell, row by row from the upper left.
// clang-format off
constexpr std::array<Step, 8> NEIGHBOURS{{
    {-1, -1}, {-1, 0}, {-1, 1},
    {0, -1},           {0, 1},
    {1, -1},  {1, 0},  {1, 1},
}};
// clang-format on

constexpr bool InsideBoard(int row, int col)
{
    return row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE;
}

// Every open-water neighbour of the ship cell at (row, col), inside the board array, becomes CELL_NEAR.
void MarkAround(BoardArray& board, int row, int col)
{
    for (const Step step : NEIGHBOURS) {
        const int r = row + step.Rows;
        const int c = col + step.Cols;
        if (InsideBoard(r, c) && board[r][c] < CELL_SHIP) {
            board[r][c] = CELL_NEAR;
        }
    }
}

}  // namespace

void Game::UpdateBoard()
{
    // Marking pass over the whole board array, margin included.
    for (Row = 0; Row < BOARD_SIZE; ++Row) {
        for (Col = 0; Col < BOARD_SIZE; ++Col) {
            if (Board[Row][Col] == CELL_SHIP) {
                MarkAround(Board, Row, Col);
            }
        }
    }

    // Reveal pass over the playing field.
    Hits = 0;
    for (Row = 0; Row < FIELD_SIZE; ++Row) {
        for (Col = 0; Col < FIELD_SIZE; ++Col) {
            if (ShowShips && Board[Row][Col] == CELL_SHIP) {
                CellFace& cell = Label3[CellIndex(Row, Col)];
                cell.BackColor = RED;
                cell.Caption = "X";
                CountAttempt();
                ++Hits;
                ShowRemaining();
                ShowAttempts();
            }
        }
    }
}

void Game::Label4_Click()
{
    ShowShips = !ShowShips;
    UpdateBoard();
}

}  // namespace tavrelin
