#include "CellGrid.h"

#include <windowsx.h>

#include "CellGridAccessible.h"
#include "Win32Support.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinCellGrid";

}  // namespace

CellGrid::CellGrid(design::WindowBehaviour& behaviour, Accessibility& accessibility)
    : behaviour_(behaviour), accessibility_(accessibility)
{
}

bool CellGrid::RegisterWindowClass(HINSTANCE instance)
{
    // Double-clicks arrive as their own message, so the second press of one can be told apart.
    return ui::RegisterWindowClass<CellGrid>(instance, CLASS_NAME, CS_DBLCLKS);
}

bool CellGrid::Create(HWND parent, int dpi, HFONT font)
{
    dpi_ = dpi;
    font_ = font;
    const design::Rect place = design::GridPlace(dpi);
    window_ = CreateWindowExW(0, CLASS_NAME, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP, place.Left,
                              place.Top, place.Width, place.Height, parent, nullptr,
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    return window_ != nullptr;
}

void CellGrid::ShowCell(int Index)
{
    const RECT place = CellRect(Index);
    InvalidateRect(window_, &place, FALSE);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, Index + 1);
}

int CellGrid::CellCount() const
{
    return CELL_COUNT;
}

const CellFace& CellGrid::Face(int Index) const
{
    return behaviour_.Face(Index);
}

RECT CellGrid::CellRect(int Index) const
{
    const design::Rect place = design::CellPlace(Index, dpi_);
    return {place.Left, place.Top, place.Left + place.Width, place.Top + place.Height};
}

std::optional<int> CellGrid::CellAt(POINT point) const
{
    return design::CellAt(point.x, point.y, dpi_);
}

bool CellGrid::PostClick(int Index) const
{
    return PostMessageW(window_, WM_CLICK_CELL, static_cast<WPARAM>(Index), 0) != FALSE;
}

void CellGrid::Paint(HWND window) const
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    const int saved = SaveDC(dc);
    SelectObject(dc, font_);
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SetBkMode(dc, TRANSPARENT);
    for (int n = 0; n < CellCount(); ++n) {
        RECT place = CellRect(n);
        // Only the cells whose own place needs painting.
        if (RectVisible(dc, &place) == FALSE) {
            continue;
        }
        const CellFace& face = Face(n);
        SetDCBrushColor(dc, ToCOLORREF(face.BackColor));
        Rectangle(dc, place.left, place.top, place.right, place.bottom);
        InflateRect(&place, -1, -1);
        std::wstring caption = Widen(face.Caption);
        DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &place,
                  ToAlignmentFlags(design::LABEL3_ALIGNMENT).Text | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    RestoreDC(dc, saved);
    EndPaint(window, &paint);
}

void CellGrid::Release(POINT point)
{
    const std::optional<int> cell = CellAt(point);
    behaviour_.Release(cell.has_value() ? std::optional(design::Label::Cell(*cell)) : std::nullopt);
}

LRESULT CellGrid::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_ERASEBKGND:
        // The cells cover the whole window and paint their own background.
        return 1;
    case WM_PAINT: Paint(window); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (const std::optional<int> cell = CellAt(point); cell.has_value()) {
            if (message == WM_LBUTTONDOWN) {
                behaviour_.Press(design::Label::Cell(*cell));
            } else {
                behaviour_.DoublePress(design::Label::Cell(*cell));
            }
            // The release comes here wherever the pointer goes.
            SetCapture(window);
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            Release(point);
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        // Losing the mouse, say to another window, ends the press without a click.
        behaviour_.Release(std::nullopt);
        return 0;
    case WM_CLICK_CELL: behaviour_.Label3_Click(static_cast<int>(wParam)); return 0;
    case WM_GETOBJECT:
        // A screen reader reads the grid as a table of its cells.
        if (const LRESULT answer =
                accessibility_.Answer(window, wParam, lParam,
                                      [this](IAccessible* standard, NamedAccessible::AllocString allocString) {
                                          return new CellGridAccessible(standard, *this, allocString);
                                      });
            answer != 0) {
            return answer;
        }
        break;
    case WM_NCDESTROY: window_ = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
