#pragma once

#include <emscripten/val.h>

#include <string>

#include "Pinned.h"

namespace tavrelin::ui {

// An unseen polite live region: each phrase it is given appears in it a moment later, and a screen
// reader speaks it when it is done speaking, wherever the keyboard focus is. The page's timer knows
// the announcer by its address.
class Announcer : private design::Pinned {
public:
    Announcer() = default;
    ~Announcer();

    // Makes the region, last on the parent; a region must be on the page before it changes.
    void Create(const emscripten::val& parent);

    // Says the phrase. The region is made anew, empty, and given the phrase a moment later: a screen
    // reader may take a region that only changes to the words it last said for the same message
    // again, and let it pass unsaid.
    void Announce(const std::string& phrase);

private:
    // The empty region, last on the parent.
    void MakeRegion();
    // Gives the region the phrase, once the screen reader has seen it empty.
    static void Fill(void* announcer);

    emscripten::val parent_ = emscripten::val::null();
    emscripten::val element_ = emscripten::val::null();
    std::string phrase_;
    // The page's timer that fills the region, or 0 when none waits.
    int timer_ = 0;
};

}  // namespace tavrelin::ui
