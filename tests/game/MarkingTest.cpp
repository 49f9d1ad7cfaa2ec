#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace tavrelin::testing {
namespace {

// Marks the board laid out in the first picture and compares the whole array, margin included,
// with the second picture.
void ExpectMarking(std::initializer_list<std::string_view> before, std::initializer_list<std::string_view> after)
{
    ScriptedRandom random;
    Game game(random);
    game.Board = BoardFromPicture(before);
    game.UpdateBoard();
    EXPECT_EQ(PictureOf(game.Board), PictureOf(BoardFromPicture(after)));
}

TEST(Marking, AShipInTheTopLeftCornerMarksItsThreeNeighbours)
{
    ExpectMarking(
        {
            "#",
        },
        {
            "#+",
            "++",
        });
}

TEST(Marking, AShipOnTheTopEdgeMarksTheFiveCellsAroundIt)
{
    ExpectMarking(
        {
            ".......#",
        },
        {
            "......+#+",
            "......+++",
        });
}

TEST(Marking, AShipInTheBottomRightCornerMarksTheMarginToo)
{
    ExpectMarking(
        {
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            "..............",
            ".............#",
        },
        {
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "...............",
            "............+++",
            "............+#+",
            "............+++",
        });
}

TEST(Marking, ScansTheMarginRowAndColumnToo)
{
    // The game never puts a ship there, but the pass reads the whole array.
    ScriptedRandom random;
    Game game(random);
    game.Board[14][5] = CELL_SHIP;
    game.Board[5][14] = CELL_SHIP;
    game.UpdateBoard();
    for (const auto& [row, col] : {std::pair{13, 4}, {13, 5}, {13, 6}, {14, 4}, {14, 6}, {4, 13}, {6, 14}}) {
        EXPECT_EQ(game.Board[row][col], CELL_NEAR) << row << ", " << col;
    }
}

TEST(Marking, TheCellsOfOneShipStayShipCells)
{
    ExpectMarking(
        {
            "..............",
            "..####........",
            "..............",
            "........#.....",
            "........#.....",
        },
        {
            ".++++++.......",
            ".+####+.......",
            ".+++++++++....",
            ".......+#+....",
            ".......+#+....",
            ".......+++....",
        });
}

TEST(Marking, OldMarksStayWhereNoShipIsLeft)
{
    ExpectMarking(
        {
            "+++...",
            "+.+...",
            "+++..#",
        },
        {
            "+++....",
            "+.+.+++",
            "+++.+#+",
            "....+++",
        });
}

TEST(Marking, ASecondCallChangesNothing)
{
    ScriptedRandom random;
    Game game(random);
    game.Board = BoardFromPicture({
        "#.....#.......",
        "......#.......",
        "..............",
        "...##.........",
    });
    game.Board[13][13] = CELL_SHIP;
    game.UpdateBoard();
    const BoardArray once = game.Board;
    game.UpdateBoard();
    EXPECT_EQ(PictureOf(game.Board), PictureOf(once));
}

TEST(Marking, WithTheRevealOffTouchesNoCellNorCounter)
{
    ScriptedRandom random;
    Game game(random);
    game.Board = BoardFromPicture({"..#", "..#"});
    game.Label3[CellIndex(0, 2)] = CellFace{RED, "X"};
    game.Label3[CellIndex(5, 5)] = CellFace{BLUE, " "};
    game.Hits = 1;
    game.Attempts = 2;
    game.Text2 = {"24", "2"};
    const auto faces = game.Label3;
    game.UpdateBoard();
    EXPECT_EQ(game.Label3, faces);
    EXPECT_EQ(game.Text2[0], "24");
    EXPECT_EQ(game.Text2[1], "2");
    EXPECT_EQ(game.Attempts, 2);
    EXPECT_EQ(game.Hits, 0);
}

}  // namespace
}  // namespace tavrelin::testing
