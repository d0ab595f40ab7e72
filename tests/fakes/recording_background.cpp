#include "recording_background.h"

#include "background/picture.h"
#include "platform/run_time_error.h"

#include <QString>

void BackgroundLog::record(const std::string& op) {
    ops.push_back(op);
    if (!failOn.empty() && op.rfind(failOn, 0) == 0)
        throw RunTimeError(failNumber, QStringLiteral("%1 failed").arg(QString::fromStdString(op)));
}

std::vector<std::string> BackgroundLog::changes() const {
    return only("");
}

std::vector<std::string> BackgroundLog::only(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& op : ops)
        if (op.rfind("get ", 0) != 0 && op.rfind(prefix, 0) == 0)
            found.push_back(op);
    return found;
}

std::string logNumber(double value) {
    return QString::number(value, 'g', 12).toStdString();
}

std::string logColor(ColorValue color) {
    return "0x" + QStringLiteral("%1").arg(color, 8, 16, QLatin1Char('0')).toUpper().toStdString();
}

ColorValue RecordingWindowSystem::sysColor(int index) const {
    m_log.record("get GetSysColor " + std::to_string(index));
    const auto it = sysColors.find(index);
    return it == sysColors.end() ? 0 : it->second;
}

int RecordingWindowSystem::systemMetric(int index) const {
    m_log.record("get GetSystemMetrics " + std::to_string(index));
    return index == VerticalScrollBarWidth || index == HorizontalScrollBarHeight ? scrollBar : 0;
}

double RecordingWindowSystem::twipsPerPixelX() const {
    m_log.record("get TwipsPerPixelX");
    return twipsPerPixel;
}

double RecordingWindowSystem::twipsPerPixelY() const {
    m_log.record("get TwipsPerPixelY");
    return twipsPerPixel;
}

bool RecordingWindowSystem::isWindow(WindowHandle handle) const {
    m_log.record("get IsWindow " + std::to_string(handle));
    return windows.count(handle) != 0;
}

void RecordingWindowSystem::refreshFrame(WindowHandle handle) {
    m_log.record("RefreshFrame " + std::to_string(handle));
}

void RecordingSurface::setAutoRedraw(bool on) {
    m_log.record(std::string("AutoRedraw ") + (on ? "true" : "false"));
}

void RecordingSurface::setBorderStyle(int style) {
    m_log.record("BorderStyle " + std::to_string(style));
}

void RecordingSurface::setClipControls(bool on) {
    m_log.record(std::string("ClipControls ") + (on ? "true" : "false"));
}

WindowHandle RecordingSurface::hWnd() const {
    m_log.record("get hWnd");
    return m_handle;
}

void RecordingSurface::move(double left, double top, double width, double height) {
    m_log.record("Move " + logNumber(left) + " " + logNumber(top) + " " + logNumber(width) + " " +
                 logNumber(height));
    m_width = width;
    m_height = height;
}

void RecordingSurface::setBackColor(ColorValue color) {
    m_log.record("BackColor " + logColor(color));
}

int RecordingSurface::scaleMode() const {
    m_log.record("get ScaleMode");
    return m_scaleMode;
}

void RecordingSurface::setScaleMode(int mode) {
    m_log.record("ScaleMode " + std::to_string(mode));
    m_scaleMode = mode;
}

void RecordingSurface::setScaleLeft(double value) {
    m_log.record("ScaleLeft " + logNumber(value));
    m_scaleMode = 0;
}

void RecordingSurface::setScaleTop(double value) {
    m_log.record("ScaleTop " + logNumber(value));
    m_scaleMode = 0;
}

void RecordingSurface::setScaleWidth(double value) {
    m_log.record("ScaleWidth " + logNumber(value));
    m_scaleMode = 0;
    m_scaleWidth = value;
}

void RecordingSurface::setScaleHeight(double value) {
    m_log.record("ScaleHeight " + logNumber(value));
    m_scaleMode = 0;
    m_scaleHeight = value;
}

