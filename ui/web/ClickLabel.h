#pragma once

#include <emscripten/val.h>

#include "ClickRule.h"
#include "LabelPointer.h"
#include "WindowDesign.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// A label with no caption, all of it one background colour, whose presses of the left button, and
// their releases wherever they happen, go to the window's behaviour, which makes clicks of them:
// the hidden switch. A screen reader finds nothing in it.
class ClickLabel {
public:
    // The label stands for this one of the behaviour's labels.
    ClickLabel(design::WindowBehaviour& behaviour, design::Label label);

    // Makes the label at this place in pixels, last on the parent, in this colour.
    void Create(const emscripten::val& parent, design::Rect place, Colour background);
    // The label's element, or null before it is made.
    emscripten::val Element() const { return element_; }

private:
    LabelPointer pointer_;
    emscripten::val element_ = emscripten::val::null();
};

}  // namespace tavrelin::ui
