#pragma once

#include "NamedAccessible.h"

namespace tavrelin::ui {

class CellGrid;

// The grid as a screen reader sees it: a table whose children 1 to 196 are its cells, each named by
// its place and what it shows, at its place on the screen, and shot by its default action. It reads
// the grid through the grid's own interface.
class CellGridAccessible : public NamedAccessible {
public:
    CellGridAccessible(IAccessible* standard, const CellGrid& grid, AllocString allocString);

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
    // No cells once the grid's window is gone.
    LONG Count() const;
    static bool IsSelf(VARIANT child);
    // The cell index a child stands for, or -1 for the grid itself or no child.
    int Cell(VARIANT child) const;

    const CellGrid& grid_;
};

}  // namespace tavrelin::ui
