#pragma once

#include "background/drawing_surface.h"
#include "background/mdi_client.h"
#include "background/window_system.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// The background painter's window system, client window and surface as recorders:
// every operation goes into one shared log, in order, with its arguments. Reads
// start with "get ". An operation whose record starts with `failOn` fails.
class BackgroundLog {
public:
    std::vector<std::string> ops;
    std::string failOn;
    int failNumber = 5;

    void record(const std::string& op);
    // The log without the reads.
    std::vector<std::string> changes() const;
    // The changes that start with `prefix`.
    std::vector<std::string> only(const std::string& prefix) const;
    size_t count(const std::string& prefix) const { return only(prefix).size(); }
};

// Numbers as the log writes them: integers without a fraction, colours in hex.
std::string logNumber(double value);
std::string logColor(ColorValue color);

class RecordingWindowSystem : public WindowSystem {
public:
    explicit RecordingWindowSystem(BackgroundLog& log) : m_log(log) {}

    std::map<int, ColorValue> sysColors{{WindowSystem::AppWorkspace, 0x00808080}};
    int scrollBar = 17;
    double twipsPerPixel = 15;
    std::set<WindowHandle> windows; // the handles that exist

    ColorValue sysColor(int index) const override;
    int systemMetric(int index) const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    bool isWindow(WindowHandle handle) const override;
    void refreshFrame(WindowHandle handle) override;

private:
    BackgroundLog& m_log;
};

class RecordingSurface : public DrawingSurface {
public:
    RecordingSurface(BackgroundLog& log, WindowHandle handle) : m_log(log), m_handle(handle) {}

    void setAutoRedraw(bool on) override;
    void setBorderStyle(int style) override;
    void setClipControls(bool on) override;
    WindowHandle hWnd() const override;
    WindowHandle handle() const { return m_handle; } // unrecorded
    void move(double left, double top, double width, double height) override;
    void setBackColor(ColorValue color) override;
    int scaleMode() const override;
    void setScaleMode(int mode) override;
    void setScaleLeft(double value) override;
    void setScaleTop(double value) override;
    void setScaleWidth(double value) override;
    void setScaleHeight(double value) override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    float scaleX(float value, int fromMode, int toMode) const override;
    float scaleY(float value, int fromMode, int toMode) const override;
    void fillBox(double x1, double y1, double x2, double y2, ColorValue color) override;
    void paintPicture(const Picture& picture, double x, double y) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    QImage image() override;

private:
    float convert(float value, int fromMode, int toMode, double twipsPerUser) const;

    BackgroundLog& m_log;
    WindowHandle m_handle;
    // Twips; the scale is twips (1) or the user's (0).
    double m_width = 0;
    double m_height = 0;
    int m_scaleMode = 1;
    double m_scaleWidth = 0;
    double m_scaleHeight = 0;
};

// A client window of a given inner size; its controls are recording surfaces.
class RecordingClient : public MdiClient {
public:
    RecordingClient(BackgroundLog& log, RecordingWindowSystem& system, WindowHandle handle,
                    double width, double height);

    int state = MdiClient::Normal;
    double width;
    double height;
    std::map<QString, std::unique_ptr<RecordingSurface>> controls;

    int windowState() const override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    WindowHandle hWnd() const override;
    DrawingSurface& addSurface(const QString& name) override;
    void removeSurface(const QString& name) override;
    void setPicture(const QImage& picture) override;

private:
    BackgroundLog& m_log;
    RecordingWindowSystem& m_system;
    WindowHandle m_handle;
    WindowHandle m_nextSurface;
};
