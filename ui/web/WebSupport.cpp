#include "WebSupport.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <utility>

namespace tavrelin::ui {

using emscripten::val;

namespace {

// The faces that stand in for the window's font where it is missing: one with its metrics, then
// any serif face.
constexpr char FONT_STAND_INS[] = "\"Liberation Serif\", serif";

// The 64 digits of base64, each standing for six bits.
constexpr char BASE64_DIGITS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The page calls this with the address that a listener was bound to, and the event.
void HandEvent(std::uintptr_t handler, val event)
{
    reinterpret_cast<EventHandler*>(handler)->HandleEvent(std::move(event));
}

}  // namespace

EMSCRIPTEN_BINDINGS(tavrelin_events)
{
    emscripten::function("HandEvent", &HandEvent);
}

std::string ToCssPixels(int pixels)
{
    return std::to_string(pixels) + "px";
}

std::string ToCssColour(Colour colour)
{
    return "rgb(" + std::to_string(colour.Red) + ", " + std::to_string(colour.Green) + ", " +
           std::to_string(colour.Blue) + ")";
}

std::string ToCssColour(design::SystemColour colour)
{
    switch (colour) {
    case design::SystemColour::WindowText: return "CanvasText";
    }
    return "CanvasText";
}

std::string ToCssTextAlign(design::Alignment alignment)
{
    switch (alignment) {
    case design::Alignment::Left: return "left";
    case design::Alignment::Centre: return "center";
    }
    return "left";
}

std::string DesignFont()
{
    // CSS knows points and weights by number, so the design's are given as they are.
    return std::to_string(design::FONT_WEIGHT) + " " + std::to_string(design::FONT_POINTS) + "pt \"" +
           design::FONT_FACE + "\", " + FONT_STAND_INS;
}

std::string DataUrl(std::string_view mediaType, std::span<const std::uint8_t> bytes)
{
    std::string url = "data:" + std::string(mediaType) + ";base64,";
    url.reserve(url.size() + (bytes.size() + 2) / 3 * 4);
    // Each three bytes make four digits; a last group of one or two bytes is padded with zero bits
    // and its missing digits are written "=".
    for (std::size_t first = 0; first < bytes.size(); first += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - first);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            group = group << 8 | (i < count ? bytes[first + i] : 0U);
        }
        for (std::size_t digit = 0; digit < 4; ++digit) {
            url += digit <= count ? BASE64_DIGITS[group >> (18 - 6 * digit) & 63] : '=';
        }
    }
    return url;
}

void SetStyle(const val& element, const std::string& property, const std::string& value)
{
    element["style"].call<void>("setProperty", property, value);
}

val CreateElement(const val& parent, const std::string& tag, design::Rect pixels)
{
    val element = val::global("document").call<val>("createElement", tag);
    SetStyle(element, "position", "absolute");
    Place(element, pixels);
    SetStyle(element, "box-sizing", "border-box");
    SetStyle(element, "margin", "0");
    // Form controls would take the browser's own font instead.
    SetStyle(element, "font", "inherit");
    parent.call<void>("appendChild", element);
    return element;
}

void Place(const val& element, design::Rect pixels)
{
    SetStyle(element, "left", ToCssPixels(pixels.Left));
    SetStyle(element, "top", ToCssPixels(pixels.Top));
    SetStyle(element, "width", ToCssPixels(pixels.Width));
    SetStyle(element, "height", ToCssPixels(pixels.Height));
}

EventHandler::EventHandler()
    : listener_(
          val::module_property("HandEvent").call<val>("bind", val::null(), reinterpret_cast<std::uintptr_t>(this)))
{
}

void EventHandler::Listen(const val& target, const std::string& type, bool capture) const
{
    target.call<void>("addEventListener", type, listener_, capture);
}

void EventHandler::StopListening(const val& target, const std::string& type, bool capture) const
{
    target.call<void>("removeEventListener", type, listener_, capture);
}

}  // namespace tavrelin::ui
