#include "MainWindow.h"

#include <commctrl.h>

#include <utility>
#include <vector>

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

// A counter only shows: the mouse passes through it to what lies behind, and the focus handed to
// it moves on to the next control that takes the focus.
LRESULT CALLBACK CounterProc(HWND counter, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                             DWORD_PTR /*data*/)
{
    switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_SETFOCUS: SetFocus(GetNextDlgTabItem(GetParent(counter), counter, FALSE)); return 0;
    default: return DefSubclassProc(counter, message, wParam, lParam);
    }
}

}  // namespace

MainWindow::MainWindow(RandomSource& random)
    : random_(random),
      game_(random),
      Label3(true, [this](int Index) { Label3_Click(Index); }),
      Label4(false, [this](int /*Index*/) { Label4_Click(); })
{
}

bool MainWindow::Create(HINSTANCE instance, int showCommand)
{
    instance_ = instance;
    dpi_ = DisplayDpi();
    font_ = CreateDesignFont(dpi_);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcOf<MainWindow>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, ICON_RESOURCE, IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(
        instance, ICON_RESOURCE, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassExW(&windowClass);
    PaintedLabels::RegisterWindowClass(instance);
    PictureBox::RegisterWindowClass(instance);

    const std::wstring caption = Widen(design::WindowCaption());
    CreateWindowExW(0, CLASS_NAME, caption.c_str(), WINDOW_STYLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        return false;
    }
    // All of it happens while the window is hidden, so it first appears whole and in its place.
    PlaceWindow();
    CreateControls();
    Form_Load();
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
    }
    return static_cast<int>(message.wParam);
}

void MainWindow::PlaceWindow()
{
    RECT frame = ToRECT(design::CLIENT_AREA, dpi_);
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return control;
}

// The order of creation is both the order of Tab and the stacking, first on top: the three
// controls that take the focus come first, in the order of Tab, so the rules box also covers the
// switch; then each counter before its caption, and the frame under both.
void MainWindow::CreateControls()
{
    Text1 = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", Widen(design::RULES_TEXT),
                          ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP, design::TEXT1);
    Picture1.Create(window_, ToRECT(design::PICTURE1, dpi_), PICTURE_RESOURCE);
    Command1 = CreateControl(0, L"BUTTON", Widen(design::COMMAND1_CAPTION), BS_OWNERDRAW | WS_TABSTOP, design::COMMAND1,
                             COMMAND1_ID);
    focus_ = Text1;

    const RECT label4 = ToRECT(design::LABEL4, dpi_);
    Label4.Create(window_, label4, {RECT{0, 0, label4.right - label4.left, label4.bottom - label4.top}}, font_.get(),
                  {design::LAVENDER, ""});
    Label1 = CreateControl(0, L"STATIC", Widen(design::LABEL1_CAPTION), SS_CENTER, design::LABEL1);

    for (int i = 0; i < 2; ++i) {
        Text2[i] = CreateControl(WS_EX_CLIENTEDGE, L"EDIT", L"", ES_CENTER | ES_READONLY,
                                 design::OnClientArea(design::FRAME1, design::TEXT2[i]));
        SetWindowSubclass(Text2[i], CounterProc, 0, 0);
    }
    for (int i = 0; i < 2; ++i) {
        Label2[i] = CreateControl(0, L"STATIC", Widen(design::LABEL2_CAPTIONS[i]), SS_CENTER,
                                  design::OnClientArea(design::FRAME1, design::LABEL2[i]));
    }
    Frame1 = CreateControl(0, L"BUTTON", Widen(design::FRAME1_CAPTION), BS_GROUPBOX, design::FRAME1);
}

void MainWindow::Form_Load()
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
    Label3.Create(window_, {first.left, first.top, last.right, last.bottom}, std::move(cells), font_.get(), CellFace{});

    game_.NewGame();
    ShowGame();
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
    std::wstring caption = Widen(design::COMMAND1_CAPTION);
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focused) {
        InflateRect(&face, -2, -2);
        DrawFocusRect(dc, &face);
    }
}

LRESULT MainWindow::ColourControl(HWND control, HDC dc) const
{
    if (control == Text1) {
        // The rules box keeps the system's colours of a text box.
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (control == Text2[0]) {
        return ui::ColourControl(dc, ToCOLORREF(design::GREEN));
    }
    if (control == Text2[1]) {
        return ui::ColourControl(dc, ToCOLORREF(design::SIGNAL_RED));
    }
    if (control == Label1 || control == Label2[0] || control == Label2[1]) {
        return ui::ColourControl(dc, ToCOLORREF(design::ORANGE));
    }
    // The frame's caption stands on the window's lavender.
    return ui::ColourControl(dc, ToCOLORREF(design::LAVENDER));
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: window_ = window; break;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window_, &client);
        SetDCBrushColor(reinterpret_cast<HDC>(wParam), ToCOLORREF(design::LAVENDER));
        FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: return ColourControl(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
        // "Чисти" is the one control the window draws itself.
        DrawCommand1(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        // A click, Space, or Enter while "Чисти" has the focus.
        if (LOWORD(wParam) == COMMAND1_ID && HIWORD(wParam) == BN_CLICKED) {
            Command1_Click(design::COMMAND1_INDEX);
            return 0;
        }
        break;
    case WM_NEXTDLGCTL:
        // Tab, from the dialog manager or from the rules box: the next or previous control that
        // takes the focus, or the control named.
        if (LOWORD(lParam) != 0) {
            SetFocus(reinterpret_cast<HWND>(wParam));
        } else {
            SetFocus(GetNextDlgTabItem(window_, GetFocus(), wParam != 0 ? TRUE : FALSE));
        }
        return 0;
    case DM_GETDEFID:
        // Enter presses "Чисти" only while it has the focus; elsewhere there is no default button.
        if (GetFocus() == Command1) {
            return MAKELRESULT(COMMAND1_ID, DC_HASDEFID);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            focus_ = GetFocus();
        } else if (focus_ != nullptr) {
            SetFocus(focus_);
        }
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
