#include "call_log_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdlib>
#include <filesystem>
#include <system_error>

Q_LOGGING_CATEGORY(lcCalls, "pellorin.calls", QtInfoMsg)

namespace {

QString isoWithOffset(const QDateTime& when) {
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

CallLogFile::CallLogFile(QString path, QString client, qint64 rotateAfterBytes)
    : m_path(std::move(path)), m_client(std::move(client)), m_rotateAfter(rotateAfterBytes) {}

QString CallLogFile::defaultPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/pellorin/calls.log");
}

QString CallLogFile::field(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('\\'))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString CallLogFile::line(const QDateTime& when, const QString& client, const AnsweredCall& call) {
    return QStringList{isoWithOffset(when), field(client), field(call.handle), field(call.lists),
                       field(call.outcome)}
        .join(QLatin1Char('\t'));
}

void CallLogFile::add(const AnsweredCall& call) {
    const QString text = line(QDateTime::currentDateTime(), m_client, call);
    qCInfo(lcCalls).noquote() << text;
    QString why;
    if (!append((text + QLatin1Char('\n')).toUtf8(), why))
        qCWarning(lcCalls).noquote() << "Could not write the call to" << m_path + ":" << why;
}

bool CallLogFile::append(const QByteArray& bytes, QString& why) {
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        why = QStringLiteral("cannot make the folder %1").arg(info.absolutePath());
        return false;
    }
    const qint64 size = info.exists() ? info.size() : 0;
    if (size > 0 && size + bytes.size() > m_rotateAfter) {
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(m_path).toStdString(),
                                QFile::encodeName(m_path + QStringLiteral(".1")).toStdString(),
                                error);
        // The lines go on in the file all the same (past its limit): said once,
        // until a rotation succeeds again.
        if (error && !m_rotationFailed)
            qCWarning(lcCalls).noquote()
                << QStringLiteral("Could not rename %1 to %1.1 (%2); the record of calls goes "
                                  "on in %1, past its size limit.")
                       .arg(m_path, QString::fromStdString(error.message()));
        m_rotationFailed = bool(error);
    }
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        why = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        why = file.errorString();
        return false;
    }
    return true;
}