double RecordingSurface::scaleWidth() const {
    m_log.record("get ScaleWidth");
    return m_scaleMode == 0 ? m_scaleWidth : m_width;
}

double RecordingSurface::scaleHeight() const {
    m_log.record("get ScaleHeight");
    return m_scaleMode == 0 ? m_scaleHeight : m_height;
}

float RecordingSurface::convert(float value, int fromMode, int toMode, double twipsPerUser) const {
    // Twips (1), HIMETRIC (8) and the user's scale (0) only.
    const auto twipsPer = [twipsPerUser](int mode) {
        return mode == 8 ? 1440.0 / 2540.0 : mode == 0 ? twipsPerUser : 1.0;
    };
    return static_cast<float>(value * twipsPer(fromMode) / twipsPer(toMode));
}

float RecordingSurface::scaleX(float value, int fromMode, int toMode) const {
    m_log.record("get ScaleX " + logNumber(value) + " " + std::to_string(fromMode) + " " +
                 std::to_string(toMode));
    return convert(value, fromMode, toMode, m_scaleWidth ? m_width / m_scaleWidth : 1);
}

float RecordingSurface::scaleY(float value, int fromMode, int toMode) const {
    m_log.record("get ScaleY " + logNumber(value) + " " + std::to_string(fromMode) + " " +
                 std::to_string(toMode));
    return convert(value, fromMode, toMode, m_scaleHeight ? m_height / m_scaleHeight : 1);
}

void RecordingSurface::fillBox(double x1, double y1, double x2, double y2, ColorValue color) {
    m_log.record("Line " + logNumber(x1) + " " + logNumber(y1) + " " + logNumber(x2) + " " +
                 logNumber(y2) + " " + logColor(color) + " BF");
}

void RecordingSurface::paintPicture(const Picture&, double x, double y) {
    m_log.record("PaintPicture " + logNumber(x) + " " + logNumber(y));
}

void RecordingSurface::paintPicture(const Picture&, double x, double y, double width,
                                    double height) {
    m_log.record("PaintPicture " + logNumber(x) + " " + logNumber(y) + " " + logNumber(width) +
                 " " + logNumber(height));
}

QImage RecordingSurface::image() {
    m_log.record("get Image");
    return QImage();
}

RecordingClient::RecordingClient(BackgroundLog& log, RecordingWindowSystem& system,
                                 WindowHandle handle, double width, double height)
    : width(width), height(height), m_log(log), m_system(system), m_handle(handle),
      m_nextSurface(handle + 1) {
    system.windows.insert(handle);
}

int RecordingClient::windowState() const {
    m_log.record("get WindowState");
    return state;
}

double RecordingClient::scaleWidth() const {
    m_log.record("get Client.ScaleWidth");
    return width;
}

double RecordingClient::scaleHeight() const {
    m_log.record("get Client.ScaleHeight");
    return height;
}

WindowHandle RecordingClient::hWnd() const {
    m_log.record("get Client.hWnd");
    return m_handle;
}

DrawingSurface& RecordingClient::addSurface(const QString& name) {
    m_log.record("Add " + name.toStdString() + " to " + std::to_string(m_handle));
    if (controls.count(name))
        throw RunTimeError(
            727, QStringLiteral("There is already a control with the name '%1'").arg(name));
    auto& surface = controls[name];
    surface = std::make_unique<RecordingSurface>(m_log, m_nextSurface);
    m_system.windows.insert(m_nextSurface++);
    return *surface;
}

void RecordingClient::removeSurface(const QString& name) {
    m_log.record("Remove " + name.toStdString() + " from " + std::to_string(m_handle));
    const auto it = controls.find(name);
    if (it == controls.end())
        throw RunTimeError(730, QStringLiteral("Control '%1' not found").arg(name));
    m_system.windows.erase(it->second->handle());
    controls.erase(it);
}

void RecordingClient::setPicture(const QImage&) {
    m_log.record("Picture " + std::to_string(m_handle));
}
