#include "PageLayout.h"

#include <algorithm>

namespace tavrelin::design {

namespace {

// The design's own places, which are CSS pixels, shown at this scale.
PageLayout DesignLayout(PageFit fit, Ratio scale)
{
    return {fit,
            scale,
            ToPixels(CLIENT_AREA),
            ToPixels(LABEL1),
            GridPlace(DESIGN_DPI),
            CellPlace(0, DESIGN_DPI).Width,
            ToPixels(PICTURE1),
            ToPixels(FRAME1),
            ToPixels(COMMAND1),
            ToPixels(TEXT1),
            ToPixels(LABEL4)};
}

// Places controls from left to right in a column of this width, starting a new row under the last
// wherever the next one would reach past the column's right edge.
class Rows {
public:
    Rows(int left, int top, int width) : left_(left), right_(left + width), x_(left), top_(top), bottom_(top) {}

    Rect Place(int width, int height)
    {
        if (x_ > left_ && x_ + width > right_) {
            x_ = left_;
            top_ = bottom_ + NARROW_GAP;
        }
        const Rect place{x_, top_, width, height};
        x_ += width + NARROW_GAP;
        bottom_ = std::max(bottom_, top_ + height);
        return place;
    }
    int Bottom() const { return bottom_; }

private:
    int left_;
    int right_;
    int x_;
    int top_;
    int bottom_;
};

// The controls in their own sizes round a grid as large as the page allows: beside it on a page
// wide enough for a column as wide as the picture next to a grid of finger cells, else below it.
// Where even that grid does not fit the page's height, the cells keep a finger's size.
PageLayout NarrowLayout(int width, int height)
{
    PageLayout layout = DesignLayout(PageFit::Narrow, {});
    const int gaps = 2 * NARROW_GAP;
    const int besideWidth = width - gaps - NARROW_GAP - layout.Picture1.Width;
    int columnLeft = NARROW_GAP;
    int rowsTop = 0;
    if (width > height && besideWidth >= FIELD_SIZE * FINGER_CELL) {
        layout.Cell = std::max(FINGER_CELL, std::min(height - gaps, besideWidth) / FIELD_SIZE);
        layout.Label3 = {NARROW_GAP, NARROW_GAP, FIELD_SIZE * layout.Cell, FIELD_SIZE * layout.Cell};
        columnLeft = layout.Label3.Left + layout.Label3.Width + NARROW_GAP;
        // The title heads the column.
        layout.Label1 = {columnLeft, NARROW_GAP, std::min(layout.Label1.Width, width - columnLeft - NARROW_GAP),
                         layout.Label1.Height};
        rowsTop = layout.Label1.Top + layout.Label1.Height + NARROW_GAP;
    } else {
        const int titleHeight = layout.Label1.Height;
        // On a page narrower than a grid of finger cells, the grid fills the page's width.
        layout.Cell = std::min(std::max(FINGER_CELL, std::min(width - gaps, height - titleHeight - gaps) / FIELD_SIZE),
                               width / FIELD_SIZE);
        const int side = FIELD_SIZE * layout.Cell;
        const int titleWidth = std::min(layout.Label1.Width, width);
        layout.Label1 = {(width - titleWidth) / 2, 0, titleWidth, titleHeight};
        // The title stands at the top, as in the design, and the grid under it.
        layout.Label3 = {(width - side) / 2, titleHeight + NARROW_GAP, side, side};
        rowsTop = layout.Label3.Top + side + NARROW_GAP;
    }
    const int columnWidth = width - columnLeft - NARROW_GAP;
    Rows rows(columnLeft, rowsTop, columnWidth);
    layout.Picture1 = rows.Place(layout.Picture1.Width, layout.Picture1.Height);
    layout.Frame1 = rows.Place(layout.Frame1.Width, layout.Frame1.Height);
    layout.Command1 = rows.Place(layout.Command1.Width, layout.Command1.Height);
    layout.Text1 = rows.Place(std::min(layout.Text1.Width, columnWidth), layout.Text1.Height);
    // The switch keeps its place beside the rules box's top, its first pixel column under the box.
    layout.Label4 = {layout.Text1.Left + layout.Text1.Width - 1, layout.Text1.Top, layout.Label4.Width,
                     layout.Label4.Height};
    const int bottom = std::max(rows.Bottom(), layout.Label3.Top + layout.Label3.Height);
    layout.ClientArea = {0, 0, width, bottom + NARROW_GAP};
    return layout;
}

}  // namespace

PageLayout LayOutPage(int width, int height, bool coarse)
{
    const Rect client = ToPixels(CLIENT_AREA);
    if (!coarse && width >= client.Width) {
        return DesignLayout(PageFit::Design, {});
    }
    // The whole design as large as both the page's width and its height allow.
    const Ratio scale =
        width * client.Height <= height * client.Width ? Ratio{width, client.Width} : Ratio{height, client.Height};
    if (scale.Value() >= TABLET_SCALE) {
        return DesignLayout(PageFit::Scaled, scale);
    }
    return NarrowLayout(width, height);
}

}  // namespace tavrelin::design
