#include "PushButton.h"

#include <utility>

namespace tavrelin::ui {

bool PushButton::Create(HWND parent, const std::wstring& caption, const RECT& place, HFONT font, Colour face, int id)
{
    caption_ = caption;
    font_ = font;
    face_ = face;
    return SubclassedControl::Create(parent, 0, L"BUTTON", caption, BS_OWNERDRAW | WS_TABSTOP, place, font, id);
}

void PushButton::Draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    // The dotted mark shows only while the window shows focus marks, which it may leave until the
    // keyboard is first used.
    const bool marked = focused && (item.itemState & ODS_NOFOCUSRECT) == 0;
    const int saved = SaveDC(dc);

    SetDCBrushColor(dc, ToCOLORREF(face_));
    FillRect(dc, &face, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    if (focused) {
        // A dark frame round the button while it has the focus.
        FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pressed) {
        OffsetRect(&face, 1, 1);
    }
    SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (marked) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(dc, &face);
    }
    RestoreDC(dc, saved);
}

void PushButton::Announce(std::wstring phrase)
{
    description_ = std::move(phrase);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, Window(), OBJID_CLIENT, CHILDID_SELF);
}

LRESULT PushButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDBLCLK:
        // A drawn button would report the second press of a double-click only as a double-click.
        return CallOwnProc(WM_LBUTTONDOWN, wParam, lParam);
    case WM_KILLFOCUS:
        // The answer belongs to the press, not to the next visit of the button.
        description_.clear();
        break;
    case WM_GETOBJECT:
        return accessibility_.Answer(Window(), wParam, lParam, {{}, description_, 0},
                                     [&] { return CallOwnProc(message, wParam, lParam); });
    default: break;
    }
    return CallOwnProc(message, wParam, lParam);
}

}  // namespace tavrelin::ui
