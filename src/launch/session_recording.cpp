#include "launch/session_recording.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "launch/session_transcript.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace veltro {

namespace {

// The name as the system spells it: bytes as given on POSIX systems, UTF-8
// read into UTF-16 on Windows.
std::filesystem::path nativePath(const std::string& path) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return std::filesystem::path(path);
#endif
}

std::FILE* createFile(const std::string& path, bool replace) {
    const int how = O_WRONLY | O_CREAT | (replace ? O_TRUNC : O_EXCL);
#ifdef _WIN32
    const std::filesystem::path native = nativePath(path);
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
        return nullptr;
    }
    // Unbuffered: a write that fails leaves nothing behind in a buffer for
    // the close to add after the file has been cut back.
    std::setvbuf(file, nullptr, _IONBF, 0);
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

bool cutBackTo(std::FILE* file, std::uint64_t size) {
#ifdef _WIN32
    return ::_chsize_s(::_fileno(file), static_cast<__int64>(size)) == 0;
#else
    return ::ftruncate(::fileno(file), static_cast<off_t>(size)) == 0;
#endif
}

}  // namespace

std::optional<std::string> SessionRecording::checkTarget(const std::string& path, bool replace) {
    std::error_code noSuchFile;
    const auto status = std::filesystem::status(nativePath(path), noSuchFile);
    if (std::filesystem::is_directory(status)) {
        return path + ": is a folder; name a file in it to record into";
    }
    if (!replace && std::filesystem::exists(status)) {
        return path + ": the file exists (--force replaces it)";
    }
    return std::nullopt;
}

std::optional<std::string> SessionRecording::create(const std::string& path, bool replace,
                                                    std::unique_ptr<SessionRecording>& recording) {
    if (auto refusal = checkTarget(path, replace)) {
        return refusal;
    }
    std::FILE* file = createFile(path, replace);
    if (file == nullptr) {
        if (errno == EEXIST) {
            return path + ": the file exists (--force replaces it)";
        }
        return path + ": cannot record into it: " + std::strerror(errno);
    }
    recording.reset(new SessionRecording(file, path));
    recording->writeLine(kRecordingHeader);
    if (auto failure = recording->failure_) {
        abandon(recording);
        return failure;
    }
    return std::nullopt;
}

void SessionRecording::abandon(std::unique_ptr<SessionRecording>& recording) {
    if (recording) {
        const std::filesystem::path path = nativePath(recording->path_);
        recording.reset();
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

SessionRecording::SessionRecording(std::FILE* file, std::string path)
    : file_(file), path_(std::move(path)) {}

SessionRecording::~SessionRecording() {
    std::fclose(file_);
}

void SessionRecording::writeScene(const SceneFile& scene) {
    std::string text = sceneTranscript(scene);
    text.pop_back();  // writeLine ends it
    writeLine(text);
}

void SessionRecording::messageTaken(const Message& message, const EditorState& before) {
    if (failure_) {
        return;
    }
    if (const auto line = recordedLine(message, before)) {
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
        stop();
        return;
    }
    wholeBytes_ += text.size();
}

void SessionRecording::stop() {
    // A part of the failed write may have reached the file; a line cut short
    // ("click 300 45" of "click 300 456") would play as another message.
    if (!cutBackTo(file_, wholeBytes_)) {
        *failure_ += " (and the file could not be cut back to its last whole line)";
    } else {
        syncToDisk(file_);
    }
    if (shell_ != nullptr) {
        shell_->showMessageBox(*failure_ +
                                   "\n\nThe file keeps the session up to here; nothing after "
                                   "this is recorded.",
                               "Recording stopped");
    }
}

}  // namespace veltro
