#include "Announcer.h"

#include <emscripten/eventloop.h>

#include "WebSupport.h"

namespace tavrelin::ui {

using emscripten::val;

namespace {

// How long a new region stays empty before it speaks, in milliseconds.
constexpr double FILL_DELAY = 150;

}  // namespace

Announcer::~Announcer()
{
    if (timer_ != 0) {
        emscripten_clear_timeout(timer_);
    }
}

void Announcer::Create(const val& parent)
{
    parent_ = parent;
    MakeRegion();
}

void Announcer::MakeRegion()
{
    element_ = CreateElement(parent_, "div", {0, 0, 1, 1});
    element_.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
    // On the page for a screen reader, but not for the eye.
    SetStyle(element_, "overflow", "hidden");
    SetStyle(element_, "clip-path", "inset(50%)");
    SetStyle(element_, "white-space", "nowrap");
}

void Announcer::Announce(const std::string& phrase)
{
    element_.call<void>("remove");
    MakeRegion();
    phrase_ = phrase;
    if (timer_ != 0) {
        emscripten_clear_timeout(timer_);
    }
    timer_ = emscripten_set_timeout(&Announcer::Fill, FILL_DELAY, this);
}

void Announcer::Fill(void* announcer)
{
    auto& self = *static_cast<Announcer*>(announcer);
    self.timer_ = 0;
    self.element_.set("textContent", self.phrase_);
}

}  // namespace tavrelin::ui
