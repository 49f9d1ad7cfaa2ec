#pragma once

#include <windows.h>

#include <oleacc.h>

#include "ForwardingAccessible.h"
#include "Pinned.h"

namespace tavrelin::ui {

// The screen reader's side of the program: the libraries that answer its questions, found only
// when a screen reader first asks, so that the program starts, and runs unread, without them. They
// are freed with this object. The main window owns the one loader and lends it to each control
// that a screen reader asks about.
class Accessibility : private design::Pinned {
public:
    Accessibility() = default;
    ~Accessibility();

    // The answer to WM_GETOBJECT. A screen reader that asks for a window's client area gets the
    // object that `make` builds around the window's standard object, given the library's text
    // allocator; any other question, or one that the libraries cannot answer, goes on to `handOn`,
    // the window's own procedure.
    template <class Make, class HandOn>
    LRESULT Answer(HWND window, WPARAM flags, LPARAM objectId, Make make, HandOn handOn)
    {
        IAccessible* standard = Standard(window, objectId);
        return standard != nullptr ? Hand(make(standard, sysAllocString_), flags) : handOn();
    }
    // The same for a control whose object is its standard one with these facts in front; a control
    // with no facts of its own is left to its own procedure.
    template <class HandOn>
    LRESULT Answer(HWND window, WPARAM flags, LPARAM objectId, const AccessibleFacts& facts, HandOn handOn)
    {
        if (facts.Name.empty() && facts.Description.empty() && facts.Role == 0) {
            return handOn();
        }
        return Answer(
            window, flags, objectId,
            [&facts](IAccessible* standard, ForwardingAccessible::AllocString allocString) {
                return new ForwardingAccessible(standard, allocString, facts);
            },
            handOn);
    }

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
    ForwardingAccessible::AllocString sysAllocString_ = nullptr;
};

}  // namespace tavrelin::ui
