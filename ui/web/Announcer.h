#pragma once

#include <emscripten/val.h>

#include <string>

namespace tavrelin::ui {

// An unseen polite live region: each phrase it is given appears in it at once, and a screen reader
// speaks it when it is done speaking, wherever the keyboard focus is.
class Announcer {
public:
    // Makes the region, last on the parent; a region must be on the page before it changes.
    void Create(const emscripten::val& parent);

    // Says the phrase, which becomes the region's text.
    void Announce(const std::string& phrase);

private:
    emscripten::val element_ = emscripten::val::null();
};

}  // namespace tavrelin::ui
