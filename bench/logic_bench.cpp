// Micro-benchmarks of the game rules on the shell's window, its screen in
// memory: the work one tile click does, and colori.
#include "driver/commands.h"
#include "logic/actions.h"
#include "logic/board.h"

#include <benchmark/benchmark.h>

namespace {

using namespace lastrino;

// A game in progress: dealt in order (30 and 31 exchanged by the deal), so
// cell 32 is empty and cell 31 next to it.
struct GameInProgress {
    GameState state;
    driver::MemoryScreen screen;
    Shell shell{screen};
    GameWindow& window = shell.gameWindow();
    ScriptedRandom random;

    GameInProgress() {
        shell.run();
        for (int k = 0; k < tiles; ++k) random.push((k + 0.5) / tiles);
        start(state, window, random);
    }
};

// A click that slides a tile: cell 31 into the empty 32, then back.
void TileClickSlides(benchmark::State& bench) {
    GameInProgress g;
    for (auto _ : bench) {
        tileClick(g.state, g.window, 31);
        tileClick(g.state, g.window, 32);
    }
    bench.SetItemsProcessed(2 * bench.iterations());
}
BENCHMARK(TileClickSlides);

// A click on a tile with no empty neighbour: the candidates and the count
// of tiles in place, but no move.
void TileClickStays(benchmark::State& bench) {
    GameInProgress g;
    for (auto _ : bench) tileClick(g.state, g.window, 1);
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(TileClickStays);

void Colori(benchmark::State& bench) {
    GameInProgress g;
    for (auto _ : bench) colori(g.window);
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(Colori);

}  // namespace

BENCHMARK_MAIN();
