#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "png_codec.h"
#include "scratch_dir.h"

namespace veltro::replay {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs the real binary in `dir` with `input` on standard input; the
// binary's own outputs stay in the directory next to what the test reads.
ToolRun runReplay(const ScratchDir& dir, const std::vector<std::string>& args,
                  const std::string& input = "") {
    writeTextFile(dir.file(".stdin"), input);
    std::string command =
        "cd " + shellQuoted(dir.file("")) + " && " + shellQuoted(VELTRO_REPLAY_BINARY);
    for (const std::string& arg : args) {
        command += " " + shellQuoted(arg);
    }
    command += " <.stdin >.stdout 2>.stderr";
    ToolRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readTextFile(dir.file(".stdout"));
    run.err = readTextFile(dir.file(".stderr"));
    return run;
}

// The names the binary left, without the test's own redirections.
std::vector<std::string> outputs(const ScratchDir& dir) {
    std::vector<std::string> names;
    for (const std::string& name : dir.names()) {
        if (name.empty() || name[0] != '.') {
            names.push_back(name);
        }
    }
    return names;
}

const std::string kArc = "click 100 300\nclick 320 80\nclick 540 300\n";

TEST(ReplayCli, WritesTheFrameTheSegmentsAndTheState) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    const ToolRun run = runReplay(
        dir,
        {"--png", "frame.png", "--svg", "figure.svg", "--segments=segments.txt", "--state", "-"},
        kArc);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(outputs(dir), (std::vector<std::string>{"figure.svg", "frame.png", "segments.txt"}));
    EXPECT_EQ(readTextFile(dir.file("figure.svg")).rfind("<?xml", 0), 0u);

    const std::string png = readTextFile(dir.file("frame.png"));
    std::string error;
    const auto image = decodePng(std::vector<std::uint8_t>(png.begin(), png.end()), &error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->width, 640u);
    EXPECT_EQ(image->height, 480u);

    const std::string segments = readTextFile(dir.file("segments.txt"));
    EXPECT_EQ(segments.rfind("100 300 320 80 155 155 155 255\n", 0), 0u) << segments;

    EXPECT_NE(run.out.find("\"points\": [[100, 300], [320, 80], [540, 300]]"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"framesDrawn\": 3\n"), std::string::npos) << run.out;
}

TEST(ReplayCli, ReadsTheScriptFromAFile) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    writeTextFile(dir.file("session.replay"), "menu 40023\n");
    const ToolRun run = runReplay(dir, {"--state", "session.replay"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"editMode\": \"MovePoints\""), std::string::npos) << run.out;
}

TEST(ReplayCli, BadInputExitsTwoAndWritesNothing) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string complaint;
    } cases[] = {
        {{"--png", "f.png", "--state", "-"},
         "click 1 2\nclick 3\n",
         "<stdin>:2: expected 'click X Y'"},
        {{"--png", "f.png", "--segments", "s.txt", "-"},
         "menu 40053\ndialog cancel\ndialog cancel\n",
         "<stdin>:3: 'dialog cancel' but no B-Spline Input dialog is open"},
        {{"--png", "f.png", "-"}, "press nan 1\n", "<stdin>:1: coordinate 'nan' is not a finite"},
        {{"--png", "f.png", "missing.replay"}, "", "missing.replay: No such file or directory"},
        {{"--png", "f.png", "."}, "", "Is a directory"},
        {{"--png", "f.png"}, "", "no SCRIPT given"},
        {{"--png"}, "", "--png needs a file name"},
        {{"--png=", "-"}, "", "--png needs a file name"},
        {{"--png", "a", "--png", "b", "-"}, "", "--png given twice"},
        {{"--png", "same", "--segments", "same", "-"}, "", "name the same file"},
        {{"--segments", "same", "--svg=same", "-"}, "", "--svg and --segments name the same"},
        {{"--png", "a.png", "--svg", "./a.png", "-"}, "", "--png and --svg name the same"},
        {{"--frame", "f.png", "-"}, "", "unknown option '--frame'"},
        {{"--state", "a.replay", "b.replay"}, "", "more than one SCRIPT"},
        {{"--state", "--state", "-"}, "", "--state given twice"},
        {{"--every-frame", "--every-frame", "-"}, "", "--every-frame given twice"},
        {{"--samples", "-", "--state", "-"}, "", "both write to standard output"},
        {{"--png", "f.png", "--png-scale", "9", "-"}, "", "--png-scale needs a whole number"},
        {{"--png", "f.png", "--png-scale=2.5", "-"}, "", "--png-scale needs a whole number"},
        {{"--svg", "f.svg", "--stroke-width", "0", "-"}, "", "--stroke-width needs a number"},
        {{"--svg", "f.svg", "--stroke-width", "inf", "-"}, "", "--stroke-width needs a number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back() + " / " + c.input);
        ScratchDir dir;
        ASSERT_TRUE(dir.ok());
        const ToolRun run = runReplay(dir, c.args, c.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "") << "nothing on standard output";
        EXPECT_NE(run.err.find(c.complaint), std::string::npos) << run.err;
        EXPECT_TRUE(outputs(dir).empty()) << "left " << outputs(dir).size() << " file(s)";
    }
}

