#include "play_session.h"

namespace veltro::hardening {

void playSession(const std::vector<SessionStep>& steps, CheckedSession& session) {
    std::size_t work = 0;
    for (const SessionStep& step : steps) {
        if (session.ended() || session.violation() || work > kSessionFrameWork) {
            return;
        }
        const std::size_t framesBefore = session.framesDrawn();
        for (const auto& [x, y] : step.pointsFirst) {
            session.pressWithoutFrame(x, y);
        }
        if (step.aimAtNewestDialog) {
            Message message = step.message;
            message.dialogId = session.newestOpenDialog();
            session.play(message);
        } else {
            session.play(step.message);
        }
        if (session.framesDrawn() != framesBefore) {
            const std::size_t n = session.state().controlPoints.size();
            work += n * n;
        }
    }
}

}  // namespace veltro::hardening
