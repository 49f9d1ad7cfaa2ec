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

LRESULT ControlBackground(HDC dc, COLORREF background)
{
    SetBkColor(dc, background);
    SetDCBrushColor(dc, background);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

}  // namespace tavrelin::ui
