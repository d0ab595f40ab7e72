// Weeks unattended, compressed: the program built as main() builds it (Attach
// Automatically on, its settings, lists and record in a temporary home), left to
// answer rings from listed, video-listed and unlisted callers of three real
// clients in turn (the stand-in, baresip, jamid with a SIP account), while on a
// schedule drawn from the seed the world does what it does to it: the client
// killed and started again, stopped for 1 to 30 s, refusing and then allowing,
// jamid killed in a call; a person at the windows (through the main window's own
// handlers: list windows opened, edited, saved and closed, the contact browser,
// the client switched and back, Attach Automatically off and on), also while the
// program waits for a stopped client; the program started before its client, the
// record's folder taken away, the settings file deleted, a list file replaced.
// Prints each figure beside its bound; exits 1 when one is broken.
// Run under a session bus.
//
//   unattended_soak [--rings N] [--seed S] [--longest-stop SECONDS]
//                   [--clients standin,baresip,jami]

#include "answering/attachment.h"
#include "answering/call_log_file.h"
#include "app/app_services.h"
#include "app/client_in_use.h"
#include "app/frm_main.h"
#include "app/preferences.h"
#include "app/settings.h"
#include "baresip_control.h"
#include "baresip_process.h"
#include "bench_support.h"
#include "client/jami/jami_automation_factory.h"
#include "client/link_events.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "jami_process.h"
#include "lists/frm_auto_call_list.h"
#include "lists/frm_auto_video_call_list.h"
#include "lists/list_file.h"
#include "platform/one_box_at_a_time.h"
#include "standin_process.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>

