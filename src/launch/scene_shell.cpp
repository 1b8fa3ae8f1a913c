#include "launch/scene_shell.h"

#include <algorithm>

namespace veltro {

void SceneShell::endScene(const std::vector<int>& openDialogs) {
    playing_ = false;
    for (const Dialog& dialog : waiting_) {
        if (std::find(openDialogs.begin(), openDialogs.end(), dialog.id) != openDialogs.end()) {
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
