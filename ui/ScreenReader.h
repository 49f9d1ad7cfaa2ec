#pragma once

#include <string>

#include "CellFace.h"

// What the window says to a screen reader, written once for every toolkit.
namespace tavrelin::design {

// What a shot cell is, in the words of the rules' three answers, or that it is not shot yet.
constexpr char WORD_NOT_SHOT[] = "непроверена";
constexpr char WORD_HIT[] = "попадение";
constexpr char WORD_NEAR[] = "близост";
constexpr char WORD_WATER[] = "няма кораб";

// A cell as a player says it, column first, then row, both counted from 1, and what the eye sees
// on it: "колона 4, ред 6, попадение" for cell 47 painted red.
std::string CellName(int Index, const CellFace& face);

// What a shot answers, in the rules' words, then what both counters show:
// "попадение; остават 24, опита 5".
std::string ShotPhrase(const CellFace& face, const std::string& remaining, const std::string& attempts);
// What "Чисти" answers: "нова игра; остават 25, опита 0".
std::string NewGamePhrase(const std::string& remaining, const std::string& attempts);
constexpr char WORDS_NEW_GAME[] = "нова игра";

// The grid's name, for a player who reaches it among the window's controls.
constexpr char GRID_NAME[] = "Игрално поле";

// The names of the two controls that take the focus and have no caption of their own.
constexpr char PICTURE1_NAME[] = "Картина: бойни кораби";
constexpr char TEXT1_NAME[] = "Правила на играта";

}  // namespace tavrelin::design
