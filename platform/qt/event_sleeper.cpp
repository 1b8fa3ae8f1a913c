#include "event_sleeper.h"

#include <algorithm>
#include <climits>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace veltro::qt {

void EventSleeper::sleepMs(std::uint32_t ms) {
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(std::min<std::uint32_t>(ms, INT_MAX)));
    // Not QEventLoop::exec: once anything has asked the application to
    // quit, exec returns at once and the wait would turn into a spin.
    while (wake.isActive()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace veltro::qt
