#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "launch/launch_options.h"

namespace veltro::qt {

// Reads the program's arguments (the program name first) with Qt's parser,
// built from the shared option table. The complaint for a bad line.
std::optional<std::string> readCommandLine(const QStringList& arguments, LaunchOptions& options);

}  // namespace veltro::qt
