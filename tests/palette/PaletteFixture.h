#pragma once

#include "editor/ColourEditor.h"
#include "palette/SafePalette.h"
#include "support/WindowFixture.h"

#include <QTest>
#include <vector>

// A window with helpers for the safe palette: open the panel, click cells, read the marks
// and the current channels.
class PaletteTest : public WindowTest {
  protected:
    frmTintwell& f() { return *form; }

    void openPanel() {
        ASSERT_EQ(f().cmdSafe->text(), SafePalette::ClosedCaption);
        QTest::mouseClick(f().cmdSafe, Qt::LeftButton);
        ASSERT_EQ(f().cmdSafe->text(), SafePalette::OpenCaption);
    }
    void closePanel() {
        ASSERT_EQ(f().cmdSafe->text(), SafePalette::OpenCaption);
        QTest::mouseClick(f().cmdSafe, Qt::LeftButton);
        ASSERT_EQ(f().cmdSafe->text(), SafePalette::ClosedCaption);
    }
    void clickCell(int n) { QTest::mouseClick(f().lblSF.at(n), Qt::LeftButton, {}, QPoint(5, 5)); }
    void chooseOrder(int k) { QTest::mouseClick(f().optPerformance[k], Qt::LeftButton); }

    std::vector<int> markedCells() {
        std::vector<int> marked;
        for (std::size_t n = 0; n < f().lblSF.size(); ++n) {
            if (f().lblSF[n]->borderStyle() == 1) {
                marked.push_back(static_cast<int>(n));
            }
        }
        return marked;
    }
    QString cellCode(int n) { return modColors::ColourToHtml(f().lblSF.at(n)->backColour()); }
    QString currentCode() { return modColors::ColourToHtml(f().editor.currentColour()); }
    std::array<int, 3> sliders() {
        return {f().vsbColor[0]->value(), f().vsbColor[1]->value(), f().vsbColor[2]->value()};
    }
    void show(int r, int g, int b) { f().editor.ShowColour(modColors::RGB(r, g, b)); }
};
