#pragma once

#include <array>
#include <optional>
#include <string>

#include "Board.h"
#include "CellFace.h"

// The design of the game's one window, written once for every toolkit: where each control stands,
// its colours and texts, the window's font, how a cell and its focus mark look, where the window
// goes on the screen, and the order of the keyboard focus. A window for a toolkit turns this into
// its own controls; all it adds is what its toolkit needs to show them.
//
// The controls, by the names the whole program knows them by:
//
//   Label1    the title, "Tavrelin"
//   Label2    the counters' two captions, "Остават:" and "Опита:"
//   Label3    the grid of 14 x 14 cells, grown at start-up from its template cell
//   Label4    the hidden switch that shows the fleet
//   Text1     the rules box
//   Text2     the two counters: ship cells still to find, and shots taken
//   Frame1    the score frame round the captions and the counters
//   Command1  the button "Чисти", which deals a new game
//   Picture1  the picture of the warships
namespace tavrelin::design {

// A place and size: Left and Top locate the outer top-left corner, Width and Height include the
// border. The design gives them in twips, 1/1440 inch; a window shows them in pixels.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Twips in an inch.
constexpr int TWIPS_PER_INCH = 1440;
// The dots per inch the window is designed at: 15 twips to a pixel, and every design value is a
// whole number of pixels.
constexpr int DESIGN_DPI = 96;

// A length in twips as pixels on a display of this many dots per inch, to the nearest pixel.
constexpr int ToPixels(int twips, int dpi)
{
    return (twips * dpi + TWIPS_PER_INCH / 2) / TWIPS_PER_INCH;
}

// A place in twips as pixels. The edges are converted, not the size, so that controls which touch
// in twips touch on every display.
constexpr Rect ToPixels(Rect twips, int dpi = DESIGN_DPI)
{
    const int left = ToPixels(twips.Left, dpi);
    const int top = ToPixels(twips.Top, dpi);
    return {left, top, ToPixels(twips.Left + twips.Width, dpi) - left, ToPixels(twips.Top + twips.Height, dpi) - top};
}

// The controls, in twips. Label2 and Text2 stand inside Frame1 and are placed from its top-left
// corner; everything else stands on the window's client area.
constexpr Rect CLIENT_AREA{0, 0, 7620, 6915};
constexpr Rect LABEL1{1440, 0, 4575, 375};
// The template cell; start-up builds the whole grid from its place and size.
constexpr Rect LABEL3_TEMPLATE{120, 480, 300, 300};
constexpr Rect PICTURE1{4440, 480, 3015, 1830};
constexpr Rect FRAME1{4920, 2520, 2175, 1335};
// Each caption's last pixel column lies under its counter.
constexpr std::array<Rect, 2> LABEL2{{{120, 360, 1095, 405}, {120, 840, 1095, 405}}};
constexpr std::array<Rect, 2> TEXT2{{{1200, 360, 855, 405}, {1200, 840, 855, 405}}};
constexpr Rect COMMAND1{5520, 4080, 1215, 375};
constexpr Rect TEXT1{120, 4800, 7335, 2055};
// The hidden switch: a 9 x 9 square in the right margin, its first pixel column under the rules box.
constexpr Rect LABEL4{7440, 4800, 135, 135};

// A place given from a container's top-left corner, as a place on the client area: where Label2 and
// Text2 stand for a toolkit whose controls all stand on the client area.
constexpr Rect OnClientArea(Rect container, Rect place)
{
    return {container.Left + place.Left, container.Top + place.Top, place.Width, place.Height};
}

// Cell n of the grid: column CellCol(n) and row CellRow(n), counted in template cells from the
// template's top-left corner. Works in whatever unit the template is given in.
constexpr Rect GridCell(Rect Template, int n)
{
    return {Template.Left + CellCol(n) * Template.Width, Template.Top + CellRow(n) * Template.Height, Template.Width,
            Template.Height};
}

// The whole grid on the client area, in pixels at this many dots per inch: 14 template cells across
// and 14 down from the template's corner.
Rect GridPlace(int dpi);
// Cell n in pixels, from the grid's top-left corner. Its edges are the twips' edges converted, so
// neighbouring cells touch at every dpi.
Rect CellPlace(int n, int dpi);
// The cell whose pixels hold the point given from the grid's top-left corner, or none outside the grid.
std::optional<int> CellAt(int x, int y, int dpi);

// Where a window of this outer size stands on a display's work area, the part that no panel or task
// bar covers: centred on it, but never above its top nor left of its left edge, so that a window
// larger than the work area keeps its caption in reach. The X11 and Windows windows place
// themselves so; a Wayland compositor and a browser place the window themselves.
Rect CentredWindow(Rect workArea, int width, int height);

// Pale lavender: the window, the score frame and the hidden switch.
constexpr Colour LAVENDER{192, 192, 255};
// Light orange: the title and the counter captions.
constexpr Colour ORANGE{255, 192, 128};
// The counter of ship cells still to find.
constexpr Colour GREEN{0, 255, 0};
// The attempts counter and the face of the button "Чисти".
constexpr Colour SIGNAL_RED{255, 0, 0};
// The counters' backgrounds: [0] the ship cells still to find, [1] the attempts.
constexpr std::array<Colour, 2> TEXT2_COLOURS{GREEN, SIGNAL_RED};

// The colours that the system's settings give, high contrast included, rather than the design.
enum class SystemColour { WindowText };

// Every cell's border: 1 pixel inside its place, in the system's window-text colour.
constexpr int CELL_BORDER = 1;
constexpr SystemColour CELL_BORDER_COLOUR = SystemColour::WindowText;
// On a desktop, the focus mark of the current cell is the toolkit's own, this many pixels inside
// the cell's place: clear of its border, where the cell's colour shows round it. The page draws a
// mark of its own, in two tones, that shows on every colour.
constexpr int FOCUS_MARK_INSET = 4;

// How a caption stands across its control; every caption starts at the control's top.
enum class Alignment { Left, Centre };

// The one font of the client area: every caption and text, the cells' "X" and "!" included.
constexpr char FONT_FACE[] = "Times New Roman";
constexpr int FONT_POINTS = 12;
// Regular weight, not italic, underlined or struck out.
constexpr int FONT_WEIGHT = 400;
// Cyrillic.
constexpr int FONT_CHARSET = 204;

// The window's caption: the maker's web address, one blank, then this.
constexpr char CAPTION_TEXT[] = "Информатика-логическа игра, случайни, таблица";
std::string WindowCaption();

// The name of element `index` of a control array, as "Text2_1": how the window's controls are
// named to tests and on the page.
std::string ControlName(const char* control, int index);

constexpr char LABEL1_CAPTION[] = "Tavrelin";
constexpr char FRAME1_CAPTION[] = "Резултат: min 25";
// [0] beside the ship cells still to find, [1] beside the attempts.
constexpr std::array<const char*, 2> LABEL2_CAPTIONS{"Остават:", "Опита:"};
constexpr char COMMAND1_CAPTION[] = "Чисти";
// The button is the only element of its array, with index 1.
constexpr int COMMAND1_INDEX = 1;
constexpr std::array<Alignment, 2> LABEL2_ALIGNMENT{Alignment::Centre, Alignment::Centre};
constexpr Alignment LABEL1_ALIGNMENT = Alignment::Centre;
// The cells' captions are centred.
constexpr Alignment LABEL3_ALIGNMENT = Alignment::Centre;

// The controls that take the keyboard focus. Labels, the frame and the counters never do, but for
// the grid where the window lets it.
enum class FocusStop { Text1, Picture1, Command1, Label3 };
// The order in which Tab moves the focus, round and round; the focus starts at the first.
constexpr std::array<FocusStop, 3> TAB_ORDER{FocusStop::Text1, FocusStop::Picture1, FocusStop::Command1};
// The same while the grid takes the focus: the grid comes after "Чисти".
constexpr std::array<FocusStop, 4> TAB_ORDER_WITH_GRID{FocusStop::Text1, FocusStop::Picture1, FocusStop::Command1,
                                                       FocusStop::Label3};

// Picture1's sunken border, in pixels; the picture is drawn at its own size from just inside it and
// cut off at the box's inner edges.
constexpr int PICTURE1_BORDER = 2;

}  // namespace tavrelin::design
