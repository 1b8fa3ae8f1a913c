#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "frame_image.h"
#include "png_codec.h"
#include "raster/frame_buffer.h"
#include "scene_names.h"
#include "scratch_dir.h"
#include "session.h"

namespace veltro::replay {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

class ExpectedFrame : public testing::TestWithParam<std::string> {};

// The scene is played in process through the same session the tool runs and
// its last presented frame must equal the reviewed PNG in every pixel.
TEST_P(ExpectedFrame, MatchesPixelForPixel) {
    const fs::path scenes(VELTRO_REPLAY_SCENES_DIR);
    const fs::path scriptPath = scenes / (GetParam() + ".replay");
    const fs::path pngPath = scenes / (GetParam() + ".png");

    const ParsedScript script = parseScript(readTextFile(scriptPath.string()));
    ASSERT_FALSE(script.error) << scriptPath << ":" << script.error->line << ": "
                               << script.error->what;
    Session session;
    const auto failure = session.playAll(script.steps);
    ASSERT_FALSE(failure) << scriptPath << ":" << failure->line << ": " << failure->what;
    const RgbImage actual =
        imageFromFrameWords(session.presentedWords(), FrameBuffer::kWidth, FrameBuffer::kHeight);

    ASSERT_TRUE(fs::exists(pngPath))
        << "no expected frame " << pngPath << "; see tests/replay/regenerate.sh";
    std::string error;
    const auto expected = decodePng(readBytes(pngPath), &error);
    ASSERT_TRUE(expected) << pngPath << ": " << error;
    ASSERT_EQ(expected->width, actual.width);
    ASSERT_EQ(expected->height, actual.height);

    std::size_t differing = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < actual.rgb.size(); i += 3) {
        if (!std::equal(&actual.rgb[i], &actual.rgb[i] + 3, &expected->rgb[i])) {
            if (differing++ == 0) {
                first = i / 3;
            }
        }
    }
    if (differing > 0) {
        // Leave the frame we got next to the test binary for a look.
        const fs::path got = fs::current_path() / (GetParam() + ".actual.png");
        const std::vector<std::uint8_t> png = encodePng(actual);
        std::ofstream(got, std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()),
                   static_cast<std::streamsize>(png.size()));
        ADD_FAILURE() << differing << " pixel(s) differ from " << pngPath << ", the first at x "
                      << first % actual.width << ", row " << first / actual.width
                      << " from the top; the frame drawn is in " << got;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, ExpectedFrame, testing::ValuesIn(sceneNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

// A reviewed frame whose script was removed or renamed is a test lost.
TEST(ExpectedFrames, EveryPngHasItsScript) {
    const auto names = sceneNames();
    for (const auto& entry : fs::directory_iterator(VELTRO_REPLAY_SCENES_DIR)) {
        if (entry.path().extension() == ".png") {
            const std::string stem = entry.path().stem().string();
            EXPECT_TRUE(std::binary_search(names.begin(), names.end(), stem))
                << entry.path() << " has no " << stem << ".replay";
        }
    }
}

}  // namespace
}  // namespace veltro::replay
