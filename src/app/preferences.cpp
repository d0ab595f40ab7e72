#include "preferences.h"

#include "answering/call_log_file.h"
#include "app/settings.h"
#include "platform/message_box.h"
#include "platform/product.h"

#include <QLoggingCategory>
#include <QThread>

#include <exception>

Q_DECLARE_LOGGING_CATEGORY(lcClient)

namespace {

// Runs every step, even after one has thrown; then throws the first failure.
void runEverySave(std::initializer_list<std::function<void()>> steps) {
    std::exception_ptr failure;
    for (const std::function<void()>& step : steps) {
        try {
            step();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

Preferences::Preferences(Settings& settings, ClientInUse& client, AutostartEntry autostart,
                         MessageBoxService& messages, CallLogFile* calls)
    : m_settings(settings), m_client(client), m_autostart(std::move(autostart)),
      m_messages(messages), m_calls(calls) {
    connect(&m_search, &QTimer::timeout, this, &Preferences::lookForClient);
}

// Saved before it takes effect: taking effect may wait (an attach), and a change
// made meanwhile must be the one saved last.
void Preferences::saveAndUse(const ClientSetup& setup, const std::function<void()>& save) {
    runEverySave({save, [&] {
                      if (!m_client.use(setup))
                          return;
                      if (m_calls)
                          m_calls->setClient(clientId(setup.client));
                      emit clientChanged();
                  }});
}

void Preferences::chooseClient(ClientSetup::Client client) {
    stopSearch(QStringLiteral("a client was chosen in Options"));
    ClientSetup setup = m_client.setup();
    setup.client = client;
    saveAndUse(setup, [&] { m_settings.setClient(client); });
}

void Preferences::setBaresipControl(const QString& text) {
    const std::optional<ControlAddress> address = parseControlAddress(text.trimmed());
    if (!address) {
        m_messages.show(tr("\"%1\" is not an address HOST:PORT (a host name or "
                           "IPv4 address, or an IPv6 address in brackets, and a "
                           "port from 1 to 65535).")
                            .arg(text),
                        MsgBoxStyle::Exclamation, Product::name);
        return;
    }
    ClientSetup setup = m_client.setup();
    setup.baresipControl = *address;
    saveAndUse(setup, [&] { m_settings.setBaresipControl(*address); });
}

void Preferences::setAutoAttach(bool on) {
    if (!on)
        stopSearch(QStringLiteral("Attach Automatically was turned off"));
    runEverySave({[&] {
                      if (on)
                          keepClientInUse();
                  },
                  [&] { m_settings.setAutoAttach(on); }});
}

void Preferences::keepClientInUse() {
    if (!searching()) // while none is chosen, the next start looks for one too
        keepClient(m_client.setup());
}

void Preferences::keepClient(const ClientSetup& setup) {
    const SavedSettings& saved = m_settings.saved();
    const bool keepAddress = setup.client == ClientSetup::Client::Baresip && !saved.baresipControl;
    if (saved.client && !keepAddress)
        return;
    qCInfo(lcClient).noquote() << QStringLiteral(
                                      "The calling client %1 is kept for the next start.")
                                      .arg(clientId(setup.client));
    runEverySave({[&] {
                      if (!saved.client)
                          m_settings.setClient(setup.client);
                  },
                  [&] {
                      if (keepAddress)
                          m_settings.setBaresipControl(setup.baresipControl);
                  }});
}

bool Preferences::notifiesWhenAnswering() const {
    return m_settings.saved().notifyWhenAnswering;
}

void Preferences::setNotifyWhenAnswering(bool on) {
    m_settings.setNotifyWhenAnswering(on);
}

QByteArray Preferences::windowGeometry() const {
    return m_settings.saved().windowGeometry;
}

void Preferences::setWindowGeometry(const QByteArray& geometry) {
    m_settings.setWindowGeometry(geometry);
}

void Preferences::setStartAtLogin(bool on) {
    const AutostartEntry::Origin origin = m_autostart.origin();
    if (m_autostart.exists() && origin != AutostartEntry::Origin::Ours &&
        !m_messages.ask((origin == AutostartEntry::Origin::Users
                             ? tr("There is an autostart entry %1 that Pellorin did not write. ")
                             : tr("The autostart entry %1 was changed after Pellorin wrote it. "))
                                .arg(m_autostart.path()) +
                            (on ? tr("Replace it?") : tr("Remove it?")),
                        Product::name))
        return;
    if (on)
        runEverySave({[this] { keepClientInUse(); }, [this] { m_autostart.write(); }});
    else if (m_autostart.exists())
        m_autostart.remove();
}

void Preferences::searchForClient(RunningClients& running, int periodMs) {
    m_running = &running;
    qCInfo(lcClient).noquote()
        << QStringLiteral("No calling client runs yet; looking for one every %1 ms.").arg(periodMs);
    m_search.start(periodMs);
    emit searchingChanged(true);
}

void Preferences::lookForClient() {
    // Not inside a wait (for the client, or a box): the next look follows it.
    if (QThread::currentThread()->loopLevel() > 1)
        return;
    const std::optional<ClientChoice> found = findRunningClient(m_client.setup(), *m_running);
    if (!found)
        return;
    m_search.stop();
    logClientChoice(*found);
    emit searchingChanged(false);
    try {
        saveAndUse(found->setup, [&] { keepClient(found->setup); });
    } catch (const std::exception& e) {
        // Settings that cannot be written have said so in the log.
        qCWarning(lcClient).noquote() << "Using the calling client found failed:" << e.what();
    }
}

void Preferences::stopSearch(const QString& why) {
    if (!searching())
        return;
    m_search.stop();
    qCInfo(lcClient).noquote()
        << QStringLiteral("No longer looking for a calling client: %1.").arg(why);
    emit searchingChanged(false);
}
