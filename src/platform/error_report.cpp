#include "error_report.h"

#include "message_box.h"
#include "product.h"
#include "run_time_error.h"

#include <QDebug>

QString runTimeErrorText(const RunTimeError& error) {
    return QStringLiteral("Run-time error '%1':\r\n\r\n%2")
        .arg(error.number())
        .arg(error.description());
}

bool runHandler(MessageBoxService& messages, const std::function<void()>& handler) {
    RunTimeError failure(0, QString());
    try {
        handler();
        return true;
    } catch (const RunTimeError& e) {
        failure = e;
    } catch (const std::exception& e) {
        failure = RunTimeError(ErrorNumber::Internal, QString::fromLocal8Bit(e.what()));
    }
    qWarning().noquote() << "handler failed:" << failure.number() << failure.description();
    messages.show(runTimeErrorText(failure), MsgBoxStyle::Exclamation, Product::name);
    return false;
}
