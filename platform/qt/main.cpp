#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>

#include "core/clock.h"
#include "desktop_editor.h"
#include "display_check.h"
#include "event_sleeper.h"
#include "launch/desktop_launch.h"

namespace {

using namespace veltro;
using namespace veltro::qt;

// The Linux desktop program: texts go to the terminal, and Qt starts only
// once the command line and the scene have been accepted.
class QtDesktop final : public DesktopHost {
  public:
    QtDesktop(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    bool tellUser(const std::string& text, bool isError) override {
        std::FILE* out = isError ? stderr : stdout;
        return std::fputs(text.c_str(), out) >= 0 && std::fflush(out) == 0;
    }
    void refuse(const std::string& text) override { std::fputs(text.c_str(), stderr); }

    DesktopCore* openWindow() override {
        if (const auto problem = displayProblem(currentDisplaySettings())) {
            refuse("veltro: " + *problem + "\n");
            return nullptr;
        }
        const QtMessageHandler previous = qInstallMessageHandler(reportStartupFailure);
        application_.emplace(argc_, argv_);
        // Where QSettings keeps what the window remembers (the Inspector).
        QCoreApplication::setOrganizationName(QStringLiteral("VELTRO"));
        QCoreApplication::setApplicationName(QStringLiteral("veltro"));
        qInstallMessageHandler(previous);
        // The frame loop decides when the program ends: closing the window
        // is a message to the editor, not a reason for Qt to quit.
        QApplication::setQuitOnLastWindowClosed(false);
        editor_.emplace(clock_, sleeper_);
        return &editor_->desktop();
    }
    void showWindow() override { editor_->show(); }
    void runUntilClosed() override { editor_->run(); }
    void closeWindow() override { editor_.reset(); }

  private:
    int& argc_;
    char** argv_;
    SteadyClock clock_;
    EventSleeper sleeper_;
    // Declared after the application, so the window goes first.
    std::optional<QApplication> application_;
    std::optional<DesktopEditor> editor_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    QtDesktop host(argc, argv);
    return runDesktopProgram(args, host);
}
