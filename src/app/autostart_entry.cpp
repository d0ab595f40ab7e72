#include "autostart_entry.h"

#include "platform/run_time_error.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The mark's value is the digest of the lines before it.
constexpr auto Mark = "X-Pellorin-Autostart=";

QByteArray digest(const QByteArray& linesBefore) {
    return QCryptographicHash::hash(linesBefore, QCryptographicHash::Sha256).toHex().left(16);
}

// The start of the entry's file; an entry is small, and one of the user's that
// is not is not ours either. Null when it cannot be read.
QByteArray entryBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64 * 1024);
}

// The command as one argument of an Exec key: in double quotes when it holds a
// character the key reserves, with '"', '`', '$' and '\' escaped; then '\'
// doubled again as the file's string values want, and '%' written '%%'.
QString execArgument(const QString& command) {
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    const bool quote =
        std::any_of(command.begin(), command.end(), [](QChar c) { return reserved.contains(c); });
    QString argument;
    for (QChar c : command) {
        if (quote && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                      c == QLatin1Char('\\')))
            argument += QLatin1Char('\\');
        argument += c;
    }
    if (quote)
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    return argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("%%"));
}

RunTimeError writeFailure(const QString& path, const UiText& why) {
    return RunTimeError(
        ErrorNumber::PathFileAccess,
        UiText("AutostartEntry",
               QT_TRANSLATE_NOOP("AutostartEntry", "Pellorin could not write the autostart entry "
                                                   "%1: %2"))
            .arg(path, why));
}

} // namespace

AutostartEntry::AutostartEntry(QString path, QString command)
    : m_path(std::move(path)), m_command(std::move(command)) {}

QString AutostartEntry::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/pellorin.desktop");
}

QString AutostartEntry::commandFor(const QString& programPath) {
    const QString dir = QFileInfo(programPath).absolutePath();
    if (dir == QLatin1String("/usr/bin") || dir == QLatin1String("/usr/local/bin"))
        return QStringLiteral("pellorin");
    return programPath;
}

bool AutostartEntry::exists() const {
    return QFileInfo::exists(m_path);
}

bool AutostartEntry::isEnabled() const {
    if (!exists())
        return false;
    bool inEntry = false;
    for (const QByteArray& raw : entryBytes(m_path).split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inEntry || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

AutostartEntry::Origin AutostartEntry::origin() const {
    const QByteArray bytes = entryBytes(m_path);
    const qsizetype markLine = bytes.indexOf(QByteArray("\n") + Mark);
    if (markLine < 0)
        return Origin::Users;
    const QByteArray before = bytes.left(markLine + 1);
    return bytes == before + Mark + digest(before) + '\n' ? Origin::Ours : Origin::OursChanged;
}

QString AutostartEntry::text() const {
    const QString lines = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Pellorin\n"
                                         "Comment=Answers calls from the people on your lists by "
                                         "itself\n"
                                         "Exec=%1\n"
                                         "Icon=pellorin\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execArgument(m_command));
    return lines + QLatin1String(Mark) + QString::fromLatin1(digest(lines.toUtf8())) +
           QLatin1Char('\n');
}

void AutostartEntry::write() const {
    if (m_command.contains(QLatin1Char('\n')) || m_command.contains(QLatin1Char('\r')))
        throw writeFailure(
            m_path, UiText("AutostartEntry",
                           QT_TRANSLATE_NOOP("AutostartEntry", "the program's path holds a line "
                                                               "break")));
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        throw writeFailure(m_path,
                           UiText("AutostartEntry",
                                  QT_TRANSLATE_NOOP("AutostartEntry", "cannot make the folder %1"))
                               .arg(folder));
    QSaveFile file(m_path);
    const QByteArray bytes = text().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw writeFailure(m_path, UiText::untranslated(file.errorString()));
}

void AutostartEntry::remove() const {
    QFile file(m_path);
    if (!file.remove())
        throw RunTimeError(
            ErrorNumber::PathFileAccess,
            UiText("AutostartEntry",
                   QT_TRANSLATE_NOOP("AutostartEntry", "Pellorin could not remove the autostart "
                                                       "entry %1: %2"))
                .arg(m_path, file.errorString()));
}
