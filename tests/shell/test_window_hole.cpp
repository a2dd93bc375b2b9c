#include "handles/Views.h"
#include "platform/AppSettings.h"
#include "platform/QtDesktopServices.h"
#include "shell/WindowExtras.h"
#include "shell/WindowHole.h"
#include "support/RoomParts.h"
#include "support/WindowFixture.h"
#include "widgets/Twips.h"

#include <QDir>
#include <QScrollBar>

namespace {
using Geometry = WindowHole::Geometry;

// The window was designed with its client area at (3, 27) of the outer window; the shape
// covers the full view's outer size, 9300 by 6040 twips.
const QPoint ClientOrigin(3, 27);
const QRect FullViewOuter(0, 0, 620, 403);

// What the shape leaves out of the full-view rectangle, in outer-window pixels.
QRegion holeOf(const QRegion& shape) {
    return QRegion(FullViewOuter).subtracted(shape.translated(ClientOrigin));
}

// The hole's room alone: its sliders, the settings and the views, as the window starts it.
struct HoleRoom {
    PanelParts parts{inventory::Panel::Hole};
    Controls& c = parts.controls;
    AppSettings settings;
    Views views{[](int, int) {}, [] {}};
    WindowHole hole;
    HoleRoom(SettingsStore& store, DesktopServices& desktop)
        : settings(store, ProgramTitle), hole({c.vsHoleLeft, c.vsHoleTop, c.vsHoleRight, c.vsHoleBottom,
                                               c.vsHoleRoundX, c.vsHoleRoundY, c.cmdResetHole},
                                              &parts.host, views, settings, desktop) {
        views.setOuterHeightTwips(ShortHeightTwips);
        hole.wire(&parts.host);
        hole.StartUp();
    }
};

class WindowHoleTest : public WindowTest {
  protected:
    // Tests of the room alone open just the room; the others the whole window.
    std::unique_ptr<HoleRoom> room;
    void openRoom() { room = std::make_unique<HoleRoom>(*store, desktop); }
    Controls& controls() const { return room ? room->c : static_cast<Controls&>(*form); }
    WindowHole& theHole() const { return room ? room->hole : form->hole; }
    std::array<QScrollBar*, 6> sliders() const {
        const Controls& c = controls();
        return {c.vsHoleLeft, c.vsHoleTop, c.vsHoleRight, c.vsHoleBottom, c.vsHoleRoundX, c.vsHoleRoundY};
    }
    Geometry shown() const {
        Geometry g{};
        for (std::size_t i = 0; i < 6; ++i) {
            g[i] = sliders()[i]->value();
        }
        return g;
    }
    // Dragging the thumb: Qt reports the position before the value follows it.
    static void drag(QScrollBar* bar, int position) {
        bar->setSliderDown(true);
        bar->setSliderPosition(position);
        bar->setSliderDown(false);
    }
    QRegion hole() const { return holeOf(desktop.regions.last()); }
    // A first run: no settings left by an earlier window.
    void openFresh() {
        room.reset();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        openRoom();
    }
};

TEST_F(WindowHoleTest, FirstRunCutsTheStandardRoundedHoleAndRaisesOnlyTheCornerHeightHandler) {
    openRoom();
    EXPECT_EQ(shown(), WindowHole::StandardHole);
    EXPECT_EQ(theHole().HoleGeometry, WindowHole::StandardHole);
    // The cut of the start-up step and the one of vsHoleRoundY going from 1 to 20.
    EXPECT_EQ(desktop.regions.size(), 2);
    EXPECT_EQ(desktop.regions.last().boundingRect(), FullViewOuter.translated(-ClientOrigin));
    const QRegion h = hole();
    EXPECT_EQ(h.boundingRect(), QRect(270, 120, 50, 20));
    for (QPoint inside :
         {QPoint(295, 130), QPoint(270, 130), QPoint(319, 130), QPoint(295, 120), QPoint(295, 139)}) {
        EXPECT_TRUE(h.contains(inside)) << inside.x() << "," << inside.y();
    }
    // Rounded corners, and the right and bottom edges excluded.
    for (QPoint outside : {QPoint(270, 120), QPoint(319, 120), QPoint(270, 139), QPoint(319, 139),
                           QPoint(320, 130), QPoint(295, 140)}) {
        EXPECT_FALSE(h.contains(outside)) << outside.x() << "," << outside.y();
    }
}

TEST_F(WindowHoleTest, SlidersClampAndPushTheirPartnerWhetherSetOrDragged) {
    struct Case {
        int slider;
        int value;
        Geometry expected;
    };
    const Case cases[] = {
        {0, 330, {328, 120, 330, 140, 20, 20}}, // left stops 2 short of the right maximum
        {0, 319, {319, 120, 321, 140, 20, 20}}, // never narrower than 2 pixels
        {0, 150, {150, 120, 320, 140, 20, 20}},
        {2, 150, {150, 120, 152, 140, 20, 20}}, // right stops 2 above the left minimum
        {3, 109, {270, 109, 320, 111, 20, 20}}, // bottom to 109 gives 111, top 109
        {1, 212, {270, 210, 320, 212, 20, 20}},
        {1, 139, {270, 139, 320, 141, 20, 20}},
        {4, 180, {270, 120, 320, 140, 180, 20}},
        {5, 100, {270, 120, 320, 140, 20, 100}},
    };
    for (bool dragged : {false, true}) {
        for (const Case& c : cases) {
            openFresh();
            QScrollBar* bar = sliders()[static_cast<std::size_t>(c.slider)];
            dragged ? drag(bar, c.value) : bar->setValue(c.value);
            SCOPED_TRACE(testing::Message() << bar->objectName().toStdString() << " to " << c.value
                                            << (dragged ? " by drag" : " by value"));
            EXPECT_EQ(theHole().HoleGeometry, c.expected);
            EXPECT_EQ(shown(), c.expected);
            EXPECT_EQ(desktop.regions.last(), theHole().windowRegion(c.expected));
        }
    }
}

TEST_F(WindowHoleTest, HoleFollowsTheThumbBeforeQtMovesTheValue) {
    openRoom();
    int cutWhileMoving = -1;
    QObject::connect(controls().vsHoleLeft, &QScrollBar::sliderMoved, &room->parts.host,
                     [&] { cutWhileMoving = hole().boundingRect().left(); });
    drag(controls().vsHoleLeft, 200);
    EXPECT_EQ(cutWhileMoving, 200);
}

TEST_F(WindowHoleTest, ResetBringsBackTheStandardHole) {
    openRoom();
    controls().vsHoleLeft->setValue(160);
    controls().vsHoleBottom->setValue(200);
    controls().vsHoleRoundX->setValue(90);
    controls().vsHoleRoundY->setValue(3);
    controls().cmdResetHole->click();
    EXPECT_EQ(shown(), WindowHole::StandardHole);
    EXPECT_EQ(desktop.regions.last(), theHole().windowRegion(WindowHole::StandardHole));
}

TEST_F(WindowHoleTest, GeometrySurvivesARestartThroughTheSettingsFile) {
    open();
    const Geometry moved{200, 150, 300, 190, 40, 5};
    for (std::size_t i = 0; i < 6; ++i) {
        sliders()[i]->setValue(moved[i]);
    }
    close();
    const char* keys[6] = {"left", "top", "right", "bottom", "radiusX", "radiusY"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(setting("Hole", keys[i]), QString::number(moved[i])) << keys[i];
    }
    open();
    EXPECT_EQ(shown(), moved);
    EXPECT_EQ(desktop.regions.last(), form->hole.windowRegion(moved));
}

TEST_F(WindowHoleTest, StoredValuesTheProgramNeverWritesFallBackOrAreCorrected) {
    struct Case {
        const char* key;
        const char* stored;
        Geometry expected;
    };
    const Case cases[] = {
        {"left", "abc", WindowHole::StandardHole},
        {"left", "12.5", WindowHole::StandardHole},
        {"left", "100", WindowHole::StandardHole},  // below the slider
        {"top", "9999", WindowHole::StandardHole},  // beyond 16 bits
        {"radiusY", "0", WindowHole::StandardHole}, // below the slider
        {"left", " 200", {200, 120, 320, 140, 20, 20}},
        {"left", "329", {328, 120, 330, 140, 20, 20}}, // in range, then clamped by its handler
        {"right", "200", {198, 120, 200, 140, 20, 20}},
    };
    for (const Case& c : cases) {
        room.reset();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        preset("Hole", c.key, c.stored);
        openRoom();
        EXPECT_EQ(shown(), c.expected) << c.key << "=" << c.stored;
        EXPECT_EQ(theHole().HoleGeometry, c.expected) << c.key << "=" << c.stored;
    }
}

TEST_F(WindowHoleTest, EverySliderPositionKeepsTheHoleInsideThePreviewInEveryView) {
    open();
    const Geometry extremes[] = {
        {150, 109, 152, 111, 1, 1},     {328, 109, 330, 111, 180, 100}, {150, 210, 152, 212, 20, 20},
        {328, 210, 330, 212, 180, 100}, {150, 109, 330, 212, 180, 100},
    };
    for (int view = 0; view < 2; ++view) {
        for (const Geometry& g : extremes) {
            form->hole.cmdResetHole_Click();
            for (std::size_t i = 0; i < 6; ++i) {
                sliders()[i]->setValue(g[i]);
            }
            ASSERT_EQ(form->hole.HoleGeometry, g);
            const QRegion clientHole = hole().translated(-ClientOrigin);
            EXPECT_TRUE(form->lblCMix->geometry().contains(clientHole.boundingRect()))
                << clientHole.boundingRect().x() << "," << clientHole.boundingRect().y();
            EXPECT_EQ(desktop.regions.last().boundingRect(), FullViewOuter.translated(-ClientOrigin));
        }
        form->extras.lblCMix_MouseUp(1, 1); // the full view
    }
}

TEST_F(WindowHoleTest, TheRealDesktopMasksTheWindowWithTheSameShape) {
    QtDesktopServices real;
    frmTintwell window(*store, real);
    EXPECT_EQ(window.mask(), window.hole.windowRegion(WindowHole::StandardHole));
    window.vsHoleTop->setValue(160);
    EXPECT_EQ(window.mask(), window.hole.windowRegion({270, 160, 320, 162, 20, 20}));
}

} // namespace
