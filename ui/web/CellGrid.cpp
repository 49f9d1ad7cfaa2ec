#include "CellGrid.h"

#include "Board.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

using emscripten::val;

namespace {

// Each cell's own black border, inside its place.
constexpr int BORDER = 1;

}  // namespace

CellGrid::CellGrid(design::WindowBehaviour& behaviour, design::Alignment alignment)
    : behaviour_(behaviour), alignment_(alignment)
{
}

void CellGrid::Create(const val& parent)
{
    table_ = CreateElement(parent, "table", {});
    // Every cell keeps its own border, so two cells side by side show two lines, as on the desktop.
    SetStyle(table_, "border-collapse", "separate");
    SetStyle(table_, "border-spacing", "0");
    Listen(table_, "mousedown");
}

void CellGrid::LayOut()
{
    Place(table_, design::GridPlace(design::DESIGN_DPI));
    // The template cell, at the top-left: at the design's dots per inch every cell has its size.
    val row = table_.call<val>("insertRow");
    val Template = row.call<val>("insertCell");
    const design::Rect place = design::CellPlace(0, design::DESIGN_DPI);
    SetStyle(Template, "width", ToCssPixels(place.Width));
    SetStyle(Template, "height", ToCssPixels(place.Height));
    SetStyle(Template, "box-sizing", "border-box");
    SetStyle(Template, "padding", "0");
    SetStyle(Template, "border", ToCssPixels(BORDER) + " solid CanvasText");
    SetStyle(Template, "text-align", ToCssTextAlign(alignment_));
    SetStyle(Template, "vertical-align", "top");
    // A caption's line fills the cell inside its border, so that no caption makes its row taller.
    SetStyle(Template, "line-height", ToCssPixels(place.Height - 2 * BORDER));
    Paint(Template, Face(0));
    // The other cells of the top row are copies of the template, and the other rows copies of the
    // top row, so that every cell starts as the template shows.
    for (int col = 1; col < FIELD_SIZE; ++col) {
        row.call<void>("appendChild", Template.call<val>("cloneNode"));
    }
    for (int other = 1; other < FIELD_SIZE; ++other) {
        row["parentNode"].call<void>("appendChild", row.call<val>("cloneNode", true));
    }
    // The table lists its cells row by row; cell indexes run down each column in turn.
    const val listed = table_.call<val>("getElementsByTagName", std::string("td"));
    for (int n = 0; n < CellCount(); ++n) {
        cells_.push_back(listed[CellRow(n) * FIELD_SIZE + CellCol(n)]);
        accessible_.Attach(cells_.back());
        accessible_.Rename(cells_.back(), n);
    }
}

void CellGrid::ShowCell(int Index)
{
    Paint(cells_[Index], Face(Index));
    accessible_.Rename(cells_[Index], Index);
}

void CellGrid::Paint(val& cell, const CellFace& face)
{
    SetStyle(cell, "background-color", ToCssColour(face.BackColor));
    cell.set("textContent", std::string(face.Caption));
}

void CellGrid::Click(int Index)
{
    behaviour_.Label3_Click(Index);
}

int CellGrid::CellCount() const
{
    return CELL_COUNT;
}

const CellFace& CellGrid::Face(int Index) const
{
    return behaviour_.Face(Index);
}

std::optional<int> CellGrid::CellAt(Point point) const
{
    return design::CellAt(point.X, point.Y, design::DESIGN_DPI);
}

void CellGrid::HandleEvent(val event)
{
    if (!IsMainButton(event) || !IsFromPointer(event)) {
        return;
    }
    const std::optional<int> cell = CellAt(PointOn(table_, event, design::GridPlace(design::DESIGN_DPI)));
    const val document = val::global("document");
    if (event["type"].as<std::string>() == "mousedown") {
        // A press on the grid takes neither the keyboard focus nor a selection of text.
        event.call<void>("preventDefault");
        if (!cell.has_value()) {
            return;
        }
        if (IsDoublePress(event)) {
            behaviour_.DoublePress(design::Label::Cell(*cell));
        } else {
            behaviour_.Press(design::Label::Cell(*cell));
        }
        // The release comes here wherever the pointer goes.
        Listen(document, "mouseup", true);
        return;
    }
    StopListening(document, "mouseup", true);
    behaviour_.Release(cell.has_value() ? std::optional(design::Label::Cell(*cell)) : std::nullopt);
}

}  // namespace tavrelin::ui
