#include "PictureBox.h"

#include "WebSupport.h"

namespace tavrelin::ui {

using emscripten::val;

void PictureBox::Create(const val& parent, design::Rect place, std::span<const std::uint8_t> jpeg,
                        const std::string& name)
{
    element_ = CreateElement(parent, "img", place);
    element_.set("alt", name);
    element_.set("src", DataUrl("image/jpeg", jpeg));
    element_.set("tabIndex", 0);
    element_.set("draggable", false);
    SetStyle(element_, "border", ToCssPixels(design::PICTURE1_BORDER) + " inset ButtonFace");
    // The picture keeps its own size inside the border, from the top-left corner.
    SetStyle(element_, "object-fit", "none");
    SetStyle(element_, "object-position", "left top");
}

}  // namespace tavrelin::ui
