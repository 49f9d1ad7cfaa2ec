#include "CellGridAccessible.h"

#include <algorithm>
#include <array>
#include <utility>

#include "CellGrid.h"
#include "GridKey.h"
#include "ScreenReader.h"
#include "Win32Support.h"
#include "WindowBehaviour.h"

namespace tavrelin::ui {

namespace {

// What a shot does, said as a default action.
constexpr wchar_t SHOOT[] = L"Стреляй";

// The arrow key that moves the current cell the way of each direction of navigation.
constexpr std::array<std::pair<LONG, design::GridKey>, 4> ARROWS{{
    {NAVDIR_LEFT, design::GridKey::Left},
    {NAVDIR_RIGHT, design::GridKey::Right},
    {NAVDIR_UP, design::GridKey::Up},
    {NAVDIR_DOWN, design::GridKey::Down},
}};

// The cell beside this one in a direction of navigation, if any. Next and previous run as the cell
// indexes do, down each column and on to the next; up, down, left and right go where the arrow keys
// move the current cell, and nowhere past the edge.
std::optional<int> Neighbour(int cell, LONG direction)
{
    if (direction == NAVDIR_NEXT) {
        return cell + 1 < CELL_COUNT ? std::optional(cell + 1) : std::nullopt;
    }
    if (direction == NAVDIR_PREVIOUS) {
        return cell > 0 ? std::optional(cell - 1) : std::nullopt;
    }
    const auto* arrow =
        std::find_if(ARROWS.begin(), ARROWS.end(), [direction](const auto& pair) { return pair.first == direction; });
    const int moved = arrow != ARROWS.end() ? design::MovedCell(cell, arrow->second) : cell;
    return moved != cell ? std::optional(moved) : std::nullopt;
}

}  // namespace

LONG ChildId(int cell)
{
    return cell + 1;
}

std::optional<int> CellOfChild(const VARIANT& child)
{
    if (child.vt != VT_I4 || child.lVal < ChildId(0) || child.lVal > ChildId(CELL_COUNT - 1)) {
        return std::nullopt;
    }
    return static_cast<int>(child.lVal - ChildId(0));
}

CellGridAccessible::CellGridAccessible(IAccessible* standard, AllocString allocString, const CellGrid& grid,
                                       const design::WindowBehaviour& shown)
    : ForwardingAccessible(standard, allocString, {Widen(design::GRID_NAME), {}, ROLE_SYSTEM_TABLE}),
      grid_(grid),
      shown_(shown)
{
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accChildCount(LONG* count)
{
    *count = grid_.Window() != nullptr ? CELL_COUNT : 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    // The cells are simple children, with no objects of their own.
    *object = nullptr;
    return Cell(child).has_value() ? S_FALSE : E_INVALIDARG;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accName(VARIANT child, BSTR* name)
{
    const std::optional<int> cell = Cell(child);
    if (!cell.has_value()) {
        return IsSelf(child) ? ForwardingAccessible::get_accName(child, name) : E_INVALIDARG;
    }
    return Text(Widen(design::CellName(*cell, shown_.Face(*cell))), name);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!IsSelf(child) && !Cell(child).has_value()) {
        return E_INVALIDARG;
    }
    return IsSelf(child) ? ForwardingAccessible::get_accRole(child, role) : Number(ROLE_SYSTEM_CELL, role);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const std::optional<int> cell = Cell(child);
    if (!cell.has_value()) {
        return ForwardingAccessible::get_accState(child, state);
    }
    LONG flags = STATE_SYSTEM_READONLY;
    if (grid_.TakesFocus()) {
        flags |= STATE_SYSTEM_FOCUSABLE;
    }
    if (grid_.HasFocus() && shown_.CurrentCell() == *cell) {
        flags |= STATE_SYSTEM_FOCUSED;
    }
    return Number(flags, state);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accDescription(VARIANT child, BSTR* text)
{
    const std::optional<int> cell = Cell(child);
    if (!cell.has_value()) {
        return ForwardingAccessible::get_accDescription(child, text);
    }
    if (*cell != shown_.CurrentCell() || shown_.Phrase().empty()) {
        *text = nullptr;
        return S_FALSE;
    }
    return Text(Widen(shown_.Phrase()), text);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accFocus(VARIANT* child)
{
    if (!grid_.HasFocus()) {
        *child = VARIANT{};
        return S_FALSE;
    }
    return Number(ChildId(shown_.CurrentCell()), child);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::get_accDefaultAction(VARIANT child, BSTR* text)
{
    return Cell(child).has_value() ? Text(SHOOT, text) : ForwardingAccessible::get_accDefaultAction(child, text);
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::accDoDefaultAction(VARIANT child)
{
    const std::optional<int> cell = Cell(child);
    if (!cell.has_value()) {
        return ForwardingAccessible::accDoDefaultAction(child);
    }
    return grid_.PostClick(*cell) ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                                          VARIANT child)
{
    const std::optional<int> cell = Cell(child);
    if (!cell.has_value()) {
        return ForwardingAccessible::accLocation(left, top, width, height, child);
    }
    RECT place = grid_.CellRect(*cell);
    MapWindowPoints(grid_.Window(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CellGridAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    const std::optional<int> cell = Cell(start);
    std::optional<int> to;
    if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD) {
        to = 0;
    } else if (IsSelf(start) && direction == NAVDIR_LASTCHILD && grid_.Window() != nullptr) {
        to = CELL_COUNT - 1;
    } else if (cell.has_value()) {
        to = Neighbour(*cell, direction);
    } else {
        return ForwardingAccessible::accNavigate(direction, start, end);
    }
    if (!to.has_value()) {
        *end = VARIANT{};
        return S_FALSE;
    }
    return Number(ChildId(*to), end);
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
    return Number(ChildId(*cell), child);
}

std::optional<int> CellGridAccessible::Cell(const VARIANT& child) const
{
    return grid_.Window() != nullptr ? CellOfChild(child) : std::nullopt;
}

}  // namespace tavrelin::ui
