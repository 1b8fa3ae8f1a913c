// A long random session through the editor core: nothing the session does
// may break a rule, and once the first frames have set up the buffers the
// heap must stay flat. Under the sanitizer build LeakSanitizer checks at exit
// that nothing was lost.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "checked_session.h"
#include "ui/command.h"

namespace veltro::hardening {
namespace {

constexpr std::uint32_t kSeed = 20240607;
// The full count in optimized builds; sanitizer builds run the first fifth
// of the same session unless VELTRO_FULL_LENGTH=1.
constexpr std::size_t kFullMessages = 100000;
// Clear Points comes by chance every few dozen messages; this keeps the
// scene from growing past what a frame draws in a millisecond.
constexpr std::size_t kMostPoints = 60;

std::size_t messageCount() {
    const char* text = std::getenv("VELTRO_SOAK_MESSAGES");
    const long value = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return value > 0 ? static_cast<std::size_t>(value) : runLength(kFullMessages);
}

constexpr Key kKeys[] = {Key::Space,   Key::Plus,     Key::Minus,
                         Key::NumPlus, Key::NumMinus, Key::Other};

// Draws the messages from a fixed-seed generator, with raw modulo rather
// than the library's distributions so the session is the same everywhere.
class RandomSession {
  public:
    explicit RandomSession(std::uint32_t seed) : random_(seed) {}

    Message next(const CheckedSession& session) {
        if (session.state().controlPoints.size() >= kMostPoints) {
            return Message::menu(Command::ClearPoints);
        }
        const std::uint32_t roll = pick(100);
        if (roll < 25) {
            return mouse(Message::Kind::LeftPress);
        }
        if (roll < 40) {
            return mouse(Message::Kind::MouseMove);
        }
        if (roll < 50) {
            return mouse(Message::Kind::LeftRelease);
        }
        if (roll < 52) {
            return mouse(Message::Kind::LeftDoubleClick);
        }
        if (roll < 72) {
            return Message::keyDown(kKeys[pick(std::size(kKeys))]);
        }
        if (roll < 92) {
            return Message::menu(allCommands[pick(std::size(allCommands))]);
        }
        if (roll < 97) {
            return Message::dialogOk(session.newestOpenDialog(), degreeText(), knotText());
        }
        return Message::dialogCancel(session.newestOpenDialog());
    }

  private:
    std::uint32_t pick(std::uint32_t n) { return static_cast<std::uint32_t>(random_() % n); }

    Message mouse(Message::Kind kind) {
        // Mostly inside the window, now and then anywhere a window reports.
        if (pick(20) == 0) {
            return Message::mouse(kind, static_cast<float>(pick(65536)),
                                  static_cast<float>(pick(65536)));
        }
        return Message::mouse(kind, static_cast<float>(pick(641)), static_cast<float>(pick(481)));
    }

    std::string degreeText() {
        const std::uint32_t roll = pick(100);
        if (roll == 0) {
            return "1000";
        }
        if (roll == 1) {
            return "";
        }
        return std::to_string(pick(8) + 1);
    }

    std::string knotText() {
        std::string text;
        if (pick(50) == 0) {
            // A full field: 4998 characters.
            while (text.size() < 4998) {
                text += std::to_string(pick(1000)) + ", ";
            }
            text.resize(4998);
            return text;
        }
        const std::uint32_t count = pick(16);
        std::int64_t knot = static_cast<std::int64_t>(pick(5)) - 2;
        for (std::uint32_t i = 0; i < count; ++i) {
            knot += pick(7) == 0 ? -1 : static_cast<std::int64_t>(pick(3));
            text += (i == 0 ? "" : ", ") + std::to_string(knot);
        }
        return text;
    }

    std::mt19937 random_;
};

// The heap in use, read every so often: its low point over each tenth of
// the session is the baseline that a leak or a store that only grows would
// lift; the peaks come and go with what the random session happens to draw.
class HeapWatch {
  public:
    static constexpr std::size_t kParts = 10;

    explicit HeapWatch(std::size_t total) : total_(total) { lows_.fill(SIZE_MAX); }

    void sample(std::size_t i) {
        const std::size_t heap = heapBytesInUse();
        const std::size_t part = std::min(i * kParts / total_, kParts - 1);
        lows_[part] = std::min(lows_[part], heap);
        if (part > 0) {
            peak_ = std::max(peak_, heap);
        }
    }

    // The first tenth sets up the buffers and is not judged.
    std::size_t settledLow() const { return lows_[1]; }
    std::size_t finalLow() const { return lows_[kParts - 1]; }
    std::size_t peak() const { return peak_; }
    std::string lows() const {
        std::string text;
        for (std::size_t low : lows_) {
            text += (text.empty() ? "" : " ") + std::to_string(low);
        }
        return text;
    }

  private:
    std::size_t total_;
    std::array<std::size_t, kParts> lows_{};
    std::size_t peak_ = 0;
};

// What the baseline may drift by while containers settle at their largest
// capacity; a kept record per opened dialog adds about five times this.
constexpr std::size_t kBaselineSlack = 32 * 1024;
constexpr std::size_t kMessagesToJudgeTheHeap = 50000;

TEST(Soak, LongRandomSessionKeepsEveryRuleAndAFlatHeap) {
    const std::size_t total = messageCount();
    ASSERT_GE(total, HeapWatch::kParts * 100);
    const std::size_t sampleEvery = total / 1000;

    CheckedSession session(std::chrono::milliseconds(30000));
    session.keepNoHistory();
    RandomSession random(kSeed);
    HeapWatch heap(total);
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < total; ++i) {
        session.play(random.next(session));
        ASSERT_FALSE(session.violation()) << *session.violation();
        ASSERT_FALSE(session.ended());
        if (i % sampleEvery == 0) {
            heap.sample(i);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "soak: %zu messages, %zu frames in %.1f s; longest frame %.3f ms; heap peak %zu bytes; "
        "heap low per tenth: %s; %d dialogs opened\n",
        total, session.framesDrawn(), seconds,
        std::chrono::duration<double, std::milli>(session.longestFrame()).count(), heap.peak(),
        heap.lows().c_str(), session.state().nextDialogId);

    // The buffers reach their largest capacity only when the rarer events
    // (sixty points with every method, degree 1000, a full knot field) have
    // all come by: some ten thousand messages. Shorter runs check the rules
    // and, under LeakSanitizer, leaks.
    if (total < kMessagesToJudgeTheHeap) {
        std::printf("soak: the heap is judged on runs of %zu messages or more\n",
                    kMessagesToJudgeTheHeap);
        return;
    }
    EXPECT_LE(heap.finalLow(), heap.settledLow() + kBaselineSlack)
        << "the heap's low point rose from " << heap.settledLow() << " to " << heap.finalLow()
        << " bytes over the session";
}

}  // namespace
}  // namespace veltro::hardening
