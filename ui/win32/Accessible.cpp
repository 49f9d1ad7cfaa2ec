#include "Accessible.h"

#include <string_view>
#include <utility>

#include "PaintedLabels.h"
#include "ScreenReader.h"
#include "Win32Support.h"

namespace tavrelin::ui {

namespace {

// A function of a library found at run time, in its own type.
template <class Function>
Function Find(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

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

// A window's standard object, passed every question but its name, which it answers itself.
class NamedAccessible : public IAccessible {
public:
    using AllocString = BSTR(WINAPI*)(const OLECHAR*);

    NamedAccessible(IAccessible* standard, std::wstring name, AllocString allocString)
        : standard_(standard), name_(std::move(name)), allocString_(allocString)
    {
    }
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible(NamedAccessible&&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;
    NamedAccessible& operator=(NamedAccessible&&) = delete;
    virtual ~NamedAccessible() { standard_->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            return Text(name_, name);
        }
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override
    {
        return standard_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override
    {
        return standard_->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override
    {
        return standard_->get_accDefaultAction(child, text);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override { return standard_->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    // A text handed to the caller, who frees it.
    HRESULT Text(const std::wstring& text, BSTR* result) const
    {
        *result = allocString_(text.c_str());
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }

private:
    IAccessible* standard_;
    std::wstring name_;
    AllocString allocString_;
    LONG references_ = 1;
};

// The grid as a table whose children 1 to N are its N labels, each a cell named by its place and
// face, shot by its default action.
class GridAccessible : public NamedAccessible {
public:
    GridAccessible(IAccessible* standard, PaintedLabels& grid, AllocString allocString)
        : NamedAccessible(standard, L"", allocString), grid_(grid)
    {
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        *count = Count();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        *object = nullptr;
        return Cell(child) >= 0 ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        const int cell = Cell(child);
        if (cell < 0) {
            return IsSelf(child) ? NamedAccessible::get_accName(child, name) : E_INVALIDARG;
        }
        return Text(Widen(design::CellName(cell, grid_.faces_[cell])), name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!IsSelf(child) && Cell(child) < 0) {
            return E_INVALIDARG;
        }
        *role = Int(IsSelf(child) ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        if (Cell(child) < 0) {
            return NamedAccessible::get_accState(child, state);
        }
        *state = Int(STATE_SYSTEM_READONLY);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override
    {
        if (Cell(child) < 0) {
            return NamedAccessible::get_accDefaultAction(child, text);
        }
        return Text(SHOOT, text);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        const int cell = Cell(child);
        if (cell < 0) {
            return NamedAccessible::accDoDefaultAction(child);
        }
        // The shot is the window's to take, on its own thread, whichever thread the screen reader's
        // call came in on.
        return PostMessageW(grid_.window_, PaintedLabels::WM_CLICK_LABEL, static_cast<WPARAM>(cell), 0) != FALSE
                   ? S_OK
                   : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        const int cell = Cell(child);
        if (cell < 0) {
            return NamedAccessible::accLocation(left, top, width, height, child);
        }
        RECT place = grid_.places_[cell];
        MapWindowPoints(grid_.window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        // Among the cells, the next and previous go down each column and on to the next.
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
        } else if (cell < 0) {
            return NamedAccessible::accNavigate(direction, start, end);
        }
        *end = to != 0 ? Int(to) : VARIANT{};
        return to != 0 ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        POINT point{x, y};
        RECT client{};
        GetClientRect(grid_.window_, &client);
        ScreenToClient(grid_.window_, &point);
        if (PtInRect(&client, point) == FALSE) {
            *child = VARIANT{};
            return S_FALSE;
        }
        *child = Int(grid_.LabelAt(point) + 1);
        return S_OK;
    }

private:
    // No cells once the window is gone.
    LONG Count() const { return grid_.window_ != nullptr ? static_cast<LONG>(grid_.places_.size()) : 0; }
    static bool IsSelf(VARIANT child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    // The label a child stands for, or -1 for the grid itself or no child.
    int Cell(VARIANT child) const
    {
        return child.vt == VT_I4 && child.lVal >= 1 && child.lVal <= Count() ? static_cast<int>(child.lVal - 1) : -1;
    }

    PaintedLabels& grid_;
};

IAccessible* Accessibility::Standard(HWND window, LPARAM objectId)
{
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) {
        return nullptr;
    }
    if (oleacc_ == nullptr) {
        oleacc_ = LoadLibraryW(L"oleacc.dll");
        oleaut32_ = LoadLibraryW(L"oleaut32.dll");
        if (oleacc_ == nullptr || oleaut32_ == nullptr) {
            return nullptr;
        }
        lresultFromObject_ = Find<LresultFromObjectFn>(oleacc_, "LresultFromObject");
        createStdAccessibleObject_ = Find<CreateStdAccessibleObjectFn>(oleacc_, "CreateStdAccessibleObject");
        sysAllocString_ = Find<SysAllocStringFn>(oleaut32_, "SysAllocString");
    }
    IAccessible* standard = nullptr;
    if (lresultFromObject_ == nullptr || createStdAccessibleObject_ == nullptr || sysAllocString_ == nullptr ||
        FAILED(createStdAccessibleObject_(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&standard)))) {
        return nullptr;
    }
    return standard;
}

LRESULT Accessibility::AnswerNamed(HWND window, WPARAM flags, LPARAM objectId, const std::wstring& name)
{
    IAccessible* standard = Standard(window, objectId);
    return standard != nullptr ? Hand(new NamedAccessible(standard, name, sysAllocString_), flags) : 0;
}

LRESULT Accessibility::AnswerGrid(HWND window, WPARAM flags, LPARAM objectId, PaintedLabels& grid)
{
    IAccessible* standard = Standard(window, objectId);
    return standard != nullptr ? Hand(new GridAccessible(standard, grid, sysAllocString_), flags) : 0;
}

LRESULT Accessibility::Hand(IAccessible* object, WPARAM flags) const
{
    const LRESULT answer = lresultFromObject_(__uuidof(IAccessible), flags, object);
    object->Release();
    return answer;
}

}  // namespace tavrelin::ui
