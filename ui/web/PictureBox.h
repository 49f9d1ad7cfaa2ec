#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <span>
#include <string>

#include "WindowDesign.h"

namespace tavrelin::ui {

// A picture in a sunken 2-pixel border, shown one image pixel to one CSS pixel from the inner
// top-left corner and cut off at the inner edges, and named by its text alternative. It takes the
// keyboard focus, by Tab or by a click.
class PictureBox {
public:
    // Makes the box at this place in pixels, last on the parent, showing the JPEG file's bytes.
    void Create(const emscripten::val& parent, design::Rect place, std::span<const std::uint8_t> jpeg,
                const std::string& name);
    // The box's element, or null before it is made.
    emscripten::val Element() const { return element_; }

private:
    emscripten::val element_ = emscripten::val::null();
};

}  // namespace tavrelin::ui
