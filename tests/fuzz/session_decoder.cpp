#include "session_decoder.h"

#include <array>
#include <bit>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "script/script.h"
#include "ui/command_ids.h"
#include "ui/key_codes.h"

// The binary form, after the ignored first byte, is a list of operations.
// Each starts with one byte whose value modulo 16 picks it:
//
//   0 press P        1 click P (press, release)   2 move P    3 release P
//   4 double click P 5 key K                      6, 7 menu C
//   8 dialog ok T DEGREE KNOTS                    9 dialog cancel T
//  10 drag: press P, n = byte % 32 moves to P..., release
//  11 burst: n = byte % 32 + 1 points put down, then space
//  12 key run: key K repeated byte + 1 times
//  13 by byte / 16 % 4: close, undo, redo, or delete point byte % 64 + 1
//                   14 repeat the last operation byte % 16 + 1 times
//  15 press at one of a table of awkward positions
//
// A position P starts with a byte whose value modulo 4 gives its kind: inside
// the window, the 16-bit unsigned values a window reports, signed 16-bit
// values, or any float bit pattern. Bytes past the end of the input read as
// zero, and decoding stops when the input is used up.

namespace veltro::hardening {

namespace {

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }

    std::uint8_t byte() { return atEnd() ? 0 : bytes_[pos_++]; }

    std::uint16_t u16() {
        const auto hi = static_cast<std::uint16_t>(byte());
        return static_cast<std::uint16_t>((hi << 8) | byte());
    }

    std::uint32_t u32() {
        const std::uint32_t hi = u16();
        return (hi << 16) | u16();
    }

