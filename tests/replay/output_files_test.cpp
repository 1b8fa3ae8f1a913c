#include <gtest/gtest.h>
#include <sys/stat.h>

#include "output_files.h"
#include "scratch_dir.h"

namespace veltro::replay {
namespace {

TEST(OutputFiles, WritesEveryFileAndLeavesNoTemporaries) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    writeTextFile(dir.file("old.txt"), "an older and much longer content");
    const std::string complaint = writeOutputFiles(
        {{dir.file("new.png"), std::string("\x89PNG\0", 5)}, {dir.file("old.txt"), "short\n"}});
    EXPECT_EQ(complaint, "");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"new.png", "old.txt"}));
    EXPECT_EQ(readTextFile(dir.file("new.png")), std::string("\x89PNG\0", 5));
    EXPECT_EQ(readTextFile(dir.file("old.txt")), "short\n");
}

TEST(OutputFiles, OneUnwritableFileMeansNoneIsReplaced) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    writeTextFile(dir.file("kept.txt"), "before");
    const std::string complaint = writeOutputFiles(
        {{dir.file("kept.txt"), "after"}, {dir.file("missing/dir/frame.png"), "x"}});
    EXPECT_NE(complaint.find("missing/dir/frame.png"), std::string::npos) << complaint;
    EXPECT_EQ(readTextFile(dir.file("kept.txt")), "before");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"kept.txt"}));
}

TEST(OutputFiles, ADirectoryAsTargetIsAnErrorAndNothingIsWritten) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    ::mkdir(dir.file("sub").c_str(), 0755);
    const std::string complaint =
        writeOutputFiles({{dir.file("a.txt"), "a"}, {dir.file("sub"), "b"}});
    EXPECT_NE(complaint, "");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"sub"}));
}

TEST(OutputFiles, SpecialFilesAreWrittenInPlace) {
    EXPECT_EQ(writeOutputFiles({{"/dev/null", "discarded"}}), "");
    struct stat info;
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

}  // namespace
}  // namespace veltro::replay
