#pragma once

#include <cstddef>
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

// A scene is written by hand or recorded by the program; anything larger is
// not a scene, and reading it would only eat memory.
inline constexpr std::size_t kLargestScene = 64u * 1024u * 1024u;

// Checks and parses a scene's text that came from somewhere other than a
// file (a link, a file the browser read); the complaint names it as the
// file's would.
std::optional<std::string> sceneFromText(std::string name, std::string text, SceneFile& scene);

// Reads and checks the whole file. The complaint names the file and, for a
// bad line, the line: "scene.replay:7: unknown key 'pluss' (...)".
std::optional<std::string> loadSceneFile(const std::string& path, SceneFile& scene);

// The file opened by its UTF-8 name, also on Windows; errno tells why not.
std::FILE* openFileUtf8(const std::string& path, const char* mode);

}  // namespace veltro
