#include "PictureBox.h"

#include "ScreenReader.h"

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinPictureBox";

}  // namespace

bool PictureBox::RegisterWindowClass(HINSTANCE instance)
{
    return ui::RegisterWindowClass<PictureBox>(instance, CLASS_NAME);
}

bool PictureBox::Create(HWND parent, const RECT& place, const wchar_t* resourceName)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    // The bitmap keeps the pixels of the resource as they are, whatever the display.
    picture_.reset(static_cast<HBITMAP>(LoadImageW(instance, resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    // The client edge is Windows' sunken border, as wide as the design's.
    static_assert(design::PICTURE1_BORDER == 2, "the client edge is 2 pixels wide");
    window_ = CreateWindowExW(WS_EX_CLIENTEDGE, CLASS_NAME, L"",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, parent, nullptr, instance, this);
    return window_ != nullptr;
}

void PictureBox::Paint(HWND window) const
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT inside{};
    GetClientRect(window, &inside);
    const int saved = SaveDC(dc);
    if (picture_ != nullptr) {
        BITMAP size{};
        GetObjectW(picture_.get(), sizeof size, &size);
        HDC pictureDc = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(pictureDc, picture_.get());
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, pictureDc, 0, 0, SRCCOPY);
        SelectObject(pictureDc, previous);
        DeleteDC(pictureDc);
        ExcludeClipRect(dc, 0, 0, size.bmWidth, size.bmHeight);
    }
    // Where the box is larger than its picture, the box's own face shows.
    FillRect(dc, &inside, GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(dc, saved);
    // The focus mark shows only while the window shows focus marks.
    if (GetFocus() == window && (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
        DrawFocusRect(dc, &inside);
    }
    EndPaint(window, &paint);
}

LRESULT PictureBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(window); return 0;
    case WM_LBUTTONDOWN: SetFocus(window); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The focus mark comes and goes with the focus.
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_UPDATEUISTATE:
        // And with the window's showing of focus marks, which the default procedure keeps.
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_GETOBJECT:
        // A screen reader finds the box as a picture, named by what it shows.
        return accessibility_.Answer(window, wParam, lParam, {Widen(design::PICTURE1_NAME), {}, ROLE_SYSTEM_GRAPHIC},
                                     [&] { return DefWindowProcW(window, message, wParam, lParam); });
    case WM_NCDESTROY: window_ = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
