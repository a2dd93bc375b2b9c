// Start-up and shut-down through a real settings file.
#include "notation/StandardColours.h"
#include "support/WindowFixture.h"

#include <QSignalSpy>

namespace {
class StartUp : public WindowTest {};
} // namespace

TEST_F(StartUp, FirstRunShowsGreyInTheCompactViewAndWritesTheKeysAtClose) {
    frmTintwell& f = open();
    EXPECT_EQ(f.outerWidthTwips(), 5100);
    EXPECT_EQ(f.outerHeightTwips(), 4370);
    EXPECT_EQ(f.cboWhat->currentIndex(), 0);
    EXPECT_EQ(f.txtDec->text(), "8421504");
    EXPECT_FALSE(f.chkOnTop->isChecked());
    EXPECT_EQ(f.lblCMix->backColour(), 0x808080);
    EXPECT_EQ(f.txtHex->text(), "808080");
    EXPECT_EQ(f.vsbDL->value(), 128);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.vsbColor[i]->value(), 128);
        EXPECT_EQ(f.lblNColor[i]->text(), "128");
    }
    EXPECT_EQ(f.lblStandartColor[8]->borderStyle(), 1);
    EXPECT_EQ(f.cmdColorName->text(), "gray в буфер");
    EXPECT_EQ(f.cmdSafe->text(), "S&F >>");
    EXPECT_EQ(f.cmdTagEditor->text(), "Tag &Editor >>");

    close();
    EXPECT_EQ(setting("Init", "cboWhat"), " 0");
    EXPECT_EQ(setting("Init", "OnTop"), " 0");
    const std::pair<const char*, const char*> hole[] = {{"left", "270"},   {"top", "120"},
                                                        {"right", "320"},  {"bottom", "140"},
                                                        {"radiusX", "20"}, {"radiusY", "20"}};
    for (const auto& [key, value] : hole) {
        EXPECT_EQ(setting("Hole", key), value) << key;
    }
}

TEST_F(StartUp, NotationAndOnTopSurviveARestart) {
    frmTintwell& f = open();
    f.cboWhat->setCurrentIndex(4);
    f.chkOnTop->setChecked(true);
    frmTintwell& g = restart();
    EXPECT_EQ(setting("Init", "cboWhat"), " 4");
    EXPECT_EQ(setting("Init", "OnTop"), " 1");
    EXPECT_EQ(g.cboWhat->currentIndex(), 4);
    EXPECT_EQ(g.txtDec->text(), "RGB(128 ,128 ,128)");
    EXPECT_TRUE(g.chkOnTop->isChecked());
}

TEST_F(StartUp, StoredNotationIsShownBeforeTheFirstColour) {
    preset("Init", "cboWhat", "6");
    frmTintwell& f = open();
    EXPECT_EQ(f.cboWhat->currentIndex(), 6);
    EXPECT_EQ(f.txtDec->text(), "0.502  0.502  0.502");
    EXPECT_DOUBLE_EQ(f.txtDec->font().pointSizeF(), 8);
}

TEST_F(StartUp, BadStoredValuesFallBackToTheDefaults) {
    const char* bad[] = {"x", "", "16", "-1", "1.5", "99999", "\t", "0x3"};
    open();
    for (const char* value : bad) {
        close();
        preset("Init", "cboWhat", value);
        preset("Init", "OnTop", value);
        frmTintwell& f = open();
        EXPECT_EQ(f.cboWhat->currentIndex(), 0) << value;
        EXPECT_FALSE(f.chkOnTop->isChecked()) << value;
        EXPECT_EQ(f.txtDec->text(), "8421504") << value;
    }
    // A blank in the sign position is what the program itself writes.
    close();
    preset("Init", "cboWhat", " 3");
    preset("Init", "OnTop", " 1");
    frmTintwell& f = open();
    EXPECT_EQ(f.cboWhat->currentIndex(), 3);
    EXPECT_EQ(f.txtDec->text(), "QBColor( 8 )");
    EXPECT_TRUE(f.chkOnTop->isChecked());
}

TEST_F(StartUp, ClosingTwiceWritesOnce) {
    frmTintwell& f = open();
    f.close();
    preset("Init", "cboWhat", " 5");
    f.close();
    EXPECT_EQ(setting("Init", "cboWhat"), " 5");
}
