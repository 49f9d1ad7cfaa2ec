// What a screen reader says of a cell, a shot and a new game.

#include <gtest/gtest.h>

#include "ScreenReader.h"

namespace tavrelin::testing {
namespace {

TEST(ScreenReader, AShotAndANewGameSayTheirAnswerWithBothCounters)
{
    EXPECT_EQ(design::ShotPhrase({RED, "X"}, "24", "5"), "попадение; остават 24, опита 5");
    EXPECT_EQ(design::ShotPhrase({YELLOW, "!"}, "25", "1"), "близост; остават 25, опита 1");
    EXPECT_EQ(design::ShotPhrase({BLUE, " "}, "3", "120"), "няма кораб; остават 3, опита 120");
    EXPECT_EQ(design::NewGamePhrase("25", "0"), "нова игра; остават 25, опита 0");
}

TEST(ScreenReader, AScreenReaderNamesACellByItsPlaceAndWhatTheEyeSees)
{
    struct Case {
        int index = 0;
        CellFace face;
        const char* name = "";
    };
    const Case cases[] = {
        {47, {WHITE, ""}, "колона 4, ред 6, непроверена"}, {47, {RED, "X"}, "колона 4, ред 6, попадение"},
        {47, {YELLOW, "!"}, "колона 4, ред 6, близост"},   {47, {BLUE, " "}, "колона 4, ред 6, няма кораб"},
        {0, {WHITE, ""}, "колона 1, ред 1, непроверена"},  {13, {BLUE, " "}, "колона 1, ред 14, няма кораб"},
        {14, {RED, "X"}, "колона 2, ред 1, попадение"},    {195, {YELLOW, "!"}, "колона 14, ред 14, близост"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(design::CellName(c.index, c.face), c.name) << c.index;
    }
}

}  // namespace
}  // namespace tavrelin::testing
