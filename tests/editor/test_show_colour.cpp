// The refresh of the current colour and the channel sliders.
#include "EditorChecks.h"

#include "notation/StandardColours.h"
#include "palette/SafePalette.h"
#include "scheme/SchemeEditor.h"
#include "scheme/StoredSchemes.h"

#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace editorChecks;
using modColors::ColourValue;
using modColors::RGB;

namespace {
constexpr ColourValue LightYellow = 0x00C0FFFF;

class ShowColourTest : public EditorTest {
  protected:
};

TEST_F(ShowColourTest, EveryDisplayFollowsTheColourGiven) {
    struct Case {
        ColourValue colour;
        Channels channels;
        const char* hex;
        int mean;
        bool standard;
    };
    const Case cases[] = {
        {RGB(10, 128, 250), {10, 128, 250}, "0A80FA", 129, false},
        {RGB(255, 128, 0), {255, 128, 0}, "FF8000", 127, false},
        {RGB(0, 0, 128), {0, 0, 128}, "000080", 42, true},
        {0x01FF8040, {64, 128, 255}, "4080FF", 149, false}, // the top byte is not a channel
        {RGB(0, 0, 0), {0, 0, 0}, "000000", 0, true},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        f().editor.ShowColour(c.colour);
        EXPECT_EQ(f().lblCMix->backColour(), c.colour);
        EXPECT_EQ(sliders(f()), c.channels);
        EXPECT_EQ(f().editor.CurrentChannels,
                  (std::array<modColors::Channel, 3>{static_cast<modColors::Channel>(c.channels[0]),
                                                     static_cast<modColors::Channel>(c.channels[1]),
                                                     static_cast<modColors::Channel>(c.channels[2])}));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(f().lblNColor[i]->text(), QString::number(c.channels[i]));
        }
        EXPECT_EQ(f().lblColor[0]->backColour(), RGB(c.channels[0], 0, 0));
        EXPECT_EQ(f().lblColor[1]->backColour(), RGB(0, c.channels[1], 0));
        EXPECT_EQ(f().lblColor[2]->backColour(), RGB(0, 0, c.channels[2]));
        EXPECT_EQ(f().txtHex->text(), QLatin1String(c.hex));
        EXPECT_EQ(f().vsbDL->value(), c.mean);
        EXPECT_EQ(f().editor.LastDarkLight, c.mean);
        EXPECT_EQ(f().cmdColorName->isVisibleTo(&f()), c.standard);
        // Number notation, chosen at start: built from the sliders last.
        EXPECT_EQ(f().txtDec->text(), QString::number(colourOf(c.channels)));
        EXPECT_TRUE(flagsClear(f().flags));
    }
}

TEST_F(ShowColourTest, SystemColourStaysOneInThePreviewAndShowsItsChannels) {
    open();
    constexpr auto buttonFace = static_cast<ColourValue>(0x8000000F);
    f().editor.ShowColour(buttonFace);
    const ColourValue resolved = desktop.systemColours[15];
    EXPECT_EQ(f().lblCMix->backColour(), buttonFace);
    EXPECT_EQ(f().editor.currentColour(), buttonFace);
    EXPECT_EQ(colourOf(sliders(f())), resolved);
    EXPECT_EQ(f().txtHex->text(), modColors::ColourToHtml(resolved).mid(1));
    EXPECT_FALSE(f().cmdColorName->isVisibleTo(&f()));
    for (FormLabel* cell : f().lblStandartColor) {
        EXPECT_EQ(cell->borderStyle(), 0);
    }
}

// Green's number turns black from 200 up, by any path; red and blue keep their colour.
TEST_F(ShowColourTest, OnlyTheGreenNumberChangesColourAt200) {
    open();
    struct Step {
        const char* path;
        std::function<void()> act;
        ColourValue greenFore;
    };
    const Step steps[] = {
        {"slider 199", [&] { f().vsbColor[1]->setValue(199); }, LightYellow},
        {"slider 200", [&] { f().vsbColor[1]->setValue(200); }, 0},
        {"slider 199 again", [&] { f().vsbColor[1]->setValue(199); }, LightYellow},
        {"refresh with 200", [&] { f().editor.ShowColour(RGB(255, 200, 255)); }, 0},
        {"refresh with 199", [&] { f().editor.ShowColour(RGB(255, 199, 255)); }, LightYellow},
        {"red and blue at the top", [&] { f().editor.ShowColour(RGB(255, 255, 255)); }, 0},
        {"red and blue at the bottom", [&] { f().editor.ShowColour(RGB(0, 0, 0)); }, LightYellow},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.path);
        s.act();
        EXPECT_EQ(f().lblNColor[1]->foreColour(), s.greenFore);
        EXPECT_EQ(f().lblNColor[0]->foreColour(), LightYellow);
        EXPECT_EQ(f().lblNColor[2]->foreColour(), LightYellow);
    }
}

