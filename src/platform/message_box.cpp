#include "message_box.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

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
    // Lines are shown as written as far as they fit on a modest width; only
    // longer ones are wrapped.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString& line : shown.split(QLatin1Char('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        label->setMinimumWidth(std::min(widest + 8, 720));
    }
    box.exec();
}
