#pragma once

#include <optional>

namespace tavrelin::design {

// A label that takes clicks: a cell of the grid Label3, by its index, or the hidden switch Label4.
struct Label {
    enum class Array { Label3, Label4 };

    Array Control = Array::Label3;
    int Index = 0;

    static constexpr Label Cell(int Index) { return {Array::Label3, Index}; }
    // The label of a cell where there is one.
    static constexpr std::optional<Label> Cell(std::optional<int> Index)
    {
        return Index.has_value() ? std::optional(Cell(*Index)) : std::nullopt;
    }
    static constexpr Label Switch() { return {Array::Label4, 0}; }

    friend bool operator==(const Label&, const Label&) = default;
};

// When the mouse's presses and releases on the labels make a click. A press and a release on the
// same label is a click; a press released off its label is none. The second press of a
// double-click on the label just clicked belongs to that one click, while on any other label it is
// a press of its own.
class ClickRule {
public:
    // The left button goes down on a label.
    void Press(Label label);
    // It goes down again soon after, close by: the toolkit's double-click.
    void DoublePress(Label label);
    // It comes up, over this label or over none: the label clicked, if the release ends a click.
    std::optional<Label> Release(std::optional<Label> under);

private:
    // The label of the press that a release may still make a click.
    std::optional<Label> pressed_;
    // The label that the last release clicked, as long as no press has come since.
    std::optional<Label> clicked_;
};

}  // namespace tavrelin::design
