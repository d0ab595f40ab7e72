#pragma once

#include "app/client_choice.h"
#include "client/automation.h"

#include <functional>
#include <memory>

// The client link of the client in use, which the user may change while the
// program runs. The windows and the attachment keep this one factory; each
// object it makes is one of the client in use when it is made. Objects made
// before a change stay what they are (they keep their own backend alive).
class ClientInUse : public AutomationFactory {
public:
    using Maker = std::function<std::unique_ptr<AutomationFactory>(const ClientSetup&)>;

    // `make` makes a backend's factory; by default the real one.
    explicit ClientInUse(const ClientSetup& setup, Maker make = makeAutomationFactory);
    ~ClientInUse() override;

    std::unique_ptr<Automation> create() override;
    QString clientName() const override;

    const ClientSetup& setup() const { return m_setup; }
    // From now on, `setup`'s client. False when that is the link in use already
    // (the same client; for baresip, at the same address).
    bool use(const ClientSetup& setup);

private:
    Maker m_make;
    ClientSetup m_setup;
    std::unique_ptr<AutomationFactory> m_factory;
};
