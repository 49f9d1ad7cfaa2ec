#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

#include "NamedAccessible.h"

namespace tavrelin::ui {

// The screen reader's side of the program: the libraries that answer its questions, found only
// when a screen reader first asks, so that the program starts, and runs unread, without them. They
// are freed with this object. The main window owns the one loader and lends it to each control
// that a screen reader asks about.
class Accessibility {
public:
    Accessibility() = default;
    Accessibility(const Accessibility&) = delete;
    Accessibility(Accessibility&&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;
    Accessibility& operator=(Accessibility&&) = delete;
    ~Accessibility();

    // The answer to WM_GETOBJECT for a window's client area: the object that `make` builds around
    // the window's standard object, given the library's text allocator. 0 for any other object, or
    // if the libraries cannot be found, for Windows to answer.
    template <class Make>
    LRESULT Answer(HWND window, WPARAM flags, LPARAM objectId, Make make)
    {
        IAccessible* standard = Standard(window, objectId);
        return standard != nullptr ? Hand(make(standard, sysAllocString_), flags) : 0;
    }
    // The same for a control whose object is its standard one under this name, with this
    // description and role if given.
    LRESULT AnswerNamed(HWND window, WPARAM flags, LPARAM objectId, const std::wstring& name,
                        const std::wstring& description = {}, LONG role = 0);

private:
    using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);

    // The window's standard object for its client area, or null if it cannot be had.
    IAccessible* Standard(HWND window, LPARAM objectId);
    // The answer that hands a new object to the screen reader, which then holds the only reference.
    LRESULT Hand(IAccessible* object, WPARAM flags) const;

    HMODULE oleacc_ = nullptr;
    HMODULE oleaut32_ = nullptr;
    LresultFromObjectFn lresultFromObject_ = nullptr;
    CreateStdAccessibleObjectFn createStdAccessibleObject_ = nullptr;
    NamedAccessible::AllocString sysAllocString_ = nullptr;
};

}  // namespace tavrelin::ui
