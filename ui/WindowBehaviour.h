#pragma once

#include <optional>
#include <string>

#include "ClickRule.h"
#include "Game.h"
#include "GridKey.h"
#include "RandomSource.h"
#include "ShownGame.h"
#include "WindowView.h"

namespace tavrelin::design {

// How the game's window behaves, whichever toolkit draws it. It starts up in the designed order,
// makes clicks of the mouse's presses and releases, answers each event with the game's procedures,
// and then tells its window exactly what to redraw and what to say to a screen reader. Where the
// window lets it, the grid also takes the keyboard focus, on its current cell. A toolkit's window
// makes its controls from the design, hands every input here, and draws what it is told.
class WindowBehaviour {
public:
    // The window is told what to draw; the generator is seeded once, at start-up.
    WindowBehaviour(RandomSource& random, WindowView& window);

    // Start-up, before the window is first shown: seed the generator from the clock, have the
    // window lay out its grid, deal the first game and show it. False if the window could not lay
    // out its grid, and start-up ends there.
    bool Form_Load();

    // The left button on a label: a press, the second press of a double-click, and the release
    // over a label or over none. A press and release that make a click deliver its event.
    void Press(Label label);
    void DoublePress(Label label);
    void Release(std::optional<Label> under);

    // The window's events, from a click, a key or a screen reader's action. A shot and "Чисти"
    // say their answer with both counters.
    void Label3_Click(int Index);
    void Label4_Click();
    void Command1_Click(int Index);

    // Whether the grid takes the keyboard focus, now and whenever that changes: on a desktop only
    // while a screen reader runs, on a page always.
    void SetGridTakesFocus(bool takes);
    // A key on the grid while it has the focus: moves the current cell, or shoots it as a click
    // does. A cell already shot only says its name again.
    void KeyOnGrid(GridKey key);
    // The focus came to a cell by other means than the grid's keys, a screen reader's say: that cell
    // is the current one, for the keys that follow.
    void CellFocused(int Index);

    // What the window shows now.
    const CellFace& Face(int Index) const { return shown_.Face(Index); }
    const std::string& CounterText(int i) const { return shown_.Text(i); }
    const Game& game() const { return game_; }
    // The cell that has the focus while the grid has it: cell 0 at first, then wherever the keys
    // left it, whatever game is dealt.
    int CurrentCell() const { return current_; }
    // What was last said about the current cell, until it moves or something else is said: its
    // description.
    const std::string& Phrase() const { return phrase_; }

private:
    // Brings the window in line with the game, drawing only what changed.
    void ShowGame();
    // Makes the cell the current one, and has the window show it.
    void MoveCurrentCell(int Index);
    // Says the phrase; one about the current cell is also its description until the cell moves.
    void Announce(const std::string& phrase, std::optional<int> about);

    RandomSource& random_;
    WindowView& window_;
    Game game_;
    ShownGame shown_;
    ClickRule clicks_;
    bool gridTakesFocus_ = false;
    int current_ = 0;
    std::string phrase_;
};

}  // namespace tavrelin::design
