#include "MainWindow.h"

#include <algorithm>
#include <array>

#include "EmbeddedFiles.h"
#include "RulesText.h"
#include "ScreenReader.h"
#include "WindowDesign.h"

namespace tavrelin::ui {

using emscripten::val;

MainWindow::MainWindow(RandomSource& random) : behaviour_(random, *this)
{
    CreateControls();
    behaviour_.Form_Load();
    // A page cannot learn whether a screen reader runs, so its grid takes the focus for every
    // player: with it, anyone can play from the keyboard.
    behaviour_.SetGridTakesFocus(true);
}

// The order of creation is the order of the page, which is the order of reading, of Tab and of
// stacking, last on top: the controls that never take the focus come first, each counter after its
// caption and the frame before both; then the four that take it, in the order of Tab with the grid,
// so the rules box also covers the switch.
void MainWindow::CreateControls()
{
    static_assert(design::TAB_ORDER_WITH_GRID == std::array{design::FocusStop::Text1, design::FocusStop::Picture1,
                                                            design::FocusStop::Command1, design::FocusStop::Label3});
    val document = val::global("document");
    document.set("title", design::WindowCaption());
    val icon = document.call<val>("createElement", std::string("link"));
    icon.set("rel", std::string("icon"));
    icon.set("href", DataUrl("image/png", assets::ICON_PNG));
    document["head"].call<void>("appendChild", icon);

    window_ = document.call<val>("createElement", std::string("div"));
    SetStyle(window_, "position", "relative");
    client_ = CreateElement(window_, "main", design::ToPixels(design::CLIENT_AREA));
    SetStyle(client_, "background-color", ToCssColour(design::LAVENDER));
    SetStyle(client_, "font", DesignFont());
    SetStyle(client_, "overflow", "hidden");
    SetStyle(client_, "transform-origin", "left top");
    // Only the rules text can be selected, as on the desktop.
    SetStyle(client_, "user-select", "none");

    // The title is the page's heading.
    Label1 = CreateElement(client_, "h1", design::ToPixels(design::LABEL1));
    Label1.set("id", design::ControlName("Label1", 0));
    Label1.set("textContent", std::string(design::LABEL1_CAPTION));
    SetStyle(Label1, "background-color", ToCssColour(design::ORANGE));
    SetStyle(Label1, "text-align", ToCssTextAlign(design::LABEL1_ALIGNMENT));

    Frame1 = CreateElement(client_, "fieldset", design::ToPixels(design::FRAME1));
    Frame1.set("id", std::string("Frame1"));
    Frame1.set("disabled", true);
    // The frame's caption stands a little in from its corner, on the frame's line.
    SetStyle(Frame1, "padding", "0 6px");
    val legend = document.call<val>("createElement", std::string("legend"));
    legend.set("textContent", std::string(design::FRAME1_CAPTION));
    Frame1.call<void>("appendChild", legend);
    // The captions and counters stand on the client area beside the frame, not in it, where its
    // caption would move them down.
    for (int i = 0; i < 2; ++i) {
        Label2[i] =
            CreateElement(client_, "label", design::ToPixels(design::OnClientArea(design::FRAME1, design::LABEL2[i])));
        Label2[i].set("id", design::ControlName("Label2", i));
        Label2[i].set("textContent", std::string(design::LABEL2_CAPTIONS[i]));
        SetStyle(Label2[i], "background-color", ToCssColour(design::ORANGE));
        SetStyle(Label2[i], "text-align", ToCssTextAlign(design::LABEL2_ALIGNMENT[i]));

        // The frame stays disabled, and so does each counter, which only shows; both keep their
        // normal colours and text. A counter is known by its caption to a screen reader.
        Text2[i] =
            CreateElement(client_, "input", design::ToPixels(design::OnClientArea(design::FRAME1, design::TEXT2[i])));
        Text2[i].set("id", design::ControlName("Text2", i));
        Text2[i].set("disabled", true);
        Label2[i].set("htmlFor", design::ControlName("Text2", i));
        SetStyle(Text2[i], "background-color", ToCssColour(design::TEXT2_COLOURS[i]));
        // Their colours tell the two counters apart in the system's own colours too.
        SetStyle(Text2[i], "forced-color-adjust", "none");
        // A press on a counter is one on the window behind it, which leaves the focus where it is:
        // the browser would take the focus away for a press on a disabled box.
        SetStyle(Text2[i], "pointer-events", "none");
        SetStyle(Text2[i], "color", "FieldText");
        SetStyle(Text2[i], "text-align", "center");
    }

    Label4.Create(client_, design::ToPixels(design::LABEL4), design::LAVENDER);
    Label4.Element().set("id", std::string("Label4"));

    Text1 = CreateElement(client_, "textarea", design::ToPixels(design::TEXT1));
    Text1.set("id", design::ControlName("Text1", 0));
    Text1.set("readOnly", true);
    Text1.set("value", std::string(design::RULES_TEXT));
    // The text is shown from its start, where the focus finds the caret.
    Text1.call<void>("setSelectionRange", 0, 0);
    Text1.call<void>("setAttribute", std::string("aria-label"), std::string(design::TEXT1_NAME));
    SetStyle(Text1, "resize", "none");
    SetStyle(Text1, "overflow-y", "scroll");
    SetStyle(Text1, "user-select", "text");

    Picture1.Create(client_, design::ToPixels(design::PICTURE1), assets::WARSHIPS_JPEG, design::PICTURE1_NAME);
    Picture1.Element().set("id", std::string("Picture1"));

    Command1.Create(client_, design::COMMAND1_CAPTION, design::ToPixels(design::COMMAND1), design::SIGNAL_RED,
                    [this] { behaviour_.Command1_Click(design::COMMAND1_INDEX); });
    Command1.Element().set("id", design::ControlName("Command1", design::COMMAND1_INDEX));

    Label3.Create(client_);
    Label3.Element().set("id", std::string("Label3"));

    Spoken.Create(client_);
}

void MainWindow::Show()
{
    val::global("document")["body"].call<void>("appendChild", window_);
    coarsePointer_ = val::global("matchMedia")(std::string("(any-pointer: coarse)"));
    FitToPage();
    Listen(val::global("window"), "resize");
    Listen(coarsePointer_, "change");
    Listen(val::global("document"), "mousedown");
    FocusStopControl(design::TAB_ORDER.front()).call<void>("focus");
}

void MainWindow::HandleEvent(val event)
{
    if (event["type"].as<std::string>() != "mousedown") {
        FitToPage();
        return;
    }
    // A press where no control takes the focus leaves the focus where it was, as on the desktop.
    const val target = event["target"];
    const bool takesFocus = std::any_of(
        design::TAB_ORDER_WITH_GRID.begin(), design::TAB_ORDER_WITH_GRID.end(),
        [this, &target](design::FocusStop stop) { return FocusStopControl(stop).call<bool>("contains", target); });
    if (!takesFocus) {
        event.call<void>("preventDefault");
    }
}

void MainWindow::FitToPage()
{
    const val page = val::global("document")["documentElement"];
    const bool coarse = coarsePointer_["matches"].as<bool>();
    // A layout may bring the page's scroll bar or take it away, which changes the page's width: the
    // window is laid out again until the width holds.
    for (int tries = 0; tries < 3; ++tries) {
        const int width = page["clientWidth"].as<int>();
        ShowLayout(design::LayOutPage(width, page["clientHeight"].as<int>(), coarse));
        if (page["clientWidth"].as<int>() == width) {
            return;
        }
    }
}

void MainWindow::ShowLayout(const design::PageLayout& layout)
{
    Place(client_, layout.ClientArea);
    Place(Label1, layout.Label1);
    Label3.Fit(layout.Label3, layout.Cell);
    Place(Picture1.Element(), layout.Picture1);
    Place(Frame1, layout.Frame1);
    for (int i = 0; i < 2; ++i) {
        Place(Label2[i], design::OnClientArea(layout.Frame1, design::ToPixels(design::LABEL2[i])));
        Place(Text2[i], design::OnClientArea(layout.Frame1, design::ToPixels(design::TEXT2[i])));
    }
    Place(Command1.Element(), layout.Command1);
    Place(Text1, layout.Text1);
    Place(Label4.Element(), layout.Label4);
    // The browser scales the client area from its top-left corner; the window takes its scaled size.
    const std::string scale = std::to_string(layout.Scale.Times) + " / " + std::to_string(layout.Scale.Per);
    SetStyle(window_, "width", "calc(" + ToCssPixels(layout.ClientArea.Width) + " * " + scale + ")");
    SetStyle(window_, "height", "calc(" + ToCssPixels(layout.ClientArea.Height) + " * " + scale + ")");
    SetStyle(client_, "transform", "scale(calc(" + scale + "))");
}

val MainWindow::FocusStopControl(design::FocusStop stop) const
{
    switch (stop) {
    case design::FocusStop::Text1: return Text1;
    case design::FocusStop::Picture1: return Picture1.Element();
    case design::FocusStop::Command1: return Command1.Element();
    case design::FocusStop::Label3: return Label3.Element();
    }
    return val::null();
}

bool MainWindow::LayOutGrid()
{
    Label3.LayOut();
    return true;
}

void MainWindow::ShowCell(int Index)
{
    Label3.ShowCell(Index);
}

void MainWindow::ShowCounter(int i, const std::string& text)
{
    Text2[i].set("value", text);
}

void MainWindow::ShowCurrentCell(int previous, int current)
{
    Label3.ShowCurrentCell(previous, current);
}

void MainWindow::LetGridTakeFocus(bool takes)
{
    const bool hadFocus = Label3.HasFocus();
    Label3.LetTakeFocus(takes);
    if (!takes && hadFocus) {
        FocusStopControl(design::TAB_ORDER.front()).call<void>("focus");
    }
}

void MainWindow::Announce(const std::string& phrase)
{
    Spoken.Announce(phrase);
}

}  // namespace tavrelin::ui
