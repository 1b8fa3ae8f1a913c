#pragma once

#include <string>
#include <vector>

#include "core/editor_core.h"
#include "ui/shell.h"

namespace veltro {

// The shell the editor talks to while it plays an opened scene before the
// window appears: message boxes are dismissed at once, as the replay tool
// dismisses them, and the dialogs the scene opens wait until the window
// shows. The title goes to the window as it changes. Outside a scene every
// call goes straight to the host's shell.
class SceneShell final : public Shell {
  public:
    explicit SceneShell(Shell& host) : host_(host) {}

    void beginScene() { playing_ = true; }
    // Opens the scene's dialogs that the editor still has open, with the
    // texts they showed, and hands every call on from now.
    void endScene(const EditorCore& core);

    void showMessageBox(std::string_view text, std::string_view caption) override;
    void setTitle(std::string_view title) override { host_.setTitle(title); }
    void openBSplineDialog(int dialogId, std::string_view degreeText,
                           std::string_view knotText) override;

  private:
    struct Dialog {
        int id;
        std::string degreeText;
        std::string knotText;
    };

    Shell& host_;
    bool playing_ = false;
    std::vector<Dialog> waiting_;
};

}  // namespace veltro
