#include "MainWindow.h"

#include <array>

#include "RulesText.h"

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinMainWindow";
// The resource names of the program's icon and of Picture1's picture in the resource script.
constexpr wchar_t ICON_RESOURCE[] = L"IDI_ICON1";
constexpr wchar_t PICTURE_RESOURCE[] = L"WARSHIPS";
// The command identifier of "Чисти"; any other than IDOK and IDCANCEL, which the dialog manager
// sends of its own accord.
constexpr int COMMAND1_ID = 101;
// A fixed single border, a caption with the control menu and the close box, and no minimise or
// maximise box.
constexpr DWORD WINDOW_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

}  // namespace

MainWindow::MainWindow(RandomSource& random) : behaviour_(random, *this) {}

bool MainWindow::Create(HINSTANCE instance, int showCommand)
{
    dpi_ = DisplayDpi();
    font_ = CreateDesignFont(dpi_);
    if (font_ == nullptr) {
        return false;
    }

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcOf<MainWindow>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, ICON_RESOURCE, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                      GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(
        instance, ICON_RESOURCE, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.lpszClassName = CLASS_NAME;
    if (RegisterClassExW(&windowClass) == 0 || !CellGrid::RegisterWindowClass(instance) ||
        !ClickLabel::RegisterWindowClass(instance) || !PictureBox::RegisterWindowClass(instance)) {
        return false;
    }

    const std::wstring caption = Widen(design::WindowCaption());
    window_ = CreateWindowExW(0, CLASS_NAME, caption.c_str(), WINDOW_STYLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        return false;
    }
    // All of it happens while the window is hidden, so it first appears whole and in its place.
    PlaceWindow();
    if (!CreateControls() || !behaviour_.Form_Load()) {
        DestroyWindow(window_);
        return false;
    }
    behaviour_.SetGridTakesFocus(ScreenReaderRunning());
    // Focus marks show from the start or only once the keyboard is used, as the system is set.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    return true;
}

int MainWindow::RunMessageLoop()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window_, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        // Whichever control each message leaves with the focus gets it back later.
        if (HWND focus = GetFocus(); IsChild(window_, focus) != FALSE) {
            focus_ = focus;
        }
    }
    return static_cast<int>(message.wParam);
}

