#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The names of Jami contacts that the program has learnt in this run: the name
// each registered with a name server, and the name in the profile (vCard) that
// each sent. A Jami ID says nothing to a person; these are the names people know.
class JamiNames {
public:
    // Shown beside a name that two contacts share: this many of the ID's first
    // digits, or more until they differ.
    static constexpr int IdDigitsShown = 8;

    // A Jami ID: 40 hexadecimal digits.
    static bool isJamiId(const QString& handle);
    // The name in a vCard (its FN), or empty.
    static QString nameInVCard(const QByteArray& vcard);

    // Each returns whether what is shown may have changed. A name that could be
    // taken for a handle (an ID, an address) is not taken.
    bool setRegistered(const QString& id, const QString& name);
    bool setProfile(const QString& id, const QString& name);

    QString registered(const QString& id) const { return m_registered.value(id.toLower()); }
    QString profile(const QString& id) const { return m_profile.value(id.toLower()); }
    // The name the user knows: the profile's, else the registered one; empty
    // when there is neither.
    QString name(const QString& id) const;
    // What the windows show for `handle`: its name, followed by the start of
    // its ID ("rose (2e9f4711)") when another contact's name looks like it
    // (case aside, and letters that look alike, such as a Cyrillic o for a Latin
    // one, taken as the same) or when the name itself ends as if it had one;
    // the handle itself when it has no name.
    QString shown(const QString& handle) const;

private:
    // What a contact's name looks like: the text that look-alike names share
    // (an ID's start it ends with left out), and whether it ends with one.
    struct Look {
        QString key;
        bool endsLikeAnId = false;
    };

    bool set(QHash<QString, QString>& names, const QString& id, const QString& name);
    void index() const;

    QHash<QString, QString> m_registered;
    QHash<QString, QString> m_profile;
    // Built when asked after a change: the look of each ID's name, and the IDs
    // of each look.
    mutable QHash<QString, Look> m_looks;
    mutable QHash<QString, QStringList> m_byLook;
    mutable bool m_indexed = true;
};
