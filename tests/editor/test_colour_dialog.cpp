#include "editor/ColourDialog.h"
#include "editor/ColourEditor.h"
#include "notation/StandardColours.h"
#include "platform/QtDesktopServices.h"
#include "scheme/SchemeEditor.h"
#include "scheme/StoredSchemes.h"
#include "support/WindowFixture.h"

#include <QColorDialog>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace modColors;

namespace {

constexpr ColourValue Grey = 0x808080;
constexpr ColourValue Orange = RGB(255, 128, 0);

class ColourDialogTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void typeHex(const QString& digits) {
        form->txtHex->clear();
        QTest::keyClicks(form->txtHex, digits);
    }
    void rightClickHash() { QTest::mouseClick(form->lblH, Qt::RightButton); }
    ColourValue current() const { return form->editor.currentColour(); }
    // The dialog answers with this colour, or cancels when it is NoColour.
    void answer(ColourValue colour) {
        desktop.dialogAnswer = [colour](std::int32_t& chosen, DesktopServices::CustomColourTable&) {
            if (colour == NoColour) {
                return false;
            }
            chosen = colour;
            return true;
        };
    }
};

TEST_F(ColourDialogTest, TemporaryStoreKeepsOneCodeAndBringsItBack) {
    typeHex("FF8000");
    ASSERT_EQ(current(), Orange);
    rightClickHash();
    EXPECT_EQ(form->lblH->borderStyle(), 1);
    EXPECT_EQ(form->tempStore.TempColour, "#FF8000");
    // The frame goes round the "#", it does not cut into it.
    EXPECT_GE(form->lblH->contentsRect().width(), form->lblH->fontMetrics().horizontalAdvance("#"));
    EXPECT_GE(form->lblH->contentsRect().height(), form->lblH->fontMetrics().height());

    form->lblStandartColor[0]->clicked();
    ASSERT_EQ(current(), 0);
    QTest::mouseClick(form->lblH, Qt::LeftButton); // a left click copies and leaves the store alone
    EXPECT_EQ(desktop.clipboard, "000000");
    EXPECT_EQ(form->lblH->borderStyle(), 1);

    rightClickHash();
    EXPECT_EQ(form->lblH->borderStyle(), 0);
    EXPECT_EQ(current(), Orange);
    EXPECT_EQ(form->txtHex->text(), "FF8000");

    form->lblStandartColor[12]->clicked();
    rightClickHash(); // stores what is shown now
    EXPECT_EQ(form->tempStore.TempColour, "#FF0000");
    EXPECT_EQ(form->lblH->borderStyle(), 1);
}

TEST_F(ColourDialogTest, HashCopiesTheSixDigitsOnClickAndDoubleClick) {
    typeHex("FF8000");
    QTest::mouseClick(form->lblH, Qt::LeftButton);
    EXPECT_EQ(desktop.clipboard, "FF8000");
    // A double-click as the window system delivers it: a click, then a press reported as a
    // double-click, then its release. It copies once.
    desktop.clipboard.clear();
    const int writes = desktop.clipboardWrites;
    QTest::mouseClick(form->lblH, Qt::LeftButton);
    QTest::mouseDClick(form->lblH, Qt::LeftButton);
    QTest::mouseRelease(form->lblH, Qt::LeftButton);
    EXPECT_EQ(desktop.clipboard, "FF8000");
    EXPECT_EQ(desktop.clipboardWrites, writes + 1);
    EXPECT_EQ(form->lblH->borderStyle(), 0);
}

TEST_F(ColourDialogTest, AStoreFilledWithAnIncompleteCodeRecallsNothing) {
    for (const QString& digits : {QString("12345"), QString("12"), QString()}) {
        typeHex(digits);
        rightClickHash();
        EXPECT_EQ(form->tempStore.TempColour.size(), 7);
        form->lblStandartColor[9]->clicked();
        const int before = static_cast<int>(desktop.messages.size());
        rightClickHash();
        EXPECT_EQ(form->lblH->borderStyle(), 0) << digits.toStdString();
        EXPECT_EQ(current(), StandardColours::QBColor(9))
            << "no wrong colour for '" << digits.toStdString() << "'";
        ASSERT_EQ(desktop.messages.size(), before + 1);
        EXPECT_EQ(desktop.messages.last().text, LengthMessage);
    }
}

TEST_F(ColourDialogTest, DialogOpensFullyOnTheCurrentColourAndCancelChangesNothing) {
    answer(RGB(255, 0, 0));
    QTest::mouseDClick(form->lblCMix, Qt::LeftButton);
    ASSERT_EQ(desktop.dialogs.size(), 1);
    EXPECT_EQ(desktop.dialogs[0].initialColour, Grey);
    EXPECT_EQ(desktop.dialogs[0].flags, 0x103u);
    EXPECT_EQ(current(), RGB(255, 0, 0));

    answer(NoColour);
    form->cmdWinColor->click();
    EXPECT_EQ(desktop.dialogs.size(), 2);
    EXPECT_EQ(desktop.dialogs[1].initialColour, RGB(255, 0, 0));
    EXPECT_EQ(current(), RGB(255, 0, 0));
}

