#pragma once

#include "editor/ColourEditor.h"
#include "shell/frmTintwell.h"
#include "support/ScrollBarParts.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <array>
#include <functional>

// What the editor's tests read back from the window, and a real drag of a slider's thumb.
namespace editorChecks {

using Channels = std::array<int, 3>;

inline Channels sliders(const frmTintwell& f) {
    return {f.vsbColor[0]->value(), f.vsbColor[1]->value(), f.vsbColor[2]->value()};
}

inline modColors::ColourValue colourOf(const Channels& c) {
    return modColors::RGB(c[0], c[1], c[2]);
}

inline bool flagsClear(const GuardFlags& g) {
    return !g.InShowColour && !g.InSliderChange && !g.InDarkLight && !g.InHexEntry && !g.InStdSelect &&
           !g.InSafeSelect;
}

inline QPoint thumbCentre(QScrollBar* bar) {
    return scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
}

// Presses the thumb, moves it `steps` times by `dy` pixels (negative is up) and calls
// `duringDrag` after each move while the button is still down, then releases it.
inline void dragThumb(QScrollBar* bar, int steps, int dy, const std::function<void()>& duringDrag = {}) {
    QPoint at = thumbCentre(bar);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
    for (int i = 0; i < steps; ++i) {
        at.ry() += dy;
        QTest::mouseMove(bar, at);
        if (duringDrag) {
            duringDrag();
        }
    }
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
}

// A window of its own for each test, on the offscreen screen when a test needs real input.
class EditorTest : public WindowTest {
  protected:
    frmTintwell& f() { return *form; }

    void openShown() {
        open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        settle();
    }

    // Lets the pending repaints run.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    }
};

} // namespace editorChecks
