#include "c_mdi_background.h"

#include "mdi_client.h"
#include "platform/run_time_error.h"
#include "window_system.h"

#include <cmath>
#include <limits>

namespace {

constexpr int OverflowError = 6;
constexpr ColorValue SystemColorBit = 0x80000000u;

// The integer nearest to x, ties going to the even integer.
qint32 nearest(double x) {
    const double rounded = std::nearbyint(x);
    if (!(rounded >= std::numeric_limits<qint32>::min() &&
          rounded <= std::numeric_limits<qint32>::max()))
        throw RunTimeError(OverflowError,
                           UiText("RunTimeError", QT_TRANSLATE_NOOP("RunTimeError", "Overflow")));
    return static_cast<qint32>(rounded);
}

} // namespace

CMdiBackground::CMdiBackground(WindowSystem& windowSystem) : m_windowSystem(windowSystem) {}

CMdiBackground::~CMdiBackground() {
    m_Graphic.reset();
    try {
        DetachClient();
    } catch (...) {
        // The window system could not say whether the surface still exists: the
        // window goes with it.
    }
}

void CMdiBackground::setAutoRefresh(bool NewVal) {
    m_AutoRefresh = NewVal;
    if (m_AutoRefresh)
        PaintBackground();
}

void CMdiBackground::setBackStyle(qint32 NewVal) {
    m_BackStyle = NewVal;
    if (m_AutoRefresh)
        PaintBackground();
}

void CMdiBackground::setClient(MdiClient* NewClient) {
    MdiClient* const newClient = NewClient;
    DetachClient();
    m_Client = newClient;
    if (m_Client)
        m_Client->subscribeResize(this, [this] { m_Client_Resize(); });
    CreateSurface();
}

void CMdiBackground::setColor(qint32 Which, ColorValue NewVal) {
    if (Which == 0)
        m_Color0 = NewVal;
    else if (Which == 1)
        m_Color1 = NewVal;
    if (m_AutoRefresh)
        PaintBackground();
}

ColorValue CMdiBackground::Color(qint32 Which) const {
    return Which == 0 ? m_Color0 : Which == 1 ? m_Color1 : 0;
}

void CMdiBackground::setGraphic(PictureRef NewPict) {
    m_Graphic = std::move(NewPict);
    if (m_AutoRefresh)
        PaintBackground();
}

void CMdiBackground::setGraphicPosition(qint32 NewVal) {
    m_GraphicPosition = NewVal;
    if (m_AutoRefresh)
        PaintBackground();
}

void CMdiBackground::Refresh() {
    PaintBackground();
}

void CMdiBackground::m_Client_Resize() {
    if (m_Client->windowState() != MdiClient::Minimized)
        ResizeSurface();
}

void CMdiBackground::PaintBackground() {
    if (!m_Surface)
        return;
    if (m_BackStyle == Solid)
        m_Surface->setBackColor(m_Color0); // a system colour is resolved by the surface
    else
        PaintGradient(*m_Surface, m_Color0, m_Color1);
    if (m_Graphic)
        PlaceGraphic();
    m_Client->setPicture(m_Surface->image());
    m_windowSystem.refreshFrame(m_Client->hWnd());
}

void CMdiBackground::PlaceGraphic() {
    const Picture& graphic = *m_Graphic;
    const int mode = m_Surface->scaleMode();
    const qint32 w = nearest(
        m_Surface->scaleX(static_cast<float>(graphic.widthHimetric()), ScaleModes::Himetric, mode));
    const qint32 h = nearest(m_Surface->scaleY(static_cast<float>(graphic.heightHimetric()),
                                               ScaleModes::Himetric, mode));
    // An empty graphic has nothing to show (and tiling it would never end).
    if (w <= 0 || h <= 0)
        return;
    switch (m_GraphicPosition) {
    case Centered: {
        const qint32 x = nearest(m_Surface->scaleWidth() - w) / 2;
        const qint32 y = nearest(m_Surface->scaleHeight() - h) / 2;
        m_Surface->paintPicture(graphic, x, y);
        break;
    }
    case Tiled: {
        // Both ends included: the last column and row start at or before the far
        // edge and the surface clips what lies beyond it.
        const qint32 columns = nearest(m_Surface->scaleWidth()) / w;
        for (qint32 i = 0; i <= columns; ++i) {
            const qint32 rows = nearest(m_Surface->scaleHeight()) / h;
            for (qint32 j = 0; j <= rows; ++j)
                m_Surface->paintPicture(graphic, i * w, j * h);
        }
        break;
    }
    case Stretched: {
        const double width = m_Surface->scaleWidth();
        const double height = m_Surface->scaleHeight();
        m_Surface->paintPicture(graphic, 0, 0, width, height);
        break;
    }
    default:
        break;
    }
}

