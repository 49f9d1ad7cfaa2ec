#include "ScreenReader.h"

#include "Board.h"

namespace tavrelin::design {

namespace {

// The colour tells what the cell is: a ship cell that the reveal painted red reads as a hit.
const char* CellState(const CellFace& face)
{
    if (face.BackColor == RED) {
        return WORD_HIT;
    }
    if (face.BackColor == YELLOW) {
        return WORD_NEAR;
    }
    if (face.BackColor == BLUE) {
        return WORD_WATER;
    }
    return WORD_NOT_SHOT;
}

// Both counters, after an answer.
std::string WithCounters(const char* answer, const std::string& remaining, const std::string& attempts)
{
    return std::string(answer) + "; остават " + remaining + ", опита " + attempts;
}

}  // namespace

std::string ShotPhrase(const CellFace& face, const std::string& remaining, const std::string& attempts)
{
    return WithCounters(CellState(face), remaining, attempts);
}

std::string NewGamePhrase(const std::string& remaining, const std::string& attempts)
{
    return WithCounters(WORDS_NEW_GAME, remaining, attempts);
}

std::string CellName(int Index, const CellFace& face)
{
    return "колона " + std::to_string(CellCol(Index) + 1) + ", ред " + std::to_string(CellRow(Index) + 1) + ", " +
           CellState(face);
}

}  // namespace tavrelin::design
