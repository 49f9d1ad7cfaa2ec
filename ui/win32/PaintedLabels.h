#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "Accessible.h"
#include "CellFace.h"
#include "WindowDesign.h"

namespace tavrelin::ui {

// One window that shows a set of labels painted by hand: each label has its place, a background
// colour and a caption across its top, and perhaps a 1-pixel black border. It stands for the labels
// of a control array: the grid's cells, or the hidden switch alone.
class PaintedLabels {
    friend class GridAccessible;

public:
    // Told the index of the label clicked.
    using ClickHandler = std::function<void(int Index)>;

    // A readable set shows a screen reader each label as a cell of a table; any other, nothing.
    PaintedLabels(bool bordered, design::Alignment alignment, bool readable, ClickHandler onClick);
    // The window and the click handler know this object by its address.
    PaintedLabels(const PaintedLabels&) = delete;
    PaintedLabels(PaintedLabels&&) = delete;
    PaintedLabels& operator=(const PaintedLabels&) = delete;
    PaintedLabels& operator=(PaintedLabels&&) = delete;
    ~PaintedLabels() = default;

    // False if Windows could not register the window class.
    static bool RegisterWindowClass(HINSTANCE instance);

    // Makes the window over this place of the parent's client area, one label at each of the
    // places (given from the window's corner), every label showing this face; false if Windows
    // could not make it.
    bool Create(HWND parent, const RECT& place, std::vector<RECT> labelPlaces, HFONT font, const CellFace& face);
    // Shows a new face on one label, repainting only that label and telling a screen reader its new
    // name once the window exists.
    void SetFace(int Index, const CellFace& face);

    // The window procedure's work for this window.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The label under a point of the window, or NO_LABEL.
    int LabelAt(POINT point) const;
    void Paint(HWND window) const;

    static constexpr int NO_LABEL = -1;
    // A click on the label wParam, posted by a screen reader's action.
    static constexpr UINT WM_CLICK_LABEL = WM_APP;

    bool bordered_;
    bool readable_;
    UINT alignment_;
    ClickHandler onClick_;
    HWND window_ = nullptr;
    Accessibility accessibility_;
    HFONT font_ = nullptr;
    std::vector<RECT> places_;
    std::vector<CellFace> faces_;
    // The label the left button went down on; a click needs the button to come up over it again.
    int pressed_ = NO_LABEL;
    // The label of the last press: a double-click is one click only if both presses are on it.
    int lastPressed_ = NO_LABEL;
};

}  // namespace tavrelin::ui