// A slider move rewrites only its own number and swatch and refreshes once; the buffer of
// channels is left as the last refresh wrote it.
TEST_F(ShowColourTest, SliderMoveRefreshesOnceAndSkipsTheChannelStep) {
    open();
    f().editor.ShowColour(RGB(10, 20, 30));
    f().lblNColor[0]->setText(QStringLiteral("red"));
    f().lblColor[2]->setBackColour(RGB(1, 2, 3));
    const int before = f().editor.refreshCount();

    f().vsbColor[1]->setValue(90);

    EXPECT_EQ(f().editor.refreshCount(), before + 1);
    EXPECT_EQ(f().lblCMix->backColour(), RGB(10, 90, 30));
    EXPECT_EQ(f().lblNColor[1]->text(), QStringLiteral("90"));
    EXPECT_EQ(f().lblColor[1]->backColour(), RGB(0, 90, 0));
    EXPECT_EQ(f().lblNColor[0]->text(), QStringLiteral("red"));
    EXPECT_EQ(f().lblColor[2]->backColour(), RGB(1, 2, 3));
    EXPECT_EQ(f().editor.CurrentChannels[1], 20);
    EXPECT_EQ(f().vsbDL->value(), (10 + 90 + 30) / 3);
    EXPECT_EQ(f().txtHex->text(), QStringLiteral("0A5A1E"));
    EXPECT_TRUE(flagsClear(f().flags));
}

// The flags each write of the refresh sees, by the path that started it.
TEST_F(ShowColourTest, NestedWritesSeeTheGuardsOfTheirPath) {
    open();
    struct Seen {
        QString where;
        bool inShow, inSlider, inDark, inHex, inStd;
        bool operator==(const Seen&) const = default;
    };
    QList<Seen> seen;
    auto record = [&](const QString& where) {
        const GuardFlags& g = f().flags;
        seen.append({where, g.InShowColour, g.InSliderChange, g.InDarkLight, g.InHexEntry, g.InStdSelect});
    };
    QObject::connect(f().vsbColor[0], &QScrollBar::valueChanged, [&] { record("channel"); });
    QObject::connect(f().vsbDL, &QScrollBar::valueChanged, [&] { record("dark-light"); });
    QObject::connect(f().txtHex, &QLineEdit::textChanged, [&] { record("hex"); });
    QObject::connect(f().txtDec, &QLineEdit::textChanged, [&] { record("notation"); });

    struct Path {
        const char* name;
        std::function<void()> act;
        QList<Seen> expected;
    };
    const Path paths[] = {
        {"refresh",
         [&] { f().editor.ShowColour(RGB(200, 100, 0)); },
         {{"channel", true, false, false, false, false},
          {"dark-light", true, true, false, false, false},
          {"hex", true, true, false, false, false},
          {"notation", true, false, false, false, false}}},
        // The control that started the change reports last, once its handler has finished.
        {"red slider",
         [&] { f().vsbColor[0]->setValue(50); },
         {{"dark-light", true, true, false, false, false},
          {"hex", true, true, false, false, false},
          {"notation", true, false, false, false, false},
          {"channel", false, false, false, false, false}}},
        {"dark-light slider",
         [&] { f().vsbDL->setValue(f().vsbDL->value() + 10); },
         {{"channel", true, false, true, false, false},
          {"hex", true, true, true, false, false},
          {"notation", true, false, true, false, false},
          {"dark-light", false, false, false, false, false}}},
        {"typed code",
         [&] { f().txtHex->setText(QStringLiteral("102030")); },
         {{"channel", true, false, false, true, false},
          {"dark-light", true, true, false, true, false},
          {"notation", true, false, false, true, false},
          {"hex", false, false, false, false, false}}},
        {"standard cell",
         [&] { emit f().lblStandartColor[12]->clicked(); },
         {{"channel", true, false, false, false, true},
          {"dark-light", true, true, false, false, true},
          {"hex", true, true, false, false, true},
          {"notation", true, false, false, false, true}}},
    };
    for (const Path& p : paths) {
        SCOPED_TRACE(p.name);
        seen.clear();
        p.act();
        ASSERT_EQ(seen.size(), p.expected.size());
        for (qsizetype i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].where, p.expected[i].where);
            EXPECT_TRUE(seen[i] == p.expected[i]) << qPrintable(seen[i].where);
        }
        EXPECT_TRUE(flagsClear(f().flags));
    }
}

