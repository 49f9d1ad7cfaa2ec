// Reads the game's window as a screen reader does, through MSAA, and prints what it reads in
// UTF-8, one line an object:
//   cell ID ROLE STATE LEFT TOP WIDTH HEIGHT ACTION|NAME     for each child of the grid
//   grid ROLE CHILDREN                                       for the grid itself
//   control CLASS TABSTOP ROLE ACTION|NAME|VALUE             for every other control, the value's
//                                                            first line only
//   event namechange CLASS ID                                for each name change seen
//   event focus CLASS ID NAME|DESCRIPTION[ > CHILD]          for each focus change seen, with the
//                                                            child that has the focus inside it
//   event descriptionchange CLASS ID DESCRIPTION             for each description change seen
//   setsel CLASS                                             for each control that takes the focus
//                                                            and asks the dialog manager to select
//                                                            all of its text when Tab brings it
//   focus CLASS                                              the control with the focus once the
//                                                            window is minimised and restored
//   msaa-client.exe [ID]   first does the default action of the grid's child ID
//   msaa-client.exe restore   first minimises the window and restores it
//   msaa-client.exe screenreader on|off   only tells the system that a screen reader runs, or not
//   msaa-client.exe listen MS   prints "ready", then only the events seen for MS milliseconds
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Narrow(const wchar_t* text)
{
    if (text == nullptr) {
        return {};
    }
    std::string result(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), static_cast<int>(result.size()), nullptr, nullptr);
    result.pop_back();
    return result;
}

VARIANT Child(LONG id)
{
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// One of the object's texts, empty if it has none.
template <class Getter>
std::string Text(Getter get)
{
    BSTR text = nullptr;
    const HRESULT result = get(&text);
    std::string utf8 = SUCCEEDED(result) ? Narrow(text) : std::string{};
    SysFreeString(text);
    return utf8;
}

LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible* object, LONG id)
{
    VARIANT value{};
    return SUCCEEDED((object->*get)(Child(id), &value)) && value.vt == VT_I4 ? value.lVal : -1;
}

IAccessible* ObjectOf(HWND window)
{
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    return object;
}

std::string ClassOf(HWND window)
{
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return Narrow(name);
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object != OBJID_CLIENT) {
        return;
    }
    if (event == EVENT_OBJECT_NAMECHANGE) {
        std::printf("event namechange %s %ld\n", ClassOf(window).c_str(), child);
        std::fflush(stdout);
        return;
    }
    if (event != EVENT_OBJECT_FOCUS && event != EVENT_OBJECT_DESCRIPTIONCHANGE) {
        return;
    }
    IAccessible* source = nullptr;
    VARIANT id{};
    if (FAILED(AccessibleObjectFromEvent(window, object, child, &source, &id)) || source == nullptr) {
        return;
    }
    const std::string description = Text([&](BSTR* text) { return source->get_accDescription(id, text); });
    if (event == EVENT_OBJECT_FOCUS) {
        // A control that has the focus on one of its children says which.
        VARIANT focused{};
        std::string inner;
        if (child == CHILDID_SELF && SUCCEEDED(source->get_accFocus(&focused)) && focused.vt == VT_I4 &&
            focused.lVal > 0) {
            inner = " > " + std::to_string(focused.lVal);
        }
        std::printf("event focus %s %ld %s|%s%s\n", ClassOf(window).c_str(), child,
                    Text([&](BSTR* text) { return source->get_accName(id, text); }).c_str(), description.c_str(),
                    inner.c_str());
    } else {
        std::printf("event descriptionchange %s %ld %s\n", ClassOf(window).c_str(), child, description.c_str());
    }
    std::fflush(stdout);
    source->Release();
}

