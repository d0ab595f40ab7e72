#pragma once

#include <QString>

// The entry that starts Pellorin at login: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/pellorin.desktop, that runs the program with no
// options (the settings hold the rest). An entry the program wrote carries a
// mark of its own with a digest of the lines before it, so an entry changed
// since tells; any other entry under that name is the user's.
class AutostartEntry {
public:
    // Who wrote the entry that is there.
    enum class Origin { Ours, OursChanged, Users };

    // `command`: the program as the entry starts it (see commandFor).
    AutostartEntry(QString path, QString command);

    // $XDG_CONFIG_HOME/autostart/pellorin.desktop.
    static QString defaultPath();
    // "pellorin" for a program installed where the PATH finds it (/usr/bin,
    // /usr/local/bin); else the program's own path.
    static QString commandFor(const QString& programPath);

    QString path() const { return m_path; }
    bool exists() const;
    // Whether the entry is there and the desktop starts it: its [Desktop Entry]
    // says neither Hidden=true nor X-GNOME-Autostart-enabled=false.
    bool isEnabled() const;
    // Who wrote the entry there (a program at any path counts as this one);
    // one that cannot be read counts as the user's.
    Origin origin() const;
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
