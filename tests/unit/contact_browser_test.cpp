#include "contacts/contact_browser.h"
#include "fakes/fake_client.h"
#include "fakes/recorders.h"
#include "platform/run_time_error.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

#include <map>

namespace {

// The ten boxes, as the window would show them.
struct Boxes : ContactDetailsView {
    std::map<ContactDetail, QString> shown;
    int fronts = 0;
    void setDetail(ContactDetail detail, const QString& text) override { shown[detail] = text; }
    void bringToFront() override { ++fronts; }
    QStringList all() const {
        QStringList texts;
        for (int i = 0; i < ContactDetailCount; ++i) {
            const auto it = shown.find(static_cast<ContactDetail>(i));
            texts << (it == shown.end() ? QStringLiteral("<never>") : it->second);
        }
        return texts;
    }
};

const QVariantMap Bob = {
    {"FullName", "Bob Fenwick"},
    {"Sex", 0},
    {"Country", "United Kingdom"},
    {"City", "York"},
    {"Birthday", QDate(1970, 6, 15)},
    {"About", "Line one\nline two"},
    {"PhoneMobile", "+44 7700 900123"},
    {"PhoneHome", "+44 1904 555 0101"},
    {"PhoneOffice", ""},
    {"DisplayName", "Bob F."},
};

QString shortDate(const QDate& date) {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

struct ContactBrowserTest : ::testing::Test {
    FakeClient client;
    FakeAutomationFactory factory{client};
    RecordingMessageBox boxes;
    ContactBrowser browser{boxes, factory};

    void select(const QString& handle) {
        const int index = browser.contactList().items().indexOf(handle);
        ASSERT_GE(index, 0) << handle.toStdString();
        browser.contactList().setListIndex(index);
    }
};

} // namespace

TEST_F(ContactBrowserTest, LoadListsTheHandlesInTheClientsOrder) {
    struct Row {
        const char* name;
        QStringList contacts;
        int failAfter; // handle reads that succeed before one fails; -1: none fails
        QStringList listed;
    };
    const Row rows[] = {
        {"empty", {}, -1, {}},
        {"orderAndDuplicatesKept",
         {"carol", "alice", "bob", "alice"},
         -1,
         {"carol", "alice", "bob", "alice"}},
        {"failureKeepsWhatWasRead", {"carol", "alice", "bob"}, 2, {"carol", "alice"}},
    };
    for (const Row& row : rows) {
        FakeClient c;
        FakeAutomationFactory f{c};
        RecordingMessageBox b;
        ContactBrowser loaded(b, f);
        c.addContacts(row.contacts);
        if (row.failAfter >= 0)
            c.failOn("handle", RunTimeError(1003, "No answer"), 1, row.failAfter);
        bool threw = false;
        try {
            loaded.load();
        } catch (const RunTimeError& e) {
            threw = e.number() == 1003;
        }
        EXPECT_EQ(threw, row.failAfter >= 0) << row.name;
        EXPECT_EQ(loaded.contactList().items(), row.listed) << row.name;
        EXPECT_EQ(loaded.contactList().listIndex(), -1) << row.name;
        EXPECT_TRUE(b.shown.empty()) << row.name;
        EXPECT_NE(loaded.oSkype(), nullptr) << row.name;
        EXPECT_EQ(c.count("attach 5 1") + c.count("attach 5 0"), 0) << row.name;
    }
}

TEST_F(ContactBrowserTest, AContactAddedMeanwhileShowsAfterTheNextLoad) {
    client.addContacts({"alice"});
    browser.load();
    Automation* first = browser.oSkype();
    client.addContacts({"zed"});
    EXPECT_EQ(browser.contactList().items(), QStringList{"alice"});
    browser.load();
    EXPECT_EQ(browser.contactList().items(), QStringList({"alice", "zed"}));
    EXPECT_NE(browser.oSkype(), first); // a new object of its own at every load
}

TEST_F(ContactBrowserTest, DoubleClickShowsTheDetailsInReadOrder) {
    client.contacts = {{"bob", Bob}, {"unset", {{"Sex", -1}, {"Birthday", QDate()}}}};
    browser.load();
    select("bob");
    Boxes view;
    client.log.clear();
    browser.showSelected(view);

    EXPECT_EQ(view.all(), QStringList({"Bob Fenwick", "0", "United Kingdom", "York",
                                       shortDate(QDate(1970, 6, 15)), "Line one\nline two",
                                       "+44 7700 900123", "+44 1904 555 0101", "", "Bob F."}));
    QStringList reads;
    for (const QString& line : client.log)
        if (line.startsWith("property bob "))
            reads << line.mid(13);
    EXPECT_EQ(reads, QStringList({"FullName", "Sex", "Country", "City", "Birthday", "About",
                                  "PhoneMobile", "PhoneHome", "PhoneOffice", "DisplayName"}));
    EXPECT_EQ(view.fronts, 1);
    EXPECT_TRUE(boxes.shown.empty());

    // An unknown sex is its number; an unset birthday and missing values are empty.
    select("unset");
    browser.showSelected(view);
    EXPECT_EQ(view.all(), QStringList({"", "-1", "", "", "", "", "", "", "", ""}));
}

TEST_F(ContactBrowserTest, FailuresAreShownInTheErrorBoxAndTheHandlerGoesOn) {
    struct Row {
        const char* name;
        QString select;         // empty: nothing selected
        const char* failing;    // the operation that fails, or null
        int after;              // calls of it that succeed first
        QStringList boxesAfter; // what the ten boxes show then
        QString userAsked;
    };
    const QStringList bobsFirstThree = {
        "Bob Fenwick", "0", "United Kingdom", "", "", "", "", "", "", ""};
    const Row rows[] = {
        // Nothing selected: the empty handle is looked up, and what comes back shown.
        {"nothingSelected", "", nullptr, 0, QStringList(10, QString()), "user"},
        {"nothingSelectedAndTheLookupFails", "", "user", 0, QStringList(10, "old"), "FAILED user"},
        // The fourth read fails: the first three are the new contact's, the rest empty.
        {"fourthReadFails", "bob", "property", 3, bobsFirstThree, "user bob"},
    };
    for (const Row& row : rows) {
        FakeClient c;
        FakeAutomationFactory f{c};
        RecordingMessageBox b;
        ContactBrowser shown(b, f);
        c.contacts = {{"bob", Bob}};
        shown.load();
        if (!row.select.isEmpty())
            shown.contactList().setListIndex(0);
        Boxes view;
        for (int i = 0; i < ContactDetailCount; ++i)
            view.shown[static_cast<ContactDetail>(i)] = "old"; // a contact shown before
        if (row.failing)
            c.failOn(row.failing, RunTimeError(26, "Invalid user handle"), 1, row.after);
        shown.showSelected(view);

        EXPECT_EQ(view.all(), row.boxesAfter) << row.name;
        EXPECT_EQ(c.count(row.userAsked), 1) << row.name;
        if (row.failing) {
            ASSERT_EQ(b.shown.size(), 1u) << row.name;
            EXPECT_EQ(b.shown[0], (RecordingMessageBox::Shown{"Invalid user handle", 48, "Error"}))
                << row.name;
            EXPECT_EQ(view.fronts, 0) << row.name;
        } else {
            EXPECT_TRUE(b.shown.empty()) << row.name;
            EXPECT_EQ(view.fronts, 1) << row.name;
        }
    }
}
