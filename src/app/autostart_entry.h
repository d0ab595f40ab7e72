#pragma once

#include <QString>

// The entry that starts Pellorin at login: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/pellorin.desktop, that runs the program with no
// options (the settings hold the rest). An entry the program wrote carries a
// mark of its own; any other entry under that name is the user's.
class AutostartEntry {
public:
    // `command`: the program as the entry starts it (see commandFor).
    AutostartEntry(QString path, QString command);

    // $XDG_CONFIG_HOME/autostart/pellorin.desktop.
    static QString defaultPath();
    // "pellorin" for a program installed where the PATH finds it (/usr/bin,
    // /usr/local/bin); else the program's own path.
    static QString commandFor(const QString& programPath);

    QString path() const { return m_path; }
    bool exists() const;
    // Whether the entry there is one this program wrote.
    bool isOurs() const;
    // The entry's text.
    QString text() const;
    // Writes the entry (and its folder), replacing whatever is there. Throws
    // RunTimeError when it cannot.
    void write() const;
    // Removes the entry. Throws RunTimeError when it cannot.
    void remove() const;

private:
    QString m_path;
    QString m_command;
};
