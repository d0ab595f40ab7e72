#include "client_in_use.h"

ClientInUse::ClientInUse(const ClientSetup& setup, Maker make)
    : m_make(std::move(make)), m_setup(setup), m_factory(m_make(setup)) {}

ClientInUse::~ClientInUse() = default;

std::unique_ptr<Automation> ClientInUse::create() {
    return m_factory->create();
}

QString ClientInUse::clientName() const {
    return clientTextName(m_setup.client);
}

bool ClientInUse::use(const ClientSetup& setup) {
    const bool sameLink =
        setup.client == m_setup.client && (setup.client != ClientSetup::Client::Baresip ||
                                           setup.baresipControl == m_setup.baresipControl);
    if (!sameLink)
        m_factory = m_make(setup); // first: the setup stays if this throws
    m_setup = setup;
    return !sameLink;
}
