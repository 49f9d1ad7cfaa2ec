#include "WindowDesign.h"

#include <algorithm>

#include "Identity.h"

namespace tavrelin::design {

namespace {

// The grid line, column or row, whose pixels hold this pixel of the client area, for lines that
// start at `first` twips and follow each other every `step` twips. A line's first pixel is its
// edge in twips converted to the nearest pixel, so the line holding a pixel is the last one whose
// edge, ((first + line * step) * dpi + 720) / 1440, is at most the pixel. Negative before the first
// line.
int LineAt(int pixel, int first, int step, int dpi)
{
    const int lastTwipsBefore = pixel * TWIPS_PER_INCH + TWIPS_PER_INCH - 1 - TWIPS_PER_INCH / 2 - first * dpi;
    return lastTwipsBefore < 0 ? -1 : lastTwipsBefore / (step * dpi);
}

}  // namespace

Rect GridPlace(int dpi)
{
    const Rect Template = LABEL3_TEMPLATE;
    return ToPixels({Template.Left, Template.Top, FIELD_SIZE * Template.Width, FIELD_SIZE * Template.Height}, dpi);
}

Rect CellPlace(int n, int dpi)
{
    const Rect grid = GridPlace(dpi);
    const Rect cell = ToPixels(GridCell(LABEL3_TEMPLATE, n), dpi);
    return {cell.Left - grid.Left, cell.Top - grid.Top, cell.Width, cell.Height};
}

std::optional<int> CellAt(int x, int y, int dpi)
{
    const Rect grid = GridPlace(dpi);
    const int col = LineAt(grid.Left + x, LABEL3_TEMPLATE.Left, LABEL3_TEMPLATE.Width, dpi);
    const int row = LineAt(grid.Top + y, LABEL3_TEMPLATE.Top, LABEL3_TEMPLATE.Height, dpi);
    if (col < 0 || col >= FIELD_SIZE || row < 0 || row >= FIELD_SIZE) {
        return std::nullopt;
    }
    return CellIndex(row, col);
}

Rect CentredWindow(Rect workArea, int width, int height)
{
    return {std::max(workArea.Left, workArea.Left + (workArea.Width - width) / 2),
            std::max(workArea.Top, workArea.Top + (workArea.Height - height) / 2), width, height};
}

std::string ControlName(const char* control, int index)
{
    return std::string(control) + "_" + std::to_string(index);
}

std::string WindowCaption()
{
    return std::string(MAKER_WEB_ADDRESS) + " " + CAPTION_TEXT;
}

}  // namespace tavrelin::design
