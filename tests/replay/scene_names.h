#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace veltro::replay {

// Every scene script in the golden scenes folder, by name without extension,
// sorted so parameterised tests keep stable names.
inline std::vector<std::string> sceneNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(VELTRO_REPLAY_SCENES_DIR)) {
        if (entry.path().extension() == ".replay") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace veltro::replay
