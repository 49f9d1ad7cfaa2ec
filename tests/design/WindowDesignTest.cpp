// The window's design as every toolkit's window takes it: twips to pixels at any dots per inch, the
// grid's geometry and the cell under a point, where the controls stand, and where the window goes
// on the screen.

#include <gtest/gtest.h>

#include <optional>

#include "Board.h"
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

TEST(WindowDesign, ThePixelUnderThePointerBelongsToTheCellWhosePlaceHoldsIt)
{
    for (const int dpi : {96, 120, 144, 168}) {
        const Rect grid = design::GridPlace(dpi);
        for (int y = -2; y < grid.Height + 2; ++y) {
            for (int x = -2; x < grid.Width + 2; ++x) {
                std::optional<int> holder;
                for (int n = 0; n < CELL_COUNT && !holder; ++n) {
                    const Rect cell = design::CellPlace(n, dpi);
                    if (x >= cell.Left && x < cell.Left + cell.Width && y >= cell.Top && y < cell.Top + cell.Height) {
                        holder = n;
                    }
                }
                ASSERT_EQ(design::CellAt(x, y, dpi), holder) << x << "," << y << " at " << dpi;
            }
        }
    }
    EXPECT_EQ(design::GridPlace(96), (Rect{8, 32, 280, 280}));
    EXPECT_EQ(design::CellPlace(47, 96), (Rect{60, 100, 20, 20}));
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

// The window stands in the middle of the work area, but never above its top nor left of its left
// edge, where the window is the larger.
TEST(WindowDesign, TheWindowStandsCentredOnTheWorkAreaAndInsideItsTopLeftCorner)
{
    struct Case {
        Rect work;
        int width = 0;
        int height = 0;
        Rect window;
    };
    const Case cases[] = {
        {{0, 0, 1024, 768}, 524, 500, {250, 134, 524, 500}},
        {{64, 27, 1856, 1053}, 524, 500, {730, 303, 524, 500}},
        {{0, 30, 800, 570}, 900, 700, {0, 30, 900, 700}},
        {{1920, 0, 1280, 1024}, 524, 1100, {2298, 0, 524, 1100}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(design::CentredWindow(c.work, c.width, c.height), c.window) << c.work.Left << "," << c.work.Top;
    }
}

}  // namespace
}  // namespace tavrelin::testing