namespace {

[[noreturn]] void giveUp(const QString& why) {
    BenchSupport::fail("unattended_soak", why);
}

using BenchSupport::spin;

void pauseFor(int ms) {
    spin([] { return false; }, ms);
}

// What the program's log says, counted as it is written.
struct LogWatch {
    bool attached = false;
    int records = 0;       // lines of the record of calls
    int neither = 0;       // rings from callers on neither list
    int writeFailures = 0; // record lines that could not be written
    QString lastRecord;
    bool verbose = false;
};
LogWatch g_log;

void watchLog(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const QLatin1String category(context.category ? context.category : "");
    if (text.contains(QLatin1String("Attached to the calling client")))
        g_log.attached = true;
    else if (text.contains(QLatin1String("attachment to the calling client ended")) ||
             text.contains(QLatin1String("refused Pellorin")))
        g_log.attached = false;
    if (category == QLatin1String("pellorin.calls")) {
        if (text.contains(QLatin1String("on neither list")))
            ++g_log.neither;
        else if (text.startsWith(QLatin1String("Could not write the call")))
            ++g_log.writeFailures;
        else if (type == QtInfoMsg) {
            ++g_log.records;
            g_log.lastRecord = text;
        }
    }
    if (g_log.verbose || type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Message boxes a person leaves open until the soak closes them; counts the most
// open at once, and the boxes put up inside a wait for the client.
class OpenBoxes : public MessageBoxService {
public:
    int shown = 0;
    int mostOpen = 0;
    int insideWait = 0;
    QStringList recent;

    std::shared_ptr<ShownBox> show(const QString& text, int, const QString&) override {
        note(text);
        auto box = std::make_shared<Box>();
        m_open.push_back(box);
        mostOpen = std::max(mostOpen, openCount());
        return box;
    }
    void showAndWait(const QString& text, int, const QString&) override {
        note(text);
        mostOpen = std::max(mostOpen, openCount() + 1);
    }
    bool ask(const QString& text, const QString&) override {
        showAndWait(text, 0, {});
        return false;
    }
    int openCount() {
        std::erase_if(m_open, [](const auto& box) { return !box->open; });
        return static_cast<int>(m_open.size());
    }
    void closeAll() {
        const auto open = std::exchange(m_open, {});
        for (const auto& box : open)
            if (std::exchange(box->open, false) && box->onClosed)
                box->onClosed(); // the next one waiting may open
    }

private:
    struct Box : ShownBox {
        bool open = true;
        bool isOpen() const override { return open; }
        void setText(const QString&) override {}
    };
    void note(const QString& text) {
        ++shown;
        if (LinkEvents::waitDepth() > 0)
            ++insideWait;
        recent.append(text.simplified().left(160));
        if (recent.size() > 8)
            recent.removeFirst();
    }
    std::vector<std::shared_ptr<Box>> m_open;
};

// The pause between answering and starting video, shortened.
class ShortPause : public Pause {
public:
    void sleep(int) override { QThread::msleep(20); }
};

enum class Caller { Listed, Video, Unlisted };

// One calling client the program watches, with callers of each kind.
class Client {
public:
    virtual ~Client() = default;
    virtual QString name() const = 0;
    virtual CommandLineOptions::Client kind() const = 0;
    // The handles on each list, and handles for the person to add and remove.
    virtual QStringList handles(Caller caller) const = 0;
    virtual bool start() = 0;
    virtual void kill() = 0;
    virtual qint64 pid() const = 0;
    // Whether the client's process still runs (jamid dies by itself now and then).
    virtual bool alive() const { return true; }
    virtual std::unique_ptr<AutomationFactory> factory(const ClientSetup& setup) {
        return makeAutomationFactory(setup);
    }
    virtual ClientSetup setup() const { return {kind(), {}}; }
    // Rings a call from `handle`; an id for the questions below.
    virtual QString ring(const QString& handle) = 0;
    // Whether the client says the call was answered (waiting a little for it).
    virtual bool answered(const QString& call) = 0;
    // Whether video was started for the call (the client's word when it has one).
    virtual bool videoStarted(const QString& call) {
        Q_UNUSED(call);
        return g_log.lastRecord.contains(QLatin1String("video started"));
    }
    virtual void hangup(const QString& call) = 0;
    virtual bool canRefuse() const { return false; }
    virtual bool restartRefusing() { return false; }
    virtual void allow() {}
    virtual QString error() const { return {}; }
};

class StandInClient : public Client {
public:
    QString name() const override { return QStringLiteral("stand-in"); }
    CommandLineOptions::Client kind() const override {
        return CommandLineOptions::Client::DesktopApi;
    }
    QStringList handles(Caller caller) const override {
        switch (caller) {
        case Caller::Listed:
            return {QStringLiteral("alice"), QStringLiteral("bob")};
        case Caller::Video:
            return {QStringLiteral("carol"), QStringLiteral("dave")};
        case Caller::Unlisted:
            return {QStringLiteral("Alice"), QStringLiteral("bobby")};
        }
        return {};
    }
    bool start() override { return startWith({}); }
    void kill() override {
        if (m_process)
            m_process->kill();
    }
    qint64 pid() const override { return m_process ? m_process->process().processId() : 0; }
    QString ring(const QString& handle) override {
        return QString::number(m_process->ring(handle));
    }
    bool answered(const QString& call) override {
        return history(call).contains(QStringLiteral("ALTER CALL %1 ANSWER").arg(call));
    }
    bool videoStarted(const QString& call) override {
        return history(call).contains(QLatin1String("START_VIDEO_SEND"));
    }
    void hangup(const QString& call) override { m_process->hangup(call.toUInt()); }
    bool canRefuse() const override { return true; }
    bool restartRefusing() override {
        kill();
        return startWith({QStringLiteral("--authorize"), QStringLiteral("refuse")});
    }
    void allow() override { m_process->setAuthorization(QStringLiteral("allow")); }

private:
    bool startWith(const QStringList& arguments) {
        m_process = std::make_unique<StandInProcess>(arguments);
        return m_process->start();
    }
    QString history(const QString& call) { return m_process->history(call.toUInt()).join('\n'); }
    std::unique_ptr<StandInProcess> m_process;
};

// Callers of both SIP clients: baresip instances on the calls list, the video
// calls list and neither, dialling `address()`.
class SipCallers {
public:
    explicit SipCallers(const QString& dir) {
        for (const char* user : {"alice", "victor", "xavier"})
            m_callers.push_back(std::make_unique<BaresipProcess>(QLatin1String(user), dir));
    }
    bool start() {
        for (size_t i = 0; i < m_callers.size(); ++i) {
            if (!m_callers[i]->start(15000, 3600) || !m_controls[i].connectTo(m_callers[i]->controlPort()))
                return false;
        }
        return true;
    }
    BaresipProcess& caller(Caller kind) { return *m_callers[static_cast<size_t>(kind)]; }
    QString ring(const QString& handle, const QString& address) {
        m_current = index(handle);
        m_eventsBefore = m_controls[m_current].events().size();
        m_controls[m_current].send(QStringLiteral("dial"), address);
        return handle;
    }
    bool answered() {
        return spin(
            [&] {
                const auto& events = m_controls[m_current].events();
                for (size_t i = m_eventsBefore; i < events.size(); ++i)
                    if (events[i].event.type == QLatin1String("CALL_ESTABLISHED"))
                        return true;
                return false;
            },
            5000);
    }
    void hangup() {
        m_controls[m_current].send(QStringLiteral("hangup"));
        pauseFor(30);
    }
    std::function<QString(const BaresipProcess&)> handleOf;

private:
    size_t index(const QString& handle) {
        for (size_t i = 0; i < m_callers.size(); ++i)
            if (handleOf(*m_callers[i]) == handle)
                return i;
        return 0;
    }
    std::vector<std::unique_ptr<BaresipProcess>> m_callers;
    BaresipControl m_controls[3];
    size_t m_current = 0;
    size_t m_eventsBefore = 0;
};

class BaresipClient : public Client {
public:
    explicit BaresipClient(const QString& dir)
        : m_bob(QStringLiteral("bob"), dir), m_callers(dir) {
        m_callers.handleOf = [](const BaresipProcess& p) { return p.handle(); };
    }
    QString name() const override { return QStringLiteral("baresip"); }
    CommandLineOptions::Client kind() const override { return CommandLineOptions::Client::Baresip; }
    QStringList handles(Caller caller) const override {
        return {const_cast<SipCallers&>(m_callers).caller(caller).handle()};
    }
    // The callers, and bob's ports (the program is told them before bob runs).
    bool prepare() {
        if (!m_callers.start() || !m_bob.start(15000, 3600))
            return false;
        m_bob.kill();
        return true;
    }
    bool start() override { return m_bob.restart(15000, 3600); }
    void kill() override { m_bob.kill(); }
    qint64 pid() const override { return m_bob.pid(); }
    ClientSetup setup() const override {
        return {kind(), {QStringLiteral("127.0.0.1"), m_bob.controlPort()}};
    }
    QString ring(const QString& handle) override { return m_callers.ring(handle, m_bob.address()); }
    bool answered(const QString&) override { return m_callers.answered(); }
    void hangup(const QString&) override { m_callers.hangup(); }

private:
    BaresipProcess m_bob;
    SipCallers m_callers;
};

class JamiClient : public Client {
public:
    explicit JamiClient(const QString& dir) : m_jamid(dir), m_callers(dir) {
        // jamid names a SIP caller user@host, without the port.
        m_callers.handleOf = [](const BaresipProcess& p) { return p.handle().section(':', 0, 0); };
    }
    QString name() const override { return QStringLiteral("jamid"); }
    CommandLineOptions::Client kind() const override { return CommandLineOptions::Client::Jami; }
    QStringList handles(Caller caller) const override {
        return {const_cast<SipCallers&>(m_callers).caller(caller).handle().section(':', 0, 0)};
    }
    bool prepare() { return m_callers.start(); }
    bool start() override {
        if (!m_account.isEmpty())
            return m_jamid.restart({m_account});
        if (!m_jamid.start())
            return false;
        m_account = m_jamid.addSipAccount(QStringLiteral("bob"));
        return !m_account.isEmpty();
    }
    void kill() override { m_jamid.kill(); }
    qint64 pid() const override { return m_jamid.pid(); }
    bool alive() const override { return m_jamid.running(); }
    std::unique_ptr<AutomationFactory> factory(const ClientSetup& setup) override {
        if (setup.client != kind())
            return makeAutomationFactory(setup);
        return std::make_unique<JamiAutomationFactory>(JamiTimeouts{}, JamiAutomationFactory::BusMaker{},
                                                       m_jamid.videoSource());
    }
    QString ring(const QString& handle) override { return m_callers.ring(handle, m_jamid.address()); }
    bool answered(const QString&) override { return m_callers.answered(); }
    void hangup(const QString&) override { m_callers.hangup(); }
    QString error() const override { return m_jamid.error() + QStringLiteral("\n") + m_jamid.log(); }

private:
    JamiProcess m_jamid;
    SipCallers m_callers;
    QString m_account;
};

// The program as main() builds it, over the soak's home.
struct Program {
    Settings settings;
    ClientInUse automation;
    OneBoxAtATime boxes; // as the program's start-up puts it over the real boxes
    RecordingShellOpen shell;
    ShortPause pause;
    RecordingNotificationIcon tray;
    CallLogFile calls;
    Preferences preferences;
    std::unique_ptr<frmMain> window;

    Program(const QString& home, Client& client, OpenBoxes& messages)
        : settings(home + QStringLiteral("/config/pellorin/pellorin.conf")),
          automation(client.setup(), [&client](const ClientSetup& s) { return client.factory(s); }),
          boxes(messages), calls(home + QStringLiteral("/state/pellorin/calls.log"),
                                 QStringLiteral("soak")),
          preferences(settings, automation,
                      AutostartEntry(home + QStringLiteral("/autostart/pellorin.desktop"),
                                     QStringLiteral("pellorin")),
                      boxes, &calls) {
        window = std::make_unique<frmMain>(AppServices{.messages = boxes,
                                                       .shell = shell,
                                                       .pause = pause,
                                                       .automation = automation,
                                                       .trayIcon = tray,
                                                       .programDir = home + QStringLiteral("/config/pellorin"),
                                                       .callRecord = &calls,
                                                       .autoAttach = true,
                                                       .preferences = &preferences});
        window->MDIForm_Load();
        window->show();
        shortenTries();
    }
    // The tests' short retry periods: a try every 200 ms, 1 s after a refusal.
    void shortenTries() {
        QTimer::singleShot(0, window.get(), [this] {
            window->findChild<Attachment*>()->startAutoAttach({.retryMs = 200, .afterRefusalMs = 1000});
        });
    }
};

struct Sample {
    int rings;
    long rssKb, fds, threads;
};

Sample sample(int rings) {
    Sample s{rings, -1, static_cast<long>(QDir(QStringLiteral("/proc/self/fd")).count()) - 2, -1};
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                s.rssKb = line.mid(6).trimmed().split(' ').value(0).toLong();
            if (line.startsWith("Threads:"))
                s.threads = line.mid(8).trimmed().toLong();
        }
    return s;
}

// Least-squares slope of `field` per 1,000 rings.
double slope(const std::vector<Sample>& samples, long Sample::*field) {
    if (samples.size() < 2)
        return 0;
    double mx = 0, my = 0;
    for (const Sample& s : samples)
        mx += s.rings, my += static_cast<double>(s.*field);
    mx /= samples.size(), my /= samples.size();
    double num = 0, den = 0;
    for (const Sample& s : samples) {
        num += (s.rings - mx) * (static_cast<double>(s.*field) - my);
        den += (s.rings - mx) * (s.rings - mx);
    }
    return den > 0 ? 1000.0 * num / den : 0;
}

class Soak {
public:
    Soak(quint32 seed, int longestStopS) : m_random(seed), m_longestStopMs(longestStopS * 1000) {
        m_home = m_dir.path();
        QDir().mkpath(m_home + QStringLiteral("/config/pellorin"));
        QDir().mkpath(m_home + QStringLiteral("/state/pellorin"));
        connect(m_tick, [this] {
            const qint64 now = m_clock.elapsed();
            if (!m_busy && m_lastTick >= 0)
                m_longestGapMs = std::max(m_longestGapMs, now - m_lastTick);
            m_lastTick = now;
        });
        m_clock.start();
    }

    // One client's share of the rings: the program starts first, then the client.
    void run(Client& client, int rings) {
        m_client = &client;
        std::printf("%s: %d rings\n", qPrintable(client.name()), rings);
        std::fflush(stdout);
        writeLists();
        m_program = std::make_unique<Program>(m_home, client, m_boxes);
        if (!busy([&] { return client.start(); }))
            giveUp(client.name() + QStringLiteral(" did not start"));
        const int end = m_totalRings + rings;
        while (m_totalRings < end) {
            if (m_totalRings % 1000 == 0 && m_samples.size() <= size_t(m_totalRings / 1000))
                m_samples.push_back(sample(m_totalRings));
            if (chance(1.0 / 120))
                worldEvent();
            if (chance(1.0 / 40))
                m_boxes.closeAll();
            ringOnce();
            checkLists();
        }
        closeProgram();
        busy([&] {
            client.kill();
            return true;
        });
        pauseFor(200);
    }

    int report(const QString& command);

private:
    bool chance(double p) { return std::uniform_real_distribution<>(0, 1)(m_random) < p; }
    int pick(int n) { return std::uniform_int_distribution<>(0, n - 1)(m_random); }
    template <class T> const T& any(const QList<T>& items) { return items[pick(items.size())]; }
    void connect(QTimer& timer, std::function<void()> f) {
        QObject::connect(&timer, &QTimer::timeout, f);
        timer.start(50);
    }
    // The soak's own slow steps (starting clients, and asking them what they saw
    // over blocking calls) do not count as the program's hang.
    template <class Step> auto own(Step step) {
        m_busy = true;
        auto result = step();
        m_busy = false;
        m_lastTick = -1;
        return result;
    }
    bool busy(const std::function<bool()>& step) { return own(step); }
    frmMain& window() { return *m_program->window; }
    // The program ends, and its boxes with it.
    void closeProgram() {
        m_program.reset();
        m_boxes.closeAll();
        g_log.attached = false; // the next program says so itself
    }
    QString listPath(bool video) const {
        return m_home + QStringLiteral("/config/pellorin/") +
               (video ? ListFile::VideoCallsFileName : ListFile::CallsFileName);
    }

    // --- the rings ---------------------------------------------------------

    void ringOnce() {
        const Caller kind = static_cast<Caller>(pick(3));
        const QString handle = any(m_client->handles(kind));
        if (!m_client->alive())
            clientDied();
        if (!awaitAttached())
            return;
        const int handledBefore = g_log.records + g_log.neither;
        const QString call = own([&] { return m_client->ring(handle); });
        ++m_totalRings;
        const bool handled = spin([&] { return g_log.records + g_log.neither > handledBefore; }, 5000);
        if (kind == Caller::Unlisted) {
            ++m_unlisted;
            if (own([&] { return m_client->answered(call); }))
                fault(m_unlistedAnswered, QStringLiteral("unlisted %1 answered").arg(handle));
        } else {
            ++m_listed;
            if (!handled && !m_client->alive())
                clientDied(); // not the program's miss: there was nobody to answer
            else if (!handled || !own([&] { return m_client->answered(call); }))
                fault(m_listedMissed, QStringLiteral("listed %1 not answered").arg(handle));
            else if (kind == Caller::Listed && own([&] { return m_client->videoStarted(call); }))
                fault(m_videoForCalls, QStringLiteral("video started for %1").arg(handle));
        }
        own([&] {
            m_client->hangup(call);
            return true;
        });
    }

    // The client died by itself (jamid does, now and then, as calls end): what a
    // person would do is start it again.
    void clientDied() {
        ++m_clientDied;
        g_log.attached = false;
        if (!busy([&] { return m_client->start(); }))
            giveUp(m_client->name() + QStringLiteral(" did not start again: ") + m_client->error());
    }

    // Rings count only once the program says it is attached (it was told the
    // client is gone when it was killed, switched or turned off).
    bool awaitAttached() {
        if (g_log.attached)
            return true;
        if (spin([] { return g_log.attached; }, 20000))
            return true;
        if (!m_client->alive()) {
            clientDied();
            return false;
        }
        fault(m_neverBack, QStringLiteral("not attached again within 20 s"));
        ++m_totalRings; // the ring that could not be made
        // Starting the client again is what a person would do next.
        busy([&] {
            m_client->kill();
            return m_client->start();
        });
        return false;
    }

    void fault(int& counter, const QString& what) {
        ++counter;
        if (m_faultsShown++ < 20)
            std::printf("  FAULT at ring %d (%s): %s; boxes: %s\n", m_totalRings,
                        qPrintable(m_client->name()), qPrintable(what),
                        qPrintable(m_boxes.recent.join(QStringLiteral(" | "))));
        std::fflush(stdout);
    }

    // --- what the world does ----------------------------------------------

    void worldEvent() {
        const int what = pick(13);
        switch (what) {
        case 0:
        case 1: // killed and started again
            restartClient();
            break;
        case 2: // stopped, a person at the windows meanwhile, continued
            stopClient();
            break;
        case 3: // refusing, then allowing
            if (m_client->canRefuse()) {
                busy([&] { return m_client->restartRefusing(); });
                g_log.attached = false;
                pauseFor(1500);
                own([&] {
                    m_client->allow();
                    return true;
                });
            }
            break;
        case 4:
        case 5:
        case 6:
        case 7:
            personAtWindows();
            break;
        case 8: // the program started before its client, as at a login
            closeProgram();
            busy([&] {
                m_client->kill();
                return true;
            });
            g_log.attached = false;
            m_program = std::make_unique<Program>(m_home, *m_client, m_boxes);
            pauseFor(pick(500));
            busy([&] { return m_client->start(); });
            break;
        case 9: // the record's folder taken away for a while
            takeRecordFolder();
            break;
        case 10: // the settings file deleted
            QFile::remove(m_program->settings.path());
            break;
        case 11: { // a list file replaced by another program
            const bool video = chance(0.5);
            QStringList entries = m_client->handles(video ? Caller::Video : Caller::Listed);
            entries << QStringLiteral("other.%1").arg(pick(100));
            replaceList(video, ListFile::format(entries));
            break;
        }
        case 12: // jamid killed in a call
            if (m_client->kind() == CommandLineOptions::Client::Jami) {
                const QString call = m_client->ring(any(m_client->handles(Caller::Listed)));
                m_client->answered(call);
                busy([&] {
                    m_client->kill();
                    m_client->hangup(call);
                    g_log.attached = false;
                    return m_client->start();
                });
            }
            break;
        }
    }

    void restartClient() {
        if (!busy([&] {
                m_client->kill();
                g_log.attached = false;
                return m_client->start();
            }))
            giveUp(m_client->name() + QStringLiteral(" did not start again: ") + m_client->error());
    }

    void stopClient() {
        const qint64 pid = m_client->pid();
        const int ms = 1000 + pick(std::max(1, m_longestStopMs - 1000));
        bool continued = false;
        ::kill(static_cast<pid_t>(pid), SIGSTOP);
        QTimer::singleShot(ms, [&, pid] {
            ::kill(static_cast<pid_t>(pid), SIGCONT);
            continued = true;
        });
        const int actions = pick(4);
        for (int i = 0; i < actions && !continued; ++i)
            personAtWindows();
        spin([&] { return continued; }, ms + 1000);
        // A wait for the stopped client may have given up meanwhile.
        m_boxes.closeAll();
    }

    void takeRecordFolder() {
        const QString folder = m_home + QStringLiteral("/state/pellorin");
        // As root, permissions bind nobody: a file takes the folder's place.
        QDir().rename(folder, folder + QStringLiteral(".away"));
        QFile blocker(folder);
        blocker.open(QIODevice::WriteOnly);
        blocker.close();
        const int failuresBefore = g_log.writeFailures, recordsBefore = g_log.records;
        const int rings = 5 + pick(40);
        for (int i = 0; i < rings; ++i)
            ringOnce();
        QFile::remove(folder);
        QDir().rename(folder + QStringLiteral(".away"), folder);
        const int lost = g_log.records - recordsBefore;
        m_unwritable += lost;
        if (g_log.writeFailures - failuresBefore != lost)
            fault(m_unsaidLosses, QStringLiteral("%1 lines lost, %2 said in the log")
                                      .arg(lost)
                                      .arg(g_log.writeFailures - failuresBefore));
    }

    // --- a person at the windows ------------------------------------------

    void personAtWindows() {
        switch (pick(6)) {
        case 0:
        case 1:
            editList(chance(0.5));
            break;
        case 2:
            window().mnuSkypeContacts_Click();
            pauseFor(pick(300));
            window().contactWindow().unload();
            break;
        case 3: { // another client, and back
            const auto now = m_program->preferences.setup().client;
            const auto other = now == CommandLineOptions::Client::DesktopApi
                                   ? CommandLineOptions::Client::Baresip
                                   : CommandLineOptions::Client::DesktopApi;
            window().mnuCallingClient_Click(other);
            pauseFor(pick(300));
            window().mnuCallingClient_Click(now);
            g_log.attached = false;
            m_program->shortenTries();
            break;
        }
        case 4: { // Attach Automatically off, and on again
            QAction* item = window().findChild<QAction*>(QStringLiteral("mnuAttachAutomatically"));
            item->trigger();
            pauseFor(pick(300));
            item->trigger();
            m_program->shortenTries();
            checkSettingsKept();
            break;
        }
        case 5:
            m_boxes.closeAll();
            break;
        }
    }

    void editList(bool video) {
        if (video)
            window().mnuVideoCallsList_Click();
        else
            window().mnuCallOnlyAutoAnswerList_Click();
        AutoAnswerListForm* form = video ? static_cast<AutoAnswerListForm*>(window().autoVideoCallList().loaded())
                                         : window().autoCallList().loaded();
        if (!form)
            return; // its load failed, and said so
        ListBox& list = form->answerList();
        const QString extra = QStringLiteral("pool.%1").arg(pick(4));
        try {
            if (chance(0.5) && list.findStringExact(extra) == ListBox::None) {
                if (form->txtAddress() && form->txtAddress()->isVisible()) {
                    form->txtAddress()->setText(QStringLiteral("sip:") + extra + QStringLiteral("@127.0.0.1"));
                    form->CmdAddAddress_Click();
                } else {
                    // Never a caller that rings: its list stays what the soak expects.
                    const QStringList contacts = form->contactList().items();
                    const int at = pick(std::max<int>(1, contacts.size()));
                    if (at < contacts.size() && !ringing().contains(contacts[at])) {
                        form->contactList().setListIndex(at);
                        form->CmdAdd_Click();
                    }
                }
            } else {
                const QStringList items = list.items();
                for (int i = 0; i < items.size(); ++i)
                    if (!ringing().contains(items[i])) {
                        list.setListIndex(i);
                        form->CmdRemove_Click();
                        break;
                    }
            }
            if (chance(0.7)) {
                const QStringList entries = list.items();
                form->CmdSave_Click();
                // A save that worked wrote the list (its box may wait behind another).
                QFile saved(listPath(video));
                if (saved.open(QIODevice::ReadOnly) && saved.readAll() == ListFile::format(entries))
                    m_expected[video] = ListFile::format(entries);
                checkLists();
            }
        } catch (const std::exception&) {
            // Reported by the window as a person would see it.
        }
        if (chance(0.6))
            (video ? static_cast<WindowInstanceBase&>(window().autoVideoCallList())
                   : window().autoCallList())
                .unload();
    }

    QStringList ringing() const {
        return m_client->handles(Caller::Listed) + m_client->handles(Caller::Video) +
               m_client->handles(Caller::Unlisted);
    }

    // --- the files ---------------------------------------------------------

    void writeLists() {
        replaceList(false, ListFile::format(m_client->handles(Caller::Listed)));
        replaceList(true, ListFile::format(m_client->handles(Caller::Video)));
    }
    void replaceList(bool video, const QByteArray& bytes) {
        QFile file(listPath(video));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            giveUp(QStringLiteral("cannot write %1").arg(file.fileName()));
        m_expected[video] = bytes;
    }
    void checkLists() {
        for (const bool video : {false, true}) {
            QFile file(listPath(video));
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
            if (bytes != m_expected[video]) {
                fault(m_listDifferences,
                      QStringLiteral("%1 holds \"%2\", the last save wrote \"%3\"")
                          .arg(QFileInfo(file).fileName(), QString::fromUtf8(bytes.toPercentEncoding()),
                               QString::fromUtf8(m_expected[video].toPercentEncoding())));
                m_expected[video] = bytes;
            }
        }
    }
    void checkSettingsKept() {
        QFile file(m_program->settings.path());
        if (!file.open(QIODevice::ReadOnly) || !file.readAll().contains("auto-attach=true"))
            fault(m_settingsLost, QStringLiteral("the settings file lost Attach Automatically"));
    }

    QTemporaryDir m_dir;
    QString m_home;
    std::mt19937 m_random;
    int m_longestStopMs;
    OpenBoxes m_boxes;
    Client* m_client = nullptr;
    std::unique_ptr<Program> m_program;
    QByteArray m_expected[2];
    std::vector<Sample> m_samples;
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_lastTick = -1;
    qint64 m_longestGapMs = 0;
    bool m_busy = false;

    int m_totalRings = 0, m_listed = 0, m_unlisted = 0, m_faultsShown = 0;
    int m_listedMissed = 0, m_unlistedAnswered = 0, m_videoForCalls = 0, m_listDifferences = 0,
        m_neverBack = 0, m_clientDied = 0, m_unsaidLosses = 0, m_settingsLost = 0, m_unwritable = 0;
};

int Soak::report(const QString& command) {
    m_samples.push_back(sample(m_totalRings));
    const auto count = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count('\n')) : 0;
    };
    const QString log = m_home + QStringLiteral("/state/pellorin/calls.log");
    const int lines = count(log) + count(log + QStringLiteral(".1"));
    const int deepest = LinkEvents::deepestWait();
    const int boxesOpen = m_boxes.mostOpen;
    bool ok = true;
    const auto row = [&](const char* what, double value, const char* bound, bool holds) {
        ok = ok && holds;
        std::printf("  %-58s %10.1f   %-14s %s\n", what, value, bound, holds ? "" : "BROKEN");
    };
    std::printf("\n%s\n%d rings (%d listed or video-listed, %d unlisted)\n", qPrintable(command),
                m_totalRings, m_listed, m_unlisted);
    row("listed rings not answered (client up and awake)", m_listedMissed, "0", m_listedMissed == 0);
    row("unlisted rings answered", m_unlistedAnswered, "0", m_unlistedAnswered == 0);
    row("video started for a calls-list caller", m_videoForCalls, "0", m_videoForCalls == 0);
    row("list files unlike their last save", m_listDifferences, "0", m_listDifferences == 0);
    row("settings file without a change just made", m_settingsLost, "0", m_settingsLost == 0);
    row("lines in calls.log", lines, "= acted on", lines == g_log.records - m_unwritable);
    std::printf("      calls acted on %d, of them %d while the folder was away (%d said in the log)\n",
                g_log.records, m_unwritable, g_log.writeFailures);
    row("lines lost unsaid in the log", m_unsaidLosses, "0", m_unsaidLosses == 0);
    row("client back and awake, not attached within 20 s", m_neverBack, "0", m_neverBack == 0);
    std::printf("      the client died by itself %d times (started again, not counted above)\n",
                m_clientDied);
    const Sample& first = m_samples.front();
    const Sample& last = m_samples.back();
    std::printf("  resident kB / fds / threads: %ld / %ld / %ld at the start, %ld / %ld / %ld at the end\n",
                first.rssKb, first.fds, first.threads, last.rssKb, last.fds, last.threads);
    // A slope needs a few samples (one every 1,000 rings) to say anything.
    const bool sloped = m_samples.size() >= 4;
    row("  resident memory slope (kB per 1,000 rings)", slope(m_samples, &Sample::rssKb), "flat", true);
    row("  open fd slope (per 1,000 rings)", slope(m_samples, &Sample::fds), "flat (<1)",
        !sloped || slope(m_samples, &Sample::fds) < 1);
    row("  thread slope (per 1,000 rings)", slope(m_samples, &Sample::threads), "flat (<1)",
        !sloped || slope(m_samples, &Sample::threads) < 1);
    row("deepest nesting of waits for the client", deepest, "<= 1", deepest <= 1);
    row("boxes put up inside a wait", m_boxes.insideWait, "0", m_boxes.insideWait == 0);
    row("longest the main loop did not answer (ms)", static_cast<double>(m_longestGapMs), "< 1000",
        m_longestGapMs < 1000);
    row("most boxes open at once", boxesOpen, "<= 1", boxesOpen <= 1);
    std::fflush(stdout);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&](const char* name, const QString& fallback) {
        const qsizetype i = args.indexOf(QLatin1String(name));
        return i >= 0 ? args.value(i + 1) : fallback;
    };
    bool ok = true, seedOk = true, stopOk = true;
    const int rings = option("--rings", QStringLiteral("20000")).toInt(&ok);
    const quint32 seed = option("--seed", QStringLiteral("1")).toUInt(&seedOk);
    const int longestStop = option("--longest-stop", QStringLiteral("30")).toInt(&stopOk);
    const QStringList clients =
        option("--clients", QStringLiteral("standin,baresip,jami")).split(QLatin1Char(','));
    if (!ok || !seedOk || !stopOk || rings < 10 || longestStop < 1)
        giveUp(QStringLiteral("usage: unattended_soak [--rings N (10 up)] [--seed S] "
                              "[--longest-stop SECONDS] [--clients standin,baresip,jami]"));
    g_log.verbose = qEnvironmentVariableIsSet("PELLORIN_SOAK_VERBOSE");
    qInstallMessageHandler(watchLog);

    QTemporaryDir dir;
    Soak soak(seed, longestStop);
    // The SIP clients ring slower: a fortieth of the rings each.
    const bool sip = clients.contains(QLatin1String("baresip")) ||
                     clients.contains(QLatin1String("jami"));
    const int sipRings = sip ? std::max(5, rings / 40) : 0;
    if (clients.contains(QLatin1String("standin"))) {
        StandInClient standIn;
        soak.run(standIn, rings - sipRings * ((clients.contains(QLatin1String("baresip")) ? 1 : 0) +
                                              (clients.contains(QLatin1String("jami")) ? 1 : 0)));
    }
    if (clients.contains(QLatin1String("baresip"))) {
        if (BaresipProcess::program().isEmpty()) {
            std::printf("baresip: not installed, left out\n");
        } else {
            BaresipClient baresip(dir.path());
            if (!baresip.prepare())
                giveUp(QStringLiteral("the baresip callers did not start"));
            soak.run(baresip, sipRings);
        }
    }
    if (clients.contains(QLatin1String("jami"))) {
        if (JamiProcess::program().isEmpty()) {
            std::printf("jamid: not installed, left out\n");
        } else {
            JamiClient jami(dir.path());
            if (!jami.prepare())
                giveUp(QStringLiteral("the jamid callers did not start"));
            soak.run(jami, sipRings);
        }
    }
    return soak.report(QStringLiteral("unattended_soak --rings %1 --seed %2 --longest-stop %3")
                           .arg(rings)
                           .arg(seed)
                           .arg(longestStop));
}
