#include "background/c_mdi_background.h"
#include "background/picture.h"
#include "fakes/recording_background.h"
#include "platform/run_time_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using Ops = std::vector<std::string>;

constexpr ColorValue White = 0x00FFFFFF;
constexpr ColorValue Workspace = 0x8000000C; // system colour 12, 0x808080 here

// A painter over a recording client window (handle 100) of 9000 x 6000 twips,
// with 17-pixel scroll bars and 15 twips per pixel.
struct Rig {
    BackgroundLog log;
    RecordingWindowSystem system{log};
    RecordingClient client{log, system, 100, 9000, 6000};
    CMdiBackground painter{system};

    void attach() {
        painter.setClient(&client);
        log.ops.clear();
    }
    // What changed since the last call.
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

template <class Error = RunTimeError, class F> int errorNumber(F&& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

TEST(MdiBackground, ConstructionDefaults) {
    Rig rig;
    EXPECT_FALSE(rig.painter.AutoRefresh());
    EXPECT_EQ(rig.painter.BackStyle(), 0);
    EXPECT_EQ(rig.painter.Color(0), Workspace);
    EXPECT_EQ(rig.painter.Color(1), Workspace);
    EXPECT_EQ(rig.painter.GraphicPosition(), 0);
    EXPECT_EQ(rig.painter.Graphic(), nullptr);
    EXPECT_EQ(rig.painter.Client(), nullptr);
    EXPECT_TRUE(rig.log.ops.empty());
}

TEST(MdiBackground, SettingTheClientAddsTheSurfaceAndPaintsThoughAutoRefreshIsOff) {
    Rig rig;
    rig.painter.setClient(&rig.client);
    EXPECT_EQ(rig.take(), (Ops{"Add mdiBackPicture to 100", "AutoRedraw true", "BorderStyle 0",
                               "ClipControls false", "Move 0 0 9255 6255",
                               "BackColor 0x8000000C", // the surface resolves it
                               "Picture 100", "RefreshFrame 100"}));
    EXPECT_EQ(rig.painter.Client(), &rig.client);
}

// A setter that only stores while AutoRefresh is off, and what it stored.
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
                      SetterRow{"ColorTwoStoresNothing",
                                [](CMdiBackground& p) { p.setColor(2, White); },
                                [](const CMdiBackground& p) {
                                    return p.Color(0) == Workspace && p.Color(1) == Workspace &&
                                           p.Color(2) == 0 && p.Color(-1) == 0;
                                }},
                      SetterRow{"Graphic", [](CMdiBackground& p) { p.setGraphic(Logo); },
                                [](const CMdiBackground& p) { return p.Graphic() == Logo; }},
                      SetterRow{"GraphicPosition",
                                [](CMdiBackground& p) { p.setGraphicPosition(-3); },
                                [](const CMdiBackground& p) { return p.GraphicPosition() == -3; }}),
    [](const auto& info) { return std::string(info.param.name); });

// A gradient and some of its bands, counted from 1 at the top (0: all 64).
struct GradientRow {
    const char* name;
    qint32 backStyle;
    ColorValue start;
    ColorValue end;
    std::map<int, ColorValue> bands;
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
    for (const auto& [i, color] : GetParam().bands)
        for (int b = i ? i : 1; b <= (i ? i : 64); ++b)
            EXPECT_EQ(lines[b - 1], band(b, color));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MdiBackgroundGradient,
    ::testing::Values(
        GradientRow{"WhiteToWhite", 1, White, White, {{0, White}}},
        GradientRow{"BlackToWhite", 1, 0, White, {{1, 0}, {2, 0x030303}, {64, 0xBDBDBD}}},
        GradientRow{"WhiteToBlack", 1, White, 0, {{1, White}, {64, 0x424242}}},
        GradientRow{"BlackToDarkRed", 1, 0, 0x00003F, {{0, 0}}},
        // Red rises by 3 (-255 / 64 truncates to -3), blue falls by 3.
        GradientRow{"StepsTruncateTowardZero", 1, 0x00FF8000, 0x000080FF, {{2, 0x00FC8003}}},
        GradientRow{"BackStyleTwo", 2, White, White, {{0, White}}},
        GradientRow{"BackStyleMinusOne", -1, 0, White, {{64, 0xBDBDBD}}},
        // System colours 12 (0x808080) and 5 (black) resolved first.
        GradientRow{"SystemColours", 1, Workspace, 0x80000005, {{1, 0x808080}, {64, 0x020202}}}),
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

    rig.painter.setBackStyle(0); // solid: the system colour goes to the surface unresolved
    rig.painter.Refresh();
    EXPECT_EQ(rig.log.only("BackColor"), Ops{"BackColor 0x8000000C"});
    EXPECT_EQ(rig.log.count("get GetSysColor"), 0u);
}

// Placing a graphic on the surface that a client and its scroll bars give.
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

