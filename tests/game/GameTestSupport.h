#pragma once

#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "Game.h"

namespace tavrelin::testing {

// A random source that hands out a script of values, so a test decides every draw.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : values_(values) {}

    void Add(double value) { values_.push_back(value); }
    void SeedFromClock() override { ++seedings; }
    // The next value of the script; like the real generator's, it lies in [0, 1).
    double Next() override
    {
        if (next_ == values_.size()) {
            throw std::out_of_range("the script of random values ran out");
        }
        const double value = values_[next_++];
        if (value < 0.0 || value >= 1.0) {
            throw std::out_of_range("a scripted value outside [0, 1)");
        }
        return value;
    }
    std::size_t Drawn() const { return next_; }

    int seedings = 0;

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

// A value u in [0, 1) whose rounded draw of m is the given result, 0..m. For m itself it lies just
// below 1, where the product rounds up to m.
constexpr double DrawOf(int result, int m)
{
    return (result < m ? result + 0.25 : result - 0.25) / m;
}

// Lays out a board from a text picture, one string a row: '.' open water, '+' next to a ship,
// '#' a ship cell. A picture of 15 rows of 15 includes the margin; one of 14 leaves it at zero.
inline BoardArray BoardFromPicture(std::initializer_list<std::string_view> rows)
{
    BoardArray board{};
    int row = 0;
    for (const std::string_view line : rows) {
        for (int col = 0; col < static_cast<int>(line.size()); ++col) {
            const char c = line[col];
            board[row][col] = c == '#' ? CELL_SHIP : c == '+' ? CELL_NEAR : CELL_EMPTY;
        }
        ++row;
    }
    return board;
}

// The whole board array, margin included, as a picture in the same letters.
inline std::string PictureOf(const BoardArray& board)
{
    std::string picture;
    for (const auto& row : board) {
        for (const CellCode code : row) {
            picture += code == CELL_SHIP ? '#' : code == CELL_NEAR ? '+' : '.';
        }
        picture += '\n';
    }
    return picture;
}

inline int CountCode(const BoardArray& board, CellCode code, int size = FIELD_SIZE)
{
    int count = 0;
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            count += board[row][col] == code ? 1 : 0;
        }
    }
    return count;
}

// The first cell, in the order of the cell indexes, whose board code is the one given; -1 if none.
inline int FirstCellWith(const BoardArray& board, CellCode code)
{
    for (int n = 0; n < CELL_COUNT; ++n) {
        if (board[CellRow(n)][CellCol(n)] == code) {
            return n;
        }
    }
    return -1;
}

inline void PrintTo(const Colour& colour, std::ostream* out)
{
    *out << "(" << int{colour.Red} << ", " << int{colour.Green} << ", " << int{colour.Blue} << ")";
}

inline void PrintTo(const CellFace& face, std::ostream* out)
{
    PrintTo(face.BackColor, out);
    *out << " \"" << face.Caption << "\"";
}

// Shoots a cell given by row and column.
inline void Shoot(Game& game, int row, int col)
{
    game.Label3_Click(CellIndex(row, col));
}

}  // namespace tavrelin::testing

namespace tavrelin::testing {

struct Square {
    int row;
    int col;
    friend bool operator==(const Square&, const Square&) = default;
    friend bool operator<(const Square& a, const Square& b) { return std::tie(a.row, a.col) < std::tie(b.row, b.col); }
};

inline void PrintTo(const Square& square, std::ostream* out)
{
    *out << "(" << square.row << ", " << square.col << ")";
}

// The ship cells of the whole board array, row by row.
inline std::vector<Square> ShipSquares(const BoardArray& board)
{
    std::vector<Square> squares;
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int col = 0; col < BOARD_SIZE; ++col) {
            if (board[row][col] == CELL_SHIP) {
                squares.push_back({row, col});
            }
        }
    }
    return squares;
}

}  // namespace tavrelin::testing
