#include "core/message_queue.h"

#include <algorithm>
#include <utility>

namespace veltro {

void MessageQueue::post(Message message) {
    if (message.kind == Message::Kind::MouseMove && !messages_.empty() &&
        messages_.back().kind == Message::Kind::MouseMove) {
        messages_.back() = std::move(message);
        return;
    }
    const auto waitingRepeat = [&message](const Message& waiting) {
        return waiting.kind == Message::Kind::KeyDown && waiting.repeat &&
               waiting.key == message.key;
    };
    if (message.kind == Message::Kind::KeyDown && message.repeat &&
        std::any_of(messages_.begin(), messages_.end(), waitingRepeat)) {
        return;
    }
    messages_.push_back(std::move(message));
}

std::optional<Message> MessageQueue::take() {
    if (messages_.empty()) {
        return std::nullopt;
    }
    Message message = std::move(messages_.front());
    messages_.pop_front();
    return message;
}

}  // namespace veltro
