#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "curves/scene_state.h"

namespace veltro {

// The "B-Spline Input" dialog's logic, free of any widget.

// The knot field takes at most this many typed characters; the rest is
// ignored.
inline constexpr std::size_t kKnotTextLimit = 4998;

// How many characters a knot field that opened with `shownText` takes: the
// typed-text limit, or all of the text shown when that is longer (many
// points), so that OK without editing keeps exactly the knots shown.
inline std::size_t knotFieldLimit(std::string_view shownText) {
    return shownText.size() > kKnotTextLimit ? shownText.size() : kKnotTextLimit;
}

// The knots as shown in the field: "0, 1, 2, 10"; empty for an empty list.
std::string formatKnotText(const KnotSequence& knots);

// The degree as shown in the field: an unsigned decimal number.
std::string formatDegreeText(std::int32_t degree);

// One knot token as the C library's atoi reads it (leading white space, an
// optional sign, digits up to the first non-digit, 0 without digits), except
// that values beyond the 32-bit range saturate instead of overflowing.
std::int32_t parseKnotToken(std::string_view token);

// The knot field: tokens separated by spaces and commas, empty tokens
// skipped, each converted by parseKnotToken. Only the first `limit`
// characters are read.
KnotSequence parseKnotText(std::string_view text, std::size_t limit = kKnotTextLimit);

// The degree field read as an unsigned number: optional leading spaces, then
// decimal digits and nothing else. Anything else, and values above
// 4294967295, read as 0.
std::uint32_t readUnsignedField(std::string_view text);

// The degree that OK stores: the field's value taken as a signed int, 3 when
// that is not positive. Any positive degree is kept as typed; the knot vector
// and the curve's work bound what a large one costs.
std::int32_t parseDegreeText(std::string_view text);

}  // namespace veltro
