#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBoxService::show(const QString& text, int style, const QString& title) {
    QWidget* parent = m_parent ? m_parent : QApplication::activeWindow();
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // The program's texts break lines with CR LF; the label wants plain LF.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(style == MsgBoxStyle::Exclamation ? QMessageBox::Warning
                                                  : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
