#pragma once

#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/shell_open.h"

#include <QStringList>

#include <functional>
#include <vector>

// Message boxes that answer at once and remember what they showed.
class RecordingMessageBox : public MessageBoxService {
public:
    struct Shown {
        QString text;
        int style;
        QString title;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;
    // Runs while a box is "open", for tests that look at the program's state then.
    std::function<void(const Shown&)> onShow;

    void show(const QString& text, int style, const QString& title) override {
        shown.push_back({text, style, title});
        if (onShow)
            onShow(shown.back());
    }
    QStringList texts() const {
        QStringList all;
        for (const Shown& s : shown)
            all << s.text;
        return all;
    }
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
