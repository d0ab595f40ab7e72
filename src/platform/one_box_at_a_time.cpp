#include "one_box_at_a_time.h"

class OneBoxAtATime::Box : public ShownBox {
public:
    Box(QString text, int style, QString title)
        : m_text(std::move(text)), m_style(style), m_title(std::move(title)) {}

    bool isOpen() const override { return !m_shown || m_shown->isOpen(); }
    void setText(const QString& text) override {
        if (m_shown)
            m_shown->setText(text);
        else
            m_text = text;
    }

    QString m_text;
    int m_style;
    QString m_title;
    std::shared_ptr<ShownBox> m_shown; // once it is on the screen
};

OneBoxAtATime::~OneBoxAtATime() {
    *m_alive = false;
}

std::shared_ptr<ShownBox> OneBoxAtATime::show(const QString& text, int style,
                                              const QString& title) {
    auto box = std::make_shared<Box>(text, style, title);
    if (m_open && m_open->isOpen())
        m_waiting.push_back(box);
    else
        open(box);
    return box;
}

void OneBoxAtATime::open(const std::shared_ptr<Box>& box) {
    m_open = box;
    box->m_shown = m_boxes.show(box->m_text, box->m_style, box->m_title);
    // The next one follows when the user closes this one.
    box->m_shown->onClosed = [this, alive = std::weak_ptr<bool>(m_alive)] {
        if (alive.lock())
            next();
    };
    if (!box->m_shown->isOpen()) // answered at once (the tests' boxes)
        next();
}

void OneBoxAtATime::next() {
    if (m_waiting.empty())
        return;
    const std::shared_ptr<Box> box = m_waiting.front();
    m_waiting.pop_front();
    open(box);
}
