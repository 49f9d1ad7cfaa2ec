#include "PushButton.h"

#include <utility>

namespace tavrelin::ui {

using emscripten::val;

void PushButton::Create(const val& parent, const std::string& caption, design::Rect place, Colour face,
                        std::function<void()> pressed)
{
    pressed_ = std::move(pressed);
    element_ = CreateElement(parent, "button", place);
    element_.set("type", std::string("button"));
    element_.set("textContent", caption);
    const std::string colour = ToCssColour(face);
    SetStyle(element_, "background-color", colour);
    SetStyle(element_, "border", "2px outset " + colour);
    SetStyle(element_, "color", "ButtonText");
    SetStyle(element_, "padding", "0");
    // The browser presses a button of its own on a click, on Space and on Enter.
    Listen(element_, "click");
}

void PushButton::HandleEvent(val /*event*/)
{
    pressed_();
}

}  // namespace tavrelin::ui
