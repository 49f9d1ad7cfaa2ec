#include "ClickRule.h"

#include <utility>

namespace tavrelin::design {

void ClickRule::Press(Label label)
{
    pressed_ = label;
    clicked_.reset();
}

void ClickRule::DoublePress(Label label)
{
    if (clicked_ == label) {
        pressed_.reset();
    } else {
        pressed_ = label;
    }
    clicked_.reset();
}

std::optional<Label> ClickRule::Release(std::optional<Label> under)
{
    const std::optional<Label> pressed = std::exchange(pressed_, std::nullopt);
    if (!pressed.has_value() || under != pressed) {
        return std::nullopt;
    }
    clicked_ = pressed;
    return pressed;
}

}  // namespace tavrelin::design
