// The window by keyboard: which controls Tab visits in each view and in what order, option
// groups as single stops, and access keys of panels the window does not show.
#include "support/WindowFixture.h"

#include <QFile>
#include <QTest>

namespace {

enum View { Compact, SafeOpen, SchemeOpen, Full };

class Keyboard : public WindowTest {
  protected:
    frmTintwell& shown(View view) {
        frmTintwell& f = open();
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        if (view == SafeOpen || view == Full) {
            f.cmdSafe->click();
        }
        if (view == SchemeOpen || view == Full) {
            f.cmdTagEditor->click();
        }
        return f;
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    // Presses the key until the focus comes back to where it started; the controls visited,
    // starting with the first.
    static QList<QWidget*> cycle(QWidget* first, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        first->setFocus(Qt::OtherFocusReason);
        QList<QWidget*> visited{focused()};
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(focused(), key, modifiers);
            if (focused() == first) {
                break;
            }
            visited << focused();
        }
        return visited;
    }

    // A button answers its access key with a short press it shows before it clicks.
    static void accessKey(frmTintwell& f, Qt::Key key) {
        QTest::keyClick(&f, key, Qt::AltModifier);
        QTest::qWait(150);
    }

    static QStringList names(const QList<QWidget*>& widgets) {
        QStringList n;
        for (QWidget* w : widgets) {
            n << (w ? w->objectName() : QStringLiteral("(none)"));
        }
        return n;
    }

    QByteArray settingsFile() const {
        QFile file(dir.path() + QStringLiteral("/Tintwell/Tintwell.conf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// The stops a view shows, in the designed order. The start-up colour is grey, a standard
// colour, so its name button is shown and its cell is where Tab enters the standard cells; it
// is no safe colour, so the first safe cell stands for them. "Delete Tag" is disabled on the
// first scheme, and the address label is hidden while the scheme editor is open.
QList<QWidget*> expectedStops(frmTintwell& f, View view) {
    const bool safe = view == SafeOpen || view == Full;
    const bool scheme = view == SchemeOpen || view == Full;
    QList<QWidget*> stops{f.cmdWinColor,
                          f.vsbColor[0],
                          f.vsbColor[1],
                          f.vsbColor[2],
                          f.vsbDL,
                          f.lblH,
                          f.txtHex,
                          f.cboWhat,
                          f.cmdSend,
                          f.cmdTagEditor,
                          f.lblStandartColor[8],
                          f.cmdColorName,
                          f.chkOnTop};
    if (scheme) {
        // No slot is chosen yet, so the first of the group stands for it.
        stops << f.lblBold << f.cboStore << f.txtTag << f.cmdCopyTag << f.cmdStoreTag << f.optTag[1];
    } else {
        stops << f.lblURL;
    }
    stops << f.cmdSafe << f.chkSF;
    if (safe) {
        stops << f.lblSF[0] << f.optPerformance[0];
    }
    if (view == Full) {
        stops << f.cmdResetHole << f.vsHoleRoundY << f.vsHoleRoundX << f.vsHoleTop << f.vsHoleBottom
              << f.vsHoleRight << f.vsHoleLeft;
    }
    return stops;
}

} // namespace

TEST_F(Keyboard, TabVisitsExactlyTheShownStopsInOrderInEveryView) {
    for (View view : {Compact, SafeOpen, SchemeOpen, Full}) {
        frmTintwell& f = shown(view);
        const QList<QWidget*> expected = expectedStops(f, view);
        EXPECT_EQ(names(cycle(f.cmdWinColor, Qt::Key_Tab)), names(expected)) << "view " << view;
        QList<QWidget*> backwards(expected.rbegin(), expected.rend());
        backwards.prepend(backwards.takeLast());
        EXPECT_EQ(names(cycle(f.cmdWinColor, Qt::Key_Backtab, Qt::ShiftModifier)), names(backwards))
            << "view " << view;
        close();
    }
}

TEST_F(Keyboard, ClosingAPanelTakesItsStopsAwayAgain) {
    frmTintwell& f = shown(Full);
    f.cmdSafe->click();
    f.cmdTagEditor->click();
    EXPECT_EQ(names(cycle(f.cmdWinColor, Qt::Key_Tab)), names(expectedStops(f, Compact)));
}

TEST_F(Keyboard, AnOptionGroupIsOneStopAndArrowsMoveWithinIt) {
    frmTintwell& f = shown(Full);
    // The last safe cell lies just before the row in the chain.
    f.lblSF.back()->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), f.optPerformance[0]);
    // Arrows walk the row and choose as they go, as the checked button had the focus.
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Right);
    EXPECT_EQ(focused(), f.optPerformance[2]);
    EXPECT_TRUE(f.optPerformance[2]->isChecked());
    EXPECT_EQ(setting("Init", "OptPerf"), "2");
    QTest::keyClick(focused(), Qt::Key_Left);
    EXPECT_EQ(focused(), f.optPerformance[1]);
    // The group is left by one Tab, and entered again at its chosen button.
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.cmdResetHole);
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), f.optPerformance[1]);

    // The slots' column, top to bottom; Space chooses one, and the group keeps one stop.
    f.cmdStoreTag->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), f.optTag[1]);
    for (int slot : {2, 3, 4, 0}) {
        QTest::keyClick(focused(), Qt::Key_Down);
        EXPECT_EQ(focused(), f.optTag[slot]);
    }
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_TRUE(f.optTag[4]->isChecked());
    EXPECT_TRUE(f.optPerformance[1]->isChecked()) << "each row chooses on its own";
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.cmdSafe);
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), f.optTag[4]);
    // Walking the slots left the palette row its own stop.
    f.lblSF.back()->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.optPerformance[1]);
}

TEST_F(Keyboard, AccessKeysOfHiddenPanelsDoNothingUntilTheyOpen) {
    frmTintwell& f = shown(Compact);
    const QByteArray before = settingsFile();
    const int holeLeft = f.vsHoleLeft->value();
    for (Qt::Key key : {Qt::Key_S, Qt::Key_C, Qt::Key_D, Qt::Key_R}) {
        accessKey(f, key);
    }
    EXPECT_EQ(desktop.clipboardWrites, 0);
    EXPECT_TRUE(desktop.inputs.isEmpty());
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(settingsFile(), before);
    EXPECT_EQ(f.vsHoleLeft->value(), holeLeft);

    // An access key of the main panel opens the editor; its own keys work from then on.
    accessKey(f, Qt::Key_E);
    ASSERT_EQ(f.cmdTagEditor->text(), "<< Clos&e");
    accessKey(f, Qt::Key_C);
    EXPECT_EQ(desktop.clipboard, f.txtTag->toPlainText());
    EXPECT_TRUE(desktop.clipboard.startsWith("<BODY BGCOLOR=#FFFFFF"));
}

TEST_F(Keyboard, TheStoredPaletteOrderIsTheGroupsStop) {
    preset("Init", "OptPerf", "3");
    frmTintwell& f = shown(SafeOpen);
    f.lblSF.back()->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), f.optPerformance[3]);
}
