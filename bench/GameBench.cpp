// Time per call of the game's procedures, with no window: dealing a game, marking the board,
// and answering one shot.

#include <benchmark/benchmark.h>

#include "Game.h"

namespace {

using tavrelin::CELL_COUNT;
using tavrelin::Game;
using tavrelin::StandardRandom;

void NewGame(benchmark::State& state)
{
    StandardRandom random(1);
    Game game(random);
    while (state.KeepRunning()) {
        game.NewGame();
        benchmark::DoNotOptimize(game.Board);
    }
}
BENCHMARK(NewGame);

void UpdateBoard(benchmark::State& state)
{
    StandardRandom random(1);
    Game game(random);
    game.NewGame();
    game.ShowShips = state.range(0) != 0;
    while (state.KeepRunning()) {
        game.UpdateBoard();
        benchmark::DoNotOptimize(game.Board);
        benchmark::DoNotOptimize(game.Label3);
    }
}
BENCHMARK(UpdateBoard)->ArgName("reveal")->Arg(0)->Arg(1);

// Each round shoots every cell once, in a fresh game, so every shot lands on a white cell.
void Label3_Click(benchmark::State& state)
{
    StandardRandom random(1);
    Game game(random);
    while (state.KeepRunning()) {
        state.PauseTiming();
        game.NewGame();
        state.ResumeTiming();
        for (int n = 0; n < CELL_COUNT; ++n) {
            game.Label3_Click(n);
        }
        benchmark::DoNotOptimize(game.Label3);
    }
    state.counters["per_shot"] =
        benchmark::Counter(CELL_COUNT, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(Label3_Click);

}  // namespace

BENCHMARK_MAIN();
