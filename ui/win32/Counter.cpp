#include "Counter.h"

#include <utility>

namespace tavrelin::ui {

bool Counter::Create(HWND parent, const RECT& place, HFONT font, std::wstring name)
{
    name_ = std::move(name);
    return SubclassedControl::Create(parent, WS_EX_CLIENTEDGE, L"EDIT", L"", ES_CENTER | ES_READONLY, place, font);
}

LRESULT Counter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_SETFOCUS: SetFocus(GetNextDlgTabItem(GetParent(Window()), Window(), FALSE)); return 0;
    case WM_GETOBJECT:
        return accessibility_.Answer(Window(), wParam, lParam, {name_, {}, 0},
                                     [&] { return CallOwnProc(message, wParam, lParam); });
    default: return CallOwnProc(message, wParam, lParam);
    }
}

}  // namespace tavrelin::ui
