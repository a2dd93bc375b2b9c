// Every slider of the window, by every input a user has, moves the way it looks: towards the
// end it is pushed to, by the amount that input stands for.
#include "editor/ColourEditor.h"
#include "shell/WindowExtras.h"
#include "shell/WindowHole.h"
#include "support/ScrollBarParts.h"
#include "support/WindowFixture.h"

#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

namespace {

enum class Towards { Start, End }; // the top or left end, the bottom or right end
enum class Amount { Line, Page, Wheel, WholeWay, Some };

struct Slider {
    const char* name;
    int start, end;           // the values drawn at the top (left) and bottom (right) ends
    int reachStart, reachEnd; // how far its handler lets it go
    int from;                 // where every input starts
    bool inert = false;       // disabled: nothing may move it
};

const Slider Sliders[] = {
    {"vsbColor(0)", 255, 0, 255, 0, 128},       {"vsbColor(1)", 255, 0, 255, 0, 128},
    {"vsbColor(2)", 255, 0, 255, 0, 128},       {"vsbDL", 255, 0, 255, 0, 128},
    {"vsbSaturation", 255, 0, 255, 0, 0, true}, {"vsbTone", 240, 0, 240, 0, 0, true},
    {"vsHoleBottom", 109, 212, 111, 212, 160}, // the top edge keeps it 2 below
    {"vsHoleTop", 109, 212, 109, 210, 130},     {"vsHoleRoundY", 100, 1, 100, 1, 50},
    {"vsHoleRoundX", 1, 180, 1, 180, 90},       {"vsHoleRight", 150, 330, 152, 330, 300},
    {"vsHoleLeft", 150, 330, 150, 328, 250},
};

bool vertical(QScrollBar* bar) {
    return bar->orientation() == Qt::Vertical;
}

// A point `pixels` along the bar's axis from `at`, towards its end.
QPoint along(QScrollBar* bar, QPoint at, int pixels) {
    return vertical(bar) ? at + QPoint(0, pixels) : at + QPoint(pixels, 0);
}

void clickPart(QScrollBar* bar, QStyle::SubControl part) {
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, scrollBarPart(bar, part).center());
}

void key(QScrollBar* bar, Qt::Key verticalKey, Qt::Key horizontalKey) {
    QTest::keyClick(bar, vertical(bar) ? verticalKey : horizontalKey);
}

// One notch of the wheel, away from the user (up) or towards the user.
void wheel(QScrollBar* bar, int angle) {
    const QPointF at = QPointF(bar->rect().center());
    QWheelEvent event(at, QPointF(bar->mapToGlobal(at.toPoint())), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &event);
}

void dragThumb(QScrollBar* bar, int pixels) {
    QPoint at = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
    for (int step = 0; step < 3; ++step) {
        at = along(bar, at, pixels / 3);
        QTest::mouseMove(bar, at);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
}

// Opens the bar's own right-click menu at `at` and chooses the item with the vertical or the
// horizontal caption, as a user would with the keyboard.
void contextMenu(QScrollBar* bar, const QString& verticalItem, const QString& horizontalItem,
                 QPoint at = QPoint()) {
    if (at.isNull()) {
        at = bar->rect().center();
    }
    const QString item = vertical(bar) ? verticalItem : horizontalItem;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        answer.stop();
        for (QAction* action : menu->actions()) {
            if (action->text() == item) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        ADD_FAILURE() << "no menu item " << item.toStdString();
        menu->close();
    });
    answer.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &event);
}

struct Input {
    const char* name;
    Towards towards;
    Amount amount;
    std::function<void(QScrollBar*)> act;
};

const Input Inputs[] = {
    {"arrow at the start", Towards::Start, Amount::Line,
     [](QScrollBar* b) { clickPart(b, QStyle::SC_ScrollBarSubLine); }},
    {"arrow at the end", Towards::End, Amount::Line,
     [](QScrollBar* b) { clickPart(b, QStyle::SC_ScrollBarAddLine); }},
    {"track before the thumb", Towards::Start, Amount::Page,
     [](QScrollBar* b) { clickPart(b, QStyle::SC_ScrollBarSubPage); }},
    {"track after the thumb", Towards::End, Amount::Page,
     [](QScrollBar* b) { clickPart(b, QStyle::SC_ScrollBarAddPage); }},
    {"Up / Left", Towards::Start, Amount::Line, [](QScrollBar* b) { key(b, Qt::Key_Up, Qt::Key_Left); }},
    {"Down / Right", Towards::End, Amount::Line, [](QScrollBar* b) { key(b, Qt::Key_Down, Qt::Key_Right); }},
    {"Page Up", Towards::Start, Amount::Page, [](QScrollBar* b) { key(b, Qt::Key_PageUp, Qt::Key_PageUp); }},
    {"Page Down", Towards::End, Amount::Page,
     [](QScrollBar* b) { key(b, Qt::Key_PageDown, Qt::Key_PageDown); }},
    {"Home", Towards::Start, Amount::WholeWay, [](QScrollBar* b) { key(b, Qt::Key_Home, Qt::Key_Home); }},
    {"End", Towards::End, Amount::WholeWay, [](QScrollBar* b) { key(b, Qt::Key_End, Qt::Key_End); }},
    {"wheel away", Towards::Start, Amount::Wheel, [](QScrollBar* b) { wheel(b, 120); }},
    {"wheel back", Towards::End, Amount::Wheel, [](QScrollBar* b) { wheel(b, -120); }},
    {"drag to the start", Towards::Start, Amount::Some, [](QScrollBar* b) { dragThumb(b, -3); }},
    {"drag to the end", Towards::End, Amount::Some, [](QScrollBar* b) { dragThumb(b, 3); }},
    {"menu Top", Towards::Start, Amount::WholeWay, [](QScrollBar* b) { contextMenu(b, "Top", "Left edge"); }},
    {"menu Bottom", Towards::End, Amount::WholeWay,
     [](QScrollBar* b) { contextMenu(b, "Bottom", "Right edge"); }},
    {"menu Page up", Towards::Start, Amount::Page,
     [](QScrollBar* b) { contextMenu(b, "Page up", "Page left"); }},
    {"menu Page down", Towards::End, Amount::Page,
     [](QScrollBar* b) { contextMenu(b, "Page down", "Page right"); }},
    {"menu Scroll up", Towards::Start, Amount::Line,
     [](QScrollBar* b) { contextMenu(b, "Scroll up", "Scroll left"); }},
    {"menu Scroll down", Towards::End, Amount::Line,
     [](QScrollBar* b) { contextMenu(b, "Scroll down", "Scroll right"); }},
    {"menu Scroll here, near the start", Towards::Start, Amount::Some,
     [](QScrollBar* b) {
         contextMenu(b, "Scroll here", "Scroll here", scrollBarPart(b, QStyle::SC_ScrollBarSubPage).center());
     }},
};

