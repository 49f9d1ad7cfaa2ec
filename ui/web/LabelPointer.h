#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>

#include "ClickRule.h"
#include "WebSupport.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// Hands the main button's presses on an element, and their releases wherever they happen, to the
// window's behaviour, which makes clicks of them, each over the label that the element shows under
// the event. A press takes neither the keyboard focus nor a selection of text.
class LabelPointer : public EventHandler {
public:
    // The label under a mouse event, if any.
    using LabelUnder = std::function<std::optional<design::Label>(const emscripten::val& event)>;

    LabelPointer(design::WindowBehaviour& behaviour, LabelUnder labelUnder);

    // Takes the presses on this element.
    void Attach(const emscripten::val& element) const;
    // Whether a click event is the one that the browser makes of the pointer's last press and
    // release on one element, which the behaviour has had already; true only once.
    bool TakePointersClick();

    // A press, and its release.
    void HandleEvent(emscripten::val event) override;

private:
    void Press(const emscripten::val& event);
    void Release(const emscripten::val& event);

    design::WindowBehaviour& behaviour_;
    LabelUnder labelUnder_;
    // The element that the pointer pressed, until its release.
    emscripten::val pressed_ = emscripten::val::null();
    // The pointer was pressed and released on the same element, whose click event comes next.
    bool pointerClicked_ = false;
};

}  // namespace tavrelin::ui
