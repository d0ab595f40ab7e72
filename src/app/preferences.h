#pragma once

#include "app/autostart_entry.h"
#include "app/client_in_use.h"

#include <QByteArray>
#include <QObject>

class CallLogFile;
class MessageBoxService;
class Settings;

// What Options changes beside the lists and the logo: the client in use and
// baresip's control address, attaching by itself, starting at login. A change
// takes effect at once and is then saved; a save that fails throws RunTimeError
// (see Settings) with the change in effect.
class Preferences : public QObject {
    Q_OBJECT
public:
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

    bool startsAtLogin() const { return m_autostart.exists(); }
    // Start at Login turned on writes the autostart entry, off removes it. An
    // entry the user wrote under that name is replaced or removed only when the
    // user says so.
    void setStartAtLogin(bool on);

signals:
    // The client link in use changed (another client, or baresip at another
    // address): objects made before are of the old one.
    void clientChanged();

private:
    void use(const ClientSetup& setup);

    Settings& m_settings;
    ClientInUse& m_client;
    AutostartEntry m_autostart;
    MessageBoxService& m_messages;
    CallLogFile* m_calls;
};
