#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "script/script.h"

namespace veltro {

// A replay script opened as a scene: its text, for copying into a
// recording, and its messages.
struct SceneFile {
    std::string path;
    std::string text;
    replay::ParsedScript script;
};

// Reads and checks the whole file. The complaint names the file and, for a
// bad line, the line: "scene.replay:7: unknown key 'pluss' (...)".
std::optional<std::string> loadSceneFile(const std::string& path, SceneFile& scene);

// The file opened by its UTF-8 name, also on Windows; errno tells why not.
std::FILE* openFileUtf8(const std::string& path, const char* mode);

}  // namespace veltro
