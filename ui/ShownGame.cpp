#include "ShownGame.h"

namespace tavrelin::design {

ShownGame::Changes ShownGame::Update(const Game& game)
{
    Changes changes;
    for (int n = 0; n < CELL_COUNT; ++n) {
        if (game.Label3[n] != faces_[n]) {
            faces_[n] = game.Label3[n];
            changes.Cells.push_back(n);
        }
    }
    for (int i = 0; i < 2; ++i) {
        if (game.Text2[i] != texts_[i]) {
            texts_[i] = game.Text2[i];
            changes.Counters[i] = true;
        }
    }
    return changes;
}

}  // namespace tavrelin::design
