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

// Characters that would break a line or not show: control and format
// characters (U+200B, U+FEFF, U+00AD, ...), line and paragraph separators, a
// surrogate without its pair; and the backslash that starts an escape.
bool escapedInField(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return c == U'\\';
    }
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
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (!escapedInField(c)) {
            out += pair ? text.mid(i, 2) : QString(text[i]);
        } else if (c <= 0xff) {
            out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        } else if (c <= 0xffff) {
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
        }
        i += pair ? 1 : 0;
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
