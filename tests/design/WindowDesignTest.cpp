// The window as every toolkit's window takes it: twips to pixels at any dots per inch, the grid's
// geometry and the cell under a point, the page's layouts, the click rule, and the window's
// behaviour: its start-up and what it has to redraw after each event.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../game/GameTestSupport.h"
#include "ClickRule.h"
#include "PageLayout.h"
#include "ScreenReader.h"
#include "ShownGame.h"
#include "WindowBehaviour.h"
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

TEST(ClickRule, PressesAndReleasesMakeClicksOfTheirOwnLabel)
{
    using design::Label;
    constexpr Label A = Label::Cell(40);
    constexpr Label B = Label::Cell(41);
    constexpr Label S = Label::Switch();
    // p: press, d: second press of a double-click, r: release over a label, o: release over none.
    struct Step {
        char what = 'p';
        Label label;
    };
    struct Case {
        const char* name = "";
        std::vector<Step> steps;
        std::vector<Label> clicks;
    };
    const std::vector<Case> cases = {
        {"a press and a release on one label", {{'p', A}, {'r', A}}, {A}},
        {"a release over another label", {{'p', A}, {'r', B}}, {}},
        {"a release over no label", {{'p', A}, {'o', A}}, {}},
        {"a release with no press", {{'r', A}}, {}},
        {"a double-click on one cell", {{'p', A}, {'r', A}, {'d', A}, {'r', A}}, {A}},
        {"a double-click on the switch", {{'p', S}, {'r', S}, {'d', S}, {'r', S}}, {S}},
        {"a quick second click on the next cell", {{'p', A}, {'r', A}, {'d', B}, {'r', B}}, {A, B}},
        {"a cell, then the switch", {{'p', A}, {'r', A}, {'d', S}, {'r', S}}, {A, S}},
        {"a press dragged off, then a quick press back on it", {{'p', A}, {'o', A}, {'d', A}, {'r', A}}, {A}},
        {"a switch press dragged off, then a quick press back", {{'p', S}, {'o', S}, {'d', S}, {'r', S}}, {S}},
        {"a triple click: the third press is a press of its own",
         {{'p', A}, {'r', A}, {'d', A}, {'r', A}, {'p', A}, {'r', A}},
         {A, A}},
        {"two slow clicks on one cell", {{'p', A}, {'r', A}, {'p', A}, {'r', A}}, {A, A}},
    };
    for (const Case& c : cases) {
        design::ClickRule rule;
        std::vector<Label> clicks;
        for (const Step& step : c.steps) {
            switch (step.what) {
            case 'p': rule.Press(step.label); break;
            case 'd': rule.DoublePress(step.label); break;
            default:
                if (const auto clicked = rule.Release(step.what == 'r' ? std::optional(step.label) : std::nullopt)) {
                    clicks.push_back(*clicked);
                }
            }
        }
        EXPECT_EQ(clicks, c.clicks) << c.name;
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

// A window that writes down what the behaviour tells it, in order, with the generator's seeding.
class RecordingWindow final : public design::WindowView, public RandomSource {
public:
    bool LayOutGrid() override
    {
        said.emplace_back("grid");
        return layOutWorks;
    }
    void ShowCell(int Index) override { said.push_back("cell " + std::to_string(Index)); }
    void ShowCounter(int i, const std::string& text) override
    {
        said.push_back("counter " + std::to_string(i) + " " + text);
    }
    void ShowCurrentCell(int previous, int current) override
    {
        said.push_back("current " + std::to_string(previous) + " to " + std::to_string(current));
    }
    void Announce(const std::string& phrase) override { said.push_back("say " + phrase); }
    void LetGridTakeFocus(bool takes) override
    {
        said.emplace_back(takes ? "grid takes focus" : "grid takes no focus");
    }
    void SeedFromClock() override { said.emplace_back("seed"); }
    double Next() override { return generator_.Next(); }

    // What was said since the last call.
    std::vector<std::string> Said() { return std::exchange(said, {}); }

    bool layOutWorks = true;
    std::vector<std::string> said;

private:
    StandardRandom generator_{7};
};

struct WindowBehaviourTest : ::testing::Test {
    RecordingWindow window;
    design::WindowBehaviour behaviour{window, window};

    int CellWith(CellCode code) const
    {
        for (int n = 0; n < CELL_COUNT; ++n) {
            if (behaviour.game().Board[CellRow(n)][CellCol(n)] == code) {
                return n;
            }
        }
        return -1;
    }
    void Click(design::Label label)
    {
        behaviour.Press(label);
        behaviour.Release(label);
    }
};

TEST_F(WindowBehaviourTest, StartUpSeedsOnceLaysOutTheGridThenShowsTheFirstGamesCounters)
{
    ASSERT_TRUE(behaviour.Form_Load());
    EXPECT_EQ(window.Said(), (std::vector<std::string>{"seed", "grid", "counter 0 25", "counter 1 0"}));
    int ships = 0;
    for (int n = 0; n < CELL_COUNT; ++n) {
        ships += behaviour.game().Board[CellRow(n)][CellCol(n)] == CELL_SHIP ? 1 : 0;
        EXPECT_EQ(behaviour.Face(n), CellFace{}) << n;
    }
    EXPECT_EQ(ships, FLEET_CELLS);

    // "Чисти" deals again from the same generator, with no second seeding; nothing was shot, so
    // nothing is redrawn, and it says so.
    behaviour.Command1_Click(design::COMMAND1_INDEX);
    EXPECT_EQ(window.Said(), std::vector<std::string>{"say нова игра; остават 25, опита 0"});
}

TEST_F(WindowBehaviourTest, AStartUpWhoseGridCannotBeMadeDealsNoGame)
{
    window.layOutWorks = false;
    EXPECT_FALSE(behaviour.Form_Load());
    EXPECT_EQ(window.Said(), (std::vector<std::string>{"seed", "grid"}));
    EXPECT_EQ(behaviour.CounterText(0), "");
}

TEST_F(WindowBehaviourTest, EachEventRedrawsExactlyWhatChanged)
{
    behaviour.Form_Load();
    window.Said();
    const int water = CellWith(CELL_EMPTY);
    const int ship = CellWith(CELL_SHIP);

    Click(design::Label::Cell(water));
    EXPECT_EQ(window.Said(), (std::vector<std::string>{"cell " + std::to_string(water), "counter 1 1",
                                                       "say няма кораб; остават 25, опита 1"}));
    EXPECT_EQ(behaviour.Face(water), (CellFace{BLUE, " "}));
    // A click on a shot cell changes nothing, so nothing is redrawn.
    Click(design::Label::Cell(water));
    EXPECT_EQ(window.Said(), std::vector<std::string>{});

    Click(design::Label::Cell(ship));
    EXPECT_EQ(window.Said(), (std::vector<std::string>{"cell " + std::to_string(ship), "counter 0 24", "counter 1 2",
                                                       "say попадение; остават 24, опита 2"}));

    // The switch paints the 24 ship cells not yet red and counts them all.
    Click(design::Label::Switch());
    const std::vector<std::string> reveal = window.Said();
    ASSERT_EQ(reveal.size(), 24U + 2U);
    EXPECT_EQ(reveal[24], "counter 0 0");
    EXPECT_EQ(reveal[25], "counter 1 27");

    // A press dragged off the cell shoots nothing; "Чисти" whitens all 26 shot cells.
    behaviour.Press(design::Label::Cell(CellWith(CELL_NEAR)));
    behaviour.Release(std::nullopt);
    EXPECT_EQ(window.Said(), std::vector<std::string>{});
    behaviour.Command1_Click(design::COMMAND1_INDEX);
    const std::vector<std::string> fresh = window.Said();
    ASSERT_EQ(fresh.size(), 26U + 2U + 1U);
    EXPECT_EQ(fresh[26], "counter 0 25");
    EXPECT_EQ(fresh[27], "counter 1 0");
}

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
        EXPECT_EQ(design::MovedCell(14 * c.col + c.row, c.key), 14 * c.toCol + c.toRow)
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

TEST(WindowDesign, AShotAndANewGameSayTheirAnswerWithBothCounters)
{
    EXPECT_EQ(design::ShotPhrase({RED, "X"}, "24", "5"), "попадение; остават 24, опита 5");
    EXPECT_EQ(design::ShotPhrase({YELLOW, "!"}, "25", "1"), "близост; остават 25, опита 1");
    EXPECT_EQ(design::ShotPhrase({BLUE, " "}, "3", "120"), "няма кораб; остават 3, опита 120");
    EXPECT_EQ(design::NewGamePhrase("25", "0"), "нова игра; остават 25, опита 0");
}

TEST_F(WindowBehaviourTest, WhileTheGridTakesTheFocusTheKeysMoveTheCurrentCellAndShootIt)
{
    behaviour.Form_Load();
    window.Said();
    behaviour.SetGridTakesFocus(true);
    behaviour.SetGridTakesFocus(true);
    EXPECT_EQ(window.Said(), std::vector<std::string>{"grid takes focus"});
    EXPECT_EQ(behaviour.CurrentCell(), 0);

    // To column 4, row 6: cell 47.
    for (const design::GridKey key :
         {design::GridKey::Right, design::GridKey::Right, design::GridKey::Right, design::GridKey::Down,
          design::GridKey::Down, design::GridKey::Down, design::GridKey::Down, design::GridKey::Down}) {
        behaviour.KeyOnGrid(key);
    }
    EXPECT_EQ(behaviour.CurrentCell(), 47);
    std::vector<std::string> said = window.Said();
    ASSERT_EQ(said.size(), 8U);
    EXPECT_EQ(said.front(), "current 0 to 14");
    EXPECT_EQ(said.back(), "current 46 to 47");
    // Up at the top edge does not move, and says nothing.
    behaviour.KeyOnGrid(design::GridKey::PageUp);
    behaviour.KeyOnGrid(design::GridKey::Up);
    EXPECT_EQ(window.Said(), std::vector<std::string>{"current 47 to 42"});
    behaviour.KeyOnGrid(design::GridKey::PageDown);
    behaviour.KeyOnGrid(design::GridKey::Up);
    window.Said();

    // Space shoots the current cell as a click does; a second Space says its name again and counts nothing.
    behaviour.KeyOnGrid(design::GridKey::Space);
    said = window.Said();
    ASSERT_EQ(said.size(), 3U + (behaviour.Face(54).BackColor == RED ? 1U : 0U));
    EXPECT_EQ(said.front(), "cell 54");
    EXPECT_EQ(behaviour.CounterText(1), "1");
    EXPECT_EQ(behaviour.Phrase(), design::ShotPhrase(behaviour.Face(54), behaviour.CounterText(0), "1"));
    behaviour.KeyOnGrid(design::GridKey::Enter);
    EXPECT_EQ(window.Said(), std::vector<std::string>{"say " + design::CellName(54, behaviour.Face(54))});
    EXPECT_EQ(behaviour.CounterText(1), "1");

    // The phrase belongs to the cell it was said on; "Чисти" keeps the current cell, and so does
    // the focus coming to it again, while the focus coming to another cell moves it there.
    behaviour.KeyOnGrid(design::GridKey::Home);
    EXPECT_EQ(behaviour.Phrase(), "");
    behaviour.CellFocused(100);
    behaviour.CellFocused(100);
    behaviour.CellFocused(12);
    EXPECT_EQ(window.Said(), (std::vector<std::string>{"current 54 to 12", "current 12 to 100", "current 100 to 12"}));
    behaviour.Command1_Click(design::COMMAND1_INDEX);
    EXPECT_EQ(behaviour.CurrentCell(), 12);
    window.Said();
    behaviour.SetGridTakesFocus(false);
    EXPECT_EQ(window.Said(), std::vector<std::string>{"grid takes no focus"});
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
