#pragma once

#include <bit>
#include <cstring>
#include <type_traits>
#include <version>

namespace veltro {

// std::bit_cast where the standard library has it; some (the WebAssembly
// toolchain's among them) do not yet, and a copy of the bytes is the same
// thing for the plain values this is used on.
template <class To, class From>
To bitCast(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    static_assert(std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    To to;
    std::memcpy(&to, &from, sizeof(To));
    return to;
#endif
}

}  // namespace veltro
