// When the mouse's presses and releases on the labels make a click.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ClickRule.h"

namespace tavrelin::testing {
namespace {

TEST(ClickRule, PressesAndReleasesMakeClicksOfTheirOwnLabel)
{
    using design::Label;
    constexpr Label A = Label::Cell(40);
    constexpr Label B = Label::Cell(41);
    constexpr Label S = Label::Switch();
    // p: press, d: second press of a double-click, r: release over a label, o: release over none.
    struct Step {
        char what = 'p';
        Label label;
    };
    struct Case {
        const char* name = "";
        std::vector<Step> steps;
        std::vector<Label> clicks;
    };
    const std::vector<Case> cases = {
        {"a press and a release on one label", {{'p', A}, {'r', A}}, {A}},
        {"a release over another label", {{'p', A}, {'r', B}}, {}},
        {"a release over no label", {{'p', A}, {'o', A}}, {}},
        {"a release with no press", {{'r', A}}, {}},
        {"a double-click on one cell", {{'p', A}, {'r', A}, {'d', A}, {'r', A}}, {A}},
        {"a double-click on the switch", {{'p', S}, {'r', S}, {'d', S}, {'r', S}}, {S}},
        {"a quick second click on the next cell", {{'p', A}, {'r', A}, {'d', B}, {'r', B}}, {A, B}},
        {"a cell, then the switch", {{'p', A}, {'r', A}, {'d', S}, {'r', S}}, {A, S}},
        {"a press dragged off, then a quick press back on it", {{'p', A}, {'o', A}, {'d', A}, {'r', A}}, {A}},
        {"a switch press dragged off, then a quick press back", {{'p', S}, {'o', S}, {'d', S}, {'r', S}}, {S}},
        {"a triple click: the third press is a press of its own",
         {{'p', A}, {'r', A}, {'d', A}, {'r', A}, {'p', A}, {'r', A}},
         {A, A}},
        {"two slow clicks on one cell", {{'p', A}, {'r', A}, {'p', A}, {'r', A}}, {A, A}},
    };
    for (const Case& c : cases) {
        design::ClickRule rule;
        std::vector<Label> clicks;
        for (const Step& step : c.steps) {
            switch (step.what) {
            case 'p': rule.Press(step.label); break;
            case 'd': rule.DoublePress(step.label); break;
            default:
                if (const auto clicked = rule.Release(step.what == 'r' ? std::optional(step.label) : std::nullopt)) {
                    clicks.push_back(*clicked);
                }
            }
        }
        EXPECT_EQ(clicks, c.clicks) << c.name;
    }
}

}  // namespace
}  // namespace tavrelin::testing
