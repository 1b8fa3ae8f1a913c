#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "ui/message.h"

namespace veltro::qt {

// Input waiting for the frame loop, which takes one message per turn. Qt
// delivers events whenever it processes them; the queue gives the core the
// same one-at-a-time view a native message queue would.
class MessageQueue {
  public:
    // A move that follows a move still waiting replaces it: only the newest
    // position of an uninterrupted run of moves matters to the core, and a
    // fast mouse must not build a backlog that drains at frame rate.
    void post(Message message);
    std::optional<Message> take();

    bool empty() const { return messages_.empty(); }
    std::size_t size() const { return messages_.size(); }

  private:
    std::deque<Message> messages_;
};

}  // namespace veltro::qt
