#include "window_instance.h"

#include "run_time_error.h"
#include "units.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace {

// The frame around a child window. A closed window counts as unloaded at once,
// although Qt deletes it a moment later.
class ChildFrame : public QMdiSubWindow {
public:
    ChildFrame(std::function<void()> onClosed)
        : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
          m_onClosed(std::move(onClosed)) {}

    void forget() { m_onClosed = nullptr; }
    // While the window's load step runs it stays: closing would delete it
    // under that step.
    void setLoading(bool loading) { m_loading = loading; }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (m_loading) {
            event->ignore();
            return;
        }
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted() && m_onClosed)
            m_onClosed();
    }

private:
    std::function<void()> m_onClosed;
    bool m_loading = false;
};

} // namespace

MdiChildForm::MdiChildForm(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void MdiChildForm::Move(int leftTwips, int topTwips) {
    QWidget* frame = parentWidget() ? parentWidget() : this;
    frame->move(Units::twipsToPixels(leftTwips), Units::twipsToPixels(topTwips));
}

void MdiChildForm::setClientSizeTwips(int width, int height) {
    setFixedSize(Units::twipsSize(width, height));
}

WindowInstanceBase::WindowInstanceBase(QMdiArea* area, Factory factory)
    : m_area(area), m_factory(std::move(factory)) {}

WindowInstanceBase::~WindowInstanceBase() {
    if (m_subWindow)
        static_cast<ChildFrame*>(m_subWindow.data())->forget();
}

MdiChildForm& WindowInstanceBase::reachForm() {
    // A window whose load step is still running (it waits for the client) is
    // not handed out half loaded.
    if (m_loading)
        throw RunTimeError(ErrorNumber::Internal,
                           UiText("WindowInstance",
                                  QT_TRANSLATE_NOOP("WindowInstance",
                                                    "The window is still loading; try again when "
                                                    "it has opened.")));
    if (m_form)
        return *m_form;

    std::unique_ptr<MdiChildForm> form = m_factory();
    // A fixed single border with a system menu and a close box, and neither a
    // minimise nor a maximise button.
    auto* sub = new ChildFrame([this] {
        m_form = nullptr;
        m_subWindow = nullptr;
    });
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setOption(QMdiSubWindow::RubberBandResize, false);
    MdiChildForm* raw = form.release();
    sub->setWidget(raw);
    sub->setWindowTitle(raw->windowTitle());
    sub->setWindowIcon(raw->windowIcon());
    m_area->addSubWindow(sub);
    m_subWindow = sub;
    m_form = raw;

    m_loading = true;
    sub->setLoading(true);
    try {
        raw->Form_Load();
    } catch (...) {
        // A window whose load step failed is not loaded.
        m_loading = false;
        m_form = nullptr;
        m_subWindow = nullptr;
        delete sub;
        throw;
    }
    m_loading = false;
    if (!m_form) // deleted while it was loading (its main window went)
        throw RunTimeError(
            ErrorNumber::Internal,
            UiText("WindowInstance",
                   QT_TRANSLATE_NOOP("WindowInstance",
                                     "The window was closed while it was loading.")));
    sub->setLoading(false);
    sub->setWindowTitle(raw->windowTitle());
    sub->adjustSize();
    sub->setFixedSize(sub->size());
    sub->show();
    return *raw;
}

void WindowInstanceBase::show() {
    reachForm();
    m_subWindow->show();
    m_area->setActiveSubWindow(m_subWindow);
    m_subWindow->raise();
}

void WindowInstanceBase::unload() {
    if (QMdiSubWindow* sub = m_subWindow)
        sub->close();
}
