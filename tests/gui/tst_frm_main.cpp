#include "answering/answered_calls_model.h"
#include "app/frm_answered_calls.h"
#include "app/frm_main.h"
#include "app/startup.h"
#include "app/translations.h"
#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/log_capture.h"
#include "fakes/memory_transport.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"
#include "platform/error_report.h"
#include "platform/list_box.h"
#include "platform/run_time_error.h"
#include "platform/window_instance.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A child window that counts its loads and can be told to fail loading.
class ProbeForm : public MdiChildForm {
public:
    explicit ProbeForm(int* loads, bool failLoad = false) : m_loads(loads), m_fail(failLoad) {
        setWindowTitle(QStringLiteral("Probe"));
        setClientSizeTwips(3000, 1500);
    }
    void Form_Load() override {
        Move(0, 0);
        ++*m_loads;
        if (duringLoad)
            duringLoad();
        if (m_fail)
            throw RunTimeError(53, QStringLiteral("File not found"));
    }

    // Runs in the middle of the load step (as a wait for the client would).
    std::function<void()> duringLoad;

private:
    int* m_loads;
    bool m_fail;
};

struct Harness {
    FakeClient client;
    FakeAutomationFactory factory{client};
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    RecordingPause pause;
    frmMain window{AppServices{boxes, shell, pause, factory, tray, QDir::tempPath()}};

    QAction* action(const char* name) {
        auto* a = window.findChild<QAction*>(QLatin1String(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }
};

// One row of the menu tree: name, caption, level, kind.
QStringList menuRows(const QList<QAction*>& actions, int level) {
    QStringList rows;
    for (QAction* a : actions) {
        const QString kind = a->isSeparator() ? "separator"
                             : a->menu()      ? (level == 0 ? "menu" : "submenu")
                                              : "command";
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(a->objectName(), a->isSeparator() ? "-" : a->text())
                    .arg(level)
                    .arg(kind);
        if (a->menu())
            rows << menuRows(a->menu()->actions(), level + 1);
    }
    return rows;
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void promptComesBeforeTheWindow();
    void menuTreeIsExact();
    void menuItemsAreEnabledWithoutChecksOrShortcuts();
    void attachCommandFromTheMenu();
    void failingAttachCommandIsReportedAndTheProgramGoesOn();
    void homePageOpensMaximisedWithoutLookingAtTheResult();
    void windowInstanceLoadsOnceAndReloadsAfterClose();
    void windowWhoseLoadFailsIsNotLoaded();
    void windowIsNeitherHandedOutNorClosedWhileItLoads();
    void exitUnloadsEveryWindowAndEndsTheProgram();
    void afterExitNothingOfTheProgramRuns();
    void closingTheMainWindowUnloadsTheChildrenFirst();
    void windowsSpeakTheDesktopsLanguage_data();
    void windowsSpeakTheDesktopsLanguage();
};

void TestFrmMain::promptComesBeforeTheWindow() {
    FakeClient client;
    FakeAutomationFactory factory{client};
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    RecordingPause pause;
    bool windowVisibleDuringPrompt = true;
    bool clientTouchedDuringPrompt = true;
    boxes.onShow = [&](const RecordingMessageBox::Shown&) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        windowVisibleDuringPrompt = std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
            return w->objectName() == "frmMain" && w->isVisible();
        });
        clientTouchedDuringPrompt = !client.log.empty();
    };

    const std::unique_ptr<frmMain> window =
        startProgram(AppServices{boxes, shell, pause, factory, tray, QDir::tempPath()});

    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(boxes.waitedFor, std::vector<size_t>{0}); // the program waited for it
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("Please attach Pellorin to your Skype client first before using any "
                            "features,\r\nby clicking on File > Attach to Skype"));
    QCOMPARE(boxes.shown[0].style, 64);
    QCOMPARE(boxes.shown[0].title, QStringLiteral("Pellorin"));
    QVERIFY(!windowVisibleDuringPrompt);
    QVERIFY(!clientTouchedDuringPrompt);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Pellorin v0.2b"));
    // Nothing attaches by itself.
    QCOMPARE(window->oSkype(), nullptr);
    QVERIFY(client.log.empty());
    // Only Exit or closing the main window ends the program.
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
}

