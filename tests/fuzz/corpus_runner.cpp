// Plays every file of the given files and directories through the fuzz entry
// point, without the fuzzer: the seed corpus and every input that once broke
// a rule stay regression tests in every build.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_figures.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(root)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
    } else {
        files.push_back(root);
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE_OR_DIR...\n", argv[0]);
        return 2;
    }
    std::size_t played = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::exists(argv[i])) {
            std::fprintf(stderr, "%s: no such file or directory\n", argv[i]);
            return 2;
        }
        for (const auto& path : inputsOf(argv[i])) {
            std::ifstream file(path, std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                                  std::istreambuf_iterator<char>());
            std::fprintf(stderr, "playing %s\n", path.c_str());
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++played;
        }
    }
    const auto& f = veltro::hardening::fuzzFigures();
    std::printf(
        "%zu inputs, %zu messages, %zu frames, longest frame %.3f ms (bound %lld ms), peak heap "
        "in use %zu bytes\n",
        played, f.messages, f.frames,
        std::chrono::duration<double, std::milli>(f.longestFrame).count(),
        static_cast<long long>(veltro::hardening::frameBoundFromEnvironment().count()),
        f.peakHeapBytes);
    return played > 0 ? 0 : 2;
}
