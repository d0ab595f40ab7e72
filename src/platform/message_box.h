#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// Message-box styles the program uses: one OK button and an icon.
namespace MsgBoxStyle {
inline constexpr int Exclamation = 48; // failures
inline constexpr int Information = 64; // notices
inline constexpr int Question = 36;    // a question with Yes and No buttons
} // namespace MsgBoxStyle

// A box that has been shown. It stays until the user closes it.
class ShownBox {
public:
    virtual ~ShownBox() = default;
    virtual bool isOpen() const = 0;
    // Replaces the text while the box is open; nothing once it is closed.
    virtual void setText(const QString& text) = 0;
    // Called once when the user closes it (see OneBoxAtATime).
    std::function<void()> onClosed;
};

// Message boxes. Every box is the last thing its handler does, so a handler does
// not wait for its box: show() puts the box up and returns at once. The box is
// modal to the program (the user answers it before using any other window), but
// the program goes on working meanwhile: a call that rings while a box is open is
// handled from the main event loop, never from inside the box.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual std::shared_ptr<ShownBox> show(const QString& text, int style,
                                           const QString& title) = 0;
    // Returns when the user has closed the box: for the notice at start, before
    // anything else happens.
    virtual void showAndWait(const QString& text, int style, const QString& title) = 0;
    // A question with Yes and No buttons; returns when the user has answered it:
    // true for Yes. Like the other boxes it is modal to the program but does not
    // stop it: while it is open, calls that ring are handled (from inside it).
    // One that cannot ask takes No (nothing is changed).
    virtual bool ask(const QString& /*text*/, const QString& /*title*/) { return false; }
};

// The real one: QMessageBox windows over the given parent (or the active window).
class QtMessageBoxService : public MessageBoxService {
public:
    explicit QtMessageBoxService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    std::shared_ptr<ShownBox> show(const QString& text, int style, const QString& title) override;
    void showAndWait(const QString& text, int style, const QString& title) override;
    bool ask(const QString& text, const QString& title) override;

private:
    QPointer<QWidget> m_parent;
};
