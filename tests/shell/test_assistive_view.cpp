// What assistive tools are shown: roles that carry a state a screen reader reads, the list
// boxes' labels, no object for what is only drawn, and one focus per Tab into a palette's cells
// (a screen reader speaks every cell the focus passes).
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QTest>

namespace {

class AssistiveView : public WindowTest {
  protected:
    static QAccessibleInterface* seen(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
};

// Counts the cells that take the focus.
class FocusCounter : public QObject {
  public:
    template <class Cells> explicit FocusCounter(const Cells& cells) {
        for (QWidget* cell : cells) {
            cell->installEventFilter(this);
        }
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            focused.push_back(watched);
        }
        return false;
    }
    std::vector<QObject*> focused;
};

} // namespace

TEST_F(AssistiveView, BordersAreReadAsStatesOfCheckBoxesAndOptionButtons) {
    frmTintwell& f = openActive();
    f.extras.lblCMix_MouseUp(1, 1); // the full view: "Bold" and the safe cells are built
    struct Case {
        QWidget* label;
        QAccessible::Role role;
        bool checked;
    };
    const Case cases[] = {
        {f.lblH, QAccessible::CheckBox, false},                  // the store is empty
        {f.lblBold, QAccessible::CheckBox, true},                // the samples start bold
        {f.lblStandartColor[8], QAccessible::RadioButton, true}, // grey, the marked cell
        {f.lblStandartColor[0], QAccessible::RadioButton, false},
        {f.lblSF[0], QAccessible::RadioButton, false},
        {f.lblURL, QAccessible::Button, false},
    };
    for (const Case& c : cases) {
        QAccessibleInterface* iface = seen(c.label);
        ASSERT_NE(iface, nullptr) << c.label->objectName().toStdString();
        EXPECT_EQ(iface->role(), c.role) << c.label->objectName().toStdString();
        EXPECT_EQ(bool(iface->state().checked), c.checked) << c.label->objectName().toStdString();
        EXPECT_EQ(bool(iface->state().checkable), c.role != QAccessible::Button)
            << c.label->objectName().toStdString();
    }
    // The states follow the borders.
    QTest::mouseClick(f.lblH, Qt::RightButton);
    EXPECT_TRUE(seen(f.lblH)->state().checked);
    QTest::mouseClick(f.lblBold, Qt::LeftButton);
    EXPECT_FALSE(seen(f.lblBold)->state().checked);
    QTest::mouseClick(f.lblStandartColor[0], Qt::LeftButton);
    EXPECT_TRUE(seen(f.lblStandartColor[0])->state().checked);
    EXPECT_FALSE(seen(f.lblStandartColor[8])->state().checked);
    EXPECT_TRUE(seen(f.lblSF[0])->state().checked) << "black is a safe colour too";
}

TEST_F(AssistiveView, ListBoxesAreLabelledByWhatTheyAreAndTheirEntry) {
    frmTintwell& f = openActive();
    f.extras.lblCMix_MouseUp(1, 1);
    const auto label = [](QWidget* list) {
        const auto relations = seen(list)->relations(QAccessible::Label);
        return relations.size() == 1 ? relations.front().first->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(label(f.cboWhat), "Notation: Number");
    f.cboWhat->setCurrentIndex(8);
    EXPECT_EQ(label(f.cboWhat), "Notation: CSS hsl");
    EXPECT_EQ(label(f.cboStore), "Stored schemes: Standart");
    // The labels are for assistive tools only: nothing new is drawn.
    for (QWidget* list : {f.cboWhat, f.cboStore}) {
        EXPECT_FALSE(static_cast<QWidget*>(seen(list)->relations(QAccessible::Label).front().first->object())
                         ->isVisible());
    }
}

TEST_F(AssistiveView, DrawnLinesAreNoObjects) {
    frmTintwell& f = openActive();
    QAccessibleInterface* window = seen(&f);
    for (QWidget* line : {f.liLight, f.liDark, f.liL2, f.liD2}) {
        EXPECT_TRUE(line->isVisible());
        for (int i = 0; i < window->childCount(); ++i) {
            EXPECT_NE(window->child(i)->object(), line) << line->objectName().toStdString();
        }
    }
}

TEST_F(AssistiveView, TabIntoThePalettesFocusesTheMarkedCellAlone) {
    frmTintwell& f = openActive();
    f.cmdSafe->click();
    struct Case {
        const char* what;
        std::vector<FormLabel*> cells;
        QWidget* before; // the stop Tab leaves from
        std::function<void()> prepare;
        int expected;
    };
    const std::vector<FormLabel*> standard(f.lblStandartColor.begin(), f.lblStandartColor.end());
    const std::vector<FormLabel*> safe(f.lblSF.begin(), f.lblSF.end());
    const Case cases[] = {
        {"grey marked, black the first stop", standard, f.cmdTagEditor, [] {}, 8},
        {"navy picked by a click after visiting blue", standard, f.cmdTagEditor,
         [&f] {
             f.lblStandartColor[9]->setFocus();
             f.cmdTagEditor->setFocus();
             QTest::mouseClick(f.lblStandartColor[1], Qt::LeftButton);
         },
         1},
        {"no standard colour: the cell last visited", standard, f.cmdTagEditor,
         [&f] {
             f.lblStandartColor[3]->setFocus();
             f.txtHex->setFocus();
             f.txtHex->selectAll();
             QTest::keyClicks(f.txtHex, "336699");
             f.cmdTagEditor->setFocus();
         },
         3},
        {"#336699 marked, another cell visited, then another order", safe, f.chkSF,
         [&f] {
             EXPECT_EQ(f.lblSF[51]->borderStyle(), 1) << "#336699 in the first order";
             f.lblSF[0]->setFocus();
             f.optPerformance[5]->setFocus();
             f.optPerformance[5]->click();
             f.chkSF->setFocus();
         },
         121},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        ASSERT_FALSE(c.cells[c.expected]->hasFocus());
        c.before->setFocus();
        FocusCounter counter(c.cells);
        QTest::keyClick(c.before, Qt::Key_Tab);
        ASSERT_EQ(counter.focused.size(), 1u);
        EXPECT_EQ(counter.focused.front(), c.cells[c.expected]);
        EXPECT_EQ(QApplication::focusWidget(), c.cells[c.expected]);
    }
}
