// The window's design as every toolkit's window takes it: twips to pixels at any dots per inch,
// the grid's geometry, and what a window has to redraw after each event.

#include <gtest/gtest.h>

#include "../game/GameTestSupport.h"
#include "ScreenReader.h"
#include "ShownGame.h"
#include "WindowDesign.h"

namespace tavrelin::testing {
namespace {

using design::Rect;

TEST(WindowDesign, TwipsBecomePixelsAtTheDisplaysRatio)
{
    struct Case {
        Rect twips;
        int dpi = 0;
        Rect pixels;
    };
    const Case cases[] = {
        {{0, 0, 7620, 6915}, 96, {0, 0, 508, 461}},
        {{4440, 480, 3015, 1830}, 96, {296, 32, 201, 122}},
        {{7440, 4800, 135, 135}, 96, {496, 320, 9, 9}},
        // 1.25 pixels a design pixel at 120 dots per inch, 1.5 at 144.
        {{0, 0, 7620, 6915}, 120, {0, 0, 635, 576}},
        {{120, 480, 300, 300}, 120, {10, 40, 25, 25}},
        {{4920, 2520, 2175, 1335}, 144, {492, 252, 218, 134}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(design::ToPixels(c.twips, c.dpi), c.pixels) << c.twips.Left << "," << c.twips.Top << " at " << c.dpi;
    }
}

TEST(WindowDesign, GridCellsTileColumnByColumnFromTheTemplate)
{
    const Rect Template{8, 32, 20, 20};
    EXPECT_EQ(design::GridCell(Template, 0), Template);
    EXPECT_EQ(design::GridCell(Template, 1), (Rect{8, 52, 20, 20}));
    EXPECT_EQ(design::GridCell(Template, 13), (Rect{8, 292, 20, 20}));
    EXPECT_EQ(design::GridCell(Template, 14), (Rect{28, 32, 20, 20}));
    EXPECT_EQ(design::GridCell(Template, 182), (Rect{268, 32, 20, 20}));
    EXPECT_EQ(design::GridCell(Template, 195), (Rect{268, 292, 20, 20}));
}

TEST(WindowDesign, NeighbouringCellsTouchAtEveryRatio)
{
    for (const int dpi : {96, 120, 144, 168}) {
        for (int n = 0; n < CELL_COUNT; ++n) {
            const Rect cell = design::ToPixels(design::GridCell(design::LABEL3_TEMPLATE, n), dpi);
            if (n + FIELD_SIZE < CELL_COUNT) {
                const Rect right = design::ToPixels(design::GridCell(design::LABEL3_TEMPLATE, n + FIELD_SIZE), dpi);
                EXPECT_EQ(cell.Left + cell.Width, right.Left) << n << " at " << dpi;
            }
            if (CellRow(n) < FIELD_SIZE - 1) {
                const Rect below = design::ToPixels(design::GridCell(design::LABEL3_TEMPLATE, n + 1), dpi);
                EXPECT_EQ(cell.Top + cell.Height, below.Top) << n << " at " << dpi;
            }
        }
    }
}

TEST(WindowDesign, FramedControlsStandOnTheClientAreaFromTheFramesCorner)
{
    // Frame1 stands at 328, 168 pixels; "Остават:" 8, 24 inside it, its counter 80, 24 inside it.
    EXPECT_EQ(design::ToPixels(design::OnClientArea(design::FRAME1, design::LABEL2[0])), (Rect{336, 192, 73, 27}));
    EXPECT_EQ(design::ToPixels(design::OnClientArea(design::FRAME1, design::TEXT2[0])), (Rect{408, 192, 57, 27}));
    EXPECT_EQ(design::ToPixels(design::OnClientArea(design::FRAME1, design::TEXT2[1])), (Rect{408, 224, 57, 27}));
}

TEST(WindowDesign, EveryControlLiesInsideTheClientArea)
{
    const auto inside = [](Rect outer, Rect inner) {
        return inner.Left >= 0 && inner.Top >= 0 && inner.Left + inner.Width <= outer.Width &&
               inner.Top + inner.Height <= outer.Height;
    };
    const Rect grid{120, 480, 14 * 300, 14 * 300};
    for (const Rect control :
         {design::LABEL1, grid, design::PICTURE1, design::FRAME1, design::COMMAND1, design::TEXT1, design::LABEL4}) {
        EXPECT_TRUE(inside(design::CLIENT_AREA, control)) << control.Left << "," << control.Top;
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(inside(design::FRAME1, design::LABEL2[i]));
        EXPECT_TRUE(inside(design::FRAME1, design::TEXT2[i]));
    }
}

// A game dealt from a fixed generator, shown in a window that keeps a ShownGame.
struct ShownGameTest : ::testing::Test {
    StandardRandom random{99};
    Game game{random};
    design::ShownGame shown;

    int CellWith(CellCode code) const
    {
        for (int n = 0; n < CELL_COUNT; ++n) {
            if (game.Board[CellRow(n)][CellCol(n)] == code) {
                return n;
            }
        }
        return -1;
    }
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
    const int water = CellWith(CELL_EMPTY);
    game.Label3_Click(water);
    const design::ShownGame::Changes miss = shown.Update(game);
    EXPECT_EQ(miss.Cells, std::vector<int>{water});
    // A miss leaves "25" to find; only the attempts change.
    EXPECT_EQ(miss.Counters, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(shown.Face(water), (CellFace{BLUE, " "}));

    const int ship = CellWith(CELL_SHIP);
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
    const int ship = CellWith(CELL_SHIP);
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

TEST(WindowDesign, AScreenReaderNamesACellByItsPlaceAndWhatTheEyeSees)
{
    struct Case {
        int index = 0;
        CellFace face;
        const char* name = "";
    };
    const Case cases[] = {
        {47, {WHITE, ""}, "колона 4, ред 6, непроверена"}, {47, {RED, "X"}, "колона 4, ред 6, попадение"},
        {47, {YELLOW, "!"}, "колона 4, ред 6, близост"},   {47, {BLUE, " "}, "колона 4, ред 6, няма кораб"},
        {0, {WHITE, ""}, "колона 1, ред 1, непроверена"},  {13, {BLUE, " "}, "колона 1, ред 14, няма кораб"},
        {14, {RED, "X"}, "колона 2, ред 1, попадение"},    {195, {YELLOW, "!"}, "колона 14, ред 14, близост"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(design::CellName(c.index, c.face), c.name) << c.index;
    }
}

}  // namespace
}  // namespace tavrelin::testing
