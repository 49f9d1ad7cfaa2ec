#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

::testing::AssertionResult IsFreshGame(const Game& game)
{
    if (game.ShowShips || game.Hits != 0 || game.Attempts != 0) {
        return ::testing::AssertionFailure() << "switch or counters not reset";
    }
    if (game.Text2[0] != "25" || game.Text2[1] != "0") {
        return ::testing::AssertionFailure() << "counters show " << game.Text2[0] << " and " << game.Text2[1];
    }
    for (int n = 0; n < CELL_COUNT; ++n) {
        if (!(game.Label3[n] == CellFace{WHITE, ""})) {
            return ::testing::AssertionFailure() << "cell " << n << " is not white and empty";
        }
    }
    if (CountCode(game.Board, CELL_SHIP) != FLEET_CELLS) {
        return ::testing::AssertionFailure() << "no full fleet:\n" << PictureOf(game.Board);
    }
    return ::testing::AssertionSuccess();
}

class NewGameTest : public ::testing::Test {
protected:
    void SetUp() override { game.NewGame(); }

    void ShootEverything()
    {
        for (int n = 0; n < CELL_COUNT; ++n) {
            game.Label3_Click(n);
        }
    }

    StandardRandom random{99};
    Game game{random};
};

TEST(Game, IsAllZeroBeforeTheFirstGame)
{
    ScriptedRandom random;
    Game game(random);
    EXPECT_EQ(CountCode(game.Board, CELL_EMPTY, BOARD_SIZE), BOARD_SIZE * BOARD_SIZE);
    EXPECT_FALSE(game.ShowShips);
    EXPECT_EQ(game.Hits, 0);
    EXPECT_EQ(game.Attempts, 0);
    EXPECT_EQ(game.Text2[0], "");
    EXPECT_EQ(game.Text2[1], "");
    EXPECT_EQ(random.Drawn(), 0U);
}

TEST_F(NewGameTest, StartsFreshFromTheMiddleOfAGame)
{
    for (int n = 0; n < CELL_COUNT; n += 3) {
        game.Label3_Click(n);
    }
    game.NewGame();
    EXPECT_TRUE(IsFreshGame(game));
}

TEST_F(NewGameTest, StartsFreshAfterTheReveal)
{
    game.Label4_Click();
    ASSERT_TRUE(game.ShowShips);
    game.Command1_Click(1);
    EXPECT_TRUE(IsFreshGame(game));
    // The switch is off again, so its next click shows the new fleet.
    game.Label4_Click();
    EXPECT_EQ(game.Text2[0], "0");
    EXPECT_EQ(game.Text2[1], "25");
    for (int n = 0; n < CELL_COUNT; ++n) {
        EXPECT_EQ(game.Label3[n].BackColor == RED, game.Board[CellRow(n)][CellCol(n)] == CELL_SHIP);
    }
}

TEST_F(NewGameTest, StartsFreshAfterEveryCellWasShot)
{
    ShootEverything();
    ASSERT_EQ(game.Text2[0], "0");
    game.Command1_Click(1);
    EXPECT_TRUE(IsFreshGame(game));
    // Every cell can be shot again.
    ShootEverything();
    EXPECT_EQ(game.Text2[1], "196");
}

TEST_F(NewGameTest, TheFirstHitLeaves24ToFind)
{
    for (int n = 0; n < CELL_COUNT; ++n) {
        if (game.Board[CellRow(n)][CellCol(n)] == CELL_SHIP) {
            game.Label3_Click(n);
            break;
        }
    }
    EXPECT_EQ(game.Text2[0], "24");
    EXPECT_EQ(game.Text2[1], "1");
}

TEST_F(NewGameTest, KeepsTheMarksInTheMargin)
{
    game.Board[14][0] = CELL_NEAR;
    game.Board[5][14] = CELL_NEAR;
    game.Board[14][14] = CELL_NEAR;
    game.NewGame();
    EXPECT_EQ(game.Board[14][0], CELL_NEAR);
    EXPECT_EQ(game.Board[5][14], CELL_NEAR);
    EXPECT_EQ(game.Board[14][14], CELL_NEAR);
}

TEST_F(NewGameTest, OnlyTheButtonsOwnIndexStartsANewGame)
{
    game.Label3_Click(0);
    game.Label3_Click(100);
    const Game before = game;
    for (const int index : {0, 2, -1, 32767}) {
        game.Command1_Click(index);
        EXPECT_EQ(PictureOf(game.Board), PictureOf(before.Board)) << "index " << index;
        EXPECT_EQ(game.Label3, before.Label3) << "index " << index;
        EXPECT_EQ(game.Text2, before.Text2) << "index " << index;
        EXPECT_EQ(game.Attempts, before.Attempts) << "index " << index;
    }
}

TEST(NewGame, EachGameContinuesTheSameRandomSequence)
{
    StandardRandom first(5);
    Game game(first);
    game.NewGame();
    const std::string fleet1 = PictureOf(game.Board);
    game.Command1_Click(1);
    const std::string fleet2 = PictureOf(game.Board);
    EXPECT_NE(fleet1, fleet2);

    StandardRandom second(5);
    Game replay(second);
    replay.NewGame();
    EXPECT_EQ(PictureOf(replay.Board), fleet1);
    replay.NewGame();
    EXPECT_EQ(PictureOf(replay.Board), fleet2);
}

TEST(NewGame, NeverReseedsTheGenerator)
{
    StandardRandom generator(1);
    ScriptedRandom script;
    for (int i = 0; i < 200; ++i) {
        script.Add(generator.Next());
    }
    Game game(script);
    game.NewGame();
    game.Command1_Click(1);
    EXPECT_EQ(script.seedings, 0);
}

}  // namespace
}  // namespace tavrelin::testing
