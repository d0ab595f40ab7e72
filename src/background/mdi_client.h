#pragma once

#include "drawing_surface.h"

#include <QString>

#include <functional>
#include <map>

// The window whose client area the background painter paints, as the painter
// sees it. Every operation may fail with a RunTimeError.
class MdiClient {
public:
    // Window states.
    static constexpr int Normal = 0;
    static constexpr int Minimized = 1;
    static constexpr int Maximized = 2;

    virtual ~MdiClient() = default;

    virtual int windowState() const = 0;
    // The inner size of the client area, in twips.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual WindowHandle hWnd() const = 0;

    // Adds a hidden drawing surface named `name` to the window's controls; fails
    // when the window already has a control of that name. The window owns it.
    virtual DrawingSurface& addSurface(const QString& name) = 0;
    // Destroys the control named `name`; fails when there is none.
    virtual void removeSurface(const QString& name) = 0;
    // Shows `picture` as the background of the client area, from its top-left corner.
    virtual void setPicture(const QImage& picture) = 0;

    // Resize notifications, raised after the window's size or state has changed.
    // `subscriber` names the subscription; subscribing again replaces it.
    void subscribeResize(const void* subscriber, std::function<void()> handler) {
        m_resizeHandlers[subscriber] = std::move(handler);
    }
    void unsubscribeResize(const void* subscriber) { m_resizeHandlers.erase(subscriber); }
    // Runs every subscriber in turn; a failure passes on to the caller.
    void raiseResize() {
        const auto handlers = m_resizeHandlers; // a handler may change the subscriptions
        for (const auto& [subscriber, handler] : handlers)
            if (m_resizeHandlers.count(subscriber))
                handler();
    }

private:
    std::map<const void*, std::function<void()>> m_resizeHandlers;
};
