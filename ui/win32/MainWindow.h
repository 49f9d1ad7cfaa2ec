#pragma once

#include <windows.h>

#include <array>

#include "Game.h"
#include "PaintedLabels.h"
#include "PictureBox.h"
#include "ShownGame.h"
#include "Win32Support.h"

namespace tavrelin::ui {

// The game's one window on the Win32 API. It turns the window's design into Windows controls,
// builds the grid of cells at start-up, hands every event to the game and shows what the game says
// each cell and counter shows. The rules of the game all live in Game.
class MainWindow {
public:
    explicit MainWindow(RandomSource& random);
    // The window and the controls' handlers know this object by its address.
    MainWindow(const MainWindow&) = delete;
    MainWindow(MainWindow&&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    MainWindow& operator=(MainWindow&&) = delete;
    ~MainWindow() = default;

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
    // Sizes the window to FrameSize and centres all of it on the work area of its display, its
    // caption never above the work area's top nor its frame left of its left.
    void PlaceWindow();
    // False if Windows could not make every control.
    bool CreateControls();
    // A control of a Windows class at its place of the design, in the window's font; null if
    // Windows could not make it.
    HWND CreateControl(DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                       design::Rect twips, int id = 0);
    // The control that stands for a stop of the order of Tab.
    HWND FocusStopControl(design::FocusStop stop) const;
    // Start-up: seed the generator, build the 14 x 14 grid, deal the first game; false if Windows
    // could not make the grid.
    bool Form_Load();
    void Label3_Click(int Index);
    void Label4_Click();
    void Command1_Click(int Index);
    // Brings every cell and both counters in line with the game, touching only what changed.
    void ShowGame();
    // The face of "Чисти": red, raised or pressed in, its caption in the system's button-text colour,
    // with a focus mark while it has the focus and the window shows focus marks.
    void DrawCommand1(const DRAWITEMSTRUCT& item) const;
    // What a screen reader calls a control that has no caption before it: each counter by its
    // caption, the rules box by what it holds.
    std::wstring ControlName(HWND control) const;
    // The colours of the controls that Windows draws itself.
    LRESULT ColourControl(HWND control, HDC dc) const;

    RandomSource& random_;
    Game game_;
    design::ShownGame shown_;

    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    int dpi_ = design::DESIGN_DPI;
    FontHandle font_;
    Accessibility accessibility_;
    // The control that last had the focus, as each message leaves it; given it back whenever the
    // window itself gets the focus. Null until a control has had it.
    HWND focus_ = nullptr;

    HWND Label1 = nullptr;
    PaintedLabels Label3;
    PictureBox Picture1;
    HWND Frame1 = nullptr;
    std::array<HWND, 2> Label2{};
    std::array<HWND, 2> Text2{};
    HWND Command1 = nullptr;
    HWND Text1 = nullptr;
    PaintedLabels Label4;
};

}  // namespace tavrelin::ui
