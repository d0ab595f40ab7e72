#include "preferences.h"

#include "answering/call_log_file.h"
#include "app/settings.h"
#include "platform/message_box.h"
#include "platform/product.h"

Preferences::Preferences(Settings& settings, ClientInUse& client, AutostartEntry autostart,
                         MessageBoxService& messages, CallLogFile* calls)
    : m_settings(settings), m_client(client), m_autostart(std::move(autostart)),
      m_messages(messages), m_calls(calls) {}

void Preferences::use(const ClientSetup& setup) {
    if (!m_client.use(setup))
        return;
    if (m_calls)
        m_calls->setClient(clientId(setup.client));
    emit clientChanged();
}

void Preferences::chooseClient(ClientSetup::Client client) {
    ClientSetup setup = m_client.setup();
    setup.client = client;
    use(setup);
    m_settings.setClient(client);
}

void Preferences::setBaresipControl(const QString& text) {
    const std::optional<ControlAddress> address = parseControlAddress(text.trimmed());
    if (!address) {
        m_messages.show(QStringLiteral("\"%1\" is not an address HOST:PORT (a host name or "
                                       "IPv4 address, or an IPv6 address in brackets, and a "
                                       "port from 1 to 65535).")
                            .arg(text),
                        MsgBoxStyle::Exclamation, Product::name);
        return;
    }
    ClientSetup setup = m_client.setup();
    setup.baresipControl = *address;
    use(setup);
    m_settings.setBaresipControl(*address);
}

void Preferences::setAutoAttach(bool on) {
    m_settings.setAutoAttach(on);
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
    if (m_autostart.exists() && !m_autostart.isOurs() &&
        !m_messages.ask(
            QStringLiteral("There is an autostart entry %1 that Pellorin did not "
                           "write. %2 it?")
                .arg(m_autostart.path(), on ? QStringLiteral("Replace") : QStringLiteral("Remove")),
            Product::name))
        return;
    if (on)
        m_autostart.write();
    else if (m_autostart.exists())
        m_autostart.remove();
}
