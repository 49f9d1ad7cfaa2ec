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
    std::vector<val> rows;
    for (int row = 0; row < FIELD_SIZE; ++row) {
        rows.push_back(table_.call<val>("insertRow"));
    }
    // The cells are made in the order of their indexes, down each column in turn, so each row gets
    // its cells from left to right.
    for (int n = 0; n < CellCount(); ++n) {
        val cell = rows[CellRow(n)].call<val>("insertCell");
        const design::Rect place = design::CellPlace(n, design::DESIGN_DPI);
        SetStyle(cell, "width", ToCssPixels(place.Width));
        SetStyle(cell, "height", ToCssPixels(place.Height));
        SetStyle(cell, "box-sizing", "border-box");
        SetStyle(cell, "padding", "0");
        SetStyle(cell, "border", ToCssPixels(BORDER) + " solid CanvasText");
        SetStyle(cell, "text-align", ToCssTextAlign(alignment_));
        SetStyle(cell, "vertical-align", "top");
        // A caption's line fills the cell inside its border, so that no caption makes its row taller.
        SetStyle(cell, "line-height", ToCssPixels(place.Height - 2 * BORDER));
        accessible_.Attach(cell);
        cells_.push_back(cell);
        ShowCell(n);
    }
}

void CellGrid::ShowCell(int Index)
{
    const CellFace& face = Face(Index);
    val& cell = cells_[Index];
    SetStyle(cell, "background-color", ToCssColour(face.BackColor));
    cell.set("textContent", std::string(face.Caption));
    accessible_.Rename(cell, Index);
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