TEST_P(MdiBackgroundPlacement, DrawsTheGraphicOverTheFillAndHandsTheImageOver) {
    Rig rig;
    rig.client.width = GetParam().clientWidth;
    rig.client.height = GetParam().clientHeight;
    rig.system.scrollBar = GetParam().scrollBar;
    rig.attach();
    rig.painter.setGraphic(GetParam().graphic);
    rig.painter.setGraphicPosition(GetParam().position);
    rig.painter.Refresh();
    Ops expected = {"BackColor 0x8000000C"};
    expected.insert(expected.end(), GetParam().drawn.begin(), GetParam().drawn.end());
    expected.insert(expected.end(), {"Picture 100", "RefreshFrame 100"});
    EXPECT_EQ(rig.take(), expected);
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
        PlacementRow{"EmptyGraphic", 2, 9000, 6000, 17, graphic(0, 2646), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MdiBackground, SurfaceIsTheClientPlusAScrollBarRoundedHalfToEven) {
    Rig rig;
    rig.client.width = 8999.5;  // + 17 * 15 = 9254.5
    rig.client.height = 6000.5; // 6255.5
    rig.painter.setClient(&rig.client);
    rig.system.scrollBar = 16;
    rig.system.twipsPerPixel = 12; // + 192: 9191.5 and 6192.5
    rig.client.raiseResize();
    EXPECT_EQ(rig.log.only("Move"), (Ops{"Move 0 0 9254 6256", "Move 0 0 9192 6192"}));
}

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
}

TEST(MdiBackground, NoClientMeansNoSurfaceNoDrawingAndNoError) {
    Rig rig;
    rig.attach();
    rig.painter.setClient(nullptr);
    EXPECT_EQ(rig.take(), Ops{"Remove mdiBackPicture from 100"});
    EXPECT_EQ(rig.painter.Client(), nullptr);
    rig.painter.setAutoRefresh(true);
    rig.painter.setBackStyle(1);
    rig.painter.setGraphic(graphic());
    rig.painter.setGraphicPosition(2);
    rig.painter.Refresh();
    rig.client.raiseResize(); // no longer subscribed
    EXPECT_TRUE(rig.log.ops.empty());
}

TEST(MdiBackground, SettingTheSameWindowAgainReplacesTheSurface) {
    Rig rig;
    rig.attach();
    rig.painter.setClient(&rig.client);
    const Ops changes = rig.take();
    EXPECT_EQ(Ops(changes.begin(), changes.begin() + 2),
              (Ops{"Remove mdiBackPicture from 100", "Add mdiBackPicture to 100"}));
    EXPECT_EQ(changes.back(), "RefreshFrame 100");
    rig.client.raiseResize(); // subscribed once, not twice
    EXPECT_EQ(rig.paints(), 1u);
}

TEST(MdiBackground, SecondPainterOnAWindowWithASurfaceFailsOnClient) {
    Rig rig;
    rig.attach();
    CMdiBackground second(rig.system);
    EXPECT_EQ(errorNumber([&] { second.setClient(&rig.client); }), 727);
    EXPECT_EQ(second.Client(), &rig.client); // stays stored, without a surface
    rig.take();
    second.Refresh();
    EXPECT_EQ(rig.take(), Ops{});
    rig.client.raiseResize(); // only the first paints
    EXPECT_EQ(rig.paints(), 1u);
    rig.take();
    second.setClient(nullptr); // leaves the first painter's surface alone
    EXPECT_EQ(rig.take(), Ops{});
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
    EXPECT_EQ(errorNumber([&] { GetParam().act(rig); }), 481);
    EXPECT_TRUE(GetParam().stored(rig));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MdiBackgroundFailure,
    ::testing::Values(FailureRow{"BackStyle", "Line", [](Rig& r) { r.painter.setBackStyle(1); },
                                 [](const Rig& r) { return r.painter.BackStyle() == 1; }},
                      FailureRow{"GraphicPosition", "PaintPicture",
                                 [](Rig& r) { r.painter.setGraphicPosition(1); },
                                 [](const Rig& r) { return r.painter.GraphicPosition() == 1; }},
                      FailureRow{"Resize", "Move", [](Rig& r) { r.client.raiseResize(); },
                                 [](const Rig&) { return true; }},
                      FailureRow{"NewClientStaysWithoutSurface", "Add",
                                 [](Rig& r) { r.painter.setClient(&r.client); },
                                 [](const Rig& r) {
                                     return r.painter.Client() == &r.client &&
                                            r.client.controls.empty();
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MdiBackground, DetachingSkipsAFailingRemoveAndForgetsASurfaceAlreadyGone) {
    for (const bool gone : {false, true}) {
        Rig rig;
        rig.attach();
        if (gone) {
            rig.system.windows.erase(rig.client.controls.begin()->second->handle());
            rig.client.controls.clear();
        }
        rig.log.failOn = "Remove";
        rig.painter.setClient(nullptr);
        EXPECT_EQ(rig.painter.Client(), nullptr);
        EXPECT_EQ(rig.take(), gone ? Ops{} : Ops{"Remove mdiBackPicture from 100"});
        rig.painter.Refresh();
        EXPECT_EQ(rig.take(), Ops{});
    }
}

TEST(MdiBackground, DestructionRemovesTheSurface) {
    BackgroundLog log;
    RecordingWindowSystem system{log};
    RecordingClient client{log, system, 100, 9000, 6000};
    std::optional<CMdiBackground> painter(std::in_place, system);
    painter->setClient(&client);
    log.ops.clear();
    log.failOn = "Remove"; // and nothing escapes the destructor
    painter.reset();
    EXPECT_EQ(log.changes(), Ops{"Remove mdiBackPicture from 100"});
    client.raiseResize(); // unsubscribed
}

TEST(MdiBackground, PictureSizeFromPixelsAndResolution) {
    const Picture logo(QImage(200, 100, QImage::Format_RGB32), 96.0);
    EXPECT_EQ(logo.widthHimetric(), 5292);
    EXPECT_EQ(logo.heightHimetric(), 2646);
}

} // namespace
