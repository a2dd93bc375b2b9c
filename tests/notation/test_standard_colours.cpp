// The sixteen standard colours: their cells, selecting one, and marking the current colour.
#include "editor/ColourEditor.h"
#include "notation/Notations.h"
#include "notation/StandardColours.h"
#include "support/WindowFixture.h"
#include "widgets/Twips.h"

#include <QTest>

using modColors::ColourValue;
using modColors::RGB;

namespace {

struct Standard {
    int red, green, blue;
    const char* name;
    const char* escape;
};

const Standard Table[16] = {
    {0, 0, 0, "black", "$e[30m"},        {0, 0, 128, "navy", "$e[34m"},
    {0, 128, 0, "green", "$e[32m"},      {0, 128, 128, "teal", "$e[36m"},
    {128, 0, 0, "maroon", "$e[31m"},     {128, 0, 128, "purple", "$e[35m"},
    {128, 128, 0, "olive", "$e[33m"},    {192, 192, 192, "silver", "$e[37m"},
    {128, 128, 128, "gray", "$e[30;1m"}, {0, 0, 255, "blue", "$e[34;1m"},
    {0, 255, 0, "lime", "$e[32;1m"},     {0, 255, 255, "aqua", "$e[36;1m"},
    {255, 0, 0, "red", "$e[31;1m"},      {255, 0, 255, "fuchsia", "$e[35;1m"},
    {255, 255, 0, "yellow", "$e[33;1m"}, {255, 255, 255, "white", "$e[37;1m"},
};

class StandardColoursTest : public WindowTest {
  protected:
    frmTintwell& f() { return *form; }

    QList<int> markedCells() {
        QList<int> marked;
        for (int i = 0; i < 16; ++i) {
            if (f().lblStandartColor[i]->borderStyle() == 1) {
                marked << i;
            }
        }
        return marked;
    }

    void expectSelected(int index) {
        EXPECT_EQ(markedCells(), QList<int>{index});
        EXPECT_EQ(f().standard.StdIndex, index);
        EXPECT_TRUE(f().cmdColorName->isVisibleTo(&f()));
        EXPECT_EQ(f().cmdColorName->text(),
                  QString::fromUtf8(Table[index].name) + QStringLiteral(" в буфер"));
        EXPECT_EQ(f().standard.QBColorText, QStringLiteral("QBColor( %1 )").arg(index));
        EXPECT_EQ(f().standard.EscText, QLatin1String(Table[index].escape));
    }

    void expectNoneSelected() {
        EXPECT_TRUE(markedCells().isEmpty());
        EXPECT_FALSE(f().cmdColorName->isVisibleTo(&f()));
    }
};

TEST_F(StandardColoursTest, CellsShowTheTableInTwoRowsOfEight) {
    open();
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        const Standard& s = Table[i];
        const ColourValue value = RGB(s.red, s.green, s.blue);
        EXPECT_EQ(StandardColours::QBColor(i), value);
        EXPECT_EQ(f().standard.StdColourNames.at(i), QLatin1String(s.name));
        EXPECT_EQ(f().standard.StdEscapes.at(i), QLatin1String(s.escape));
        const FormLabel* cell = f().lblStandartColor[i];
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->objectName(), QStringLiteral("lblStandartColor(%1)").arg(i));
        EXPECT_EQ(cell->parentWidget(), f().fraStCol);
        EXPECT_EQ(cell->backColour(), value);
        EXPECT_EQ(cell->foreColour(), i < 10 ? RGB(255, 255, 255) : 0);
        EXPECT_EQ(cell->text(), QString::number(i));
        EXPECT_EQ(cell->toolTip(), QStringLiteral("Click to select standart color"));
        EXPECT_TRUE(cell->isVisibleTo(&f()));
        const QRect expected(twipsToPixels(30 + 255 * (i % 8)), twipsToPixels(i < 8 ? 120 : 360),
                             twipsToPixels(255), twipsToPixels(240));
        EXPECT_EQ(cell->geometry(), expected);
    }
    EXPECT_EQ(f().fraStCol->geometry(),
              QRect(0, twipsToPixels(-30), twipsToPixels(2100), twipsToPixels(630)));
    EXPECT_EQ(f().cmdColorName->x(), twipsToPixels(2200));
}

