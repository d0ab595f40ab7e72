#pragma once

#include "app/command_line.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What the settings file holds. A value that was never saved, or that the
// program does not understand, is absent (its default applies).
struct SavedSettings {
    std::optional<CommandLineOptions::Client> client;
    std::optional<ControlAddress> baresipControl;
    bool autoAttach = false;
    bool notifyWhenAnswering = true;
    // The main window's place, size and state (QWidget::saveGeometry); empty when
    // never saved.
    QByteArray windowGeometry;
};

// The settings file: what the user chose in Options, kept for the next start in
// one QSettings (INI) file, $XDG_CONFIG_HOME/pellorin/pellorin.conf. It is read
// once, when the object is made, and written whenever a value is changed.
//
// A file that cannot be read, or a value the program does not know, gives the
// default for that value and one line in the log; never a box. A line that
// cannot be read costs that line alone (and a line in the log); the next change
// writes the file without it. A file that
// cannot be written is reported once: the first failing change throws
// RunTimeError, later ones go to the log only. The value is in use either way.
class Settings {
public:
    explicit Settings(QString path);

    // $XDG_CONFIG_HOME/pellorin/pellorin.conf, beside an installed program's lists.
    static QString defaultPath();

    const SavedSettings& saved() const { return m_saved; }
    QString path() const { return m_path; }

    void setClient(CommandLineOptions::Client client);
    void setBaresipControl(const ControlAddress& address);
    void setAutoAttach(bool on);
    void setNotifyWhenAnswering(bool on);
    void setWindowGeometry(const QByteArray& geometry);

private:
    void read();
    void write(const QString& key, const QString& value);

    QString m_path;
    SavedSettings m_saved;
    bool m_writeFailureReported = false;
};
