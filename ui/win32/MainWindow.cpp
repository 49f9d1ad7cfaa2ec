#include "MainWindow.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "RulesText.h"
#include "ScreenReader.h"

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

// Puts a procedure in front of a control's own, which is kept in the control's user data; false if
// Windows refused.
bool Subclass(HWND control, WNDPROC proc)
{
    const LONG_PTR own = GetWindowLongPtrW(control, GWLP_WNDPROC);
    SetWindowLongPtrW(control, GWLP_USERDATA, own);
    return own != 0 && SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)) != 0;
}

// Hands a message on to the control's own procedure; the last message of the control gives that
// procedure its place back.
LRESULT CallOwnProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    }
    return CallWindowProcW(own, control, message, wParam, lParam);
}

// A control's WM_GETOBJECT for its client area, asked of the window, which knows the control's name:
// wParam is the control and lParam the question's flags.
constexpr UINT WM_CONTROL_OBJECT = WM_APP;

// The window's answer for a control, or 0 to leave the question to the control's own procedure.
LRESULT AskWindowForObject(HWND control, WPARAM flags, LPARAM objectId)
{
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) {
        return 0;
    }
    return SendMessageW(GetParent(control), WM_CONTROL_OBJECT, reinterpret_cast<WPARAM>(control),
                        static_cast<LPARAM>(flags));
}

// A counter only shows: the mouse passes through it to what lies behind, and the focus handed to
// it moves on to the next control that takes the focus.
LRESULT CALLBACK CounterProc(HWND counter, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_SETFOCUS: SetFocus(GetNextDlgTabItem(GetParent(counter), counter, FALSE)); return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = AskWindowForObject(counter, wParam, lParam); answer != 0) {
            return answer;
        }
        return CallOwnProc(counter, message, wParam, lParam);
    default: return CallOwnProc(counter, message, wParam, lParam);
    }
}

// Escape in the rules box does nothing; a multi-line text box of a dialog would close it. Tab into
// the box keeps its caret and scroll position: the dialog manager selects all of a text box's text
// only when the box asks for it.
LRESULT CALLBACK RulesBoxProc(HWND rulesBox, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) {
        return 0;
    }
    if (message == WM_GETDLGCODE) {
        return CallOwnProc(rulesBox, message, wParam, lParam) & ~DLGC_HASSETSEL;
    }
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = AskWindowForObject(rulesBox, wParam, lParam); answer != 0) {
            return answer;
        }
    }
    return CallOwnProc(rulesBox, message, wParam, lParam);
}

// Every press of "Чисти" is a press: the second of a double-click too, which a drawn button would
// otherwise only report as a double-click.
LRESULT CALLBACK Command1Proc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallOwnProc(button, message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, wParam, lParam);
}

}  // namespace

MainWindow::MainWindow(RandomSource& random)
    : random_(random),
      game_(random),
      Label3(true, design::LABEL3_ALIGNMENT, true, [this](int Index) { Label3_Click(Index); }),
      // The switch has no caption to align.
      Label4(false, design::Alignment::Left, false, [this](int /*Index*/) { Label4_Click(); })
{
}

