#include <cstdio>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return veltro::replay::runReplayCommand(args, stdin, stdout, stderr);
}
