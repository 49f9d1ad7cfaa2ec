// The floor for the start-up benchmark of the page: a bare page in the same shell, with a lavender
// area of the game's client area in the middle and one label in it, made with emscripten's val as
// the game's page makes its elements.

#include <emscripten/val.h>

#include <string>

namespace {

void SetStyle(const emscripten::val& element, const std::string& property, const std::string& value)
{
    element["style"].call<void>("setProperty", property, value);
}

}  // namespace

int main()
{
    using emscripten::val;
    val document = val::global("document");
    const val area = document.call<val>("createElement", std::string("main"));
    SetStyle(area, "width", "508px");
    SetStyle(area, "height", "461px");
    SetStyle(area, "background-color", "rgb(192, 192, 255)");
    val label = document.call<val>("createElement", std::string("div"));
    label.set("textContent", std::string("Tavrelin"));
    area.call<void>("appendChild", label);
    document["body"].call<void>("appendChild", area);
}
