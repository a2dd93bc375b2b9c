// Snapping the current colour to safe values with chkSF, its undo, and what ends it.
#include "PaletteFixture.h"

#include "notation/StandardColours.h"

using Channels = std::array<int, 3>;

namespace {
// What snapping leaves behind, and what releasing it gives back.
void expectSnappingOn(frmTintwell& f, bool on) {
    EXPECT_EQ(f.chkSF->isChecked(), on);
    EXPECT_EQ(f.txtHex->isReadOnly(), on);
    EXPECT_EQ(f.cmdWinColor->isEnabled(), !on);
    for (QScrollBar* slider : f.vsbColor) {
        EXPECT_EQ(slider->singleStep(), on ? 51 : 1) << slider->objectName().toStdString();
        EXPECT_EQ(slider->pageStep(), on ? 51 : 16) << slider->objectName().toStdString();
    }
}
} // namespace

TEST_F(PaletteTest, SnappingTakesEachChannelToTheNearestMultipleOf51) {
    struct Case {
        Channels before;
        Channels after;
    };
    const std::vector<Case> cases{
        {{255, 128, 0}, {255, 153, 0}},  {{25, 26, 229}, {0, 51, 204}},    {{230, 255, 1}, {255, 255, 0}},
        {{76, 77, 127}, {51, 102, 102}}, {{51, 102, 153}, {51, 102, 153}}, {{128, 128, 128}, {153, 153, 153}},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.before));
        show(c.before[0], c.before[1], c.before[2]);
        QTest::mouseClick(f().chkSF, Qt::LeftButton);
        EXPECT_EQ(sliders(), c.after);
        EXPECT_EQ(f().editor.currentColour(), modColors::RGB(c.after[0], c.after[1], c.after[2]));
        expectSnappingOn(f(), true);

        QTest::mouseClick(f().chkSF, Qt::LeftButton);
        EXPECT_EQ(sliders(), c.before) << "unchecking right away restores the colour";
        EXPECT_EQ(f().editor.currentColour(), modColors::RGB(c.before[0], c.before[1], c.before[2]));
        expectSnappingOn(f(), false);
    }
}

TEST_F(PaletteTest, AnArrowStepAfterSnappingKeepsTheColourOnUncheck) {
    open();
    show(255, 128, 0);
    f().chkSF->setChecked(true);
    f().vsbColor[1]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(sliders(), (Channels{255, 204, 0})) << "one step is 51";
    f().vsbColor[2]->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(sliders(), (Channels{255, 204, 51}));
    EXPECT_TRUE(f().chkSF->isChecked());

    f().chkSF->setChecked(false);
    EXPECT_EQ(sliders(), (Channels{255, 204, 51}));
    EXPECT_EQ(f().txtHex->text(), "FFCC33");
    expectSnappingOn(f(), false);
}

TEST_F(PaletteTest, ReachingAStandardColourWhileSnappingKeepsItOn) {
    open();
    // The last channel to snap lands on red: snapping must still finish and stay undoable.
    show(250, 5, 3);
    f().chkSF->setChecked(true);
    EXPECT_EQ(sliders(), (Channels{255, 0, 0}));
    expectSnappingOn(f(), true);
    f().chkSF->setChecked(false);
    EXPECT_EQ(sliders(), (Channels{250, 5, 3}));

    // An arrow step onto black is no pick of a standard colour either.
    show(0, 0, 51);
    f().chkSF->setChecked(true);
    f().vsbColor[2]->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(sliders(), (Channels{0, 0, 0}));
    EXPECT_EQ(f().standard.StdIndex, 0);
    expectSnappingOn(f(), true);
}

TEST_F(PaletteTest, ChoosingANotationOnASnappedStandardColourKeepsSnapping) {
    open();
    // FF0101 snaps to red, a standard colour; every notation is chosen from there.
    for (int notation = 0; notation < f().cboWhat->count(); ++notation) {
        SCOPED_TRACE(notation);
        f().cboWhat->setCurrentIndex(notation == 0 ? 1 : 0);
        f().txtHex->setText(QStringLiteral("FF0101"));
        QTest::mouseClick(f().chkSF, Qt::LeftButton);
        ASSERT_EQ(f().txtHex->text(), "FF0000");
        f().cboWhat->setCurrentIndex(notation);
        expectSnappingOn(f(), true);
        EXPECT_TRUE(f().editor.snapping.SafeUndo);
        QTest::mouseClick(f().chkSF, Qt::LeftButton);
        EXPECT_EQ(f().txtHex->text(), "FF0101") << "the undo survives";
    }
}

TEST_F(PaletteTest, DraggingAThumbEndsSnappingWithoutUndo) {
    open();
    show(255, 128, 0);
    f().chkSF->setChecked(true);
    QScrollBar* green = f().vsbColor[1];
    green->setSliderDown(true);
    green->setSliderPosition(140);
    green->setSliderDown(false);
    EXPECT_EQ(sliders(), (Channels{255, 140, 0})) << "the colour follows the thumb";
    expectSnappingOn(f(), false);
    EXPECT_FALSE(f().editor.snapping.SafeUndo);
}

TEST_F(PaletteTest, MovingTheDarkLightSliderEndsSnappingWithoutUndo) {
    open();
    show(255, 128, 0);
    f().chkSF->setChecked(true); // 255, 153, 0: mean 136
    ASSERT_EQ(f().vsbDL->value(), 136);
    f().vsbDL->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(sliders(), (Channels{254, 152, 0})) << "moved from the snapped values";
    expectSnappingOn(f(), false);
}

TEST_F(PaletteTest, PickingAStandardColourEndsSnappingWithoutUndo) {
    open();
    show(255, 128, 0);
    f().chkSF->setChecked(true);
    QTest::mouseClick(f().lblStandartColor[7], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(sliders(), (Channels{192, 192, 192})) << "silver stays unrounded";
    expectSnappingOn(f(), false);
}

TEST_F(PaletteTest, PickingASafeCellKeepsSnappingOn) {
    open();
    openPanel();
    show(255, 128, 0);
    f().chkSF->setChecked(true);
    clickCell(51);
    EXPECT_EQ(sliders(), (Channels{0x33, 0x66, 0x99}));
    expectSnappingOn(f(), true);
    f().chkSF->setChecked(false);
    EXPECT_EQ(sliders(), (Channels{0x33, 0x66, 0x99})) << "the pick was a refresh: nothing to undo";
}

TEST_F(PaletteTest, SnappingSurvivesOpeningThePanel) {
    open();
    show(255, 128, 0);
    f().chkSF->setChecked(true);
    openPanel();
    EXPECT_EQ(markedCells(), (std::vector<int>{36 * 5 + 6 * 3}));
    f().chkSF->setChecked(false);
    EXPECT_EQ(sliders(), (Channels{255, 128, 0})) << "opening the panel changed no colour";
}
