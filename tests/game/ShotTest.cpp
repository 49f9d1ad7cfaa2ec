#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

// The board behind most shots below: a ship of three cells with its marked surroundings.
//   row 0  . + + + + .
//   row 1  . + # # # + .
//   row 2  . + + + + + .
class ShotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.Board = BoardFromPicture({
            "+++++.........",
            "+###+.........",
            "+++++.........",
        });
    }

    ScriptedRandom random;
    Game game{random};
};

struct Cell {
    int row;
    int col;
};

struct Answer {
    const char* what;
    int row;
    int col;
    Colour colour;
    std::string_view caption;
    int hits;
};

TEST_F(ShotTest, PaintsTheCellFromTheHiddenBoardAndCounts)
{
    for (const Answer a : {Answer{"hit", 1, 2, RED, "X", 1}, Answer{"near", 0, 0, YELLOW, "!", 0},
                           Answer{"open water", 5, 5, BLUE, " ", 0}}) {
        SetUp();
        game.Label3 = {};
        game.Hits = 0;
        game.Attempts = 0;
        Shoot(game, a.row, a.col);
        const CellFace& face = game.Label3[CellIndex(a.row, a.col)];
        EXPECT_EQ(face.BackColor, a.colour) << a.what;
        EXPECT_EQ(face.Caption, a.caption) << a.what;
        EXPECT_EQ(game.Hits, a.hits) << a.what;
        EXPECT_EQ(game.Attempts, 1) << a.what;
        EXPECT_EQ(game.Text2[0], std::to_string(25 - a.hits)) << a.what;
        EXPECT_EQ(game.Text2[1], "1") << a.what;
    }
}

TEST_F(ShotTest, LeavesTheHiddenBoardAsItWas)
{
    const BoardArray before = game.Board;
    Shoot(game, 1, 1);
    Shoot(game, 0, 0);
    Shoot(game, 9, 9);
    EXPECT_EQ(PictureOf(game.Board), PictureOf(before));
}

TEST_F(ShotTest, SecondShotAtTheSameCellChangesNothing)
{
    for (const Cell c : {Cell{1, 1}, Cell{0, 0}, Cell{7, 7}}) {
        Shoot(game, c.row, c.col);
        const Game after = game;
        Shoot(game, c.row, c.col);
        EXPECT_EQ(game.Attempts, after.Attempts);
        EXPECT_EQ(game.Hits, after.Hits);
        EXPECT_EQ(game.Text2, after.Text2);
        EXPECT_EQ(game.Label3, after.Label3);
    }
}

TEST_F(ShotTest, ACellShownByTheRevealTakesNoShot)
{
    game.Label4_Click();
    ASSERT_EQ(game.Label3[CellIndex(1, 2)].BackColor, RED);
    const Game revealed = game;
    Shoot(game, 1, 2);
    EXPECT_EQ(game.Attempts, revealed.Attempts);
    EXPECT_EQ(game.Text2, revealed.Text2);
}

TEST_F(ShotTest, AShipCellThatAlreadyHasACaptionAddsNoHit)
{
    game.Label3[CellIndex(1, 3)].Caption = "X";
    Shoot(game, 1, 3);
    EXPECT_EQ(game.Label3[CellIndex(1, 3)].BackColor, RED);
    EXPECT_EQ(game.Hits, 0);
    EXPECT_EQ(game.Attempts, 1);
    EXPECT_EQ(game.Text2[0], "25");
}

TEST_F(ShotTest, MissesNeverCountAsHits)
{
    for (int col = 0; col < FIELD_SIZE; ++col) {
        Shoot(game, 0, col);
        Shoot(game, 5, col);
    }
    EXPECT_EQ(game.Hits, 0);
    EXPECT_EQ(game.Attempts, 28);
    EXPECT_EQ(game.Text2[0], "25");
    EXPECT_EQ(game.Text2[1], "28");
}

TEST(Shot, ReadsTheBoardAtTheColumnAndRowOfTheCellIndex)
{
    ScriptedRandom random;
    Game game(random);
    // The bottom-right cell is a ship, the top of the second column water next to it: were the
    // two numberings mixed up, cell 14 would read row 1, column 0 instead.
    game.Board[13][13] = CELL_SHIP;
    game.Board[0][1] = CELL_NEAR;
    game.Label3_Click(195);
    game.Label3_Click(14);
    game.Label3_Click(1);
    EXPECT_EQ(game.Label3[195].BackColor, RED);
    EXPECT_EQ(game.Label3[14].BackColor, YELLOW);
    EXPECT_EQ(game.Label3[1].BackColor, BLUE);
    EXPECT_EQ(game.Row, 1);
    EXPECT_EQ(game.Col, 0);
}

TEST(Shot, AnIndexOffTheGridChangesNothing)
{
    ScriptedRandom random;
    Game game(random);
    game.Board[0][0] = CELL_SHIP;
    const Game before = game;
    for (const int index : {-1, 196, 32767, -32768}) {
        game.Label3_Click(index);
    }
    EXPECT_EQ(game.Attempts, before.Attempts);
    EXPECT_EQ(game.Label3, before.Label3);
    EXPECT_EQ(game.Text2, before.Text2);
}

TEST(Shot, AllTwentyFiveHitsLeaveNoneToFind)
{
    ScriptedRandom random;
    Game game(random);
    // 25 ship cells in the first column pair and a few misses between the hits.
    for (int n = 0; n < 25; ++n) {
        game.Board[CellRow(n)][CellCol(n)] = CELL_SHIP;
    }
    for (int n = 0; n < 25; ++n) {
        game.Label3_Click(n);
        game.Label3_Click(100 + n);
    }
    EXPECT_EQ(game.Hits, 25);
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "50");
    // The game has no end: a further shot still counts.
    game.Label3_Click(150);
    EXPECT_EQ(game.Text2[1], "51");
}

TEST(Attempts, StopAt32767InsteadOfWrappingRound)
{
    ScriptedRandom random;
    Game game(random);
    game.Board[0][0] = CELL_SHIP;
    game.Attempts = 32766;
    game.Label3_Click(CellIndex(5, 5));
    EXPECT_EQ(game.Text2[1], "32767");
    game.Label3_Click(CellIndex(6, 6));
    EXPECT_EQ(game.Attempts, 32767);
    EXPECT_EQ(game.Text2[1], "32767");
    // The reveal adds one attempt per ship cell it paints, and stops at the same ceiling.
    game.Attempts = 32760;
    for (int row = 0; row < 3; ++row) {
        for (int col = 8; col < 13; ++col) {
            game.Board[row][col] = CELL_SHIP;
        }
    }
    game.Label4_Click();
    EXPECT_EQ(game.Attempts, 32767);
    EXPECT_EQ(game.Text2[1], "32767");
}

}  // namespace
}  // namespace tavrelin::testing
