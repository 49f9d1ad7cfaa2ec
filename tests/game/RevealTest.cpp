#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

// A fleet of 25 ship cells laid out by hand; SetUp marks its surroundings.
const std::initializer_list<std::string_view> FLEET{
    "..####........", "..............", "#......###....", "#............#", "#............#",
    ".............#", "...##..##.....", "..............", "...##..##.....", "..............",
    "#......#...#..", "..............", "...#..........", "..............",
};

class RevealTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.Board = BoardFromPicture(FLEET);
        game.UpdateBoard();
        game.Text2 = {"25", "0"};
        ASSERT_EQ(CountCode(game.Board, CELL_SHIP), 25);
    }

    // 7 hits along the four-cell ship and the left three-cell ship, and 23 misses in open water.
    void ThirtyShotsWithSevenHits()
    {
        for (const int col : {2, 3, 4, 5}) {
            Shoot(game, 0, col);
        }
        for (const int row : {2, 3, 4}) {
            Shoot(game, row, 0);
        }
        int misses = 0;
        for (int n = 0; n < CELL_COUNT && misses < 23; ++n) {
            if (game.Board[CellRow(n)][CellCol(n)] == CELL_EMPTY) {
                game.Label3_Click(n);
                ++misses;
            }
        }
        ASSERT_EQ(game.Attempts, 30);
        ASSERT_EQ(game.Text2[0], "18");
    }

    int RedCells() const
    {
        int red = 0;
        for (const CellFace& face : game.Label3) {
            red += face == CellFace{RED, "X"} ? 1 : 0;
        }
        return red;
    }

    ScriptedRandom random;
    Game game{random};
};

TEST_F(RevealTest, RightAfterANewGameShowsTheWholeFleet)
{
    game.Label4_Click();
    EXPECT_EQ(RedCells(), 25);
    for (int n = 0; n < CELL_COUNT; ++n) {
        const bool ship = game.Board[CellRow(n)][CellCol(n)] == CELL_SHIP;
        EXPECT_EQ(game.Label3[n] == (CellFace{RED, "X"}), ship) << "cell " << n;
    }
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "25");
}

TEST_F(RevealTest, CountsEveryShipCellAgainHitOrNot)
{
    ThirtyShotsWithSevenHits();
    game.Label4_Click();
    EXPECT_EQ(RedCells(), 25);
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "55");
}

TEST_F(RevealTest, SwitchedOffLeavesTheGridAndCountersUntilTheNextShot)
{
    ThirtyShotsWithSevenHits();
    game.Label4_Click();
    const auto shown = game.Label3;
    game.Label4_Click();
    EXPECT_FALSE(game.ShowShips);
    EXPECT_EQ(game.Label3, shown);
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "55");

    // The switch restarted the hit count, so the next shot shows all 25 as still to find.
    Shoot(game, 13, 13);
    EXPECT_EQ(game.Text2[0], "25");
    EXPECT_EQ(game.Text2[1], "56");

    game.Label4_Click();
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "81");
}

TEST_F(RevealTest, ShotsWhileTheFleetIsShownStillCount)
{
    game.Label4_Click();
    Shoot(game, 1, 0);
    Shoot(game, 0, 0);
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "27");
    // A ship cell painted by the reveal cannot be shot.
    Shoot(game, 0, 2);
    EXPECT_EQ(game.Text2[1], "27");
}

TEST_F(RevealTest, LeavesTheMarginOut)
{
    // The game never puts a ship in the margin; planted there, it is neither painted nor counted.
    // Read as a field cell, (14, 7) would be the open water at (0, 8).
    game.Board[14][7] = CELL_SHIP;
    game.Board[3][14] = CELL_SHIP;
    game.Board[14][14] = CELL_SHIP;
    game.Label4_Click();
    EXPECT_EQ(RedCells(), 25);
    EXPECT_EQ(game.Label3[CellIndex(0, 8)], CellFace{});
    EXPECT_EQ(game.Hits, 25);
    EXPECT_EQ(game.Attempts, 25);
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "25");
}

TEST_F(RevealTest, PaintsOnlyShipCells)
{
    Shoot(game, 1, 2);
    Shoot(game, 13, 9);
    game.Label4_Click();
    EXPECT_EQ(game.Label3[CellIndex(1, 2)], (CellFace{YELLOW, "!"}));
    EXPECT_EQ(game.Label3[CellIndex(13, 9)], (CellFace{BLUE, " "}));
    EXPECT_EQ(game.Label3[CellIndex(13, 13)], CellFace{});
    EXPECT_EQ(game.Label3[CellIndex(7, 0)], CellFace{});
}

}  // namespace
}  // namespace tavrelin::testing
