#include "WindowBehaviour.h"

#include <utility>

#include "ScreenReader.h"

namespace tavrelin::design {

WindowBehaviour::WindowBehaviour(RandomSource& random, WindowView& window)
    : random_(random), window_(window), game_(random)
{
}

bool WindowBehaviour::Form_Load()
{
    random_.SeedFromClock();
    if (!window_.LayOutGrid()) {
        return false;
    }
    game_.NewGame();
    ShowGame();
    return true;
}

void WindowBehaviour::Press(Label label)
{
    clicks_.Press(label);
}

void WindowBehaviour::DoublePress(Label label)
{
    clicks_.DoublePress(label);
}

void WindowBehaviour::Release(std::optional<Label> under)
{
    const std::optional<Label> clicked = clicks_.Release(under);
    if (!clicked.has_value()) {
        return;
    }
    switch (clicked->Control) {
    case Label::Array::Label3: Label3_Click(clicked->Index); break;
    case Label::Array::Label4: Label4_Click(); break;
    }
}

void WindowBehaviour::Label3_Click(int Index)
{
    const bool white = Face(Index).BackColor == WHITE;
    game_.Label3_Click(Index);
    ShowGame();
    if (white) {
        Announce(ShotPhrase(Face(Index), CounterText(0), CounterText(1)), Index);
    }
}

void WindowBehaviour::Label4_Click()
{
    game_.Label4_Click();
    ShowGame();
}

void WindowBehaviour::Command1_Click(int Index)
{
    game_.Command1_Click(Index);
    ShowGame();
    Announce(NewGamePhrase(CounterText(0), CounterText(1)), std::nullopt);
}

void WindowBehaviour::SetGridTakesFocus(bool takes)
{
    if (takes != gridTakesFocus_) {
        gridTakesFocus_ = takes;
        window_.LetGridTakeFocus(takes);
    }
}

void WindowBehaviour::KeyOnGrid(GridKey key)
{
    if (key == GridKey::Space || key == GridKey::Enter) {
        if (Face(current_).BackColor == WHITE) {
            Label3_Click(current_);
        } else {
            Announce(CellName(current_, Face(current_)), current_);
        }
        return;
    }
    MoveCurrentCell(MovedCell(current_, key));
}

void WindowBehaviour::CellFocused(int Index)
{
    MoveCurrentCell(Index);
}

void WindowBehaviour::MoveCurrentCell(int Index)
{
    if (Index != current_) {
        phrase_.clear();
        window_.ShowCurrentCell(std::exchange(current_, Index), Index);
    }
}

void WindowBehaviour::Announce(const std::string& phrase, std::optional<int> about)
{
    phrase_ = about == current_ ? phrase : std::string();
    window_.Announce(phrase);
}

void WindowBehaviour::ShowGame()
{
    const ShownGame::Changes changes = shown_.Update(game_);
    for (const int n : changes.Cells) {
        window_.ShowCell(n);
    }
    for (int i = 0; i < 2; ++i) {
        if (changes.Counters[i]) {
            window_.ShowCounter(i, shown_.Text(i));
        }
    }
}

}  // namespace tavrelin::design
