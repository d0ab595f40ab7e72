#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The stand-in's contacts and their profiles, in file order. The file holds one
// block per contact:
//
//   [handle]
//   FULLNAME=Bob Builder
//   SEX=MALE
//
// with the keys FULLNAME, SEX (UNKNOWN, MALE, FEMALE), COUNTRY ("ee Estonia"),
// CITY, BIRTHDAY (YYYYMMDD, 0 when unset), ABOUT, PHONE_MOBILE, PHONE_HOME,
// PHONE_OFFICE, DISPLAYNAME; a missing key is empty. Lines starting with '#'
// and blank lines are skipped. Handles are compared exactly (letter case counts).
class ContactBook {
public:
    struct Contact {
        QString handle;
        QHash<QString, QString> profile;
    };

    // Reads the file; on failure returns nothing and says why in `error`.
    static std::optional<ContactBook> load(const QString& path, QString* error);
    static std::optional<ContactBook> parse(const QString& text, QString* error);
    static const QStringList& keys();

    const QList<Contact>& contacts() const { return m_contacts; }
    const Contact* find(const QString& handle) const;
    // A profile value: empty when unset (SEX: UNKNOWN, BIRTHDAY: 0).
    QString value(const Contact& contact, const QString& key) const;

private:
    QList<Contact> m_contacts;
};
