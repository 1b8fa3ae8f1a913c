#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "ui/message.h"

namespace veltro {

// Input waiting for the frame turn. Hosts post whenever their window system
// delivers an event; the core takes messages in order.
class MessageQueue {
  public:
    // A move that follows a move still waiting replaces it: only the newest
    // position of an uninterrupted run of moves matters to the editor, and a
    // fast mouse must not build a backlog that drains at frame rate. Likewise
    // an auto-repeat of a key whose auto-repeat is still waiting is dropped,
    // so a held key moves things at most once a turn and stops when it is
    // let go. Presses are never merged.
    void post(Message message);
    std::optional<Message> take();

    bool empty() const { return messages_.empty(); }
    std::size_t size() const { return messages_.size(); }

  private:
    std::deque<Message> messages_;
};

}  // namespace veltro