TEST_F(StandardColoursTest, ClickingACellMakesItsColourCurrent) {
    open();
    f().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f()));
    f().cboWhat->setCurrentIndex(Notations::QBColor);
    f().editor.ShowColour(RGB(1, 2, 3));
    for (int i : {12, 7, 0, 15, 8}) {
        SCOPED_TRACE(i);
        const int before = f().editor.refreshCount();
        QTest::mouseClick(f().lblStandartColor[i], Qt::LeftButton);
        expectSelected(i);
        EXPECT_EQ(f().editor.refreshCount(), before + 1);
        EXPECT_EQ(f().lblCMix->backColour(), StandardColours::QBColor(i));
        EXPECT_EQ(f().txtDec->text(), QStringLiteral("QBColor( %1 )").arg(i));
        EXPECT_TRUE(f().cmdSend->isEnabled());
        QTest::mouseClick(f().cmdColorName, Qt::LeftButton);
        EXPECT_EQ(desktop.clipboard, QLatin1String(Table[i].name));
    }
}

// Reached by sliders, by a typed code or by the dark-light slider, a standard colour is
// marked exactly as a click would mark it; one step away clears the mark.
TEST_F(StandardColoursTest, StandardColourIsMarkedHoweverItIsReached) {
    open();
    f().cboWhat->setCurrentIndex(Notations::Esc);
    struct Step {
        const char* how;
        std::function<void()> act;
        int marked; // -1: none
    };
    const Step steps[] = {
        {"sliders to 0, 0, 128",
         [&] {
             f().vsbColor[0]->setValue(0);
             f().vsbColor[1]->setValue(0);
             f().vsbColor[2]->setValue(128);
         },
         1},
        {"blue one step down", [&] { f().vsbColor[2]->setValue(127); }, -1},
        {"code 000080", [&] { f().txtHex->setText(QStringLiteral("000080")); }, 1},
        {"code c0c0c0", [&] { f().txtHex->setText(QStringLiteral("c0c0c0")); }, 7},
        {"code C0C0C1", [&] { f().txtHex->setText(QStringLiteral("C0C0C1")); }, -1},
        {"grey 127 lightened by one",
         [&] {
             f().editor.ShowColour(RGB(127, 127, 127));
             f().vsbDL->setValue(128);
         },
         8},
        {"refresh with a system colour", [&] { f().editor.ShowColour(static_cast<ColourValue>(0x80000008)); },
         -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.how);
        s.act();
        if (s.marked < 0) {
            expectNoneSelected();
            EXPECT_EQ(f().txtDec->text(), QStringLiteral("Not available"));
            EXPECT_FALSE(f().cmdSend->isEnabled());
        } else {
            expectSelected(s.marked);
            EXPECT_EQ(f().txtDec->text(), QLatin1String(Table[s.marked].escape));
            EXPECT_TRUE(f().cmdSend->isEnabled());
        }
    }
}

// A change of notation matches the preview too: it marks a standard colour (or clears the
// mark) without showing the colour once more, since it is current already.
TEST_F(StandardColoursTest, NotationChangeMatchesThePreview) {
    open();
    struct Case {
        ColourValue colour;
        int marked;
    };
    for (const Case& c : {Case{RGB(0, 128, 128), 3}, Case{RGB(0, 128, 129), -1}}) {
        f().editor.ShowColour(c.colour);
        const int before = f().editor.refreshCount();
        f().cboWhat->setCurrentIndex(Notations::QBColor);
        f().cboWhat->setCurrentIndex(Notations::Html);
        EXPECT_EQ(f().editor.refreshCount(), before);
        EXPECT_EQ(f().lblCMix->backColour(), c.colour);
        if (c.marked < 0) {
            expectNoneSelected();
        } else {
            expectSelected(c.marked);
        }
    }
}

// With snapping on, picking silver switches snapping off and keeps silver, which is not safe.
TEST_F(StandardColoursTest, CellEndsSafeSnappingWithoutUndo) {
    open();
    f().editor.ShowColour(RGB(10, 128, 250));
    f().chkSF->setChecked(true);
    emit f().lblStandartColor[7]->clicked();
    EXPECT_FALSE(f().chkSF->isChecked());
    EXPECT_FALSE(f().editor.snapping.SafeUndo);
    EXPECT_EQ(f().vsbColor[0]->singleStep(), 1);
    EXPECT_FALSE(f().txtHex->isReadOnly());
    EXPECT_EQ(f().lblCMix->backColour(), RGB(192, 192, 192));
    EXPECT_EQ(f().txtHex->text(), QStringLiteral("C0C0C0"));
    expectSelected(7);
}

} // namespace
