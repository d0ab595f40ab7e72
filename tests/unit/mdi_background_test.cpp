#include "background/c_mdi_background.h"
#include "background/picture.h"
#include "fakes/recording_background.h"
#include "platform/run_time_error.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Ops = std::vector<std::string>;

constexpr WindowHandle ClientHandle = 100;
constexpr ColorValue White = 0x00FFFFFF;

// A painter over a recording client window of 9000 x 6000 twips, with 17-pixel
// scroll bars and 15 twips per pixel.
struct Rig {
    BackgroundLog log;
    RecordingWindowSystem system{log};
    RecordingClient client{log, system, ClientHandle, 9000, 6000};
    CMdiBackground painter{system};

    void attach() {
        painter.setClient(&client);
        log.ops.clear();
    }
    // The log since the last call.
    Ops take() {
        Ops ops = log.changes();
        log.ops.clear();
        return ops;
    }
    size_t paints() const { return log.count("RefreshFrame"); }
};

// A graphic of the given HIMETRIC size; 5292 x 2646 is 3000 x 1500 twips.
PictureRef graphic(qint32 width = 5292, qint32 height = 2646) {
    return std::make_shared<Picture>(QImage(), width, height);
}

std::string band(int i, ColorValue color) {
    return "Line 0 " + std::to_string(i - 1) + " 1 " + std::to_string(i) + " " + logColor(color) +
           " BF";
}

TEST(MdiBackground, ConstructionDefaults) {
    Rig rig;
    EXPECT_FALSE(rig.painter.AutoRefresh());
    EXPECT_EQ(rig.painter.BackStyle(), 0);
    EXPECT_EQ(rig.painter.Color(0), 0x8000000Cu);
    EXPECT_EQ(rig.painter.Color(1), 0x8000000Cu);
    EXPECT_EQ(rig.painter.GraphicPosition(), 0);
    EXPECT_EQ(rig.painter.Graphic(), nullptr);
    EXPECT_EQ(rig.painter.Client(), nullptr);
    EXPECT_TRUE(rig.log.ops.empty());
}

TEST(MdiBackground, SettingTheClientAddsTheSurfaceAndPaintsThoughAutoRefreshIsOff) {
    Rig rig;
    rig.painter.setClient(&rig.client);
    EXPECT_EQ(rig.painter.Client(), &rig.client);
    const Ops expected = {"Add mdiBackPicture to 100",
                          "AutoRedraw true",
                          "BorderStyle 0",
                          "ClipControls false",
                          "Move 0 0 9255 6255",
                          "BackColor 0x8000000C", // unresolved: the surface resolves it
                          "Picture 100",
                          "RefreshFrame 100"};
    EXPECT_EQ(rig.log.changes(), expected);
    EXPECT_EQ(rig.log.count("get GetSysColor"), 0u);
}

// One setter that only stores while AutoRefresh is off.
struct SetterRow {
    const char* name;
    std::function<void(CMdiBackground&)> set;
    std::function<bool(const CMdiBackground&)> stored;
};

class MdiBackgroundSetter : public ::testing::TestWithParam<SetterRow> {};

TEST_P(MdiBackgroundSetter, OnlyStoresWhileAutoRefreshIsOffAndPaintsOnceWhileOn) {
    Rig rig;
    rig.attach();
    GetParam().set(rig.painter);
    EXPECT_TRUE(GetParam().stored(rig.painter));
    EXPECT_EQ(rig.take(), Ops{});

    rig.painter.setAutoRefresh(true);
    EXPECT_EQ(rig.paints(), 1u);
    rig.take();
    GetParam().set(rig.painter);
    EXPECT_EQ(rig.paints(), 1u);
    rig.take();
    rig.painter.setAutoRefresh(false);
    EXPECT_EQ(rig.take(), Ops{});
}

const PictureRef Logo = graphic();

