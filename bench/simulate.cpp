// rowfall_simulate [games]: the autopilot plays whole games headless and the
// results are summed up.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/headless_game.h"
#include "engine/rowfall.h"
#include "engine/ticks.h"

namespace {

const int64_t MaxFiguresPerGame = 1000000;

}  // namespace

int main(int argc, char** argv) {
    const long games = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
    if (games <= 0) {
        std::fprintf(stderr, "usage: rowfall_simulate [games]  (a positive count, default 100)\n");
        return 2;
    }
    SimulatedNow = 12345;
    SetTickSource(SimulatedTicks);
    TRowfall game;

    int64_t figures = 0;
    int64_t lines = 0;
    int64_t score = 0;
    int32_t maxLines = 0;
    long capped = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 0; g < games; ++g) {
        const TGameResult result = PlayGame(game, MaxFiguresPerGame);
        figures += result.Figures;
        lines += game.Lines;
        score += game.Score;
        if (game.Lines > maxLines) maxLines = game.Lines;
        if (result.Capped) ++capped;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("games               %ld\n", games);
    std::printf("pieces              %lld\n", static_cast<long long>(figures));
    std::printf("lines per game      mean %.1f, max %d\n", static_cast<double>(lines) / games,
                maxLines);
    std::printf("score per game      mean %.1f\n", static_cast<double>(score) / games);
    std::printf("pieces per second   %.0f (%.2f s wall time)\n", figures / seconds, seconds);
    if (capped > 0) {
        std::printf("capped games        %ld stopped at %lld pieces without a game over\n", capped,
                    static_cast<long long>(MaxFiguresPerGame));
    }
    return 0;
}
