#pragma once

#include <QString>

class QWidget;

// Message-box styles the program uses: one OK button and an icon.
namespace MsgBoxStyle {
inline constexpr int Exclamation = 48; // failures
inline constexpr int Information = 64; // notices
} // namespace MsgBoxStyle

// A modal message box: returns when the user has closed it.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text, int style, const QString& title) = 0;
};

// The real one: a modal QMessageBox over the given parent (or the active window).
class QtMessageBoxService : public MessageBoxService {
public:
    explicit QtMessageBoxService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void show(const QString& text, int style, const QString& title) override;

private:
    QWidget* m_parent;
};
