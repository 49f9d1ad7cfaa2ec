#include "ClickLabel.h"

namespace tavrelin::ui {

using emscripten::val;

ClickLabel::ClickLabel(design::WindowBehaviour& behaviour, design::Label label)
    : pointer_(behaviour, [this, label](const val& event) {
          // Where another control covers the label, the event is over that control.
          return element_.call<bool>("contains", event["target"]) ? std::optional(label) : std::nullopt;
      })
{
}

void ClickLabel::Create(const val& parent, design::Rect place, Colour background)
{
    element_ = CreateElement(parent, "div", place);
    SetStyle(element_, "background-color", ToCssColour(background));
    element_.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
    pointer_.Attach(element_);
}

}  // namespace tavrelin::ui
