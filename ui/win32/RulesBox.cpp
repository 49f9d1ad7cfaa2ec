#include "RulesBox.h"

#include "ScreenReader.h"

namespace tavrelin::ui {

bool RulesBox::Create(HWND parent, const RECT& place, HFONT font, const std::wstring& text)
{
    if (!SubclassedControl::Create(parent, WS_EX_CLIENTEDGE, L"EDIT", L"",
                                   ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP, place, font)) {
        return false;
    }
    // The text comes once the box has its font, so it is laid out once, in it.
    SetWindowTextW(Window(), text.c_str());
    return true;
}

LRESULT RulesBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
        if (wParam == VK_ESCAPE) {
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        // The dialog manager selects all of a text box's text on Tab only when the box asks for it.
        return CallOwnProc(message, wParam, lParam) & ~DLGC_HASSETSEL;
    case WM_GETOBJECT:
        return accessibility_.Answer(Window(), wParam, lParam, {Widen(design::TEXT1_NAME), {}, 0},
                                     [&] { return CallOwnProc(message, wParam, lParam); });
    default: break;
    }
    return CallOwnProc(message, wParam, lParam);
}

}  // namespace tavrelin::ui
