#include "error_report.h"

#include "message_box.h"
#include "product.h"
#include "run_time_error.h"

#include <QCoreApplication>
#include <QDebug>

QString runTimeErrorText(const RunTimeError& error) {
    return QCoreApplication::translate("ErrorReport", "Run-time error '%1':\r\n\r\n%2")
        .arg(error.number())
        .arg(error.shown());
}

ErrorReport::ErrorReport(MessageBoxService& boxes) : m_boxes(boxes) {}

ErrorReport::~ErrorReport() = default;

int ErrorReport::moreFailures() const {
    return m_open && m_open->isOpen() ? m_more : 0;
}

void ErrorReport::report(const RunTimeError& error) {
    qWarning().noquote() << "Run-time error" << error.number() << error.description();
    if (m_open && m_open->isOpen()) {
        ++m_more;
        m_open->setText(m_text + QStringLiteral("\r\n\r\n") +
                        (m_more == 1
                             ? QCoreApplication::translate("ErrorReport",
                                                           "1 more failure happened while this box "
                                                           "was open; the log lists it.")
                             : QCoreApplication::translate("ErrorReport",
                                                           "%1 more failures happened while this "
                                                           "box was open; the log lists them.")
                                   .arg(m_more)));
        return;
    }
    m_more = 0;
    m_text = runTimeErrorText(error);
    m_open = m_boxes.show(m_text, MsgBoxStyle::Exclamation, Product::name);
}

bool runHandler(ErrorReport& errors, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const RunTimeError& e) {
        errors.report(e);
    } catch (const std::exception& e) {
        errors.report(RunTimeError(ErrorNumber::Internal, QString::fromLocal8Bit(e.what())));
    }
    return false;
}
