#include "launch/scene_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

namespace veltro {

namespace {

std::string tooLarge(const std::string& name) {
    return name + ": larger than " + std::to_string(kLargestScene >> 20) +
           " MiB, which is no scene";
}

std::optional<std::string> parseScene(SceneFile& scene) {
    // The recording copies the text after its own first line, where a mark
    // would no longer be at the start.
    scene.text.erase(0, scene.text.size() - replay::withoutByteOrderMark(scene.text).size());
    scene.script = replay::parseScript(scene.text);
    if (scene.script.error) {
        return scene.path + ":" + std::to_string(scene.script.error->line) + ": " +
               scene.script.error->what;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> sceneFromText(std::string name, std::string text, SceneFile& scene) {
    scene.path = std::move(name);
    scene.text = std::move(text);
    if (scene.text.size() > kLargestScene) {
        return tooLarge(scene.path);
    }
    return parseScene(scene);
}

std::FILE* openFileUtf8(const std::string& path, const char* mode) {
#ifdef _WIN32
    const std::filesystem::path native(std::u8string(path.begin(), path.end()));
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    return ::_wfopen(native.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

std::optional<std::string> loadSceneFile(const std::string& path, SceneFile& scene) {
    scene.path = path;
    scene.text.clear();
    std::FILE* file = openFileUtf8(path, "rb");
    if (file == nullptr) {
        return path + ": " + std::strerror(errno);
    }
    char buffer[65536];
    std::optional<std::string> complaint;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        scene.text.append(buffer, n);
        if (scene.text.size() > kLargestScene) {
            complaint = tooLarge(path);
            break;
        }
        if (n < sizeof buffer) {
            if (std::ferror(file)) {
                complaint = path + ": " + std::strerror(errno);
            }
            break;
        }
    }
    std::fclose(file);
    if (complaint) {
        return complaint;
    }
    return parseScene(scene);
}

}  // namespace veltro
