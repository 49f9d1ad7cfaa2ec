#include "Win32Support.h"

namespace tavrelin::ui {

RECT ToRECT(design::Rect twips, int dpi)
{
    const design::Rect pixels = design::ToPixels(twips, dpi);
    return {pixels.Left, pixels.Top, pixels.Left + pixels.Width, pixels.Top + pixels.Height};
}

std::wstring Widen(std::string_view utf8)
{
    if (utf8.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), utf16.data(), length);
    return utf16;
}

bool ScreenReaderRunning()
{
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) != FALSE && running != FALSE;
}

int DisplayDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A point is 1/72 inch.
constexpr int POINTS_PER_INCH = 72;

FontHandle CreateDesignFont(int dpi)
{
    const std::wstring face = Widen(design::FONT_FACE);
    return FontHandle(CreateFontW(-MulDiv(design::FONT_POINTS, dpi, POINTS_PER_INCH), 0, 0, 0, design::FONT_WEIGHT,
                                  FALSE, FALSE, FALSE, design::FONT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, face.c_str()));
}

HWND CreateControl(HWND parent, DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                   const RECT& place, HFONT font, int id)
{
    HWND control =
        CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP | style,
                        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}

bool SubclassedControl::Create(HWND parent, DWORD exStyle, const wchar_t* className, const std::wstring& text,
                               DWORD style, const RECT& place, HFONT font, int id)
{
    window_ = CreateControl(parent, exStyle, className, text, style, place, font, id);
    if (window_ == nullptr) {
        return false;
    }
    own_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return own_ != nullptr &&
           SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedControl::Procedure)) != 0;
}

LRESULT SubclassedControl::CallOwnProc(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcW(own_, window_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* object = reinterpret_cast<SubclassedControl*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        // The control's last message gives Windows' own procedure its place back.
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(object->own_));
        const LRESULT result = object->CallOwnProc(message, wParam, lParam);
        object->window_ = nullptr;
        return result;
    }
    return object->HandleMessage(message, wParam, lParam);
}

LRESULT ControlBackground(HDC dc, COLORREF background)
{
    SetBkColor(dc, background);
    SetDCBrushColor(dc, background);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

}  // namespace tavrelin::ui
