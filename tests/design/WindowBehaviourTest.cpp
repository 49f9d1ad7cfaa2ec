// The window's behaviour: its start-up, and what it has its window redraw and say after each
// event, a click or a key of the grid.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../game/GameTestSupport.h"
#include "ScreenReader.h"
#include "WindowBehaviour.h"
#include "WindowDesign.h"

namespace tavrelin::testing {
namespace {

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
    const int water = FirstCellWith(behaviour.game().Board, CELL_EMPTY);
    const int ship = FirstCellWith(behaviour.game().Board, CELL_SHIP);

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
    behaviour.Press(design::Label::Cell(FirstCellWith(behaviour.game().Board, CELL_NEAR)));
    behaviour.Release(std::nullopt);
    EXPECT_EQ(window.Said(), std::vector<std::string>{});
    behaviour.Command1_Click(design::COMMAND1_INDEX);
    const std::vector<std::string> fresh = window.Said();
    ASSERT_EQ(fresh.size(), 26U + 2U + 1U);
    EXPECT_EQ(fresh[26], "counter 0 25");
    EXPECT_EQ(fresh[27], "counter 1 0");
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

}  // namespace
}  // namespace tavrelin::testing
