// The odds of every random choice of the fleet. The draws are swept over an even grid of u in
// [0, 1) and fed through the real placement, and each choice is read back off the board.

#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

constexpr int GRID = 100000;

// Percentages of each outcome when the swept draw is the one at `slot` among `draws` draws.
std::map<int, double> Sweep(int draws, int slot, const std::function<int(Game&)>& placeAndRead)
{
    std::map<int, int> counts;
    for (int i = 0; i < GRID; ++i) {
        ScriptedRandom random;
        for (int d = 0; d < draws; ++d) {
            random.Add(d == slot ? (i + 0.5) / GRID : 0.0);
        }
        Game game(random);
        ++counts[placeAndRead(game)];
    }
    std::map<int, double> percent;
    for (const auto& [outcome, count] : counts) {
        percent[outcome] = 100.0 * count / GRID;
    }
    return percent;
}

void ExpectOdds(const std::map<int, double>& actual, const std::map<int, double>& expected, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (const auto& [outcome, percent] : expected) {
        ASSERT_TRUE(actual.contains(outcome)) << what << " never gives " << outcome;
        EXPECT_NEAR(actual.at(outcome), percent, 0.005) << what << " = " << outcome;
    }
}

Square FirstShipCell(const Game& game)
{
    return ShipSquares(game.Board).front();
}

TEST(DrawOdds, FourCellShipTakesEachSideAndOffsetEquallyOften)
{
    ExpectOdds(Sweep(2, 0,
                     [](Game& g) {
                         g.PlaceShip4();
                         return g.Dir4;
                     }),
               {{0, 25}, {1, 25}, {2, 25}, {3, 25}}, "Dir4");
    ExpectOdds(Sweep(2, 1,
                     [](Game& g) {
                         g.PlaceShip4();
                         return FirstShipCell(g).col;
                     }),
               {{2, 20}, {3, 20}, {4, 20}, {5, 20}, {6, 20}}, "Offset4");
}

TEST(DrawOdds, ThreeCellShipFavoursNoLineAndSlightlyShunsTheLastOffset)
{
    ExpectOdds(Sweep(2, 0,
                     [](Game& g) {
                         g.PlaceShip3();
                         return FirstShipCell(g).col;
                     }),
               {{3, 16.5}, {4, 17}, {5, 17}, {6, 17}, {7, 16.5}, {8, 16}}, "Offset3");
    ExpectOdds(Sweep(2, 1,
                     [](Game& g) {
                         g.PlaceShip3();
                         return FirstShipCell(g).row;
                     }),
               {{0, 50}, {1, 50}}, "Band3");
}

TEST(DrawOdds, TwoCellShipOffsetAndBand)
{
    ExpectOdds(Sweep(2, 0,
                     [](Game& g) {
                         g.PlaceShip2();
                         return FirstShipCell(g).col - 1;
                     }),
               {{4, 33.5}, {5, 33.5}, {6, 33}}, "Offset2");
    ExpectOdds(Sweep(2, 1,
                     [](Game& g) {
                         g.PlaceShip2();
                         return FirstShipCell(g).row - 3;
                     }),
               {{0, 50}, {1, 50}}, "Band2");
}

TEST(DrawOdds, SingleShipPositionsWrapRoundPast195)
{
    std::map<int, double> expected;
    for (int pos = 0; pos < CELL_COUNT; ++pos) {
        expected[pos] = 0.5;
    }
    // Draws 196..200 land on positions 0..4 again; 0 and 200 come half as often as the rest.
    expected[0] = 0.75;
    expected[1] = expected[2] = expected[3] = 1.0;
    expected[4] = 0.75;
    ExpectOdds(Sweep(1, 0,
                     [](Game& g) {
                         g.PlaceShip1();
                         const Square s = FirstShipCell(g);
                         return Position(s.row, s.col);
                     }),
               expected, "single-ship position");
}

}  // namespace
}  // namespace tavrelin::testing
