#include "LabelPointer.h"

#include <utility>

#include "WindowBehaviour.h"

namespace tavrelin::ui {

using emscripten::val;

namespace {

// The main button of a mouse: the left one, a pen's tip or a finger.
bool IsMainButton(const val& event)
{
    return event["button"].as<int>() == 0;
}

// A mouse event of a real pointer carries its click count. A click that the keyboard, a screen
// reader or a script makes carries none, and neither do the presses and releases that a screen
// reader sends before its click.
bool IsFromPointer(const val& event)
{
    return event["detail"].as<int>() > 0;
}

// A press that the browser counts as the second of a double-click; a third press starts again.
bool IsDoublePress(const val& event)
{
    return event["detail"].as<int>() % 2 == 0;
}

}  // namespace

LabelPointer::LabelPointer(design::WindowBehaviour& behaviour, LabelUnder labelUnder)
    : behaviour_(behaviour), labelUnder_(std::move(labelUnder))
{
}

void LabelPointer::Attach(const val& element) const
{
    Listen(element, "mousedown");
}

bool LabelPointer::TakePointersClick()
{
    return std::exchange(pointerClicked_, false);
}

void LabelPointer::HandleEvent(val event)
{
    const bool press = event["type"].as<std::string>() == "mousedown";
    if (press) {
        // Any other press ends the one before.
        pressed_ = val::null();
    }
    if (!IsMainButton(event) || !IsFromPointer(event)) {
        return;
    }
    if (press) {
        Press(event);
    } else {
        Release(event);
    }
}

void LabelPointer::Press(const val& event)
{
    event.call<void>("preventDefault");
    const std::optional<design::Label> label = labelUnder_(event);
    if (!label.has_value()) {
        return;
    }
    pressed_ = event["target"];
    if (IsDoublePress(event)) {
        behaviour_.DoublePress(*label);
    } else {
        behaviour_.Press(*label);
    }
    // The release comes here wherever the pointer goes.
    Listen(val::global("document"), "mouseup", true);
}

void LabelPointer::Release(const val& event)
{
    StopListening(val::global("document"), "mouseup", true);
    // The browser follows a release on the element that was pressed with a click there.
    pointerClicked_ = pressed_.strictlyEquals(event["target"]);
    pressed_ = val::null();
    behaviour_.Release(labelUnder_(event));
}

}  // namespace tavrelin::ui
