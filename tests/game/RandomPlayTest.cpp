// A million random clicks on one game: shots anywhere (off the grid too), the hidden switch, and
// the button with its own index and others. After every click the game must still be sound.
// TAVRELIN_STRESS_SEED=N replays the run of seed N.

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>

#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

constexpr int EVENTS = 1000000;

std::uint64_t StressSeed()
{
    if (const char* given = std::getenv("TAVRELIN_STRESS_SEED")) {
        return std::strtoull(given, nullptr, 10);
    }
    return 20261208;
}

// What the answer table, or the reveal, paints on a cell of this code.
CellFace ShotFace(CellCode code)
{
    switch (code) {
    case CELL_SHIP: return {RED, "X"};
    case CELL_NEAR: return {YELLOW, "!"};
    default: return {BLUE, " "};
    }
}

::testing::AssertionResult IsSound(const Game& game)
{
    if (CountCode(game.Board, CELL_SHIP) != FLEET_CELLS ||
        CountCode(game.Board, CELL_SHIP, BOARD_SIZE) != FLEET_CELLS) {
        return ::testing::AssertionFailure() << "the fleet is not 25 cells inside the field";
    }
    for (int n = 0; n < CELL_COUNT; ++n) {
        const CellFace& face = game.Label3[n];
        if (!(face == CellFace{}) && !(face == ShotFace(game.Board[CellRow(n)][CellCol(n)]))) {
            return ::testing::AssertionFailure() << "cell " << n << " shows something its code cannot give";
        }
    }
    if (game.Attempts < 0 || game.Hits < 0 || game.Hits > FLEET_CELLS) {
        return ::testing::AssertionFailure() << "a counter left its range";
    }
    if (game.Text2[1] != std::to_string(game.Attempts)) {
        return ::testing::AssertionFailure() << "the attempts counter shows " << game.Text2[1];
    }
    return ::testing::AssertionSuccess();
}

TEST(RandomPlay, AMillionClicksKeepTheGameSound)
{
    const std::uint64_t seed = StressSeed();
    std::cout << "random play from seed " << seed << " (TAVRELIN_STRESS_SEED replays it)\n";
    std::mt19937_64 events(seed);
    StandardRandom random(seed);
    Game game(random);
    game.NewGame();

    std::uniform_int_distribution<int> kind(0, 99);
    std::uniform_int_distribution<int> index(-3, CELL_COUNT + 2);
    std::uniform_int_distribution<int> buttonIndex(-1, 3);
    for (int event = 0; event < EVENTS; ++event) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", event " << event);
        const Game before = game;
        const int k = kind(events);
        if (k < 96) {
            const int n = index(events);
            game.Label3_Click(n);
            const bool shot = n >= 0 && n < CELL_COUNT && before.Label3[n].BackColor == WHITE;
            if (shot) {
                ASSERT_EQ(game.Label3[n], ShotFace(game.Board[CellRow(n)][CellCol(n)]));
                ASSERT_EQ(game.Text2[0], std::to_string(FLEET_CELLS - game.Hits));
            } else {
                ASSERT_EQ(game.Label3, before.Label3);
                ASSERT_EQ(game.Text2, before.Text2);
            }
        } else if (k < 98) {
            game.Label4_Click();
            ASSERT_EQ(game.Board, before.Board);
            if (game.ShowShips) {
                ASSERT_EQ(game.Text2[0], "0");
            } else {
                ASSERT_EQ(game.Text2, before.Text2);
            }
        } else {
            const int i = k == 99 ? 1 : buttonIndex(events);
            game.Command1_Click(i);
            if (i == 1) {
                ASSERT_EQ(game.Text2[0], "25");
                ASSERT_EQ(game.Text2[1], "0");
            } else {
                ASSERT_EQ(game.Board, before.Board);
                ASSERT_EQ(game.Label3, before.Label3);
            }
        }
        ASSERT_TRUE(IsSound(game));
    }
}

}  // namespace
}  // namespace tavrelin::testing
