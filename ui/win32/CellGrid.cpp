#include "CellGrid.h"

#include <windowsx.h>

#include "CellGridAccessible.h"
#include "Win32Support.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinCellGrid";

// The grid's key for a virtual key, if it is one.
std::optional<design::GridKey> ToGridKey(WPARAM key)
{
    switch (key) {
    case VK_LEFT: return design::GridKey::Left;
    case VK_RIGHT: return design::GridKey::Right;
    case VK_UP: return design::GridKey::Up;
    case VK_DOWN: return design::GridKey::Down;
    case VK_HOME: return design::GridKey::Home;
    case VK_END: return design::GridKey::End;
    case VK_PRIOR: return design::GridKey::PageUp;
    case VK_NEXT: return design::GridKey::PageDown;
    case VK_SPACE: return design::GridKey::Space;
    case VK_RETURN: return design::GridKey::Enter;
    default: return std::nullopt;
    }
}

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

void CellGrid::ShowCurrentCell(int previous, int current)
{
    for (const int n : {previous, current}) {
        const RECT place = CellRect(n);
        InvalidateRect(window_, &place, FALSE);
    }
    if (HasFocus()) {
        FocusCurrentCell();
    }
}

void CellGrid::Announce() const
{
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, CurrentCell() + 1);
}

void CellGrid::LetTakeFocus(bool takes)
{
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    SetWindowLongPtrW(window_, GWL_STYLE, takes ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

bool CellGrid::TakesFocus() const
{
    return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_TABSTOP) != 0;
}

int CellGrid::CurrentCell() const
{
    return behaviour_.CurrentCell();
}

const std::string& CellGrid::Phrase() const
{
    return behaviour_.Phrase();
}

void CellGrid::FocusCurrentCell() const
{
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, CurrentCell() + 1);
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
    // The focus mark shows only while the window shows focus marks.
    const bool marked = HasFocus() && (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
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
        if (n == CurrentCell() && marked) {
            // Inside the border, clear of the cell's edge, where its colour shows.
            constexpr int MARK_INSET = 3;
            InflateRect(&place, -MARK_INSET, -MARK_INSET);
            DrawFocusRect(dc, &place);
        }
    }
    RestoreDC(dc, saved);
    EndPaint(window, &paint);
}

void CellGrid::Release(POINT point)
{
    const std::optional<int> cell = CellAt(point);
    behaviour_.Release(cell.has_value() ? std::optional(design::Label::Cell(*cell)) : std::nullopt);
}

bool CellGrid::KeyDown(WPARAM key)
{
    const std::optional<design::GridKey> pressed = ToGridKey(key);
    const auto held = [](int modifier) { return GetKeyState(modifier) < 0; };
    const std::optional<design::GridKey> gridKey =
        pressed.has_value()
            ? design::WithModifiers(*pressed, {.Shift = held(VK_SHIFT), .Ctrl = held(VK_CONTROL), .Alt = held(VK_MENU)})
            : std::nullopt;
    if (!gridKey.has_value()) {
        return false;
    }
    behaviour_.KeyOnGrid(*gridKey);
    return true;
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
    case WM_GETDLGCODE:
        // The arrows, the other keys of the grid and Enter are the grid's, not the dialog manager's.
        return DLGC_WANTARROWS | DLGC_WANTCHARS |
               (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
    case WM_KEYDOWN:
        if (KeyDown(wParam)) {
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const RECT place = CellRect(CurrentCell());
        InvalidateRect(window, &place, FALSE);
        if (message == WM_SETFOCUS) {
            // After Windows has told a screen reader that the grid has the focus.
            PostMessageW(window, WM_FOCUS_CURRENT_CELL, 0, 0);
        }
        return 0;
    }
    case WM_FOCUS_CURRENT_CELL:
        if (HasFocus()) {
            FocusCurrentCell();
        }
        return 0;
    case WM_UPDATEUISTATE: {
        // The focus mark comes and goes with the window's showing of focus marks.
        const RECT place = CellRect(CurrentCell());
        InvalidateRect(window, &place, FALSE);
        break;
    }
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
