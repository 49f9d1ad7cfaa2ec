#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace tavrelin::ui {

class PaintedLabels;

// What a screen reader is told about the program's windows. Its libraries are found only when a
// screen reader first asks, so the program starts, and runs unread, without them.
class Accessibility {
public:
    // The answer to WM_GETOBJECT: for the client area, the window's standard object under this name;
    // otherwise, or if the libraries cannot be found, 0, for Windows to answer.
    LRESULT AnswerNamed(HWND window, WPARAM flags, LPARAM objectId, const std::wstring& name);
    // The same for the grid: a table of the labels' cells, one simple child per label.
    LRESULT AnswerGrid(HWND window, WPARAM flags, LPARAM objectId, PaintedLabels& grid);

private:
    using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);

    // The window's standard object for its client area, or null if it cannot be had.
    IAccessible* Standard(HWND window, LPARAM objectId);
    // The answer that hands a new object to the screen reader, which then holds the only reference.
    LRESULT Hand(IAccessible* object, WPARAM flags) const;

    HMODULE oleacc_ = nullptr;
    HMODULE oleaut32_ = nullptr;
    LresultFromObjectFn lresultFromObject_ = nullptr;
    CreateStdAccessibleObjectFn createStdAccessibleObject_ = nullptr;
    SysAllocStringFn sysAllocString_ = nullptr;
};

}  // namespace tavrelin::ui
