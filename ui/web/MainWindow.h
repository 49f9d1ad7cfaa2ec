#pragma once

#include <emscripten/val.h>

#include <array>

#include "Announcer.h"
#include "CellGrid.h"
#include "ClickLabel.h"
#include "PageLayout.h"
#include "PictureBox.h"
#include "PushButton.h"
#include "WebSupport.h"
#include "WindowBehaviour.h"
#include "WindowView.h"

namespace tavrelin::ui {

// The game's one window as a page of a web browser. It turns the window's design into the page's
// elements, hands every input to the window's behaviour, and draws what the behaviour tells it to.
class MainWindow : public EventHandler, private design::WindowView {
public:
    // Makes the window and runs its start-up; the generator is seeded there, once per page load.
    explicit MainWindow(RandomSource& random);

    // Puts the window in the middle of the page, with the keyboard focus on the first stop of Tab.
    void Show();

    // The page changes its size or its pointer, or is pressed.
    void HandleEvent(emscripten::val event) override;

private:
    // Makes every control but the grid's cells, in the order of the page.
    void CreateControls();
    // Lays the window out for the page's size and for what the player points with.
    void FitToPage();
    // Puts every control where the layout says, and scales the client area as it says.
    void ShowLayout(const design::PageLayout& layout);
    // The control that stands for a stop of the order of Tab.
    emscripten::val FocusStopControl(design::FocusStop stop) const;

    // The grid is a table, filled with its cells at start-up.
    bool LayOutGrid() override;
    // A changed cell is repainted and renamed; a counter is a text box given its text.
    void ShowCell(int Index) override;
    void ShowCounter(int i, const std::string& text) override;
    // The phrase is a polite live region's text.
    void Announce(const std::string& phrase) override;
    // The current cell and its focus mark are the grid's to show; a grid that stops taking the
    // focus while it has it hands it to the first stop of Tab.
    void ShowCurrentCell(int previous, int current) override;
    void LetGridTakeFocus(bool takes) override;

    design::WindowBehaviour behaviour_;

    // The window on the page, as large as its client area is shown, and the client area in it.
    emscripten::val window_ = emscripten::val::null();
    emscripten::val client_ = emscripten::val::null();
    // Whether the player can point with a finger, and its changes.
    emscripten::val coarsePointer_ = emscripten::val::null();

    emscripten::val Label1 = emscripten::val::null();
    CellGrid Label3{behaviour_, design::LABEL3_ALIGNMENT};
    PictureBox Picture1;
    emscripten::val Frame1 = emscripten::val::null();
    std::array<emscripten::val, 2> Label2{emscripten::val::null(), emscripten::val::null()};
    std::array<emscripten::val, 2> Text2{emscripten::val::null(), emscripten::val::null()};
    PushButton Command1;
    emscripten::val Text1 = emscripten::val::null();
    ClickLabel Label4{behaviour_, design::Label::Switch()};
    Announcer Spoken;
};

}  // namespace tavrelin::ui
