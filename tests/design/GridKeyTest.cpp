// The grid's keys: where each moves the current cell, and which combinations are the grid's.

#include <gtest/gtest.h>

#include <optional>

#include "Board.h"
#include "GridKey.h"

namespace tavrelin::testing {
namespace {

TEST(GridKey, ArrowsMoveOneCellAndStopAtTheEdgesHomeEndAndPagesGoToTheEnds)
{
    using design::GridKey;
    // Cells as (column, row), both counted from 0; the grid's cell index runs down each column.
    struct Case {
        int col = 0;
        int row = 0;
        GridKey key = GridKey::Left;
        int toCol = 0;
        int toRow = 0;
    };
    const Case cases[] = {
        {3, 5, GridKey::Left, 2, 5},   {3, 5, GridKey::Right, 4, 5},    {3, 5, GridKey::Up, 3, 4},
        {3, 5, GridKey::Down, 3, 6},   {0, 5, GridKey::Left, 0, 5},     {13, 5, GridKey::Right, 13, 5},
        {3, 0, GridKey::Up, 3, 0},     {3, 13, GridKey::Down, 3, 13},   {3, 5, GridKey::Home, 0, 5},
        {3, 5, GridKey::End, 13, 5},   {3, 5, GridKey::PageUp, 3, 0},   {3, 5, GridKey::PageDown, 3, 13},
        {0, 13, GridKey::Down, 0, 13}, {13, 0, GridKey::Right, 13, 0},  {3, 5, GridKey::Space, 3, 5},
        {3, 5, GridKey::Enter, 3, 5},  {3, 5, GridKey::CtrlHome, 0, 0}, {3, 5, GridKey::CtrlEnd, 13, 13},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(design::MovedCell(CellIndex(c.row, c.col), c.key), CellIndex(c.toRow, c.toCol))
            << c.col << "," << c.row << " key " << static_cast<int>(c.key);
    }
}

TEST(GridKey, OnlyKeysAloneAndCtrlWithHomeOrEndAreTheGrids)
{
    using design::GridKey;
    struct Case {
        GridKey key = GridKey::Left;
        design::Modifiers held;
        std::optional<GridKey> grids;
    };
    const Case cases[] = {
        {GridKey::Home, {}, GridKey::Home},
        {GridKey::Home, {.Ctrl = true}, GridKey::CtrlHome},
        {GridKey::End, {.Ctrl = true}, GridKey::CtrlEnd},
        {GridKey::Space, {}, GridKey::Space},
        {GridKey::Home, {.Shift = true, .Ctrl = true}, std::nullopt},
        {GridKey::End, {.Ctrl = true, .Alt = true}, std::nullopt},
        {GridKey::Left, {.Ctrl = true}, std::nullopt},
        {GridKey::Left, {.Alt = true}, std::nullopt},
        {GridKey::Enter, {.Shift = true}, std::nullopt},
        {GridKey::PageDown, {.Ctrl = true}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(design::WithModifiers(c.key, c.held), c.grids)
            << static_cast<int>(c.key) << " shift " << c.held.Shift << " ctrl " << c.held.Ctrl << " alt " << c.held.Alt;
    }
}

}  // namespace
}  // namespace tavrelin::testing
