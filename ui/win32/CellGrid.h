#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "Accessibility.h"
#include "Board.h"
#include "LabelPointer.h"
#include "Pinned.h"
#include "WindowDesign.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// The grid of cells, painted by one window: each cell is a label with the design's border, its
// background colour, and its caption at its top, as the window's behaviour says it shows. The
// mouse's presses and releases on the cells go to the behaviour, which makes clicks of them. While
// a screen reader runs, Tab reaches the grid, whose keys go to the behaviour too, and the current
// cell shows the focus mark.
class CellGrid : private design::Pinned {
public:
    // A screen reader's questions are answered with the main window's libraries.
    CellGrid(design::WindowBehaviour& behaviour, Accessibility& accessibility);

    // False if Windows could not register the window class.
    static bool RegisterWindowClass(HINSTANCE instance);

    // Makes the window at the grid's place of the design on the parent, on a display of this many
    // dots per inch, with captions in this font, and works out where each cell stands; false if
    // Windows could not make it.
    bool Create(HWND parent, int dpi, HFONT font);
    // Cell Index shows a new face: repaints only that cell and tells a screen reader its new name.
    void ShowCell(int Index);
    // The current cell moved: its focus mark follows, and a screen reader hears the cell.
    void ShowCurrentCell(int previous, int current);
    // Tells a screen reader that the current cell's description is the behaviour's new phrase.
    void Announce() const;
    // Whether Tab reaches the grid.
    void LetTakeFocus(bool takes);

    // The grid's window, or null before it is made and after it is gone.
    HWND Window() const { return window_; }
    // Where the cell stands on the grid's client area.
    const RECT& CellRect(int Index) const { return places_[Index]; }
    // The cell under a point of the grid's client area, if any.
    std::optional<int> CellAt(POINT point) const;
    bool HasFocus() const { return window_ != nullptr && GetFocus() == window_; }
    bool TakesFocus() const;
    // A shot at the cell, taken on the window's own thread whichever thread asks; false if it
    // cannot be sent there.
    bool PostClick(int Index) const;

    // The window procedure's work for this window.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HWND window) const;
    // A key while the grid has the focus; false if it is none of the grid's.
    bool KeyDown(WPARAM key);
    // Tells a screen reader which cell has the focus.
    void FocusCurrentCell() const;
    // Has the cell painted again.
    void Repaint(int Index) const;

    // A click on the cell wParam, posted by a screen reader's action.
    static constexpr UINT WM_CLICK_CELL = WM_APP;
    // The focus on the current cell, posted when the grid gets the focus.
    static constexpr UINT WM_FOCUS_CURRENT_CELL = WM_APP + 1;

    design::WindowBehaviour& behaviour_;
    Accessibility& accessibility_;
    LabelPointer pointer_;
    HWND window_ = nullptr;
    int dpi_ = design::DESIGN_DPI;
    HFONT font_ = nullptr;
    std::array<RECT, CELL_COUNT> places_{};
    // Each cell's caption as Windows draws it.
    std::array<std::wstring, CELL_COUNT> captions_{};
};

}  // namespace tavrelin::ui
