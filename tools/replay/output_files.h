#pragma once

#include <string>
#include <vector>

namespace veltro::replay {

struct OutputFile {
    std::string path;
    std::string bytes;
};

// Writes all the files or, as far as the file system allows, none of them:
// each regular file is written to a temporary sibling first and renamed
// over its target only when every file has been written. Targets that are
// not regular files (a pipe, /dev/null, a symbolic link) are written in
// place. On failure the result is the complaint.
std::string writeOutputFiles(const std::vector<OutputFile>& files);

}  // namespace veltro::replay
