#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>

#include "WebSupport.h"
#include "WindowDesign.h"

namespace tavrelin::ui {

// A push button with a face of one colour in a raised edge, its caption in the system's
// button-text colour. Every press of it is a press: a click or a tap, the second of a double-click
// too, Space or Enter while it has the keyboard focus, or a screen reader's command.
class PushButton : public EventHandler {
public:
    // Makes the button at this place in pixels, last on the parent, with this caption and face, and
    // with what a press of it does.
    void Create(const emscripten::val& parent, const std::string& caption, design::Rect place, Colour face,
                std::function<void()> pressed);
    // The button's element, or null before it is made.
    emscripten::val Element() const { return element_; }

    // A press of the button.
    void HandleEvent(emscripten::val event) override;

private:
    std::function<void()> pressed_;
    emscripten::val element_ = emscripten::val::null();
};

}  // namespace tavrelin::ui
