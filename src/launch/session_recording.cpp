#include "launch/session_recording.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/idle_messages.h"
#include "script/script_writer.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace veltro {

namespace {

std::FILE* createFile(const std::string& path, bool replace) {
    const int how = O_WRONLY | O_CREAT | (replace ? O_TRUNC : O_EXCL);
#ifdef _WIN32
    const std::filesystem::path native(std::u8string(path.begin(), path.end()));
    const int fd = ::_wopen(native.c_str(), how | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    const int fd = ::open(path.c_str(), how | O_CLOEXEC, 0666);
#endif
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return file;
}

// Down to the disk, not only to the system's cache.
bool syncToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef _WIN32
    return ::_commit(::_fileno(file)) == 0;
#else
    const int fd = ::fileno(file);
    // A pipe or a terminal cannot be synced, and need not be.
    return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
#endif
}

}  // namespace

std::optional<std::string> SessionRecording::create(const std::string& path, bool replace,
                                                    std::unique_ptr<SessionRecording>& recording) {
    std::FILE* file = createFile(path, replace);
    if (file == nullptr) {
        if (errno == EEXIST) {
            return path + ": the file exists (--force replaces it)";
        }
        return path + ": cannot record into it: " + std::strerror(errno);
    }
    recording.reset(new SessionRecording(file, path));
    recording->writeLine("# veltro session");
    if (recording->failure_) {
        return recording->failure_;
    }
    return std::nullopt;
}

SessionRecording::SessionRecording(std::FILE* file, std::string path)
    : file_(file), path_(std::move(path)) {}

SessionRecording::~SessionRecording() {
    std::fclose(file_);
}

void SessionRecording::writeScene(const SceneFile& scene) {
    int closeLine = 0;
    for (const replay::ScriptStep& step : scene.script.steps) {
        if (step.message.kind == Message::Kind::Close) {
            closeLine = step.line;
        }
    }
    std::string name = scene.path;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, '?');
    std::string text = "# the scene " + name + "\n";
    std::size_t start = 0;
    int line = 0;
    while (start < scene.text.size()) {
        std::size_t end = scene.text.find('\n', start);
        if (end == std::string::npos) {
            end = scene.text.size();
        }
        std::string content = scene.text.substr(start, end - start);
        start = end + 1;
        ++line;
        if (!content.empty() && content.back() == '\r') {
            content.pop_back();
        }
        text += line == closeLine ? "# " + content + "  (the session went on)" : content;
        text += '\n';
    }
    writeLine(text + "# recorded in the window");
}

void SessionRecording::messageTaken(const Message& message, const EditorState& before) {
    // What changes nothing is not played back either; a close is left out so
    // that opening the recording goes on from where it ended.
    if (failure_ || message.kind == Message::Kind::Close || changesNothing(before, message)) {
        return;
    }
    if (const auto line = replay::scriptLine(message)) {
        writeLine(*line);
    }
}

// One disk write for one or more lines: a long scene is not synced line by
// line.
void SessionRecording::writeLine(const std::string& line) {
    if (failure_) {
        return;
    }
    const std::string text = line + "\n";
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || !syncToDisk(file_)) {
        failure_ = path_ + ": recording stopped: " + std::strerror(errno);
    }
}

}  // namespace veltro