void CMdiBackground::ResizeSurface() {
    if (!m_Surface)
        return;
    // One scroll bar wider and one taller than the client area, so the picture
    // still covers it when the client's scroll bars come and go.
    const int scrollBarWidth = m_windowSystem.systemMetric(WindowSystem::VerticalScrollBarWidth);
    const double twipsPerPixelX = m_windowSystem.twipsPerPixelX();
    const qint32 width = nearest(scrollBarWidth * twipsPerPixelX + m_Client->scaleWidth());
    const int scrollBarHeight =
        m_windowSystem.systemMetric(WindowSystem::HorizontalScrollBarHeight);
    const double twipsPerPixelY = m_windowSystem.twipsPerPixelY();
    const qint32 height = nearest(scrollBarHeight * twipsPerPixelY + m_Client->scaleHeight());
    m_Surface->move(0, 0, width, height);
    PaintBackground();
}

void CMdiBackground::CreateSurface() {
    if (!m_Client)
        return;
    m_Surface = &m_Client->addSurface(QLatin1String(SurfaceName));
    m_Surface->setAutoRedraw(true);
    m_Surface->setBorderStyle(0);
    m_Surface->setClipControls(false);
    m_SurfaceHwnd = m_Surface->hWnd();
    ResizeSurface();
}

void CMdiBackground::DetachClient() {
    if (!m_Client)
        return;
    if (m_windowSystem.isWindow(m_SurfaceHwnd)) {
        // The surface exists: take it away whatever fails on the way.
        try {
            m_Client->removeSurface(QLatin1String(SurfaceName));
        } catch (...) {
        }
    }
    // A surface whose window is already gone is forgotten too, so nothing paints on it.
    m_Surface = nullptr;
    m_Client->unsubscribeResize(this);
    m_Client = nullptr;
}

void CMdiBackground::PaintGradient(DrawingSurface& surface, ColorValue start, ColorValue end) {
    const std::vector<ColorValue> table = BuildGradient(GradientBands, start, end);
    const int mode = surface.scaleMode();
    // One unit wide and one unit per band, whatever the surface's size.
    surface.setScaleMode(ScaleModes::User);
    surface.setScaleTop(0);
    surface.setScaleHeight(GradientBands);
    surface.setScaleLeft(0);
    surface.setScaleWidth(1);
    for (int i = 1; i <= GradientBands; ++i)
        surface.fillBox(0, i - 1, 1, i, table[i - 1]);
    surface.setScaleMode(mode);
}

// Entry i - 1 is band i, counted from the top: per channel, start - (i - 1) * step,
// where the step is the difference divided by the band count and truncated.
std::vector<ColorValue> CMdiBackground::BuildGradient(qint32 bands, ColorValue start,
                                                      ColorValue end) const {
    const ColorValue s = ResolveSystemColor(start);
    const ColorValue e = ResolveSystemColor(end);
    qint16 r = RedOf(s);
    qint16 g = GreenOf(s);
    qint16 b = BlueOf(s);
    const auto step = [bands](qint16 from, quint8 to) {
        return static_cast<qint16>(static_cast<qint16>(from - to) / bands);
    };
    const qint16 dr = step(r, RedOf(e));
    const qint16 dg = step(g, GreenOf(e));
    const qint16 db = step(b, BlueOf(e));
    std::vector<ColorValue> table;
    table.reserve(bands > 0 ? bands : 0);
    for (qint32 i = 1; i <= bands; ++i) {
        table.push_back(static_cast<ColorValue>(r + 256 * g + 65536 * b));
        r = static_cast<qint16>(r - dr);
        g = static_cast<qint16>(g - dg);
        b = static_cast<qint16>(b - db);
    }
    return table;
}

ColorValue CMdiBackground::ResolveSystemColor(ColorValue color) const {
    if (color & SystemColorBit)
        return m_windowSystem.sysColor(static_cast<int>(color & ~SystemColorBit));
    return color;
}
