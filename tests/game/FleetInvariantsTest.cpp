// Many games dealt by the program's own generator, each checked against the rules of the fleet.

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

constexpr int GAMES = 100000;

// Passes the generator's values on, and before each draw for a single ship notes how much open
// water is left for it.
class WatchingRandom final : public RandomSource {
public:
    explicit WatchingRandom(RandomSource& inner) : inner_(inner) {}

    void SeedFromClock() override { inner_.SeedFromClock(); }
    double Next() override
    {
        if (game != nullptr && ++drawsThisGame > 16) {
            const int singlesPlaced = CountCode(game->Board, CELL_SHIP) - 21;
            const int open = CountCode(game->Board, CELL_EMPTY);
            fewestOpen[singlesPlaced] = std::min(fewestOpen[singlesPlaced], open);
        }
        return inner_.Next();
    }

    const Game* game = nullptr;
    int drawsThisGame = 0;
    std::array<int, 4> fewestOpen{CELL_COUNT, CELL_COUNT, CELL_COUNT, CELL_COUNT};

private:
    RandomSource& inner_;
};

struct Ship {
    std::vector<Square> cells;
};

// The ships of the field: ship cells joined sideways or diagonally. Ships that touched, even at a
// corner, would come out as one.
std::vector<Ship> FindShips(const BoardArray& board)
{
    std::vector<Ship> ships;
    std::array<std::array<bool, BOARD_SIZE>, BOARD_SIZE> seen{};
    for (const Square start : ShipSquares(board)) {
        if (seen[start.row][start.col]) {
            continue;
        }
        Ship ship;
        std::vector<Square> todo{start};
        seen[start.row][start.col] = true;
        while (!todo.empty()) {
            const Square s = todo.back();
            todo.pop_back();
            ship.cells.push_back(s);
            for (int r = std::max(0, s.row - 1); r <= std::min(BOARD_SIZE - 1, s.row + 1); ++r) {
                for (int c = std::max(0, s.col - 1); c <= std::min(BOARD_SIZE - 1, s.col + 1); ++c) {
                    if (board[r][c] == CELL_SHIP && !seen[r][c]) {
                        seen[r][c] = true;
                        todo.push_back({r, c});
                    }
                }
            }
        }
        std::sort(ship.cells.begin(), ship.cells.end());
        ships.push_back(ship);
    }
    return ships;
}

bool Straight(const Ship& ship)
{
    const Square first = ship.cells.front();
    const Square last = ship.cells.back();
    const int length = static_cast<int>(ship.cells.size());
    return (first.row == last.row && last.col - first.col == length - 1) ||
           (first.col == last.col && last.row - first.row == length - 1);
}

int Distance(const Ship& a, const Ship& b)
{
    int nearest = BOARD_SIZE;
    for (const Square p : a.cells) {
        for (const Square q : b.cells) {
            nearest = std::min(nearest, std::max(std::abs(p.row - q.row), std::abs(p.col - q.col)));
        }
    }
    return nearest;
}

bool TouchesShip(const BoardArray& board, int row, int col)
{
    for (int r = std::max(0, row - 1); r <= std::min(BOARD_SIZE - 1, row + 1); ++r) {
        for (int c = std::max(0, col - 1); c <= std::min(BOARD_SIZE - 1, col + 1); ++c) {
            if ((r != row || c != col) && board[r][c] == CELL_SHIP) {
                return true;
            }
        }
    }
    return false;
}

// Every rule a dealt fleet keeps; the first one broken is reported.
::testing::AssertionResult FleetIsLegal(const BoardArray& board)
{
    auto broken = [&board](const char* rule) {
        return ::testing::AssertionFailure() << rule << "\n" << PictureOf(board);
    };
    if (CountCode(board, CELL_SHIP) != FLEET_CELLS) {
        return broken("the field must hold exactly 25 ship cells");
    }
    if (CountCode(board, CELL_SHIP, BOARD_SIZE) != FLEET_CELLS) {
        return broken("a ship cell lies in the margin");
    }
    for (int row = 0; row < FIELD_SIZE; ++row) {
        for (int col = 0; col < FIELD_SIZE; ++col) {
            const CellCode code = board[row][col];
            if (code == CELL_NEAR && !TouchesShip(board, row, col)) {
                return broken("a marked cell touches no ship");
            }
            if (code == CELL_EMPTY && TouchesShip(board, row, col)) {
                return broken("an unmarked cell touches a ship");
            }
        }
    }
    std::vector<Ship> ships = FindShips(board);
    std::vector<int> sizes;
    for (const Ship& ship : ships) {
        if (!Straight(ship)) {
            return broken("ships touch, or a ship is not one straight line");
        }
        sizes.push_back(static_cast<int>(ship.cells.size()));
    }
    std::sort(sizes.begin(), sizes.end());
    if (sizes != std::vector<int>{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4}) {
        return broken("the fleet is not 1 x 4, 3 x 3, 4 x 2 and 4 x 1");
    }
    for (const Ship& a : ships) {
        for (const Ship& b : ships) {
            if (&a == &b || a.cells.size() < 2 || b.cells.size() < 2) {
                continue;
            }
            const int least = (a.cells.size() == 4 || b.cells.size() == 4) ? 3 : 2;
            if (Distance(a, b) < least) {
                return broken("two long ships stand closer than their sectors allow");
            }
        }
    }
    return ::testing::AssertionSuccess();
}

void DealAndCheck(RandomSource& generator)
{
    WatchingRandom random(generator);
    Game game(random);
    random.game = &game;
    for (int i = 0; i < GAMES; ++i) {
        random.drawsThisGame = 0;
        game.NewGame();
        ASSERT_TRUE(FleetIsLegal(game.Board)) << "game " << i;
    }
    // Open water left for the first to the fourth single ship, at the least.
    EXPECT_GE(random.fewestOpen[0], 85);
    EXPECT_GE(random.fewestOpen[1], 76);
    EXPECT_GE(random.fewestOpen[2], 67);
    EXPECT_GE(random.fewestOpen[3], 58);
}

TEST(FleetInvariants, HoldInEveryGameFromAFixedSeed)
{
    StandardRandom generator(20261208);
    DealAndCheck(generator);
}

TEST(FleetInvariants, HoldInEveryGameFromTheClock)
{
    StandardRandom generator;
    generator.SeedFromClock();
    DealAndCheck(generator);
}

TEST(StandardRandom, StaysInsideTheUnitInterval)
{
    StandardRandom generator(7);
    double lowest = 1.0;
    double highest = 0.0;
    for (int i = 0; i < 1000000; ++i) {
        const double u = generator.Next();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        lowest = std::min(lowest, u);
        highest = std::max(highest, u);
    }
    EXPECT_LT(lowest, 0.0001);
    EXPECT_GT(highest, 0.9999);
}

}  // namespace
}  // namespace tavrelin::testing
