#include "Announcer.h"

#include "WebSupport.h"

namespace tavrelin::ui {

using emscripten::val;

void Announcer::Create(const val& parent)
{
    element_ = CreateElement(parent, "div", {0, 0, 1, 1});
    element_.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
    // On the page for a screen reader, but not for the eye.
    SetStyle(element_, "overflow", "hidden");
    SetStyle(element_, "clip-path", "inset(50%)");
    SetStyle(element_, "white-space", "nowrap");
}

void Announcer::Announce(const std::string& phrase)
{
    // A new text, even the same words again, is a change that the region speaks.
    element_.set("textContent", phrase);
}

}  // namespace tavrelin::ui
