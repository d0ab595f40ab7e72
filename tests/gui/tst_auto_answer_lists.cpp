#include "app/frm_main.h"
#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/auto_answer_list_editor.h"
#include "lists/list_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

void putFile(const QString& path, const QByteArray& bytes) {
    QVERIFY2(FileBytes::put(path, bytes), qPrintable(path));
}

} // namespace

// The two list windows inside a main window, over a fake client, with their list
// files in a temporary directory.
class AutoAnswerListsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeClient> m_client;
    std::unique_ptr<FakeAutomationFactory> m_factory;
    std::unique_ptr<RecordingMessageBox> m_boxes;
    RecordingShellOpen m_shell;
    RecordingNotificationIcon m_tray;
    RecordingPause m_pause;
    std::unique_ptr<frmMain> m_main;

    // 0: the calls window, 1: the video calls window.
    AutoAnswerListForm& reach(int window) {
        if (window == 0)
            return m_main->autoCallList().reach();
        return m_main->autoVideoCallList().reach();
    }
    WindowInstanceBase& instance(int window) {
        if (window == 0)
            return m_main->autoCallList();
        return m_main->autoVideoCallList();
    }
    QString listPath(int window) const {
        return m_dir->filePath(window == 0 ? ListFile::CallsFileName
                                           : ListFile::VideoCallsFileName);
    }
    // What returning to the event loop after a close does: the window goes.
    static void closed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void showFromMenu(int window) {
        if (window == 0)
            m_main->mnuCallOnlyAutoAnswerList_Click();
        else
            m_main->mnuVideoCallsList_Click();
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_client = std::make_unique<FakeClient>();
        m_client->addContacts({"alice", "bob", "carol"});
        m_factory = std::make_unique<FakeAutomationFactory>(*m_client);
        m_boxes = std::make_unique<RecordingMessageBox>();
        m_main = std::make_unique<frmMain>(
            AppServices{*m_boxes, m_shell, m_pause, *m_factory, m_tray, m_dir->path()});
        m_main->show();
    }

    void cleanup() {
        m_main.reset();
        m_boxes.reset();
        m_factory.reset();
        m_client.reset();
        m_dir.reset();
    }

    // ---- Add and Remove: each row on both windows -------------------------------------

    void addAndRemove_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("contact");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("add with no contact selected")
            << QByteArray("x\r\n") << -1 << -1 << QStringList{"add"} << QStringList{"x"} << -1
            << QStringList{AutoAnswerListEditor::NoContactSelected};
        QTest::newRow("add twice gives two entries")
            << QByteArray() << 1 << -1 << QStringList{"add", "add"} << QStringList{"bob", "bob"}
            << 1 << QStringList{};
        QTest::newRow("add selects the new last entry")
            << QByteArray("x\r\ny\r\n") << 2 << 0 << QStringList{"add"}
            << QStringList{"x", "y", "carol"} << 2 << QStringList{};
        QTest::newRow("remove with no entry selected")
            << QByteArray("x\r\ny\r\n") << 0 << -1 << QStringList{"remove"} << QStringList{"x", "y"}
            << -1 << QStringList{AutoAnswerListEditor::NoEntrySelected};
        QTest::newRow("remove the only entry")
            << QByteArray("x\r\n") << -1 << 0 << QStringList{"remove"} << QStringList{} << -1
            << QStringList{};
        QTest::newRow("remove in the middle selects the last")
            << QByteArray("x\r\ny\r\nz\r\n") << -1 << 1 << QStringList{"remove"}
            << QStringList{"x", "z"} << 1 << QStringList{};
        QTest::newRow("remove twice from the top")
            << QByteArray("x\r\ny\r\nz\r\n") << -1 << 0 << QStringList{"remove", "remove"}
            << QStringList{"y"} << 0 << QStringList{};
        QTest::newRow("an empty entry cannot be removed")
            << QByteArray("x\r\n\r\ny\r\n") << -1 << 1 << QStringList{"remove"}
            << QStringList{"x", "", "y"} << 1 << QStringList{AutoAnswerListEditor::NoEntrySelected};
    }

    void addAndRemove() {
        QFETCH(QByteArray, file);
        QFETCH(int, contact);
        QFETCH(int, entry);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        QFETCH(QStringList, messages);

        for (int window : {0, 1}) {
            if (!file.isNull())
                putFile(listPath(window), file);
            AutoAnswerListForm& form = reach(window);
            form.contactList().setListIndex(contact);
            form.answerList().setListIndex(entry);
            m_boxes->shown.clear();
            for (const QString& click : clicks)
                click == "add" ? form.CmdAdd_Click() : form.CmdRemove_Click();
            QCOMPARE(form.answerList().items(), entries);
            QCOMPARE(form.answerList().listIndex(), selected);
            QCOMPARE(form.contactList().listIndex(), contact); // left as it was
            QCOMPARE(m_boxes->texts(), messages);
            for (const auto& box : m_boxes->shown) {
                QCOMPARE(box.style, 64);
                QCOMPARE(box.title, QStringLiteral("Pellorin"));
            }
            QCOMPARE(FileBytes::get(listPath(window)), file.isNull() ? "<missing>" : file);
        }
    }

    void addToAFullListIsRefused() {
        AutoAnswerListForm& form = reach(0);
        QStringList full;
        for (int i = 0; i < ListBox::MaxItems; ++i)
            full << QString::number(i);
        form.answerList().setItems(full);
        form.answerList().setListIndex(5);
        form.contactList().setListIndex(0);
        form.CmdAdd_Click();
        QCOMPARE(m_boxes->texts(),
                 QStringList{QString(AutoAnswerListEditor::ListFull).arg(ListBox::MaxItems)});
        QCOMPARE(m_boxes->shown[0].style, 48);
        QCOMPARE(form.answerList().items(), full);
        QCOMPARE(form.answerList().listIndex(), 5);
    }

    // ---- Save ---------------------------------------------------------------------

    void save_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QByteArray>("saved");

        QTest::newRow("empty list, no file") << QByteArray() << QStringList{} << QByteArray("");
        QTest::newRow("emptied list")
            << QByteArray("x\r\n") << QStringList{"remove"} << QByteArray("");
        QTest::newRow("same contact added twice")
            << QByteArray() << QStringList{"add", "add"} << QByteArray("alice\r\nalice\r\n");
        QTest::newRow("blank and unterminated lines kept")
            << QByteArray("x\r\n\r\n y") << QStringList{"add"}
            << QByteArray("x\r\n\r\n y\r\nalice\r\n");
    }

    void save() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, clicks);
        QFETCH(QByteArray, saved);

        for (int window : {0, 1}) {
            if (!file.isNull())
                putFile(listPath(window), file);
            AutoAnswerListForm& form = reach(window);
            form.contactList().setListIndex(0);
            if (form.answerList().listCount() > 0)
                form.answerList().setListIndex(0);
            for (const QString& click : clicks)
                click == "add" ? form.CmdAdd_Click() : form.CmdRemove_Click();
            m_boxes->shown.clear();
            QTest::mouseClick(form.findChild<QPushButton*>("CmdSave"), Qt::LeftButton);
            QCOMPARE(FileBytes::get(listPath(window)), saved);
            QCOMPARE(m_boxes->shown, (std::vector<RecordingMessageBox::Shown>{
                                         {AutoAnswerListEditor::Saved, 64, "Pellorin"}}));
        }
        QCOMPARE(m_dir->path() + "/" + ListFile::CallsFileName, reach(0).listPath());
    }

    void aFailedSaveIsReportedAndKeepsTheEntries() {
        AutoAnswerListForm& form = reach(0);
        form.contactList().setListIndex(1);
        form.CmdAdd_Click();
        QVERIFY(QDir().mkpath(listPath(0))); // a folder where the file goes
        m_boxes->shown.clear();
        QTest::mouseClick(form.findChild<QPushButton*>("CmdSave"), Qt::LeftButton);
        QCOMPARE(m_boxes->shown.size(), size_t(1));
        QVERIFY(m_boxes->shown[0].text.startsWith("Run-time error '"));
        QVERIFY(m_boxes->shown[0].text.contains(listPath(0)));
        QCOMPARE(m_boxes->shown[0].style, 48);
        QCOMPARE(form.answerList().items(), QStringList{"bob"});
    }

    // ---- Buttons ---------------------------------------------------------------------

    void buttonsRunTheHandlers() {
        AutoAnswerListForm& form = reach(1);
        auto* add = form.findChild<QPushButton*>("CmdAdd");
        auto* remove = form.findChild<QPushButton*>("CmdRemove");
        QCOMPARE(add->text(), QStringLiteral("&Add >>"));
        QCOMPARE(remove->text(), QStringLiteral("<< &Remove"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(m_boxes->texts(), QStringList{AutoAnswerListEditor::NoContactSelected});
        auto* contacts = form.findChild<QListView*>("lstContacts");
        contacts->setCurrentIndex(contacts->model()->index(2, 0)); // as a click would
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(form.answerList().items(), QStringList{"carol"});
        auto* answers = form.findChild<QListView*>("LstVideoCallAutoAnswer");
        QCOMPARE(answers->selectionModel()->selectedRows().value(0).row(), 0);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(form.answerList().listCount(), 0);
    }

    // ---- Loading ------------------------------------------------------------------------

    void loadFillsTheContactsAndMakesAnUnattachedObject() {
        for (int window : {0, 1}) {
            const int before = int(m_client->created.size());
            AutoAnswerListForm& form = reach(window);
            QCOMPARE(form.contactList().items(), QStringList({"alice", "bob", "carol"}));
            QCOMPARE(form.contactList().listIndex(), -1);
            QCOMPARE(form.answerList().listIndex(), -1);
            QCOMPARE(int(m_client->created.size()), before + 1);
            QVERIFY(form.oSkype() != nullptr);
            QCOMPARE(static_cast<FakeAutomation*>(form.oSkype())->attached(), false);
            QCOMPARE(form.parentWidget()->pos(), QPoint(0, 0));
        }
        QCOMPARE(m_client->count("attach 5 1"), 0);
    }

    void unsavedEditsAreGoneAfterClosing() {
        for (int window : {0, 1}) {
            putFile(listPath(window), "saved\r\n");
            showFromMenu(window);
            AutoAnswerListForm* form = &reach(window);
            form->contactList().setListIndex(0);
            form->CmdAdd_Click();
            instance(window).subWindow()->close();
            closed();
            QVERIFY(!instance(window).isLoaded());
            showFromMenu(window);
            QCOMPARE(reach(window).answerList().items(), QStringList{"saved"});

            reach(window).contactList().setListIndex(2);
            reach(window).CmdAdd_Click();
            reach(window).CmdSave_Click();
            instance(window).unload();
            closed();
            QCOMPARE(reach(window).answerList().items(), QStringList({"saved", "carol"}));
        }
    }

    void optionsAfterLoad_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("answerOnly");
        QTest::addColumn<bool>("withVideo");
        QTest::newRow("calls window") << 0 << true << false;
        QTest::newRow("video calls window") << 1 << false << true;
    }

    void optionsAfterLoad() {
        QFETCH(int, window);
        QFETCH(bool, answerOnly);
        QFETCH(bool, withVideo);
        for (int load = 0; load < 2; ++load) {
            AutoAnswerListForm& form = reach(window);
            QCOMPARE(form.chkAutoAnswerInc()->isChecked(), answerOnly);
            QCOMPARE(form.chkAutoAnswerIncWithVid()->isChecked(), withVideo);
            QCOMPARE(form.chkAutoAnswerInc()->text(), QStringLiteral("Auto answer incoming calls"));
            QCOMPARE(form.chkAutoAnswerIncWithVid()->text(),
                     QStringLiteral("Auto answer incoming calls with video"));
            // The user picks the other one; the next load starts afresh.
            (answerOnly ? form.chkAutoAnswerIncWithVid() : form.chkAutoAnswerInc())->click();
            QCOMPARE(form.chkAutoAnswerIncWithVid()->isChecked(), answerOnly);
            instance(window).unload();
            closed();
        }
    }

    void theOptionsLieBelowTheVisibleArea() {
        for (int window : {0, 1}) {
            AutoAnswerListForm& form = reach(window);
            for (QWidget* option : {static_cast<QWidget*>(form.chkAutoAnswerInc()),
                                    static_cast<QWidget*>(form.chkAutoAnswerIncWithVid())}) {
                const QRect at(option->mapTo(&form, QPoint(0, 0)), option->size());
                QVERIFY(!form.rect().intersects(at));
            }
            auto* frame4 = form.findChild<QGroupBox*>("Frame4");
            // Only the frame's top edge shows.
            QVERIFY(frame4->y() < form.height() && frame4->y() >= form.height() - 2);
        }
    }

    void theWindowsDiffer_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("listName");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("calls") << 0 << "Calls Auto Answer List"
                               << "LstCallAutoAnswer"
                               << "Double click on User ID to get details."
                               << "qvcalllist.ini";
        QTest::newRow("video calls")
            << 1 << "Video Calls Auto-Answer List"
            << "LstVideoCallAutoAnswer" << QString() << "qvvideocalllist.ini";
    }

    void theWindowsDiffer() {
        QFETCH(int, window);
        QFETCH(QString, caption);
        QFETCH(QString, listName);
        QFETCH(QString, toolTip);
        QFETCH(QString, fileName);
        AutoAnswerListForm& form = reach(window);
        QCOMPARE(instance(window).subWindow()->windowTitle(), caption);
        auto* list = form.findChild<QListView*>(listName);
        QVERIFY(list);
        QCOMPARE(list->toolTip(), toolTip);
        QCOMPARE(form.findChild<QListView*>("lstContacts")->toolTip(), toolTip);
        QCOMPARE(form.listPath(), m_dir->filePath(fileName));
        if (window == 0)
            QCOMPARE(&m_main->autoCallList().reach().LstCallAutoAnswer(), &form.answerList());
        else
            QCOMPARE(&m_main->autoVideoCallList().reach().LstVideoCallAutoAnswer(),
                     &form.answerList());
    }

    // ---- The menu commands --------------------------------------------------------------

    void aLoadedWindowKeepsItsContentsWhenShownAgain() {
        putFile(listPath(0), "x\r\ny\r\n");
        m_main->mnuCallOnlyAutoAnswerList_Click();
        AutoAnswerListForm* form = &reach(0);
        form->answerList().setListIndex(1);
        form->answerList().addItem("unsaved");
        m_main->mnuCallOnlyAutoAnswerList_Click();
        QCOMPARE(&reach(0), form);
        QCOMPARE(form->answerList().items(), QStringList({"x", "y", "unsaved"}));
        QCOMPARE(form->answerList().listIndex(), 1);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(m_main->mdiArea()->activeSubWindow(), m_main->autoCallList().subWindow());
        QCOMPARE(m_client->created.size(), size_t(1));
    }

    void aLoadThatFailsIsReportedAndLeavesNoWindow_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("problem");
        QTest::newRow("contacts, calls") << 0 << "friends";
        QTest::newRow("contacts, video calls") << 1 << "friends";
        QTest::newRow("unreadable file, calls") << 0 << "file";
        QTest::newRow("unreadable file, video calls") << 1 << "file";
    }

    void aLoadThatFailsIsReportedAndLeavesNoWindow() {
        QFETCH(int, window);
        QFETCH(QString, problem);
        if (problem == "friends")
            m_client->failOn("friends", RunTimeError(-2147467259, "client gone"), 1);
        else
            QVERIFY(QDir().mkpath(listPath(window)));
        showFromMenu(window);
        QCOMPARE(m_boxes->shown.size(), size_t(1));
        QCOMPARE(m_boxes->shown[0].style, 48);
        QVERIFY(m_boxes->shown[0].text.contains(problem == "friends" ? "client gone"
                                                                     : listPath(window)));
        QVERIFY(!instance(window).isLoaded());
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 0);
        if (problem == "file")
            QVERIFY(QDir().rmdir(listPath(window)));
        showFromMenu(window);
        QVERIFY(instance(window).isLoaded());
    }

    // ---- Whatever the file holds -----------------------------------------------------------

    void hugeAndJunkFilesShowWithoutHanging_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("notices");
        QByteArray many;
        for (int i = 0; i < ListBox::MaxItems + 10; ++i)
            many += "caller." + QByteArray::number(i) + "\r\n";
        QByteArray junk(10 * 1024 * 1024, 'a');
        for (qsizetype i = 0; i < junk.size(); i += 997)
            junk[i] = (i / 997) % 2 ? '\0' : '\xfe';
        QTest::newRow("more lines than a list holds") << many << ListBox::MaxItems << 1;
        QTest::newRow("10 MB single line of junk") << junk << 1 << 0;
    }

    void hugeAndJunkFilesShowWithoutHanging() {
        QFETCH(QByteArray, file);
        QFETCH(int, entries);
        QFETCH(int, notices);
        putFile(listPath(1), file);
        QElapsedTimer timer;
        timer.start();
        m_main->mnuVideoCallsList_Click();
        AutoAnswerListForm& form = reach(1);
        form.answerList().setListIndex(entries - 1);
        form.grab(); // paints the lists
        QCoreApplication::processEvents();
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(form.answerList().listCount(), entries);
        QCOMPARE(int(m_boxes->shown.size()), notices);
        if (notices)
            QVERIFY(m_boxes->shown[0].text.contains("were not loaded"));
    }
};

QTEST_MAIN(AutoAnswerListsTest)
#include "tst_auto_answer_lists.moc"
