#pragma once

#include <cstdint>
#include <string_view>

namespace tavrelin {

struct Colour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// An unshot cell.
constexpr Colour WHITE{255, 255, 255};
// A hit, or a ship cell shown by the reveal.
constexpr Colour RED{255, 0, 0};
// A miss next to a ship.
constexpr Colour YELLOW{255, 255, 0};
// A miss in open water.
constexpr Colour BLUE{0, 0, 255};

// What one cell label of the grid shows; white means the cell has not been shot.
struct CellFace {
    Colour BackColor = WHITE;
    // Always one of the game's fixed captions: "", "X", "!" or " ".
    std::string_view Caption;

    friend bool operator==(const CellFace&, const CellFace&) = default;
};

}  // namespace tavrelin
