#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Board.h"
#include "CellFace.h"
#include "RandomSource.h"

namespace tavrelin {

// One game of Tavrelin: the hidden fleet, what every cell label and counter shows, and the
// procedures that answer the player's clicks. The window shows this state and forwards its clicks
// here; nothing in this class knows about widgets.
//
// The procedures share their work through the fields below, the way the window's procedures of
// the game always have: each one sets Row, Col or Pos and the next one reads them.
class Game {
public:
    explicit Game(RandomSource& random);

    // Events of the window.

    // A click on the cell with this cell index: a shot, if the cell is still white.
    void Label3_Click(int Index);
    // A click on the hidden switch: turns the reveal of the fleet on or off.
    void Label4_Click();
    // A press of the button "Чисти", the only element of its array, with index 1.
    void Command1_Click(int Index);

    // Procedures of the game.

    // Starts a fresh game: counters reset, every cell white and empty, a new fleet hidden.
    void NewGame();
    // Marks the water around every ship; with the reveal on, paints every ship cell as a hit.
    void UpdateBoard();
    // Makes the cell at placement position Pos a ship cell, leaving Row and Col on it.
    void SetShipCell();
    // Lays the four-cell ship along the outermost line of a random side.
    void PlaceShip4();
    // Lays a three-cell ship in the two outermost lines of side Sector3.
    void PlaceShip3();
    // Lays a two-cell ship on the inner ring, in sector Sector2.
    void PlaceShip2();
    // Drops a one-cell ship on a random cell clear of every ship so far, then marks around it.
    void PlaceShip1();
    // The next random value times m, rounded to the nearest integer, halves to even: 0..m.
    int RoundedDraw(int m);

    // The hidden board.
    BoardArray Board{};
    // Coordinates handed from one procedure to the next.
    int Row = 0;
    int Col = 0;
    int Pos = 0;
    // Side of the four-cell ship (0 top, 1 right, 2 bottom, 3 left); the three-cell ships take the others.
    int Dir4 = 0;
    // Side of the three-cell ship being placed.
    int Sector3 = 0;
    // Sector of the two-cell ship being placed.
    int Sector2 = 0;
    // Ship cells hit since the last UpdateBoard, which starts the count again.
    int Hits = 0;
    // Shots taken, plus every ship cell painted by the reveal; stops at 32767.
    std::int16_t Attempts = 0;
    // Whether the reveal switch is on.
    bool ShowShips = false;

    // What each cell label shows, by cell index.
    std::array<CellFace, CELL_COUNT> Label3{};
    // The counters: [0] ship cells still to find ("Остават:"), [1] attempts ("Опита:").
    std::array<std::string, 2> Text2{};

private:
    // One more attempt; the counter is 16-bit, so it stays at 32767 rather than wrap to negative.
    void CountAttempt();
    void ShowRemaining();
    void ShowAttempts();

    RandomSource& random_;
};

}  // namespace tavrelin
