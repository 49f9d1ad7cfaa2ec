#include "Accessibility.h"

namespace tavrelin::ui {

namespace {

// A function of a library found at run time, in its own type.
template <class Function>
Function Find(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace

Accessibility::~Accessibility()
{
    if (oleacc_ != nullptr) {
        FreeLibrary(oleacc_);
    }
    if (oleaut32_ != nullptr) {
        FreeLibrary(oleaut32_);
    }
}

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
        sysAllocString_ = Find<ForwardingAccessible::AllocString>(oleaut32_, "SysAllocString");
    }
    IAccessible* standard = nullptr;
    if (lresultFromObject_ == nullptr || createStdAccessibleObject_ == nullptr || sysAllocString_ == nullptr ||
        FAILED(createStdAccessibleObject_(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&standard)))) {
        return nullptr;
    }
    return standard;
}

LRESULT Accessibility::Hand(IAccessible* object, WPARAM flags) const
{
    const LRESULT answer = lresultFromObject_(__uuidof(IAccessible), flags, object);
    object->Release();
    return answer;
}

}  // namespace tavrelin::ui
