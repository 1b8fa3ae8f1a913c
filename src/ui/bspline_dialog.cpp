#include "ui/bspline_dialog.h"

#include <limits>

namespace veltro {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The white space atoi skips, independent of the locale.
bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isKnotSeparator(char c) {
    return c == ' ' || c == ',';
}

}  // namespace

std::string formatKnotText(const KnotSequence& knots) {
    std::string text;
    for (std::size_t i = 0; i < knots.size(); ++i) {
        if (i > 0) {
            text += ", ";
        }
        text += std::to_string(knots[i]);
    }
    return text;
}

std::string formatDegreeText(std::int32_t degree) {
    return std::to_string(static_cast<std::uint32_t>(degree));
}

std::int32_t parseKnotToken(std::string_view token) {
    std::size_t i = 0;
    while (i < token.size() && isCSpace(token[i])) {
        ++i;
    }
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    // Accumulate the magnitude, holding it just past the 32-bit range so a
    // long run of digits can neither overflow nor change the result.
    constexpr std::int64_t kCeiling = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < token.size() && isDigit(token[i]); ++i) {
        magnitude = magnitude * 10 + (token[i] - '0');
        if (magnitude > kCeiling) {
            magnitude = kCeiling;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

KnotSequence parseKnotText(std::string_view text, std::size_t limit) {
    text = text.substr(0, limit);
    KnotSequence knots;
    std::size_t tokenStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isKnotSeparator(text[i])) {
            if (i > tokenStart) {
                knots.push_back(parseKnotToken(text.substr(tokenStart, i - tokenStart)));
            }
            tokenStart = i + 1;
        }
    }
    return knots;
}

std::uint32_t readUnsignedField(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i == text.size()) {
        return 0;
    }
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) {
            return 0;
        }
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return 0;
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::int32_t parseDegreeText(std::string_view text) {
    // Taken as a signed int, so values from 2147483648 up count as negative.
    const auto degree = static_cast<std::int32_t>(readUnsignedField(text));
    return degree <= 0 ? 3 : degree;
}

}  // namespace veltro
