// What a window has to redraw after each change of the game.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "../game/GameTestSupport.h"
#include "ShownGame.h"

namespace tavrelin::testing {
namespace {

// A game dealt from a fixed generator, shown in a window that keeps a ShownGame.
struct ShownGameTest : ::testing::Test {
    StandardRandom random{99};
    Game game{random};
    design::ShownGame shown;
};

TEST_F(ShownGameTest, AFreshWindowRedrawsOnlyTheCountersOfTheFirstGame)
{
    game.NewGame();
    const design::ShownGame::Changes first = shown.Update(game);
    EXPECT_TRUE(first.Cells.empty());
    EXPECT_EQ(first.Counters, (std::array<bool, 2>{true, true}));
    EXPECT_EQ(shown.Text(0), "25");
    EXPECT_EQ(shown.Text(1), "0");

    const design::ShownGame::Changes again = shown.Update(game);
    EXPECT_TRUE(again.Cells.empty());
    EXPECT_EQ(again.Counters, (std::array<bool, 2>{false, false}));
}

TEST_F(ShownGameTest, AShotRedrawsItsCellAndWhatItsCountersSay)
{
    game.NewGame();
    shown.Update(game);
    const int water = FirstCellWith(game.Board, CELL_EMPTY);
    game.Label3_Click(water);
    const design::ShownGame::Changes miss = shown.Update(game);
    EXPECT_EQ(miss.Cells, std::vector<int>{water});
    // A miss leaves "25" to find; only the attempts change.
    EXPECT_EQ(miss.Counters, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(shown.Face(water), (CellFace{BLUE, " "}));

    const int ship = FirstCellWith(game.Board, CELL_SHIP);
    game.Label3_Click(ship);
    const design::ShownGame::Changes hit = shown.Update(game);
    EXPECT_EQ(hit.Cells, std::vector<int>{ship});
    EXPECT_EQ(hit.Counters, (std::array<bool, 2>{true, true}));
    EXPECT_EQ(shown.Text(0), "24");
}

TEST_F(ShownGameTest, TheRevealRedrawsTheShipCellsNotYetRedAndANewGameEveryShotCell)
{
    game.NewGame();
    shown.Update(game);
    const int ship = FirstCellWith(game.Board, CELL_SHIP);
    game.Label3_Click(ship);
    shown.Update(game);

    game.Label4_Click();
    const design::ShownGame::Changes reveal = shown.Update(game);
    // The hit cell already shows red "X", so 24 ship cells are left to redraw.
    EXPECT_EQ(reveal.Cells.size(), 24U);
    for (const int n : reveal.Cells) {
        EXPECT_EQ(game.Board[CellRow(n)][CellCol(n)], CELL_SHIP) << n;
    }

    game.Command1_Click(1);
    const design::ShownGame::Changes fresh = shown.Update(game);
    EXPECT_EQ(fresh.Cells.size(), 25U);
    for (int n = 0; n < CELL_COUNT; ++n) {
        EXPECT_EQ(shown.Face(n), CellFace{}) << n;
    }
}

}  // namespace
}  // namespace tavrelin::testing
