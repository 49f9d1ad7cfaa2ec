#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

TEST(RoundedDraw, RoundsExactHalvesToTheEvenNeighbour)
{
    struct Case {
        double u;
        int m;
        int result;
    };
    for (const Case c : {Case{0.005, 100, 0}, Case{0.015, 100, 2}, Case{0.025, 100, 2}, Case{0.0025, 200, 0},
                         Case{0.0125, 200, 2}, Case{0.0075, 200, 2}}) {
        ASSERT_EQ(c.u * c.m - static_cast<int>(c.u * c.m), 0.5) << "the product must be an exact half";
        ScriptedRandom random{c.u};
        Game game(random);
        EXPECT_EQ(game.RoundedDraw(c.m), c.result) << c.u << " x " << c.m;
    }
}

TEST(RoundedDraw, RoundsToNearestRatherThanTruncating)
{
    ScriptedRandom random{0.0, 0.0149, 0.996, 0.99999, 0.9999};
    Game game(random);
    EXPECT_EQ(game.RoundedDraw(100), 0);
    EXPECT_EQ(game.RoundedDraw(100), 1);
    EXPECT_EQ(game.RoundedDraw(100), 100);
    EXPECT_EQ(game.RoundedDraw(100), 100);
    EXPECT_EQ(game.RoundedDraw(200), 200);
}

struct ShipCase {
    const char* what;
    int side;
    int firstDraw;
    int secondDraw;
    std::vector<Square> cells;
};

// Each case gives the results of the ship's two rounded draws of 100 and the cells it must take.
TEST(PlaceShip4, LiesOnTheOutermostLineOfItsSide)
{
    // The first draw names the side; here the side column gives it, and the second draw the offset.
    for (const ShipCase& c : {
             ShipCase{"right, offset 6", 1, 0, 4, {{6, 13}, {7, 13}, {8, 13}, {9, 13}}},
             ShipCase{"top, offset 2", 0, 0, 0, {{0, 2}, {0, 3}, {0, 4}, {0, 5}}},
             ShipCase{"bottom, offset 6", 2, 0, 4, {{13, 6}, {13, 7}, {13, 8}, {13, 9}}},
             ShipCase{"left, offset 3", 3, 0, 1, {{3, 0}, {4, 0}, {5, 0}, {6, 0}}},
             ShipCase{"left, offset 4, side drawn as 7", 3, 4, 2, {{4, 0}, {5, 0}, {6, 0}, {7, 0}}},
         }) {
        // firstDraw adds whole turns of four to the side: 4 + 3 = 7 names the left side too.
        ScriptedRandom random{DrawOf(c.side + c.firstDraw, 100), DrawOf(c.secondDraw, 100)};
        Game game(random);
        game.PlaceShip4();
        EXPECT_EQ(game.Dir4, c.side) << c.what;
        EXPECT_EQ(ShipSquares(game.Board), c.cells) << c.what;
    }
}

TEST(PlaceShip4, DrawsOf100GiveTheTopSideAtOffset2)
{
    ScriptedRandom random{DrawOf(100, 100), DrawOf(100, 100)};
    Game game(random);
    game.PlaceShip4();
    EXPECT_EQ(game.Dir4, 0);
    EXPECT_EQ(ShipSquares(game.Board), (std::vector<Square>{{0, 2}, {0, 3}, {0, 4}, {0, 5}}));
}

TEST(PlaceShip3, LiesInTheTwoOutermostLinesOfItsSide)
{
    for (const ShipCase& c : {
             ShipCase{"right, offset 3, outer column", 1, 0, 0, {{2, 13}, {3, 13}, {4, 13}}},
             ShipCase{"right, offset 8, inner column", 1, 5, 1, {{8, 12}, {9, 12}, {10, 12}}},
             ShipCase{"top, offset 8, inner row", 0, 5, 1, {{1, 8}, {1, 9}, {1, 10}}},
             ShipCase{"top, draws of 100: offset 7, outer row", 0, 100, 100, {{0, 7}, {0, 8}, {0, 9}}},
             ShipCase{"bottom, offset 3, inner row", 2, 0, 1, {{12, 3}, {12, 4}, {12, 5}}},
             ShipCase{"left, offset 8, outer column", 3, 5, 0, {{8, 0}, {9, 0}, {10, 0}}},
             ShipCase{"left, offset 4, inner column", 3, 1, 1, {{4, 1}, {5, 1}, {6, 1}}},
         }) {
        ScriptedRandom random{DrawOf(c.firstDraw, 100), DrawOf(c.secondDraw, 100)};
        Game game(random);
        game.Sector3 = c.side;
        game.PlaceShip3();
        EXPECT_EQ(ShipSquares(game.Board), c.cells) << c.what;
    }
}

