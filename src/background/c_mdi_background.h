#pragma once

#include "drawing_surface.h"
#include "picture.h"

#include <QtGlobal>

#include <vector>

class MdiClient;
class WindowSystem;

// Paints the client area of an MDI window: a fill (one colour, or a vertical
// gradient of 64 bands between two colours) with an optional graphic over it,
// centred, tiled or stretched. It composes the background on a hidden surface of
// its own on the window and hands the result to the window as its background
// picture, again whenever the window is resized (unless it is minimised) and,
// while AutoRefresh is on, whenever a property changes.
//
// It shows no messages: a failure of the window system while it sets up, sizes or
// paints reaches the caller of the operation that started the work. Values are
// stored before the repaint that follows them, so they stay stored when it fails.
class CMdiBackground {
public:
    // BackStyle 0 fills with Color(0); any other value paints the gradient.
    static constexpr qint32 Solid = 0;
    // GraphicPosition values; any other value leaves the graphic undrawn.
    static constexpr qint32 Centered = 1;
    static constexpr qint32 Tiled = 2;
    static constexpr qint32 Stretched = 3;
    // Construction colours: the application-workspace system colour.
    static constexpr ColorValue DefaultColor = 0x8000000C;
    static constexpr int GradientBands = 64;
    static constexpr const char* SurfaceName = "mdiBackPicture";

    explicit CMdiBackground(WindowSystem& windowSystem);
    ~CMdiBackground();
    CMdiBackground(const CMdiBackground&) = delete;
    CMdiBackground& operator=(const CMdiBackground&) = delete;

    // Paints at once when turned on; turning it off paints nothing.
    void setAutoRefresh(bool NewVal);
    bool AutoRefresh() const { return m_AutoRefresh; }

    void setBackStyle(qint32 NewVal);
    qint32 BackStyle() const { return m_BackStyle; }

    // Detaches from the current client and attaches to `NewClient` (none leaves
    // the painter unattached); with a window given, this always paints.
    void setClient(MdiClient* NewClient);
    MdiClient* Client() const { return m_Client; }

    // Which 0 is the solid colour or the gradient's top colour, 1 the gradient's
    // bottom colour; any other index stores nothing and reads 0.
    void setColor(qint32 Which, ColorValue NewVal);
    ColorValue Color(qint32 Which) const;

    void setGraphic(PictureRef NewPict);
    PictureRef Graphic() const { return m_Graphic; }

    void setGraphicPosition(qint32 NewVal);
    qint32 GraphicPosition() const { return m_GraphicPosition; }

    // Paints now, whatever AutoRefresh says.
    void Refresh();

private:
    void m_Client_Resize();
    void PaintBackground();
    void PlaceGraphic();
    void ResizeSurface();
    void CreateSurface();
    void DetachClient();
    void PaintGradient(DrawingSurface& surface, ColorValue start, ColorValue end);
    std::vector<ColorValue> BuildGradient(qint32 bands, ColorValue start, ColorValue end) const;
    ColorValue ResolveSystemColor(ColorValue color) const;
    static quint8 RedOf(ColorValue color) { return color & 0xFF; }
    static quint8 GreenOf(ColorValue color) { return (color >> 8) & 0xFF; }
    static quint8 BlueOf(ColorValue color) { return (color >> 16) & 0xFF; }

    WindowSystem& m_windowSystem;
    MdiClient* m_Client = nullptr;
    DrawingSurface* m_Surface = nullptr;
    WindowHandle m_SurfaceHwnd = 0;
    PictureRef m_Graphic;
    bool m_AutoRefresh = false;
    ColorValue m_Color0 = DefaultColor;
    ColorValue m_Color1 = DefaultColor;
    qint32 m_BackStyle = Solid;
    qint32 m_GraphicPosition = 0;
};
