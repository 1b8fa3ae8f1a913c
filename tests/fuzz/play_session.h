#pragma once

#include <vector>

#include "checked_session.h"
#include "session_decoder.h"

namespace veltro::hardening {

// A frame's cost grows with the square of the point count (the shells of
// nested linear interpolation alone are N (N - 1) / 2 segments). A session
// stops once its frames have cost this much, counted as the sum of N * N
// over its frames: about thirty frames of a hundred points. Without it one
// input of a thousand frames of a hundred points with shells takes minutes
// in the sanitizer build, and the fuzzer learns nothing in that time.
inline constexpr std::size_t kSessionFrameWork = 300000;

// Plays the steps in order and stops at the first broken rule, once the
// session has ended, or once its frame work is spent.
void playSession(const std::vector<SessionStep>& steps, CheckedSession& session);

}  // namespace veltro::hardening
