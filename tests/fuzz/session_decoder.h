#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ui/message.h"

namespace veltro::hardening {

// One message of a decoded session. Dialog messages usually aim at whichever
// dialog is newest and still open when they are played, as a user would
// press OK in the dialog in front; some carry an id of their own.
struct SessionStep {
    Message message;
    bool aimAtNewestDialog = false;
    // Points that are put down through the input handler before this step,
    // without a frame each: sets up big scenes cheaply.
    std::vector<std::pair<float, float>> pointsFirst;
};

// A session never runs longer than this many steps, whatever its input. A
// step with a frame costs about a millisecond in the fuzz build, and short
// sessions let the fuzzer try many more of them.
inline constexpr std::size_t kMaxSessionSteps = 1024;
// The most points one burst puts down, and all bursts of a session together.
// Frames cost up to the square of the point count, and the sanitizers make
// them some thirty times slower, so the fuzzer stays with scenes of a few
// hundred points; thousands of points are the hostile tests' part.
inline constexpr std::size_t kMaxPointsPerBurst = 32;
inline constexpr std::size_t kMaxBurstPoints = 128;
// Texts typed into the dialog are generated up to this length, past the
// 4998 characters the knot field takes.
inline constexpr std::size_t kMaxGeneratedText = 6000;

// Turns fuzzer bytes into a session. Two formats: input that starts with a
// printable character is a replay script (one command per line, lines that
// do not parse are skipped); anything else is the compact binary form
// described in session_decoder.cpp, whose first byte is ignored.
std::vector<SessionStep> decodeSession(std::span<const std::uint8_t> bytes);

}  // namespace veltro::hardening
