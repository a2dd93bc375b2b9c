#include "palette/SafePalette.h"
#include "scheme/StoredSchemes.h"
#include "shell/WindowExtras.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QUrl>

namespace {

class WindowExtrasTest : public WindowTest {
  protected:
    frmTintwell& openShown() {
        open();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }
    bool hintOn() const {
        const bool on = form->windowTitle() == WindowExtras::HintCaption;
        EXPECT_EQ(form->lblURL->foreColour(), on ? modColors::RGB(0, 255, 255) : modColors::RGB(0, 0, 255));
        if (!on) {
            EXPECT_EQ(form->windowTitle(), frmTintwell::Title);
        }
        return on;
    }
};

TEST_F(WindowExtrasTest, OnTopFollowsTheStoredValueAtStartUp) {
    struct Case {
        const char* stored;
        bool checked;
    };
    for (const Case& c : {Case{nullptr, false}, Case{"0", false}, Case{" 0", false}, Case{"1", true},
                          Case{" 1", true}, Case{"2", false}, Case{"yes", false}}) {
        close();
        desktop.topmostCalls.clear();
        QDir(dir.path()).removeRecursively();
        if (c.stored) {
            preset("Init", "OnTop", c.stored);
        }
        open();
        EXPECT_EQ(form->chkOnTop->isChecked(), c.checked) << (c.stored ? c.stored : "(absent)");
        // Only a change of the box reaches the window manager.
        EXPECT_EQ(desktop.topmostCalls.count(true), c.checked ? 1 : 0) << (c.stored ? c.stored : "");
        EXPECT_EQ(desktop.topmostCalls.count(false), 0) << (c.stored ? c.stored : "");
    }
}

TEST_F(WindowExtrasTest, OnTopClicksReachTheWindowManagerAndSurviveARestart) {
    openShown();
    QTest::mouseClick(form->chkOnTop, Qt::LeftButton);
    EXPECT_EQ(desktop.topmostCalls, QList<bool>{true});
    close();
    EXPECT_EQ(setting("Init", "OnTop"), " 1");
    desktop.topmostCalls.clear();
    openShown();
    EXPECT_TRUE(form->chkOnTop->isChecked());
    EXPECT_EQ(desktop.topmostCalls, QList<bool>{true});
    QTest::mouseClick(form->chkOnTop, Qt::LeftButton);
    EXPECT_EQ(desktop.topmostCalls, (QList<bool>{true, false}));
    close();
    EXPECT_EQ(setting("Init", "OnTop"), " 0");
}

TEST_F(WindowExtrasTest, OnTopWhereTheDesktopCannotNeverTicksSaysWhyAndKeepsTheStoredValue) {
    desktop.keepsOnTop = false;
    preset("Init", "OnTop", " 1");
    openShown();
    EXPECT_FALSE(form->chkOnTop->isChecked());
    EXPECT_EQ(form->chkOnTop->toolTip(), WindowExtras::OnTopElsewhere);
    // By mouse and by keyboard: the box takes the tick back and says why next to it.
    QTest::mouseClick(form->chkOnTop, Qt::LeftButton);
    EXPECT_FALSE(form->chkOnTop->isChecked());
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), WindowExtras::OnTopElsewhere);
    QToolTip::hideText();
    form->chkOnTop->setFocus();
    QTest::keyClick(form->chkOnTop, Qt::Key_Space);
    EXPECT_FALSE(form->chkOnTop->isChecked());
    EXPECT_EQ(QToolTip::text(), WindowExtras::OnTopElsewhere);
    EXPECT_TRUE(desktop.topmostCalls.isEmpty());
    close();
    EXPECT_EQ(setting("Init", "OnTop"), " 1");
    // Back on a desktop that can, the stored value applies again.
    desktop.keepsOnTop = true;
    open();
    EXPECT_TRUE(form->chkOnTop->isChecked());
    EXPECT_EQ(desktop.topmostCalls, QList<bool>{true});
}

TEST_F(WindowExtrasTest, AddressLabelCopiesOnRightButtonAndOpensOnAnyOther) {
    openShown();
    const QString address = form->lblURL->text();
    ASSERT_FALSE(address.isEmpty());
    QTest::mouseClick(form->lblURL, Qt::LeftButton);
    QTest::mouseClick(form->lblURL, Qt::MiddleButton);
    EXPECT_EQ(desktop.openedAddresses, (QStringList{address, address}));
    EXPECT_EQ(desktop.clipboardWrites, 0);
    QTest::mouseClick(form->lblURL, Qt::RightButton);
    EXPECT_EQ(desktop.clipboard, address);
    EXPECT_EQ(desktop.clipboardWrites, 1);
    EXPECT_EQ(desktop.openedAddresses.size(), 2);
}

TEST_F(WindowExtrasTest, AddressIsTheShippedHelpPageAndAnInstalledOneFitsTheLabel) {
    open();
    const QUrl url(form->lblURL->text());
    ASSERT_TRUE(url.isLocalFile()) << form->lblURL->text().toStdString();
    QFile page(url.toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains("<title>Tintwell help</title>"));
    // Installed under the usual prefixes, the whole address shows in the label.
    const QFontMetrics metrics(form->lblURL->font());
    for (const char* installed :
         {"file:/usr/share/tintwell/help.html", "file:/usr/local/share/tintwell/help.html"}) {
        EXPECT_LE(metrics.horizontalAdvance(QString::fromLatin1(installed)), form->lblURL->width())
            << installed;
    }
}

