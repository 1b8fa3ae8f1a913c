#include "session.h"

#include <algorithm>
#include <utility>

#include "ui/check_marks.h"
#include "ui/command_ids.h"

namespace veltro::replay {

namespace {

bool isDialogMessage(const Message& message) {
    return message.kind == Message::Kind::DialogOk || message.kind == Message::Kind::DialogCancel;
}

}  // namespace

Session::Session() = default;

std::optional<std::string> Session::play(const Message& message) {
    if (ended()) {
        return "the session has already ended";
    }
    Message delivered = message;
    if (isDialogMessage(message)) {
        const std::vector<int>& open = core_.state().openDialogs;
        if (open.empty()) {
            return std::string(message.kind == Message::Kind::DialogOk ? "'dialog ok'"
                                                                       : "'dialog cancel'") +
                   " but no B-Spline Input dialog is open (menu " +
                   std::to_string(commandId(Command::BSplineSetup)) + " opens one)";
        }
        delivered.dialogId = open.back();
    }
    core_.post(std::move(delivered));
    core_.turn();
    return std::nullopt;
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
        if (isChecked(core_.state(), command)) {
            view.checked.push_back(commandId(command));
        }
    }
    for (const RecordingShell::Event& event :
         shell_.eventsOf(RecordingShell::Event::Kind::MessageBox)) {
        view.messageBoxes.push_back(MessageBoxRecord{event.second, event.first});
    }
    for (const RecordingShell::Event& event :
         shell_.eventsOf(RecordingShell::Event::Kind::Dialog)) {
        const std::vector<int>& openDialogs = core_.state().openDialogs;
        const bool open =
            std::find(openDialogs.begin(), openDialogs.end(), event.id) != openDialogs.end();
        view.dialogs.push_back(DialogRecord{event.first, event.second, open});
    }
    view.framesDrawn = core_.framesDrawn();
    return view;
}

}  // namespace veltro::replay
