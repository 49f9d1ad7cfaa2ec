#include <gtest/gtest.h>

#include "Board.h"

namespace tavrelin {
namespace {

struct Cell {
    int number;
    int row;
    int col;
};

// Cell indexes run down the columns of the grid; placement positions run along its rows.
TEST(CellIndex, RunsDownEachColumn)
{
    for (const Cell c : {Cell{0, 0, 0}, Cell{1, 1, 0}, Cell{13, 13, 0}, Cell{14, 0, 1}, Cell{27, 13, 1}, Cell{47, 5, 3},
                         Cell{182, 0, 13}, Cell{195, 13, 13}}) {
        EXPECT_EQ(CellRow(c.number), c.row) << "cell " << c.number;
        EXPECT_EQ(CellCol(c.number), c.col) << "cell " << c.number;
        EXPECT_EQ(CellIndex(c.row, c.col), c.number);
    }
}

TEST(PlacementPosition, RunsAlongEachRow)
{
    for (const Cell c :
         {Cell{0, 0, 0}, Cell{4, 0, 4}, Cell{13, 0, 13}, Cell{14, 1, 0}, Cell{182, 13, 0}, Cell{195, 13, 13}}) {
        EXPECT_EQ(PositionRow(c.number), c.row) << "position " << c.number;
        EXPECT_EQ(PositionCol(c.number), c.col) << "position " << c.number;
        EXPECT_EQ(Position(c.row, c.col), c.number);
    }
}

TEST(CellIndexAndPosition, NameTransposedCellsForTheSameNumber)
{
    for (int n = 0; n < CELL_COUNT; ++n) {
        EXPECT_EQ(CellRow(n), PositionCol(n));
        EXPECT_EQ(CellCol(n), PositionRow(n));
    }
}

TEST(CellIndex, CoversTheFieldOnceAndStaysOutOfTheMargin)
{
    std::array<int, CELL_COUNT> seen{};
    for (int n = 0; n < CELL_COUNT; ++n) {
        ASSERT_LT(CellRow(n), FIELD_SIZE);
        ASSERT_LT(CellCol(n), FIELD_SIZE);
        ++seen[CellIndex(CellRow(n), CellCol(n))];
    }
    for (const int times : seen) {
        EXPECT_EQ(times, 1);
    }
}

}  // namespace
}  // namespace tavrelin
