#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "lists/auto_answer_list_editor.h"
#include "lists/list_file.h"
#include "lists/list_location.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ListLocationTest : ::testing::Test {
    QTemporaryDir home;
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    ListLocationTest() { qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8()); }
    ~ListLocationTest() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }
    QString make(const QString& relative) {
        QDir().mkpath(home.filePath(relative));
        return home.filePath(relative);
    }
};

} // namespace

TEST_F(ListLocationTest, BesideTheProgramUnlessItIsInstalledOrCannotBeWritten) {
    const QString config = home.filePath("config/pellorin");
    EXPECT_EQ(ListLocation::userDirectory(), config);
    struct Row {
        const char* name;
        QString programDir;
        QString lists;
    };
    make("usr/share/pellorin");
    const Row rows[] = {
        {"buildTree", make("build/src"), home.filePath("build/src")},
        {"unpackedCopyInABin", make("opt/bin"), home.filePath("opt/bin")},
        {"installed", make("usr/bin"), config},
        {"missing", home.filePath("gone"), config},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ListLocation::choose(row.programDir), row.lists) << row.name;
}

TEST_F(ListLocationTest, TheFirstSaveCreatesTheUsersDirectory) {
    FakeClient client;
    client.addContacts({"bob"});
    FakeAutomationFactory factory(client);
    RecordingMessageBox boxes;
    AutoAnswerListEditor editor(boxes, factory, ListLocation::userDirectory(),
                                ListFile::CallsFileName);
    editor.load(); // nothing saved yet: an empty list, and no directory made
    EXPECT_FALSE(QDir(ListLocation::userDirectory()).exists());
    editor.contactList().setListIndex(0);
    editor.add();
    editor.save();
    EXPECT_EQ(FileBytes::get(ListLocation::userDirectory() + "/" + ListFile::CallsFileName),
              "bob\r\n");
}
