#pragma once

#include "client/link_events.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

// Sends a request whose reply reaches a handler later, from the event loop, and
// waits for that reply through `events`: it, or nothing when none came within
// `timeoutMs` or `giveUp` held first. A reply that comes after the wait has
// given up lands where nobody looks.
template <class Reply>
std::optional<Reply> awaitReply(LinkEvents& events,
                                const std::function<void(std::function<void(const Reply&)>)>& send,
                                int timeoutMs, const std::function<bool()>& giveUp = {}) {
    auto reply = std::make_shared<std::optional<Reply>>();
    send([reply, self = QPointer<LinkEvents>(&events)](const Reply& r) {
        *reply = r;
        if (self)
            self->progressed();
    });
    events.waitUntil([&] { return reply->has_value() || (giveUp && giveUp()); }, timeoutMs);
    return *reply;
}