class SliderInputTest : public WindowTest {
  protected:
    void openFullView() {
        open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->extras.lblCMix_MouseUp(1, 1);
    }

    // Puts every slider back where the row starts it, undoing what the last input did.
    QScrollBar* prepare(const Slider& s) {
        form->cmdResetHole->click();
        form->editor.ShowColour(modColors::RGB(128, 128, 128));
        auto* bar = form->findChild<QScrollBar*>(QString::fromLatin1(s.name));
        if (!s.inert) {
            bar->setValue(s.from);
        }
        bar->setFocus();
        return bar;
    }
};

TEST_F(SliderInputTest, EveryInputMovesEverySliderTheWayItLooks) {
    openFullView();
    const int wheelLines = QApplication::wheelScrollLines();
    for (const Slider& s : Sliders) {
        for (const Input& in : Inputs) {
            QScrollBar* bar = prepare(s);
            ASSERT_NE(bar, nullptr) << s.name;
            SCOPED_TRACE(testing::Message() << s.name << ", " << in.name);
            const int before = bar->value();
            in.act(bar);
            const int after = bar->value();
            if (s.inert) {
                EXPECT_EQ(after, before);
                continue;
            }
            const bool toEnd = in.towards == Towards::End;
            // +1 when the value grows towards the end the input pushes to.
            const int sign = ((s.end > s.start) == toEnd) ? 1 : -1;
            switch (in.amount) {
            case Amount::Line:
                EXPECT_EQ(after, before + sign * bar->singleStep());
                break;
            case Amount::Page:
                EXPECT_EQ(after, before + sign * bar->pageStep());
                break;
            case Amount::Wheel:
                EXPECT_EQ(after, before + sign * std::min(wheelLines * bar->singleStep(), bar->pageStep()));
                break;
            case Amount::WholeWay:
                EXPECT_EQ(after, toEnd ? s.reachEnd : s.reachStart);
                break;
            case Amount::Some:
                EXPECT_GT((after - before) * sign, 0) << "from " << before << " to " << after;
                EXPECT_NE(after, toEnd ? s.reachEnd : s.reachStart) << "a short move went the whole way";
                break;
            }
        }
    }
}

// The corner sliders in their designed size: the thumb leaves most of the track to travel,
// and a drag moves the value in proportion to the pixels dragged.
TEST_F(SliderInputTest, CornerSliderThumbsTravelInProportionToTheDrag) {
    openFullView();
    struct Corner {
        QScrollBar* bar;
        QSize designed;
        std::size_t element; // of the hole geometry
    };
    for (const Corner& c :
         {Corner{form->vsHoleRoundX, QSize(49, 9), 4}, Corner{form->vsHoleRoundY, QSize(9, 41), 5}}) {
        SCOPED_TRACE(c.bar->objectName().toStdString());
        EXPECT_EQ(c.bar->size(), c.designed);
        const bool across = !vertical(c.bar);
        const auto length = [across](const QRect& r) { return across ? r.width() : r.height(); };
        const int thumb = length(scrollBarPart(c.bar, QStyle::SC_ScrollBarSlider));
        const int track = length(scrollBarPart(c.bar, QStyle::SC_ScrollBarGroove));
        const int travel = track - thumb;
        ASSERT_GE(travel, track / 2) << "thumb " << thumb << " of " << track;
        const double perPixel = double(c.bar->maximum() - c.bar->minimum()) / travel;
        // Dragging towards the bottom or right end lowers the corner height, raises the width.
        const int sign = across ? 1 : -1;
        for (int pixels : {3, 6, -6}) {
            form->cmdResetHole->click();
            c.bar->setValue(50);
            dragThumb(c.bar, pixels);
            const int moved = c.bar->value() - 50;
            EXPECT_NEAR(moved, sign * pixels / 3 * 3 * perPixel, perPixel + 1) << pixels << " px";
            EXPECT_EQ(form->hole.HoleGeometry[c.element], c.bar->value());
        }
    }
}

} // namespace
