// The main window's client area as the background painter leaves it, read back
// as pixels from the MDI area.
#include "app/frm_main.h"
#include "fakes/fake_client.h"
#include "fakes/recorders.h"

#include <QAction>
#include <QMdiArea>
#include <QPainter>
#include <QStyle>
#include <QTest>

namespace {

struct Harness {
    FakeClient client;
    FakeAutomationFactory factory{client};
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingPause pause;
    frmMain window{AppServices{boxes, shell, pause, factory, QDir::tempPath()}};

    Harness() {
        window.MDIForm_Load();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the main window was not shown");
    }
    void trigger(const char* name) {
        auto* action = window.findChild<QAction*>(QLatin1String(name));
        if (!action)
            qFatal("no action %s", name);
        action->trigger();
    }
    QImage area() const {
        return window.mdiArea()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    qint64 backgroundKey() const {
        return window.mdiArea()->background().textureImage().cacheKey();
    }
};

// The logo as it shows over a white background.
QImage logoOnWhite() {
    const QImage logo(QStringLiteral(":/pellorin/logo.gif"));
    QImage composed(logo.size(), QImage::Format_RGB32);
    composed.fill(Qt::white);
    QPainter(&composed).drawImage(0, 0, logo);
    return composed;
}

// Where the area differs from plain white, as "x,y", or empty.
QString firstNonWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return QStringLiteral("%1,%2").arg(x).arg(y);
    return {};
}

// Where the area is not the logo tiled from its top-left corner, or empty: every
// tile origin has the logo's top-left pixel and every whole tile is the logo.
QString firstOffTile(const QImage& image) {
    const QImage logo = logoOnWhite();
    for (int x = 0; x < image.width(); x += logo.width())
        for (int y = 0; y < image.height(); y += logo.height()) {
            const bool whole =
                x + logo.width() <= image.width() && y + logo.height() <= image.height();
            if (image.pixel(x, y) != logo.pixel(0, 0) ||
                (whole && image.copy(x, y, logo.width(), logo.height()) != logo))
                return QStringLiteral("tile at %1,%2").arg(x).arg(y);
        }
    return {};
}

// Every menu item's name, text and state.
QStringList menuState(const frmMain& window) {
    QStringList rows;
    for (const QAction* a : window.findChildren<QAction*>())
        if (a->objectName().startsWith(QLatin1String("mnu")))
            rows << QStringLiteral("%1|%2|%3%4%5%6")
                        .arg(a->objectName(), a->text())
                        .arg(a->isEnabled())
                        .arg(a->isVisible())
                        .arg(a->isCheckable())
                        .arg(a->isChecked());
    return rows;
}

} // namespace

class TestMdiBackground : public QObject {
    Q_OBJECT
private slots:
    void startsPlainWhiteAndHideLogoFirstKeepsItWhite();
    void showLogoTilesTheLogoFromTheTopLeftCorner();
    void eachCommandTwiceGivesTheSamePictureAndLeavesTheMenus();
    void resizeRepaintsToTheNewSize();
    void minimisedWindowCausesNoWorkUntilRestored();
};

void TestMdiBackground::startsPlainWhiteAndHideLogoFirstKeepsItWhite() {
    Harness h;
    QVERIFY(h.area().width() > 200 && h.area().height() > 100);
    QCOMPARE(firstNonWhite(h.area()), QString());
    h.trigger("mnuHideLogo");
    QCOMPARE(firstNonWhite(h.area()), QString());
    QCOMPARE(h.boxes.shown.size(), size_t(1)); // the attach prompt only
}

void TestMdiBackground::showLogoTilesTheLogoFromTheTopLeftCorner() {
    Harness h;
    h.trigger("mnuShowLogo");
    const QImage area = h.area();
    QVERIFY(area.width() > 2 * 200 && area.height() > 2 * 100);
    QCOMPARE(firstOffTile(area), QString());
    QVERIFY(!firstNonWhite(area).isEmpty());
}

void TestMdiBackground::eachCommandTwiceGivesTheSamePictureAndLeavesTheMenus() {
    Harness h;
    const QStringList menus = menuState(h.window);
    for (const char* command : {"mnuShowLogo", "mnuHideLogo", "mnuShowLogo"}) {
        h.trigger(command);
        const QImage once = h.area();
        h.trigger(command);
        QCOMPARE(h.area(), once);
        QCOMPARE(menuState(h.window), menus);
    }
    h.trigger("mnuHideLogo");
    QCOMPARE(firstNonWhite(h.area()), QString());
    QCOMPARE(h.boxes.shown.size(), size_t(1));
}

void TestMdiBackground::resizeRepaintsToTheNewSize() {
    Harness h;
    h.trigger("mnuShowLogo");
    const QSize before = h.window.mdiArea()->viewport()->size();
    h.window.resize(h.window.size() + QSize(437, 251));
    QTRY_COMPARE(h.window.mdiArea()->viewport()->size(), before + QSize(437, 251));
    QCOMPARE(firstOffTile(h.area()), QString());
    // One scroll bar wider and taller than the area, so it still covers when
    // scroll bars come and go.
    const int scrollBar = h.window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QCOMPARE(h.window.mdiArea()->background().textureImage().size(),
             h.window.mdiArea()->contentsRect().size() + QSize(scrollBar, scrollBar));

    h.window.resize(h.window.size() - QSize(300, 200));
    QTRY_COMPARE(h.window.mdiArea()->viewport()->size(), before + QSize(137, 51));
    QCOMPARE(firstOffTile(h.area()), QString());
}

void TestMdiBackground::minimisedWindowCausesNoWorkUntilRestored() {
    Harness h;
    h.window.showMinimized();
    QVERIFY(h.window.isMinimized());
    const qint64 minimised = h.backgroundKey();
    h.window.resize(h.window.size() + QSize(100, 100));
    QCOMPARE(h.backgroundKey(), minimised);

    h.window.showNormal();
    QVERIFY(h.backgroundKey() != minimised);
    QCOMPARE(h.window.mdiArea()->background().textureImage().width(),
             h.window.mdiArea()->contentsRect().width() +
                 h.window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

QTEST_MAIN(TestMdiBackground)
#include "tst_mdi_background.moc"
