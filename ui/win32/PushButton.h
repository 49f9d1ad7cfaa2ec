#pragma once

#include <windows.h>

#include <string>

#include "Accessibility.h"
#include "Win32Support.h"

namespace tavrelin::ui {

// A push button that the window draws with a face of one colour, raised or pressed in, its caption
// in the system's button-text colour, and a focus mark while it has the focus and the window shows
// focus marks. Every press of it is a press, the second of a double-click too. It tells a screen
// reader what its press answered while it keeps the focus.
class PushButton : public SubclassedControl {
public:
    // A screen reader's questions are answered with the main window's libraries.
    explicit PushButton(Accessibility& accessibility) : accessibility_(accessibility) {}

    // Makes the button at this place of the parent, reporting its clicks with this command
    // identifier; false if Windows could not make it.
    bool Create(HWND parent, const std::wstring& caption, const RECT& place, HFONT font, Colour face, int id);
    // The button's face, as the parent's WM_DRAWITEM asks for it.
    void Draw(const DRAWITEMSTRUCT& item) const;
    // The phrase becomes the button's description, and a screen reader hears of it.
    void Announce(std::wstring phrase);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Accessibility& accessibility_;
    std::wstring caption_;
    // What the last press answered, until the button loses the focus.
    std::wstring description_;
    HFONT font_ = nullptr;
    Colour face_;
};

}  // namespace tavrelin::ui
