#include <gtest/gtest.h>
#include <stdlib.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/clock.h"
#include "launch/desktop_core.h"
#include "launch/desktop_launch.h"
#include "launch/launch_options.h"
#include "launch/scene_file.h"
#include "launch/session_recording.h"
#include "ui/command.h"
#include "ui/recording_shell.h"

namespace veltro {
namespace {

namespace fs = std::filesystem;

struct LineCase {
    std::vector<std::string> args;
    std::string complaint;  // empty: accepted
    std::optional<std::string> open = std::nullopt;
    std::optional<std::string> record = std::nullopt;
    bool force = false;
    bool help = false;
};

TEST(LaunchOptions, ReadsWhatBothFrontEndsAccept) {
    const LineCase cases[] = {
        {{"--open", "a.replay", "--record=b.replay", "--force"}, "", "a.replay", "b.replay", true},
        {{"--", "--odd.replay"}, "", "--odd.replay"},
        {{"--open=a", "b"}, "more than one scene to open ('a' and 'b')"},
        {{"--open"}, "option '--open' needs a value"},
        {{"--force=yes"}, "option '--force' takes no value"},
        {{"-h", "--frobnicate"}, "unknown option '--frobnicate'"},
        {{"--open", "a", "--open", "b"}, "option '--open' given twice"},
        {{"--record=x", "-record", "y"}, "option '--record' given twice"},
        {{"a", "b", "--help"}, "", std::nullopt, std::nullopt, false, true},
    };
    for (const LineCase& c : cases) {
        GivenOptions given;
        auto complaint = readLaunchArguments(c.args, given);
        if (!complaint) {
            complaint = finishLaunchOptions(given);
        }
        const std::string where = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(complaint.value_or(""), c.complaint) << where;
        if (!c.complaint.empty()) {
            continue;
        }
        EXPECT_EQ(given.options.open, c.open) << where;
        EXPECT_EQ(given.options.record, c.record) << where;
        EXPECT_EQ(given.options.force, c.force) << where;
        EXPECT_EQ(given.options.help, c.help) << where;
    }
}

class Scratch {
  public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "veltro-launch-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            dir_ = pattern;
        }
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string file(const std::string& name, const std::string& text = "") const {
        const std::string path = (dir_ / name).string();
        if (!text.empty()) {
            std::ofstream(path, std::ios::binary) << text;
        }
        return path;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    fs::path dir_;
};

TEST(SceneFile, RefusalsNameTheFileTheLineAndTheFault) {
    Scratch scratch;
    const std::string bad = scratch.file("bad.replay", "click 1 2\n\nkey pluss\n");
    const std::string missing = scratch.file("missing.replay");
    SceneFile scene;
    EXPECT_EQ(loadSceneFile(bad, scene).value_or(""),
              bad +
                  ":3: unknown key 'pluss' (use space, plus, minus, numplus, numminus or a "
                  "code 0 to 255)");
    EXPECT_EQ(loadSceneFile(missing, scene).value_or(""), missing + ": No such file or directory");
    EXPECT_NE(loadSceneFile(scratch.file(""), scene), std::nullopt);
}

// A desktop program without a window system: its shell records what the
// editor asks of the window, and it notes which dialogs had opened by the
// time the window showed.
class HeadlessDesktop final : public DesktopHost {
  public:
    bool tellUser(const std::string& text, bool /*isError*/) override {
        told += text;
        return true;
    }
    void refuse(const std::string& text) override { told += text; }
    DesktopCore* openWindow() override {
        ++windowsOpened;
        desktop.emplace(shell, clock, clock, nullptr);
        return &*desktop;
    }
    void showWindow() override { dialogsBeforeTheWindow = dialogs(); }
    void runUntilClosed() override {
        ran = true;
        if (session) {
            session(desktop->core());
        }
    }
    void closeWindow() override {}
    std::size_t dialogs() const {
        return shell.eventsOf(RecordingShell::Event::Kind::Dialog).size();
    }