void TestFrmMain::menuTreeIsExact() {
    Harness h;
    const QStringList expected = {
        "mnuFile|&File|0|menu",
        "mnuAttach|&Attach to Skype|1|command",
        "mnuSep1|-|1|separator",
        "mnuExit|E&xit|1|command",
        "mnuOptions|Options|0|menu",
        "mnuLists|Lists|1|submenu",
        "mnuCallOnlyAutoAnswerList|Calls List|2|command",
        "mnuVideoCallsList|Video Calls List|2|command",
        "mnuSep5|-|1|separator",
        "mnuLogo|Logo|1|submenu",
        "mnuShowLogo|Show Logo|2|command",
        "mnuHideLogo|Hide Logo|2|command",
        "mnuViewMenu|View|0|menu",
        "mnuSkypeContacts|Skype Contacts|1|command",
        "mnuAnsweredCalls|Answered Calls|1|command",
        "mnuSep2|-|1|separator",
        "mnuMinimizeToTray|Minimize to Tray|1|command",
        "mnuHelp|Help|0|menu",
        "mnuHomePage|Pellorin Home Page|1|command",
        "mnuSep3|-|1|separator",
        "mnuAbout|About|1|command",
    };
    QCOMPARE(menuRows(h.window.menuBar()->actions(), 0), expected);
}

void TestFrmMain::menuItemsAreEnabledWithoutChecksOrShortcuts() {
    Harness h;
    const auto actions = h.window.findChildren<QAction*>();
    for (QAction* a : actions) {
        if (a->objectName().isEmpty() || !a->objectName().startsWith("mnu"))
            continue;
        QVERIFY2(a->isEnabled() && a->isVisible(), qPrintable(a->objectName()));
        QVERIFY2(!a->isCheckable(), qPrintable(a->objectName()));
        QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
    }
}

void TestFrmMain::attachCommandFromTheMenu() {
    Harness h;
    h.client.running = false;
    h.action("mnuAttach")->trigger();
    QCOMPARE(h.boxes.texts(), QStringList{"Please start your Skype client first."});

    h.client.running = true;
    h.client.attachOutcomes = {{1}, {0}};
    h.action("mnuAttach")->trigger();
    QCOMPARE(h.client.count("attach 5 1"), 2);
    QCOMPARE(h.boxes.shown.back().text,
             QStringLiteral("Pellorin has successfully attached itself to your Skype client."));
}

void TestFrmMain::failingAttachCommandIsReportedAndTheProgramGoesOn() {
    Harness h;
    h.window.show();
    h.client.failOn("attach", RunTimeError(-2147220992, "Connection refused"), 1);
    h.action("mnuAttach")->trigger();
    QCOMPARE(h.boxes.shown.size(), size_t(1));
    QCOMPARE(h.boxes.shown[0].text,
             QStringLiteral("Run-time error '-2147220992':\r\n\r\nConnection refused"));
    QCOMPARE(h.boxes.shown[0].style, 48);
    QCOMPARE(h.boxes.shown[0].title, QStringLiteral("Pellorin"));
    QVERIFY(h.window.isVisible());
    QVERIFY(h.window.oSkype() != nullptr); // the new object stays

    h.client.attachOutcomes = {{0}};
    h.action("mnuAttach")->trigger();
    QCOMPARE(h.boxes.shown.size(), size_t(2));
}

void TestFrmMain::homePageOpensMaximisedWithoutLookingAtTheResult() {
    Harness h;
    h.action("mnuHomePage")->trigger();
    QCOMPARE(h.shell.opened.size(), size_t(1));
    QCOMPARE(h.shell.opened[0].address, QStringLiteral("https://pellorin.example/"));
    QVERIFY(h.shell.opened[0].maximised);
    QVERIFY(h.boxes.shown.empty());
}

