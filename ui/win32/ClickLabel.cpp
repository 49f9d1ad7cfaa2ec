#include "ClickLabel.h"

#include "Win32Support.h"

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinClickLabel";

}  // namespace

ClickLabel::ClickLabel(design::WindowBehaviour& behaviour, design::Label label)
    : pointer_(behaviour, [label](POINT) { return std::optional(label); })
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
    SetDCBrushColor(dc, ToCOLORREF(background_));
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    EndPaint(window, &paint);
}

LRESULT ClickLabel::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (pointer_.HandleMessage(window, message, lParam)) {
        return 0;
    }
    if (message == WM_PAINT) {
        Paint(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
