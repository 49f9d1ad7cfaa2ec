#include "CellGrid.h"

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
    : behaviour_(behaviour),
      accessibility_(accessibility),
      pointer_(behaviour, [this](POINT point) { return design::Label::Cell(CellAt(point)); })
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
    for (int n = 0; n < CELL_COUNT; ++n) {
        const design::Rect place = design::CellPlace(n, dpi);
        places_[n] = {place.Left, place.Top, place.Left + place.Width, place.Top + place.Height};
    }
    const design::Rect place = design::GridPlace(dpi);
    window_ = CreateWindowExW(0, CLASS_NAME, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP, place.Left,
                              place.Top, place.Width, place.Height, parent, nullptr,
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    return window_ != nullptr;
}

void CellGrid::ShowCell(int Index)
{
    captions_[Index] = Widen(behaviour_.Face(Index).Caption);
    Repaint(Index);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, ChildId(Index));
}

void CellGrid::ShowCurrentCell(int previous, int current)
{
    Repaint(previous);
    Repaint(current);
    if (HasFocus()) {
        FocusCurrentCell();
    }
}

void CellGrid::Announce() const
{
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, ChildId(behaviour_.CurrentCell()));
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

void CellGrid::FocusCurrentCell() const
{
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, ChildId(behaviour_.CurrentCell()));
}

void CellGrid::Repaint(int Index) const
{
    InvalidateRect(window_, &places_[Index], FALSE);
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
    // The border is the pen's line, one pixel wide, drawn inside the cell's place.
    static_assert(design::CELL_BORDER == 1, "the stock pen draws 1 pixel wide");
    SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, GetSysColor(ToSysColorIndex(design::CELL_BORDER_COLOUR)));
    SetBkMode(dc, TRANSPARENT);
    // The focus mark shows only while the window shows focus marks.
    const bool marked = HasFocus() && (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
    for (int n = 0; n < CELL_COUNT; ++n) {
        const RECT& place = places_[n];
        // Only the cells whose own place needs painting.
        if (RectVisible(dc, &place) == FALSE) {
            continue;
        }
        SetDCBrushColor(dc, ToCOLORREF(behaviour_.Face(n).BackColor));
        Rectangle(dc, place.left, place.top, place.right, place.bottom);
        RECT inside = place;
        InflateRect(&inside, -design::CELL_BORDER, -design::CELL_BORDER);
        DrawTextW(dc, captions_[n].c_str(), static_cast<int>(captions_[n].size()), &inside,
                  ToAlignmentFlags(design::LABEL3_ALIGNMENT).Text | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        if (n == behaviour_.CurrentCell() && marked) {
            RECT mark = place;
            InflateRect(&mark, -design::FOCUS_MARK_INSET, -design::FOCUS_MARK_INSET);
            DrawFocusRect(dc, &mark);
        }
    }
    RestoreDC(dc, saved);
    EndPaint(window, &paint);
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
    if (pointer_.HandleMessage(window, message, lParam)) {
        return 0;
    }
    switch (message) {
    case WM_PAINT: Paint(window); return 0;
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
    case WM_KILLFOCUS:
        Repaint(behaviour_.CurrentCell());
        if (message == WM_SETFOCUS) {
            // After Windows has told a screen reader that the grid has the focus.
            PostMessageW(window, WM_FOCUS_CURRENT_CELL, 0, 0);
        }
        return 0;
    case WM_FOCUS_CURRENT_CELL:
        if (HasFocus()) {
            FocusCurrentCell();
        }
        return 0;
    case WM_UPDATEUISTATE:
        // The focus mark comes and goes with the window's showing of focus marks.
        Repaint(behaviour_.CurrentCell());
        break;
    case WM_GETOBJECT:
        // A screen reader reads the grid as a table of its cells.
        return accessibility_.Answer(
            window, wParam, lParam,
            [this](IAccessible* standard, ForwardingAccessible::AllocString allocString) {
                return new CellGridAccessible(standard, allocString, *this, behaviour_);
            },
            [&] { return DefWindowProcW(window, message, wParam, lParam); });
    case WM_NCDESTROY: window_ = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