TEST(PlaceShip2, LiesOnTheInnerRingInItsSector)
{
    for (const ShipCase& c : {
             ShipCase{"right, offset 4, band 0", 1, 0, 0, {{5, 10}, {6, 10}}},
             ShipCase{"right, offset 4, band 1", 1, 0, 1, {{5, 10}, {6, 10}}},
             ShipCase{"lower, offset 4, band 1", 2, 0, 1, {{9, 5}, {9, 6}}},
             ShipCase{"lower, offset 6, band 0", 2, 2, 0, {{10, 7}, {10, 8}}},
             ShipCase{"upper, offset 6, band 0", 0, 2, 0, {{3, 7}, {3, 8}}},
             ShipCase{"upper, draws of 100: offset 5, band 0", 0, 100, 100, {{3, 6}, {3, 7}}},
             ShipCase{"left, offset 5, band 1", 3, 1, 1, {{6, 3}, {7, 3}}},
         }) {
        ScriptedRandom random{DrawOf(c.firstDraw, 100), DrawOf(c.secondDraw, 100)};
        Game game(random);
        game.Sector2 = c.side;
        game.PlaceShip2();
        EXPECT_EQ(ShipSquares(game.Board), c.cells) << c.what;
        // The band is drawn for the vertical ships too, which ignore it.
        EXPECT_EQ(random.Drawn(), 2U) << c.what;
    }
}

TEST(PlaceShip1, TakesOnlyACellOfOpenWater)
{
    ScriptedRandom random{DrawOf(15, 200), DrawOf(16, 200), DrawOf(200, 200)};
    Game game(random);
    // A ship at position 15 (row 1, column 1); its neighbour at position 16 gets marked.
    game.Board[1][1] = CELL_SHIP;
    game.UpdateBoard();
    game.PlaceShip1();
    EXPECT_EQ(ShipSquares(game.Board), (std::vector<Square>{{0, 4}, {1, 1}}));
    EXPECT_EQ(random.Drawn(), 3U);
    // The new ship's surroundings are marked at once, ready for the next single ship.
    EXPECT_EQ(game.Board[1][5], CELL_NEAR);
}

// A whole game dealt from a script of draws, with the fleet it must give.
TEST(NewGame, DealsTheFleetInTheOrderOfItsDraws)
{
    ScriptedRandom random;
    for (const int draw : {
             1, 4,  // four-cell ship: right side, rows 6..9
             0, 0,  // three-cell ships clockwise from it: bottom, offset 3, outer row
             2, 1,  //   left, offset 5, inner column
             5, 0,  //   top, offset 8, outer row
             0, 1,  // two-cell ships: upper, offset 4, band 1
             2, 0,  //   right, offset 6
             1, 0,  //   lower, offset 5, band 0
             0, 1,  //   left, offset 4
         }) {
        random.Add(DrawOf(draw, 100));
    }
    // Single ships: a ship cell and a marked cell are drawn and thrown back before (2, 2).
    for (const int position : {Position(13, 3), Position(12, 3), Position(2, 2), Position(12, 12), Position(3, 2),
                               Position(11, 0), Position(2, 12)}) {
        random.Add(DrawOf(position, 200));
    }
    Game game(random);
    game.NewGame();

    const BoardArray expected = BoardFromPicture({
        "........###...",
        "..............",
        "..#.........#.",
        "..............",
        ".....##.......",
        ".#.#..........",
        ".#.#.........#",
        ".#........#..#",
        "..........#..#",
        ".............#",
        "......##......",
        "#.............",
        "............#.",
        "...###........",
    });
    EXPECT_EQ(ShipSquares(game.Board), ShipSquares(expected)) << PictureOf(game.Board);
    EXPECT_EQ(game.Dir4, 1);
    EXPECT_EQ(random.Drawn(), 23U);
}

}  // namespace
}  // namespace tavrelin::testing
