#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "CellFace.h"
#include "Pinned.h"
#include "WindowDesign.h"

// What every window of the program shares: the design's units and colours in the Windows API's
// terms, the making of Windows' own controls, and the way a window reaches the object it belongs to.
namespace tavrelin::ui {

// A place of the design, in twips, as pixels on a display of this many dots per inch.
RECT ToRECT(design::Rect twips, int dpi);

constexpr COLORREF ToCOLORREF(Colour colour)
{
    return RGB(colour.Red, colour.Green, colour.Blue);
}

// The index of a colour of the system's, for GetSysColor.
constexpr int ToSysColorIndex(design::SystemColour colour)
{
    switch (colour) {
    case design::SystemColour::WindowText: return COLOR_WINDOWTEXT;
    }
    return COLOR_WINDOWTEXT;
}

// The game's and the design's texts are UTF-8; the Windows API takes UTF-16.
std::wstring Widen(std::string_view utf8);

// Whether a screen reader runs, as it tells the system; WM_SETTINGCHANGE tells when that changes.
bool ScreenReaderRunning();

// The dots per inch of the display the window is shown on; the program is aware of the system's.
int DisplayDpi();

// A GDI object's owner deletes it when done with it.
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// A font owned by the program.
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteGdiObject>;
// A bitmap owned by the program.
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteGdiObject>;
// The window's font at the display's dots per inch; null if Windows could not make it.
FontHandle CreateDesignFont(int dpi);

// A control's background and text background in this colour, as WM_CTLCOLORSTATIC answers: the
// returned brush is the device context's own, set to the colour.
LRESULT ControlBackground(HDC dc, COLORREF background);

// How a caption stands across its control, as a static control's style and as DrawText's format.
struct AlignmentFlags {
    DWORD Static;
    UINT Text;
};
// The flags of a design's alignment; the design's alignments reach Windows only through here.
constexpr AlignmentFlags ToAlignmentFlags(design::Alignment alignment)
{
    switch (alignment) {
    case design::Alignment::Left: return {SS_LEFT, DT_LEFT};
    case design::Alignment::Centre: return {SS_CENTER, DT_CENTER};
    }
    return {SS_LEFT, DT_LEFT};
}

// A control of one of Windows' own classes at this place of its parent, in this font; null if
// Windows could not make it. Every control is a group of its own, so the arrow keys never move the
// focus between them.
HWND CreateControl(HWND parent, DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                   const RECT& place, HFONT font, int id = 0);

// One of Windows' own controls with a procedure of ours in front of Windows' own: HandleMessage
// sees every message first, and hands on what it leaves to Windows through CallOwnProc.
class SubclassedControl : private design::Pinned {
public:
    // The control, or null before it is made and after it is gone.
    HWND Window() const { return window_; }

    // The window procedure's work for this control.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    SubclassedControl() = default;
    ~SubclassedControl() = default;

    // Makes the control as CreateControl does and puts HandleMessage in front of its procedure;
    // false if Windows could not make it or refused the procedure.
    bool Create(HWND parent, DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                const RECT& place, HFONT font, int id = 0);
    // Windows' own work for a message.
    LRESULT CallOwnProc(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC own_ = nullptr;
};

// The window procedure of a class whose every window belongs to an object of type T: creation
// hands the object over as its creation parameter, and each message then goes to
// T::HandleMessage. The object outlives its window.
template <class T>
LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* object = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (object == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return object->HandleMessage(window, message, wParam, lParam);
}

// Registers the class of windows that all belong to objects of type T, as WindowProcOf says, with
// the arrow cursor and these class styles; false if Windows refused. The class has no background
// for Windows to erase first: each of its windows paints all of itself, and never flashes.
template <class T>
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* className, UINT style = 0)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = WindowProcOf<T>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace tavrelin::ui
