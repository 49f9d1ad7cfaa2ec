#include "ClickLabel.h"

#include "WindowBehaviour.h"

namespace tavrelin::ui {

using emscripten::val;

ClickLabel::ClickLabel(design::WindowBehaviour& behaviour, design::Label label) : behaviour_(behaviour), label_(label)
{
}

void ClickLabel::Create(const val& parent, design::Rect place, Colour background)
{
    element_ = CreateElement(parent, "div", place);
    SetStyle(element_, "background-color", ToCssColour(background));
    element_.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
    Listen(element_, "mousedown");
}

void ClickLabel::HandleEvent(val event)
{
    if (!IsMainButton(event) || !IsFromPointer(event)) {
        return;
    }
    const val document = val::global("document");
    if (event["type"].as<std::string>() == "mousedown") {
        // A press on the label takes neither the keyboard focus nor a selection of text.
        event.call<void>("preventDefault");
        if (IsDoublePress(event)) {
            behaviour_.DoublePress(label_);
        } else {
            behaviour_.Press(label_);
        }
        // The release comes here wherever the pointer goes.
        Listen(document, "mouseup", true);
        return;
    }
    StopListening(document, "mouseup", true);
    // Where another control covers the label, the release is over that control.
    behaviour_.Release(element_.call<bool>("contains", event["target"]) ? std::optional(label_) : std::nullopt);
}

}  // namespace tavrelin::ui
