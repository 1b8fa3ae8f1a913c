#pragma once

#include <string>
#include <vector>

#include "launch/desktop_core.h"

namespace veltro {

// What a desktop program does in its own window system's way; the launch
// does everything else, the same for every one of them.
class DesktopHost {
  public:
    virtual ~DesktopHost() = default;

    // Text for whoever started the program: the help or the version, or a
    // refused command line (an error). False when it could not be written.
    virtual bool tellUser(const std::string& text, bool isError) = 0;
    // Why the start is refused once the command line has been read, or why
    // the recording stopped: one line, "veltro: ...".
    virtual void refuse(const std::string& text) = 0;
    // Starts the window system and makes the window, still hidden, with the
    // editor it hosts; null when that cannot be done, having said why.
    virtual DesktopCore* openWindow() = 0;
    // Shows the window with its check marks and the last frame drawn, if
    // there is one.
    virtual void showWindow() = 0;
    // Runs the editor's turns until the window has been closed.
    virtual void runUntilClosed() = 0;
    // Releases what openWindow made; called once when it succeeded.
    virtual void closeWindow() = 0;
};

// A desktop program from its arguments (without the program's name) to its
// exit status: reads the command line, opens the scene, starts recording,
// shows the window and runs it, then reports a recording that failed. 0
// when all went well, kExitRefused for a start refused, 1 when the window
// system or the recording failed.
int runDesktopProgram(const std::vector<std::string>& args, DesktopHost& host);

}  // namespace veltro
