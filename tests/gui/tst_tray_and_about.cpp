#include "app/frm_main.h"
#include "app/startup.h"
#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"
#include "platform/qt_notification_icon.h"
#include "platform/run_time_error.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Action = NotificationIcon::Action;

namespace {

const QString Disclaimer = QStringLiteral(
    "This is a beta release and distributed as as-is. Tolvane is neither responsible nor "
    "liable for any damage done to your computer.");

// The main window over a fake client, attached, with "bob" on the calls list.
struct Harness {
    QTemporaryDir dir;
    FakeClient client;
    FakeAutomationFactory factory{client};
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingPause pause;
    RecordingNotificationIcon tray;
    frmMain window{AppServices{boxes, shell, pause, factory, tray, dir.path()}};

    Harness() {
        FileBytes::put(dir.filePath(ListFile::CallsFileName), "bob\r\n");
        FileBytes::put(dir.filePath(ListFile::VideoCallsFileName), "");
        client.addContacts({"bob", "carol"});
        window.show();
        client.attachOutcomes = {{0}};
        window.mnuAttach_Click();
        boxes.shown.clear();
    }
    int answersTo(const QString& caller) {
        auto call = client.makeCall(caller);
        client.raiseCallStatus(call, CallStatusCode::Ringing);
        return client.count(QStringLiteral("answer %1").arg(call->id()));
    }
};

// Real boxes, except the notice at start, which counts as answered at once.
class RealBoxesAfterStart : public MessageBoxService {
public:
    QtMessageBoxService real;
    RecordingMessageBox start;
    std::shared_ptr<ShownBox> show(const QString& text, int style, const QString& title) override {
        return real.show(text, style, title);
    }
    void showAndWait(const QString& text, int style, const QString& title) override {
        start.showAndWait(text, style, title);
    }
};

QMessageBox* openBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

} // namespace

class TestTrayAndAbout : public QObject {
    Q_OBJECT
private slots:
    void iconActions_data();
    void iconActions();
    void leavingWhileHiddenRemovesTheIcon_data();
    void leavingWhileHiddenRemovesTheIcon();
    void withoutNotificationAreaTheWindowStays();
    void listedCallerIsAnsweredWhileHidden();
    void closingABoxWhileHiddenDoesNotEndTheProgram_data();
    void closingABoxWhileHiddenDoesNotEndTheProgram();
    void qtReasonsReachTheWindow_data();
    void qtReasonsReachTheWindow();

    void aboutLoadsOnceAndAgainAfterClose();
    void aboutLabels_data();
    void aboutLabels();
};

void TestTrayAndAbout::iconActions_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("restores");
    QTest::newRow("left button (Trigger)") << Action::Trigger << true;
    QTest::newRow("right button (Context)") << Action::Context << true;
    QTest::newRow("double click") << Action::DoubleClick << false;
    QTest::newRow("middle click") << Action::MiddleClick << false;
    QTest::newRow("unknown") << Action::Unknown << false;
}

