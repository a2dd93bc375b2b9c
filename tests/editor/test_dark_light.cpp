// The dark-light slider, and the tone and saturation sliders that do nothing.
#include "EditorChecks.h"

using namespace editorChecks;
using modColors::RGB;

namespace {

class DarkLightTest : public EditorTest {
  protected:
};

// Each row moves the slider from where the previous row left it.
TEST_F(DarkLightTest, MovesAllChannelsByTheOffsetAndClamps) {
    struct Move {
        int to;
        Channels expected;
    };
    struct Case {
        const char* name;
        Channels start;
        int startSlider;
        std::vector<Move> moves;
    };
    const Case cases[] = {
        {"grey to white and back", {128, 128, 128}, 128, {{255, {255, 255, 255}}, {128, {128, 128, 128}}}},
        {"clamped blue is lost", {10, 128, 250}, 129, {{139, {20, 138, 255}}, {129, {10, 128, 245}}}},
        {"to the bottom subtracts the mean", {10, 128, 250}, 129, {{0, {0, 0, 121}}}},
        {"step by step", {0, 0, 0}, 0, {{1, {1, 1, 1}}, {2, {2, 2, 2}}, {0, {0, 0, 0}}}},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f().editor.ShowColour(colourOf(c.start));
        ASSERT_EQ(f().vsbDL->value(), c.startSlider);
        for (const Move& m : c.moves) {
            const int before = f().editor.refreshCount();
            f().vsbDL->setValue(m.to);
            EXPECT_EQ(sliders(f()), m.expected) << "slider at " << m.to;
            EXPECT_EQ(f().lblCMix->backColour(), colourOf(m.expected));
            EXPECT_EQ(f().vsbDL->value(), m.to); // stays where it was put, mean or not
            EXPECT_EQ(f().editor.LastDarkLight, m.to);
            EXPECT_EQ(f().editor.refreshCount(), before + 1);
            EXPECT_EQ(f().txtHex->text(), modColors::ColourToHtml(colourOf(m.expected)).mid(1));
            EXPECT_TRUE(flagsClear(f().flags));
        }
    }
}

TEST_F(DarkLightTest, ChannelStepAfterAClampMovesTheSliderToTheNewMean) {
    open();
    f().editor.ShowColour(RGB(10, 128, 250));
    f().vsbDL->setValue(139); // (20, 138, 255), slider 139, mean 137
    f().vsbColor[0]->setValue(21);
    EXPECT_EQ(f().vsbDL->value(), (21 + 138 + 255) / 3);
    EXPECT_EQ(f().editor.LastDarkLight, (21 + 138 + 255) / 3);
    f().vsbDL->setValue(f().vsbDL->value() + 5);
    EXPECT_EQ(sliders(f()), (Channels{26, 143, 255}));
}

// Moving the slider while snapping is on ends snapping first: the channels move on from
// their snapped values, and the ones from before the snapping are gone.
TEST_F(DarkLightTest, MoveEndsSafeSnappingWithoutUndo) {
    open();
    f().editor.ShowColour(RGB(10, 128, 250));
    f().chkSF->setChecked(true);
    ASSERT_EQ(sliders(f()), (Channels{0, 153, 255}));
    const int mean = f().vsbDL->value();
    f().vsbDL->setValue(mean - 3);
    EXPECT_FALSE(f().chkSF->isChecked());
    EXPECT_EQ(sliders(f()), (Channels{0, 150, 252}));
    EXPECT_FALSE(f().txtHex->isReadOnly());
    EXPECT_FALSE(f().editor.snapping.SafeUndo);
}

TEST_F(DarkLightTest, DraggingTheThumbChangesTheColourWhileItMoves) {
    openShown();
    QList<int> greyWhileDown;
    dragThumb(f().vsbDL, 4, -3, [&] {
        const Channels c = sliders(f());
        EXPECT_EQ(c[0], c[1]);
        EXPECT_EQ(c[1], c[2]);
        EXPECT_EQ(c[0], f().vsbDL->value());
        EXPECT_EQ(f().lblCMix->backColour(), colourOf(c));
        greyWhileDown << c[0];
    });
    ASSERT_EQ(greyWhileDown.size(), 4);
    EXPECT_GT(greyWhileDown.first(), 128);
    EXPECT_GT(greyWhileDown.last(), greyWhileDown.first());
}

TEST_F(DarkLightTest, ToneAndSaturationSlidersAreInert) {
    openShown();
    struct Bar {
        QScrollBar* bar;
        int top;
        int page;
    };
    for (const Bar& b : {Bar{f().vsbTone, 240, 20}, Bar{f().vsbSaturation, 255, 16}}) {
        SCOPED_TRACE(qPrintable(b.bar->objectName()));
        EXPECT_FALSE(b.bar->isEnabled());
        EXPECT_EQ(b.bar->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(b.bar->maximum(), b.top);
        EXPECT_EQ(b.bar->minimum(), 0);
        EXPECT_EQ(b.bar->pageStep(), b.page);
        EXPECT_TRUE(b.bar->invertedAppearance());
        const int value = b.bar->value();
        const int refreshes = f().editor.refreshCount();
        QTest::mouseClick(b.bar, Qt::LeftButton, Qt::NoModifier, QPoint(b.bar->width() / 2, 3));
        QTest::keyClick(b.bar, Qt::Key_Up);
        EXPECT_EQ(b.bar->value(), value);
        b.bar->setValue(100);
        EXPECT_EQ(f().editor.refreshCount(), refreshes);
        EXPECT_EQ(f().lblCMix->backColour(), RGB(128, 128, 128));
    }
}

} // namespace