// The enlarged PNG is the frame pixel for pixel; the samples are the
// curve's points that the segment list joins, with a parameter that rises.
TEST(ReplayCli, EnlargesTheFrameExactlyAndListsTheCurvesSamples) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    const std::string session = kArc + "menu 40030\n";
    ASSERT_EQ(runReplay(dir, {"--png", "one.png", "--segments", "s.txt", "-"}, session).status, 0);
    const ToolRun run =
        runReplay(dir, {"--png-scale", "3", "--png", "three.png", "--samples", "-", "-"}, session);
    ASSERT_EQ(run.status, 0) << run.err;

    const auto decode = [&](const char* name) {
        const std::string bytes = readTextFile(dir.file(name));
        return decodePng(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), nullptr);
    };
    const auto one = decode("one.png");
    const auto three = decode("three.png");
    ASSERT_TRUE(one && three);
    ASSERT_EQ(three->width, 1920u);
    ASSERT_EQ(three->height, 1440u);
    for (std::size_t y = 0; y < three->height; ++y) {
        for (std::size_t x = 0; x < three->width; ++x) {
            for (std::size_t c = 0; c < 3; ++c) {
                ASSERT_EQ(three->rgb[(y * three->width + x) * 3 + c],
                          one->rgb[((y / 3) * one->width + x / 3) * 3 + c])
                    << x << "," << y;
            }
        }
    }

    // The curve's segments, after the two of the control polygon.
    std::istringstream segments(readTextFile(dir.file("s.txt")));
    std::vector<std::string> curvePoints;
    std::string x0, y0, x1, y1, rest;
    for (int row = 0; segments >> x0 >> y0 >> x1 >> y1 && std::getline(segments, rest); ++row) {
        if (row >= 2) {
            if (curvePoints.empty()) {
                curvePoints.push_back(x0 + " " + y0);
            }
            curvePoints.push_back(x1 + " " + y1);
        }
    }
    std::istringstream samples(run.out);
    std::vector<std::string> samplePoints;
    float previousT = -1.0f;
    std::string t, x, y;
    while (samples >> t >> x >> y) {
        EXPECT_GT(std::stof(t), previousT);
        previousT = std::stof(t);
        samplePoints.push_back(x + " " + y);
    }
    EXPECT_EQ(run.out.rfind("0 100 300\n", 0), 0u) << run.out;
    EXPECT_EQ(samplePoints, curvePoints);
    EXPECT_NEAR(previousT, 1.0f, 0.02f);
}

// Painting every frame, as a window does, changes how long a session takes,
// never what it leaves.
TEST(ReplayCli, PaintingEveryFrameGivesTheSameOutputs) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    const std::string session = kArc + "menu shells-on\nmenu slider-on\nkey plus\nclick 300 50\n";
    std::string state[2];
    for (const bool every : {false, true}) {
        std::vector<std::string> args = {"--png", every ? "every.png" : "last.png", "--state", "-"};
        if (every) {
            args.insert(args.begin(), "--every-frame");
        }
        const ToolRun run = runReplay(dir, args, session);
        ASSERT_EQ(run.status, 0) << run.err;
        state[every] = run.out;
    }
    EXPECT_EQ(state[0], state[1]);
    EXPECT_EQ(readTextFile(dir.file("every.png")), readTextFile(dir.file("last.png")));
}

TEST(ReplayCli, AFailedWriteExitsOneAndLeavesTheOtherOutputAlone) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    writeTextFile(dir.file("frame.png"), "old");
    const ToolRun run =
        runReplay(dir, {"--png", "frame.png", "--segments", "no/such/dir/s.txt", "-"}, kArc);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no/such/dir/s.txt"), std::string::npos) << run.err;
    EXPECT_EQ(readTextFile(dir.file("frame.png")), "old");
    EXPECT_EQ(outputs(dir), (std::vector<std::string>{"frame.png"}));
}

TEST(ReplayCli, HelpExplainsEveryCommandAndOption) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    const ToolRun run = runReplay(dir, {"--png", "--help"});
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(outputs(dir).empty());
    for (const char* word :
         {"Usage: veltro-replay [--png FILE [--png-scale N]] [--svg FILE [--stroke-width W]]",
          "[--segments FILE] [--samples FILE] [--compare FILE] [--state]",
          "click X Y",
          "press X Y",
          "move X Y",
          "release X Y",
          "dblclick X Y",
          "key K",
          "numminus (109)",
          "menu NAME",
          "shells-on (40038)",
          "dialog ok \"DEGREE\" \"KNOTS\"",
          "dialog cancel",
          "place I X Y",
          "close",
          "--png FILE",
          "--svg FILE",
          "--segments FILE",
          "--samples FILE",
          "t x y",
          "--png-scale N",
          "--stroke-width W",
          "--compare FILE",
          "%.9g",
          "--state",
          "framesDrawn",
          "exit status 2",
          "Example"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

// The comparison's format follows the file name's ending; any other ending
// is refused before anything is written.
TEST(ReplayCli, ComparesAsSvgOrPngByTheFileName) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    ASSERT_EQ(runReplay(dir, {"--compare", "grid.SVG", "--compare=grid.png", "-"}, kArc).status, 2);
    const ToolRun wrong = runReplay(dir, {"--compare", "grid.jpg", "-"}, kArc);
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find(".svg or .png"), std::string::npos) << wrong.err;
    EXPECT_TRUE(outputs(dir).empty());

    ASSERT_EQ(runReplay(dir, {"--compare", "grid.SVG", "-"}, kArc).status, 0);
    ASSERT_EQ(runReplay(dir, {"--compare=grid.png", "-"}, kArc).status, 0);
    EXPECT_EQ(readTextFile(dir.file("grid.SVG")).rfind("<?xml", 0), 0u);
    const std::string png = readTextFile(dir.file("grid.png"));
    std::string error;
    const auto image = decodePng(std::vector<std::uint8_t>(png.begin(), png.end()), &error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->width, 3u * 640u + 4u * 16u);
    EXPECT_EQ(image->height, 2u * 480u + 3u * 16u);
}

TEST(ReplayCli, ASessionWithoutOutputsOnlyChecksTheScript) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    const ToolRun run = runReplay(dir, {"-"}, kArc);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(outputs(dir).empty());
}

}  // namespace
}  // namespace veltro::replay