SIZE MainWindow::FrameSize(HWND window) const
{
    RECT frame = ToRECT(design::CLIENT_AREA, dpi_);
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void MainWindow::PlaceWindow()
{
    const SIZE size = FrameSize(window_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor) == FALSE) {
        // With no display to centre on, the window stays where Windows put it.
        SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    const RECT& work = monitor.rcWork;
    const design::Rect place =
        design::CentredWindow({work.left, work.top, work.right - work.left, work.bottom - work.top}, size.cx, size.cy);
    SetWindowPos(window_, nullptr, place.Left, place.Top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The order of creation is both the order of Tab and the stacking, first on top: the three
// controls that take the focus come first, in the order of Tab, so the rules box also covers the
// switch; then each counter before its caption, and the frame under both. The grid comes at
// start-up.
bool MainWindow::CreateControls()
{
    static_assert(design::TAB_ORDER ==
                  std::array{design::FocusStop::Text1, design::FocusStop::Picture1, design::FocusStop::Command1});
    HFONT font = font_.get();
    if (!Text1.Create(window_, ToRECT(design::TEXT1, dpi_), font, Widen(design::RULES_TEXT)) ||
        !Picture1.Create(window_, ToRECT(design::PICTURE1, dpi_), PICTURE_RESOURCE) ||
        !Command1.Create(window_, Widen(design::COMMAND1_CAPTION), ToRECT(design::COMMAND1, dpi_), font,
                         design::SIGNAL_RED, COMMAND1_ID)) {
        return false;
    }
    if (!Label4.Create(window_, ToRECT(design::LABEL4, dpi_), design::LAVENDER)) {
        return false;
    }
    Label1 = CreateControl(window_, 0, L"STATIC", Widen(design::LABEL1_CAPTION),
                           ToAlignmentFlags(design::LABEL1_ALIGNMENT).Static, ToRECT(design::LABEL1, dpi_), font);
    if (Label1 == nullptr) {
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (!Text2[i].Create(window_, ToRECT(design::OnClientArea(design::FRAME1, design::TEXT2[i]), dpi_), font,
                             Widen(design::LABEL2_CAPTIONS[i]))) {
            return false;
        }
    }
    for (int i = 0; i < 2; ++i) {
        Label2[i] = CreateControl(window_, 0, L"STATIC", Widen(design::LABEL2_CAPTIONS[i]),
                                  ToAlignmentFlags(design::LABEL2_ALIGNMENT[i]).Static,
                                  ToRECT(design::OnClientArea(design::FRAME1, design::LABEL2[i]), dpi_), font);
        if (Label2[i] == nullptr) {
            return false;
        }
    }
    Frame1 = CreateControl(window_, 0, L"BUTTON", Widen(design::FRAME1_CAPTION), BS_GROUPBOX,
                           ToRECT(design::FRAME1, dpi_), font);
    return Frame1 != nullptr;
}

HWND MainWindow::FocusStopControl(design::FocusStop stop) const
{
    switch (stop) {
    case design::FocusStop::Text1: return Text1.Window();
    case design::FocusStop::Picture1: return Picture1.Window();
    case design::FocusStop::Command1: return Command1.Window();
    case design::FocusStop::Label3: return Label3.Window();
    }
    return nullptr;
}

bool MainWindow::LayOutGrid()
{
    return Label3.Create(window_, dpi_, font_.get());
}

void MainWindow::ShowCell(int Index)
{
    Label3.ShowCell(Index);
}

void MainWindow::ShowCounter(int i, const std::string& text)
{
    SetWindowTextW(Text2[i].Window(), Widen(text).c_str());
}

void MainWindow::ShowCurrentCell(int previous, int current)
{
    Label3.ShowCurrentCell(previous, current);
}

void MainWindow::Announce(const std::string& phrase)
{
    if (Label3.HasFocus()) {
        Label3.Announce();
    } else if (GetFocus() == Command1.Window()) {
        Command1.Announce(Widen(phrase));
    }
}

void MainWindow::LetGridTakeFocus(bool takes)
{
    const bool hadFocus = Label3.HasFocus();
    Label3.LetTakeFocus(takes);
    if (hadFocus && !takes) {
        SetFocus(FocusStopControl(design::TAB_ORDER.front()));
    }
}

LRESULT MainWindow::ColourControl(HWND control, HDC dc) const
{
    if (control == Text1.Window()) {
        // The rules box keeps the system's colours of a text box.
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    for (int i = 0; i < 2; ++i) {
        if (control == Text2[i].Window()) {
            return ControlBackground(dc, ToCOLORREF(design::TEXT2_COLOURS[i]));
        }
    }
    if (control == Label1 || control == Label2[0] || control == Label2[1]) {
        return ControlBackground(dc, ToCOLORREF(design::ORANGE));
    }
    // The frame's caption stands on the window's lavender.
    return ControlBackground(dc, ToCOLORREF(design::LAVENDER));
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        // Lavender only where no control paints all of its place itself, so that none flashes
        // lavender first; the frame leaves its inside to the window.
        const auto dc = reinterpret_cast<HDC>(wParam);
        const int saved = SaveDC(dc);
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            if (child != Frame1) {
                RECT place{};
                GetWindowRect(child, &place);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
                ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
            }
        }
        RECT client{};
        GetClientRect(window, &client);
        SetDCBrushColor(dc, ToCOLORREF(design::LAVENDER));
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        RestoreDC(dc, saved);
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        // Every text box of the window is read-only, and so asks for its colours as a static control.
        return ColourControl(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
        // "Чисти" is the one control the window draws itself.
        if (wParam == COMMAND1_ID) {
            Command1.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_COMMAND:
        // A click, Space, or Enter while "Чисти" has the focus.
        if (LOWORD(wParam) == COMMAND1_ID && HIWORD(wParam) == BN_CLICKED) {
            behaviour_.Command1_Click(design::COMMAND1_INDEX);
            return 0;
        }
        // Escape, which the dialog manager turns into IDCANCEL, does nothing.
        if (LOWORD(wParam) == IDCANCEL) {
            return 0;
        }
        break;
    case WM_GETMINMAXINFO: {
        // The window keeps its size: it can be neither resized nor maximised, only moved.
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        const SIZE size = FrameSize(window);
        RECT frame{};
        GetWindowRect(window, &frame);
        limits->ptMinTrackSize = limits->ptMaxTrackSize = limits->ptMaxSize = {size.cx, size.cy};
        limits->ptMaxPosition = {frame.left, frame.top};
        return 0;
    }
    case WM_NEXTDLGCTL:
        // Tab, from the dialog manager or from the rules box: the next or previous control that
        // takes the focus, or the control named.
        // With the focus on none of them, Tab goes to the first and Shift+Tab to the last.
        if (LOWORD(lParam) != 0) {
            SetFocus(reinterpret_cast<HWND>(wParam));
        } else {
            HWND focus = GetFocus();
            SetFocus(GetNextDlgTabItem(window, IsChild(window, focus) != FALSE ? focus : nullptr,
                                       wParam != 0 ? TRUE : FALSE));
        }
        return 0;
    case DM_GETDEFID:
        // Enter presses "Чисти" only while it has the focus; elsewhere there is no default button.
        if (GetFocus() == Command1.Window()) {
            return MAKELRESULT(COMMAND1_ID, DC_HASDEFID);
        }
        return 0;
    case WM_SETFOCUS:
        // The window itself never keeps the focus, on activation or on a restore from minimised: it
        // goes to the control that last had it, or to the first stop of the order of Tab.
        SetFocus(focus_ != nullptr && IsChild(window, focus_) != FALSE ? focus_
                                                                       : FocusStopControl(design::TAB_ORDER.front()));
        return 0;
    case WM_SETTINGCHANGE:
        // Perhaps a screen reader started or stopped; not every system says which setting changed.
        behaviour_.SetGridTakesFocus(ScreenReaderRunning());
        break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: window_ = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
