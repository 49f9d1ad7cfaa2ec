#include <cmath>

#include "Game.h"

// How the computer hides its fleet. The board is seen as four sides, numbered clockwise from the
// top: 0 top, 1 right, 2 bottom, 3 left. The four-cell ship lies on the outermost line of one side,
// a three-cell ship in the two outer lines of each other side, a two-cell ship on an inner ring in
// each of the four sectors. Those rules keep every ship of two or more cells at least one cell
// away from every other whatever the draws give, so only the one-cell ships need a retry.

namespace tavrelin {

int Game::RoundedDraw(int m)
{
    // nearbyint rounds in the default rounding mode: to nearest, an exact half to the even neighbour.
    return static_cast<int>(std::nearbyint(random_.Next() * m));
}

void Game::SetShipCell()
{
    Col = PositionCol(Pos);
    Row = PositionRow(Pos);
    Board[Row][Col] = CELL_SHIP;
}

void Game::PlaceShip4()
{
    Dir4 = RoundedDraw(100) % 4;
    // The ship starts at cell 2..6 of its line, so it keeps to cells 2..9.
    const int Offset4 = RoundedDraw(100) % 5 + 2;
    for (int k = 0; k < 4; ++k) {
        switch (Dir4) {
        case 0: Pos = Position(0, Offset4 + k); break;
        case 1: Pos = Position(Offset4 + k, 13); break;
        case 2: Pos = Position(13, Offset4 + k); break;
        default: Pos = Position(Offset4 + k, 0); break;
        }
        SetShipCell();
    }
}

void Game::PlaceShip3()
{
    const int Offset3 = RoundedDraw(100) % 6 + 3;
    // 0: the outermost line of the side, 1: the line inside it.
    const int Band3 = RoundedDraw(100) % 2;
    for (int k = 0; k < 3; ++k) {
        switch (Sector3) {
        case 0: Pos = Position(Band3, Offset3 + k); break;
        // On the right side a ship in the outer column starts one row higher.
        case 1: Pos = Position(Offset3 + Band3 + k - 1, 13 - Band3); break;
        case 2: Pos = Position(13 - Band3, Offset3 + k); break;
        default: Pos = Position(Offset3 + k, Band3); break;
        }
        SetShipCell();
    }
}

void Game::PlaceShip2()
{
    const int Offset2 = RoundedDraw(100) % 3 + 4;
    // Which of two rows a horizontal ship takes; drawn for the vertical ones too, which ignore it.
    const int Band2 = RoundedDraw(100) % 2;
    for (int k = 0; k < 2; ++k) {
        switch (Sector2) {
        case 0: Pos = Position(3 + Band2, Offset2 + 1 + k); break;
        case 1: Pos = Position(Offset2 + 1 + k, 10); break;
        case 2: Pos = Position(10 - Band2, Offset2 + 1 + k); break;
        default: Pos = Position(Offset2 + 1 + k, 3); break;
        }
        SetShipCell();
    }
}

void Game::PlaceShip1()
{
    // Only a cell of open water clear of every ship will do; at least 58 such cells are always left.
    do {
        Pos = RoundedDraw(200) % CELL_COUNT;
        Col = PositionCol(Pos);
        Row = PositionRow(Pos);
    } while (Board[Row][Col] != CELL_EMPTY);
    Board[Row][Col] = CELL_SHIP;
    UpdateBoard();
}

}  // namespace tavrelin
