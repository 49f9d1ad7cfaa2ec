#pragma once

#include <optional>

#include "ForwardingAccessible.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

class CellGrid;

// A cell as a child of the grid's object: child ids count the cells from 1, as 0 is the grid itself.
LONG ChildId(int cell);
// The cell that a child id stands for, or none for the grid itself or an id past the last cell.
std::optional<int> CellOfChild(const VARIANT& child);

// The grid as a screen reader sees it: a table named as the window's grid, whose children are its
// cells, each named by its place and what it shows, at its place on the screen, and shot by its
// default action.
class CellGridAccessible : public ForwardingAccessible {
public:
    // The grid's window tells where the cells stand and which has the focus; the behaviour what
    // they show.
    CellGridAccessible(IAccessible* standard, AllocString allocString, const CellGrid& grid,
                       const design::WindowBehaviour& shown);

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    // The current cell's description is what was last said about it.
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
    // The current cell, while the grid has the focus.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;

private:
    // The cell a child id stands for; none once the grid's window is gone.
    std::optional<int> Cell(const VARIANT& child) const;

    const CellGrid& grid_;
    const design::WindowBehaviour& shown_;
};

}  // namespace tavrelin::ui