    RecordingShell shell;
    ManualClock clock;
    std::optional<DesktopCore> desktop;
    std::string told;
    std::size_t dialogsBeforeTheWindow = 0;
    int windowsOpened = 0;
    bool ran = false;
    std::function<void(EditorCore&)> session;  // what the user does in the window
};

struct SceneCase {
    const char* what;
    const char* scene;
    std::size_t dialogs;  // opened once the window shows
    std::size_t points;
    std::string refusal = "";  // after "veltro: FILE:"; empty: the window shows
};

TEST(DesktopLaunch, PlaysTheSceneBeforeTheWindowShows) {
    const SceneCase cases[] = {
        {"a dialog waits for the window", "click 1 1\nmenu 40053\n", 1, 1},
        {"an answered dialog never shows", "menu 40053\ndialog cancel\n", 0, 0},
        {"message boxes are not shown again", "menu 40009\nmenu 40023\n", 0, 0},
        {"a close ends the scene, not the session", "click 1 1\nclose\n", 0, 1},
        {"an answer with no dialog open", "click 1 1\ndialog ok \"2\" \"\"\n", 0, 0,
         "2: 'dialog ok' but no B-Spline Input dialog is open (menu b-spline-setup opens one)"},
        {"a byte-order mark before the first line",
         "\xEF\xBB\xBF"
         "click 1 1\n",
         0, 1},
    };
    Scratch scratch;
    for (const SceneCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = scratch.file("scene.replay", c.scene);
        HeadlessDesktop host;
        const int status = runDesktopProgram({path}, host);
        if (!c.refusal.empty()) {
            EXPECT_EQ(status, kExitRefused);
            EXPECT_EQ(host.told, "veltro: " + path + ":" + c.refusal + "\n");
            EXPECT_EQ(host.windowsOpened, 0) << "checked before a display is needed";
            continue;
        }
        EXPECT_EQ(status, 0);
        EXPECT_EQ(host.told, "");
        EXPECT_TRUE(host.ran);
        EXPECT_FALSE(host.desktop->core().quitRequested());
        EXPECT_EQ(host.dialogsBeforeTheWindow, 0u);
        EXPECT_EQ(host.dialogs(), c.dialogs);
        EXPECT_TRUE(host.shell.eventsOf(RecordingShell::Event::Kind::MessageBox).empty());
        EXPECT_EQ(host.desktop->core().state().controlPoints.size(), c.points);
    }
}

// The scene's own lines first, then the messages as they come; a close in
// the scene becomes a comment, and the result reads as one script.
TEST(SessionRecording, KeepsTheSceneAndTheMessagesThatCount) {
    Scratch scratch;
    SceneFile scene;
    ASSERT_FALSE(loadSceneFile(scratch.file("a.replay", "click 1 2  # first\nclose"), scene));
    const std::string path = scratch.file("b.replay", "precious");

    std::unique_ptr<SessionRecording> recording;
    EXPECT_EQ(SessionRecording::create(path, false, recording).value_or(""),
              path + ": the file exists (--force replaces it)");
    EXPECT_EQ(Scratch::read(path), "precious");
    ASSERT_FALSE(SessionRecording::create(path, true, recording));
    recording->writeScene(scene);
    EditorState up;
    up.openDialogs = {3};
    EditorState down = up;
    down.mouseDown = true;
    down.editMode = EditMode::MovePoints;
    recording->messageTaken(Message::mouse(Message::Kind::MouseMove, 5, 5), up);
    recording->messageTaken(Message::mouse(Message::Kind::LeftPress, 5, 6), up);
    recording->messageTaken(Message::mouse(Message::Kind::MouseMove, 7, 8), down);
    recording->messageTaken(Message::dialogCancel(2), up);
    recording->messageTaken(Message::dialogOk(3, "2", "0, \"1\""), up);
    recording->messageTaken(Message::close(), up);

    const std::string text = Scratch::read(path);  // before the file is closed
    EXPECT_EQ(text.substr(text.find("click")),
              "click 1 2  # first\n# close  (the session went on)\n# recorded in the window\n"
              "press 5 6\nmove 7 8\ndialog ok \"2\" \"0, \\\"1\\\"\"\n");
    const replay::ParsedScript replayed = replay::parseScript(text);
    EXPECT_FALSE(replayed.error);
    EXPECT_EQ(replayed.steps.size(), 5u);

    EXPECT_NE(SessionRecording::create(scratch.file("no/such/dir.replay"), true, recording),
              std::nullopt);
}

// A session through every menu command is recorded with the commands'
// names, and the recording, opened as a scene, draws the very same frame.
TEST(SessionRecording, NamesTheMenuCommandsAndReplaysToTheSameFrame) {
    Scratch scratch;
    const std::string path = scratch.file("named.replay");
    std::unique_ptr<SessionRecording> recording;
    ASSERT_FALSE(SessionRecording::create(path, false, recording));
    RecordingShell shell;
    ManualClock clock;
    EditorCore live(shell, clock, clock);
    live.setObserver(recording.get());
    for (const auto& [x, y] : {std::pair{80.0f, 400.0f},
                               {170.0f, 110.0f},
                               {330.0f, 70.0f},
                               {470.0f, 330.0f},
                               {580.0f, 120.0f}}) {
        live.post(Message::mouse(Message::Kind::LeftPress, x, y));
        live.turn();
    }
    for (const Command command : allCommands) {
        if (command != Command::ClearPoints && command != Command::MovePoints) {
            live.post(Message::menu(command));
            live.turn();
        }
    }
    live.post(Message::keyDown(Key::Plus));
    live.turn();

    const std::string text = Scratch::read(path);
    EXPECT_NE(text.find("\nmenu shells-on\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("menu 4"), std::string::npos) << text;
    SceneFile scene;
    ASSERT_FALSE(loadSceneFile(path, scene));
    RecordingShell replayShell;
    ManualClock replayClock;
    DesktopCore replayed(replayShell, replayClock, replayClock, nullptr);
    ASSERT_FALSE(replayed.playScene(scene));
    EXPECT_EQ(replayed.core().framePixels(), live.framePixels());
    EXPECT_EQ(replayed.core().state().sliderT, live.state().sliderT);
}

// File names are bytes on this system: one that is no UTF-8 opens and
// records under exactly that name; a folder is no file to record into.
TEST(DesktopLaunch, TakesFileNamesAsTheSystemGivesThem) {
    Scratch scratch;
    const std::string scene = scratch.file("sc\xFFne.replay", "click 1 1\n");
    const std::string record = scratch.file("r\xFE.replay");
    HeadlessDesktop host;
    EXPECT_EQ(runDesktopProgram({scene, "--record", record}, host), 0) << host.told;
    EXPECT_EQ(Scratch::read(record).find("click 1 1\n") != std::string::npos, true);

    HeadlessDesktop folder;
    EXPECT_EQ(runDesktopProgram({"--record", scratch.file(""), "--force"}, folder), kExitRefused);
    EXPECT_NE(folder.told.find("is a folder"), std::string::npos) << folder.told;
}

// A file size limit (ulimit -f 1) stands in for a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

// The recording fails at start: refused before the window shows. It fails
// later: told at once, once, and the file keeps only whole lines.
TEST(SessionRecording, AFullDiskRefusesTheStartOrIsToldAtOnceAndLeavesWholeLines) {
    Scratch scratch;
    std::string longScene;
    for (int i = 0; i < 100; ++i) {
        longScene += "click " + std::to_string(100 + i) + " 456\n";
    }
    const std::string scene = scratch.file("long.replay", longScene);
    {
        const FileSizeLimit limit(1024);
        HeadlessDesktop host;
        EXPECT_EQ(runDesktopProgram({scene, "--record", scratch.file("a.replay")}, host),
                  kExitRefused);
        EXPECT_FALSE(host.ran);
        EXPECT_NE(host.told.find("recording stopped"), std::string::npos) << host.told;
    }
    EXPECT_FALSE(fs::exists(scratch.file("a.replay"))) << "a refused start leaves no file";

    const std::string record = scratch.file("b.replay");
    HeadlessDesktop host;
    host.session = [](EditorCore& core) {
        for (int i = 0; i < 100; ++i) {
            core.post(Message::mouse(Message::Kind::LeftPress, 300, static_cast<float>(456 - i)));
            core.turn();
        }
    };
    {
        const FileSizeLimit limit(1024);
        EXPECT_EQ(runDesktopProgram({"--record", record}, host), 1);
    }
    EXPECT_EQ(host.shell.eventsOf(RecordingShell::Event::Kind::MessageBox).size(), 1u);
    const std::string text = Scratch::read(record);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_LE(text.size(), 1024u);
    EXPECT_FALSE(replay::parseScript(text).error);
}

}  // namespace
}  // namespace veltro
