#pragma once

#include <array>
#include <string>
#include <vector>

#include "Game.h"

namespace tavrelin::design {

// What a window shows of the game right now. A window starts as its design leaves it, every cell
// white and empty and both counters empty, and after each event asks here what it has to redraw.
class ShownGame {
public:
    struct Changes {
        // Cell indexes whose colour or caption differs from what the window shows.
        std::vector<int> Cells;
        // Whether the text of Text2(0) and Text2(1) differs.
        std::array<bool, 2> Counters{};
    };

    // Takes on the game's faces and counter texts and tells which of them were not shown yet.
    Changes Update(const Game& game);

    const CellFace& Face(int n) const { return faces_[n]; }
    const std::string& Text(int i) const { return texts_[i]; }

private:
    std::array<CellFace, CELL_COUNT> faces_{};
    std::array<std::string, 2> texts_{};
};

}  // namespace tavrelin::design
