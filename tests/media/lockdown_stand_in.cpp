// A stand-in for ffprobe: started as the programs start ffprobe, it tries
// what a parser taken over would, under the start limits alone.
//   lockdown_stand_in --lockdown-test --fd N SCRATCH INHERITED
#include "reader/lockdown_attempts.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 6) return 2;
    media::reader::tryForbiddenSteps(argv[4], std::atoi(argv[5]));
    // Not exit(): a leak checker's exit scan needs ptrace.
    std::_Exit(0);
}
