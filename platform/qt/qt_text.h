#pragma once

#include <string_view>

#include <QString>

namespace veltro::qt {

// The core's texts are UTF-8 and need not end in a zero.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace veltro::qt