    std::string text(std::size_t length) {
        const std::size_t available = atEnd() ? 0 : bytes_.size() - pos_;
        const std::size_t n = length < available ? length : available;
        std::string out(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        pos_ += n;
        return out;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

constexpr std::array kKeys{Key::Space, Key::Plus, Key::Minus, Key::NumPlus, Key::NumMinus};

constexpr std::array kAwkwardPositions{
    std::pair{0.0f, 0.0f},
    std::pair{65535.0f, 65535.0f},
    std::pair{-1.0f, -1.0f},
    std::pair{-32768.0f, -32768.0f},
    std::pair{639.0f, 479.0f},
    std::pair{640.0f, 480.0f},
    std::pair{320.0f, 240.0f},
    std::pair{-0.0f, 0.5f},
    std::pair{1e30f, -1e30f},
    std::pair{std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest()},
    std::pair{std::numeric_limits<float>::denorm_min(), 2.0f},
    std::pair{std::numeric_limits<float>::quiet_NaN(), 10.0f},
    std::pair{std::numeric_limits<float>::infinity(), 10.0f},
    std::pair{10.0f, -std::numeric_limits<float>::infinity()},
    std::pair{16777216.0f, 16777217.0f},
    std::pair{2147483648.0f, -2147483904.0f},
};

constexpr std::array<std::string_view, 22> kSpecialTexts{
    "",
    "0",
    "3",
    "1000",
    "1001",
    "4294967295",
    "4294967296",
    "2147483648",
    "-1",
    "abc",
    "  7",
    "7 ",
    "+5",
    "00000000000000000000000000003",
    "0, 2147483647",
    "-2147483648, 2147483647",
    "5, 4, 3, 2, 1",
    "0, 0, 0, 0, 0, 0",
    ", , ,",
    "\t-12x, 12x, --3, +-4",
    "99999999999999999999, -99999999999999999999",
    "0,0,0,0,1,2,3,3,3,3",
};

std::pair<float, float> readPosition(ByteReader& in) {
    switch (in.byte() % 4) {
        case 0:
            return {static_cast<float>(in.u16() % 641), static_cast<float>(in.u16() % 481)};
        case 1:
            return {static_cast<float>(in.u16()), static_cast<float>(in.u16())};
        case 2:
            return {static_cast<float>(static_cast<std::int16_t>(in.u16())),
                    static_cast<float>(static_cast<std::int16_t>(in.u16()))};
        default:
            return {std::bit_cast<float>(in.u32()), std::bit_cast<float>(in.u32())};
    }
}

Key readKey(ByteReader& in) {
    const std::uint8_t k = in.byte();
    if (k < 0xF0) {
        return kKeys[k % kKeys.size()];
    }
    // A raw code, as a window message could carry it.
    return keyForVirtualCode(k == 0xFF ? static_cast<long long>(in.u32()) : in.byte());
}

// A raw number is what a window message could carry; one that is none of
// the menu's commands is dropped, as the Windows program drops it.
std::optional<Command> readCommand(ByteReader& in) {
    const std::uint8_t i = in.byte();
    if (i < 0xF0) {
        return allCommands[i % allCommands.size()];
    }
    return commandWithId(in.u32());
}

// A list of numbers as the dialog writes them, or close to it: the
// separators vary, and so do the values (small, any 32-bit, rising, falling).
void appendNumberList(ByteReader& in, std::string& out) {
    const std::size_t count = in.u16() % 2100;
    const std::uint8_t style = in.byte();
    const std::string_view separators[] = {", ", ",", " ", " ,, "};
    const std::string_view separator = separators[(style >> 2) % 4];
    for (std::size_t i = 0; i < count && out.size() < kMaxGeneratedText; ++i) {
        std::int64_t value = 0;
        switch (style % 4) {
            case 0:
                value = static_cast<std::int8_t>(in.byte());
                break;
            case 1:
                value = static_cast<std::int32_t>(in.u32());
                break;
            case 2:
                value = static_cast<std::int64_t>(i);
                break;
            default:
                value = static_cast<std::int64_t>(count - i);
                break;
        }
        if (i > 0) {
            out += separator;
        }
        out += std::to_string(value);
    }
}

std::string readText(ByteReader& in) {
    std::string out;
    switch (in.byte() % 5) {
        case 0:
            out = in.text(in.u16() % (kMaxGeneratedText + 1));
            break;
        case 1: {
            const std::string pattern = in.text(in.byte() % 16 + 1);
            const std::size_t total = in.u16() % (kMaxGeneratedText + 1);
            while (!pattern.empty() && out.size() < total) {
                out += pattern;
            }
            out.resize(out.size() < total ? out.size() : total);
            break;
        }
        case 2:
            appendNumberList(in, out);
            break;
        case 3:
            out = kSpecialTexts[in.byte() % kSpecialTexts.size()];
            break;
        default:
            out = std::to_string(in.byte() % 2 == 0 ? in.u16() : in.u32());
            break;
    }
    if (out.size() > kMaxGeneratedText) {
        out.resize(kMaxGeneratedText);
    }
    return out;
}

// Which dialog an OK or Cancel goes to: mostly the newest open one, now and
// then an id of its own (ended, never opened, negative).
void readDialogTarget(ByteReader& in, SessionStep& step) {
    const std::uint8_t t = in.byte();
    if (t < 0xE0) {
        step.aimAtNewestDialog = true;
    } else if (t < 0xF0) {
        step.message.dialogId = static_cast<std::int8_t>(in.byte());
    } else {
        step.message.dialogId = static_cast<int>(in.u32());
    }
}

class BinaryDecoder {
  public:
    explicit BinaryDecoder(std::span<const std::uint8_t> bytes) : in_(bytes) {}

    std::vector<SessionStep> decode() {
        in_.byte();
        while (!in_.atEnd() && steps_.size() < kMaxSessionSteps) {
            const std::size_t first = steps_.size();
            const std::uint8_t op = in_.byte();
            if (op % 16 == 14) {
                repeat(in_.byte() % 16 + 1);
                continue;
            }
            operation(op);
            lastOperation_.assign(steps_.begin() + static_cast<std::ptrdiff_t>(first),
                                  steps_.end());
        }
        if (steps_.size() > kMaxSessionSteps) {
            steps_.resize(kMaxSessionSteps);
        }
        return std::move(steps_);
    }

  private:
    void add(Message message) { steps_.push_back(SessionStep{std::move(message), false, {}}); }

    void mouse(Message::Kind kind, std::pair<float, float> p) {
        add(Message::mouse(kind, p.first, p.second));
    }

    void repeat(std::size_t times) {
        for (std::size_t i = 0; i < times && steps_.size() < kMaxSessionSteps; ++i) {
            for (const SessionStep& step : lastOperation_) {
                if (!step.pointsFirst.empty()) {
                    continue;  // bursts are not repeated: their points count against the cap
                }
                steps_.push_back(step);
            }
        }
    }

    void operation(std::uint8_t byte) {
        using Kind = Message::Kind;
        switch (byte % 16) {
            case 0:
                mouse(Kind::LeftPress, readPosition(in_));
                break;
            case 1: {
                const auto p = readPosition(in_);
                mouse(Kind::LeftPress, p);
                mouse(Kind::LeftRelease, p);
                break;
            }
            case 2:
                mouse(Kind::MouseMove, readPosition(in_));
                break;
            case 3:
                mouse(Kind::LeftRelease, readPosition(in_));
                break;
            case 4:
                mouse(Kind::LeftDoubleClick, readPosition(in_));
                break;
            case 5:
                add(Message::keyDown(readKey(in_)));
                break;
            case 6:
                if (const auto command = readCommand(in_)) {
                    add(Message::menu(*command));
                }
                break;
            case 7:
                add(Message::inspect(static_cast<double>(std::bit_cast<float>(in_.u32()))));
                break;
            case 8: {
                SessionStep step{Message::dialogOk(0, {}, {}), false, {}};
                readDialogTarget(in_, step);
                step.message.degreeText = readText(in_);
                step.message.knotText = readText(in_);
                steps_.push_back(std::move(step));
                break;
            }
            case 9: {
                SessionStep step{Message::dialogCancel(0), false, {}};
                readDialogTarget(in_, step);
                steps_.push_back(std::move(step));
                break;
            }
            case 10: {
                const auto from = readPosition(in_);
                mouse(Kind::LeftPress, from);
                auto to = from;
                for (int i = in_.byte() % 32; i > 0; --i) {
                    to = readPosition(in_);
                    mouse(Kind::MouseMove, to);
                }
                mouse(Kind::LeftRelease, to);
                break;
            }
            case 11:
                burst();
                break;
            case 12: {
                const Key k = readKey(in_);
                for (int i = in_.byte() + 1; i > 0 && steps_.size() < kMaxSessionSteps; --i) {
                    add(Message::keyDown(k));
                }
                break;
            }
            case 13:
                switch (byte / 16 % 4) {
                    case 0:
                        add(Message::close());
                        break;
                    case 1:
                        add(Message::undo());
                        break;
                    case 2:
                        add(Message::redo());
                        break;
                    default:
                        add(Message::deletePoint(in_.byte() % 64));
                        break;
                }
                break;
            default:
                mouse(Kind::LeftPress, kAwkwardPositions[in_.byte() % kAwkwardPositions.size()]);
                break;
        }
    }

    // Many points inside the window at once, from a small generator so a
    // few bytes make thousands of distinct positions.
    void burst() {
        std::size_t count = in_.byte() % kMaxPointsPerBurst + 1;
        count = count < kMaxBurstPoints - burstPoints_ ? count : kMaxBurstPoints - burstPoints_;
        std::uint32_t x = in_.u32() | 1u;
        SessionStep step{Message::keyDown(Key::Space), false, {}};
        step.pointsFirst.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            // xorshift32
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            step.pointsFirst.emplace_back(static_cast<float>(x % 641),
                                          static_cast<float>((x >> 16) % 481));
        }
        burstPoints_ += count;
        steps_.push_back(std::move(step));
    }

    ByteReader in_;
    std::vector<SessionStep> steps_;
    std::vector<SessionStep> lastOperation_;
    std::size_t burstPoints_ = 0;
};

bool startsAsText(std::uint8_t first) {
    return (first >= 0x20 && first < 0x7F) || first == '\t' || first == '\n' || first == '\r';
}

// A replay script, line by line; a line that does not parse is skipped
// rather than rejecting the rest, so a mutated script keeps most of itself.
std::vector<SessionStep> decodeScript(std::string_view text) {
    std::vector<SessionStep> steps;
    std::size_t start = 0;
    while (start < text.size() && steps.size() < kMaxSessionSteps) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const replay::ParsedScript parsed = replay::parseScript(text.substr(start, end - start));
        start = end + 1;
        if (parsed.error) {
            continue;
        }
        for (const replay::ScriptStep& s : parsed.steps) {
            const bool dialog = s.message.kind == Message::Kind::DialogOk ||
                                s.message.kind == Message::Kind::DialogCancel;
            steps.push_back(SessionStep{s.message, dialog, {}});
        }
    }
    if (steps.size() > kMaxSessionSteps) {
        steps.resize(kMaxSessionSteps);
    }
    return steps;
}

}  // namespace

std::vector<SessionStep> decodeSession(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return {};
    }
    if (startsAsText(bytes[0])) {
        return decodeScript(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    return BinaryDecoder(bytes).decode();
}

}  // namespace veltro::hardening
