// What the mouse does on the cells and labels, done by keyboard: arrows over the standard and
// safe cells, Space or Enter picking as a click does, the menu key as a right click, and the
// focus mark drawn on the focused cell.
#include "notation/StandardColours.h"
#include "support/WindowFixture.h"

#include <QTest>

namespace {

class CellKeys : public WindowTest {
  protected:
    frmTintwell& shown() { return openActive(); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(focused(), key, modifiers);
    }
};

struct Step {
    Qt::Key key;
    int cell; // the focused cell afterwards
};

// Walks the steps and says where the focus went wrong, if it did.
template <class Cells> void walk(const Cells& cells, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), steps[i].key);
        EXPECT_EQ(QApplication::focusWidget(), cells[steps[i].cell]) << "step " << i;
    }
}

} // namespace

TEST_F(CellKeys, StandardCellsAreOneStopWalkedByArrowsAndPickedBySpace) {
    frmTintwell& f = shown();
    f.cmdTagEditor->setFocus();
    press(Qt::Key_Tab);
    // Grey, the start-up colour, is marked: Tab enters there.
    ASSERT_EQ(focused(), f.lblStandartColor[8]);
    walk(f.lblStandartColor, {{Qt::Key_Up, 0},
                              {Qt::Key_Left, 0},
                              {Qt::Key_Right, 1},
                              {Qt::Key_Down, 9},
                              {Qt::Key_Up, 1},
                              {Qt::Key_Right, 2},
                              {Qt::Key_Left, 1}});
    EXPECT_EQ(f.txtHex->text(), "808080") << "walking must not pick";

    // Enter picks navy as a click does: the colour, the mark and the name button.
    press(Qt::Key_Return);
    EXPECT_EQ(f.txtHex->text(), "000080");
    EXPECT_EQ(f.lblStandartColor[1]->borderStyle(), 1);
    EXPECT_EQ(f.lblStandartColor[8]->borderStyle(), 0);
    EXPECT_EQ(f.cmdColorName->text(), StandardColours::colourName(1) + QStringLiteral(" в буфер"));

    // Out and back in by Tab lands on the picked cell; a mouse click never takes the focus.
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), f.cmdColorName);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), f.lblStandartColor[1]);
    QTest::mouseClick(f.lblStandartColor[12], Qt::LeftButton);
    EXPECT_EQ(f.txtHex->text(), "FF0000");
    EXPECT_EQ(focused(), f.lblStandartColor[1]);

    // Space picks too; a cell's name is its colour's.
    press(Qt::Key_Space);
    EXPECT_EQ(f.txtHex->text(), "000080");
    EXPECT_EQ(f.lblStandartColor[13]->accessibleName(), "fuchsia");
}

TEST_F(CellKeys, TheFocusMarkShowsOnLightAndDarkCells) {
    frmTintwell& f = shown();
    // Black and white cells, the marked grey one, and "#", which shows the window's colour through.
    for (FormLabel* label : {f.lblStandartColor[0], f.lblStandartColor[15], f.lblStandartColor[8], f.lblH}) {
        // Taken from the window, so that a label that shows its parent through shows it.
        const QRect place(label->mapTo(&f, QPoint(0, 0)), label->size());
        f.txtHex->setFocus();
        const QImage plain = f.grab(place).toImage();
        label->setFocus();
        const QImage marked = f.grab(place).toImage();
        // Black and white dots along the ring's top (at the edge, or two pixels in on a marked
        // cell), where the unfocused label shows neither.
        QSet<QRgb> ring, before;
        const int top = label->borderStyle() == 1 ? 2 : 0;
        for (int x = top; x < label->width() - top; ++x) {
            ring << marked.pixel(x, top);
            before << plain.pixel(x, top);
        }
        const std::string what = label->objectName().toStdString();
        EXPECT_TRUE(ring.contains(qRgb(0, 0, 0)) && ring.contains(qRgb(255, 255, 255))) << what;
        EXPECT_NE(ring, before) << what;
    }
}

