#pragma once

#include <string>
#include <string_view>

#include "curves/curve_method.h"
#include "inspect/inspection.h"

namespace veltro {

// The inspection as one JSON object without a line break: the keys in the
// order the views read them, every number the shortest text that reads
// back as the same double, null for what could not be computed.
std::string inspectionJson(const Inspection& inspection);

}  // namespace veltro
