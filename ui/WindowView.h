#pragma once

#include <string>

namespace tavrelin::design {

// What the window's behaviour asks of a toolkit's window: to lay out the grid once, then to draw
// what changed, and to speak to a screen reader. The window reads a cell's face, the current cell
// and the last phrase from the behaviour whenever it paints or answers a screen reader.
class WindowView {
public:
    // Makes the grid of 14 x 14 cells at its place of the design, every cell white and empty; false
    // if the toolkit could not.
    virtual bool LayOutGrid() = 0;
    // Cell Index shows a new face: repaint it, and tell a screen reader its new name.
    virtual void ShowCell(int Index) = 0;
    // Counter i, Text2(i), shows this text.
    virtual void ShowCounter(int i, const std::string& text) = 0;
    // The current cell moved: move its focus mark, and tell a screen reader the newly focused cell.
    virtual void ShowCurrentCell(int previous, int current) = 0;
    // Has a screen reader say the phrase now, in the way that the toolkit's screen readers listen.
    virtual void Announce(const std::string& phrase) = 0;
    // From now on the grid takes the keyboard focus after "Чисти" in the order of Tab, or no longer
    // does; a grid that stops taking it while it has it hands it to the first stop of the order.
    virtual void LetGridTakeFocus(bool takes) = 0;

protected:
    // The behaviour never owns its window.
    ~WindowView() = default;
};

}  // namespace tavrelin::design