// Hands out messages for a while, so that events raised meanwhile arrive.
void Wait(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    CoInitialize(nullptr);
    if (argc > 2 && std::wstring(argv[1]) == L"screenreader") {
        const BOOL on = std::wstring(argv[2]) == L"on" ? TRUE : FALSE;
        SystemParametersInfoW(SPI_SETSCREENREADER, on, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
        BOOL now = FALSE;
        SystemParametersInfoW(SPI_GETSCREENREADER, 0, &now, 0);
        std::printf("screenreader %d\n", now != FALSE ? 1 : 0);
        return 0;
    }
    HWND window = FindWindowW(L"TavrelinMainWindow", nullptr);
    if (window == nullptr) {
        std::puts("no window");
        return 1;
    }
    HWND grid = FindWindowExW(window, nullptr, L"TavrelinCellGrid", nullptr);
    IAccessible* table = ObjectOf(grid);
    if (table == nullptr) {
        std::puts("no object for the grid");
        return 1;
    }

    // Every process's events: Wine delivers none to a hook kept to the game's thread.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, OnEvent, 0, 0,
                                         WINEVENT_OUTOFCONTEXT);
    if (argc > 2 && std::wstring(argv[1]) == L"listen") {
        std::puts("ready");
        std::fflush(stdout);
        Wait(static_cast<DWORD>(std::wcstol(argv[2], nullptr, 10)));
        UnhookWinEvent(hook);
        table->Release();
        CoUninitialize();
        return 0;
    }
    if (argc > 1 && std::wstring(argv[1]) == L"restore") {
        ShowWindowAsync(window, SW_MINIMIZE);
        Wait(500);
        ShowWindowAsync(window, SW_RESTORE);
        Wait(500);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
        std::printf("focus %s\n", thread.hwndFocus != nullptr ? ClassOf(thread.hwndFocus).c_str() : "none");
    } else if (argc > 1) {
        const LONG id = std::wcstol(argv[1], nullptr, 10);
        std::printf("action %ld %s\n", id, SUCCEEDED(table->accDoDefaultAction(Child(id))) ? "done" : "failed");
        Wait(1000);
    }
    UnhookWinEvent(hook);

    LONG count = 0;
    table->get_accChildCount(&count);
    std::vector<VARIANT> cells(static_cast<std::size_t>(count));
    LONG got = 0;
    AccessibleChildren(table, 0, count, cells.data(), &got);
    std::printf("grid %ld %ld %s\n", Number(&IAccessible::get_accRole, table, CHILDID_SELF), got,
                Text([&](BSTR* text) { return table->get_accName(Child(CHILDID_SELF), text); }).c_str());
    for (LONG n = 0; n < got; ++n) {
        const LONG id = cells[static_cast<std::size_t>(n)].vt == VT_I4 ? cells[static_cast<std::size_t>(n)].lVal : 0;
        LONG left = 0, top = 0, width = 0, height = 0;
        table->accLocation(&left, &top, &width, &height, Child(id));
        std::printf("cell %ld %ld %ld %ld %ld %ld %ld %s|%s\n", id, Number(&IAccessible::get_accRole, table, id),
                    Number(&IAccessible::get_accState, table, id), left, top, width, height,
                    Text([&](BSTR* text) { return table->get_accDefaultAction(Child(id), text); }).c_str(),
                    Text([&](BSTR* text) { return table->get_accName(Child(id), text); }).c_str());
    }
    table->Release();

    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        IAccessible* object = child != grid ? ObjectOf(child) : nullptr;
        if (object == nullptr) {
            continue;
        }
        const std::string value = Text([&](BSTR* text) { return object->get_accValue(Child(CHILDID_SELF), text); });
        std::printf("control %s %d %ld %s|%s|%s\n", ClassOf(child).c_str(),
                    (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0 ? 1 : 0,
                    Number(&IAccessible::get_accRole, object, CHILDID_SELF),
                    Text([&](BSTR* text) { return object->get_accDefaultAction(Child(CHILDID_SELF), text); }).c_str(),
                    Text([&](BSTR* text) { return object->get_accName(Child(CHILDID_SELF), text); }).c_str(),
                    value.substr(0, value.find_first_of("\r\n")).c_str());
        object->Release();
        if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0 &&
            (SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
            std::printf("setsel %s\n", ClassOf(child).c_str());
        }
    }
    CoUninitialize();
    return 0;
}