void TestTrayAndAbout::iconActions() {
    QFETCH(Action, action);
    QFETCH(bool, restores);
    Harness h;
    h.window.mnuMinimizeToTray_Click();
    QVERIFY(!h.window.isVisible());
    QCOMPARE(h.tray.added.size(), size_t(1));
    QCOMPARE(h.tray.added[0].tip, QStringLiteral("Pellorin - The Auto Answer Tool\nAttached to Skype"));
    const QImage programIcon =
        QImage(QStringLiteral(":/pellorin/icon.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(h.tray.added[0].icon.pixmap(64).toImage().convertToFormat(QImage::Format_ARGB32),
             programIcon);
    QCOMPARE(h.tray.removals, 0);

    h.tray.act(action);
    QCOMPARE(h.window.isVisible(), restores);
    QCOMPARE(h.tray.shown, !restores);
    QCOMPARE(h.tray.removals, restores ? 1 : 0);
    QCOMPARE(h.tray.added.size(), size_t(1));
    QVERIFY(h.boxes.shown.empty());
    if (restores) {
        // The menu works again, and minimising again adds the icon again.
        h.window.mnuMinimizeToTray_Click();
        QVERIFY(!h.window.isVisible());
        QCOMPARE(h.tray.added.size(), size_t(2));
    }
}

void TestTrayAndAbout::leavingWhileHiddenRemovesTheIcon_data() {
    QTest::addColumn<bool>("byExit");
    QTest::newRow("Exit") << true;
    QTest::newRow("closing the window") << false;
}

void TestTrayAndAbout::leavingWhileHiddenRemovesTheIcon() {
    QFETCH(bool, byExit);
    Harness h;
    QVERIFY(h.answersTo("bob") == 1); // the list windows are loaded
    h.window.mnuAbout_Click();
    h.window.mnuMinimizeToTray_Click();
    QSignalSpy ended(&h.window, &frmMain::programEnded);
    if (byExit)
        h.window.mnuExit_Click();
    else
        h.window.close();
    QCOMPARE(ended.size(), 1);
    QVERIFY(!h.tray.shown);
    QVERIFY(!h.window.about().isLoaded());
    QVERIFY(!h.window.autoCallList().isLoaded());
    QVERIFY(!h.window.isVisible());
}

void TestTrayAndAbout::withoutNotificationAreaTheWindowStays() {
    Harness h;
    h.tray.available = false;
    h.window.mnuMinimizeToTray_Click();
    QVERIFY(h.window.isVisible());
    QVERIFY(h.tray.added.empty());
    QCOMPARE(h.boxes.shown.size(), size_t(1));
    QCOMPARE(h.boxes.shown[0].style, 48);
    QCOMPARE(h.boxes.shown[0].title, QStringLiteral("Pellorin"));
    QVERIFY2(h.boxes.shown[0].text.contains(QStringLiteral("no notification area")),
             qPrintable(h.boxes.shown[0].text));
}

void TestTrayAndAbout::listedCallerIsAnsweredWhileHidden() {
    Harness h;
    h.window.mnuMinimizeToTray_Click();
    QCOMPARE(h.answersTo("bob"), 1);
    QCOMPARE(h.answersTo("carol"), 0);
    QVERIFY(h.window.autoCallList().isLoaded());
    QVERIFY(!h.window.isVisible());
    QVERIFY(h.tray.shown);
    QVERIFY(h.boxes.shown.empty());
}

// Minimised to the tray, a failing call raises the run-time error box; closing
// that box (the only visible window) must not end the program, which goes on
// answering. Run inside the application's own event loop, as the program is.
// Qt ends a program when its last window without an owner closes, so the row
// with an ownerless box is the one that would catch it.
void TestTrayAndAbout::closingABoxWhileHiddenDoesNotEndTheProgram_data() {
    QTest::addColumn<bool>("ownedByMainWindow");
    QTest::newRow("box over the main window") << true;
    QTest::newRow("box without an owner") << false;
}

void TestTrayAndAbout::closingABoxWhileHiddenDoesNotEndTheProgram() {
    QFETCH(bool, ownedByMainWindow);
    QTemporaryDir dir;
    QVERIFY(FileBytes::put(dir.filePath(ListFile::CallsFileName), "bob\r\n"));
    FakeClient client;
    FakeAutomationFactory factory{client};
    RealBoxesAfterStart boxes;
    RecordingShellOpen shell;
    RecordingPause pause;
    RecordingNotificationIcon tray;
    const std::unique_ptr<frmMain> window =
        startProgram(AppServices{boxes, shell, pause, factory, tray, dir.path()});
    if (ownedByMainWindow)
        boxes.real.setParent(window.get());
    client.attachOutcomes = {{0}};
    window->mnuAttach_Click();
    QTRY_VERIFY(openBox());
    openBox()->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(!openBox());

    bool boxShown = false;
    int answered = -1;
    client.failOn("partnerHandle", RunTimeError(-2147220992, "Connection refused"), 1);
    QTimer::singleShot(0, [&] {
        window->mnuMinimizeToTray_Click();
        client.raiseCallStatus(client.makeCall("bob"), CallStatusCode::Ringing);
        QTimer::singleShot(50, [&] {
            QMessageBox* box = openBox();
            boxShown = box && box->text().startsWith("Run-time error '-2147220992':");
            if (box)
                box->button(QMessageBox::Ok)->click();
            QTimer::singleShot(200, [&] {
                auto call = client.makeCall("bob");
                client.raiseCallStatus(call, CallStatusCode::Ringing);
                answered = client.count(QStringLiteral("answer %1").arg(call->id()));
                QCoreApplication::exit(7);
            });
        });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 7);
    QVERIFY(boxShown);
    QCOMPARE(answered, 1);
    QVERIFY(!window->isVisible());
    QVERIFY(tray.shown);
}

// The Qt notification icon hands each of QSystemTrayIcon's reasons on, once the
// event that brought it has been handled.
void TestTrayAndAbout::qtReasonsReachTheWindow_data() {
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<Action>("action");
    QTest::newRow("Trigger") << QSystemTrayIcon::Trigger << Action::Trigger;
    QTest::newRow("Context") << QSystemTrayIcon::Context << Action::Context;
    QTest::newRow("DoubleClick") << QSystemTrayIcon::DoubleClick << Action::DoubleClick;
    QTest::newRow("MiddleClick") << QSystemTrayIcon::MiddleClick << Action::MiddleClick;
    QTest::newRow("Unknown") << QSystemTrayIcon::Unknown << Action::Unknown;
}

void TestTrayAndAbout::qtReasonsReachTheWindow() {
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(Action, action);
    QtNotificationIcon icon;
    QSignalSpy activated(&icon, &NotificationIcon::activated);
    auto* qtIcon = icon.findChild<QSystemTrayIcon*>();
    QVERIFY(qtIcon);
    emit qtIcon->activated(reason);
    // Not from inside Qt's own mouse handling: on X11 removing the icon there
    // deletes the window that is handling the press, and the program crashes.
    QCOMPARE(activated.size(), 0);
    QTRY_COMPARE(activated.size(), 1);
    QCOMPARE(activated[0][0].value<Action>(), action);
}

void TestTrayAndAbout::aboutLoadsOnceAndAgainAfterClose() {
    Harness h;
    auto label3 = [&] {
        return h.window.about().loaded()->findChild<QLabel*>(QStringLiteral("Label3"))->text();
    };
    h.window.mnuAbout_Click();
    frmAbout* first = h.window.about().loaded();
    QVERIFY(first);
    // Moved out of place and shown again: still one window, not loaded again.
    h.window.about().subWindow()->move(40, 40);
    h.window.mnuAbout_Click();
    QCOMPARE(h.window.about().loaded(), first);
    QCOMPARE(h.window.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(h.window.about().subWindow()->pos(), QPoint(40, 40));
    QCOMPARE(label3(), Disclaimer);

    // Closed and chosen again: loaded anew, at the top-left corner.
    h.window.about().subWindow()->close();
    QVERIFY(!h.window.about().isLoaded());
    QTRY_COMPARE(h.window.mdiArea()->subWindowList().size(), 0);
    h.window.mnuAbout_Click();
    QVERIFY(h.window.about().isLoaded());
    QCOMPARE(h.window.about().subWindow()->pos(), QPoint(0, 0));
    QCOMPARE(label3(), Disclaimer);
    QVERIFY(h.boxes.shown.empty());

    h.window.mnuExit_Click();
    QVERIFY(!h.window.about().isLoaded());
}

void TestTrayAndAbout::aboutLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("points");
    QTest::newRow("Label1") << "Label1"
                            << "Pellorin v0.2b" << 9.75;
    QTest::newRow("Label2") << "Label2"
                            << "by Tolvane" << 9.0;
    QTest::newRow("Label3") << "Label3" << Disclaimer << 9.0;
}

void TestTrayAndAbout::aboutLabels() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(qreal, points);
    Harness h;
    h.window.mnuAbout_Click();
    auto* label = h.window.about().loaded()->findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pointSizeF(), points);
    // Verdana, or the face that stands in for it; never whatever the system picks.
    const QFontInfo face(label->font());
    QVERIFY2(face.family() == "Verdana" || face.family() == "DejaVu Sans",
             qPrintable(face.family()));
    QVERIFY(face.bold());
    // The whole text shows: wrapped where it may wrap, on one line where not.
    const int needed =
        label->wordWrap() ? label->heightForWidth(label->width()) : label->fontMetrics().height();
    QVERIFY2(needed <= label->height(),
             qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(label->height())));
    if (!label->wordWrap())
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
}

QTEST_MAIN(TestTrayAndAbout)
#include "tst_tray_and_about.moc"