TEST_F(ColourDialogTest, ASystemColourIsOfferedAsItsPlainColour) {
    const ColourValue buttonFace = static_cast<ColourValue>(0x8000000Fu);
    form->editor.ShowColour(buttonFace);
    form->dialog.lblCMix_DblClick();
    ASSERT_EQ(desktop.dialogs.size(), 1);
    EXPECT_EQ(desktop.dialogs[0].initialColour, desktop.systemColours[15]);
}

TEST_F(ColourDialogTest, SnappingDisablesTheButtonButNotTheDoubleClick) {
    form->chkSF->setChecked(true);
    EXPECT_FALSE(form->cmdWinColor->isEnabled());
    answer(RGB(10, 20, 30));
    QTest::mouseDClick(form->lblCMix, Qt::LeftButton);
    EXPECT_EQ(desktop.dialogs.size(), 1);
    EXPECT_EQ(current(), RGB(10, 20, 30)); // applied as chosen, not snapped
}

TEST_F(ColourDialogTest, CustomColoursAreFilledOnceAndKeepTheUsersEdits) {
    constexpr ColourValue Made = RGB(1, 2, 3);
    desktop.dialogAnswer = [](std::int32_t&, DesktopServices::CustomColourTable& custom) {
        custom[3] = Made;
        return false;
    };
    form->dialog.lblCMix_DblClick();
    ASSERT_EQ(desktop.dialogs.size(), 1);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(desktop.dialogs[0].custom[static_cast<std::size_t>(i)],
                  desktop.systemColours[static_cast<std::size_t>(i)]);
    }
    desktop.systemColours[0] = RGB(9, 9, 9); // read only once per run
    answer(NoColour);
    form->dialog.lblCMix_DblClick();
    EXPECT_EQ(desktop.dialogs[1].custom[3], Made);
    EXPECT_NE(desktop.dialogs[1].custom[0], RGB(9, 9, 9));
}

TEST_F(ColourDialogTest, AnyOtherModeGivesAGreyRampAndTheFlagsFollowTheChoices) {
    form->dialog.InitCustomColours(0);
    EXPECT_TRUE(form->dialog.CustomColoursReady);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(form->dialog.CustomColours[static_cast<std::size_t>(i)], RGB(16 * i, 16 * i, 16 * i));
    }
    EXPECT_EQ(ColourDialog::ColourDialogFlags(true, true, false), 0x103u);
    EXPECT_EQ(ColourDialog::ColourDialogFlags(false, false, true), 0x85u);
}

TEST_F(ColourDialogTest, BoldSwitchFlipsTheSamples) {
    auto boldSamples = [this] {
        int bold = 0;
        for (int i = 1; i < 5; ++i) {
            bold += form->lblTag[i]->font().bold() ? 1 : 0;
        }
        return bold;
    };
    form->buildExtraPanels();
    ASSERT_EQ(boldSamples(), 4);
    form->lblBold->clicked();
    EXPECT_EQ(boldSamples(), 0);
    EXPECT_EQ(form->lblBold->borderStyle(), 0);
    form->lblBold->clicked();
    EXPECT_EQ(boldSamples(), 4);
    EXPECT_EQ(form->lblBold->borderStyle(), 1);
}

TEST_F(ColourDialogTest, TheSchemeSlotTakesTheColourChosenInTheDialog) {
    form->schemes.cmdTagEditor_Click();
    form->scheme.SelectedSlot = 2;
    answer(RGB(255, 0, 0));
    form->dialog.lblCMix_DblClick();
    EXPECT_EQ(form->lblTag[2]->tag(), "#FF0000");
    answer(NoColour);
    form->dialog.lblCMix_DblClick();
    EXPECT_EQ(form->lblTag[2]->tag(), "#FF0000");
}

// The real dialog: a custom colour added there is offered again at the next opening.
TEST_F(ColourDialogTest, RealDialogKeepsAnAddedCustomColourForTheNextOpening) {
    // Qt's dialog keeps its custom colours in a settings file of its own: keep it out of the home folder.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QtDesktopServices real;
    ColourDialog dialog({form->cmdWinColor, form->lblCMix}, form->editor, real, form.get());
    constexpr ColourValue Picked = RGB(12, 34, 56);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(QColor(12, 34, 56));
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().contains("Custom")) {
                button->click();
            }
        }
        dialog->accept();
    });
    ColourValue colour = Grey;
    EXPECT_TRUE(dialog.PickColour(colour, true, true, false, form.get(), 1));
    EXPECT_EQ(colour, Picked);
    EXPECT_TRUE(std::find(dialog.CustomColours.begin(), dialog.CustomColours.end(), Picked) !=
                dialog.CustomColours.end());

    bool offered = false;
    QTimer::singleShot(0, [&] {
        for (int i = 0; i < 16; ++i) {
            offered = offered || QColorDialog::customColor(i) == QColor(12, 34, 56);
        }
        QApplication::activeModalWidget()->close();
    });
    EXPECT_FALSE(dialog.PickColour(colour, true, true, false, form.get(), 1));
    EXPECT_EQ(colour, NoColour);
    EXPECT_TRUE(offered);
}

} // namespace
