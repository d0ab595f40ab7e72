#include "link_listeners.h"

#include "link_events.h"

#include <algorithm>

namespace {

bool listed(const std::vector<QPointer<Automation>>& objects, Automation* object) {
    return std::find(objects.begin(), objects.end(), object) != objects.end();
}

} // namespace

LinkListeners::LinkListeners(LinkEvents& events,
                             std::function<std::shared_ptr<const void>()> keepAlive)
    : m_events(events), m_keepAlive(std::move(keepAlive)) {}

bool LinkListeners::contains(Automation* object) const {
    return listed(m_listeners, object);
}

void LinkListeners::add(Automation* object) {
    if (!contains(object))
        m_listeners.emplace_back(object);
}

void LinkListeners::forget(Automation* object) {
    const auto goneOrThis = [object](const QPointer<Automation>& listener) {
        return !listener || listener == object;
    };
    std::erase_if(m_listeners, goneOrThis);
    std::erase_if(m_leftBehind, goneOrThis);
}

void LinkListeners::post(std::function<void()> raise) {
    m_events.post([raise = std::move(raise), session = std::weak_ptr<const void>(m_keepAlive())] {
        const auto keepAlive = session.lock();
        raise();
    });
}

void LinkListeners::raiseAttachment(Automation* target, int status) {
    post([target = QPointer<Automation>(target), status] {
        if (target)
            target->raiseAttachmentStatus(status);
    });
}

void LinkListeners::raiseAttachmentToAll(int status) {
    for (const QPointer<Automation>& listener : m_listeners)
        if (listener)
            raiseAttachment(listener, status);
}

void LinkListeners::raiseCall(const SkypeCallPtr& call, int status) {
    for (const QPointer<Automation>& listener : m_listeners) {
        if (!listener)
            continue;
        // `this` lives as long as the session, which the post keeps while it raises.
        post([this, target = listener, call, status] {
            if (target && contains(target))
                target->raiseCallStatus(call, status);
        });
    }
}

void LinkListeners::detachAll(int status) {
    raiseAttachmentToAll(status);
    if (status == AttachStatus::NotAvailable)
        for (const QPointer<Automation>& listener : m_listeners)
            if (listener && !listed(m_leftBehind, listener))
                m_leftBehind.push_back(listener);
    m_listeners.clear();
}

void LinkListeners::clientBack() {
    for (const QPointer<Automation>& object : m_leftBehind)
        post([object] {
            if (object)
                object->raiseClientAvailable();
        });
    m_leftBehind.clear();
}
