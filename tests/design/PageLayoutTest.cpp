// The page's layouts, over the same list of pages as the browser test.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "PageLayout.h"
#include "WindowDesign.h"

namespace tavrelin::testing {
namespace {

using design::Rect;

// Every page of the shared list: with a mouse on a page at least 508 pixels wide, the design itself;
// else cells a finger hits, and the whole grid in view where the page is at least 350 pixels high.
// Every control stands inside the page's width, and none covers another but where the design has
// them overlap: the frame round its captions and counters, each caption under its counter, and the
// rules box over the switch.
TEST(PageLayout, EveryPageShowsEveryControlSideBySideAndCellsAFingerHits)
{
    std::ifstream sizes(TAVRELIN_PAGE_SIZES);
    ASSERT_TRUE(sizes.is_open());
    int pages = 0;
    for (std::string line; std::getline(sizes, line);) {
        std::istringstream fields(line);
        std::string pointer;
        int width = 0;
        int height = 0;
        if (line.starts_with('#') || !(fields >> pointer >> width >> height)) {
            continue;
        }
        ++pages;
        const design::PageLayout page = design::LayOutPage(width, height, pointer == "touch");
        const std::string at = pointer + " " + std::to_string(width) + "x" + std::to_string(height);
        const double scale = page.Scale.Value();
        if (pointer == "mouse" && width >= 508) {
            EXPECT_EQ(scale, 1) << at;
            EXPECT_EQ(page.Label3, (Rect{8, 32, 280, 280})) << at;
            EXPECT_EQ(page.Text1, (Rect{8, 320, 489, 137})) << at;
        } else {
            EXPECT_GE(page.Cell * scale, 24) << at;
        }
        EXPECT_EQ(page.Label3.Width, 14 * page.Cell) << at;
        if (height >= 350) {
            EXPECT_LE(page.Label3.Height * scale, height) << at;
        }
        const std::vector<std::pair<const char*, Rect>> controls{
            {"Label1", page.Label1},
            {"Label3", page.Label3},
            {"Picture1", page.Picture1},
            {"Frame1", page.Frame1},
            {"Label2_0", design::OnClientArea(page.Frame1, design::ToPixels(design::LABEL2[0]))},
            {"Text2_0", design::OnClientArea(page.Frame1, design::ToPixels(design::TEXT2[0]))},
            {"Label2_1", design::OnClientArea(page.Frame1, design::ToPixels(design::LABEL2[1]))},
            {"Text2_1", design::OnClientArea(page.Frame1, design::ToPixels(design::TEXT2[1]))},
            {"Command1", page.Command1},
            {"Text1", page.Text1},
            {"Label4", page.Label4},
        };
        const std::vector<std::string> overlapping{"Frame1 Label2_0", "Frame1 Text2_0",   "Frame1 Label2_1",
                                                   "Frame1 Text2_1",  "Label2_0 Text2_0", "Label2_1 Text2_1",
                                                   "Text1 Label4"};
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const auto& [name, place] = controls[i];
            EXPECT_TRUE(place.Left >= 0 && (place.Left + place.Width) * scale <= width + 1e-9) << at << " " << name;
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const Rect other = controls[j].second;
                const bool overlap = place.Left < other.Left + other.Width && other.Left < place.Left + place.Width &&
                                     place.Top < other.Top + other.Height && other.Top < place.Top + place.Height;
                const std::string pair = std::string(name) + " " + controls[j].first;
                EXPECT_EQ(overlap, std::find(overlapping.begin(), overlapping.end(), pair) != overlapping.end())
                    << at << " " << pair;
            }
        }
    }
    EXPECT_EQ(pages, 10);
}

}  // namespace
}  // namespace tavrelin::testing
