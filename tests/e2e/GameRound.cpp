// Prints a round of the game as the student sees it drawn, for the end-to-end script that
// plays it with keys: one line "k part value" per non-zero coefficient of the target (part 0
// is a_k, 1 is b_k).
//   game_round <seed> <level> <round>
#include "GuessGame.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: game_round <seed> <level> <round>\n");
        return 2;
    }
    try {
        const Fourier::TGameRound round =
            Fourier::MakeRound(std::stoull(argv[1]), std::stoi(argv[2]), std::stoi(argv[3]));
        for (int k = 1; k <= Fourier::EditableHarmonics; ++k) {
            if (round.Target.Cos[k] != 0) std::printf("%d 0 %.17g\n", k, round.Target.Cos[k]);
            if (round.Target.Sin[k] != 0) std::printf("%d 1 %.17g\n", k, round.Target.Sin[k]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "game_round: %s\n", error.what());
        return 1;
    }
    return 0;
}
