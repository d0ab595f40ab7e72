#pragma once

#include "app/autostart_entry.h"
#include "app/client_in_use.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>

class CallLogFile;
class MessageBoxService;
class Settings;

// What Options changes beside the lists and the logo: the client in use and
// baresip's control address, attaching by itself, starting at login. A change
// is saved first and then takes effect, so a change made while the first one
// is taking effect (an attach that waits) is the one kept; a save that fails
// throws RunTimeError (see Settings) with the change in effect all the same.
//
// The client shown as chosen is what the next start uses: turning Attach
// Automatically or Start at Login on keeps the client in use when none is kept.
class Preferences : public QObject {
    Q_OBJECT
public:
    // How often a search looks for a running client.
    static constexpr int SearchPeriodMs = 2000;

    // `calls`: the record of answered calls, which names the client in use; none
    // when null.
    Preferences(Settings& settings, ClientInUse& client, AutostartEntry autostart,
                MessageBoxService& messages, CallLogFile* calls = nullptr);

    const ClientSetup& setup() const { return m_client.setup(); }
    // The client in use becomes `client`.
    void chooseClient(ClientSetup::Client client);
    // baresip's control address as the user typed it. One that is not an address
    // HOST:PORT gets a box saying so and changes nothing.
    void setBaresipControl(const QString& text);
    void setAutoAttach(bool on);
    // A desktop notification for each call answered (or not) by the program.
    bool notifiesWhenAnswering() const;
    void setNotifyWhenAnswering(bool on);
    // The main window's place at the end of the last run; empty the first time.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);

    // Whether Start at Login is on: the autostart entry is there and not turned
    // off (Hidden=true, X-GNOME-Autostart-enabled=false).
    bool startsAtLogin() const { return m_autostart.isEnabled(); }
    // Start at Login turned on writes the autostart entry, off removes it. An
    // entry the user wrote, or changed after Pellorin wrote it, is replaced or
    // removed only when the user says so.
    void setStartAtLogin(bool on);

    // No client is chosen yet and the program attaches by itself: looks every
    // `periodMs` for a running one, in the order of a start, and makes the first
    // found the client in use and keeps it. Meanwhile the client in use (the
    // default) stays, and no client counts as chosen. The looks never run inside
    // a wait (they are left to the next one). Choosing a client, or turning
    // Attach Automatically off, ends the search. `running` outlives it.
    void searchForClient(RunningClients& running, int periodMs = SearchPeriodMs);
    bool searching() const { return m_search.isActive(); }

signals:
    // The client link in use changed (another client, or baresip at another
    // address): objects made before are of the old one.
    void clientChanged();
    // A search for a running client began or ended.
    void searchingChanged(bool searching);

private:
    // Saves with `save`, then makes `setup` the client in use. A failed save is
    // thrown once the change is in effect.
    void saveAndUse(const ClientSetup& setup, const std::function<void()>& save);
    // Keeps `setup`'s client (and baresip's address) where the settings hold none.
    void keepClient(const ClientSetup& setup);
    // The same for the client in use, unless none is chosen yet (a search).
    void keepClientInUse();
    void lookForClient();
    void stopSearch(const QString& why);

    Settings& m_settings;
    ClientInUse& m_client;
    AutostartEntry m_autostart;
    MessageBoxService& m_messages;
    CallLogFile* m_calls;
    RunningClients* m_running = nullptr;
    QTimer m_search;
};