INSTANTIATE_TEST_SUITE_P(
    Table, MdiBackgroundSetter,
    ::testing::Values(SetterRow{"BackStyle", [](CMdiBackground& p) { p.setBackStyle(7); },
                                [](const CMdiBackground& p) { return p.BackStyle() == 7; }},
                      SetterRow{"Color", [](CMdiBackground& p) { p.setColor(1, 0x123456); },
                                [](const CMdiBackground& p) { return p.Color(1) == 0x123456; }},
                      SetterRow{"Graphic", [](CMdiBackground& p) { p.setGraphic(Logo); },
                                [](const CMdiBackground& p) { return p.Graphic() == Logo; }},
                      SetterRow{"GraphicPosition",
                                [](CMdiBackground& p) { p.setGraphicPosition(-3); },
                                [](const CMdiBackground& p) { return p.GraphicPosition() == -3; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MdiBackground, ColorIndexOtherThanZeroOrOneStoresNothingAndReadsZero) {
    Rig rig;
    rig.attach();
    rig.painter.setAutoRefresh(true);
    rig.take();
    rig.painter.setColor(2, White);
    EXPECT_EQ(rig.paints(), 1u); // the repaint still follows
    EXPECT_EQ(rig.painter.Color(0), 0x8000000Cu);
    EXPECT_EQ(rig.painter.Color(1), 0x8000000Cu);
    EXPECT_EQ(rig.painter.Color(2), 0u);
    EXPECT_EQ(rig.painter.Color(-1), 0u);
}

// A gradient and the colours of some of its bands (counted from 1, at the top).
struct GradientRow {
    const char* name;
    qint32 backStyle;
    ColorValue start;
    ColorValue end;
    std::map<int, ColorValue> bands; // band 0 stands for all 64
};

class MdiBackgroundGradient : public ::testing::TestWithParam<GradientRow> {};

TEST_P(MdiBackgroundGradient, BandsStepByTheTruncatedDifference) {
    Rig rig;
    rig.attach();
    rig.painter.setColor(0, GetParam().start);
    rig.painter.setColor(1, GetParam().end);
    rig.painter.setBackStyle(GetParam().backStyle);
    rig.painter.Refresh();
    const Ops lines = rig.log.only("Line");
    ASSERT_EQ(lines.size(), 64u);
    for (const auto& [i, color] : GetParam().bands) {
        if (i == 0) {
            for (int all = 1; all <= 64; ++all)
                EXPECT_EQ(lines[all - 1], band(all, color));
        } else {
            EXPECT_EQ(lines[i - 1], band(i, color));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MdiBackgroundGradient,
    ::testing::Values(
        GradientRow{"WhiteToWhite", 1, White, White, {{0, White}}},
        GradientRow{"BlackToWhite",
                    1,
                    0,
                    White,
                    {{1, 0}, {2, 0x030303}, {3, 0x060606}, {64, 0xBDBDBD}}},    // 189, not 255
        GradientRow{"WhiteToBlack", 1, White, 0, {{1, White}, {64, 0x424242}}}, // 66
        GradientRow{"BlackToDarkRed", 1, 0, 0x00003F, {{0, 0}}}, // a difference under 64
        GradientRow{"ChannelsApart", 1, 0x00FF8000, 0x000080FF, {{1, 0x00FF8000}, {2, 0x00FC8003}}},
        GradientRow{"TopByteIgnored", 1, 0x7FFFFFFF, 0x7F000000, {{64, 0x424242}}},
        GradientRow{"BackStyleTwo", 2, White, White, {{0, White}}},
        GradientRow{"BackStyleMinusOne", -1, 0, White, {{64, 0xBDBDBD}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MdiBackground, GradientBandsFillAUserScaleOneWideAndSixtyFourHigh) {
    Rig rig;
    rig.attach();
    rig.painter.setBackStyle(1);
    rig.painter.Refresh();
    Ops expected = {"ScaleMode 0", "ScaleTop 0", "ScaleHeight 64", "ScaleLeft 0", "ScaleWidth 1"};
    for (int i = 1; i <= 64; ++i)
        expected.push_back(band(i, 0x808080));
    expected.insert(expected.end(), {"ScaleMode 1", "Picture 100", "RefreshFrame 100"});
    EXPECT_EQ(rig.take(), expected);
}

TEST(MdiBackground, SystemColoursAreResolvedForTheGradientOnly) {
    Rig rig;
    rig.system.sysColors[5] = 0x00000000;
    rig.attach();
    rig.painter.setColor(1, 0x80000005);
    rig.painter.setBackStyle(1);
    rig.painter.Refresh();
    EXPECT_EQ(rig.log.only("Line").front(), band(1, 0x808080));
    EXPECT_EQ(rig.log.only("Line").back(), band(64, 0x020202)); // 128 - 63 * 2
    EXPECT_EQ(std::count(rig.log.ops.begin(), rig.log.ops.end(), "get GetSysColor 12"), 1);
    EXPECT_EQ(std::count(rig.log.ops.begin(), rig.log.ops.end(), "get GetSysColor 5"), 1);
    rig.take();

    rig.painter.setBackStyle(0);
    rig.painter.Refresh();
    EXPECT_EQ(rig.log.only("BackColor"), Ops{"BackColor 0x8000000C"});
    EXPECT_EQ(rig.log.count("get GetSysColor"), 0u);
}

// Placing a graphic on the surface that step F gives for a client, scroll bars
// and graphic.
struct PlacementRow {
    const char* name;
    qint32 position;
    double clientWidth;
    double clientHeight;
    int scrollBar;
    PictureRef graphic;
    Ops drawn;
};

class MdiBackgroundPlacement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(MdiBackgroundPlacement, DrawsTheGraphicWhereItsPositionSays) {
    Rig rig;
    rig.client.width = GetParam().clientWidth;
    rig.client.height = GetParam().clientHeight;
    rig.system.scrollBar = GetParam().scrollBar;
    rig.attach();
    rig.painter.setGraphic(GetParam().graphic);
    rig.painter.setGraphicPosition(GetParam().position);
    rig.painter.Refresh();
    EXPECT_EQ(rig.log.only("PaintPicture"), GetParam().drawn);
    // The fill comes first and the image is handed over, graphic or not.
    const Ops changes = rig.take();
    EXPECT_EQ(changes.front(), "BackColor 0x8000000C");
    EXPECT_EQ(Ops(changes.end() - 2, changes.end()), (Ops{"Picture 100", "RefreshFrame 100"}));
}

Ops tiles(std::initializer_list<int> xs, std::initializer_list<int> ys) {
    Ops ops;
    for (int x : xs)
        for (int y : ys)
            ops.push_back("PaintPicture " + std::to_string(x) + " " + std::to_string(y));
    return ops;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MdiBackgroundPlacement,
    ::testing::Values(
        PlacementRow{"NotDrawnAtZero", 0, 9000, 6000, 17, graphic(), {}},
        PlacementRow{"NotDrawnAtFour", 4, 9000, 6000, 17, graphic(), {}},
        PlacementRow{"NoGraphic", 2, 9000, 6000, 17, nullptr, {}},
        PlacementRow{"Centred", 1, 9000, 6000, 17, graphic(), {"PaintPicture 3127 2377"}},
        PlacementRow{"Tiled", 2, 9000, 6000, 17, graphic(),
                     tiles({0, 3000, 6000, 9000}, {0, 1500, 3000, 4500, 6000})},
        PlacementRow{"Stretched", 3, 9000, 6000, 17, graphic(), {"PaintPicture 0 0 9255 6255"}},
        PlacementRow{
            "CentredWiderThanTheSurface", 1, 2899, 1500, 0, graphic(), {"PaintPicture -50 0"}},
        PlacementRow{"TiledExactMultiple", 2, 9000, 1500, 0, graphic(),
                     tiles({0, 3000, 6000, 9000}, {0, 1500})},
        PlacementRow{
            "TiledGraphicLargerThanTheSurface", 2, 100, 100, 0, graphic(), {"PaintPicture 0 0"}},
        PlacementRow{"EmptyGraphicTiled", 2, 9000, 6000, 17, graphic(0, 2646), {}},
        PlacementRow{"EmptyGraphicCentred", 1, 9000, 6000, 17, graphic(5292, 0), {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Step F: the surface is one scroll bar wider and taller than the client area,
// rounded to the nearest twip with ties to even.
struct SizeRow {
    const char* name;
    double clientWidth;
    double clientHeight;
    int scrollBar;
    double twipsPerPixel;
    std::string moved;
};

class MdiBackgroundSurfaceSize : public ::testing::TestWithParam<SizeRow> {};

TEST_P(MdiBackgroundSurfaceSize, ClientAreaPlusAScrollBar) {
    Rig rig;
    rig.client.width = GetParam().clientWidth;
    rig.client.height = GetParam().clientHeight;
    rig.system.scrollBar = GetParam().scrollBar;
    rig.system.twipsPerPixel = GetParam().twipsPerPixel;
    rig.painter.setClient(&rig.client);
    EXPECT_EQ(rig.log.only("Move"), Ops{GetParam().moved});
}

INSTANTIATE_TEST_SUITE_P(
    Table, MdiBackgroundSurfaceSize,
    ::testing::Values(SizeRow{"WorkedExample", 9000, 6000, 17, 15, "Move 0 0 9255 6255"},
                      SizeRow{"TiesToEven", 8999.5, 6000.5, 17, 15, "Move 0 0 9254 6256"},
                      SizeRow{"LargerPixels", 9000, 6000, 16, 12, "Move 0 0 9192 6192"},
                      SizeRow{"EmptyClient", 0, 0, 17, 15, "Move 0 0 255 255"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MdiBackground, MinimisedClientIsIgnoredAndTheNextRestorePaints) {
    Rig rig;
    rig.attach();
    rig.client.state = MdiClient::Minimized;
    rig.client.width = 12000;
    rig.client.raiseResize();
    EXPECT_EQ(rig.take(), Ops{});

    rig.client.state = MdiClient::Normal;
    rig.client.raiseResize();
    EXPECT_EQ(rig.log.only("Move"), Ops{"Move 0 0 12255 6255"});
    EXPECT_EQ(rig.paints(), 1u);
    rig.take();
    rig.client.state = MdiClient::Maximized;
    rig.client.raiseResize();
    EXPECT_EQ(rig.paints(), 1u);
}

TEST(MdiBackground, NoClientMeansNoSurfaceNoDrawingAndNoError) {
    Rig rig;
    rig.attach();
    rig.painter.setClient(nullptr);
    EXPECT_EQ(rig.take(), Ops{"Remove mdiBackPicture from 100"});
    EXPECT_TRUE(rig.client.controls.empty());
    EXPECT_EQ(rig.painter.Client(), nullptr);

    rig.painter.setAutoRefresh(true);
    rig.painter.setBackStyle(1);
    rig.painter.setColor(0, White);
    rig.painter.setGraphic(graphic());
    rig.painter.setGraphicPosition(2);
    rig.painter.Refresh();
    rig.client.raiseResize(); // no longer subscribed
    rig.painter.setClient(nullptr);
    EXPECT_TRUE(rig.log.ops.empty());
    EXPECT_EQ(rig.painter.GraphicPosition(), 2);
}

TEST(MdiBackground, SettingTheSameWindowAgainReplacesTheSurface) {
    Rig rig;
    rig.attach();
    rig.painter.setClient(&rig.client);
    const Ops changes = rig.take();
    ASSERT_GE(changes.size(), 3u);
    EXPECT_EQ(Ops(changes.begin(), changes.begin() + 2),
              (Ops{"Remove mdiBackPicture from 100", "Add mdiBackPicture to 100"}));
    EXPECT_EQ(changes.back(), "RefreshFrame 100");
    EXPECT_EQ(rig.client.controls.size(), 1u);
    rig.client.raiseResize(); // subscribed once, not twice
    EXPECT_EQ(rig.paints(), 1u);
}

TEST(MdiBackground, SecondPainterOnAWindowWithASurfaceFailsOnClient) {
    Rig rig;
    rig.attach();
    CMdiBackground second(rig.system);
    try {
        second.setClient(&rig.client);
        FAIL() << "no error reached the caller";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 727);
    }
    EXPECT_EQ(second.Client(), &rig.client); // stays stored, without a surface
    rig.take();
    second.Refresh();
    EXPECT_EQ(rig.take(), Ops{});
    rig.client.raiseResize(); // only the first paints
    EXPECT_EQ(rig.paints(), 1u);
    rig.take();
    second.setClient(nullptr); // does not take the first painter's surface
    EXPECT_EQ(rig.take(), Ops{});
    EXPECT_EQ(rig.client.controls.size(), 1u);
}

// A failing step reaches the caller of the operation that started the work, and
// the value set stays stored.
struct FailureRow {
    const char* name;
    const char* failOn;
    std::function<void(Rig&)> act;
    std::function<bool(const Rig&)> stored;
};

class MdiBackgroundFailure : public ::testing::TestWithParam<FailureRow> {};

TEST_P(MdiBackgroundFailure, ReachesTheCallerAndTheValueStaysStored) {
    Rig rig;
    rig.attach();
    rig.painter.setAutoRefresh(true);
    rig.painter.setGraphic(graphic());
    rig.log.failOn = GetParam().failOn;
    rig.log.failNumber = 481;
    try {
        GetParam().act(rig);
        FAIL() << "no error reached the caller";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 481);
    }
    EXPECT_TRUE(GetParam().stored(rig));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MdiBackgroundFailure,
    ::testing::Values(FailureRow{"BackStyle", "Line", [](Rig& r) { r.painter.setBackStyle(1); },
                                 [](const Rig& r) { return r.painter.BackStyle() == 1; }},
                      FailureRow{"GraphicPosition", "PaintPicture",
                                 [](Rig& r) { r.painter.setGraphicPosition(1); },
                                 [](const Rig& r) { return r.painter.GraphicPosition() == 1; }},
                      FailureRow{"Color", "BackColor", [](Rig& r) { r.painter.setColor(0, 0xFF); },
                                 [](const Rig& r) { return r.painter.Color(0) == 0xFF; }},
                      FailureRow{"Refresh", "RefreshFrame", [](Rig& r) { r.painter.Refresh(); },
                                 [](const Rig&) { return true; }},
                      FailureRow{"Resize", "Move", [](Rig& r) { r.client.raiseResize(); },
                                 [](const Rig&) { return true; }},
                      FailureRow{"NewClientStaysWithoutSurface", "Add",
                                 [](Rig& r) { r.painter.setClient(&r.client); },
                                 [](const Rig& r) {
                                     return r.painter.Client() == &r.client &&
                                            r.client.controls.empty();
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MdiBackground, DetachingSkipsAFailingRemove) {
    Rig rig;
    rig.attach();
    rig.log.failOn = "Remove";
    rig.painter.setClient(nullptr);
    EXPECT_EQ(rig.painter.Client(), nullptr);
    rig.log.failOn.clear();
    rig.painter.Refresh();
    EXPECT_EQ(rig.paints(), 0u);
}

TEST(MdiBackground, SurfaceAlreadyGoneIsForgottenWithTheClient) {
    Rig rig;
    rig.attach();
    rig.system.windows.erase(rig.client.controls.begin()->second->handle());
    rig.client.controls.clear();
    rig.painter.setClient(nullptr);
    EXPECT_EQ(rig.take(), Ops{});
    rig.painter.Refresh();
    EXPECT_EQ(rig.take(), Ops{});
}

TEST(MdiBackground, DestructionRemovesTheSurfaceEvenWhenThatFails) {
    for (const char* failOn : {"", "Remove"}) {
        BackgroundLog log;
        RecordingWindowSystem system{log};
        RecordingClient client{log, system, ClientHandle, 9000, 6000};
        {
            CMdiBackground painter(system);
            painter.setClient(&client);
            log.ops.clear();
            log.failOn = failOn;
        }
        EXPECT_EQ(log.changes(), Ops{"Remove mdiBackPicture from 100"}) << failOn;
        client.raiseResize(); // the painter is gone and no longer subscribed
    }
}

TEST(MdiBackground, PictureSizeFromPixelsAndResolution) {
    const Picture logo(QImage(200, 100, QImage::Format_RGB32), 96.0);
    EXPECT_EQ(logo.widthHimetric(), 5292);
    EXPECT_EQ(logo.heightHimetric(), 2646);
    const Picture large(QImage(200, 100, QImage::Format_RGB32), 120.0);
    EXPECT_EQ(large.widthHimetric(), 4233);
}

} // namespace
