#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <utility>

#include "Pinned.h"

namespace tavrelin::ui {

// What a control says of itself to a screen reader where it differs from its standard object: its
// name, description and role. An empty text or a role of 0 leaves the standard object's.
struct AccessibleFacts {
    std::wstring Name;
    std::wstring Description;
    LONG Role = 0;
};

// A window's standard object, with the window's own facts in front of it: every question is passed
// to the standard object, but for the facts the window gives. A window whose children differ too,
// as the grid's cells do, answers for them in a class of its own on top of this one.
class ForwardingAccessible : public IAccessible, private design::Pinned {
public:
    // The library's function that makes a text for the caller to free.
    using AllocString = BSTR(WINAPI*)(const OLECHAR*);

    // Takes over the caller's reference to the standard object.
    ForwardingAccessible(IAccessible* standard, AllocString allocString, AccessibleFacts facts)
        : standard_(standard), allocString_(allocString), facts_(std::move(facts))
    {
    }
    virtual ~ForwardingAccessible() { standard_->Release(); }

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

    // No late binding: through it the standard object would answer for itself, not with the facts.
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
        return IsSelf(child) && !facts_.Name.empty() ? Text(facts_.Name, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return IsSelf(child) && !facts_.Description.empty() ? Text(facts_.Description, text)
                                                            : standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return IsSelf(child) && facts_.Role != 0 ? Number(facts_.Role, role) : standard_->get_accRole(child, role);
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
    // A screen reader changes nothing of the window.
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    // Whether a child id names the object itself rather than one of its children.
    static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    // A text handed to the caller, who frees it.
    HRESULT Text(const std::wstring& text, BSTR* result) const
    {
        *result = allocString_(text.c_str());
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // A number handed to the caller.
    static HRESULT Number(LONG value, VARIANT* result)
    {
        *result = VARIANT{};
        result->vt = VT_I4;
        result->lVal = value;
        return S_OK;
    }

private:
    IAccessible* standard_;
    AllocString allocString_;
    AccessibleFacts facts_;
    LONG references_ = 1;
};

}  // namespace tavrelin::ui
