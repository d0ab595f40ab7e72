#include "message_box.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>

namespace {

// The program's texts break lines with CR LF; the label wants plain LF.
QString shownText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

// Lines are shown as written as far as they fit on a modest width; only longer
// ones are wrapped.
void fitLines(QMessageBox& box, const QString& shown) {
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString& line : shown.split(QLatin1Char('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        label->setMinimumWidth(std::min(widest + 8, 720));
    }
}

QMessageBox* makeBox(QWidget* parent, const QString& text, int style, const QString& title) {
    auto* box = new QMessageBox(parent);
    box->setWindowTitle(title);
    const QString shown = shownText(text);
    box->setText(shown);
    box->setTextFormat(Qt::PlainText);
    box->setIcon(style == MsgBoxStyle::Exclamation ? QMessageBox::Warning
                 : style == MsgBoxStyle::Question  ? QMessageBox::Question
                                                   : QMessageBox::Information);
    if (style == MsgBoxStyle::Question) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    box->setWindowModality(Qt::ApplicationModal);
    fitLines(*box, shown);
    return box;
}

class QtShownBox : public ShownBox {
public:
    explicit QtShownBox(QMessageBox* box) : m_box(box) {}
    bool isOpen() const override { return m_box && m_box->isVisible(); }
    void setText(const QString& text) override {
        if (!isOpen())
            return;
        const QString shown = shownText(text);
        m_box->setText(shown);
        fitLines(*m_box, shown);
        m_box->adjustSize();
    }

private:
    QPointer<QMessageBox> m_box;
};

} // namespace

std::shared_ptr<ShownBox> QtMessageBoxService::show(const QString& text, int style,
                                                    const QString& title) {
    QMessageBox* box =
        makeBox(m_parent ? m_parent.data() : QApplication::activeWindow(), text, style, title);
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto shown = std::make_shared<QtShownBox>(box);
    QObject::connect(box, &QMessageBox::finished, box, [weak = std::weak_ptr<ShownBox>(shown)] {
        if (const auto alive = weak.lock(); alive && alive->onClosed)
            alive->onClosed();
    });
    box->show();
    return shown;
}

void QtMessageBoxService::showAndWait(const QString& text, int style, const QString& title) {
    QMessageBox* box =
        makeBox(m_parent ? m_parent.data() : QApplication::activeWindow(), text, style, title);
    box->exec();
    delete box;
}

bool QtMessageBoxService::ask(const QString& text, const QString& title) {
    QMessageBox* box = makeBox(m_parent ? m_parent.data() : QApplication::activeWindow(), text,
                               MsgBoxStyle::Question, title);
    const bool yes = box->exec() == QMessageBox::Yes;
    delete box;
    return yes;
}
