#include "CellGrid.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "Board.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

using emscripten::val;

namespace {

// The grid's keys by the names the browser gives them.
constexpr std::array<std::pair<std::string_view, design::GridKey>, 10> KEYS{{
    {"ArrowLeft", design::GridKey::Left},
    {"ArrowRight", design::GridKey::Right},
    {"ArrowUp", design::GridKey::Up},
    {"ArrowDown", design::GridKey::Down},
    {"Home", design::GridKey::Home},
    {"End", design::GridKey::End},
    {"PageUp", design::GridKey::PageUp},
    {"PageDown", design::GridKey::PageDown},
    {" ", design::GridKey::Space},
    {"Enter", design::GridKey::Enter},
}};

// The focus mark: inside the border, 2 pixels of the cell's own colour, then a white ring and a black
// one, so that one of the two stands out against every colour of a cell.
std::string FocusMark(Colour cell)
{
    return "inset 0 0 0 2px " + ToCssColour(cell) + ", inset 0 0 0 3px " + ToCssColour(WHITE) + ", inset 0 0 0 4px " +
           ToCssColour({0, 0, 0});
}

}  // namespace

CellGrid::CellGrid(design::WindowBehaviour& behaviour, design::Alignment alignment)
    : behaviour_(behaviour),
      alignment_(alignment),
      pointer_(behaviour, [this](const val& event) { return design::Label::Cell(CellUnder(event)); })
{
}

void CellGrid::Create(const val& parent)
{
    table_ = CreateElement(parent, "table", {});
    // Every cell keeps its own border, so two cells side by side show two lines, as on the desktop.
    SetStyle(table_, "border-collapse", "separate");
    SetStyle(table_, "border-spacing", "0");
    accessible_.Describe(table_);
    pointer_.Attach(table_);
    for (const char* type : {"keydown", "focusin", "focusout"}) {
        Listen(table_, type);
    }
}

void CellGrid::LayOut()
{
    // The template cell, at the top-left.
    val row = table_.call<val>("insertRow");
    val Template = row.call<val>("insertCell");
    SetStyle(Template, "box-sizing", "border-box");
    SetStyle(Template, "padding", "0");
    SetStyle(Template, "border",
             ToCssPixels(design::CELL_BORDER) + " solid " + ToCssColour(design::CELL_BORDER_COLOUR));
    SetStyle(Template, "text-align", ToCssTextAlign(alignment_));
    SetStyle(Template, "vertical-align", "top");
    // The answers are colours, which the system's own colours must not replace.
    SetStyle(Template, "forced-color-adjust", "none");
    // Only the current cell takes the focus from Tab, and it shows the grid's own focus mark.
    Template.set("tabIndex", -1);
    SetStyle(Template, "outline", "none");
    // The caption is a part of the cell that the pointer passes through.
    val caption = val::global("document").call<val>("createElement", std::string("span"));
    SetStyle(caption, "pointer-events", "none");
    Template.call<void>("appendChild", caption);
    accessible_.DescribeCell(Template);
    // The other cells of the top row are copies of the template, and the other rows copies of the
    // top row, so that every cell starts as the template shows.
    for (int col = 1; col < FIELD_SIZE; ++col) {
        row.call<void>("appendChild", Template.call<val>("cloneNode", true));
    }
    for (int other = 1; other < FIELD_SIZE; ++other) {
        row["parentNode"].call<void>("appendChild", row.call<val>("cloneNode", true));
    }
    // The table lists its cells row by row, as placement positions run; cell indexes run down each
    // column in turn.
    const val listed = table_.call<val>("getElementsByTagName", std::string("td"));
    for (int n = 0; n < CELL_COUNT; ++n) {
        cells_.push_back(listed[Position(CellRow(n), CellCol(n))]);
        accessible_.Attach(cells_.back());
        ShowCell(n);
    }
}

void CellGrid::Fit(design::Rect place, int cell)
{
    Place(table_, place);
    if (cell == std::exchange(cell_, cell)) {
        return;
    }
    for (const val& element : cells_) {
        SetStyle(element, "width", ToCssPixels(cell));
        SetStyle(element, "height", ToCssPixels(cell));
        // A caption's line fills the cell inside its border, so that no caption makes its row taller.
        SetStyle(element, "line-height", ToCssPixels(cell - 2 * design::CELL_BORDER));
    }
}

void CellGrid::ShowCell(int Index)
{
    Paint(Index);
    accessible_.Rename(cells_[Index], Index, behaviour_.Face(Index));
}

void CellGrid::ShowCurrentCell(int previous, int current)
{
    cells_[previous].set("tabIndex", -1);
    cells_[current].set("tabIndex", takesFocus_ ? 0 : -1);
    Paint(previous);
    Paint(current);
    if (hasFocus_) {
        cells_[current].call<void>("focus");
    }
}

void CellGrid::LetTakeFocus(bool takes)
{
    takesFocus_ = takes;
    cells_[behaviour_.CurrentCell()].set("tabIndex", takes ? 0 : -1);
}

void CellGrid::Paint(int Index)
{
    const CellFace& face = behaviour_.Face(Index);
    val& cell = cells_[Index];
    SetStyle(cell, "background-color", ToCssColour(face.BackColor));
    SetStyle(cell, "box-shadow", Index == behaviour_.CurrentCell() && hasFocus_ ? FocusMark(face.BackColor) : "none");
    cell["firstChild"].set("textContent", std::string(face.Caption));
}

void CellGrid::Clicked(int Index)
{
    if (!pointer_.TakePointersClick()) {
        behaviour_.Label3_Click(Index);
    }
}

std::optional<int> CellGrid::CellUnder(const val& event) const
{
    // The event's own target may be a neighbouring cell where the pointer stands at a fraction of a
    // pixel, which the point the event gives leaves out.
    const val element = val::global("document").call<val>("elementFromPoint", event["clientX"], event["clientY"]);
    if (!table_.call<bool>("contains", element) || element["tagName"].as<std::string>() != "TD") {
        return std::nullopt;
    }
    return IndexOf(element);
}

int CellGrid::IndexOf(const val& cell)
{
    // The table's rows are the grid's rows, and a cell's place in its row is its column.
    return CellIndex(cell["parentElement"]["rowIndex"].as<int>(), cell["cellIndex"].as<int>());
}

void CellGrid::HandleEvent(val event)
{
    const std::string type = event["type"].as<std::string>();
    if (type == "keydown") {
        Key(event);
    } else {
        // The focus comes to a cell by Tab, by a screen reader or from a script; that cell is the
        // current one from now on.
        hasFocus_ = type == "focusin";
        if (hasFocus_) {
            behaviour_.CellFocused(IndexOf(event["target"]));
        }
        Paint(behaviour_.CurrentCell());
    }
}

void CellGrid::Key(const val& event)
{
    const std::string name = event["key"].as<std::string>();
    const auto* known = std::find_if(KEYS.begin(), KEYS.end(), [&name](const auto& key) { return key.first == name; });
    if (known == KEYS.end()) {
        return;
    }
    const std::optional<design::GridKey> key =
        design::WithModifiers(known->second, {.Shift = event["shiftKey"].as<bool>(),
                                              .Ctrl = event["ctrlKey"].as<bool>(),
                                              .Alt = event["altKey"].as<bool>() || event["metaKey"].as<bool>()});
    if (!key.has_value()) {
        return;
    }
    // The key is the grid's alone: it neither scrolls the page nor presses anything else.
    event.call<void>("preventDefault");
    behaviour_.KeyOnGrid(*key);
}

}  // namespace tavrelin::ui
