#include "output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace veltro::replay {

namespace {

std::string describeErrno(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

// Writes everything or reports the error; short writes are retried.
bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool replaceInPlace(const std::string& path) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) {
        return false;  // does not exist yet: make it through a temporary
    }
    return !S_ISREG(info.st_mode);
}

// Creates a new file next to `path` that nobody else uses.
int createTemporary(const std::string& path, std::string& name, int& error) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return fd;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    error = errno;
    return -1;
}

}  // namespace

std::string writeOutputFiles(const std::vector<OutputFile>& files) {
    struct Pending {
        std::string temporary;
        const OutputFile* file;
    };
    std::vector<Pending> pending;
    std::vector<const OutputFile*> inPlace;
    std::string complaint;

    for (const OutputFile& file : files) {
        if (replaceInPlace(file.path)) {
            inPlace.push_back(&file);
            continue;
        }
        std::string temporary;
        int error = 0;
        const int fd = createTemporary(file.path, temporary, error);
        if (fd < 0) {
            complaint = describeErrno(file.path, error);
            break;
        }
        pending.push_back(Pending{temporary, &file});
        const bool written = writeAll(fd, file.bytes);
        const int writeError = errno;
        const bool closed = ::close(fd) == 0;
        if (!written || !closed) {
            complaint = describeErrno(file.path, written ? errno : writeError);
            break;
        }
    }
    for (const OutputFile* file : inPlace) {
        if (!complaint.empty()) {
            break;
        }
        const int fd = ::open(file->path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) {
            complaint = describeErrno(file->path, errno);
            break;
        }
        const bool written = writeAll(fd, file->bytes);
        const int writeError = errno;
        ::close(fd);
        if (!written) {
            complaint = describeErrno(file->path, writeError);
        }
    }
    for (const Pending& p : pending) {
        if (complaint.empty() && ::rename(p.temporary.c_str(), p.file->path.c_str()) != 0) {
            complaint = describeErrno(p.file->path, errno);
        }
        if (!complaint.empty()) {
            ::unlink(p.temporary.c_str());
        }
    }
    return complaint;
}

}  // namespace veltro::replay
