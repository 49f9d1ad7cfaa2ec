#include "CellGridAccessible.h"

#include "CellGrid.h"
#include "ScreenReader.h"
#include "Win32Support.h"

namespace tavrelin::ui {

namespace {

VARIANT Int(LONG value)
{
    VARIANT result{};
    result.vt = VT_I4;
    result.lVal = value;
    return result;
}

// What a shot does, said as a default action.
constexpr wchar_t SHOOT[] = L"Стреляй";

}  // namespace

CellGridAccessible::CellGridAccessible(IAccessible* standard, const CellGrid& grid, AllocString allocString)
    : NamedAccessible(standard, Widen(design::GRID_NAME), allocString), grid_(grid)
{
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accChildCount(LONG* count)
{
    *count = Count();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    *object = nullptr;
    return Cell(child) >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accName(VARIANT child, BSTR* name)
{
    const int cell = Cell(child);
    if (cell < 0) {
        return IsSelf(child) ? NamedAccessible::get_accName(child, name) : E_INVALIDARG;
    }
    return Text(Widen(design::CellName(cell, grid_.Face(cell))), name);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!IsSelf(child) && Cell(child) < 0) {
        return E_INVALIDARG;
    }
    *role = Int(IsSelf(child) ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const int cell = Cell(child);
    if (cell < 0) {
        return NamedAccessible::get_accState(child, state);
    }
    LONG flags = STATE_SYSTEM_READONLY;
    if (grid_.TakesFocus()) {
        flags |= STATE_SYSTEM_FOCUSABLE;
    }
    if (grid_.HasFocus() && grid_.CurrentCell() == cell) {
        flags |= STATE_SYSTEM_FOCUSED;
    }
    *state = Int(flags);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accDescription(VARIANT child, BSTR* text)
{
    const int cell = Cell(child);
    if (cell < 0) {
        return NamedAccessible::get_accDescription(child, text);
    }
    if (cell != grid_.CurrentCell() || grid_.Phrase().empty()) {
        *text = nullptr;
        return S_FALSE;
    }
    return Text(Widen(grid_.Phrase()), text);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accFocus(VARIANT* child)
{
    *child = grid_.HasFocus() ? Int(grid_.CurrentCell() + 1) : VARIANT{};
    return grid_.HasFocus() ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accDefaultAction(VARIANT child, BSTR* text)
{
    if (Cell(child) < 0) {
        return NamedAccessible::get_accDefaultAction(child, text);
    }
    return Text(SHOOT, text);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::accDoDefaultAction(VARIANT child)
{
    const int cell = Cell(child);
    if (cell < 0) {
        return NamedAccessible::accDoDefaultAction(child);
    }
    return grid_.PostClick(cell) ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                                          VARIANT child)
{
    const int cell = Cell(child);
    if (cell < 0) {
        return NamedAccessible::accLocation(left, top, width, height, child);
    }
    RECT place = grid_.CellRect(cell);
    MapWindowPoints(grid_.Window(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    // Among the cells, the next and previous go down each column and on to the next; up, down, left
    // and right go to the neighbouring cell, none past the edge. Child ids count from 1.
    const int cell = Cell(start);
    LONG to = 0;
    if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD) {
        to = 1;
    } else if (IsSelf(start) && direction == NAVDIR_LASTCHILD) {
        to = Count();
    } else if (cell >= 0 && direction == NAVDIR_NEXT && cell + 1 < Count()) {
        to = cell + 2;
    } else if (cell > 0 && direction == NAVDIR_PREVIOUS) {
        to = cell;
    } else if (cell >= 0 && direction == NAVDIR_LEFT && CellCol(cell) > 0) {
        to = cell - FIELD_SIZE + 1;
    } else if (cell >= 0 && direction == NAVDIR_RIGHT && CellCol(cell) < FIELD_SIZE - 1) {
        to = cell + FIELD_SIZE + 1;
    } else if (cell >= 0 && direction == NAVDIR_UP && CellRow(cell) > 0) {
        to = cell;
    } else if (cell >= 0 && direction == NAVDIR_DOWN && CellRow(cell) < FIELD_SIZE - 1) {
        to = cell + 2;
    } else if (cell < 0) {
        return NamedAccessible::accNavigate(direction, start, end);
    }
    *end = to != 0 ? Int(to) : VARIANT{};
    return to != 0 ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::accHitTest(LONG x, LONG y, VARIANT* child)
{
    POINT point{x, y};
    ScreenToClient(grid_.Window(), &point);
    const std::optional<int> cell = grid_.CellAt(point);
    if (!cell.has_value()) {
        *child = VARIANT{};
        return S_FALSE;
    }
    *child = Int(*cell + 1);
    return S_OK;
}

LONG CellGridAccessible::Count() const
{
    return grid_.Window() != nullptr ? grid_.CellCount() : 0;
}

bool CellGridAccessible::IsSelf(VARIANT child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

int CellGridAccessible::Cell(VARIANT child) const
{
    return child.vt == VT_I4 && child.lVal >= 1 && child.lVal <= Count() ? static_cast<int>(child.lVal - 1) : -1;
}

}  // namespace tavrelin::ui