TEST_F(CellKeys, SafeCellsAreWalkedAsThePanelShowsThemAcrossTheBlocks) {
    frmTintwell& f = shown();
    f.cmdSafe->click();
    f.chkSF->setFocus();
    press(Qt::Key_Tab);
    // Grey is no safe colour, so no cell is marked and the first stands for them all.
    ASSERT_EQ(focused(), f.lblSF[0]);
    // Blocks of 6 x 6 lie in three columns of two: right of cell 5 is block 2, below cell 30
    // block 1.
    walk(f.lblSF, {{Qt::Key_Right, 1},
                   {Qt::Key_Right, 2},
                   {Qt::Key_Right, 3},
                   {Qt::Key_Right, 4},
                   {Qt::Key_Right, 5},
                   {Qt::Key_Right, 72},
                   {Qt::Key_Down, 78},
                   {Qt::Key_Left, 11},
                   {Qt::Key_Up, 5},
                   {Qt::Key_Up, 5},
                   {Qt::Key_Left, 4},
                   {Qt::Key_Down, 10},
                   {Qt::Key_Down, 16},
                   {Qt::Key_Down, 22},
                   {Qt::Key_Down, 28},
                   {Qt::Key_Down, 34},
                   {Qt::Key_Down, 40}});
    press(Qt::Key_Space);
    EXPECT_EQ("#" + f.txtHex->text(), f.palette.SafeColours[40]);
    EXPECT_EQ(f.lblSF[40]->borderStyle(), 1);
    EXPECT_EQ(f.lblSF[40]->accessibleName(), f.palette.SafeColours[40]);

    // The names follow the order; closing the panel takes the cells out of reach.
    f.optPerformance[5]->click();
    for (int n : {1, 40, 215}) {
        EXPECT_EQ(f.lblSF[n]->accessibleName(), f.palette.SafeColours[n]) << n;
    }
    EXPECT_EQ(f.lblSF[1]->accessibleName(), "#330000");
    f.cmdSafe->click();
    f.chkSF->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), f.cmdWinColor);
}

TEST_F(CellKeys, LabelsAnswerSpaceEnterAndTheMenuKeyAsTheirMouseButtons) {
    frmTintwell& f = shown();
    // "#": Space copies the code, the menu key stores, Shift+F10 brings the stored colour back.
    f.lblH->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(desktop.clipboard, "808080");
    press(Qt::Key_Menu);
    EXPECT_EQ(f.lblH->borderStyle(), 1);
    f.txtHex->setText("123456");
    f.lblH->setFocus();
    press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(f.txtHex->text(), "808080");
    EXPECT_EQ(f.lblH->borderStyle(), 0);

    // The address label: Enter opens it, the menu key copies it.
    f.lblURL->setText("file:/help.html");
    f.lblURL->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(desktop.openedAddresses, QStringList{"file:/help.html"});
    press(Qt::Key_Menu);
    EXPECT_EQ(desktop.clipboard, "file:/help.html");

    // Bold switches with Space, as with a click.
    f.cmdTagEditor->click();
    const int bold = f.lblBold->borderStyle();
    f.lblBold->setFocus();
    press(Qt::Key_Space);
    EXPECT_NE(f.lblBold->borderStyle(), bold);
    EXPECT_EQ(f.lblTag[1]->font().bold(), bold == 0);
    // Other keys are not taken for clicks.
    press(Qt::Key_A);
    press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_NE(f.lblBold->borderStyle(), bold);
    EXPECT_EQ(desktop.openedAddresses.size(), 1);
}

TEST_F(CellKeys, EveryControlHasANameThatSaysWhatItIs) {
    frmTintwell& f = shown();
    f.buildExtraPanels();
    const QList<std::pair<QWidget*, const char*>> named{{f.vsbColor[0], "Red"},
                                                        {f.vsbColor[2], "Blue"},
                                                        {f.vsbDL, "Dark to light"},
                                                        {f.vsbSaturation, "Contrast"},
                                                        {f.vsbTone, "Tone"},
                                                        {f.txtHex, "HTML code"},
                                                        {f.cmdWinColor, "Colour dialog"},
                                                        {f.lblCMix, "Preview #808080"},
                                                        {f.txtDec, "Colour in the notation"},
                                                        {f.vsHoleLeft, "Hole left edge"},
                                                        {f.vsHoleRoundY, "Hole corner height"},
                                                        {f.lblBold, "Bold samples"}};
    for (const auto& [w, name] : named) {
        EXPECT_EQ(w->accessibleName(), QString::fromUtf8(name)) << w->objectName().toStdString();
    }
    QSet<QString> orders;
    for (QRadioButton* option : f.optPerformance) {
        orders << option->accessibleName();
    }
    EXPECT_EQ(orders.size(), 6);
    f.txtHex->setText("336699");
    EXPECT_EQ(f.lblCMix->accessibleName(), "Preview #336699");
}
