#include "script/float_chars.h"

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#endif

namespace veltro::replay {

#if defined(__cpp_lib_to_chars)

std::from_chars_result floatFromChars(const char* first, const char* last, float& value) {
    return std::from_chars(first, last, value);
}

#else

std::from_chars_result floatFromChars(const char* first, const char* last, float& value) {
    const std::from_chars_result invalid{first, std::errc::invalid_argument};
    const char* p = first;
    if (p != last && *p == '-') {
        ++p;
    }
    const bool startsWell = p != last && (*p == '.' || (*p >= '0' && *p <= '9') || *p == 'i' ||
                                          *p == 'I' || *p == 'n' || *p == 'N');
    if (!startsWell) {
        return invalid;
    }
    // "0x1p3" is 0 followed by text in the general format.
    std::string text(first, last);
    if (const auto x = text.find_first_of("xX"); x != std::string::npos) {
        text.resize(x);
    }
    errno = 0;
    char* stop = nullptr;
    const float parsed = std::strtof(text.c_str(), &stop);
    const auto consumed = stop - text.c_str();
    if (consumed == 0) {
        return invalid;
    }
    if (errno == ERANGE && (std::isinf(parsed) || parsed == 0.0f)) {
        return {first + consumed, std::errc::result_out_of_range};
    }
    value = parsed;
    return {first + consumed, std::errc()};
}

#endif

}  // namespace veltro::replay
