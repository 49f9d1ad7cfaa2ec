#include "PaintedLabels.h"

#include <windowsx.h>

#include <utility>

#include "Win32Support.h"

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinPaintedLabels";

}  // namespace

PaintedLabels::PaintedLabels(bool bordered, design::Alignment alignment, bool readable, ClickHandler onClick)
    : bordered_(bordered),
      readable_(readable),
      alignment_(ToAlignmentFlags(alignment).Text),
      onClick_(std::move(onClick))
{
}

bool PaintedLabels::RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Double-clicks arrive as their own message, so the second press of one can be told apart.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcOf<PaintedLabels>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = CLASS_NAME;
    return RegisterClassExW(&windowClass) != 0;
}

bool PaintedLabels::Create(HWND parent, const RECT& place, std::vector<RECT> labelPlaces, HFONT font,
                           const CellFace& face)
{
    places_ = std::move(labelPlaces);
    faces_.assign(places_.size(), face);
    font_ = font;
    window_ = CreateWindowExW(0, CLASS_NAME, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP, place.left,
                              place.top, place.right - place.left, place.bottom - place.top, parent, nullptr,
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
    return window_ != nullptr;
}

void PaintedLabels::SetFace(int Index, const CellFace& face)
{
    faces_[Index] = face;
    // With no window, the label is painted with its face when the window comes.
    if (window_ != nullptr) {
        InvalidateRect(window_, &places_[Index], FALSE);
        if (readable_) {
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, Index + 1);
        }
    }
}

int PaintedLabels::LabelAt(POINT point) const
{
    for (std::size_t n = 0; n < places_.size(); ++n) {
        if (PtInRect(&places_[n], point) != FALSE) {
            return static_cast<int>(n);
        }
    }
    return NO_LABEL;
}

void PaintedLabels::Paint(HWND window) const
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    const int saved = SaveDC(dc);
    SelectObject(dc, font_);
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t n = 0; n < places_.size(); ++n) {
        RECT place = places_[n];
        // Only the labels whose own place needs painting, not every one in the bounding box.
        if (RectVisible(dc, &place) == FALSE) {
            continue;
        }
        SetDCBrushColor(dc, ToCOLORREF(faces_[n].BackColor));
        if (bordered_) {
            SelectObject(dc, GetStockObject(BLACK_PEN));
            Rectangle(dc, place.left, place.top, place.right, place.bottom);
            InflateRect(&place, -1, -1);
        } else {
            FillRect(dc, &place, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
        std::wstring caption = Widen(faces_[n].Caption);
        DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &place,
                  alignment_ | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    RestoreDC(dc, saved);
    EndPaint(window, &paint);
}

LRESULT PaintedLabels::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_ERASEBKGND:
        // The labels cover the whole window and paint their own background.
        return 1;
    case WM_PAINT: Paint(window); return 0;
    case WM_LBUTTONDBLCLK:
        // The second press of a double-click on one label: the first press and release were already
        // the click. On another label it is a press of its own.
        if (LabelAt(point) == lastPressed_) {
            pressed_ = NO_LABEL;
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        pressed_ = lastPressed_ = LabelAt(point);
        if (pressed_ != NO_LABEL) {
            SetCapture(window);
        }
        return 0;
    case WM_LBUTTONUP:
        if (const int pressed = std::exchange(pressed_, NO_LABEL); pressed != NO_LABEL) {
            ReleaseCapture();
            if (LabelAt(point) == pressed) {
                onClick_(pressed);
            }
        }
        return 0;
    case WM_CAPTURECHANGED:
        // Losing the mouse, say to another window, ends the press without a click.
        pressed_ = NO_LABEL;
        return 0;
    case WM_CLICK_LABEL: onClick_(static_cast<int>(wParam)); return 0;
    case WM_GETOBJECT:
        if (readable_) {
            if (const LRESULT answer = accessibility_.AnswerGrid(window, wParam, lParam, *this); answer != 0) {
                return answer;
            }
        }
        break;
    case WM_NCDESTROY: window_ = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
