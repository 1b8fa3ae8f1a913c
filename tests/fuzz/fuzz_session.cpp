// The fuzz entry point: the input becomes a session of messages, played
// through the editor core with a frame turn after each, every rule checked
// after every message. A broken rule traps, so the fuzzer keeps the input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "checked_session.h"
#include "fuzz_figures.h"
#include "play_session.h"
#include "session_decoder.h"

namespace veltro::hardening {

namespace {

FuzzFigures& figures() {
    static FuzzFigures seen;
    return seen;
}

void printFigures() {
    const FuzzFigures& f = figures();
    std::fprintf(stderr,
                 "veltro-fuzz figures: %zu sessions, %zu messages, %zu frames, longest frame "
                 "%.3f ms, peak heap in use %zu bytes\n",
                 f.sessions, f.messages, f.frames,
                 std::chrono::duration<double, std::milli>(f.longestFrame).count(),
                 f.peakHeapBytes);
}

}  // namespace

const FuzzFigures& fuzzFigures() {
    return figures();
}

std::chrono::milliseconds frameBoundFromEnvironment() {
    const char* text = std::getenv("VELTRO_FRAME_BOUND_MS");
    const long value = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return std::chrono::milliseconds(value > 0 ? value : 2000);
}

}  // namespace veltro::hardening

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (std::getenv("VELTRO_FUZZ_FIGURES") != nullptr) {
        std::atexit(veltro::hardening::printFigures);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veltro::hardening;
    static const std::chrono::milliseconds bound = frameBoundFromEnvironment();
    static const bool tracing = std::getenv("VELTRO_FUZZ_TRACE") != nullptr;
    CheckedSession session(bound);
    if (tracing) {
        session.trace(stderr);
    }
    playSession(decodeSession({data, size}), session);

    FuzzFigures& f = figures();
    ++f.sessions;
    f.messages += session.messagesPlayed();
    f.frames += session.framesDrawn();
    if (session.longestFrame() > f.longestFrame) {
        f.longestFrame = session.longestFrame();
    }
    const std::size_t heap = heapBytesInUse();
    if (heap > f.peakHeapBytes) {
        f.peakHeapBytes = heap;
    }

    if (session.violation()) {
        std::fprintf(stderr, "veltro-fuzz: rule broken %s\n", session.violation()->c_str());
        __builtin_trap();
    }
    return 0;
}
