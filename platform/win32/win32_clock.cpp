#include "win32_clock.h"

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace veltro::win32 {

std::uint32_t MultimediaClock::nowMs() {
    return static_cast<std::uint32_t>(timeGetTime());
}

void SystemSleeper::sleepMs(std::uint32_t ms) {
    Sleep(static_cast<DWORD>(ms));
}

FineTimerResolution::FineTimerResolution() : raised_(timeBeginPeriod(1) == TIMERR_NOERROR) {}

FineTimerResolution::~FineTimerResolution() {
    if (raised_) {
        timeEndPeriod(1);
    }
}

}  // namespace veltro::win32
