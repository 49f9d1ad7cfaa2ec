#include <limits>

#include "Game.h"

namespace tavrelin {

void Game::Label3_Click(int Index)
{
    if (Index < 0 || Index >= CELL_COUNT) {
        return;
    }
    CellFace& cell = Label3[Index];
    if (cell.BackColor != WHITE) {
        return;
    }
    CountAttempt();
    Col = CellCol(Index);
    Row = CellRow(Index);
    const CellCode code = Board[Row][Col];
    if (code == CELL_SHIP) {
        cell.BackColor = RED;
        if (cell.Caption.empty()) {
            ++Hits;
            cell.Caption = "X";
        }
    }
    if (code == CELL_NEAR) {
        cell.BackColor = YELLOW;
        cell.Caption = "!";
    }
    if (code == CELL_EMPTY) {
        cell.BackColor = BLUE;
        cell.Caption = " ";
    }
    ShowRemaining();
    ShowAttempts();
}

void Game::CountAttempt()
{
    if (Attempts < std::numeric_limits<std::int16_t>::max()) {
        ++Attempts;
    }
}

void Game::ShowRemaining()
{
    Text2[0] = std::to_string(FLEET_CELLS - Hits);
}

void Game::ShowAttempts()
{
    Text2[1] = std::to_string(Attempts);
}

}  // namespace tavrelin
