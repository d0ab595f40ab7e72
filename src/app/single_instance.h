#pragma once

#include <QObject>
#include <QVariantMap>

#include <functional>

// One running program per user session: the first one owns the session-bus name
// of the desktop entry's id and serves org.freedesktop.Application there; a
// later one asks it to show its window instead of running beside it. Without a
// session bus every start runs, as if it were the first.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    static constexpr auto ServiceName = "example.pellorin.Pellorin";
    static constexpr auto ObjectPath = "/example/pellorin/Pellorin";

    enum class Claim {
        First,      // this one runs (it owns the name, or there is no bus)
        HandedOver, // another one runs and was asked to show its window
        Failed,     // another one owns the name but did not answer
    };

    // Call once, with the application object made.
    Claim claim();

    // From now on a later start runs `show`. One that came while this program
    // was still starting (its notice at start open) is acted on now.
    void listen(std::function<void()> show);

public slots:
    // What another start asks of the first one.
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);

private:
    std::function<void()> m_show;
    bool m_missed = false;
};