// Channels first, then the standard-colour match, the scheme slot, the dark-light slider, the
// hex box and the notation: each later step sees what the earlier ones wrote.
TEST_F(ShowColourTest, StepsRunInTheirFixedOrder) {
    open();
    f().buildExtraPanels();
    f().cmdTagEditor->setText(StoredSchemes::OpenCaption);
    f().views.setSchemeEditorOpen(true);
    f().scheme.SelectedSlot = 2;
    f().editor.ShowColour(RGB(10, 10, 10));
    QStringList order;
    QObject::connect(f().vsbColor[2], &QScrollBar::valueChanged,
                     [&] { order << QStringLiteral("channels"); });
    QObject::connect(f().txtTag, &QPlainTextEdit::textChanged, [&] {
        order << (f().cmdColorName->text() == QStringLiteral("navy в буфер") ? "scheme after match"
                                                                             : "scheme before match");
    });
    QObject::connect(f().vsbDL, &QScrollBar::valueChanged, [&] {
        order << (f().lblTag[2]->tag() == QStringLiteral("#000080") ? "dark-light" : "dark-light too early");
    });
    QObject::connect(f().txtHex, &QLineEdit::textChanged, [&] { order << QStringLiteral("hex"); });
    QObject::connect(f().txtDec, &QLineEdit::textChanged, [&] {
        order << (f().txtHex->text() == QStringLiteral("000080") ? "notation" : "notation too early");
    });

    f().editor.ShowColour(RGB(0, 0, 128));

    EXPECT_EQ(order, (QStringList{"channels", "scheme after match", "dark-light", "hex", "notation"}));
    EXPECT_EQ(f().lblTag[2]->foreColour(), RGB(0, 0, 128));
}

// A real drag: the colour follows the thumb while the button is down, one refresh per value.
TEST_F(ShowColourTest, DraggingAChannelThumbChangesTheColourWhileItMoves) {
    openShown();
    int values = 0;
    QObject::connect(f().vsbColor[0], &QScrollBar::valueChanged, [&] { ++values; });
    const int before = f().editor.refreshCount();
    QList<int> redWhileDown;
    dragThumb(f().vsbColor[0], 5, -4, [&] {
        EXPECT_TRUE(f().vsbColor[0]->isSliderDown());
        EXPECT_EQ(colourOf(sliders(f())), f().lblCMix->backColour());
        redWhileDown << (f().lblCMix->backColour() & 0xFF);
    });
    ASSERT_EQ(redWhileDown.size(), 5);
    EXPECT_GT(redWhileDown.first(), 128); // up is lighter
    EXPECT_TRUE(std::is_sorted(redWhileDown.begin(), redWhileDown.end()));
    EXPECT_GT(redWhileDown.last(), redWhileDown.first());
    EXPECT_EQ(f().editor.refreshCount() - before, values);
    EXPECT_EQ(f().lblNColor[0]->text(), QString::number(redWhileDown.last()));
    EXPECT_EQ(f().vsbDL->value(), (redWhileDown.last() + 256) / 3);
}

// Dragging while snapping is on ends snapping first and keeps the snapped channels.
TEST_F(ShowColourTest, DraggingEndsSafeSnappingWithoutUndo) {
    openShown();
    f().chkSF->setChecked(true); // 128 snaps to 153
    ASSERT_EQ(sliders(f()), (Channels{153, 153, 153}));
    dragThumb(f().vsbColor[0], 3, 4);
    EXPECT_FALSE(f().chkSF->isChecked());
    EXPECT_EQ(f().vsbColor[0]->singleStep(), 1);
    EXPECT_EQ(f().vsbColor[1]->value(), 153);
    EXPECT_EQ(f().vsbColor[2]->value(), 153);
    EXPECT_LT(f().vsbColor[0]->value(), 153);
    EXPECT_EQ(f().lblCMix->backColour(), colourOf(sliders(f())));
}

// 255 is at the top: the top arrow, the track above the thumb and the Up key all raise the
// value, each by its own step.
TEST_F(ShowColourTest, ChannelAndDarkLightSlidersRaiseTheirValueTowardsTheTop) {
    openShown();
    QList<QScrollBar*> bars(f().vsbColor.begin(), f().vsbColor.end());
    bars << f().vsbDL;
    for (QScrollBar* bar : bars) {
        SCOPED_TRACE(qPrintable(bar->objectName()));
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 255);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 16);
        f().editor.ShowColour(RGB(100, 100, 100));
        const int start = bar->value();
        EXPECT_GT(thumbCentre(bar).y(), bar->height() / 2); // 100 lies below the middle
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 2));
        EXPECT_EQ(bar->value(), start + 1) << "top arrow";
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 2));
        EXPECT_EQ(bar->value(), start) << "bottom arrow";
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(bar->width() / 2, thumbCentre(bar).y() - bar->height() / 8));
        EXPECT_EQ(bar->value(), start + 16) << "track above the thumb";
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Up);
        EXPECT_EQ(bar->value(), start + 17) << "Up key";
        EXPECT_EQ(colourOf(sliders(f())), f().lblCMix->backColour());
    }
}

} // namespace
