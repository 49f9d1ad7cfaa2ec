#pragma once

#include <windows.h>

#include <string>

#include "Accessibility.h"
#include "Win32Support.h"

// The controls that Windows draws itself, each with its own few changes of behaviour and the name
// a screen reader calls it by.
namespace tavrelin::ui {

// A single-line text box that only shows: the mouse passes through it to what lies behind, and the
// focus handed to it moves on to the next control that takes the focus. A screen reader calls it by
// the caption beside it.
class Counter : public SubclassedControl {
public:
    explicit Counter(Accessibility& accessibility) : accessibility_(accessibility) {}

    // Makes the counter at this place of the parent; false if Windows could not make it.
    bool Create(HWND parent, const RECT& place, HFONT font, std::wstring name);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Accessibility& accessibility_;
    std::wstring name_;
};

// The read-only rules box with its scroll bar. Escape in it does nothing, where a multi-line text
// box of a dialog would close it; Tab into it keeps its caret and scroll position. A screen reader
// calls it by what it holds.
class RulesBox : public SubclassedControl {
public:
    explicit RulesBox(Accessibility& accessibility) : accessibility_(accessibility) {}

    // Makes the box at this place of the parent, holding this text; false if Windows could not make it.
    bool Create(HWND parent, const RECT& place, HFONT font, const std::wstring& text);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Accessibility& accessibility_;
};

}  // namespace tavrelin::ui
