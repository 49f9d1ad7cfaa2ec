#pragma once

#include <string>

namespace tavrelin::design {

// What the window's behaviour asks of a toolkit's window: to lay out the grid once, and then to
// draw what changed. The window reads a cell's new face from the behaviour when it paints it.
class WindowView {
public:
    // Makes the grid of 14 x 14 cells at its place of the design, every cell white and empty; false
    // if the toolkit could not.
    virtual bool LayOutGrid() = 0;
    // Cell Index shows a new face: repaint it, and tell a screen reader its new name.
    virtual void ShowCell(int Index) = 0;
    // Counter i, Text2(i), shows this text.
    virtual void ShowCounter(int i, const std::string& text) = 0;

protected:
    // The behaviour never owns its window.
    ~WindowView() = default;
};

}  // namespace tavrelin::design
