#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "CellFace.h"
#include "Pinned.h"
#include "WindowDesign.h"

// What every part of the page shares: the design's units, colours, font and images in the page's
// terms, the making of its elements, and the way an element's events reach the object they belong
// to. Every element is made and changed from here through emscripten's val, and every style is set
// through the CSS object model, as the page's content policy admits no style written into the page.
namespace tavrelin::ui {

// A length in CSS pixels. The browser makes a CSS pixel the size of a pixel at 96 dots per inch on
// every display, so the design's pixels at DESIGN_DPI are CSS pixels.
std::string ToCssPixels(int pixels);

// A colour as CSS's rgb().
std::string ToCssColour(Colour colour);
// A colour of the system's as CSS names it.
std::string ToCssColour(design::SystemColour colour);

// How a caption stands across its control, as CSS's text-align.
std::string ToCssTextAlign(design::Alignment alignment);

// The window's font as CSS, with the faces that stand in for it where it is missing: a face with
// its metrics first, then any serif face.
std::string DesignFont();

// A file's bytes as a data: URL of this media type, which the page reads without a request.
std::string DataUrl(std::string_view mediaType, std::span<const std::uint8_t> bytes);

// Sets one property of an element's style.
void SetStyle(const emscripten::val& element, const std::string& property, const std::string& value);

// A new element of this tag, last on the parent, standing at this place in pixels; its size
// includes its border, and it takes the window's font from the client area.
emscripten::val CreateElement(const emscripten::val& parent, const std::string& tag, design::Rect pixels);
// Moves an element made by CreateElement to this place in pixels.
void Place(const emscripten::val& element, design::Rect pixels);

// An object that the page's elements hand their events to: each event of a type it listens to
// reaches HandleEvent, on the page's one thread, one at a time. The page knows the object by its
// address, so it is neither copied nor moved, and it outlives every element it listens to.
class EventHandler : private design::Pinned {
public:
    // Every event that the object listens to.
    virtual void HandleEvent(emscripten::val event) = 0;

    // Starts or stops handing this object the events of one type that reach the target; with
    // capture, before the target's own handlers and whichever element the event is for.
    void Listen(const emscripten::val& target, const std::string& type, bool capture = false) const;
    void StopListening(const emscripten::val& target, const std::string& type, bool capture = false) const;

protected:
    EventHandler();
    ~EventHandler() = default;

private:
    // The page's function that hands an event to this object: the program's one exported
    // function, bound to this object's address.
    emscripten::val listener_;
};

}  // namespace tavrelin::ui
