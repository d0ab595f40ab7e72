#pragma once

#include <QStringList>
#include <QtGlobal>

// Keeps the log's lines ("category: text") while it lives, one capture at a time.
class LogCapture {
public:
    inline static QStringList lines;
    LogCapture() : m_before(qInstallMessageHandler(&keep)) { lines.clear(); }
    ~LogCapture() { qInstallMessageHandler(m_before); }

private:
    static void keep(QtMsgType, const QMessageLogContext& context, const QString& text) {
        lines << QString::fromUtf8(context.category) + QStringLiteral(": ") + text;
    }
    QtMessageHandler m_before;
};
