#include "SchemeFixture.h"

#include "editor/ColourEditor.h"

using modColors::RGB;

namespace {

TEST_F(SchemeTest, MiniaturePageHasItsBackdropSampleWordsAndSlotButtons) {
    show();
    form->buildExtraPanels();
    const FormLabel* page = form->lblTag[0];
    EXPECT_TRUE(page->autoFillBackground());
    EXPECT_EQ(page->backColour(), RGB(255, 255, 255));
    EXPECT_TRUE(page->text().isEmpty());
    EXPECT_EQ(page->toolTip(), QStringLiteral("Dblclick to open Windows Color Dialog"));
    const char* words[5] = {"", "Text", "Link", "Visited link", "Active link"};
    const char* slotNames[5] = {"BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK"};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const FormLabel* sample = form->lblTag[i];
        const QRadioButton* option = form->optTag[i];
        EXPECT_EQ(option->text(), QString::fromLatin1(slotNames[i]));
        EXPECT_FALSE(option->isChecked());
        EXPECT_GT(option->x(), page->geometry().right()) << "option buttons stand right of the page";
        EXPECT_GE(option->width(), option->sizeHint().width()) << "the caption is not clipped";
        if (i == 0) {
            continue;
        }
        EXPECT_EQ(sample->text(), QString::fromLatin1(words[i]));
        EXPECT_FALSE(sample->autoFillBackground()) << "words lie on the page's colour";
        EXPECT_TRUE(sample->font().bold());
        EXPECT_DOUBLE_EQ(sample->font().pointSizeF(), 9.75);
        EXPECT_EQ(sample->font().underline(), i > 1) << "links are underlined";
        EXPECT_TRUE(page->geometry().contains(sample->geometry())) << "the word lies on the page";
        EXPECT_LT(std::abs(option->geometry().center().y() - sample->geometry().center().y()), 4)
            << "the button stands on its word's line";
        EXPECT_GT(sample->parentWidget()->children().indexOf(sample),
                  page->parentWidget()->children().indexOf(page))
            << "the word is stacked above the page";
    }
    EXPECT_GT(form->optTag[0]->y(), form->optTag[4]->y()) << "BGCOLOR stands below ALINK";
    EXPECT_TRUE(form->txtTag->isReadOnly());
}

TEST_F(SchemeTest, PanelButtonCaptionsFitTheirButtons) {
    show();
    form->buildExtraPanels();
    const auto fits = [](QPushButton* button) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        return button->fontMetrics().horizontalAdvance(text) + 8 <= button->width();
    };
    for (QPushButton* button :
         {form->cmdStoreTag, form->cmdCopyTag, form->cmdDeleteTag, form->cmdTagEditor}) {
        EXPECT_TRUE(fits(button)) << button->objectName().toStdString();
    }
    toggleEditor();
    EXPECT_TRUE(fits(form->cmdTagEditor)) << "open caption";
}

TEST_F(SchemeTest, ChosenTextSlotFollowsTheRedSlider) {
    show();
    toggleEditor();
    click(form->optTag[1]);
    EXPECT_EQ(form->scheme.SelectedSlot, 1);
    EXPECT_EQ(form->editor.currentColour(), 0) << "the slot's colour became current";
    EXPECT_EQ(tag(), DefaultTag) << "choosing a well-formed slot leaves the tag as it was";

    form->vsbColor[0]->setValue(255);
    EXPECT_EQ(form->lblTag[1]->foreColour(), RGB(255, 0, 0));
    EXPECT_EQ(tag(), defaultWith(1, QStringLiteral("#FF0000")));
    EXPECT_EQ(tag().size(), 76);
}

TEST_F(SchemeTest, BackdropSlotTakesAStandardColourAsThePageColour) {
    show();
    toggleEditor();
    click(form->lblTag[0]); // clicking the page chooses BGCOLOR
    EXPECT_TRUE(form->optTag[0]->isChecked());
    EXPECT_EQ(form->scheme.SelectedSlot, 0);

    click(form->lblStandartColor[0]); // black
    EXPECT_EQ(form->lblTag[0]->backColour(), 0);
    EXPECT_EQ(tag(), defaultWith(0, QStringLiteral("#000000")));
    const modColors::ColourValue words[5] = {0, 0, RGB(0, 0, 255), RGB(128, 0, 128), RGB(255, 0, 0)};
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(form->lblTag[i]->foreColour(), words[i]) << "sample " << i << " keeps its colour";
    }
}

TEST_F(SchemeTest, EachWayOfChoosingASlotMakesItsColourCurrentAndKeepsTheTag) {
    show();
    toggleEditor();
    const modColors::ColourValue colours[5] = {RGB(255, 255, 255), 0, RGB(0, 0, 255), RGB(128, 0, 128),
                                               RGB(255, 0, 0)};
    for (bool byLabel : {false, true}) {
        for (int i : {3, 0, 4, 1, 2}) {
            SCOPED_TRACE(
                QStringLiteral("slot %1 by %2").arg(i).arg(byLabel ? "label" : "button").toStdString());
            click(byLabel ? static_cast<QWidget*>(form->lblTag[i]) : form->optTag[i]);
            EXPECT_EQ(form->scheme.SelectedSlot, i);
            EXPECT_TRUE(form->optTag[i]->isChecked());
            EXPECT_EQ(form->editor.currentColour(), colours[i]);
            EXPECT_EQ(tag(), DefaultTag);
        }
    }
}

