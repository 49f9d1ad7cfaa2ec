#pragma once

#include <windows.h>

#include <array>

#include "Accessibility.h"
#include "CellGrid.h"
#include "ClickLabel.h"
#include "Counter.h"
#include "PictureBox.h"
#include "Pinned.h"
#include "PushButton.h"
#include "RulesBox.h"
#include "Win32Support.h"
#include "WindowBehaviour.h"
#include "WindowView.h"

namespace tavrelin::ui {

// The game's one window on the Win32 API. It turns the window's design into Windows controls, hands
// every input to the window's behaviour, and draws what the behaviour tells it to.
class MainWindow : private design::WindowView, private design::Pinned {
public:
    explicit MainWindow(RandomSource& random);

    // Makes the window and its controls, runs the start-up and shows the window; false if Windows
    // could not make the window or any of its controls.
    bool Create(HINSTANCE instance, int showCommand);
    // Hands out the messages until the window is closed; Tab and Enter work as in a dialog box, and
    // Escape does nothing.
    int RunMessageLoop();

    // The window procedure's work for this window.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The outer size of the window whose client area is the design's; the window is never any other.
    SIZE FrameSize(HWND window) const;
    // Sizes the window to FrameSize and places all of it on the work area of its display as the
    // design says.
    void PlaceWindow();
    // False if Windows could not make every control.
    bool CreateControls();
    // The control that stands for a stop of the order of Tab.
    HWND FocusStopControl(design::FocusStop stop) const;
    // The colours of the controls that Windows draws itself.
    LRESULT ColourControl(HWND control, HDC dc) const;

    // The phrase is the focused control's description, and the grid a tab stop while a screen
    // reader runs.
    void Announce(const std::string& phrase) override;
    void LetGridTakeFocus(bool takes) override;
    // A counter is a text box given its text; a changed cell and the current cell are invalidated.
    void ShowCounter(int i, const std::string& text) override;
    void ShowCell(int Index) override;
    void ShowCurrentCell(int previous, int current) override;
    // The grid is one window, made at start-up, last, so that Tab reaches it after "Чисти".
    bool LayOutGrid() override;

    design::WindowBehaviour behaviour_;

    HWND window_ = nullptr;
    int dpi_ = design::DESIGN_DPI;
    FontHandle font_;
    // Lent to every control that a screen reader asks about.
    Accessibility accessibility_;
    // The control that last had the focus, as each message leaves it; given it back whenever the
    // window itself gets the focus. Null until a control has had it.
    HWND focus_ = nullptr;

    HWND Label1 = nullptr;
    CellGrid Label3{behaviour_, accessibility_};
    PictureBox Picture1{accessibility_};
    HWND Frame1 = nullptr;
    std::array<HWND, 2> Label2{};
    std::array<Counter, 2> Text2{Counter{accessibility_}, Counter{accessibility_}};
    PushButton Command1{accessibility_};
    RulesBox Text1{accessibility_};
    ClickLabel Label4{behaviour_, design::Label::Switch()};
};

}  // namespace tavrelin::ui
