#include "dbus_automation.h"

#include "platform/run_time_error.h"

namespace {

class AbsentClient : public SkypeClient {
public:
    bool isRunning() override { return false; }
};

class PlaceholderAutomation : public Automation {
public:
    SkypeClient& client() override { return m_client; }
    void attach(int, bool) override { notRunning(); }
    QList<SkypeUserPtr> friends() override { notRunning(); }
    SkypeUserPtr user(const QString&) override { notRunning(); }

private:
    [[noreturn]] static void notRunning() {
        throw RunTimeError(-1, QStringLiteral("The calling client is not running."));
    }
    AbsentClient m_client;
};

} // namespace

std::unique_ptr<Automation> DBusAutomationFactory::create() {
    return std::make_unique<PlaceholderAutomation>();
}
