#include "Game.h"

namespace tavrelin {

Game::Game(RandomSource& random) : random_(random) {}

void Game::NewGame()
{
    ShowShips = false;
    Hits = 0;
    Attempts = 0;
    ShowRemaining();
    ShowAttempts();
    // Clears the playing field only: marks left in the margin by earlier games stay, and do no harm.
    for (int n = 0; n < CELL_COUNT; ++n) {
        Label3[n] = CellFace{};
        Row = PositionRow(n);
        Col = PositionCol(n);
        Board[Row][Col] = CELL_EMPTY;
    }

    PlaceShip4();
    for (int j = 1; j <= 3; ++j) {
        Sector3 = (Dir4 + j) % 4;
        PlaceShip3();
    }
    for (int j = 0; j <= 3; ++j) {
        Sector2 = j;
        PlaceShip2();
    }
    UpdateBoard();
    for (int j = 0; j < 4; ++j) {
        PlaceShip1();
    }
    UpdateBoard();
}

void Game::Command1_Click(int Index)
{
    if (Index == 1) {
        NewGame();
    }
}

}  // namespace tavrelin
