#include "launch/scene_shell.h"

namespace veltro {

void SceneShell::endScene(const EditorCore& core) {
    playing_ = false;
    for (const Dialog& dialog : waiting_) {
        if (core.isDialogOpen(dialog.id)) {
            host_.openBSplineDialog(dialog.id, dialog.degreeText, dialog.knotText);
        }
    }
    waiting_.clear();
}

void SceneShell::showMessageBox(std::string_view text, std::string_view caption) {
    if (!playing_) {
        host_.showMessageBox(text, caption);
    }
}

void SceneShell::openBSplineDialog(int dialogId, std::string_view degreeText,
                                   std::string_view knotText) {
    if (playing_) {
        waiting_.push_back(Dialog{dialogId, std::string(degreeText), std::string(knotText)});
        return;
    }
    host_.openBSplineDialog(dialogId, degreeText, knotText);
}

}  // namespace veltro