bool MainWindow::Create(HINSTANCE instance, int showCommand)
{
    instance_ = instance;
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
    if (RegisterClassExW(&windowClass) == 0 || !PaintedLabels::RegisterWindowClass(instance) ||
        !PictureBox::RegisterWindowClass(instance)) {
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
    if (!CreateControls() || !Form_Load()) {
        DestroyWindow(window_);
        return false;
    }
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
    const int left = std::max(work.left, work.left + (work.right - work.left - size.cx) / 2);
    const int top = std::max(work.top, work.top + (work.bottom - work.top - size.cy) / 2);
    SetWindowPos(window_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MainWindow::CreateControl(DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                               design::Rect twips, int id)
{
    const RECT place = ToRECT(twips, dpi_);
    // Every control is a group of its own, so the arrow keys never move the focus between them.
    HWND control =
        CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP | style,
                        place.left, place.top, place.right - place.left, place.bottom - place.top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (control != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    return control;
}

// The order of creation is both the order of Tab and the stacking, first on top: the three
// controls that take the focus come first, in the order of Tab, so the rules box also covers the
// switch; then each counter before its caption, and the frame under both.
bool MainWindow::CreateControls()
{
    for (const design::FocusStop stop : design::TAB_ORDER) {
        switch (stop) {
        case design::FocusStop::Text1:
            // The rules come once the box has the window's font, so they are laid out once, in it.
            Text1 = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", L"", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP,
                                  design::TEXT1);
            if (Text1 == nullptr || !Subclass(Text1, RulesBoxProc)) {
                return false;
            }
            SetWindowTextW(Text1, Widen(design::RULES_TEXT).c_str());
            break;
        case design::FocusStop::Picture1:
            if (!Picture1.Create(window_, ToRECT(design::PICTURE1, dpi_), PICTURE_RESOURCE)) {
                return false;
            }
            break;
        case design::FocusStop::Command1:
            Command1 = CreateControl(0, L"BUTTON", Widen(design::COMMAND1_CAPTION), BS_OWNERDRAW | WS_TABSTOP,
                                     design::COMMAND1, COMMAND1_ID);
            if (Command1 == nullptr || !Subclass(Command1, Command1Proc)) {
                return false;
            }
            break;
        }
    }

    const RECT label4 = ToRECT(design::LABEL4, dpi_);
    if (!Label4.Create(window_, label4, {RECT{0, 0, label4.right - label4.left, label4.bottom - label4.top}},
                       font_.get(), {design::LAVENDER, ""})) {
        return false;
    }
    Label1 = CreateControl(0, L"STATIC", Widen(design::LABEL1_CAPTION),
                           ToAlignmentFlags(design::LABEL1_ALIGNMENT).Static, design::LABEL1);
    if (Label1 == nullptr) {
        return false;
    }

    for (int i = 0; i < 2; ++i) {
        Text2[i] = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", L"", ES_CENTER | ES_READONLY,
                                 design::OnClientArea(design::FRAME1, design::TEXT2[i]));
        if (Text2[i] == nullptr || !Subclass(Text2[i], CounterProc)) {
            return false;
        }
    }
    for (int i = 0; i < 2; ++i) {
        Label2[i] = CreateControl(0, L"STATIC", Widen(design::LABEL2_CAPTIONS[i]),
                                  ToAlignmentFlags(design::LABEL2_ALIGNMENT[i]).Static,
                                  design::OnClientArea(design::FRAME1, design::LABEL2[i]));
        if (Label2[i] == nullptr) {
            return false;
        }
    }
    Frame1 = CreateControl(0, L"BUTTON", Widen(design::FRAME1_CAPTION), BS_GROUPBOX, design::FRAME1);
    return Frame1 != nullptr;
}

HWND MainWindow::FocusStopControl(design::FocusStop stop) const
{
    switch (stop) {
    case design::FocusStop::Text1: return Text1;
    case design::FocusStop::Picture1: return Picture1.Window();
    case design::FocusStop::Command1: return Command1;
    }
    return nullptr;
}

bool MainWindow::Form_Load()
{
    random_.SeedFromClock();

    // The grid is one window over all the cells; each cell's place is the template's, moved by
    // whole cells, and given from the grid's corner.
    const RECT first = ToRECT(design::LABEL3_TEMPLATE, dpi_);
    const RECT last = ToRECT(design::GridCell(design::LABEL3_TEMPLATE, CELL_COUNT - 1), dpi_);
    std::vector<RECT> cells;
    for (int n = 0; n < CELL_COUNT; ++n) {
        RECT cell = ToRECT(design::GridCell(design::LABEL3_TEMPLATE, n), dpi_);
        OffsetRect(&cell, -first.left, -first.top);
        cells.push_back(cell);
    }
    if (!Label3.Create(window_, {first.left, first.top, last.right, last.bottom}, std::move(cells), font_.get(),
                       CellFace{})) {
        return false;
    }

    game_.NewGame();
    ShowGame();
    return true;
}

void MainWindow::Label3_Click(int Index)
{
    game_.Label3_Click(Index);
    ShowGame();
}

void MainWindow::Label4_Click()
{
    game_.Label4_Click();
    ShowGame();
}

void MainWindow::Command1_Click(int Index)
{
    game_.Command1_Click(Index);
    ShowGame();
}

void MainWindow::ShowGame()
{
    const design::ShownGame::Changes changes = shown_.Update(game_);
    for (const int n : changes.Cells) {
        Label3.SetFace(n, shown_.Face(n));
    }
    for (int i = 0; i < 2; ++i) {
        if (changes.Counters[i]) {
            SetWindowTextW(Text2[i], Widen(shown_.Text(i)).c_str());
        }
    }
}

void MainWindow::DrawCommand1(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    // The dotted mark shows only while the window shows focus marks, which it may leave until the
    // keyboard is first used.
    const bool marked = focused && (item.itemState & ODS_NOFOCUSRECT) == 0;
    const int saved = SaveDC(dc);

    SetDCBrushColor(dc, ToCOLORREF(design::SIGNAL_RED));
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
    SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    std::wstring caption = Widen(design::COMMAND1_CAPTION);
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (marked) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(dc, &face);
    }
    RestoreDC(dc, saved);
}

std::wstring MainWindow::ControlName(HWND control) const
{
    for (int i = 0; i < 2; ++i) {
        if (control == Text2[i]) {
            return Widen(design::LABEL2_CAPTIONS[i]);
        }
    }
    return Widen(design::TEXT1_NAME);
}

LRESULT MainWindow::ColourControl(HWND control, HDC dc) const
{
    if (control == Text1) {
        // The rules box keeps the system's colours of a text box.
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    for (int i = 0; i < 2; ++i) {
        if (control == Text2[i]) {
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
            DrawCommand1(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_COMMAND:
        // A click, Space, or Enter while "Чисти" has the focus.
        if (LOWORD(wParam) == COMMAND1_ID && HIWORD(wParam) == BN_CLICKED) {
            Command1_Click(design::COMMAND1_INDEX);
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
        if (GetFocus() == Command1) {
            return MAKELRESULT(COMMAND1_ID, DC_HASDEFID);
        }
        return 0;
    case WM_SETFOCUS:
        // The window itself never keeps the focus, on activation or on a restore from minimised: it
        // goes to the control that last had it, or to the first stop of the order of Tab.
        SetFocus(focus_ != nullptr && IsChild(window, focus_) != FALSE ? focus_
                                                                       : FocusStopControl(design::TAB_ORDER.front()));
        return 0;
    case WM_CONTROL_OBJECT:
        return accessibility_.AnswerNamed(reinterpret_cast<HWND>(wParam), static_cast<WPARAM>(lParam), OBJID_CLIENT,
                                          ControlName(reinterpret_cast<HWND>(wParam)));
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: window_ = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
