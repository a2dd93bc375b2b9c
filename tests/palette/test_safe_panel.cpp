// Opening the safe-palette panel, its cells, the mark and the palette order.
#include "PaletteFixture.h"

#include "palette/SafeGrid.h"
#include "scheme/SchemeEditor.h"
#include "widgets/Twips.h"

#include <QMouseEvent>

namespace {
using Cells = std::vector<int>;
}

TEST_F(PaletteTest, FirstOpeningBuildsTheCellsOnceAndWidensTheWindow) {
    open();
    ASSERT_TRUE(f().lblSF.empty()) << "cells must not exist before the panel opens";
    EXPECT_EQ(f().fraSF, nullptr) << "nor the panel itself";
    EXPECT_EQ(f().outerWidthTwips(), 5100);

    openPanel();
    EXPECT_EQ(f().outerWidthTwips(), 9300);
    ASSERT_EQ(f().lblSF.size(), 216u);
    for (int n = 0; n < 216; ++n) {
        EXPECT_EQ(f().lblSF[n]->objectName(), QStringLiteral("lblSF(%1)").arg(n));
        EXPECT_EQ(f().lblSF[n]->parentWidget(), f().fraSF);
        EXPECT_TRUE(f().lblSF[n]->isVisibleTo(&f()));
    }
    EXPECT_EQ(cellCode(0), "#000000");
    EXPECT_EQ(cellCode(5), "#0000FF");
    EXPECT_EQ(cellCode(30), "#00FF00");
    EXPECT_EQ(cellCode(215), "#FFFFFF");
    EXPECT_EQ(setting("Init", "OptPerf"), "0");
    EXPECT_TRUE(f().optPerformance[0]->isChecked());

    const std::vector<FormLabel*> cells = f().lblSF;
    closePanel();
    EXPECT_EQ(f().outerWidthTwips(), 5100);
    openPanel();
    EXPECT_EQ(f().lblSF, cells) << "reopening must keep the cells";
}

TEST_F(PaletteTest, CellsLieAtTheirTwipsPlacesInsideTheFrame) {
    open();
    openPanel();
    const QRect frame = f().fraSF->rect();
    for (int n = 0; n < 216; ++n) {
        const int block = n / 36;
        const int left = 30 + 1390 * (block / 2) + 220 * (n % 6);
        const int top = 120 + 1420 * (block % 2) + 225 * (n % 36 / 6);
        const QRect g = f().lblSF[n]->geometry();
        EXPECT_EQ(g.topLeft(), QPoint(twipsToPixels(left), twipsToPixels(top))) << "cell " << n;
        EXPECT_EQ(g.right() + 1, twipsToPixels(left + 220)) << "cell " << n;
        EXPECT_EQ(g.bottom() + 1, twipsToPixels(top + 225)) << "cell " << n;
        EXPECT_TRUE(frame.contains(g)) << "cell " << n << " is cut off by the frame";
        if (n % 6 != 5) {
            EXPECT_EQ(f().lblSF[n + 1]->x(), g.right() + 1)
                << "cells " << n << " and " << n + 1 << " must touch";
        }
    }
    // 70 twips between blocks: about five pixels.
    EXPECT_EQ(f().lblSF[36]->y() - (f().lblSF[35]->geometry().bottom() + 1), 5);
    EXPECT_EQ(f().lblSF[72]->x() - (f().lblSF[71]->geometry().right() + 1), 5);
}

TEST_F(PaletteTest, TheMarkFollowsTheCurrentColourWhileThePanelIsOpen) {
    open();
    openPanel();
    EXPECT_EQ(markedCells(), Cells{}) << "grey 808080 is not a safe colour";

    show(0x33, 0x66, 0x99);
    EXPECT_EQ(markedCells(), Cells{51});

    f().txtHex->selectAll();
    QTest::keyClicks(f().txtHex, "FFCC00"); // typed: ends in a refresh too
    EXPECT_EQ(markedCells(), Cells{36 * 5 + 6 * 4}) << f().txtHex->text().toStdString();

    f().vsbColor[2]->setValue(1);
    EXPECT_EQ(markedCells(), Cells{});
    EXPECT_EQ(f().palette.SafeIndex, 204) << "the last marked index is kept";
}

TEST_F(PaletteTest, ClickingACellMakesItsColourCurrent) {
    open();
    openPanel();
    clickCell(51);
    EXPECT_EQ(currentCode(), "#336699");
    EXPECT_EQ(f().txtHex->text(), "336699");
    EXPECT_EQ(sliders(), (std::array<int, 3>{0x33, 0x66, 0x99}));
    EXPECT_EQ(markedCells(), Cells{51});

    clickCell(215);
    EXPECT_EQ(currentCode(), "#FFFFFF");
    EXPECT_EQ(markedCells(), Cells{215});
}

TEST_F(PaletteTest, ClickingTheMarkedCellDoesNothing) {
    open();
    openPanel();
    // Snapping grey marks #999999; had the click on that cell refreshed the colour, the
    // undo would be gone and the snapped grey would stay.
    f().chkSF->setChecked(true);
    clickCell(markedCells().at(0));
    f().chkSF->setChecked(false);
    EXPECT_EQ(currentCode(), "#808080");
}

