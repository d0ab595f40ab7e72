#include "app/frm_main.h"
#include "fakes/fake_client.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"

#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QtTest>

// The contact browser through the main window's menu, over a fake client.
class ContactBrowserWindowTest : public QObject {
    Q_OBJECT

    FakeClient m_client;
    FakeAutomationFactory m_factory{m_client};
    RecordingMessageBox m_boxes;
    RecordingShellOpen m_shell;
    RecordingPause m_pause;
    RecordingNotificationIcon m_tray;

    static void closed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // A double-click on the item at `row` of lstContacts, as the user gives it.
    static void doubleClick(frmContact& window, int row) {
        auto* view = window.findChild<QListView*>("lstContacts");
        const QRect item = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

private slots:
    void showsOneWindowThatReadsTheListAgainAfterItWasClosed() {
        m_client.contacts = {{"alice", {{"FullName", "Alice Marsh"}, {"City", "Tartu"}}},
                             {"bob", {{"FullName", "Bob Fenwick"}, {"About", "Builds."}}}};
        frmMain main(AppServices{m_boxes, m_shell, m_pause, m_factory, m_tray, QDir::tempPath()});
        main.show();
        main.mnuSkypeContacts_Click();
        main.mnuSkypeContacts_Click();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        frmContact& window = main.contactWindow().reach();
        QCOMPARE(main.contactWindow().subWindow()->pos(), QPoint(0, 0));
        QCOMPARE(window.lstContacts().items(), QStringList({"alice", "bob"}));

        doubleClick(window, 1);
        QCOMPARE(window.detailText(ContactDetail::FullName), QStringLiteral("Bob Fenwick"));
        QCOMPARE(window.detailText(ContactDetail::About), QStringLiteral("Builds."));
        QCOMPARE(window.detailText(ContactDetail::City), QString());
        // Read-only, but the text can be selected (and so copied).
        auto* fullName = window.findChild<QLineEdit*>("txtIDFullName");
        QVERIFY(fullName->isReadOnly());
        fullName->selectAll();
        QCOMPARE(fullName->selectedText(), QStringLiteral("Bob Fenwick"));
        QVERIFY(window.findChild<QPlainTextEdit*>("txtIDAbout")->isReadOnly());

        // Closed and shown again: a fresh load, boxes empty, the new contact listed.
        main.contactWindow().unload();
        closed();
        QVERIFY(!main.contactWindow().isLoaded());
        m_client.addContacts({"carol"});
        main.mnuSkypeContacts_Click();
        frmContact& again = main.contactWindow().reach();
        QCOMPARE(again.lstContacts().items(), QStringList({"alice", "bob", "carol"}));
        QCOMPARE(again.detailText(ContactDetail::FullName), QString());
        QVERIFY(m_boxes.shown.empty());
        // The window's own objects never attach; the main window has none yet.
        QCOMPARE(m_client.count("attach 5 1"), 0);
        QCOMPARE(main.oSkype(), nullptr);

        main.mnuExit_Click();
        QVERIFY(!main.contactWindow().isLoaded());
    }
};

QTEST_MAIN(ContactBrowserWindowTest)
#include "tst_contact_browser.moc"
