#pragma once

#include "message_box.h"

#include <deque>
#include <memory>

// At most one of the program's boxes open at a time. A box that comes while
// another is open waits behind it and opens when the user has closed that one;
// meanwhile it counts as open (a handler that adds to it, like the run-time
// error box counting failures, changes what it will say). The notice at start
// and questions, which the user's own command waits for, open at once.
class OneBoxAtATime : public MessageBoxService {
public:
    explicit OneBoxAtATime(MessageBoxService& boxes) : m_boxes(boxes) {}
    ~OneBoxAtATime() override;

    std::shared_ptr<ShownBox> show(const QString& text, int style, const QString& title) override;
    void showAndWait(const QString& text, int style, const QString& title) override {
        m_boxes.showAndWait(text, style, title);
    }
    bool ask(const QString& text, const QString& title) override {
        return m_boxes.ask(text, title);
    }
    // Boxes waiting behind the open one.
    int waiting() const { return static_cast<int>(m_waiting.size()); }

private:
    class Box;
    void open(const std::shared_ptr<Box>& box);
    void next();

    MessageBoxService& m_boxes;
    std::shared_ptr<Box> m_open;
    std::deque<std::shared_ptr<Box>> m_waiting;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
