#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QMdiArea;

// Base of the program's child windows: a fixed client area inside the main
// window, filled by Form_Load each time the window is loaded.
class MdiChildForm : public QWidget {
    Q_OBJECT
public:
    explicit MdiChildForm(QWidget* parent = nullptr);

    // The window's load step. May throw RunTimeError; the window is then not loaded.
    virtual void Form_Load() = 0;

    // Moves the window inside the main window's client area (twips).
    void Move(int leftTwips, int topTwips);

protected:
    // The client area at design, in twips; the window is not resizable.
    void setClientSizeTwips(int width, int height);
};

// One program-wide instance of a window class. Reaching it creates and loads the
// window when it is not loaded (Form_Load runs to its end) and displays it as a
// child of the main window's MDI area. Closing the window unloads it; the next
// reach loads it again.
class WindowInstanceBase {
public:
    using Factory = std::function<std::unique_ptr<MdiChildForm>()>;

    WindowInstanceBase(QMdiArea* area, Factory factory);
    ~WindowInstanceBase();
    WindowInstanceBase(const WindowInstanceBase&) = delete;
    WindowInstanceBase& operator=(const WindowInstanceBase&) = delete;

    bool isLoaded() const { return !m_form.isNull() && !m_loading; }
    // The loaded window, loading it first when it is not. Throws while its load
    // step runs.
    MdiChildForm& reachForm();
    // Reaches the window and brings it to the front, modeless.
    void show();
    // Closes the window if it is loaded.
    void unload();
    QMdiSubWindow* subWindow() const { return m_subWindow; }

private:
    QMdiArea* m_area;
    Factory m_factory;
    QPointer<QMdiSubWindow> m_subWindow;
    QPointer<MdiChildForm> m_form;
    bool m_loading = false;
};

template <class Form> class WindowInstance : public WindowInstanceBase {
public:
    WindowInstance(QMdiArea* area, std::function<std::unique_ptr<Form>()> factory)
        : WindowInstanceBase(area, [factory] { return std::unique_ptr<MdiChildForm>(factory()); }) {
    }

    Form& reach() { return static_cast<Form&>(reachForm()); }
    // The window when it is loaded, else null; never loads it.
    Form* loaded() { return isLoaded() ? &static_cast<Form&>(reachForm()) : nullptr; }
};