TEST_F(PaletteTest, TheLastMarkedCellAnswersAgainOnceItLostItsMark) {
    open();
    openPanel();
    clickCell(10);
    const QString code = currentCode();
    f().vsbColor[0]->setValue(7);
    ASSERT_EQ(markedCells(), Cells{});
    clickCell(10);
    EXPECT_EQ(currentCode(), code);
    EXPECT_EQ(markedCells(), Cells{10});
}

TEST_F(PaletteTest, ReopeningBringsTheMarkInLineWithTheColour) {
    open();
    openPanel();
    clickCell(51);
    closePanel();
    show(1, 2, 3);
    EXPECT_EQ(markedCells(), Cells{51}) << "no match while the panel is closed";
    openPanel();
    EXPECT_EQ(markedCells(), Cells{});

    closePanel();
    show(0xCC, 0, 0x33);
    openPanel();
    EXPECT_EQ(markedCells(), Cells{36 * 4 + 1});
    EXPECT_EQ(currentCode(), "#CC0033");
}

TEST_F(PaletteTest, ANewOrderMovesTheMarkButNeverTheColour) {
    open();
    openPanel();
    show(0x33, 0x66, 0x99);
    ASSERT_EQ(markedCells(), Cells{51});
    chooseOrder(5);
    EXPECT_EQ(markedCells(), Cells{121});
    EXPECT_EQ(currentCode(), "#336699");
    EXPECT_EQ(cellCode(121), "#336699");
    EXPECT_EQ(setting("Init", "OptPerf"), "5");

    // Away from the last safe colour: a new order leaves the colour alone and marks nothing.
    clickCell(1);
    show(0x12, 0x34, 0x56);
    chooseOrder(2);
    EXPECT_EQ(currentCode(), "#123456");
    EXPECT_EQ(markedCells(), Cells{});
    EXPECT_EQ(cellCode(1), "#000033");
    EXPECT_EQ(setting("Init", "OptPerf"), "2");
}

TEST_F(PaletteTest, ANewOrderLeavesTheEditedSchemeSlotAlone) {
    open();
    openPanel();
    clickCell(1); // #000033, at another index in order 3
    // The scheme editor is open (its caption says so) with slot 2 chosen.
    f().cmdTagEditor->setText(QStringLiteral("<< Clos&e"));
    f().views.setSchemeEditorOpen(true);
    f().scheme.SelectedSlot = 2;
    show(0x12, 0x34, 0x56);
    ASSERT_EQ(f().lblTag[2]->tag(), "#123456");
    const QString tag = f().txtTag->toPlainText();
    chooseOrder(3);
    EXPECT_EQ(f().lblTag[2]->tag(), "#123456");
    EXPECT_EQ(f().txtTag->toPlainText(), tag);
    EXPECT_EQ(currentCode(), "#123456");
}

TEST_F(PaletteTest, ThePointerOverACellShowsItsCodeAsTheTip) {
    open();
    openPanel();
    chooseOrder(1);
    for (int n : {0, 1, 77, 215}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), QPointF(4, 4), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(f().lblSF[n], &move);
        EXPECT_EQ(f().lblSF[n]->toolTip(), f().palette.SafeColours[n]);
        EXPECT_EQ(f().lblSF[n]->toolTip(), cellCode(n));
    }
}

TEST_F(PaletteTest, TheStoredOrderIsReadAtTheFirstOpening) {
    struct Case {
        const char* stored;
        int order;
        const char* written;
    };
    const std::vector<Case> cases{
        {"3", 3, "3"},  {" 3", 3, "3"},  {"5", 5, "5"}, {"0", 0, "0"},   {"6", 0, "0"},
        {"-1", 0, "0"}, {"abc", 0, "0"}, {"", 0, "0"},  {"2.5", 0, "0"}, {"99999", 0, "0"},
    };
    const safeGrid::DigitPairs pairs = safeGrid::BuildDigitPairs();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        preset("Init", "OptPerf", c.stored);
        open();
        openPanel();
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(f().optPerformance[k]->isChecked(), k == c.order) << "button " << k;
        }
        EXPECT_EQ(f().palette.SafeColours, safeGrid::FillColours(c.order, pairs));
        EXPECT_EQ(cellCode(1), f().palette.SafeColours[1]);
        EXPECT_EQ(setting("Init", "OptPerf"), c.written);
        close();
    }
}

TEST_F(PaletteTest, TheOrderSurvivesARestart) {
    open();
    openPanel();
    chooseOrder(4);
    ASSERT_EQ(cellCode(1), "#003300");
    restart();
    EXPECT_EQ(f().optPerformance[0], nullptr) << "nothing is built or read before the panel opens";
    openPanel();
    EXPECT_TRUE(f().optPerformance[4]->isChecked());
    EXPECT_EQ(cellCode(1), "#003300");
    EXPECT_EQ(cellCode(6), "#330000");
    EXPECT_EQ(cellCode(36), "#000033");
}

TEST_F(PaletteTest, AnOrderChosenBeforeTheFirstOpeningIsAppliedWhenItOpens) {
    open();
    // Built with the scheme editor, before the palette ever opened.
    f().buildExtraPanels();
    f().optPerformance[3]->setChecked(true);
    EXPECT_EQ(f().lblSF.size(), 1u);
    EXPECT_EQ(setting("Init", "OptPerf"), "3");
    openPanel();
    EXPECT_TRUE(f().optPerformance[3]->isChecked());
    EXPECT_EQ(cellCode(1), "#330000");
}
