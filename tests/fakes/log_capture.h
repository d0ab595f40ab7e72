#pragma once

#include <QStringList>
#include <QtGlobal>

// Keeps what the program writes to the log while it lives, as "category: text"
// lines, instead of letting it reach standard error. One at a time.
class LogCapture {
public:
    QStringList lines;

    LogCapture() : m_before(qInstallMessageHandler(&LogCapture::keep)) { s_current = this; }
    ~LogCapture() {
        qInstallMessageHandler(m_before);
        s_current = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

private:
    static void keep(QtMsgType, const QMessageLogContext& context, const QString& text) {
        if (s_current)
            s_current->lines << QString::fromUtf8(context.category) + QStringLiteral(": ") + text;
    }

    inline static LogCapture* s_current = nullptr;
    QtMessageHandler m_before;
};
