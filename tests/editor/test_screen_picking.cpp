#include "editor/ScreenPicking.h"
#include "support/WindowFixture.h"

#include <QFile>
#include <QMenu>
#include <QTest>

namespace {

class ScreenPickingTest : public WindowTest {};

// The preview's menu opens on a right button release without Shift, and only then; its one
// entry starts a pick, which on a display with no picker is told in one box and changes nothing.
TEST_F(ScreenPickingTest, ThePreviewsMenuOffersPickingAndANoPickChangesNothing) {
    open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const modColors::ColourValue before = form->editor.currentColour();
    auto openMenus = [&] {
        int shown = 0;
        for (QMenu* menu : form->findChildren<QMenu*>(QStringLiteral("previewMenu"))) {
            shown += menu->isVisible() ? 1 : 0;
        }
        return shown;
    };
    QTest::mouseRelease(form->lblCMix, Qt::LeftButton);
    QTest::mouseRelease(form->lblCMix, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(openMenus(), 0);
    QTest::mouseRelease(form->lblCMix, Qt::RightButton);
    ASSERT_EQ(openMenus(), 1);
    QMenu* menu = form->findChild<QMenu*>(QStringLiteral("previewMenu"));
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), ScreenPicking::MenuText);
    menu->actions()[0]->trigger();
    menu->close();
    EXPECT_TRUE(form->picking.picking());
    QTRY_VERIFY(!form->picking.picking());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.startsWith("No colour picker here"))
        << qPrintable(desktop.messages[0].text);
    EXPECT_EQ(form->editor.currentColour(), before);
}

// Run by e2e_pick_portal with Debian's real desktop portal and a test backend, under X11 and
// native Wayland (where nothing outside can press keys): Ctrl+P and the preview's menu make the
// backend's answer current, into the chosen slot while the scheme editor is open; a cancelled
// answer changes nothing; a pending pick shows and can be cancelled.
TEST_F(ScreenPickingTest, OnTheDesktopPortal) {
    const QString answerFile = qEnvironmentVariable("PORTAL_TEST_ANSWER");
    if (answerFile.isEmpty()) {
        GTEST_SKIP() << "run by e2e_pick_portal, on the desktop portal";
    }
    auto answer = [&](const char* text) {
        QFile file(answerFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    };
    auto pickAndWait = [&](const std::function<void()>& start) {
        start();
        ASSERT_TRUE(form->picking.picking());
        QTRY_VERIFY_WITH_TIMEOUT(!form->picking.picking(), 20000);
    };
    auto pressCtrlP = [&] { QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier); };
    open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // A headless compositor has no seat to give the window the keyboard: the user's focus, here.
    QApplication::setActiveWindow(form.get());

    answer("#3366CC");
    pickAndWait(pressCtrlP);
    EXPECT_EQ(form->txtHex->text(), "3366CC");
    EXPECT_EQ(form->editor.currentColour(), modColors::RGB(0x33, 0x66, 0xCC));
    answer("cancel");
    pickAndWait(pressCtrlP);
    EXPECT_EQ(form->txtHex->text(), "3366CC");
    EXPECT_TRUE(desktop.messages.isEmpty());

    answer("#00FF80");
    pickAndWait([&] {
        QTest::mouseRelease(form->lblCMix, Qt::RightButton);
        QMenu* menu = form->findChild<QMenu*>(QStringLiteral("previewMenu"));
        ASSERT_NE(menu, nullptr);
        menu->actions()[0]->trigger();
        menu->close();
    });
    EXPECT_EQ(form->txtHex->text(), "00FF80");

    form->cmdTagEditor->click();
    form->optTag[1]->click();
    answer("#123456");
    pickAndWait(pressCtrlP);
    EXPECT_EQ(form->lblTag[1]->tag(), "#123456");
    EXPECT_EQ(form->txtTag->toPlainText(),
              "<BODY BGCOLOR=#FFFFFF TEXT=#123456 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>");
    // Escape in the wlroots picker: no colour, and no box either.
    answer("fail");
    pickAndWait(pressCtrlP);
    EXPECT_EQ(form->txtHex->text(), "123456");
    EXPECT_TRUE(desktop.messages.isEmpty());

    // A picker that never answers: the title and the preview's menu tell the pick is pending, and
    // Escape, Ctrl+P again or the menu's entry cancel it, each closing the portal's request.
    answer("never");
    const QString title = form->windowTitle();
    auto previewMenuEntry = [&] {
        QTest::mouseRelease(form->lblCMix, Qt::RightButton);
        QMenu* menu = form->findChildren<QMenu*>(QStringLiteral("previewMenu")).last();
        QAction* entry = menu->actions()[0];
        menu->close();
        return entry;
    };
    auto pendingThen = [&](const std::function<void()>& cancel) {
        pressCtrlP();
        ASSERT_TRUE(form->picking.picking());
        EXPECT_EQ(form->windowTitle(), ScreenPicking::PendingTitle.arg(title));
        QTest::qWait(300);
        ASSERT_TRUE(form->picking.picking()) << "the never-answering picker answered";
        cancel();
        EXPECT_FALSE(form->picking.picking());
        EXPECT_EQ(form->windowTitle(), title);
    };
    pendingThen([&] { QTest::keyClick(form.get(), Qt::Key_Escape); });
    pendingThen(pressCtrlP);
    pendingThen([&] {
        QAction* entry = previewMenuEntry();
        EXPECT_EQ(entry->text(), ScreenPicking::CancelText);
        entry->trigger();
    });
    EXPECT_EQ(previewMenuEntry()->text(), ScreenPicking::MenuText);
    QTest::qWait(500);
    EXPECT_EQ(form->txtHex->text(), "123456");
    EXPECT_TRUE(desktop.messages.isEmpty());
}

} // namespace
