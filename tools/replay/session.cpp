#include "session.h"

#include <utility>

#include "launch/script_step.h"
#include "ui/command_ids.h"

namespace veltro::replay {

Session::Session(bool everyFrame) : everyFrame_(everyFrame) {}

std::optional<std::string> Session::play(const Message& message) {
    if (ended()) {
        return "the session has already ended";
    }
    auto complaint = playScriptStep(core_, message);
    if (everyFrame_) {
        core_.framePixels();
    }
    return complaint;
}

std::optional<ScriptError> Session::playAll(const std::vector<ScriptStep>& steps) {
    for (const ScriptStep& step : steps) {
        if (ended()) {
            break;
        }
        if (auto complaint = play(step.message)) {
            return ScriptError{step.line, std::move(*complaint)};
        }
    }
    return std::nullopt;
}

HostView Session::hostView() const {
    HostView view;
    view.title = shell_.title();
    for (Command command : allCommands) {
        if (core_.isChecked(command)) {
            view.checked.push_back(commandId(command));
        }
    }
    for (const RecordingShell::Event& event :
         shell_.eventsOf(RecordingShell::Event::Kind::MessageBox)) {
        view.messageBoxes.push_back(MessageBoxRecord{event.second, event.first});
    }
    for (const RecordingShell::Event& event :
         shell_.eventsOf(RecordingShell::Event::Kind::Dialog)) {
        view.dialogs.push_back(
            DialogRecord{event.first, event.second, core_.isDialogOpen(event.id)});
    }
    view.framesDrawn = core_.framesDrawn();
    return view;
}

}  // namespace veltro::replay