TEST_F(SchemeTest, ClosedEditorLeavesTheSchemeAloneAndReopensAsLeft) {
    show();
    toggleEditor();
    click(form->optTag[2]);
    form->vsbColor[1]->setValue(200);
    const QString edited = tag();
    ASSERT_EQ(edited, defaultWith(2, QStringLiteral("#00C8FF")));

    toggleEditor();
    EXPECT_EQ(form->cmdTagEditor->text(), StoredSchemes::ClosedCaption);
    EXPECT_EQ(form->outerHeightTwips(), 4370);
    EXPECT_FALSE(form->lblURL->isHidden());
    click(form->lblStandartColor[12]);
    form->vsbColor[2]->setValue(10);
    EXPECT_EQ(tag(), edited);
    EXPECT_EQ(code(2), QStringLiteral("#00C8FF"));

    toggleEditor();
    EXPECT_EQ(form->cmdTagEditor->text(), StoredSchemes::OpenCaption);
    EXPECT_EQ(form->outerHeightTwips(), 6040);
    EXPECT_TRUE(form->lblURL->isHidden());
    EXPECT_EQ(tag(), edited) << "no stored scheme is loaded once a slot was chosen";
    EXPECT_EQ(form->scheme.SelectedSlot, 2);
}

TEST_F(SchemeTest, ReopeningBeforeAnySlotIsChosenLoadsTheFirstSchemeAgain) {
    presetSchemes({QStringLiteral("Standart")});
    preset(StoredSchemes::Section, QStringLiteral("Dark"), defaultWith(0, QStringLiteral("#101010")));
    show();
    toggleEditor();
    form->cboStore->setCurrentIndex(1);
    EXPECT_EQ(code(0), QStringLiteral("#101010"));
    toggleEditor();
    toggleEditor();
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(tag(), DefaultTag);
}

TEST_F(SchemeTest, LoadingASchemeClearsTheButtonsButKeepsTheChosenSlot) {
    presetSchemes({QStringLiteral("Standart")});
    preset(StoredSchemes::Section, QStringLiteral("Other"), defaultWith(3, QStringLiteral("#123456")));
    show();
    toggleEditor();
    click(form->optTag[3]);
    form->cboStore->setCurrentIndex(1);
    EXPECT_EQ(tag(), defaultWith(3, QStringLiteral("#123456")));
    EXPECT_EQ(form->lblTag[3]->foreColour(), RGB(0x12, 0x34, 0x56));
    for (QRadioButton* option : form->optTag) {
        EXPECT_FALSE(option->isChecked());
    }
    EXPECT_EQ(form->scheme.SelectedSlot, 3);

    click(form->lblStandartColor[14]); // yellow goes into the slot chosen before the load
    EXPECT_EQ(tag(), defaultWith(3, QStringLiteral("#FFFF00")));
    click(form->optTag[1]); // the buttons still work as a group afterwards
    click(form->optTag[4]);
    EXPECT_FALSE(form->optTag[1]->isChecked());
    EXPECT_TRUE(form->optTag[4]->isChecked());
}

TEST_F(SchemeTest, CopyTagPutsExactlyTheTagTextOnTheClipboard) {
    show();
    toggleEditor();
    click(form->optTag[4]);
    form->txtHex->setText(QStringLiteral("A0B0C0"));
    click(form->cmdCopyTag);
    EXPECT_EQ(desktop.clipboard, defaultWith(4, QStringLiteral("#A0B0C0")));
    EXPECT_EQ(desktop.clipboard.size(), 76);
}

TEST_F(SchemeTest, DoubleClickOnASampleChoosesItsSlotBeforeTheDialog) {
    show();
    toggleEditor();
    doubleClick(form->lblTag[3]);
    EXPECT_EQ(form->scheme.SelectedSlot, 3);
    EXPECT_TRUE(form->optTag[3]->isChecked());
    EXPECT_EQ(form->editor.currentColour(), RGB(128, 0, 128));
    EXPECT_EQ(tag(), DefaultTag);
}

} // namespace

// Each sample word's tool tip tells its contrast against the page, and follows every change
// of a slot: the words' own colours and the page's.
TEST_F(SchemeTest, SampleWordsTellTheirContrastWithThePage) {
    show();
    toggleEditor();
    auto tips = [this] {
        QStringList shown;
        for (int i = 1; i < 5; ++i) {
            shown << form->lblTag[i]->toolTip();
        }
        return shown;
    };
    // APCA figures worked out apart from the program (0.0.98G-4g), cut to one decimal.
    EXPECT_EQ(tips(),
              (QStringList{"Contrast 21:1 (AAA), APCA Lc 106.0", "Contrast 8.5:1 (AAA), APCA Lc 85.8",
                           "Contrast 9.4:1 (AAA), APCA Lc 89.5", "Contrast 3.9:1 (AA Large), APCA Lc 64.1"}));
    click(form->lblTag[0]);
    click(form->lblStandartColor[0]); // a black page
    EXPECT_EQ(tips(), (QStringList{
                          "Contrast 1:1 (fails AA), APCA Lc 0.0", "Contrast 2.4:1 (fails AA), APCA Lc -16.2",
                          "Contrast 2.2:1 (fails AA), APCA Lc -12.6", "Contrast 5.2:1 (AA), APCA Lc -37.5"}));
    click(form->lblTag[1]);
    click(form->lblStandartColor[15]); // white text
    EXPECT_EQ(tips().first(), QStringLiteral("Contrast 21:1 (AAA), APCA Lc -107.8"));
}
