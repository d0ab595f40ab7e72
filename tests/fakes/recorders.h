#pragma once

#include "answering/call_record.h"
#include "platform/desktop_notifications.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/shell_open.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Message boxes that remember what they showed. By default each box counts as
// closed as soon as it is shown, as if the user answered at once; with keepOpen
// they stay open until the test closes them.
class RecordingMessageBox : public MessageBoxService {
public:
    struct Shown {
        QString text; // the latest text, when it was changed while open
        int style;
        QString title;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;
    // Indexes into `shown` of the boxes the program waited for.
    std::vector<size_t> waitedFor;
    // Runs while a box is "open", for tests that look at the program's state then.
    std::function<void(const Shown&)> onShow;
    bool keepOpen = false;
    // What the user answers to a question (recorded in `shown` too).
    bool answer = false;
    // The most boxes open at one time.
    int mostOpen = 0;

    std::shared_ptr<ShownBox> show(const QString& text, int style, const QString& title) override {
        shown.push_back({text, style, title});
        auto box = std::make_shared<Box>(*this, shown.size() - 1, keepOpen);
        m_boxes.push_back(box);
        mostOpen = std::max(mostOpen, openCount());
        if (onShow)
            onShow(shown.back());
        return box;
    }
    void showAndWait(const QString& text, int style, const QString& title) override {
        waitedFor.push_back(shown.size());
        shown.push_back({text, style, title});
        if (onShow)
            onShow(shown.back());
    }
    bool ask(const QString& text, const QString& title) override {
        shown.push_back({text, MsgBoxStyle::Question, title});
        if (onShow)
            onShow(shown.back());
        return answer;
    }
    QStringList texts() const {
        QStringList all;
        for (const Shown& s : shown)
            all << s.text;
        return all;
    }
    int openCount() const {
        return static_cast<int>(std::count_if(m_boxes.begin(), m_boxes.end(),
                                              [](const auto& box) { return box->isOpen(); }));
    }
    // The user closes every open box.
    void closeAll() {
        for (const auto& box : m_boxes)
            box->close();
    }

private:
    class Box : public ShownBox {
    public:
        Box(RecordingMessageBox& owner, size_t index, bool open)
            : m_owner(owner), m_index(index), m_open(open) {}
        bool isOpen() const override { return m_open; }
        void setText(const QString& text) override {
            // The test may have cleared what was recorded meanwhile.
            if (m_open && m_index < m_owner.shown.size())
                m_owner.shown[m_index].text = text;
        }
        void close() {
            if (std::exchange(m_open, false) && onClosed)
                onClosed();
        }

    private:
        RecordingMessageBox& m_owner;
        size_t m_index;
        bool m_open;
    };
    std::vector<std::shared_ptr<Box>> m_boxes;
};

class RecordingShellOpen : public ShellOpen {
public:
    struct Opened {
        QString address;
        bool maximised;
    };
    std::vector<Opened> opened;
    void open(const QString& address, bool maximised) override {
        opened.push_back({address, maximised});
    }
};

// A pause that does not wait: it records, and runs `during` in place of waiting
// (a test can change the call's status there, as the client would meanwhile).
class RecordingPause : public Pause {
public:
    std::vector<int> pauses;
    std::function<void()> during;
    void sleep(int milliseconds) override {
        pauses.push_back(milliseconds);
        if (during)
            during();
    }
};

// A record of answered calls that keeps them in memory.
class RecordingCallRecord : public CallRecord {
public:
    std::vector<AnsweredCall> calls;
    void add(const AnsweredCall& call) override { calls.push_back(call); }
};

// Desktop notifications that are kept rather than shown.
class RecordingNotifications : public DesktopNotifications {
public:
    QStringList sent; // "summary|body"
    void notify(const QString& summary, const QString& body) override {
        sent << summary + QLatin1Char('|') + body;
    }
};
