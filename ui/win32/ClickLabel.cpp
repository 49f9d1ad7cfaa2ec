#include "ClickLabel.h"

#include <windowsx.h>

#include "Win32Support.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinClickLabel";

}  // namespace

ClickLabel::ClickLabel(design::WindowBehaviour& behaviour, design::Label label) : behaviour_(behaviour), label_(label)
{
}

bool ClickLabel::RegisterWindowClass(HINSTANCE instance)
{
    // Double-clicks arrive as their own message, so the second press of one can be told apart.
    return ui::RegisterWindowClass<ClickLabel>(instance, CLASS_NAME, CS_DBLCLKS);
}

bool ClickLabel::Create(HWND parent, const RECT& place, Colour background)
{
    background_ = background;
    return CreateWindowExW(0, CLASS_NAME, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP, place.left,
                           place.top, place.right - place.left, place.bottom - place.top, parent, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this) != nullptr;
}

void ClickLabel::Paint(HWND window) const
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT inside{};
    GetClientRect(window, &inside);
    const int saved = SaveDC(dc);
    SetDCBrushColor(dc, ToCOLORREF(background_));
    FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    RestoreDC(dc, saved);
    EndPaint(window, &paint);
}

LRESULT ClickLabel::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        // The label paints all of itself.
        return 1;
    case WM_PAINT: Paint(window); return 0;
    case WM_LBUTTONDOWN:
        behaviour_.Press(label_);
        // The release comes here wherever the pointer goes.
        SetCapture(window);
        return 0;
    case WM_LBUTTONDBLCLK:
        behaviour_.DoublePress(label_);
        SetCapture(window);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            RECT inside{};
            GetClientRect(window, &inside);
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            behaviour_.Release(PtInRect(&inside, point) != FALSE ? std::optional(label_) : std::nullopt);
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        // Losing the mouse, say to another window, ends the press without a click.
        behaviour_.Release(std::nullopt);
        return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