TEST(HelpPageLookup, FoundBesideTheProgramsFolderWhereverThatIs) {
    struct Case {
        const char* program; // folder of the binary, inside the temporary root
        const char* page;    // file created there, or nullptr
        bool pageIsFolder;
        bool found;
    };
    const Case cases[] = {
        {"usr/bin", "usr/share/tintwell/help.html", false, true},
        {"opt/tw/bin", "opt/tw/share/tintwell/help.html", false, true},
        {"build/src", "build/share/tintwell/help.html", false, true},
        {"usr/bin", "usr/share/help.html", false, false},
        {"usr/bin", "usr/bin/share/tintwell/help.html", false, false},
        {"usr/bin", "usr/share/tintwell/help.html", true, false},
        {"usr/bin", nullptr, false, false},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QString label = QString::fromLatin1(c.program) + " / " + (c.page ? c.page : "none");
        QDir(root.path()).mkpath(QString::fromLatin1(c.program));
        QString expected;
        if (c.page) {
            const QString page = root.filePath(QString::fromLatin1(c.page));
            if (c.pageIsFolder) {
                QDir().mkpath(page);
            } else {
                QDir().mkpath(QFileInfo(page).path());
                QFile file(page);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                expected = QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()).toString();
                expected.replace(QStringLiteral("file:///"), QStringLiteral("file:/"));
            }
        }
        const QString address = WindowExtras::helpPageAddress(root.filePath(QString::fromLatin1(c.program)));
        EXPECT_EQ(address, c.found ? expected : QString()) << label.toStdString();
        // No ".." left in the caption.
        EXPECT_FALSE(address.contains(QStringLiteral(".."))) << label.toStdString();
    }
}

TEST_F(WindowExtrasTest, CaptionHintIsEndedOnlyByTheBackgroundTheOnTopBoxAndTheSliderFrame) {
    openShown();
    struct Step {
        QWidget* over;
        QPoint at; // empty: the middle of the control
        bool hint;
    };
    const Step steps[] = {
        {form->lblURL, {}, true},
        {form->cmdTagEditor, {}, true}, // straight onto another control: still on
        {form.get(), QPoint(140, 150), false},
        {form->txtHex, {}, false},
        {form->lblURL, {}, true},
        {form->chkOnTop, {}, false},
        {form->lblURL, {}, true},
        {form->vsbColor[0], {}, true}, // a control inside the frame
        {form->fraVSB, QPoint(85, 100), false},
        {form->lblURL, {}, true},
        {form->lblCMix, {}, true},
    };
    EXPECT_FALSE(hintOn());
    for (const Step& s : steps) {
        QTest::mouseMove(s.over, s.at.isNull() ? s.over->rect().center() : s.at);
        EXPECT_EQ(hintOn(), s.hint) << "over " << s.over->objectName().toStdString();
    }
}

TEST_F(WindowExtrasTest, ShiftAloneOnThePreviewTogglesTheFullView) {
    struct Case {
        bool safeOpen, tagOpen;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        bool safeAfter, tagAfter;
    };
    const Case cases[] = {
        {false, false, Qt::LeftButton, Qt::ShiftModifier, true, true},
        {false, false, Qt::RightButton, Qt::ShiftModifier, true, true},
        {false, false, Qt::MiddleButton, Qt::ShiftModifier, true, true},
        {true, true, Qt::RightButton, Qt::ShiftModifier, false, false},
        {true, false, Qt::RightButton, Qt::ShiftModifier, true, true},
        {false, true, Qt::RightButton, Qt::ShiftModifier, true, true},
        {false, false, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, false, false},
        {false, false, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, false, false},
        {true, true, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, true, true},
        {false, false, Qt::RightButton, Qt::NoModifier, false, false},
    };
    for (const Case& c : cases) {
        close();
        openShown();
        if (c.safeOpen) {
            form->cmdSafe->click();
        }
        if (c.tagOpen) {
            form->cmdTagEditor->click();
        }
        QTest::mouseClick(form->lblCMix, c.button, c.modifiers);
        SCOPED_TRACE(testing::Message() << "from safe " << c.safeOpen << ", tag " << c.tagOpen << ", button "
                                        << c.button << ", modifiers " << c.modifiers.toInt());
        EXPECT_EQ(form->cmdSafe->text(), c.safeAfter ? SafePalette::OpenCaption : SafePalette::ClosedCaption);
        EXPECT_EQ(form->cmdTagEditor->text(),
                  c.tagAfter ? StoredSchemes::OpenCaption : StoredSchemes::ClosedCaption);
        EXPECT_EQ(form->outerWidthTwips(), c.safeAfter ? 9300 : 5100);
        EXPECT_EQ(form->outerHeightTwips(), c.tagAfter ? 6040 : 4370);
        EXPECT_EQ(form->lblURL->isVisible(), !c.tagAfter);
    }
}

} // namespace
