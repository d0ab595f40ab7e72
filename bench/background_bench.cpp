// Composing the main window's background at 1920 x 1080: the white gradient without
// a graphic, the logo tiled and the logo stretched, each through the painter on its
// Qt surface and handed to an MDI area, beside a baseline measured in the same run
// (one fillRect and one drawTiledPixmap of the logo over an image of the surface's
// size). Then a drag resize of the real main window, step by step, beside the same
// drag of the main window with a plain white area. Each window is dragged once
// before it is measured: a window growing into memory the process never touched
// before pays for the operating system's first touch of every page, for the
// window's own backing store as much as for the background.
//
//   background_bench [--compositions N] [--steps N]

#include "app/app_services.h"
#include "app/frm_main.h"
#include "background/c_mdi_background.h"
#include "background/picture.h"
#include "background/qt_mdi_client.h"
#include "background/qt_window_system.h"
#include "bench_support.h"
#include "platform/pause.h"
#include "platform/qt_notification_icon.h"
#include "platform/shell_open.h"
#include "platform/units.h"
#include "silent_messages.h"
#include "client/desktop_api/dbus_automation.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QPainter>
#include <QPixmap>

#include <cstdio>
#include <cstring>
#include <vector>

using BenchSupport::figures;
using BenchSupport::timeMicros;

namespace {

constexpr QSize ClientArea(1920, 1080);
constexpr double TargetRatio = 2.0;
constexpr double FrameMicros = 16000.0;

int option(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

void print(const char* what, const std::vector<double>& micros) {
    const BenchSupport::Figures f = figures(micros);
    std::printf("  %-34s median %8.0f us   p99 %8.0f us\n", what, f.median, f.p99);
}

// A drag resize of `window` in `steps` steps, each shown before the next: the
// time of each step, from the resize to the whole window repainted (the window
// system would otherwise paint a moment later, outside the timing).
std::vector<double> drag(QWidget& window, int steps) {
    const QSize start(800, 600);
    window.resize(start);
    QCoreApplication::processEvents();
    std::vector<double> micros;
    for (int i = 1; i <= steps; ++i) {
        const QSize size = start + QSize(11 * i, 6 * i);
        micros.push_back(timeMicros([&] {
            window.resize(size);
            QCoreApplication::processEvents();
            window.repaint();
        }));
    }
    return micros;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int compositions = option(argc, argv, "--compositions", 200);
    const int steps = option(argc, argv, "--steps", 100);
    if (compositions < 1 || steps < 1)
        BenchSupport::fail("background_bench", QStringLiteral("counts must be positive"));

    // The painter over an MDI area whose client area is 1920 x 1080.
    QMdiArea area;
    area.resize(ClientArea);
    QtWindowSystem windowSystem;
    QtMdiClient client(&area, &area, windowSystem);
    CMdiBackground painter(windowSystem);
    painter.setClient(&client);
    painter.setColor(0, 0x00FFFFFF);
    painter.setColor(1, 0x00FFFFFF);
    painter.setBackStyle(1);
    const QImage logoImage(QStringLiteral(":/pellorin/logo.gif"));
    const auto logo = std::make_shared<Picture>(logoImage, Units::screenDpi());
    const QSize surface = area.background().textureImage().size();

    QImage baselineImage(surface, QImage::Format_RGB32);
    const QPixmap logoPixmap = QPixmap::fromImage(logoImage);
    const auto baseline = [&] {
        QPainter p(&baselineImage);
        p.fillRect(baselineImage.rect(), Qt::white);
        p.drawTiledPixmap(baselineImage.rect(), logoPixmap);
    };

    std::vector<double> gradient, tiled, stretched, base;
    for (int i = 0; i < compositions + 10; ++i) {
        // AutoRefresh is off: the setters only store, Refresh composes.
        painter.setGraphic(nullptr);
        painter.setGraphicPosition(0);
        const double a = timeMicros([&] { painter.Refresh(); });
        painter.setGraphic(logo);
        painter.setGraphicPosition(CMdiBackground::Tiled);
        const double b = timeMicros([&] { painter.Refresh(); });
        painter.setGraphicPosition(CMdiBackground::Stretched);
        const double c = timeMicros([&] { painter.Refresh(); });
        const double d = timeMicros(baseline);
        if (i < 10)
            continue; // warm-up
        gradient.push_back(a);
        tiled.push_back(b);
        stretched.push_back(c);
        base.push_back(d);
    }

    std::printf("Background composition: client area %dx%d, surface %dx%d px, logo %dx%d px "
                "(%dx%d HIMETRIC), %d compositions each\n",
                ClientArea.width(), ClientArea.height(), surface.width(), surface.height(),
                logoImage.width(), logoImage.height(), logo->widthHimetric(),
                logo->heightHimetric(), compositions);
    print("baseline fillRect + drawTiledPixmap", base);
    print("(a) white gradient, no graphic", gradient);
    print("(b) logo tiled", tiled);
    print("(c) logo stretched", stretched);
    const double tiledMedian = figures(tiled).median;
    const double baseMedian = figures(base).median;
    const double ratio = tiledMedian / baseMedian;
    std::printf("  tiled / baseline (medians): %.2fx (target within %.1fx); tiled median %s "
                "one frame (%.0f us)\n",
                ratio, TargetRatio, tiledMedian < FrameMicros ? "under" : "OVER", FrameMicros);

    // Drag resize through the real main window, logo tiled, beside the same window
    // with a plain white area and no painter.
    SilentMessages messages;
    DesktopShellOpen shell;
    QtNotificationIcon tray;
    ThreadPause pause;
    DBusAutomationFactory automation;
    const AppServices services{messages, shell, pause, automation, tray, QDir::tempPath()};
    std::vector<double> painted, plain;
    {
        frmMain window(services);
        window.MDIForm_Load();
        window.show();
        window.findChild<QAction*>(QStringLiteral("mnuShowLogo"))->trigger();
        drag(window, steps); // the same drag once before, so memory is not new to either
        painted = drag(window, steps);
    }
    {
        frmMain window(services);
        window.mdiArea()->setBackground(Qt::white);
        window.show();
        drag(window, steps);
        plain = drag(window, steps);
    }
    std::printf("\nDrag resize of the main window, %d steps from 800x600 by 11x6 px, each step "
                "resized and repainted (after one unmeasured drag)\n",
                steps);
    print("baseline: plain white area", plain);
    print("painter, logo tiled", painted);
    std::printf("  painter / baseline (medians): %.2fx\n",
                figures(painted).median / figures(plain).median);
    return 0;
}
