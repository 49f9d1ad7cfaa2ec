#pragma once

#include "WindowDesign.h"

// How a web page shows the window. With a mouse, on a page wide enough for it, the design as it is.
// For a finger, or on a narrower page, every cell is at least as large as a finger needs: the whole
// design scaled up where the page is large enough, as on a tablet; else, as on a phone, the same
// controls in their own sizes, arranged below or beside a grid as large as the page allows.
namespace tavrelin::design {

// The smallest cell that a finger hits surely, in CSS pixels.
constexpr int FINGER_CELL = 24;
// The least scale of the whole design that gives a finger its cells.
constexpr double TABLET_SCALE = 1.2;
// The margin round the narrow arrangement, and the space between its controls, in CSS pixels.
constexpr int NARROW_GAP = 8;

// Which of the three ways the page shows the window.
enum class PageFit { Design, Scaled, Narrow };

// A scale as a ratio of whole numbers, which the page works out exactly.
struct Ratio {
    int Times = 1;
    int Per = 1;

    constexpr double Value() const { return static_cast<double>(Times) / Per; }
};

// Where each control stands on the page, in CSS pixels of the client area, which the page shows
// scaled by Scale. The captions and counters stand in the frame as the design places them there.
struct PageLayout {
    PageFit Fit = PageFit::Design;
    Ratio Scale;
    Rect ClientArea;
    Rect Label1;
    // The grid, of 14 x 14 square cells of side Cell.
    Rect Label3;
    int Cell = 0;
    Rect Picture1;
    Rect Frame1;
    Rect Command1;
    Rect Text1;
    Rect Label4;
};

// The layout for a page this many CSS pixels wide and high, for a player who can point with a
// finger, `coarse`, or only with a mouse.
PageLayout LayOutPage(int width, int height, bool coarse);

}  // namespace tavrelin::design