void TestFrmMain::windowInstanceLoadsOnceAndReloadsAfterClose() {
    Harness h;
    h.window.show();
    int loads = 0;
    WindowInstance<ProbeForm> probe(h.window.mdiArea(),
                                    [&] { return std::make_unique<ProbeForm>(&loads); });
    QVERIFY(!probe.isLoaded());
    QCOMPARE(probe.loaded(), nullptr);
    ProbeForm& first = probe.reach();
    probe.show();
    QCOMPARE(&probe.reach(), &first);
    QCOMPARE(loads, 1);
    QCOMPARE(h.window.mdiArea()->subWindowList().size(), 1);

    QMdiSubWindow* sub = probe.subWindow();
    QCOMPARE(sub->pos(), QPoint(0, 0));
    QVERIFY(sub->isVisible());
    QVERIFY(!(sub->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(sub->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(sub->minimumSize(), sub->maximumSize());

    probe.unload();
    QVERIFY(!probe.isLoaded());
    QTRY_COMPARE(h.window.mdiArea()->subWindowList().size(), 0);
    probe.reach();
    QCOMPARE(loads, 2);
}

void TestFrmMain::windowWhoseLoadFailsIsNotLoaded() {
    Harness h;
    int loads = 0;
    WindowInstance<ProbeForm> probe(h.window.mdiArea(),
                                    [&] { return std::make_unique<ProbeForm>(&loads, true); });
    bool threw = false;
    try {
        probe.reach();
    } catch (const RunTimeError& e) {
        threw = e.number() == 53;
    }
    QVERIFY(threw);
    QVERIFY(!probe.isLoaded());
    QCOMPARE(h.window.mdiArea()->subWindowList().size(), 0);
}

void TestFrmMain::windowIsNeitherHandedOutNorClosedWhileItLoads() {
    Harness h;
    h.window.show();
    int loads = 0;
    WindowInstance<ProbeForm> probe(h.window.mdiArea(), [&] {
        auto form = std::make_unique<ProbeForm>(&loads);
        form->duringLoad = [&] {
            QVERIFY_THROWS_EXCEPTION(RunTimeError, probe.reach());
            QCOMPARE(probe.loaded(), nullptr);
            probe.unload(); // refused: the load step is still running
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        return form;
    });
    ProbeForm& form = probe.reach();
    QCOMPARE(loads, 1);
    QCOMPARE(&probe.reach(), &form);
    QVERIFY(probe.subWindow()->isVisible());
}

void TestFrmMain::exitUnloadsEveryWindowAndEndsTheProgram() {
    Harness h;
    h.window.show();
    int loads = 0;
    WindowInstance<ProbeForm> a(h.window.mdiArea(),
                                [&] { return std::make_unique<ProbeForm>(&loads); });
    WindowInstance<ProbeForm> b(h.window.mdiArea(),
                                [&] { return std::make_unique<ProbeForm>(&loads); });
    a.reach();
    b.reach();
    QSignalSpy ended(&h.window, &frmMain::programEnded);
    h.action("mnuExit")->trigger();
    QVERIFY(!a.isLoaded());
    QVERIFY(!b.isLoaded());
    QVERIFY(!h.window.isVisible());
    QCOMPARE(ended.size(), 1);
}

// A ring that is already on its way when Exit is chosen finds nobody: no request
// to the client, no box, no window.
void TestFrmMain::afterExitNothingOfTheProgramRuns() {
    QTemporaryDir dir;
    QVERIFY(FileBytes::put(dir.filePath(ListFile::CallsFileName), "bob\r\n"));
    MemoryAutomationFactory factory;
    factory.transport().respond = willingClient([](const QString& body) -> std::optional<QString> {
        if (body.endsWith(" PARTNER_HANDLE"))
            return body.mid(4) + " bob"; // GET CALL n PARTNER_HANDLE -> CALL n PARTNER_HANDLE bob
        if (body == "SEARCH FRIENDS")
            return QStringLiteral("USERS bob");
        return std::nullopt;
    });
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    RecordingPause pause;
    frmMain window(AppServices{boxes, shell, pause, factory, tray, dir.path()});
    window.show();
    window.mnuAttach_Click();
    QTRY_COMPARE(boxes.shown.size(), size_t(1)); // attached

    // The first ring loads both list windows and is answered.
    factory.transport().notify("CALL 1 STATUS RINGING");
    QTRY_VERIFY(factory.transport().sentBodies().contains("ALTER CALL 1 ANSWER"));
    QVERIFY(window.autoCallList().isLoaded() && window.autoVideoCallList().isLoaded());

    factory.transport().notify("CALL 2 STATUS RINGING"); // on its way
    factory.transport().notify("CALL 3 STATUS RINGING");
    const qsizetype sent = factory.transport().sent.size();
    QSignalSpy ended(&window, &frmMain::programEnded);
    window.mnuExit_Click();
    QTest::qWait(100);

    QCOMPARE(ended.size(), 1);
    QCOMPARE(factory.transport().sent.size(), sent);
    QCOMPARE(boxes.shown.size(), size_t(1));
    QVERIFY(!window.autoCallList().isLoaded());
    QVERIFY(!window.autoVideoCallList().isLoaded());
    QVERIFY(!window.isVisible());
}

void TestFrmMain::closingTheMainWindowUnloadsTheChildrenFirst() {
    Harness h;
    h.window.show();
    int loads = 0;
    WindowInstance<ProbeForm> a(h.window.mdiArea(),
                                [&] { return std::make_unique<ProbeForm>(&loads); });
    a.reach();
    QVERIFY(h.window.close());
    QVERIFY(!a.isLoaded());
}

void TestFrmMain::windowsSpeakTheDesktopsLanguage_data() {
    QTest::addColumn<QString>("languages"); // as the desktop prefers them
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QString>("notice");            // the box at start, which names the client
    QTest::addColumn<QString>("yes");               // Qt's own text, from Qt's translations
    QTest::addColumn<QStringList>("answeredCalls"); // its title and its columns
    const QStringList menus{"&File", "Options", "View", "Help"};
    const QString notice = "Please attach Pellorin to your Skype client first before using any "
                           "features,\r\nby clicking on File > Attach to Skype";
    const QStringList calls{"Answered Calls", "Time", "Caller", "Lists", "What was done"};
    QTest::newRow("C") << "C" << menus << notice << "&Yes" << calls;
    // English first: German, second, is not taken.
    QTest::newRow("en") << "en-GB:de" << menus << notice << "&Yes" << calls;
    QTest::newRow("de") << "de-AT:de" << QStringList{"&Datei", "Optionen", "Ansicht", "Hilfe"}
                        << "Bitte verbinden Sie Pellorin zuerst mit Ihrem Skype-Client, bevor Sie "
                           "eine Funktion nutzen,\r\nüber Datei > Mit Skype verbinden"
                        << "&Ja"
                        << QStringList{"Angenommene Anrufe", "Zeit", "Anrufer", "Listen",
                                       "Was geschah"};
    QTest::newRow("fr") << "eo:fr-FR" << QStringList{"&Fichier", "Options", "Affichage", "Aide"}
                        << "Veuillez d'abord connecter Pellorin à votre client Skype avant "
                           "d'utiliser ses fonctions,\r\nen cliquant sur Fichier > Se connecter à "
                           "Skype"
                        << "&Oui"
                        << QStringList{"Appels répondus", "Heure", "Appelant", "Listes", "Action"};
    QTest::newRow("es") << "es_ES" << QStringList{"&Archivo", "Opciones", "Ver", "Ayuda"}
                        << "Conecte primero Pellorin con su cliente de Skype antes de usar "
                           "cualquier función,\r\nhaciendo clic en Archivo > Conectar con Skype"
                        << "&Sí"
                        << QStringList{"Llamadas respondidas", "Hora", "Llamante", "Listas",
                                       "Qué se hizo"};
    QTest::newRow("it") << "it_IT" << QStringList{"&File", "Opzioni", "Visualizza", "Aiuto"}
                        << "Collegare Pellorin al client Skype prima di usarne le "
                           "funzioni,\r\nfacendo clic su File > Collega a Skype"
                        << "&Sì"
                        << QStringList{"Chiamate risposte", "Ora", "Chiamante", "Elenchi",
                                       "Cosa è stato fatto"};
    QTest::newRow("pt_BR") << "pt_BR" << QStringList{"&Arquivo", "Opções", "Exibir", "Ajuda"}
                           << "Conecte o Pellorin ao seu cliente Skype antes de usar qualquer "
                              "recurso,\r\nclicando em Arquivo > Conectar ao Skype"
                           << "&Sim"
                           << QStringList{"Chamadas atendidas", "Hora", "Quem ligou", "Listas",
                                          "O que foi feito"};
}

void TestFrmMain::windowsSpeakTheDesktopsLanguage() {
    QFETCH(QString, languages);
    QFETCH(QStringList, menus);
    QFETCH(QString, notice);
    QFETCH(QString, yes);
    QFETCH(QStringList, answeredCalls);
    // Every language the program carries has its row.
    QCOMPARE(Translations::languages(), (QStringList{"de", "es", "fr", "it", "pt_BR"}));
    Translations translations;
    translations.install(languages.split(':'));

    Harness h;
    h.window.MDIForm_Load();
    QStringList shownMenus;
    for (QAction* menu : h.window.menuBar()->actions())
        shownMenus << menu->text();
    QCOMPARE(shownMenus, menus);
    QCOMPARE(h.boxes.texts(), QStringList{notice});
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
    h.window.mnuAnsweredCalls_Click();
    frmAnsweredCalls& calls = h.window.answeredCalls().reach();
    QStringList shownCalls{calls.windowTitle()};
    for (int column = 0; column < calls.model().columnCount(); ++column)
        shownCalls << calls.model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    QCOMPARE(shownCalls, answeredCalls);

    // A failure's box speaks the language; its log line stays English.
    const QString english = QStringLiteral("Invalid property value (list index 5)");
    h.boxes.shown.clear();
    LogCapture log;
    ErrorReport errors(h.boxes);
    ListBox list;
    runHandler(errors, [&] { list.setListIndex(5); });
    QCOMPARE(h.boxes.texts().size(), 1);
    QCOMPARE(h.boxes.texts()[0].endsWith(english),
             languages.startsWith("C") || languages.startsWith("en"));
    QVERIFY2(log.lines.join('\n').contains(english), qPrintable(log.lines.join('\n')));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
